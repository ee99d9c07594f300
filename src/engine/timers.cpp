#include "engine/timers.h"

#include "engine/game_state.h"

namespace tarmaq {

bool isResultTimer(TimerId id) {
  switch (id) {
    case TimerId::GridRoll:
    case TimerId::NormalStart:
    case TimerId::FlyingStart:
    case TimerId::BadStart:
    case TimerId::CollisionRoll:
    case TimerId::EngineRoll:
    case TimerId::RoadHoldingRoll:
    case TimerId::PitStopQuick:
    case TimerId::PitStopSlow:
      return true;
    default:
      return false;
  }
}

bool Timers::anyResultTimerArmed() const {
  for (std::size_t i = 0; i < slots.size(); ++i)
    if (slots[i].enabled && isResultTimer(static_cast<TimerId>(i))) return true;
  return false;
}

void startTimer(Game& game, TimerId id, int intervalMs) {
  auto& slot = game.timers[id];
  slot.enabled = true;
  slot.intervalMs = intervalMs;
  slot.normalIntervalMs = intervalMs;
  if (game.services.frontend) game.services.frontend->timerChanged(id, true, intervalMs);
}

void stopTimer(Game& game, TimerId id) {
  auto& slot = game.timers[id];
  if (slot.normalIntervalMs > 0) slot.intervalMs = slot.normalIntervalMs;
  if (!slot.enabled) return;
  slot.enabled = false;
  if (game.services.frontend) game.services.frontend->timerChanged(id, false, slot.intervalMs);
}

void shortenTimer(Game& game, TimerId id) {
  auto& slot = game.timers[id];
  if (!slot.enabled) return;
  slot.intervalMs = MoveOnMs;
  if (game.services.frontend) game.services.frontend->timerChanged(id, true, MoveOnMs);
}

void shortenResultTimers(Game& game) {
  for (std::size_t i = 0; i < game.timers.slots.size(); ++i) {
    auto id = static_cast<TimerId>(i);
    auto& slot = game.timers.slots[i];
    if (!slot.enabled || !isResultTimer(id)) continue;
    slot.intervalMs = MoveOnMs;
    if (game.services.frontend) game.services.frontend->timerChanged(id, true, MoveOnMs);
  }
}

void stopAllTimers(Game& game) {
  for (std::size_t i = 0; i < game.timers.slots.size(); ++i)
    stopTimer(game, static_cast<TimerId>(i));
}

}  // namespace tarmaq
