#include "movement/driver_card.h"

#include "engine/game_state.h"

namespace tarmaq {

void showDriverCard(Game& game, int c) {
  auto& card = game.controls.driverCard;
  card.car = c;
  for (int g = 1; g <= MaxGears; ++g) {
    auto& button = card.gears[static_cast<std::size_t>(g - 1)];
    button.visible = g <= game.raceClass.gearCount;
    button.enabled = button.visible;
    button.tooltip = gearTooltip(game.raceClass, g);
  }
}

}  // namespace tarmaq
