// The named timers of the core. The shell runs one real timer per name and reports
// each elapse through fireTimer(); the tests fire them by hand.
#pragma once

#include <array>

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

inline constexpr int ResultPauseMs = 4000;
inline constexpr int MoveOnMs = 1;

struct TimerSlot {
  bool enabled = false;
  int intervalMs = 0;
  int normalIntervalMs = 0;  // restored when the timer fires
};

struct Timers {
  std::array<TimerSlot, static_cast<std::size_t>(TimerId::Count)> slots{};
  TimerSlot& operator[](TimerId id) { return slots[static_cast<std::size_t>(id)]; }
  const TimerSlot& operator[](TimerId id) const { return slots[static_cast<std::size_t>(id)]; }
  bool anyResultTimerArmed() const;
};

void startTimer(Game& game, TimerId id, int intervalMs);
void stopTimer(Game& game, TimerId id);
// Makes an armed timer fire after the move-on interval; its own interval comes back
// when it fires.
void shortenTimer(Game& game, TimerId id);
// Shortens every armed result timer to the move-on interval.
void shortenResultTimers(Game& game);
void stopAllTimers(Game& game);
bool isResultTimer(TimerId id);

}  // namespace tarmaq
