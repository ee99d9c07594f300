#pragma once

#include <string>

namespace tarmaq {

struct Game;

std::string raceComment(const Game& game, int kind, int car, int otherCar);

}  // namespace tarmaq
