// The automatic mail check: a counter of the one-minute timer's ticks since the last
// check, and the rule that decides on each tick whether the inbox is looked at.
#pragma once

#include <cstdint>
#include <string_view>

namespace tarmaq {

inline constexpr int MailCheckTimerMs = 60000;
inline constexpr int MaxMailCheckMinutes = 1440;

struct MailCheckCounter {
  std::uint16_t ticks = 0;
};

// The number at the start of the minutes box, 0 when there is none, at most a day.
int mailCheckMinutes(std::string_view box);

// One tick with the minutes value n: true when the check is due (every n + 1 ticks),
// which starts the count again. A counter that is beyond a value lowered since makes
// the check due at once rather than never.
bool mailCheckDue(MailCheckCounter& counter, int minutes);

}  // namespace tarmaq
