#include "engine/step_handlers.h"

#include <array>
#include <string_view>

namespace tarmaq {

namespace {

struct HandlerEntry {
  std::string_view code;
  StepHandler handler;
};

// One entry per step code; a code with no entry is only stored.
constexpr std::array<HandlerEntry, 10> Handlers = {{
    {"ROUN", handleRound},
    {"POSN", handlePositions},
    {"DRVR", handleDriver},
    {"SHFT", handleShift},
    {"MOVE", handleMove},
    {"WEAR", handleWear},
    {"MAIL", handleMailSent},
    {"ROLL", handleRoll},
    {"STAT", handleStatus},
    {"SHOW", handleShowResults},
}};

}  // namespace

StepHandler findStepHandler(const std::string& step) {
  const std::string_view code = std::string_view(step).substr(0, 4);
  for (const auto& entry : Handlers)
    if (entry.code == code) return entry.handler;
  return nullptr;
}

}  // namespace tarmaq

namespace tarmaq {

StoreStep handleRoll(Game& game, std::string& step) {
  const std::string kind = step.substr(0, 9);
  if (kind == "ROLL GEAR") return handleGearRoll(game, step);
  if (kind == "ROLL CLSN" || kind == "ROLL ENGN" || kind == "ROLL ROAD")
    return handleDamageRoll(game, step);
  if (kind == "ROLL POSN") return handleGridRoll(game, step);
  if (kind == "ROLL STRT") return handleStartRoll(game, step);
  if (kind == "ROLL PITS") return handlePitRoll(game, step);
  return StoreStep::Yes;
}

}  // namespace tarmaq
