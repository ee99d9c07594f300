#include "gamefile/game_file_open.h"

#include "engine/die_panel.h"
#include "engine/folders.h"
#include "engine/frontend.h"
#include "engine/game_state.h"
#include "engine/load_race_class.h"
#include "engine/turn_controller.h"
#include "gamefile/item_reader.h"
#include "gamefile/saved_game.h"
#include "log/game_log_rounds.h"
#include "movement/driver_card.h"
#include "movement/planned_move.h"
#include "track/track_loader.h"
#include "view/navigation.h"

namespace tarmaq {

namespace {

inline constexpr std::size_t MaxGameFileBytes = 16u << 20;

void tell(Game& game, const std::string& title, const std::string& text, MessageIcon icon) {
  if (game.services.frontend)
    game.services.frontend->ask(Message{title, text, icon, MessageButtons::Ok});
}

OpenResult damaged(Game& game, const std::filesystem::path& path, const std::string& why) {
  tell(game, "Game File Damaged",
       "The game file you specified:\r\n" + path.string() + "\r\ncould not be loaded: " + why + ".",
       MessageIcon::Error);
  return OpenResult::Damaged;
}

bool newer(const std::array<int, 3>& file, const std::array<int, 3>& program, int upTo) {
  for (int k = 0; k < upTo; ++k) {
    if (file[static_cast<std::size_t>(k)] != program[static_cast<std::size_t>(k)])
      return file[static_cast<std::size_t>(k)] > program[static_cast<std::size_t>(k)];
  }
  return false;
}

void versionWarnings(Game& game, const SavedGame& saved, const Track& track) {
  const auto file = versionNumbers(saved.versionLine);
  const auto program = versionNumbers(std::string("Version ") + TARMAQ_VERSION);
  const std::string site = ProjectHomePage;
  if (file[0] > program[0]) {
    tell(game, "Version Warning",
         "Your version of Tarmaq is older than the one used to create this\r\n"
         "save game. You will most likely experience gameplay problems and\r\n"
         "should download the newest version immediately from:\r\n" +
             site,
         MessageIcon::Error);
  } else if (newer(file, program, 3)) {
    tell(game, "Version Warning",
         "Your version of Tarmaq is slightly older than the one used to\r\n"
         "create this save game. If you experience gameplay problems\r\n"
         "you should download the newest version immediately from:\r\n" +
             site,
         MessageIcon::Warning);
  }
  const auto savedTrack = parseNumber(saved.trackVersion);
  const auto loadedTrack = parseNumber(track.info.version);
  if (savedTrack && *savedTrack > (loadedTrack ? *loadedTrack : 0.0))
    tell(game, "Version Warning",
         "Your version of the track file:\r\n" + saved.trackFile +
             "\r\nis older than the one used to create this save game.\r\n"
             "You will most likely experience gameplay problems and\r\n"
             "should download the newest Tarmaq version immediately from:\r\n" +
             site,
         MessageIcon::Error);
}

// The timer of a result pause, for a game saved during one; nothing for a step that is
// re-run as it stands.
std::optional<TimerId> pauseOf(const Game& game, const std::string& step) {
  const std::string kind = step.substr(0, 9);
  if (kind == "ROLL POSN") return TimerId::GridRoll;
  if (kind == "ROLL STRT") {
    const Car* car = game.car(game.currCar);
    if (car && car->status == Stalled) return TimerId::BadStart;
    if (car && car->status == FlyingStart) return TimerId::FlyingStart;
    return TimerId::NormalStart;
  }
  if (kind == "ROLL CLSN" || kind == "WEAR BODY") return TimerId::CollisionRoll;
  if (kind == "ROLL ENGN" || kind == "WEAR ENGN") return TimerId::EngineRoll;
  if (kind == "ROLL ROAD" || kind == "WEAR ROAD") return TimerId::RoadHoldingRoll;
  if (kind == "ROLL PITS") {
    const int v = trailingNumber(step, step.size() > 10 ? step.size() - 10 : 0);
    return v <= game.rules[Rule::FastPitRoll] ? TimerId::PitStopQuick : TimerId::PitStopSlow;
  }
  if (step.compare(0, 5, "STAT ") == 0)
    return trailingNumber(step, 2) == RetiredEngine ? TimerId::EngineRoll : TimerId::CollisionRoll;
  return std::nullopt;
}

// The value of the last roll of the current round ("ROLL CLSN 11" gives "11").
std::string lastRolledValue(const Game& game) {
  if (game.currRound < 0 || game.currRound >= static_cast<int>(game.gameLogArray.size())) return {};
  const auto& round = game.gameLogArray[static_cast<std::size_t>(game.currRound)];
  for (auto it = round.rbegin(); it != round.rend(); ++it)
    if (it->size() > 10 && it->compare(0, 5, "ROLL ") == 0 && !endsWith(*it, "WAIT") &&
        !endsWith(*it, "AUTO"))
      return it->substr(10);
  return {};
}

void resume(Game& game) {
  const std::string* current = game.currentStep();
  if (!current) return;
  const std::string step = *current;
  if (endsWith(step, "WAIT") || step == "SHOW RSLT") {
    advanceGame(game, step);
    return;
  }
  if (auto timer = pauseOf(game, step)) {
    // The die shows the roll whose result pause this is: the event die with the value
    // of the round's last roll.
    setDie(game, 0);
    auto& die = game.controls.diePanel;
    die.valueText = lastRolledValue(game);
    die.valueVisible = true;
    startTimer(game, *timer, ResultPauseMs);
    return;
  }
  advanceGame(game, step);
}

void install(Game& game, SavedGame saved, Game& scratch) {
  initializeVariables(game);
  game.raceClass = std::move(scratch.raceClass);
  game.controls.driverCard.gears = scratch.controls.driverCard.gears;
  game.track = std::move(scratch.track);
  game.view.hScroll = scratch.view.hScroll;
  game.view.vScroll = scratch.view.vScroll;
  game.view.applyHorizontalValue();
  game.view.applyVerticalValue();
  game.controls.panelBackColor = scratch.controls.panelBackColor;
  game.controls.panelTextColor = scratch.controls.panelTextColor;

  game.startDate = saved.startDate;
  game.gameType = saved.gameType;
  game.classFile = saved.classFile;
  game.laps = saved.laps;
  game.trackFile = saved.trackFile;
  game.trackVersion = saved.trackVersion;
  game.rules = saved.rules;
  game.cars = std::move(saved.cars);
  for (const Car& car : game.cars) {
    if (car.pitSpace >= 0 && car.pitSpace < 10)
      game.pitColors[static_cast<std::size_t>(car.pitSpace)] = car.color[0];
    game.teamPictures.push_back(car.teamPicture);
    game.driverPictures.push_back(car.driverPicture);
  }
  game.positions = std::move(saved.positions);
  game.currPos = saved.currPos;
  game.currCar = saved.currCar;
  game.results = saved.results;
  game.trapCar = saved.trapCar;
  game.trapSpeed = saved.trapSpeed;
  game.leadChange = saved.leadChange;
  game.moves = std::move(saved.moves);
  game.snapshot = saved.snapshot;
  game.gameLogArray = std::move(saved.gameLogArray);
  game.currRound = static_cast<int>(game.gameLogArray.size()) - 1;
  game.currStep = static_cast<int>(game.gameLogArray.back().size()) - 1;
  game.log.rows = std::move(saved.logRows);
  if (game.log.rows.empty()) game.log.rows.emplace_back();
  for (LogRow& row : game.log.rows) {
    row.height = LogRowHeight;
    row.pictureShown = row.icon > 0;
  }
  refreshGameLogGrid(game);
}

}  // namespace

OpenResult gameFileOpen(Game& game, const std::filesystem::path& path) {
  auto bytes = readFileBytes(path, MaxGameFileBytes);
  if (!bytes) {
    tell(game, "Game File Not Found",
         "The game file you specified:\r\n" + path.string() +
             "\r\ncould not be found. Please check the file location and try again",
         MessageIcon::Error);
    return OpenResult::NotFound;
  }
  auto head = parseSavedGameHead(*bytes);
  if (!head) return damaged(game, path, "it holds no game");
  if (!isPlainFileName(head->classFile)) return damaged(game, path, "its class is not a file name");
  if (!isPlainFileName(head->trackFile))
    return damaged(game, path, "its circuit is not a file name");
  if (head->laps < 1 || head->laps > 3)
    return damaged(game, path, "its race length is not 1 to 3 laps");

  // The class and the circuit are read aside first: when one is missing, the critical
  // error comes while the current game is still whole.
  Game scratch;
  scratch.services = game.services;
  scratch.services.followUps = nullptr;
  if (!loadRaceClass(scratch, head->classFile)) return OpenResult::CriticalError;
  scratch.rules = head->rules;
  scratch.trackFile = head->trackFile;
  const std::filesystem::path trackPath = game.services.folders
                                              ? game.services.folders->tracks() / head->trackFile
                                              : std::filesystem::path(head->trackFile);
  if (!loadTrack(scratch, trackPath)) return OpenResult::CriticalError;

  Car carTemplate;
  applyClassWear(carTemplate,
                 scratch.raceClass.classWear[static_cast<std::size_t>(head->laps - 1)]);
  SavedGameParse parsed = parseSavedGame(*bytes, carTemplate);
  if (!parsed.game) return damaged(game, path, parsed.damage);
  const std::string problem = checkSavedGame(*parsed.game, scratch.track);
  if (!problem.empty()) return damaged(game, path, problem);
  versionWarnings(game, *parsed.game, scratch.track);

  install(game, std::move(*parsed.game), scratch);
  game.gameFileName = path.string();

  if (game.gameType == 1) {
    bool localCar = false;
    for (const Car& car : game.cars) localCar |= sameAddress(car.eMail, game.options.localEMail);
    if (!localCar && game.services.frontend) {
      std::vector<std::string> addresses;
      for (const Car& car : game.cars) addresses.push_back(car.eMail);
      const int chosen = game.services.frontend->selectLocalEMail(addresses);
      if (chosen >= 0 && chosen < static_cast<int>(addresses.size())) {
        game.options.localEMail = addresses[static_cast<std::size_t>(chosen)];
        if (game.services.settings)
          game.services.settings->setValue("Settings", "LocalEMail", game.options.localEMail);
      }
    }
  }
  setGameChanged(game, false);
  game.controls.recentGamesStale = true;
  game.controls.menu.setEnabled(control::TrackInfoMenu, true);
  game.controls.toolbar.setEnabled(control::SendMailButton, !game.options.autoMail &&
                                                                game.gameType == 1 &&
                                                                activeCarIsRemote(game));
  game.view.visible = true;
  game.controls.scrollBarsVisible = game.options.scrollBars;
  centerCar(game, game.currCar);
  game.controls.standingsStale = true;
  game.controls.startingGridStale = true;
  game.controls.gameInfoPanelVisible = true;
  showTurn(game, game.currCar);
  game.controls.driverCard.visible = true;
  const std::string* current = game.currentStep();
  const std::optional<std::string> step =
      current ? std::optional<std::string>(*current) : std::nullopt;
  if (step && *step == "MOVE WAIT" && game.snapshot.move >= 1) {
    auto& die = game.controls.diePanel;
    die.valueText = std::to_string(plannedRemainingCount(game));
    die.valueVisible = true;
    showPlannedWear(game);
  }
  if (game.options.carBlink) startTimer(game, TimerId::CarBlink, 500);
  resume(game);
  // The waiting line that resuming writes again is not a change of the game: a game
  // loaded and left as it was is not "unsaved".
  const std::string* now = game.currentStep();
  if (now && step && *now == *step && endsWith(*now, "WAIT")) setGameChanged(game, false);
  return OpenResult::Opened;
}

}  // namespace tarmaq
