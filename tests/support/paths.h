#pragma once

#include <filesystem>
#include <string>

namespace tarmaq::testing {

inline std::filesystem::path fixture(const std::string& name) {
  return std::filesystem::path(TARMAQ_FIXTURES) / name;
}
inline std::filesystem::path shippedData(const std::string& name) {
  return std::filesystem::path(TARMAQ_DATA) / name;
}

}  // namespace tarmaq::testing
