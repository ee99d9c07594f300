#include "engine/game_state.h"

namespace tarmaq {

Game::Game() {
  results.fill(-1);
  pitColors.fill(0xC0C0C0);
}

const std::string* Game::currentStep() const {
  if (currRound < 0 || currRound >= static_cast<int>(gameLogArray.size())) return nullptr;
  const auto& round = gameLogArray[static_cast<std::size_t>(currRound)];
  if (currStep < 0 || currStep >= static_cast<int>(round.size())) return nullptr;
  return &round[static_cast<std::size_t>(currStep)];
}

void applyClassWear(Car& car, const WearPoints& wear) {
  car.tires = wear.tires;
  car.brakes = wear.brakes;
  car.fuel = wear.fuel;
  car.body = wear.body;
  car.engine = wear.engine;
  car.roadHold = wear.roadHold;
}

void initializeVariables(Game& game) {
  // Every timer of the old game stops, so a pause still running cannot fire into the
  // next one.
  stopAllTimers(game);
  game.track.lanes.assign(1, Lane{});
  game.hazards.clear();
  game.gameLogArray.assign(1, std::vector<std::string>{std::string()});
  game.currRound = 0;
  game.currStep = -1;
  game.currPos = 0;
  game.currCar = 0;
  game.moves.assign(1, 0);
  game.cars.clear();
  game.positions.clear();
  game.pitColors.fill(0xC0C0C0);
  game.teamPictures.clear();
  game.driverPictures.clear();
  game.results.fill(-1);

  auto& c = game.controls;
  game.view.visible = false;
  c.scrollBarsVisible = false;
  c.diePanel.visible = false;
  c.diePanel.valueVisible = false;
  c.movePanel.visible = false;
  c.driverCard.visible = false;
  c.gameInfoPanelVisible = false;
  for (const char* entry : {control::TrackInfoMenu, control::SaveGameMenu, control::SaveGameAsMenu,
                            control::OptionsMenu})
    c.menu.setEnabled(entry, true);
  c.gameToolbarButtonsVisible = true;
}

void takeSnapshot(Game& game) {
  const Car* car = game.car(game.currCar);
  if (!car) return;
  auto& s = game.snapshot;
  s.laneUsed.fill(False);
  if (car->segment % 2 == 0) {
    int lane = laneOf(car->location);
    if (lane >= 0 && lane < static_cast<int>(s.laneUsed.size()))
      s.laneUsed[static_cast<std::size_t>(lane)] = True;
  }
  s.segment = car->segment;
  s.stops = car->stops;
  s.lap = car->lap;
  s.tires = car->tires;
  s.brakes = car->brakes;
  s.fuel = car->fuel;
  s.engine = car->engine;
  s.gear = car->gear;
  s.slipstream = False;
}

void writeLeavingValues(Game& game, int c, int slot, bool finished) {
  Car* car = game.car(c);
  if (!car || slot < 0 || slot >= MaxCars) return;
  game.results[static_cast<std::size_t>(slot)] = c;
  car->pos = finished ? static_cast<float>(999 - slot) : static_cast<float>(-slot);
  car->location = OffTrack;
}

}  // namespace tarmaq
