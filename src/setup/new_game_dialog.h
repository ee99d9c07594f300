// The New Game dialog as a model: the lists, the ten team slots with their driver
// boxes, the count of selected drivers against the circuit's grid places, and the
// set-up it makes. The Pit Order and Starting Grid dialogs' models follow it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "engine/frontend.h"
#include "setup/new_game.h"
#include "setup/rules_dialog.h"
#include "setup/team_file.h"

namespace tarmaq {

class Folders;
class RandomSource;
class SettingsStore;

inline constexpr int TeamSlots = 10;

struct ListEntry {
  std::string text;  // what the list shows
  std::string file;  // the file it stands for
};

// The number of grid places a circuit has: the items after "Start Positions" up to the
// first that is not a number, "-1" entries not counted.
int circuitGridPlaces(const std::filesystem::path& trackFile);

struct TeamSlot {
  int team = -1;  // index into the team table; -1 "Not Participating"
  std::array<bool, 2> ticked{};
  std::array<bool, 2> driverEnabled{};
  bool listEnabled = false;
  bool editEnabled = false;
};

struct NewGameDialog {
  std::vector<std::string> gameTypes;  // "Local", and "E-Mail" when e-mail games are on
  std::vector<ListEntry> classes;
  std::vector<std::string> raceTypes{"", "1 Lap Race", "2 Lap Race", "3 Lap Race"};
  std::vector<ListEntry> circuits;
  std::vector<int> circuitPlaces;
  std::vector<Team> teams;  // the team table
  std::array<TeamSlot, TeamSlots> slots{};
  int gameType = 0;
  int raceClass = 0;
  int raceType = 1;
  int circuit = 0;
  int selected = 0;  // drivers ticked
  RulesDialog rules;

  // Fills the lists from the folders and the team files enabled in the settings.
  static NewGameDialog open(const Folders& folders, const SettingsStore& settings, bool eMailGames);

  int maximumDrivers() const;
  std::string playersLabel() const;  // "12 Players max."
  void chooseCircuit(int index);
  void chooseRaceType(int index);
  // A slot's team list; 0 is "Not Participating".
  void teamSlotChanged(int slot, int listPosition, bool shifting = false);
  // Ticking a driver box: refused with "Maximum Drivers Selected" at the maximum.
  std::optional<Message> tickDriver(int slot, int driver, bool ticked);
  // "OK": at least one driver, no more than the circuit's places, a race length.
  bool okEnabled() const;

  NewGameSetup toSetup(const std::string& localEMail) const;
};

// The Pit Order dialog: which participating team stands on each pit row, and the
// drivers' pit spaces.
struct PitOrderDialog {
  std::vector<int> rowTeam;  // per row, the index of the participating team
  std::vector<int> switched;
  explicit PitOrderDialog(int teams);
  // Choosing in row r the team another row shows swaps the two rows.
  void chooseTeam(int row, int team);
  void switchRow(int row);
  PitAssignment assignment(const std::vector<SetupTeam>& teams) const;
};

// The Starting Grid dialog: the car on each grid position.
struct StartingGridDialog {
  std::vector<int> order;  // car number by grid position
  GridMode mark = GridMode::Manual;
  explicit StartingGridDialog(int cars);
  void choose(int position, int car);  // swaps with the car's old position
  // An unbiased shuffle: position p takes one of the cars not yet placed.
  void randomize(RandomSource& random);
};

}  // namespace tarmaq
