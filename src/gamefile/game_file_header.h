#pragma once

#include <array>

namespace tarmaq {

extern const std::array<const char*, 123> GameFileHeaderLines;

}  // namespace tarmaq
