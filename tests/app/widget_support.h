// A main window on the shipped data with settings in an INI file of a temporary folder,
// and a game built in it, for the widget tests.
#pragma once

#include <QTemporaryDir>
#include <memory>

#include "app/main_window.h"
#include "app/qt_frontend.h"
#include "app/qt_settings_store.h"
#include "engine/folders.h"
#include "engine/random_source.h"
#include "setup/new_game.h"

namespace tarmaq::testing {

inline NewGameSetup twoCarSetup(const std::string& track = "BrackwoodRing.trk") {
  NewGameSetup setup;
  setup.classFile = "Modern.cls";
  setup.trackFile = track;
  setup.laps = 1;
  setup.startDate = 46367.5;
  setup.grid = GridMode::Manual;
  SetupTeam team{"Team One", "", 0x2020C0u, {}};
  team.drivers.push_back({"Ann Able", "", 0x00FF00u, ""});
  team.drivers.push_back({"Bo Baker", "", 0x0000FFu, ""});
  setup.teams.push_back(team);
  return setup;
}

struct WindowFixture {
  QTemporaryDir dir;
  std::unique_ptr<QtSettingsStore> settings;
  FolderTree folders{TARMAQ_DATA};
  SeededRandom random{7};
  std::unique_ptr<MainWindow> window;
  std::vector<Message> asked;

  WindowFixture() {
    settings = std::make_unique<QtSettingsStore>(dir.filePath("tarmaq.ini"));
    open();
  }
  void open() {
    window = std::make_unique<MainWindow>(ShellServices{settings.get(), &folders, &random});
    window->game().options.autoSave = false;
    window->game().options.showDieAnim = false;
    window->frontend().dieFrameMs = 0;
    window->frontend().answerHook = [this](const Message& m) {
      asked.push_back(m);
      return m.buttons == MessageButtons::YesNo ? Answer::No : Answer::Ok;
    };
  }
  void newGame(const std::string& track = "BrackwoodRing.trk") {
    window->run([&](Game& g) { buildNewGame(g, twoCarSetup(track)); });
  }
};

}  // namespace tarmaq::testing
