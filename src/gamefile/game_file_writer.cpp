#include "gamefile/game_file_writer.h"

#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>
#include <system_error>

#include "engine/dates.h"
#include "engine/game_state.h"
#include "gamefile/game_file_header.h"
#include "gamefile/value_format.h"

namespace tarmaq {

namespace {

class Lines {
 public:
  void add(const std::string& line) {
    out_ += line;
    out_ += "\r\n";
  }
  void integer(long long v) { add(formatInteger(v)); }
  void single(float v) { add(formatSingle(v)); }
  void string(const std::string& s) { add(formatString(s)); }
  std::string take() { return std::move(out_); }

 private:
  std::string out_;
};

bool endsWith(const std::string& s, const char* suffix) {
  const std::string tail(suffix);
  return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::string generalDate(double date, const std::locale& locale) {
  const std::tm t = localFromDate(date);
  std::ostringstream out;
  out.imbue(locale);
  out << std::put_time(&t, "%x %X");
  return out.str();
}

void writeCar(Lines& f, const Game& game, const Car& car) {
  f.string("Team:" + car.teamName);
  f.string(car.teamPicture);
  f.string("Driver:" + car.driverName);
  f.string(car.driverPicture);
  if (game.gameType == 1) f.string(car.eMail);
  f.integer(car.color[0]);
  f.integer(car.color[1]);
  f.integer(car.pitSpace);
  f.integer(car.lap);
  f.single(car.pos);
  for (int v : {car.segment, car.stops, car.clsnFlag, car.engnFlag, car.tireType, car.tires,
                car.brakes, car.fuel, car.body, car.engine, car.roadHold, car.repair, car.gear,
                car.location, car.status, car.startGrid})
    f.integer(v);
  f.single(car.speed);
  for (int lap = 1; lap <= game.laps; ++lap) {
    const auto i = static_cast<std::size_t>(lap);
    f.integer(i < car.lapLength.size() ? car.lapLength[i] : 0);
    f.single(i < car.totalSpeed.size() ? car.totalSpeed[i] : 0);
    f.single(i < car.avgSpeed.size() ? car.avgSpeed[i] : 0);
  }
  f.single(car.displaySpeed);
  f.single(car.spacesPerRound);
  for (int v : {car.lastRoundPos, car.possCollCaused, car.possCollVictim, car.roundsLed})
    f.integer(v);
}

}  // namespace

bool keepStepEntry(const Game& game, std::size_t r, std::size_t i) {
  const auto& round = game.gameLogArray[r];
  const std::string& e = round[i];
  if (!e.empty() && !endsWith(e, "WAIT")) return true;
  if (r + 1 == game.gameLogArray.size() && i + 1 == round.size()) return true;
  return i + 2 == round.size() && round.back().compare(0, 4, "MAIL") == 0;
}

std::string writeGameFile(const Game& game, const std::locale& locale) {
  Lines f;
  for (const char* line : GameFileHeaderLines) f.add(line);
  f.add(std::string("Version ") + TARMAQ_VERSION);
  f.add("\"" + generalDate(game.startDate, locale) + "\"");
  f.single(static_cast<float>(game.startDate));
  f.integer(game.gameType);
  f.string(game.classFile);
  f.integer(game.laps);
  f.string(game.trackFile);
  f.string(game.trackVersion);
  for (int v : game.rules.values()) f.integer(v);
  for (const Car& car : game.cars) writeCar(f, game, car);

  f.add("Game Positions");
  for (int i = 0; i < game.carCount(); ++i) f.integer(game.carAtPosition(i));
  f.add("Game State");
  f.integer(game.currPos);
  f.integer(game.currCar);
  for (int r : game.results) f.integer(r);
  f.integer(game.trapCar);
  f.single(game.trapSpeed);
  f.integer(game.leadChange);
  f.add("Moves()");
  if (game.moves.empty()) f.integer(0);
  for (int m : game.moves) f.integer(m);
  f.add("Snapshot");
  const Snapshot& s = game.snapshot;
  f.integer(s.move);
  for (int used : s.laneUsed) f.integer(used);
  for (int v : {s.segment, s.stops, s.lap, s.clsn, s.tires, s.brakes, s.fuel, s.engine, s.gear,
                s.slipstream})
    f.integer(v);

  f.add("GameLog Array");
  for (std::size_t r = 0; r < game.gameLogArray.size(); ++r)
    for (std::size_t i = 0; i < game.gameLogArray[r].size(); ++i)
      if (keepStepEntry(game, r, i)) f.string(game.gameLogArray[r][i]);

  f.add("GameLog Grid");
  for (const LogRow& row : game.log.rows) {
    const std::size_t first = row.text.find_first_not_of(' ');
    if (first != std::string::npos && row.text.compare(first, 7, "Waiting") == 0) continue;
    f.add(std::to_string(row.entryType) + "," + std::to_string(row.icon) + "," +
          (row.bold ? "-1" : "0") + "," + std::to_string(row.color) + "," + quotedText(row.text));
  }
  return f.take();
}

bool gameFileSave(Game& game, const std::filesystem::path& path, std::string* error) {
  auto fail = [&](const std::string& why) {
    if (error) *error = why;
    return false;
  };
  if (path.empty()) return fail("no file name");
  const std::string text = writeGameFile(game);
  std::filesystem::path temp = path;
  temp += ".saving";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    if (!out) return fail("cannot create " + temp.string());
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      std::filesystem::remove(temp, ignored);
      return fail("cannot write " + temp.string());
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::filesystem::remove(temp, ec);
    return fail("cannot replace " + path.string());
  }
  if (!endsWith(path.string(), AutoSaveName)) setGameChanged(game, false);
  game.controls.recentGamesStale = true;
  game.controls.windowTitleStale = true;
  return true;
}

}  // namespace tarmaq
