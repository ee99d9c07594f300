#include "log/race_comment.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/fakes.h"

namespace tarmaq {
namespace {

using testing::TestGame;

// Ann (car 0) and Cy (car 2) drive for one team, Bo (car 1) for another.
struct CommentGame : TestGame {
  CommentGame() {
    game.cars.resize(3);
    game.cars[0].driverName = "Ann";
    game.cars[0].teamName = "Red";
    game.cars[1].driverName = "Bo";
    game.cars[1].teamName = "Blue";
    game.cars[2].driverName = "Bo";  // same name as car 1, so one table serves both pairs
    game.cars[2].teamName = "Red";
  }
  std::string comment(int kind, bool mates, std::initializer_list<double> draws = {}) {
    random.values.assign(draws);
    return raceComment(game, kind, 0, mates ? 2 : 1);
  }
};

// The largest draw below 1.
const double LastDraw = std::nextafter(1.0, 0.0);

struct ListCase {
  int kind;
  bool teammates;
  std::size_t count;
  const char* first;
  const char* last;
};

// Every list with its length and its first and last sentences for Ann (and Bo).
const ListCase Lists[] = {
    {commentary::BadStart, false, 9, "Ann stalled on the grid!",
     "Ann is left sitting on the grid!"},
    {commentary::FlyingStart, false, 13, "Ann got a flying start!",
     "Ann just showed what traction control is all about!"},
    {commentary::Leader, false, 8, "Ann is in the lead!",
     "Ann is putting some space between himself and the pack!"},
    {commentary::Overtake, false, 15, "Ann has overtaken Bo", "Ann is on the attack, passing Bo"},
    {commentary::Overtake, true, 8, "Ann has overtaken Bo",
     "I'm sure those two will have words later, as Ann passed Bo"},
    {commentary::CornerOvershot, false, 8, "Ann overshot the corner!",
     "Ann came screeching out of the corner!"},
    {commentary::SpinOut, false, 9, "Ann has spun out!", "Ann just became a victim to oversteer!"},
    {commentary::BrakePoint, false, 7, "Ann used a brake point!",
     "Ann gets unbelievable deceleration from braking!"},
    {commentary::FuelPoint, false, 5, "Ann used a fuel point!",
     "Ann's team will need to recalculate fuel after that shift!"},
    {commentary::NoGearSkipping, false, 7, "Ann has lost the ability to skip gears!",
     "Nothing but gentle shifts for Ann from now on!"},
    {commentary::PossibleEngineDamage, false, 8, "Ann is in danger of damaging his engine!",
     "Ann is putting his engine's reliability to the test!"},
    {commentary::EngineDamage, false, 8, "Ann has sustained engine damage!",
     "Ann momentarily took his engine over the limit!"},
    {commentary::RoadHoldingDamage, false, 4, "Ann has sustained road holding damage!",
     "Something lying on the track just damaged Ann's car!"},
    {commentary::PossibleSideCollision, false, 10,
     "Ann is in danger of colliding with Bo from the side!",
     "Ann is on the verge of taking Bo out!"},
    {commentary::PossibleRearCollision, false, 10,
     "Ann is in danger of colliding with Bo from behind!",
     "Ann is about to drive right through Bo!"},
    {commentary::PossibleFrontCollision, false, 8,
     "Ann is in danger of colliding with Bo from the front!",
     "Ann might have made contact with the front of Bo!"},
    {commentary::CollisionWith, false, 15, "Ann has collided with Bo!",
     "Ann and Bo were just involved in a shunt!"},
    {commentary::Collision, false, 7, "Ann has collided with another car!",
     "Ann just trashed another car!"},
    {commentary::NearMissWith, false, 9, "Ann barely avoided a collision with Bo!",
     "Ann couldn't have been more than 2 inches away from Bo!"},
    {commentary::NearMiss, false, 9, "Ann barely avoided a collision!",
     "I have no doubt those two cars actually touched during that one!"},
    {commentary::CollisionAvoidedWith, false, 8, "Ann avoided a collision with Bo",
     "How Ann kept from hitting Bo, we'll never know"},
    {commentary::CollisionAvoided, false, 12, "Ann avoided a collision",
     "A dash of brilliant driving just kept Ann from an accident"},
    {commentary::MaxSpeed, false, 14, "Ann is on an absolute rampage!",
     "Just look at the straight-line speed of Ann's car!"},
    {commentary::Bogged, false, 11, "It looks as though Ann missed a shift",
     "Ann's engine appears to be misfiring"},
    {commentary::TireCrash, false, 6, "Ann just crashed due to tire failure!",
     "Ann just lost a tire and has gone off!"},
    {commentary::BodyCrash, false, 4, "Ann just crashed due to body damage!",
     "Ann's car was just destroyed in that collision!"},
    {commentary::BlockingCrash, false, 3, "Ann just crashed due to blocking!",
     "Ann was taken out by another driver!"},
    {commentary::Slipstream, false, 7, "Ann caught a slipstream!",
     "A nice bit of aerodynamic assistance for Ann!"},
    {commentary::Blocked, false, 7, "Ann was blocked!",
     "Anncan't find any daylight, just the tails of other cars!"},
    {commentary::QuickPitStop, false, 6, "Ann had a quick pit stop!",
     "Ann's crew ought to give lessons with stops like that!"},
    {commentary::SlowPitStop, false, 8, "Ann had a slow pit stop",
     "There appeared to be trouble disengaging the fuel hose during Ann's stop"},
};

TEST(RaceComment, EveryListHasItsLengthAndEnds) {
  for (const auto& c : Lists) {
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << (c.teammates ? " teammates" : ""));
    EXPECT_EQ(commentAlternatives(c.kind, c.teammates).size(), c.count);
    CommentGame t;
    EXPECT_EQ(t.comment(c.kind, c.teammates, {0.0}), c.first);
    EXPECT_EQ(t.comment(c.kind, c.teammates, {LastDraw}), c.last);
    // A faulty draw of exactly 1 still lands on the last sentence, not past the list.
    EXPECT_EQ(t.comment(c.kind, c.teammates, {1.0}), c.last);
  }
}

TEST(RaceComment, StandardCommentsGiveTheFirstSentenceWithoutADraw) {
  for (const auto& c : Lists) {
    if (c.kind == commentary::MaxSpeed || c.kind == commentary::Bogged) continue;
    SCOPED_TRACE(::testing::Message() << "kind " << c.kind << (c.teammates ? " teammates" : ""));
    CommentGame t;
    t.game.options.standardComments = true;
    EXPECT_EQ(t.comment(c.kind, c.teammates, {LastDraw}), c.first);
    EXPECT_EQ(t.random.draws, 0);
  }
}

TEST(RaceComment, MaxSpeedAndBoggedAreVariedEvenWithStandardComments) {
  CommentGame t;
  t.game.options.standardComments = true;
  EXPECT_EQ(t.comment(commentary::MaxSpeed, false, {LastDraw}),
            "Just look at the straight-line speed of Ann's car!");
  EXPECT_EQ(t.comment(commentary::Bogged, false, {0.5}),
            "The horsepower seems to have dropped from Ann's car");
}

TEST(RaceComment, TheDrawIsTruncatedToAnIndex) {
  CommentGame t;  // four sentences: draws below 0.25 pick the first, 0.25 the second
  EXPECT_EQ(t.comment(commentary::RoadHoldingDamage, false, {0.2499}),
            "Ann has sustained road holding damage!");
  EXPECT_EQ(t.comment(commentary::RoadHoldingDamage, false, {0.25}),
            "Ann ran over debris on the track!");
  EXPECT_EQ(t.comment(commentary::RoadHoldingDamage, false, {0.75}),
            "Something lying on the track just damaged Ann's car!");
}

TEST(RaceComment, OvertakeBetweenTeammatesUsesTheirOwnList) {
  CommentGame t;
  EXPECT_EQ(t.comment(commentary::Overtake, true, {0.2}),
            "Perhaps we're seeing team orders as Ann passes his teamate");
  EXPECT_EQ(t.comment(commentary::Overtake, false, {0.2}), "Ann ripped past Bo");
  // A car that does not exist is on no team, even beside a driver without a team name.
  t.game.cars[0].teamName.clear();
  t.random.values = {LastDraw};
  EXPECT_EQ(raceComment(t.game, commentary::Overtake, 0, 7), "Ann is on the attack, passing ");
}

TEST(RaceComment, SentencesKeepTheirOwnSpellingAndSpacing) {
  struct Case {
    int kind;
    bool teammates;
    double draw;
    const char* text;
  };
  const Case cases[] = {
      {commentary::CornerOvershot, false, 3.0 / 8,
       "Definately a bit of white smoke coming from Ann's tires!"},
      {commentary::Overtake, true, 2.0 / 8, "Ann just pushed past his own teamate"},
      {commentary::NoGearSkipping, false, 2.0 / 7,
       "The gearbox in Ann's is unable to handle skipping gears!"},
      {commentary::PossibleFrontCollision, false, 3.0 / 8,
       "Ann is close to clipping the front ofBo!"},
      {commentary::CollisionWith, false, 2.0 / 15, "Bo just waylayed Ann!"},
      {commentary::NearMiss, false, 7.0 / 9, "Now that was close!"},
      {commentary::MaxSpeed, false, 9.0 / 14, "Ann is sqeezing every ounce out of his engine!"},
      {commentary::Bogged, false, 2.0 / 11, "Ann might have slipped the cutch momentarily"},
      {commentary::QuickPitStop, false, 4.0 / 6,
       "Ann's crew just demostrated a textbook pit stop!"},
  };
  for (const auto& c : cases) {
    CommentGame t;
    EXPECT_EQ(t.comment(c.kind, c.teammates, {c.draw}), c.text) << "kind " << c.kind;
  }
}

TEST(RaceComment, KindsWithoutASentenceGiveAnEmptyText) {
  for (int kind : {-1, 7, 24, 32, 34, 42, 47, 100}) {
    CommentGame t;
    EXPECT_TRUE(commentAlternatives(kind).empty()) << kind;
    EXPECT_EQ(t.comment(kind, false, {0.5}), "") << kind;
    EXPECT_EQ(t.random.draws, 0) << kind;
  }
}

TEST(RaceComment, MissingCarsGiveEmptyNames) {
  CommentGame t;
  EXPECT_EQ(raceComment(t.game, commentary::CollisionWith, -1, 3), " has collided with !");
  EXPECT_EQ(raceComment(t.game, commentary::Leader, 20, 0), " is in the lead!");
  EXPECT_EQ(raceComment(t.game, commentary::Leader, 0, 99), "Ann is in the lead!");
}

TEST(RaceComment, NamesGoInAsTheyAre) {
  CommentGame t;
  t.game.cars[0].driverName = "{B} Ann";
  EXPECT_EQ(raceComment(t.game, commentary::Overtake, 0, 1), "{B} Ann has overtaken Bo");
}

TEST(RaceComment, WithoutARandomSourceTheFirstSentenceIsUsed) {
  CommentGame t;
  t.game.services.random = nullptr;
  EXPECT_EQ(raceComment(t.game, commentary::MaxSpeed, 0, 0), "Ann is on an absolute rampage!");
}

}  // namespace
}  // namespace tarmaq
