#include "gamefile/value_format.h"

#include <charconv>
#include <cmath>

namespace tarmaq {

std::string formatInteger(long long value) {
  return (value >= 0 ? " " : "") + std::to_string(value) + " ";
}

std::string formatSingle(float value) {
  if (!std::isfinite(value)) value = 0;
  if (value == 0) return "0";
  char buffer[32];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7);
  return std::string(buffer, result.ptr);
}

namespace {

std::string withoutDoubleQuotes(std::string_view text) {
  std::string out(text);
  for (char& c : out)
    if (c == '"') c = '\'';
  return out;
}

}  // namespace

std::string formatString(std::string_view text) {
  std::string clean = withoutDoubleQuotes(text);
  const bool needsQuotes = clean.find(',') != std::string::npos ||
                           (!clean.empty() && (clean.front() == ' ' || clean.front() == '\t' ||
                                               clean.back() == ' ' || clean.back() == '\t'));
  return needsQuotes ? "\"" + clean + "\"" : clean;
}

std::string quotedText(std::string_view text) { return "\"" + withoutDoubleQuotes(text) + "\""; }

}  // namespace tarmaq
