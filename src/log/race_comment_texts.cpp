// The commentary texts, alternative 0 first. They are the program's own vocabulary and
// are kept exactly as written, spelling and spacing included: "{A}" and "{B}" mark where
// the drivers' names go, and a fragment without a blank beside a name runs into it.
#include <array>
#include <span>
#include <string_view>

#include "log/race_comment.h"

namespace tarmaq {

namespace {

// One sentence per line, so that a list reads as it is numbered.
// clang-format off
// bad start
constexpr std::array<std::string_view, 9> badStart = {
    "{A} stalled on the grid!",
    "{A} didn't get off the line!",
    "{A} appears to be having trouble finding first gear!",
    "{A}'s engine seems to have failed on the grid!",
    "It looks as though {A} dumped the clutch too quickly!",
    "The rest of the pack is leaving {A} behind!",
    "{A} appears to need an engine restart!",
    "The lights went out, but {A} is sitting still!",
    "{A} is left sitting on the grid!",
};

// flying start
constexpr std::array<std::string_view, 13> flyingStart = {
    "{A} got a flying start!",
    "{A} absolutely flew off the line!",
    "{A} has leapt from the starting grid!",
    "{A}'s start was perfect!",
    "{A} is already on a charge from the grid!",
    "{A} hooked up perfectly and is tearing off the line!",
    "{A} got a fantastic start!",
    "{A} is off the line unbelievably well!",
    "{A} completely blasted off the grid!",
    "{A} left the grid with zero wheelspin!",
    "{A} rocketed from the line!",
    "{A} accelerates away wonderfully!",
    "{A} just showed what traction control is all about!",
};

// leader
constexpr std::array<std::string_view, 8> leader = {
    "{A} is in the lead!",
    "{A} is at the front of the pack!",
    "{A} is out in front!",
    "{A} is leading the group!",
    "All eyes are on {A} as he leads the way!",
    "{A} is holding on to 1st position!",
    "{A} leads the field!",
    "{A} is putting some space between himself and the pack!",
};

// overtake, other team
constexpr std::array<std::string_view, 15> overtakeOtherTeam = {
    "{A} has overtaken {B}",
    "{A} just flew by {B}",
    "{A} just rushed past {B}",
    "{A} ripped past {B}",
    "{B} couldn't hold off {A}",
    "{A} screamed by {B}",
    "{A} executed a perfect overtaking maneuver on {B}",
    "{B} could only watch {A} go by",
    "{A} charged past {B}",
    "{A} overpowered {B}",
    "{A} got around {B}",
    "{B} succumbed to {A}",
    "{A} has shot past {B}",
    "{A} dispatched {B} in very short order",
    "{A} is on the attack, passing {B}",
};

// overtake, teammates
constexpr std::array<std::string_view, 8> overtakeTeammates = {
    "{A} has overtaken {B}",
    "Perhaps we're seeing team orders as {A} passes his teamate",
    "{A} just pushed past his own teamate",
    "{A}'s pass shows there's no love lost between those teamates",
    "{A} just trounced his own teamate",
    "Could be team strategy as {A} shoots by {B}",
    "Teamate or not, {A} just whipped by {B}",
    "I'm sure those two will have words later, as {A} passed {B}",
};

// corner overshot
constexpr std::array<std::string_view, 8> cornerOvershot = {
    "{A} overshot the corner!",
    "{A} just flat-spotted a tire coming out of the corner!",
    "{A} overcooked it coming out of the corner!",
    "Definately a bit of white smoke coming from {A}'s tires!",
    "{A} is absolutely blistering his tires!",
    "{A} must have missed his braking point!",
    "{A}'s tires aren't going to last long with that treatment!",
    "{A} came screeching out of the corner!",
};

// spin-out
constexpr std::array<std::string_view, 9> spinOut = {
    "{A} has spun out!",
    "{A} has lost control!",
    "{A} just 180'd in the middle of the track!",
    "{A}'s tires just let go!",
    "{A} just went into a spin!",
    "{A} had the tail come around!",
    "{A} has ended up pointing the wrong way!",
    "{A} spun 'round, but kept the engine running!",
    "{A} just became a victim to oversteer!",
};

// brake point
constexpr std::array<std::string_view, 7> brakePoint = {
    "{A} used a brake point!",
    "Notice the glow coming from {A}'s carbon-fibre rotors!",
    "{A} stands on the brakes!",
    "{A} puts those huge brakes to work!",
    "See the brake dust fly from {A}'s car!",
    "{A} brakes hard!",
    "{A} gets unbelievable deceleration from braking!",
};

// fuel point
constexpr std::array<std::string_view, 5> fuelPoint = {
    "{A} used a fuel point!",
    "{A} burned quite a bit of fuel during that powershift!",
    "Shifting like that is going to drain {A}'s fuel!",
    "{A}'s engine revs were off the scale!",
    "{A}'s team will need to recalculate fuel after that shift!",
};

// no more gear skipping
constexpr std::array<std::string_view, 7> noGearSkipping = {
    "{A} has lost the ability to skip gears!",
    "{A}'s clutch is gone, he can no longer skip gears!",
    "The gearbox in {A}'s is unable to handle skipping gears!",
    "All of {A}'s shifts from now on will have to be sequential!",
    "{A}'s gearbox just made an horrendous sound!",
    "{A}'s gearbox has had all it can take!",
    "Nothing but gentle shifts for {A} from now on!",
};

// possible engine damage
constexpr std::array<std::string_view, 8> possibleEngineDamage = {
    "{A} is in danger of damaging his engine!",
    "{A} is pushing his engine close to the limit!",
    "{A} may have pushed his engine too far!",
    "{A}'s engine may have just sustained damage!",
    "It will be a miracle if {A}'s speed didn't harm the powerplant!",
    "{A}'s engine may be torched after that burst!",
    "{A} might be winding his engine a bit too high!",
    "{A} is putting his engine's reliability to the test!",
};

// engine damage
constexpr std::array<std::string_view, 8> engineDamage = {
    "{A} has sustained engine damage!",
    "{A} has got nothing but abuse for his engine!",
    "A puff of smoke just emerged from {A}'s engine!",
    "{A}'s engine just made an alarming sound!",
    "{A} is giving his engine more than it can handle!",
    "{A}'s engine can't take much more of that!",
    "{A} will have to ease up or his engine won't last!",
    "{A} momentarily took his engine over the limit!",
};

// road holding damage
constexpr std::array<std::string_view, 4> roadHoldingDamage = {
    "{A} has sustained road holding damage!",
    "{A} ran over debris on the track!",
    "{A} just damaged his car by running over debris!",
    "Something lying on the track just damaged {A}'s car!",
};

// possible side collision
constexpr std::array<std::string_view, 10> possibleSideCollision = {
    "{A} is in danger of colliding with {B} from the side!",
    "{A} is very close to the side of {B}!",
    "{A} is mere inches from the sidepod of {B}!",
    "{A} is about to sideswipe {B}!",
    "{A} and {B} are uncomfortably close!",
    "{B} is in the path of {A}!",
    "{A} is moving over into {B}!",
    "{A} is precariously close to the side of {B}!",
    "{A} is flirting with danger, next to {B}!",
    "{A} is on the verge of taking {B} out!",
};

// possible rear collision
constexpr std::array<std::string_view, 10> possibleRearCollision = {
    "{A} is in danger of colliding with {B} from behind!",
    "{A} is dangerously close to the rear of {B}!",
    "{A} is all over the back end of {B}!",
    "{A} is perilously near {B}'s tail!",
    "{A} is risking contact with {B} from the rear!",
    "{B}'s mirrors are filled with {A}!",
    "{A} is verging on smashing the tail of {B}!",
    "{A} is far too close to the rear of {B}!",
    "{A} is right up {B}'s tailpipes!",
    "{A} is about to drive right through {B}!",
};

// possible front collision
constexpr std::array<std::string_view, 8> possibleFrontCollision = {
    "{A} is in danger of colliding with {B} from the front!",
    "{A} is about to take the nose off of {B}'s car!",
    "{A} cut off {B}!",
    "{A} is close to clipping the front of{B}!",
    "{A} just swept across the path of {B}!",
    "{A} made a dangerous move to the front of {B}!",
    "{A} may have just swiped {B}'s front wing!",
    "{A} might have made contact with the front of {B}!",
};

// collision of two cars
constexpr std::array<std::string_view, 15> collisionWith = {
    "{A} has collided with {B}!",
    "{B} just augered into {A}!",
    "{B} just waylayed {A}!",
    "{B} tapped {A}!",
    "{B} has just assaulted {A}!",
    "{A} has come together with {B}!",
    "{B} bounced off of {A}!",
    "{A} and {B} just had an entanglement!",
    "Contact was just made between {A} and {B}!",
    "{B} just hit {A}!",
    "{B} got a little too close to {A}!",
    "{B} tried to infringe on {A}'s line!",
    "{B} slammed into {A}!",
    "{B} drilled {A}!",
    "{A} and {B} were just involved in a shunt!",
};

// collision of one car
constexpr std::array<std::string_view, 7> collision = {
    "{A} has collided with another car!",
    "{A} just upped the bodywork budget for this year!",
    "{A} has rammed into another car!",
    "{A} nailed another car!",
    "{A} bumped another car!",
    "{A} just tagged another car!",
    "{A} just trashed another car!",
};

// near miss of two cars
constexpr std::array<std::string_view, 9> nearMissWith = {
    "{A} barely avoided a collision with {B}!",
    "I believe {A} left some paint on {B}'s car!",
    "{A} and {B} both got lucky with that close call!",
    "{A} avoided {B} by the narrowest of margins!",
    "Someone call Air Traffic Control for {A} and {B}!",
    "{A} and {B} could have shaken hands during that near miss!",
    "{A} and {B} narrowly averted tragedy!",
    "{B} got out of {A}'s way in the nick of time!",
    "{A} couldn't have been more than 2 inches away from {B}!",
};

// near miss of one car
constexpr std::array<std::string_view, 9> nearMiss = {
    "{A} barely avoided a collision!",
    "{A} avoided an impact by the smallest of margins!",
    "{A} just used one of his 9 lives!",
    "{A} just demonstrated what fantastic control he has!",
    "{A} managed to escape in one piece!",
    "That was terribly close, but {A} made it look easy!",
    "Somehow {A} came out of that one unscathed!",
    "Now that was close!",
    "I have no doubt those two cars actually touched during that one!",
};

// collision avoided by two cars
constexpr std::array<std::string_view, 8> collisionAvoidedWith = {
    "{A} avoided a collision with {B}",
    "{A} managed to avoid {B}",
    "{A} kept his distance from {B}",
    "{A} came close to {B} without incident",
    "{A} somehow managed to avoid hitting {B}",
    "{A} circumvented a nasty encounter with {B}",
    "{A} and {B} avoided a nasty entanglement",
    "How {A} kept from hitting {B}, we'll never know",
};

// collision avoided by one car
constexpr std::array<std::string_view, 12> collisionAvoided = {
    "{A} avoided a collision",
    "{A} got out of that scrape unharmed",
    "{A} managed to keep his car in one piece",
    "{A} kept a tense moment from getting much worse",
    "{A} kept himself from railing another car",
    "Give {A} credit for keeping his cool on that one",
    "{A} displayed some nice evasive tactics",
    "A nice demonstration from {A} on keeping out of harm's way",
    "{A} dodged smoothly away from potential harm",
    "{A} deftly kept his car in line",
    "{A} managed to keep all of his paint intact",
    "A dash of brilliant driving just kept {A} from an accident",
};

// highest die face
constexpr std::array<std::string_view, 14> maxSpeed = {
    "{A} is on an absolute rampage!",
    "{A} is screaming along!",
    "{A} is at a break-neck pace!",
    "{A} is on a charge!",
    "I haven't seen speed like {A}'s since the late Corvin Halde!",
    "I've not seen speed like {A}'s since Basile Marrot!",
    "I haven't seen speed like {A}'s since Dermot Ashby!",
    "I've not seen speed like {A}'s since Tiago Lameira!",
    "I haven't seen speed like {A}'s since Udo Kreisl!",
    "{A} is sqeezing every ounce out of his engine!",
    "{A} is in top form!",
    "{A} is getting the most from his powerplant!",
    "{A}'s crew have that car tuned perfectly!",
    "Just look at the straight-line speed of {A}'s car!",
};

// lowest die face
constexpr std::array<std::string_view, 11> bogged = {
    "It looks as though {A} missed a shift",
    "{A}'s driving is suddenly reminiscent of Kenta Moribe",
    "{A} might have slipped the cutch momentarily",
    "{A} just can't seem to get the power from his car",
    "{A} may have had difficulty finding a gear",
    "The horsepower seems to have dropped from {A}'s car",
    "{A} is going to have to pick up the pace to remain competitive",
    "The wind just went right out of {A}'s sails",
    "That lack of power doesn't bode well for {A}",
    "Judging from the sudden drop in power, {A} may have a problem",
    "{A}'s engine appears to be misfiring",
};

// tire failure crash
constexpr std::array<std::string_view, 6> tireCrash = {
    "{A} just crashed due to tire failure!",
    "{A} completely lost control coming out of the corner!",
    "{A} blew out a tire and lost it all!",
    "{A}'s tires lost all traction in the corner!",
    "{A}'s tires are shot, ending his day!",
    "{A} just lost a tire and has gone off!",
};

// body damage crash
constexpr std::array<std::string_view, 4> bodyCrash = {
    "{A} just crashed due to body damage!",
    "{A} detonated during that last contact!",
    "{A} was taken out by another driver!",
    "{A}'s car was just destroyed in that collision!",
};

// blocking crash
constexpr std::array<std::string_view, 3> blockingCrash = {
    "{A} just crashed due to blocking!",
    "{A} simply had nowhere to go to avoid that crash!",
    "{A} was taken out by another driver!",
};

// slipstream
constexpr std::array<std::string_view, 7> slipstream = {
    "{A} caught a slipstream!",
    "{A} was able to slingshot using another car!",
    "{A} used another car for a bit of extra distance!",
    "{A} benefited by drafting another car!",
    "{A} got a bit of wind-blocking assistance from another car!",
    "{A} utilized the slipstream behind another driver!",
    "A nice bit of aerodynamic assistance for {A}!",
};

// blocked
constexpr std::array<std::string_view, 7> blocked = {
    "{A} was blocked!",
    "{A} had to use a bit of the car due to blocking!",
    "{A} just found his path blocked!",
    "{A} can't find a clear path through traffic!",
    "{A} was unable to find a gap in the cars ahead!",
    "Nothing but a wall of cars in front of {A}!",
    "{A}can't find any daylight, just the tails of other cars!",
};

// quick pit stop
constexpr std::array<std::string_view, 6> quickPitStop = {
    "{A} had a quick pit stop!",
    "{A}'s pit stop was sensationally quick!",
    "{A}'s crew got him on his way in phenomenal time!",
    "{A}'s crew got it all perfect on that stop!",
    "{A}'s crew just demostrated a textbook pit stop!",
    "{A}'s crew ought to give lessons with stops like that!",
};

// slow pit stop
constexpr std::array<std::string_view, 8> slowPitStop = {
    "{A} had a slow pit stop",
    "{A} just suffered an awful pit stop",
    "{A}'s crew appeared to have difficulty on that pit stop",
    "There seemed to be some confusion in {A}'s pit",
    "{A}'s crew appeared to be searching for the right tires",
    "What a dreadful pit stop for {A}",
    "Not the best of stops for {A}",
    "There appeared to be trouble disengaging the fuel hose during {A}'s stop",
};
// clang-format on

}  // namespace

std::span<const std::string_view> commentAlternatives(int kind, bool teammates) {
  switch (kind) {
    case commentary::BadStart:
      return badStart;
    case commentary::FlyingStart:
      return flyingStart;
    case commentary::Leader:
      return leader;
    case commentary::Overtake:
      return teammates ? std::span<const std::string_view>(overtakeTeammates)
                       : std::span<const std::string_view>(overtakeOtherTeam);
    case commentary::CornerOvershot:
      return cornerOvershot;
    case commentary::SpinOut:
      return spinOut;
    case commentary::BrakePoint:
      return brakePoint;
    case commentary::FuelPoint:
      return fuelPoint;
    case commentary::NoGearSkipping:
      return noGearSkipping;
    case commentary::PossibleEngineDamage:
      return possibleEngineDamage;
    case commentary::EngineDamage:
      return engineDamage;
    case commentary::RoadHoldingDamage:
      return roadHoldingDamage;
    case commentary::PossibleSideCollision:
      return possibleSideCollision;
    case commentary::PossibleRearCollision:
      return possibleRearCollision;
    case commentary::PossibleFrontCollision:
      return possibleFrontCollision;
    case commentary::CollisionWith:
      return collisionWith;
    case commentary::Collision:
      return collision;
    case commentary::NearMissWith:
      return nearMissWith;
    case commentary::NearMiss:
      return nearMiss;
    case commentary::CollisionAvoidedWith:
      return collisionAvoidedWith;
    case commentary::CollisionAvoided:
      return collisionAvoided;
    case commentary::MaxSpeed:
      return maxSpeed;
    case commentary::Bogged:
      return bogged;
    case commentary::TireCrash:
      return tireCrash;
    case commentary::BodyCrash:
      return bodyCrash;
    case commentary::BlockingCrash:
      return blockingCrash;
    case commentary::Slipstream:
      return slipstream;
    case commentary::Blocked:
      return blocked;
    case commentary::QuickPitStop:
      return quickPitStop;
    case commentary::SlowPitStop:
      return slowPitStop;
    default:
      return {};
  }
}

}  // namespace tarmaq
