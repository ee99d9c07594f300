#include "setup/new_game.h"

#include "engine/folders.h"
#include "engine/game_state.h"
#include "engine/load_race_class.h"
#include "engine/race_start.h"
#include "engine/turn_controller.h"
#include "log/race_header.h"
#include "log/standings.h"
#include "track/track_loader.h"

namespace tarmaq {

PitAssignment pitAssignment(const std::vector<SetupTeam>& teams, const std::vector<int>& rowTeam,
                            const std::vector<int>& switchedRows) {
  PitAssignment a;
  a.colors.fill(0xC0C0C0);
  const int rows = static_cast<int>(rowTeam.size() < 10 ? rowTeam.size() : 10);
  auto teamOfRow = [&](int row) -> const SetupTeam* {
    const int t = rowTeam[static_cast<std::size_t>(row)];
    return t >= 0 && t < static_cast<int>(teams.size()) ? &teams[static_cast<std::size_t>(t)]
                                                        : nullptr;
  };
  // The pit of each team's drivers: its row for both, unless the pair's second row is
  // free and both drivers take part: then one driver on each row of the pair.
  std::vector<std::array<int, 2>> driverRow(teams.size(), {0, 0});
  for (int row = 0; row < rows; ++row) {
    const int t = rowTeam[static_cast<std::size_t>(row)];
    if (t >= 0 && t < static_cast<int>(teams.size()))
      driverRow[static_cast<std::size_t>(t)] = {row, row};
  }
  for (int j = 0; j < 5 && j < rows; ++j) {
    const SetupTeam* team = teamOfRow(j);
    if (!team) continue;
    a.colors[static_cast<std::size_t>(j)] = team->color;
    a.colors[static_cast<std::size_t>(j + 5)] = team->color;
    if (team->bothDriversOfTheTeam() && j + 5 >= rows) {
      bool switched = false;
      for (int r : switchedRows) switched |= r == j;
      driverRow[static_cast<std::size_t>(rowTeam[static_cast<std::size_t>(j)])] =
          switched ? std::array<int, 2>{j + 5, j} : std::array<int, 2>{j, j + 5};
    }
  }
  for (int j = 5; j < rows; ++j)
    if (const SetupTeam* team = teamOfRow(j)) a.colors[static_cast<std::size_t>(j)] = team->color;
  for (std::size_t t = 0; t < teams.size(); ++t)
    for (std::size_t d = 0; d < teams[t].drivers.size() && d < 2; ++d)
      a.pitSpace.push_back(driverRow[t][d]);
  return a;
}

PitAssignment defaultPitAssignment(const std::vector<SetupTeam>& teams,
                                   const std::vector<int>& switchedRows) {
  std::vector<int> rowTeam;
  for (std::size_t t = 0; t < teams.size() && t < 10; ++t) rowTeam.push_back(static_cast<int>(t));
  return pitAssignment(teams, rowTeam, switchedRows);
}

Rules rulesForLaps(Rules rules, int laps) {
  if (laps == 1) {
    rules[Rule::TirePitStops] = 0;
    rules[Rule::FullPitStops] = 0;
  }
  return rules;
}

bool getNewGameInfo(Game& game, const NewGameSetup& setup) {
  game.gameFileName.clear();
  initializeVariables(game);
  game.startDate = setup.startDate;
  game.gameType = setup.gameType;
  const bool mail = setup.gameType == 1;
  game.controls.toolbar.setVisible("MailSeparator", mail);
  game.controls.toolbar.setVisible(control::SendMailButton, mail);

  game.classFile = setup.classFile;
  if (!loadRaceClass(game, setup.classFile)) return false;
  game.laps = setup.laps;
  game.trackFile = setup.trackFile;

  const int laps = game.laps >= 1 && game.laps <= 3 ? game.laps : 1;
  const WearPoints& wear = game.raceClass.classWear[static_cast<std::size_t>(laps - 1)];
  const PitAssignment pits =
      setup.pitRowTeam.empty()
          ? defaultPitAssignment(setup.teams, setup.switchedPitRows)
          : pitAssignment(setup.teams, setup.pitRowTeam, setup.switchedPitRows);
  for (const SetupTeam& team : setup.teams) {
    for (const SetupDriver& driver : team.drivers) {
      if (game.carCount() == MaxCars) break;
      Car car;
      applyClassWear(car, wear);
      car.tireType = 1;
      car.lapLength.assign(static_cast<std::size_t>(game.laps) + 1, 0);
      car.totalSpeed.assign(static_cast<std::size_t>(game.laps) + 1, 0);
      car.avgSpeed.assign(static_cast<std::size_t>(game.laps) + 1, 0);
      car.teamName = team.name;
      car.teamPicture = team.picture;
      car.driverName = driver.name;
      car.driverPicture = driver.picture;
      car.color = {team.color, driver.color};
      const auto c = static_cast<std::size_t>(game.carCount());
      car.pitSpace = c < pits.pitSpace.size() ? pits.pitSpace[c] : 0;
      if (mail) car.eMail = driver.eMail == "(Local)" ? setup.localEMail : driver.eMail;
      game.teamPictures.push_back(team.picture);
      game.driverPictures.push_back(driver.picture);
      game.cars.push_back(std::move(car));
    }
  }
  game.positions.assign(game.cars.size(), 0);
  for (std::size_t i = 0; i < game.positions.size(); ++i) game.positions[i] = static_cast<int>(i);
  game.pitColors = pits.colors;
  game.rules = rulesForLaps(setup.rules, game.laps);
  return true;
}

bool newGameRound0(Game& game, const NewGameSetup& setup) {
  const std::filesystem::path track = game.services.folders
                                          ? game.services.folders->tracks() / game.trackFile
                                          : std::filesystem::path(game.trackFile);
  if (!loadTrack(game, track)) return false;
  writeRaceHeader(game);
  auto& c = game.controls;
  if (setup.grid != GridMode::Roll) {
    static const char* const lines[] = {"", "Starting grid positions set manually",
                                        "Starting grid positions set randomly",
                                        "Starting grid positions loaded from disk"};
    writeToGameLog(game, 0, 8, lines[static_cast<int>(setup.grid)], false, LogBlack);
    // The grid by position; anything but each car once falls back to car order.
    std::vector<int> order = setup.gridOrder;
    std::vector<int> seen(game.cars.size(), 0);
    bool valid = order.size() == game.cars.size();
    for (int car : order)
      valid = valid && car >= 0 && car < game.carCount() && !seen[static_cast<std::size_t>(car)]++;
    if (valid) game.positions = order;
    refreshStandingsColumns(game);
    c.gameInfoPanelVisible = true;
    c.diePanel.visible = true;
    startRace(game);
    return true;
  }
  writeToGameLog(game, 0, 8, "Players roll for starting grid positions", false, LogBlack);
  refreshStandingsColumns(game);
  c.gameInfoPanelVisible = true;
  game.view.visible = true;
  c.scrollBarsVisible = false;
  refreshWindowTitle(game);
  c.diePanel.visible = true;
  c.logViewActive = true;
  for (Car& car : game.cars) car.location = 0;  // no grid roll yet
  beginGridRolls(game);
  c.driverCard.visible = true;
  return true;
}

bool buildNewGame(Game& game, const NewGameSetup& setup) {
  return getNewGameInfo(game, setup) && newGameRound0(game, setup);
}

}  // namespace tarmaq
