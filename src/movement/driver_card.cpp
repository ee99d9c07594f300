#include "movement/driver_card.h"

#include "engine/game_state.h"
#include "movement/move_options.h"
#include "movement/remaining_count.h"
#include "track/track_geometry.h"

namespace tarmaq {

namespace {

struct RowInfo {
  const char* plain;
  const char* slashed;
  const char* firstPlain;  // picture 0
  const char* firstSlashed;
};

const RowInfo Rows[WearRowCount] = {
    {"Tire", "SlashedTire", "Spinout", "SlashedSpinout"},
    {"Brake", "SlashedBrake", "Brake", "SlashedBrake"},
    {"Fuel", "SlashedFuel", "Fuel", "SlashedFuel"},
    {"Body", "SlashedBody", "Explosion", "SlashedExplosion"},
    {"Engine", "SlashedEngine", "Explosion", "SlashedExplosion"},
    {"RoadHolding", "SlashedRoadHolding", "Explosion", "SlashedExplosion"},
};

bool rowShown(const Rules& r, WearRow row) {
  auto on = [&](Rule rule) { return r[rule] == 1; };
  switch (row) {
    case WearRow::Tires:
      return on(Rule::Overshooting) || on(Rule::Blocking);
    case WearRow::Brakes:
      return on(Rule::Braking) || on(Rule::OverRevving) || on(Rule::Blocking);
    case WearRow::Fuel:
      return on(Rule::OverRevving);
    case WearRow::Body:
      return on(Rule::Collisions) || on(Rule::Blocking);
    case WearRow::Engine:
      return on(Rule::EngineDamage) || on(Rule::Blocking);
    case WearRow::RoadHold:
      return on(Rule::RoadHolding);
  }
  return false;
}

int startingPoints(const WearPoints& w, WearRow row) {
  switch (row) {
    case WearRow::Tires:
      return w.tires;
    case WearRow::Brakes:
      return w.brakes;
    case WearRow::Fuel:
      return w.fuel;
    case WearRow::Body:
      return w.body;
    case WearRow::Engine:
      return w.engine;
    case WearRow::RoadHold:
      return w.roadHold;
  }
  return 0;
}

int carPoints(const Car& car, WearRow row) {
  switch (row) {
    case WearRow::Tires:
      return car.tires;
    case WearRow::Brakes:
      return car.brakes;
    case WearRow::Fuel:
      return car.fuel;
    case WearRow::Body:
      return car.body;
    case WearRow::Engine:
      return car.engine;
    case WearRow::RoadHold:
      return car.roadHold;
  }
  return 0;
}

bool gearAvailable(const Game& game, const Car& shown, int i) {
  // Round 1 is the start: every car that rolls for movement rolls in first gear, also
  // when it already stands in first gear after a normal start (a game loaded there).
  if (game.currRound == 1 && i != 1) return false;
  const int G = shown.gear;
  const int k = game.rules[Rule::OverRevving] == 1 ? 4 : 1;
  if (i < G - k || i > G + 1) return false;
  // Skipping gears on the way down costs the active car wear points.
  if (const Car* active = game.car(game.currCar)) {
    const int D = active->gear - i;
    if (D == 2 && active->fuel < 1) return false;
    if (D == 3 && (active->fuel < 1 || active->brakes < 1)) return false;
    if (D == 4 && (active->fuel < 1 || active->brakes < 1 || active->engine < 1)) return false;
    if (D > 4) return false;
  }
  // Out of the garage in a low gear only.
  if (laneOf(shown.location) == game.track.garageLane && shown.location >= 0 && i >= 5)
    return false;
  return true;
}

}  // namespace

void markWearPicture(Game& game, WearRow row, int index, bool used) {
  if (index < 0 || index >= WearPictureCount) return;
  const RowInfo& info = Rows[static_cast<std::size_t>(row)];
  CardPicture& pic = game.controls.driverCard.picture(row, index);
  if (index == 0)
    pic.key = used ? info.firstSlashed : info.firstPlain;
  else
    pic.key = used ? info.slashed : info.plain;
  pic.tag = used ? "1" : "0";
}

void showDriverCard(Game& game, int c) {
  DriverCard& card = game.controls.driverCard;
  card.car = c;
  const Car* car = game.car(c);
  for (int g = 1; g <= MaxGears; ++g) {
    auto& button = card.gears[static_cast<std::size_t>(g - 1)];
    button.visible = g <= game.raceClass.gearCount;
    button.tooltip = gearTooltip(game.raceClass, g);
  }
  if (!car) return;
  card.teamName = car->teamName;
  card.teamColor = car->color[0];
  card.teamNameWhite = colorShade(car->color[0]) == Shade::Dark;
  card.teamImage = c + 1;
  card.driverName = car->driverName;
  card.driverColor = car->color[1];
  card.driverNameWhite = colorShade(car->color[1]) == Shade::Dark;
  card.driverImage = c + 1;
  if (game.currRound == 0) return;  // the grid is still being decided

  const std::string* step = game.currentStep();
  if (!(step && *step == "MOVE WAIT"))
    for (int g = 1; g <= MaxGears; ++g) {
      auto& button = card.gears[static_cast<std::size_t>(g - 1)];
      button.enabled = button.visible && gearAvailable(game, *car, g);
    }

  for (int i = 0; i < 3; ++i)
    card.tireTypeVisible[static_cast<std::size_t>(i)] = car->tireType == i + 1;
  card.repairVisible.fill(game.rules[Rule::FullPitStops] == 1);

  const int laps = game.laps >= 1 && game.laps <= 3 ? game.laps : 1;
  const WearPoints& start = game.raceClass.classWear[static_cast<std::size_t>(laps - 1)];
  for (int r = 0; r < WearRowCount; ++r) {
    const auto row = static_cast<WearRow>(r);
    if (!rowShown(game.rules, row)) continue;
    const int N = startingPoints(start, row);
    const int V = carPoints(*car, row);
    for (int i = 0; i < WearPictureCount; ++i) {
      CardPicture& pic = card.picture(row, i);
      if (i >= N) {
        pic.visible = false;
        continue;
      }
      // A picture of the second row comes into sight for a point the car still has,
      // and stays once shown.
      if (i <= 8 || V >= i) pic.visible = true;
      markWearPicture(game, row, i, i >= V);
    }
  }

  if (game.rules[Rule::Overshooting] == 1)
    for (int i = 0; i < 3; ++i) {
      CardPicture& light = card.stops[static_cast<std::size_t>(i)];
      light.visible = true;
      light.key = i < car->stops ? "Stop" : "GreyStop";
    }
}

bool brakingPossible(const Game& game) {
  const std::string* step = game.currentStep();
  return game.rules[Rule::Braking] == 1 && game.controls.movePanel.visible && step &&
         *step == "MOVE WAIT";
}

void useBrakePoint(Game& game, int index) {
  const std::string* step = game.currentStep();
  if (!step || *step != "MOVE WAIT" || index < 0 || index >= WearPictureCount ||
      game.snapshot.brakes < 1)
    return;
  const int count = remainingCount(game);
  if (count > 0) {
    setRemainingCount(game, count - 1);
  } else if (game.moves.size() > 1) {
    game.moves.pop_back();
    const Car* car = game.car(game.currCar);
    if (car && game.snapshot.tires < car->tires) {
      // The space taken back had cost a tire point: it comes back too.
      markWearPicture(game, WearRow::Tires, game.snapshot.tires, false);
      ++game.snapshot.tires;
    }
  }
  markWearPicture(game, WearRow::Brakes, index, true);
  --game.snapshot.brakes;
}

void brakePicClick(Game& game, int index) {
  if (!brakingPossible(game) || index < 0 || index >= WearPictureCount) return;
  const CardPicture& pic = game.controls.driverCard.picture(WearRow::Brakes, index);
  if (!pic.visible) return;
  const Car* car = game.car(game.currCar);
  if (pic.tag != "0") {
    // Only a point used in this move comes back, and only once something was moved.
    if (car && remainingCount(game) < game.snapshot.move && index < car->brakes) {
      markWearPicture(game, WearRow::Brakes, index, false);
      setRemainingCount(game, remainingCount(game) + 1);
      ++game.snapshot.brakes;
    }
  } else {
    useBrakePoint(game, index);
  }
  refreshMoveOptions(game);
}

int lastAvailableBrakePicture(const Game& game) {
  for (int i = WearPictureCount - 1; i >= 0; --i) {
    const CardPicture& pic = game.controls.driverCard.picture(WearRow::Brakes, i);
    if (pic.visible && pic.tag == "0") return i;
  }
  return -1;
}

}  // namespace tarmaq
