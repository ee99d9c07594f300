#include "gamefile/saved_game.h"

#include <algorithm>
#include <cctype>

#include "gamefile/item_reader.h"
#include "track/track_model.h"

namespace tarmaq {

namespace {

class Fields {
 public:
  explicit Fields(std::string_view text) : in_(decodeText(text)) {}

  bool atEnd() const { return in_.atEnd(); }
  std::optional<std::string> string() { return in_.readString(); }

  // A number field: on a failed conversion the field is passed over and the value
  // kept, so one bad field never shifts the ones after it.
  void integer(int& target) {
    if (auto v = in_.readInt16())
      target = *v;
    else
      in_.readString();
  }
  void longInteger(std::uint32_t& target) {
    auto saved = in_.readNumber();
    if (saved) {
      // Colours are written as signed or unsigned 32-bit numbers.
      if (*saved >= -2147483648.0 && *saved <= 4294967295.0)
        target = static_cast<std::uint32_t>(static_cast<long long>(*saved));
    } else {
      in_.readString();
    }
  }
  void single(float& target) {
    if (auto v = in_.readSingle())
      target = *v;
    else
      in_.readString();
  }
  void flag(int& target) {
    int v = target;
    integer(v);
    target = v != 0 ? True : False;
  }
  void skipComments() { in_.skipComments(); }

 private:
  ItemReader in_;
};

bool startsWith(const std::string& s, std::string_view prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

std::optional<SavedGameHead> readHead(Fields& f) {
  SavedGameHead h;
  f.skipComments();
  auto version = f.string();
  if (!version) return std::nullopt;
  h.versionLine = *version;
  return h;
}

bool readHeadValues(Fields& f, SavedGameHead& h, double& startDate) {
  if (!f.string()) return false;  // the informative date text
  float date = 0;
  f.single(date);
  startDate = date;
  f.integer(h.gameType);
  auto classFile = f.string();
  if (!classFile) return false;
  h.classFile = *classFile;
  f.integer(h.laps);
  auto trackFile = f.string();
  auto trackVersion = f.string();
  if (!trackFile || !trackVersion) return false;
  h.trackFile = *trackFile;
  h.trackVersion = *trackVersion;
  for (int& v : h.rules.values()) f.integer(v);
  return !f.atEnd();
}

bool readCar(Fields& f, const SavedGameHead& h, Car& car) {
  auto teamPicture = f.string();
  auto driver = f.string();
  auto driverPicture = f.string();
  if (!teamPicture || !driver || !driverPicture) return false;
  car.teamPicture = *teamPicture;
  car.driverName = driver->size() > 7 ? driver->substr(7) : std::string();
  car.driverPicture = *driverPicture;
  if (h.gameType == 1) {
    auto mail = f.string();
    if (!mail) return false;
    car.eMail = *mail;
  }
  f.longInteger(car.color[0]);
  f.longInteger(car.color[1]);
  f.integer(car.pitSpace);
  f.integer(car.lap);
  f.single(car.pos);
  f.integer(car.segment);
  f.integer(car.stops);
  f.flag(car.clsnFlag);
  f.flag(car.engnFlag);
  for (int* field :
       {&car.tireType, &car.tires, &car.brakes, &car.fuel, &car.body, &car.engine, &car.roadHold,
        &car.repair, &car.gear, &car.location, &car.status, &car.startGrid})
    f.integer(*field);
  f.single(car.speed);
  const auto laps = static_cast<std::size_t>(h.laps) + 1;
  car.lapLength.assign(laps, 0);
  car.totalSpeed.assign(laps, 0);
  car.avgSpeed.assign(laps, 0);
  for (std::size_t lap = 1; lap < laps; ++lap) {
    f.integer(car.lapLength[lap]);
    f.single(car.totalSpeed[lap]);
    f.single(car.avgSpeed[lap]);
  }
  f.single(car.displaySpeed);
  f.single(car.spacesPerRound);
  for (int* field : {&car.lastRoundPos, &car.possCollCaused, &car.possCollVictim, &car.roundsLed})
    f.integer(*field);
  return true;
}

bool expectMarker(Fields& f, std::string_view marker) {
  auto field = f.string();
  return field && *field == marker;
}

}  // namespace

std::optional<SavedGameHead> parseSavedGameHead(std::string_view text) {
  Fields f(text);
  auto head = readHead(f);
  if (!head) return std::nullopt;
  double date = 0;
  if (!readHeadValues(f, *head, date)) return std::nullopt;
  return head;
}

SavedGameParse parseSavedGame(std::string_view text, const Car& carTemplate) {
  SavedGameParse result;
  auto damaged = [&](std::string why) {
    result.game.reset();
    result.damage = std::move(why);
    return result;
  };
  Fields f(text);
  auto head = readHead(f);
  if (!head) return damaged("it holds no game");
  SavedGame g;
  if (!readHeadValues(f, *head, g.startDate)) return damaged("it ends before the first car");
  if (head->laps < 1 || head->laps > 3) return damaged("its race length is not 1 to 3 laps");
  g.versionLine = head->versionLine;
  g.gameType = head->gameType;
  g.classFile = head->classFile;
  g.laps = head->laps;
  g.trackFile = head->trackFile;
  g.trackVersion = head->trackVersion;
  g.rules = head->rules;

  auto field = f.string();
  while (field && startsWith(*field, "Team")) {
    if (g.cars.size() == MaxCars) return damaged("it holds more than 20 cars");
    Car car = carTemplate;
    car.teamName = field->size() > 5 ? field->substr(5) : std::string();
    if (!readCar(f, *head, car)) return damaged("it ends inside a car");
    g.cars.push_back(std::move(car));
    field = f.string();
  }
  if (!field || *field != "Game Positions") return damaged("the running order is missing");
  if (g.cars.empty()) return damaged("it holds no car");
  g.positions.assign(g.cars.size(), -1);
  for (int& p : g.positions) f.integer(p);
  if (!expectMarker(f, "Game State")) return damaged("the game state is missing");
  f.integer(g.currPos);
  f.integer(g.currCar);
  for (int& r : g.results) f.integer(r);
  f.integer(g.trapCar);
  f.single(g.trapSpeed);
  f.integer(g.leadChange);
  if (!expectMarker(f, "Moves()")) return damaged("the move is missing");
  for (field = f.string(); field && *field != "Snapshot"; field = f.string()) {
    auto number = parseNumber(*field);
    auto location = number ? roundToInteger(*number, -32768, 32767) : std::nullopt;
    g.moves.push_back(location ? static_cast<int>(*location) : 0);
  }
  if (!field) return damaged("the snapshot is missing");
  if (g.moves.empty()) g.moves.push_back(0);
  Snapshot& s = g.snapshot;
  f.integer(s.move);
  for (int& used : s.laneUsed) f.flag(used);
  // Only the lane flags are truth values; the slipstream mark is the number 1 the
  // planning wrote, which later rules compare with.
  for (int* v : {&s.segment, &s.stops, &s.lap, &s.clsn, &s.tires, &s.brakes, &s.fuel, &s.engine,
                 &s.gear, &s.slipstream})
    f.integer(*v);
  if (!expectMarker(f, "GameLog Array")) return damaged("the step list is missing");
  g.gameLogArray.emplace_back();
  for (field = f.string(); field && *field != "GameLog Grid"; field = f.string()) {
    if (startsWith(*field, "ROUN")) g.gameLogArray.emplace_back();
    if (startsWith(*field, "MAIL SENT")) continue;
    g.gameLogArray.back().push_back(*field);
  }
  if (!field) return damaged("the game log is missing");
  if (g.gameLogArray.back().empty() || g.gameLogArray.back().back().empty())
    return damaged("it has no step to resume at");

  while (!f.atEnd()) {
    LogRow row;
    f.integer(row.entryType);
    f.integer(row.icon);
    int bold = 0;
    f.integer(bold);
    row.bold = bold != 0;
    f.longInteger(row.color);
    auto rowText = f.string();
    row.text = rowText ? *rowText : std::string();
    if (row.icon < 0 || row.icon > 43) row.icon = 0;
    g.logRows.push_back(std::move(row));
  }
  // A blank line at the end of the file is not a row.
  if (!g.logRows.empty() && g.logRows.back().text.empty() && g.logRows.size() > 1)
    g.logRows.pop_back();
  result.game = std::move(g);
  return result;
}

std::string checkSavedGame(const SavedGame& g, const Track& track) {
  const int n = static_cast<int>(g.cars.size());
  std::vector<int> seen(g.cars.size(), 0);
  for (int p : g.positions) {
    if (p < 0 || p >= n || seen[static_cast<std::size_t>(p)]++)
      return "the running order is not valid";
  }
  if (g.currPos < 0 || g.currPos > n) return "the current position is not valid";
  if (g.currCar < 0 || g.currCar >= n) return "the current car is not valid";
  std::vector<int> results(g.cars.size(), 0);
  for (int r : g.results) {
    if (r == -1) continue;
    if (r < 0 || r >= n || results[static_cast<std::size_t>(r)]++)
      return "the results are not valid";
  }
  const bool gridRolls = g.gameLogArray.size() == 1;
  for (const Car& car : g.cars) {
    if (car.location == OffTrack || track.space(car.location)) continue;
    if (gridRolls && car.location >= 0 && car.location <= 20) continue;
    return "a car stands where the circuit has no space";
  }
  for (int m : g.moves)
    if (m != 0 && !track.space(m)) return "the move leaves the circuit";
  return {};
}

bool isPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return std::none_of(name.begin(), name.end(), [](char c) {
    return c == '/' || c == '\\' || c == ':' || static_cast<unsigned char>(c) < 0x20;
  });
}

std::array<int, 3> versionNumbers(std::string_view line) {
  std::array<int, 3> v{0, 0, 0};
  std::size_t i = 0;
  while (i < line.size() && !std::isdigit(static_cast<unsigned char>(line[i]))) ++i;
  for (std::size_t k = 0; k < 3 && i < line.size(); ++k) {
    long value = 0;
    while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i]))) {
      if (value < 100000) value = value * 10 + (line[i] - '0');
      ++i;
    }
    v[k] = static_cast<int>(value);
    if (i >= line.size() || line[i] != '.') break;
    ++i;
  }
  return v;
}

}  // namespace tarmaq
