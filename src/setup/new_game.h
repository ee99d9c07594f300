// Building a new game from a set-up description: what the New Game, Address Book, Pit
// Order and Starting Grid dialogs hold once the player has filled them in. The
// command-line programs fill the same description.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/rules.h"

namespace tarmaq {

struct Game;

struct SetupDriver {
  std::string name;
  std::string picture;
  std::uint32_t color = 0;
  std::string eMail;  // e-mail games: the player's address, or "(Local)"
};

// A participating team in slot order, with only its ticked drivers.
struct SetupTeam {
  std::string name;
  std::string picture;
  std::uint32_t color = 0;
  std::vector<SetupDriver> drivers;
  bool bothDriversOfTheTeam() const { return drivers.size() == 2; }
};

// How the starting grid is decided: by the players' rolls in round 0, or set before
// the race (by hand, at random, or loaded).
enum class GridMode { Roll, Manual, Random, Load };

struct PitAssignment {
  std::vector<int> pitSpace;  // per car, in car order
  std::array<std::uint32_t, 10> colors{};
};

struct NewGameSetup {
  int gameType = 0;  // 0 Local, 1 E-Mail
  std::string classFile;
  int laps = 1;
  std::string trackFile;
  std::vector<SetupTeam> teams;
  Rules rules;
  // Pit rows whose "Switch" was pressed: driver 2 takes pit j, driver 1 pit j + 5.
  std::vector<int> switchedPitRows;
  // The team on each pit row (empty: team i on row i).
  std::vector<int> pitRowTeam;
  GridMode grid = GridMode::Roll;
  // With a set grid: car numbers by grid position, pole first (empty: car order).
  std::vector<int> gridOrder;
  std::string localEMail;
  double startDate = 0;
};

// The Pit Order dialog's assignment: team i on pit row i; with up to five teams both
// drivers of a team on rows i and i + 5; with more, the teams of rows j and j + 5 share
// that pair, one pit space each.
PitAssignment defaultPitAssignment(const std::vector<SetupTeam>& teams,
                                   const std::vector<int>& switchedRows = {});
// The same with the teams on other rows: rowTeam[i] is the team on pit row i.
PitAssignment pitAssignment(const std::vector<SetupTeam>& teams, const std::vector<int>& rowTeam,
                            const std::vector<int>& switchedRows);

// Rules as a race of this length stores them: a 1-lap race has no pit stops.
Rules rulesForLaps(Rules rules, int laps);

// Resets the game and builds it from the description: race class, cars, pit spaces and
// colours, rules, e-mail addresses. The race class is loaded from the classes folder;
// returns false when it cannot be opened (the critical error has been shown).
bool getNewGameInfo(Game& game, const NewGameSetup& setup);

// Round 0 of a new game: loads the circuit, writes the pre-race header, then starts
// the race on a grid set before it, or lets every player roll for a grid place.
// Returns false when the circuit is missing (the critical error has been shown).
bool newGameRound0(Game& game, const NewGameSetup& setup);

// Both steps, as the Pit Order dialog's buttons run them.
bool buildNewGame(Game& game, const NewGameSetup& setup);

}  // namespace tarmaq
