// A new game built from the shipped class, circuit and teams in a temporary folder tree.
#pragma once

#include "setup/new_game.h"
#include "support/fakes.h"
#include "support/paths.h"
#include "support/temp_folders.h"

namespace tarmaq::testing {

inline NewGameSetup shippedSetup(int cars, int laps, const std::string& track = "BrackwoodRing.trk",
                                 const std::string& raceClass = "Modern.cls") {
  NewGameSetup setup;
  setup.classFile = raceClass;
  setup.trackFile = track;
  setup.laps = laps;
  setup.startDate = 46367.5;
  for (int t = 0; t * 2 < cars; ++t) {
    SetupTeam team{
        "Team " + std::to_string(t + 1), "", 0x101010u * static_cast<unsigned>(t + 1), {}};
    for (int d = 0; d < 2 && t * 2 + d < cars; ++d)
      team.drivers.push_back({"Driver " + std::to_string(t * 2 + d + 1), "", 0x00FF00u, ""});
    setup.teams.push_back(team);
  }
  return setup;
}

struct ShippedGame : TestGame {
  TempFolders temp;
  ShippedGame() {
    for (const char* c : {"Modern.cls", "Vintage.cls"})
      temp.add("Classes", shippedData(std::string("Classes/") + c));
    for (const char* t : {"BrackwoodRing.trk", "PortCastellane.trk", "VelmontPark.trk"})
      temp.add("Tracks", shippedData(std::string("Tracks/") + t));
    game.services.folders = &temp.folders();
    game.options.autoSave = false;
  }
  // A second installation sharing the folders, for loading what the first saved.
  void attach(TestGame& other) const { other.game.services.folders = &temp.folders(); }
};

}  // namespace tarmaq::testing
