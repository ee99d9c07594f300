// The recent games: at most five full paths of game files the player opened or saved
// through the file dialogs, the recent-games menu or "Load Last", most recent first,
// kept in the settings store.
#pragma once

#include <string>
#include <vector>

namespace tarmaq {

class SettingsStore;
struct Game;

inline constexpr int MaxRecentGames = 5;
inline constexpr const char* RecentGamesSection = "Settings\\RecentGames";

std::vector<std::string> recentGames(const SettingsStore& store);
// Puts a path first (once), keeping at most five.
void addRecentGame(SettingsStore& store, const std::string& path);

// The recent-games menu entries: one per listed game and the separator after them.
// Entries shown once stay shown for the rest of the run.
void refreshRecentGames(Game& game);

}  // namespace tarmaq
