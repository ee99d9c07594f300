#include "mail/mail_check.h"

#include <algorithm>
#include <cctype>

namespace tarmaq {

int mailCheckMinutes(std::string_view box) {
  std::size_t at = 0;
  while (at < box.size() && box[at] == ' ') ++at;
  long value = 0;
  bool any = false;
  for (; at < box.size() && std::isdigit(static_cast<unsigned char>(box[at])); ++at) {
    any = true;
    value = std::min<long>(value * 10 + (box[at] - '0'), MaxMailCheckMinutes);
  }
  return any ? static_cast<int>(value) : 0;
}

bool mailCheckDue(MailCheckCounter& counter, int minutes) {
  minutes = std::clamp(minutes, 0, MaxMailCheckMinutes);
  if (counter.ticks >= minutes) {
    counter.ticks = 0;
    return true;
  }
  ++counter.ticks;
  return false;
}

}  // namespace tarmaq
