// "DRVR": the change of the active car, and what the player then sees of it.
#include "engine/die_panel.h"
#include "engine/frontend.h"
#include "engine/game_state.h"
#include "engine/settings_store.h"
#include "engine/step_handlers.h"
#include "engine/turn_controller.h"
#include "movement/driver_card.h"
#include "view/navigation.h"

namespace tarmaq {

namespace {

void askForDriverComment(Game& game) {
  Frontend* frontend = game.services.frontend;
  if (!frontend || !game.options.driverComment || game.currRound <= 0) return;
  DriverCommentResult answer = frontend->askDriverComment(DriverCommentPrompt{true});
  if (answer.dontAskAgain) {
    game.options.driverComment = false;
    if (game.services.settings)
      game.services.settings->setValue(std::string(SettingsSection), "DriverComm", "0");
  }
  if (!answer.text.empty())
    writeToGameLog(game, 30, 29, "     " + carName(game, game.mover()) + ": " + answer.text, false,
                   LogBlue);
}

// "DRVR ADVN": on to the next car in the running order; a new round after the last.
// Returns false when the race is over.
bool advanceToNextCar(Game& game) {
  game.controls.diePanel.visible = false;
  askForDriverComment(game);
  const int carsInOrder = static_cast<int>(game.positions.size());
  if (nextRunningPosition(game, 0) >= carsInOrder) {
    advanceGame(game, "SHOW RSLT");
    return false;
  }
  game.moves.assign(1, 0);
  // Every collision of the turn before has been rolled for: a flag left over (a victim
  // that crashed, a mover that failed its engine first) would make a car roll for a
  // collision it was not in, or pass its own garage.
  for (Car& car : game.cars) car.clsnFlag = False;
  const int p = nextRunningPosition(game, game.currPos + 1);
  if (p >= carsInOrder) {
    advanceGame(game, "ROUN");
    advanceGame(game, "POSN SORT");
    game.currPos = nextRunningPosition(game, 0);
    game.currCar = game.mover();
    if (game.currRound >= 2)
      for (int i = 0; i < carsInOrder; ++i)
        if (Car* car = game.car(game.carAtPosition(i))) car->lastRoundPos = i;
  } else {
    game.currPos = p;
    game.currCar = game.mover();
    if (game.currRound >= 1) sortRunningOrder(game);
  }
  if (Car* mover = game.car(game.mover())) {
    if (mover->status == SpunOut)
      mover->status = Running;
    else if (Car* active = game.car(game.currCar); active && active->status == InThePits)
      active->status = ExitingPits;
  }
  game.controls.standingsStale = true;
  return true;
}

}  // namespace

StoreStep handleDriver(Game& game, std::string& step) {
  if (step == "DRVR ADVN") {
    if (!advanceToNextCar(game)) return StoreStep::No;
  } else {
    const int c = trailingNumber(step, 2);
    if (game.car(c)) game.currCar = c;
  }

  const Car* car = game.car(game.currCar);
  const std::string name = car ? car->driverName : std::string();
  if (game.gameType == 1) {
    const std::string mail = car ? car->eMail : std::string();
    writeToGameLog(game, 2, 14, "     Current Driver: " + name + " (" + mail + ")", false,
                   LogBlack);
    game.controls.toolbar.setEnabled(control::SendMailButton,
                                     activeCarIsRemote(game) && !game.options.autoMail);
  } else {
    writeToGameLog(game, 2, 14, "     Current Driver: " + name, false, LogBlack);
  }
  if (game.currRound >= 1) {
    takeSnapshot(game);
    if (game.options.autoCenter)
      centerCar(game, game.currCar);
    else
      game.view.requestRedraw();
  }
  showTurn(game, game.currCar);
  step = "DRVR " + std::to_string(game.currCar);
  return StoreStep::Yes;
}

void showTurn(Game& game, int c) {
  showDriverCard(game, c);
  auto& die = game.controls.diePanel;
  const Car* shown = game.car(c);
  if (c != game.currCar || (game.gameType == 1 && activeCarIsRemote(game))) {
    die.valueVisible = false;
    die.visible = false;
    showGear(game, shown ? shown->gear : 0, c == game.currCar);
    game.controls.toolbar.setEnabled(control::DriverCommentButton, false);
  } else {
    die.visible = true;
    game.controls.toolbar.setEnabled(control::DriverCommentButton, true);
    showGear(game, game.snapshot.gear);
    const std::string* step = game.currentStep();
    if (!(step && endsWith(*step, "WAIT"))) die.valueVisible = true;
  }
  if (game.options.autoCenter) centerCar(game, c);
}

}  // namespace tarmaq
