#include "movement/driver_card.h"

#include <gtest/gtest.h>

#include "movement/move_stepping.h"
#include "movement/remaining_count.h"
#include "support/oval_board.h"

namespace tarmaq {
namespace {

using testing::OvalRace;

std::string availableGears(const Game& game) {
  std::string s;
  for (int g = 1; g <= 6; ++g)
    if (game.controls.driverCard.gears[static_cast<std::size_t>(g - 1)].enabled)
      s += static_cast<char>('0' + g);
  return s;
}

TEST(DriverCard, GearAvailability) {
  struct Case {
    const char* name;
    int gear;
    int overRevving;
    int fuel, brakes, engine;
    int location;
    const char* expected;
  } cases[] = {
      {"without over-revving: one down, one up", 4, 0, 4, 4, 4, 1003, "345"},
      {"with it: down to four gears", 4, 1, 4, 4, 4, 1003, "12345"},
      {"skipping two needs fuel", 4, 1, 0, 4, 4, 1003, "345"},
      {"skipping three needs a brake point too", 4, 1, 4, 0, 4, 1003, "2345"},
      {"fifth down to first needs an engine point", 5, 1, 4, 4, 0, 1003, "23456"},
      {"fifth down to first", 5, 1, 1, 1, 1, 1003, "123456"},
      {"sixth never offers first", 6, 1, 4, 4, 4, 1003, "23456"},
      {"before the first gear: only first", 0, 1, 4, 4, 4, 1003, "1"},
      {"in the garages: no fifth or sixth", 4, 1, 4, 4, 4, 4000, "1234"},
  };
  for (const auto& c : cases) {
    OvalRace f;
    f.game.rules[Rule::OverRevving] = c.overRevving;
    f.car(0).gear = c.gear;
    f.car(0).fuel = c.fuel;
    f.car(0).brakes = c.brakes;
    f.car(0).engine = c.engine;
    f.car(0).location = c.location;
    f.game.currCar = 0;
    showDriverCard(f.game, 0);
    EXPECT_EQ(availableGears(f.game), c.expected) << c.name;
  }
}

TEST(DriverCard, WearRowsOnePicturePerStartingPoint) {
  OvalRace f;  // two laps: 8 tire points
  f.car(0).tires = 6;
  showDriverCard(f.game, 0);
  const DriverCard& card = f.game.controls.driverCard;
  for (int i = 0; i < WearPictureCount; ++i)
    EXPECT_EQ(card.picture(WearRow::Tires, i).visible, i < 8) << i;
  EXPECT_EQ(card.picture(WearRow::Tires, 0).key, "Spinout");
  EXPECT_EQ(card.picture(WearRow::Tires, 5).key, "Tire");
  EXPECT_EQ(card.picture(WearRow::Tires, 6).key, "SlashedTire");
  EXPECT_EQ(card.picture(WearRow::Tires, 7).tag, "1");
  EXPECT_EQ(card.picture(WearRow::Body, 0).key, "Explosion");
  f.car(0).body = 0;
  showDriverCard(f.game, 0);
  EXPECT_EQ(card.picture(WearRow::Body, 0).key, "SlashedExplosion");
  EXPECT_TRUE(card.tireTypeVisible[0]);
  EXPECT_FALSE(card.tireTypeVisible[1]);
  EXPECT_TRUE(card.repairVisible[0]);
  EXPECT_EQ(card.teamName, "Team 1");
  EXPECT_TRUE(card.teamNameWhite);  // on a black team colour

  // A row whose rules are all off is not touched.
  f.game.rules[Rule::RoadHolding] = 0;
  f.game.controls.driverCard.picture(WearRow::RoadHold, 0).key = "untouched";
  showDriverCard(f.game, 0);
  EXPECT_EQ(card.picture(WearRow::RoadHold, 0).key, "untouched");
}

TEST(DriverCard, TheSecondRowShowsPointsTheCarStillHas) {
  OvalRace f;
  f.game.raceClass.classWear[1].brakes = 12;
  f.car(0).brakes = 12;
  showDriverCard(f.game, 0);
  const DriverCard& card = f.game.controls.driverCard;
  EXPECT_TRUE(card.picture(WearRow::Brakes, 11).visible);
  EXPECT_FALSE(card.picture(WearRow::Brakes, 12).visible);
  f.car(0).brakes = 11;
  showDriverCard(f.game, 0);
  EXPECT_TRUE(card.picture(WearRow::Brakes, 11).visible);  // stays, slashed
  EXPECT_EQ(card.picture(WearRow::Brakes, 11).key, "SlashedBrake");
}

TEST(DriverCard, StopLights) {
  OvalRace f;
  f.car(0).stops = 2;
  showDriverCard(f.game, 0);
  const auto& stops = f.game.controls.driverCard.stops;
  EXPECT_EQ(stops[0].key, "Stop");
  EXPECT_EQ(stops[1].key, "Stop");
  EXPECT_EQ(stops[2].key, "GreyStop");
  EXPECT_TRUE(stops[2].visible);
}

TEST(DriverCard, SelectingAGearPreviewsTheWearOnTheCard) {
  OvalRace f;
  f.car(0).gear = 6;
  f.beginTurn(0);
  selectGear(f.game, 3);
  const DriverCard& card = f.game.controls.driverCard;
  const int fuel = f.car(0).fuel;
  const int brakes = f.car(0).brakes;
  EXPECT_EQ(card.picture(WearRow::Fuel, fuel - 1).tag, "1");
  EXPECT_EQ(card.picture(WearRow::Brakes, brakes - 1).tag, "1");
  selectGear(f.game, 6);
  EXPECT_EQ(card.picture(WearRow::Fuel, fuel - 1).tag, "0");
  EXPECT_EQ(card.picture(WearRow::Brakes, brakes - 1).tag, "0");
}

TEST(Braking, UsingAndGivingBackBrakePoints) {
  OvalRace f;
  f.planTurn(0, 5);
  const int brakes = f.car(0).brakes;  // 4 in a two-lap race
  // Using a point makes the move one space shorter.
  brakePicClick(f.game, brakes - 1);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "4");
  EXPECT_EQ(f.game.snapshot.brakes, brakes - 1);
  brakePicClick(f.game, brakes - 1);  // used, and the count is below the roll: back
  EXPECT_EQ(f.game.controls.diePanel.valueText, "5");
  EXPECT_EQ(f.game.snapshot.brakes, brakes);
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Brakes, brakes - 1).key, "Brake");

  // A point used in an earlier turn does nothing.
  markWearPicture(f.game, WearRow::Brakes, brakes, true);
  f.game.controls.driverCard.picture(WearRow::Brakes, brakes).visible = true;
  brakePicClick(f.game, brakes);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "5");
}

TEST(Braking, OnAFullyPlannedMoveTakesBackASpaceAndItsTirePoint) {
  OvalRace f;
  f.car(0).location = 1009;
  f.car(0).segment = 1;
  f.car(0).stops = 1;
  f.planTurn(0, 2);
  moveButtonClick(f.game, 1);
  moveButtonClick(f.game, 1);  // two spaces beyond the corner: two tire points
  ASSERT_EQ(f.game.controls.diePanel.valueText, "0");
  const int tires = f.car(0).tires;
  ASSERT_EQ(f.game.snapshot.tires, tires - 2);
  useBrakePoint(f.game, 3);
  EXPECT_EQ(f.game.moves, (std::vector<int>{1009, 1010}));
  EXPECT_EQ(f.game.snapshot.tires, tires - 1);
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Tires, tires - 2).key, "Tire");
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Brakes, 3).key, "SlashedBrake");
  EXPECT_EQ(f.game.controls.driverCard.picture(WearRow::Brakes, 3).tag, "1");
}

TEST(Braking, OnlyWithTheRuleAndWhileAMoveIsPlanned) {
  OvalRace f;
  f.game.rules[Rule::Braking] = 0;
  f.planTurn(0, 5);
  brakePicClick(f.game, 3);
  EXPECT_EQ(f.game.controls.diePanel.valueText, "5");
  f.game.rules[Rule::Braking] = 1;
  OvalRace g;
  g.beginTurn(0);
  brakePicClick(g.game, 3);
  EXPECT_EQ(g.game.snapshot.brakes, g.car(0).brakes);
}

}  // namespace
}  // namespace tarmaq
