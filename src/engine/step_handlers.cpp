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
constexpr std::array<HandlerEntry, 7> Handlers = {{
    {"ROUN", handleRound},
    {"POSN", handlePositions},
    {"DRVR", handleDriver},
    {"SHFT", handleShift},
    {"MOVE", handleMove},
    {"WEAR", handleWear},
    {"MAIL", handleMailSent},
}};

}  // namespace

StepHandler findStepHandler(const std::string& step) {
  const std::string_view code = std::string_view(step).substr(0, 4);
  for (const auto& entry : Handlers)
    if (entry.code == code) return entry.handler;
  return nullptr;
}

}  // namespace tarmaq
