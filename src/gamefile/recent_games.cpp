#include "gamefile/recent_games.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/settings_store.h"

namespace tarmaq {

std::vector<std::string> recentGames(const SettingsStore& store) {
  std::vector<std::string> paths;
  for (int i = 1; i <= MaxRecentGames; ++i) {
    auto path = store.value(RecentGamesSection, std::to_string(i));
    if (path && !path->empty() && std::find(paths.begin(), paths.end(), *path) == paths.end())
      paths.push_back(*path);
  }
  return paths;
}

void addRecentGame(SettingsStore& store, const std::string& path) {
  if (path.empty()) return;
  std::vector<std::string> paths = recentGames(store);
  paths.erase(std::remove(paths.begin(), paths.end(), path), paths.end());
  paths.insert(paths.begin(), path);
  if (paths.size() > MaxRecentGames) paths.resize(MaxRecentGames);
  for (int i = 1; i <= MaxRecentGames; ++i) {
    const auto k = static_cast<std::size_t>(i - 1);
    store.setValue(RecentGamesSection, std::to_string(i), k < paths.size() ? paths[k] : "");
  }
}

void refreshRecentGames(Game& game) {
  auto& menu = game.controls.recentGameEntries;
  const std::vector<std::string> paths =
      game.services.settings ? recentGames(*game.services.settings) : std::vector<std::string>{};
  if (!paths.empty()) game.controls.recentGamesSeparatorVisible = true;
  if (menu.size() < paths.size()) menu.resize(paths.size());
  for (std::size_t i = 0; i < paths.size(); ++i) menu[i] = paths[i];
  game.controls.recentGamesStale = false;
}

}  // namespace tarmaq
