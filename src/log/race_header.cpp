#include "log/race_header.h"

#include <array>

#include "engine/dates.h"
#include "engine/game_state.h"

namespace tarmaq {

namespace {

void line(Game& game, int icon, const std::string& text) {
  writeToGameLog(game, 0, icon, text, false, LogBlack);
}

const std::string Detail(5, ' ');

struct RuleDescription {
  Rule rule;
  const char* text;
};

constexpr std::array<RuleDescription, 14> Descriptions = {{
    {Rule::BadStarts, "Possible Bad Starts"},
    {Rule::FlyingStarts, "Possible Flying Starts"},
    {Rule::Overshooting, "Overshooting Corners (Tire Wear)"},
    {Rule::Braking, "Braking (Brake Wear)"},
    {Rule::EngineDamage, "Possible Engine Damage (Engine Wear)"},
    {Rule::EngineAllCars, "Possible Engine Damage for all cars"},
    {Rule::Collisions, "Possibile Rear and Side Collisions (Body Wear)"},
    {Rule::OverRevving, "Over-Revving (Skipping Gears) (Fuel, Brake, Engine Wear)"},
    {Rule::Blocking, "Blocking (Brake, Tire Wear)"},
    {Rule::TirePitStops, "Basic Pit Stops (Refresh Tire Wear)"},
    {Rule::Slipstreaming, "Possible Slipstreaming"},
    {Rule::RoadHolding, "Possible road hazards (Road Holding Wear)"},
    {Rule::FullPitStops, "Full Pit Stops (Repair Points)"},
    {Rule::FrontCollisions, "Possible Front Collisions (Body Wear)"},
}};

}  // namespace

const char* ruleDescription(Rule r) {
  for (const auto& d : Descriptions)
    if (d.rule == r) return d.text;
  return nullptr;
}

namespace {

// "1" for a threshold of 1, else "1 - " and the threshold.
std::string fromOne(int value) { return value == 1 ? "1" : "1 - " + std::to_string(value); }

void ruleDetails(Game& game, Rule r) {
  const Rules& rules = game.rules;
  const auto n = [&](Rule k) { return std::to_string(rules[k]); };
  switch (r) {
    case Rule::BadStarts:
      line(game, 36, Detail + "Bad Starts on rolls of: " + fromOne(rules[Rule::BadStartRoll]));
      break;
    case Rule::FlyingStarts:
      line(game, 36,
           Detail + "Flying Starts on rolls of: " +
               (rules[Rule::FlyingStartRoll] == 20 ? "20" : n(Rule::FlyingStartRoll) + " - 20"));
      line(game, 36, Detail + "Flying Start moves player " + n(Rule::FlyingStartMove) + " spaces");
      break;
    case Rule::EngineDamage:
      line(game, 36,
           Detail + "Possible Engine Damage in: " + gearListText(rules[Rule::EngineDamageGear]));
      line(game, 36,
           Detail + "Engine Damage on rolls of: " + fromOne(rules[Rule::EngineDamageRoll]));
      break;
    case Rule::Collisions:
      line(game, 36, Detail + "Collisions on rolls of: " + fromOne(rules[Rule::CollisionRoll]));
      break;
    case Rule::TirePitStops:
      line(game, 36, Detail + "Quick Pit Stops on rolls of: " + fromOne(rules[Rule::FastPitRoll]));
      break;
    case Rule::Slipstreaming:
      line(game, 36,
           Detail + "Possible Slipstreaming in: " + gearListText(rules[Rule::SlipstreamGear]));
      line(game, 36, Detail + "Slipstream adds " + n(Rule::SlipstreamMove) + " spaces to move");
      break;
    default:
      break;
  }
}

}  // namespace

std::string gearListText(int value) {
  static const char* const texts[] = {"All Gears",  "2nd Gear +", "3rd Gear +",
                                      "4th Gear +", "5th Gear +", "6th Gear"};
  return value >= 1 && value <= 6 ? texts[value - 1] : "";
}

void writeRaceHeader(Game& game, const std::locale& locale) {
  game.log.clear();
  writeToGameLog(game, 1, 0, "Round 0 (Pre-Race)", true, LogBlack);
  line(game, 11,
       "Race start date/time: " + formatLongDate(game.startDate, locale) + ", " +
           formatTimeAmPm(game.startDate, locale));
  line(game, 8, std::string("Created with Tarmaq version: ") + TARMAQ_VERSION);
  line(game, 8, game.gameType == 1 ? "Game Type: E-Mail" : "Game Type: Local");
  static const char* const lengths[] = {"Race length: Qualifying (1 lap)", "Race length: 1 lap",
                                        "Race length: 2 laps", "Race length: 3 laps"};
  if (game.laps >= 0 && game.laps <= 3) line(game, 8, lengths[game.laps]);
  line(game, 12, "Circuit: " + game.track.info.name + " (" + game.trackFile + ")");
  line(game, 12, "Circuit File Version: " + game.trackVersion);

  for (int i = 0; i <= static_cast<int>(Rule::EngineForSpace); ++i) {
    const Rule r = static_cast<Rule>(i);
    const char* text = ruleDescription(r);
    if (game.rules[r] != 1 || !text) continue;
    line(game, 36, std::string("Active Rule: ") + text);
    ruleDetails(game, r);
  }
  line(game, 36,
       std::string("Active Rule: ") +
           (game.rules[Rule::FinishNose] != 0
                ? "Race complete when front of car crosses the finish line"
                : "Race complete when entire car crosses the finish line"));
  line(game, 8, "Participating Teams and Drivers:");
  for (int c = 0; c < game.carCount(); ++c) {
    const Car& car = game.cars[static_cast<std::size_t>(c)];
    if (c == 0 || car.teamName != game.cars[static_cast<std::size_t>(c - 1)].teamName)
      line(game, 13, Detail + "Team: " + car.teamName);
    line(game, 14, std::string(10, ' ') + "Driver: " + car.driverName);
    if (game.gameType == 1) line(game, 41, std::string(15, ' ') + "Player's E-Mail: " + car.eMail);
  }
}

}  // namespace tarmaq
