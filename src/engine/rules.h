// The rule settings of a race: 34 integers keyed by tag, in the game file's order.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace tarmaq {

enum class Rule {
  BadStarts,
  FlyingStarts,
  Overshooting,
  Braking,
  EngineDamage,
  EngineAllCars,
  Collisions,
  OverRevving,
  Blocking,
  TirePitStops,
  Slipstreaming,
  HardTires,
  SoftTires,
  WetTires,
  Rain,
  ChangeableWeather,
  Sunshine,
  CarConstruction,
  RoadHolding,
  FullPitStops,
  FrontCollisions,
  SpecialGearingDice,
  EngineForSpace,
  BadStartRoll,
  FlyingStartRoll,
  EngineDamageGear,
  EngineDamageRoll,
  CollisionRoll,
  FastPitRoll,
  SlipstreamGear,
  RoadHoldingRoll,
  FlyingStartMove,
  SlipstreamMove,
  FinishNose,
};

inline constexpr int RuleCount = 34;

inline constexpr std::array<std::string_view, RuleCount> RuleKeys = {
    "BadStarts",         "FlyingStarts",       "Overshooting",    "Braking",      "EngineDamage",
    "EngineAllCars",     "Collisions",         "Over-Revving",    "Blocking",     "TirePitStops",
    "Slipstreaming",     "HardTires",          "SoftTires",       "WetTires",     "Rain",
    "ChangeableWeather", "Sunshine",           "CarConstruction", "RoadHolding",  "FullPitStops",
    "FrontCollisions",   "SpecialGearingDice", "EngineForSpace",  "BadStartRoll", "FlyingStartRoll",
    "EngineDamageGear",  "EngineDamageRoll",   "CollisionRoll",   "FastPitRoll",  "SlipstreamGear",
    "RoadHoldingRoll",   "FlyingStartMove",    "SlipstreamMove",  "FinishNose",
};

// The values a new user gets.
inline constexpr std::array<int, RuleCount> DefaultRuleValues = {
    1, 1, 1, 1, 1, 1, 1, 1,  1, 1, 1, 0,  0, 0, 0, 0, 0,
    0, 1, 1, 1, 0, 0, 1, 20, 5, 4, 1, 10, 4, 4, 4, 3, -1,
};

class Rules {
 public:
  Rules() : values_(DefaultRuleValues) {}

  int operator[](Rule rule) const { return values_[static_cast<std::size_t>(rule)]; }
  int& operator[](Rule rule) { return values_[static_cast<std::size_t>(rule)]; }
  bool on(Rule rule) const { return (*this)[rule] != 0; }

  // Look-up by tag; any other key fails.
  std::optional<int> get(std::string_view key) const {
    auto i = indexOf(key);
    if (!i) return std::nullopt;
    return values_[*i];
  }
  bool set(std::string_view key, int value) {
    auto i = indexOf(key);
    if (!i) return false;
    values_[*i] = value;
    return true;
  }
  static std::optional<std::size_t> indexOf(std::string_view key) {
    for (std::size_t i = 0; i < RuleKeys.size(); ++i)
      if (RuleKeys[i] == key) return i;
    return std::nullopt;
  }

  const std::array<int, RuleCount>& values() const { return values_; }
  std::array<int, RuleCount>& values() { return values_; }
  bool operator==(const Rules&) const = default;

 private:
  std::array<int, RuleCount> values_;
};

}  // namespace tarmaq
