#include "engine/die_panel.h"

#include "engine/game_state.h"
#include "engine/turn_controller.h"

namespace tarmaq {

void setDie(Game& game, int kind) {
  auto& die = game.controls.diePanel;
  const std::string* step = game.currentStep();
  const bool keepValue = step && (startsWith(*step, "WEAR") || endsWith(*step, "WAIT"));
  if (!keepValue) die.valueVisible = false;
  die.valueOffsetPx = kind == 1 ? 50 : 41;
  die.dieKind = kind;
  const Car* car = game.car(game.currCar);
  game.view.dieIconsKind =
      kind != 0 && car && car->inRace() && game.options.drawDieIcons ? kind : 0;
  game.view.requestRedraw();
}

void showGear(Game& game, int gear, bool activeCar) {
  auto& card = game.controls.driverCard;
  for (int g = 1; g <= 6; ++g) card.gears[static_cast<std::size_t>(g - 1)].selected = g == gear;
  auto& die = game.controls.diePanel;
  if (die.visible) {
    const std::string* step = game.currentStep();
    const bool eventDie = step && (*step == "ROLL STRT WAIT" || *step == "ROLL POSN WAIT" ||
                                   *step == "ROLL CLSN WAIT" || *step == "ROLL ENGN WAIT");
    die.dieKind = eventDie ? 0 : gear;
  }
  if (activeCar) game.snapshot.gear = gear;
}

}  // namespace tarmaq
