#include "movement/move_execution.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/random_source.h"
#include "engine/turn_controller.h"
#include "log/race_comment.h"
#include "movement/collisions.h"
#include "movement/remaining_count.h"

namespace tarmaq {

namespace {

const std::string Indent15(15, ' ');

// " 105": one blank before a number that is not negative.
std::string signedNumber(int v) { return (v >= 0 ? " " : "") + std::to_string(v); }

bool inPitOrGarage(const Game& game, int lane) {
  return lane == game.track.pitLane || lane == game.track.garageLane;
}

template <typename T>
T* lapEntry(std::vector<T>& perLap, int lap) {
  return lap >= 0 && lap < static_cast<int>(perLap.size()) ? &perLap[static_cast<std::size_t>(lap)]
                                                           : nullptr;
}

void setSpeed(Game& game, Car& car, int n) {
  const GearDie* die = game.raceClass.gear(car.gear);
  if (!die) return;  // no gear, no speed table: the speed stays
  const auto& speeds = die->speeds;
  const int entries = static_cast<int>(speeds.size());
  int entry = -1;
  if (n >= entries)
    entry = entries - 1;
  else if (n < game.snapshot.move && game.snapshot.brakes == car.brakes)
    entry = game.snapshot.move - 1;  // stopped short without braking: the speed of the roll
  else
    entry = n - 1;
  if (entry >= 0 && entry < entries) car.speed = speeds[static_cast<std::size_t>(entry)];
  if (car.speed > 0) {
    const float r = game.services.random ? static_cast<float>(game.services.random->uniform()) : 0;
    car.displaySpeed = 19 * r / 10 + car.speed;
  }
  if (car.speed > game.trapSpeed) {
    game.trapCar = game.currCar;
    game.trapSpeed = car.speed;
  }
}

void changeSegment(Game& game, Car& car, int segment) {
  car.segment = segment;
  if (segment % 2 == 0 && car.stops >= 1)
    writeToGameLog(game, 14, 38, commentLine(game, 20, 4, game.currCar), false, LogRed);
  if (segment % 2 == 0) return;
  const Corner* corner = game.track.cornerOf(segment);
  if (!corner) return;
  writeToGameLog(game, 13, 8,
                 Indent15 + car.driverName + " entered corner #" + std::to_string(segment / 2 + 1) +
                     " (" + corner->name + ")",
                 false, LogBlack);
  // Stops skipped in the corner before cost one more here.
  car.stops = corner->requiredStops + (car.stops > 0 ? 1 : 0);
}

void lapEvent(Game& game, Car& car) {
  if (car.status == ExitingPits) car.status = Running;
  if (car.lap >= 1) {
    if (car.lap == game.laps)
      advanceGame(game, "STAT " + std::to_string(game.currCar) + " 20");
    else
      writeToGameLog(
          game, 31, 8,
          Indent15 + car.driverName + " has completed lap " + std::to_string(car.lap) + "!", false,
          LogBlack);
  }
  if (car.lap < game.laps) ++car.lap;
}

// Walks the planned spaces for what they cause and builds the "MOVE" step's text.
std::string walkSpaces(Game& game, Car& car, float oldSpeed) {
  std::string text;
  const int n = static_cast<int>(game.moves.size()) - 1;
  for (int i = 1; i <= n; ++i) {
    const int P = game.moves[static_cast<std::size_t>(i)];
    const int L = laneOf(P);
    const int s = spaceIndexOf(P);
    text += (i == 1 ? "MOVE" : "  ") + signedNumber(P);
    const Space* space = game.track.space(P);
    if (space && car.inRace() && space->segment != car.segment)
      changeSegment(game, car, space->segment);
    // A car that has already left the race does not come back as entering the pits.
    if (car.inRace() && L == game.track.pitLane && s == 0) {
      writeToGameLog(game, 26, 8, Indent15 + car.driverName + " has entered the pit lane", false,
                     LogBlack);
      car.status = EnteringPits;
    }
    const int previous = game.moves[static_cast<std::size_t>(i - 1)];
    const bool onTrack = !inPitOrGarage(game, L);
    const bool crossing =
        onTrack && s == 0 && spaceIndexOf(previous) != 0 && car.lap == game.snapshot.lap;
    if (car.inRace() && onTrack && (car.status == ExitingPits || crossing)) lapEvent(game, car);
    if (car.lap >= 1) {
      if (int* length = lapEntry(car.lapLength, car.lap)) ++*length;
      if (float* total = lapEntry(car.totalSpeed, car.lap))
        *total += oldSpeed + (car.speed - oldSpeed) / 2;
    }
  }
  return text;
}

void averages(Game& game, Car& car) {
  const int* length = lapEntry(car.lapLength, car.lap);
  float* average = lapEntry(car.avgSpeed, car.lap);
  const float* total = lapEntry(car.totalSpeed, car.lap);
  if (length && average && total && *length >= 1) *average = *total / static_cast<float>(*length);
  if (game.currRound == 0) return;
  int sum = 0;
  for (int lap = 1; lap <= game.laps; ++lap)
    if (const int* l = lapEntry(car.lapLength, lap)) sum += *l;
  car.spacesPerRound = static_cast<float>(sum) / static_cast<float>(game.currRound);
}

void countStop(Game& game, Car& car) {
  if (car.segment % 2 == 0 || !car.inRace()) {
    car.stops = 0;
    return;
  }
  --car.stops;
  const Corner* corner = game.track.cornerOf(car.segment);
  if (!corner) return;
  const std::string name = Indent15 + car.driverName;
  writeToGameLog(game, 14, 16,
                 name + " stopped in corner #" + std::to_string(car.segment / 2 + 1) + " (" +
                     corner->name + ")",
                 false, LogBlack);
  if (car.stops <= 0)
    writeToGameLog(game, 14, 17, name + " has completed stops in this corner", false, LogBlack);
  else if (car.stops == 1)
    writeToGameLog(game, 14, 16, name + " has 1 stop remaining in this corner", false, LogBlack);
  else
    writeToGameLog(game, 14, 16,
                   name + " has " + std::to_string(car.stops) + " stops remaining in this corner",
                   false, LogBlack);
}

void reportOvertakes(Game& game, const Car& a) {
  if (!a.inRace()) return;  // a car out of the race overtakes nobody
  for (int j = game.currPos - 1; j >= 0; --j) {
    const int other = game.carAtPosition(j);
    const Car* o = game.car(other);
    if (!o || !o->inRace()) continue;
    const bool passed = (a.pos > o->pos && a.lap >= o->lap) ||
                        (a.pos == o->pos && a.gear > o->gear) || a.lap > o->lap;
    if (!passed) continue;
    std::string line = Indent15 + "'" + raceComment(game, 3, game.currCar, other);
    line += j == 0 ? " for the lead!'" : "!'";
    if (j == 0) ++game.leadChange;
    writeToGameLog(game, 4, 39, line, false, LogGreen);
  }
}

void engineDanger(Game& game, Car& car, int finalLane) {
  const Rules& rules = game.rules;
  const int lowest = rules[Rule::EngineDamageGear];
  if (rules[Rule::EngineDamage] != 1 || inPitOrGarage(game, finalLane) || lowest < 1) return;
  for (int g = lowest; g <= MaxGears; ++g) {
    const GearDie* die = game.raceClass.gear(g);
    if (!die || game.snapshot.move < die->highest() || car.gear < lowest) continue;
    if (!car.inRace()) {
      car.engnFlag = False;
      continue;  // nobody else rolls for a car that has left the race
    }
    car.engnFlag = True;
    writeToGameLog(game, 16, 38, commentLine(game, 15, 10, game.currCar), false, LogRed);
    if (rules[Rule::EngineAllCars] != 1) continue;
    for (int c = 0; c < game.carCount(); ++c) {
      if (c == game.currCar) continue;
      Car& other = game.cars[static_cast<std::size_t>(c)];
      other.engnFlag = other.inRace() && other.gear >= lowest ? True : False;
    }
  }
}

}  // namespace

void acceptMove(Game& game) {
  Car* car = game.car(game.currCar);
  if (!car) return;
  if (game.moves.empty()) game.moves.push_back(car->location);
  const int n = static_cast<int>(game.moves.size()) - 1;
  const int finalSpace = game.moves.back();
  const int finalLane = laneOf(finalSpace);
  // The move is over whatever follows: no lane, no accept, no panel.
  MovePanel& panel = game.controls.movePanel;
  panel.laneEnabled = {false, false, false};
  game.view.shadedSpaces.clear();

  writeToGameLog(game, 12, 15, Indent15 + car->driverName + " moved " + std::to_string(n), false,
                 LogBlack);
  float oldSpeed = 0;
  if (car->inRace()) {
    oldSpeed = car->speed;
    setSpeed(game, *car, n);
  }
  const std::string step = walkSpaces(game, *car, oldSpeed);
  averages(game, *car);
  countStop(game, *car);
  if (car->inRace())
    if (const Space* space = game.track.space(finalSpace)) car->pos = space->position;
  reportOvertakes(game, *car);

  // A move of no space is an empty step: it takes the waiting entry's place and ends
  // the move as an executed move does.
  if (n == 0) {
    panel.visible = false;
    panel.acceptEnabled = false;
  }
  advanceGame(game, step);
  car = game.car(game.currCar);
  if (!car) return;

  const Space* final = game.track.space(finalSpace);
  if (final && car->inRace() && final->marker == car->pitSpace + 40) {
    setRemainingCount(game, 1);
    car->status = InThePits;
  }
  if (game.rules[Rule::Collisions] == 1 && car->inRace() && !inPitOrGarage(game, finalLane))
    car->clsnFlag = checkCollisions(game, car->location);

  // The points the move used. A car that left the race during it (out of tires) is
  // charged nothing more, and no car is charged more points than it has.
  if (car->inRace()) {
    const int tires = std::min(car->tires - game.snapshot.tires, car->tires);
    for (int k = 0; k < tires; ++k) advanceGame(game, "WEAR TIRE");
    const int brakes = std::min(car->brakes - game.snapshot.brakes, car->brakes);
    for (int k = 0; k < brakes; ++k) advanceGame(game, "WEAR BRAK");
  }

  if (Car* mover = game.car(game.currCar)) engineDanger(game, *mover, finalLane);
  const Car* mover = game.car(game.currCar);
  if (mover && mover->engnFlag == True)
    advanceGame(game, "ROLL ENGN WAIT");
  else
    afterMove(game);
}

void acceptMoveCommand(Game& game) {
  const std::string* step = game.currentStep();
  const MovePanel& panel = game.controls.movePanel;
  if (panel.visible && panel.acceptEnabled && step && *step == "MOVE WAIT") acceptMove(game);
}

}  // namespace tarmaq
