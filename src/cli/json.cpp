#include "cli/json.h"

#include <cmath>
#include <cstdio>

namespace tarmaq::cli {

void Json::separate() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (!first_.empty()) {
    if (!first_.back()) out_ += ',';
    first_.back() = false;
  }
}

Json& Json::beginObject() {
  separate();
  out_ += '{';
  first_.push_back(true);
  return *this;
}
Json& Json::endObject() {
  out_ += '}';
  first_.pop_back();
  return *this;
}
Json& Json::beginArray() {
  separate();
  out_ += '[';
  first_.push_back(true);
  return *this;
}
Json& Json::endArray() {
  out_ += ']';
  first_.pop_back();
  return *this;
}
Json& Json::key(std::string_view name) {
  value(name);
  out_ += ':';
  afterKey_ = true;
  return *this;
}
Json& Json::value(std::string_view text) {
  separate();
  out_ += '"';
  for (char ch : text) {
    auto c = static_cast<unsigned char>(ch);
    switch (ch) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out_ += buf;
        } else {
          out_ += ch;
        }
    }
  }
  out_ += '"';
  return *this;
}
Json& Json::value(long long number) {
  separate();
  out_ += std::to_string(number);
  return *this;
}
Json& Json::value(double number) {
  separate();
  if (!std::isfinite(number)) {
    out_ += "null";
    return *this;
  }
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.9g", number);
  out_ += buf;
  return *this;
}
Json& Json::value(bool flag) {
  separate();
  out_ += flag ? "true" : "false";
  return *this;
}
Json& Json::null() {
  separate();
  out_ += "null";
  return *this;
}

}  // namespace tarmaq::cli
