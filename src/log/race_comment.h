// Race commentary: the sentence that tells a race event in the game log. Each kind of
// event has a list of alternatives; alternative 0 is the plain "Standard Info" sentence,
// the others are the announcer's ("Color") variations. The caller decides how the line
// looks in the log; this only builds the text.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tarmaq {

struct Game;

// The event kinds that have a sentence. A is the driver of `car`, B that of `otherCar`.
namespace commentary {
inline constexpr int BadStart = 0;
inline constexpr int FlyingStart = 1;
inline constexpr int Leader = 2;
inline constexpr int Overtake = 3;  // A passes B
inline constexpr int CornerOvershot = 4;
inline constexpr int SpinOut = 5;
inline constexpr int BrakePoint = 6;
inline constexpr int FuelPoint = 8;
inline constexpr int NoGearSkipping = 9;
inline constexpr int PossibleEngineDamage = 10;
inline constexpr int EngineDamage = 11;
inline constexpr int RoadHoldingDamage = 12;
inline constexpr int PossibleSideCollision = 13;   // A, B
inline constexpr int PossibleRearCollision = 14;   // A, B
inline constexpr int PossibleFrontCollision = 15;  // A, B
inline constexpr int CollisionWith = 16;           // A, B
inline constexpr int Collision = 17;
inline constexpr int NearMissWith = 18;  // A, B
inline constexpr int NearMiss = 19;
inline constexpr int CollisionAvoidedWith = 20;  // A, B
inline constexpr int CollisionAvoided = 21;
inline constexpr int MaxSpeed = 22;  // always varied, even with the standard comments
inline constexpr int Bogged = 23;    // always varied, even with the standard comments
inline constexpr int TireCrash = 30;
inline constexpr int BodyCrash = 31;
inline constexpr int BlockingCrash = 33;
inline constexpr int Slipstream = 40;
inline constexpr int Blocked = 41;
inline constexpr int QuickPitStop = 45;
inline constexpr int SlowPitStop = 46;
}  // namespace commentary

// The sentence for an event of `kind`, or an empty text for a kind without one. With the
// standard comments chosen, alternative 0; otherwise (and always for MaxSpeed and
// Bogged) one drawn at random from game.services.random, or alternative 0 when the
// game has no random source. An overtake between two drivers of one team uses the
// teammates' list. A car number that does not exist gives an empty name; `otherCar` is
// ignored by the one-car kinds.
std::string raceComment(const Game& game, int kind, int car, int otherCar);

// The alternatives of a kind, alternative 0 first, as templates in which "{A}" and "{B}"
// stand for the two drivers' names; empty for a kind without a sentence. For an
// overtake, `teammates` picks the list for two drivers of one team.
std::span<const std::string_view> commentAlternatives(int kind, bool teammates = false);

}  // namespace tarmaq
