#include "engine/race_finish.h"

#include "engine/game_state.h"
#include "engine/step_handlers.h"
#include "engine/turn_controller.h"
#include "view/view_timers.h"

namespace tarmaq {

void leaveRace(Game& game, int c, int status) {
  Car* car = game.car(c);
  if (!car || !car->inRace() || status < Finished) return;
  for (int r : game.results)
    if (r == c) return;
  car->status = status;
  if (status == Finished) {
    game.controls.diePanel.valueText = "0";  // the move ends here
    int slot = 0;
    while (slot < MaxCars && game.results[static_cast<std::size_t>(slot)] != -1) ++slot;
    if (slot == MaxCars) return;
    writeLeavingValues(game, c, slot, true);
    static const char* const suffix[] = {" has won the race!", " just took second!",
                                         " has finished third!", " has completed the race!"};
    static const int icon[] = {27, 33, 34, 28};
    const int k = slot < 3 ? slot : 3;
    writeToGameLog(game, 27, icon[k], "               " + car->driverName + suffix[k], false,
                   LogGreen);
  } else {
    int slot = MaxCars - 1;
    while (slot >= 0 && game.results[static_cast<std::size_t>(slot)] != -1) --slot;
    if (slot < 0) return;
    writeLeavingValues(game, c, slot, false);
    if (game.options.flashRetire) requestScreenFlash(game, FlashThrice);
  }
  car->location = OffTrack;
}

StoreStep handleStatus(Game& game, std::string& step) {
  // "STAT " + car + " " + status: the car from characters 6 and 7, the status from the
  // last two.
  const int c = trailingNumber(step.substr(0, step.size() >= 7 ? 7 : step.size()), 2);
  const int s = trailingNumber(step, 2);
  leaveRace(game, c, s);
  return StoreStep::Yes;
}

Podium podium(const Game& game) {
  Podium p;
  const int wanted = game.carCount() < 3 ? game.carCount() : 3;
  for (int slot = 0; slot < MaxCars && p.places < wanted; ++slot) {
    const int c = game.results[static_cast<std::size_t>(slot)];
    if (c < 0) continue;
    p.cars[static_cast<std::size_t>(p.places)] = c;
    p.names[static_cast<std::size_t>(p.places)] = carName(game, c);
    ++p.places;
  }
  return p;
}

StoreStep handleShowResults(Game& game, std::string&) {
  stopTimer(game, TimerId::CollisionRoll);
  stopTimer(game, TimerId::EngineRoll);
  game.controls.diePanel.visible = false;
  game.controls.movePanel.visible = false;
  game.controls.standingsCaption = "Race Results";
  // Without the automatic send the player mails the podium to the others by hand.
  if (game.gameType == 1 && !game.options.autoMail)
    game.controls.toolbar.setEnabled(control::SendMailButton, true);
  game.view.requestRedraw();
  if (game.services.frontend) game.services.frontend->showResults(podium(game));
  return StoreStep::Yes;
}

}  // namespace tarmaq
