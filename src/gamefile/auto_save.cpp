#include "gamefile/auto_save.h"

#include "engine/folders.h"
#include "gamefile/game_file_writer.h"

namespace tarmaq {

void GameFollowUps::autoSave(Game& game) {
  std::filesystem::path path = game.gameFileName;
  if (path.empty()) {
    if (!game.services.folders) return;
    const std::filesystem::path games = game.services.folders->games();
    std::error_code ignored;
    std::filesystem::create_directories(games, ignored);
    path = games / AutoSaveName;
  }
  gameFileSave(game, path);
}

}  // namespace tarmaq
