// How the game file writes its values: integers with a blank before a non-negative
// number and one after every number, singles with at most seven significant digits and
// a point whatever the locale, and strings quoted when the layout could not carry them.
#pragma once

#include <string>
#include <string_view>

namespace tarmaq {

std::string formatInteger(long long value);
std::string formatSingle(float value);
// A string as one field: unchanged, or inside double quotes when it holds a comma or
// leading or trailing blanks. A double quote, which no field can carry, becomes an
// apostrophe.
std::string formatString(std::string_view text);
// A text that is always written inside double quotes (a game-log row's text).
std::string quotedText(std::string_view text);

}  // namespace tarmaq
