// A small JSON writer for the command-line programs' output.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarmaq::cli {

class Json {
 public:
  Json& beginObject();
  Json& endObject();
  Json& beginArray();
  Json& endArray();
  Json& key(std::string_view name);
  Json& value(std::string_view text);
  Json& value(const char* text) { return value(std::string_view(text)); }
  Json& value(const std::string& text) { return value(std::string_view(text)); }
  Json& value(long long number);
  Json& value(int number) { return value(static_cast<long long>(number)); }
  Json& value(unsigned number) { return value(static_cast<long long>(number)); }
  Json& value(double number);
  Json& value(float number) { return value(static_cast<double>(number)); }
  Json& value(bool flag);
  Json& null();
  const std::string& str() const { return out_; }

 private:
  void separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: no element written yet
  bool afterKey_ = false;
};

}  // namespace tarmaq::cli
