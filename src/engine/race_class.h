// The race class: gear dice, speeds, starting wear points, and the car and debris
// drawings. Loaded from a ".cls" file; RollDie draws from its dice.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tarmaq {

class RandomSource;

struct ClassPoint {
  float x = 0;
  float y = 0;
};

struct Polygon {
  // 1 the car's body colour, 2 its wing colour, anything else that colour (0x00BBGGRR).
  std::int32_t color = 0;
  std::vector<ClassPoint> points;
};

inline constexpr int MaxGears = 6;
inline constexpr std::array<int, MaxGears> GearFaceCounts = {4, 6, 8, 12, 20, 30};

struct GearDie {
  std::vector<int> faces;     // ascending in a well-formed file
  std::vector<float> speeds;  // speed for 1..faces spaces moved
  int lowest() const { return faces.empty() ? 0 : faces.front(); }
  int highest() const { return faces.empty() ? 0 : faces.back(); }
};

struct WearPoints {
  int tires = 0;
  int brakes = 0;
  int fuel = 0;
  int body = 0;
  int engine = 0;
  int roadHold = 0;
  bool operator==(const WearPoints&) const = default;
};

struct RaceClass {
  std::string title;
  std::vector<Polygon> carShape;
  std::array<Polygon, 6> hazardShapes{};
  int gearCount = 0;
  std::array<GearDie, MaxGears> gearDice{};  // gear g at index g - 1
  std::array<WearPoints, 3> classWear{};     // for 1, 2 and 3 laps

  const GearDie* gear(int g) const {
    if (g < 1 || g > gearCount) return nullptr;
    return &gearDice[static_cast<std::size_t>(g - 1)];
  }
};

// How far a class file was read. A file that cannot be opened leaves `opened` false;
// a malformed one stops at the failing item, keeping what was read before it.
struct ClassLoadReport {
  bool opened = false;
  bool complete = false;
  std::size_t failedLine = 0;  // line of the failing item when not complete
  std::string failedItem;      // what was being read
};

// Reads a class file into `into`. Only the definitions read before a failing item
// change; the rest keep their values.
ClassLoadReport readRaceClass(const std::filesystem::path& file, RaceClass& into);
ClassLoadReport parseRaceClass(std::string text, RaceClass& into);

// Reads only up to the title (the New Game dialog's class list).
std::optional<std::string> readClassTitle(const std::filesystem::path& file);

// "4th Gear, 7-12".
std::string gearTooltip(const RaceClass& raceClass, int gear);

// Kind 0 the 20-sided event die, 1-6 the die of that gear. A gear the class does not
// define rolls 0.
int rollDie(const RaceClass& raceClass, RandomSource& random, int kind);

}  // namespace tarmaq
