// The step handlers of the turn controller, chosen by the first four characters of a
// step. A handler may rewrite the step before it is stored, or decline to store it.
#pragma once

#include <string>

namespace tarmaq {

struct Game;

enum class StoreStep { Yes, No };

using StepHandler = StoreStep (*)(Game& game, std::string& step);

StoreStep handleRound(Game& game, std::string& step);        // "ROUN"
StoreStep handlePositions(Game& game, std::string& step);    // "POSN"
StoreStep handleDriver(Game& game, std::string& step);       // "DRVR"
StoreStep handleShift(Game& game, std::string& step);        // "SHFT"
StoreStep handleMove(Game& game, std::string& step);         // "MOVE"
StoreStep handleWear(Game& game, std::string& step);         // "WEAR"
StoreStep handleMailSent(Game& game, std::string& step);     // "MAIL"
StoreStep handleRoll(Game& game, std::string& step);         // "ROLL"
StoreStep handleStatus(Game& game, std::string& step);       // "STAT"
StoreStep handleShowResults(Game& game, std::string& step);  // "SHOW"

// The "ROLL" steps by their kind.
StoreStep handleGearRoll(Game& game, const std::string& step);
StoreStep handleDamageRoll(Game& game, const std::string& step);  // CLSN, ENGN, ROAD
StoreStep handleGridRoll(Game& game, const std::string& step);
StoreStep handleStartRoll(Game& game, const std::string& step);
StoreStep handlePitRoll(Game& game, const std::string& step);

// The handler for a step's code, or nullptr: such a step is only stored.
StepHandler findStepHandler(const std::string& step);

}  // namespace tarmaq
