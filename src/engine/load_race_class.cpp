#include "engine/load_race_class.h"

#include "engine/folders.h"
#include "engine/frontend.h"
#include "engine/game_state.h"

namespace tarmaq {

bool loadRaceClass(Game& game, const std::string& fileName) {
  std::filesystem::path path = game.services.folders ? game.services.folders->classes() / fileName
                                                     : std::filesystem::path(fileName);
  const ClassLoadReport report = readRaceClass(path, game.raceClass);
  if (!report.opened) {
    if (game.services.frontend)
      game.services.frontend->ask(Message{ClassMissingTitle,
                                          "The race class file used to create this game:\n" +
                                              fileName +
                                              "\nwas not found on your system. Please check your "
                                              "installation.",
                                          MessageIcon::Error, MessageButtons::Ok});
    return false;
  }
  auto& card = game.controls.driverCard;
  for (int g = 1; g <= MaxGears; ++g) {
    auto& button = card.gears[static_cast<std::size_t>(g - 1)];
    button.visible = g <= game.raceClass.gearCount;
    button.tooltip = gearTooltip(game.raceClass, g);
  }
  return true;
}

}  // namespace tarmaq
