#include "setup/new_game_dialog.h"

#include <algorithm>

#include "engine/folders.h"
#include "engine/race_class.h"
#include "engine/random_source.h"
#include "engine/settings_store.h"
#include "gamefile/item_reader.h"
#include "setup/team_list.h"

namespace tarmaq {

namespace {

std::vector<std::filesystem::path> filesWithExtension(const std::filesystem::path& folder,
                                                      const char* extension) {
  std::vector<std::filesystem::path> files;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ec))
    if (entry.is_regular_file(ec) && entry.path().extension() == extension)
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::optional<std::string> circuitName(const std::filesystem::path& file) {
  auto reader = ItemReader::open(file);
  if (!reader) return std::nullopt;
  reader->skipComments();
  return reader->readString();
}

}  // namespace

int circuitGridPlaces(const std::filesystem::path& trackFile) {
  auto reader = ItemReader::open(trackFile);
  if (!reader) return 0;
  for (int guard = 0; guard < 64; ++guard) {
    auto item = reader->readString();
    if (!item) return 0;
    if (*item == "Start Positions") break;
  }
  int places = 0;
  for (int k = 0; k < 40; ++k) {
    auto v = reader->readNumber(true);
    if (!v) break;
    if (*v != -1) ++places;
  }
  return places;
}

NewGameDialog NewGameDialog::open(const Folders& folders, const SettingsStore& settings,
                                  bool eMailGames) {
  NewGameDialog d;
  d.gameTypes = {"Local"};
  if (eMailGames) d.gameTypes.push_back("E-Mail");
  for (const auto& file : filesWithExtension(folders.classes(), ".cls"))
    d.classes.push_back(
        {readClassTitle(file).value_or(file.filename().string()), file.filename().string()});
  for (const auto& file : filesWithExtension(folders.tracks(), ".trk")) {
    d.circuits.push_back(
        {circuitName(file).value_or(file.filename().string()), file.filename().string()});
    d.circuitPlaces.push_back(circuitGridPlaces(file));
  }
  d.teams = enabledTeams(folders, settings);
  d.rules = RulesDialog::load(settings);
  d.slots[0].listEnabled = true;
  d.slots[0].editEnabled = true;
  d.chooseRaceType(1);
  return d;
}

int NewGameDialog::maximumDrivers() const {
  return circuit >= 0 && circuit < static_cast<int>(circuitPlaces.size())
             ? circuitPlaces[static_cast<std::size_t>(circuit)]
             : 0;
}

std::string NewGameDialog::playersLabel() const {
  return std::to_string(maximumDrivers()) + " Players max.";
}

void NewGameDialog::chooseCircuit(int index) { circuit = index; }

void NewGameDialog::chooseRaceType(int index) {
  raceType = index;
  if (index >= 1 && index <= 3) rules.setRaceLength(index);
}

void NewGameDialog::teamSlotChanged(int s, int position, bool shifting) {
  if (s < 0 || s >= TeamSlots) return;
  TeamSlot& slot = slots[static_cast<std::size_t>(s)];
  // The driver boxes are cleared first, so a team without a second driver never keeps
  // the driver of the team the slot held before.
  for (int d = 0; d < 2; ++d) {
    if (slot.ticked[static_cast<std::size_t>(d)]) --selected;
    slot.ticked[static_cast<std::size_t>(d)] = false;
    slot.driverEnabled[static_cast<std::size_t>(d)] = false;
  }
  const int team = position - 1;
  if (team >= 0 && team < static_cast<int>(teams.size())) {
    if (!shifting)
      for (int o = 0; o < TeamSlots; ++o)
        if (o != s && slots[static_cast<std::size_t>(o)].team == team) {
          slot.team = -1;
          return;
        }
    slot.team = team;
    const Team& t = teams[static_cast<std::size_t>(team)];
    for (int d = 0; d < 2; ++d) {
      if (t.drivers[static_cast<std::size_t>(d)].name.empty()) continue;
      slot.driverEnabled[static_cast<std::size_t>(d)] = true;
      if (selected < maximumDrivers()) {
        slot.ticked[static_cast<std::size_t>(d)] = true;
        ++selected;
      }
    }
    slot.editEnabled = true;
    if (s + 1 < TeamSlots && selected < maximumDrivers())
      slots[static_cast<std::size_t>(s + 1)].listEnabled = true;
    return;
  }
  // "Not Participating": the later slots move up and close the gap.
  bool laterTeam = false;
  for (int o = s + 1; o < TeamSlots; ++o) laterTeam |= slots[static_cast<std::size_t>(o)].team >= 0;
  if (laterTeam) {
    for (int o = s; o + 1 < TeamSlots; ++o)
      teamSlotChanged(o, slots[static_cast<std::size_t>(o + 1)].team + 1, true);
    teamSlotChanged(TeamSlots - 1, 0, true);
    return;
  }
  slot.team = -1;
  slot.editEnabled = s == 0;
  if (s + 1 < TeamSlots && slots[static_cast<std::size_t>(s + 1)].team < 0)
    slots[static_cast<std::size_t>(s + 1)].listEnabled = false;
}

std::optional<Message> NewGameDialog::tickDriver(int s, int d, bool ticked) {
  if (s < 0 || s >= TeamSlots || d < 0 || d > 1) return std::nullopt;
  TeamSlot& slot = slots[static_cast<std::size_t>(s)];
  bool& box = slot.ticked[static_cast<std::size_t>(d)];
  if (!slot.driverEnabled[static_cast<std::size_t>(d)] || box == ticked) return std::nullopt;
  if (ticked && selected >= maximumDrivers())
    return Message{"Maximum Drivers Selected",
                   "The number of selected drivers is currently equal to the number of \n"
                   "starting grid spaces on the currently-selected track.\n"
                   "If you wish to include more drivers in the race, please choose a\n"
                   "track file with more starting grid spaces.",
                   MessageIcon::Warning, MessageButtons::Ok};
  box = ticked;
  selected += ticked ? 1 : -1;
  // A driver dropped makes room again: the first free slot can take a team, as it
  // could had the room been there when the slot before it was filled.
  if (!ticked && selected < maximumDrivers())
    for (int o = 1; o < TeamSlots; ++o)
      if (slots[static_cast<std::size_t>(o)].team < 0) {
        if (slots[static_cast<std::size_t>(o - 1)].team >= 0)
          slots[static_cast<std::size_t>(o)].listEnabled = true;
        break;
      }
  return std::nullopt;
}

void NewGameDialog::reloadTeams(const Folders& folders, const SettingsStore& settings) {
  struct Kept {
    std::string name;
    std::array<bool, 2> ticked;
  };
  std::vector<Kept> kept;
  for (const TeamSlot& slot : slots)
    if (slot.team >= 0 && slot.team < static_cast<int>(teams.size()))
      kept.push_back({teams[static_cast<std::size_t>(slot.team)].name, slot.ticked});
  teams = enabledTeams(folders, settings);
  for (TeamSlot& slot : slots) slot = TeamSlot{};
  selected = 0;
  slots[0].listEnabled = true;
  slots[0].editEnabled = true;
  int next = 0;
  for (const Kept& k : kept) {
    if (!chooseTeamByName(next, k.name)) continue;
    for (int d = 0; d < 2; ++d)
      if (!k.ticked[static_cast<std::size_t>(d)]) tickDriver(next, d, false);
    ++next;
  }
}

bool NewGameDialog::chooseTeamByName(int slot, const std::string& name) {
  if (slot < 0 || slot >= TeamSlots) return false;
  for (std::size_t t = 0; t < teams.size(); ++t)
    if (teams[t].name == name) {
      teamSlotChanged(slot, static_cast<int>(t) + 1);
      return slots[static_cast<std::size_t>(slot)].team == static_cast<int>(t);
    }
  return false;
}

std::vector<std::string> NewGameDialog::tickedDriverNames() const {
  std::vector<std::string> names;
  for (const TeamSlot& slot : slots) {
    if (slot.team < 0 || slot.team >= static_cast<int>(teams.size())) continue;
    for (int d = 0; d < 2; ++d)
      if (slot.ticked[static_cast<std::size_t>(d)])
        names.push_back(
            teams[static_cast<std::size_t>(slot.team)].drivers[static_cast<std::size_t>(d)].name);
  }
  return names;
}

bool NewGameDialog::okEnabled() const {
  return selected >= 1 && selected <= maximumDrivers() && raceType >= 1 && raceType <= 3;
}

NewGameSetup NewGameDialog::toSetup(const std::string& localEMail) const {
  NewGameSetup setup;
  setup.gameType = gameType;
  if (raceClass >= 0 && raceClass < static_cast<int>(classes.size()))
    setup.classFile = classes[static_cast<std::size_t>(raceClass)].file;
  setup.laps = raceType;
  if (circuit >= 0 && circuit < static_cast<int>(circuits.size()))
    setup.trackFile = circuits[static_cast<std::size_t>(circuit)].file;
  for (const TeamSlot& slot : slots) {
    if (slot.team < 0) continue;
    const Team& t = teams[static_cast<std::size_t>(slot.team)];
    SetupTeam team{t.name, t.picture, t.color, {}};
    for (int d = 0; d < 2; ++d)
      if (slot.ticked[static_cast<std::size_t>(d)])
        team.drivers.push_back({t.drivers[static_cast<std::size_t>(d)].name,
                                t.drivers[static_cast<std::size_t>(d)].picture,
                                t.drivers[static_cast<std::size_t>(d)].color, ""});
    if (!team.drivers.empty()) setup.teams.push_back(std::move(team));
  }
  setup.rules = rulesForLaps(rules.toRules(), setup.laps);
  setup.localEMail = localEMail;
  return setup;
}

PitOrderDialog::PitOrderDialog(int teams) {
  for (int t = 0; t < teams && t < 10; ++t) rowTeam.push_back(t);
}

void PitOrderDialog::chooseTeam(int row, int team) {
  if (row < 0 || row >= static_cast<int>(rowTeam.size())) return;
  for (std::size_t i = 0; i < rowTeam.size(); ++i)
    if (rowTeam[i] == team) rowTeam[i] = rowTeam[static_cast<std::size_t>(row)];
  rowTeam[static_cast<std::size_t>(row)] = team;
}

void PitOrderDialog::switchRow(int row) {
  auto it = std::find(switched.begin(), switched.end(), row);
  if (it == switched.end())
    switched.push_back(row);
  else
    switched.erase(it);
}

PitAssignment PitOrderDialog::assignment(const std::vector<SetupTeam>& teams) const {
  return pitAssignment(teams, rowTeam, switched);
}

std::vector<PitOrderDialog::Row> PitOrderDialog::rows(const std::vector<SetupTeam>& teams) const {
  std::vector<Row> out(10);
  const int shown = static_cast<int>(rowTeam.size());
  const PitAssignment a = assignment(teams);
  for (int r = 0; r < 10; ++r) {
    Row& row = out[static_cast<std::size_t>(r)];
    row.color = a.colors[static_cast<std::size_t>(r)];
    row.listShown = r < shown;
    if (r < shown) row.team = rowTeam[static_cast<std::size_t>(r)];
  }
  // With more than five teams the rows of a pair belong to two teams: no labels.
  for (int j = 0; j < 5 && j < shown; ++j) {
    if (j + 5 < shown) continue;
    const int t = rowTeam[static_cast<std::size_t>(j)];
    if (t < 0 || t >= static_cast<int>(teams.size())) continue;
    const SetupTeam& team = teams[static_cast<std::size_t>(t)];
    if (!team.bothDriversOfTheTeam()) continue;
    const bool sw = std::find(switched.begin(), switched.end(), j) != switched.end();
    out[static_cast<std::size_t>(j)].driverLabel = team.drivers[sw ? 1 : 0].name;
    out[static_cast<std::size_t>(j + 5)].driverLabel = team.drivers[sw ? 0 : 1].name;
    out[static_cast<std::size_t>(j)].switchShown = true;
  }
  return out;
}

StartingGridDialog::StartingGridDialog(int cars) {
  for (int c = 0; c < cars; ++c) order.push_back(c);
}

void StartingGridDialog::choose(int position, int car) {
  if (position < 0 || position >= static_cast<int>(order.size())) return;
  auto it = std::find(order.begin(), order.end(), car);
  if (it == order.end()) return;
  *it = order[static_cast<std::size_t>(position)];
  order[static_cast<std::size_t>(position)] = car;
  mark = GridMode::Manual;
}

void StartingGridDialog::randomize(RandomSource& random) {
  const int n = static_cast<int>(order.size());
  for (int p = 0; p < n; ++p) {
    int k = p + static_cast<int>(random.uniform() * (n - p));
    if (k >= n) k = n - 1;
    std::swap(order[static_cast<std::size_t>(p)], order[static_cast<std::size_t>(k)]);
  }
  mark = GridMode::Random;
}

}  // namespace tarmaq
