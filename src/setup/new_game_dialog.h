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
  int page = 0;      // 0: slots 1-5 shown, 1: slots 6-10
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

  // "Show the next 5 teams" is offered once the sixth slot can take a team.
  bool nextTeamsOffered() const { return slots[5].listEnabled || slots[5].team >= 0; }
  void showPage(int p) { page = p == 1 ? 1 : 0; }

  // The team table read again from the enabled team files (after a team was saved or
  // the file list changed). Slots keep their team when it is still there, by name, and
  // their unticked drivers stay unticked; the others are emptied and the gap closes.
  void reloadTeams(const Folders& folders, const SettingsStore& settings);
  // Puts a team into a slot by name, as the team editor's save does; false when the
  // table has no such team.
  bool chooseTeamByName(int slot, const std::string& name);

  // The captions of the ticked drivers in car order, for the Address Book.
  std::vector<std::string> tickedDriverNames() const;

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

  // What row i shows: its pit colour, its team list, and the driver label and "Switch"
  // button of a team whose two drivers take the pair of rows j and j + 5.
  struct Row {
    std::uint32_t color = 0xC0C0C0;
    bool listShown = false;
    int team = -1;
    std::string driverLabel;  // empty: hidden
    bool switchShown = false;
  };
  std::vector<Row> rows(const std::vector<SetupTeam>& teams) const;
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
