// The pre-race header of the game log: when and how the race was set up, its rules, and
// who takes part. Round 0's lines; all but the title are "Header Information".
#pragma once

#include <locale>
#include <string>

#include "engine/rules.h"

namespace tarmaq {

struct Game;

void writeRaceHeader(Game& game, const std::locale& locale = std::locale());

// The description of a check-box rule, which the header writes and the Rules dialog
// shows as its box's tooltip; nullptr for the rules that have no effect.
const char* ruleDescription(Rule rule);

// "All Gears", "2nd Gear +", ... "6th Gear" for the gear lists' values 1-6.
std::string gearListText(int value);

}  // namespace tarmaq
