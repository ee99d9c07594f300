#include "setup/team_editor.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <system_error>

#include "engine/folders.h"
#include "engine/race_class.h"
#include "setup/team_list.h"

namespace tarmaq {

namespace {

// The part of `file` below `folder`, or nothing when it is not inside it.
std::optional<std::filesystem::path> below(const std::filesystem::path& folder,
                                           const std::filesystem::path& file) {
  std::error_code ec;
  const auto base = std::filesystem::weakly_canonical(folder, ec);
  if (ec) return std::nullopt;
  const auto full = std::filesystem::weakly_canonical(file, ec);
  if (ec) return std::nullopt;
  const auto relative = full.lexically_relative(base);
  if (relative.empty() || *relative.begin() == "..") return std::nullopt;
  return relative;
}

bool sameContents(const std::filesystem::path& a, const std::filesystem::path& b) {
  std::ifstream x(a, std::ios::binary), y(b, std::ios::binary);
  if (!x || !y) return false;
  return std::equal(std::istreambuf_iterator<char>(x), std::istreambuf_iterator<char>(),
                    std::istreambuf_iterator<char>(y), std::istreambuf_iterator<char>());
}

// A name in `folder` for a copy of `source`: its own name, unless another file has it;
// then "name-2.ext", "name-3.ext", ... A file with the same contents is reused.
std::optional<std::filesystem::path> copyTarget(const std::filesystem::path& folder,
                                                const std::filesystem::path& source) {
  std::error_code ec;
  // A team file cannot name a file whose name holds a double quote: the copy does without.
  const std::string stem = TeamEditor::typedName(source.stem().string());
  const std::string extension = source.extension().string();
  for (int n = 1; n < 1000; ++n) {
    const std::string name = n == 1 ? stem + extension : stem + "-" + std::to_string(n) + extension;
    const auto target = folder / name;
    if (!std::filesystem::exists(target, ec) || sameContents(source, target)) return target;
  }
  return std::nullopt;
}

std::string pictureName(const std::filesystem::path& relative) { return relative.generic_string(); }

}  // namespace

TeamEditor TeamEditor::open(const Team* slotTeam) {
  TeamEditor e;
  if (slotTeam) {
    e.team = *slotTeam;
    for (TeamPart p : {TeamPart::Team, TeamPart::Driver1, TeamPart::Driver2})
      e.setName(p, e.name(p));
    return e;
  }
  e.team.name = NewTeamName;
  e.team.color = NewTeamColor;
  for (TeamDriver& d : e.team.drivers) {
    d.name = NewDriverName;
    d.color = NewTeamColor;
  }
  return e;
}

std::string TeamEditor::typedName(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

void TeamEditor::setName(TeamPart part, std::string_view text) {
  std::string typed = typedName(text);
  switch (part) {
    case TeamPart::Team:
      team.name = std::move(typed);
      break;
    case TeamPart::Driver1:
      team.drivers[0].name = std::move(typed);
      break;
    case TeamPart::Driver2:
      team.drivers[1].name = std::move(typed);
      break;
  }
}

const std::string& TeamEditor::name(TeamPart part) const {
  switch (part) {
    case TeamPart::Driver1:
      return team.drivers[0].name;
    case TeamPart::Driver2:
      return team.drivers[1].name;
    default:
      return team.name;
  }
}

const std::string& TeamEditor::picture(TeamPart part) const {
  switch (part) {
    case TeamPart::Driver1:
      return team.drivers[0].picture;
    case TeamPart::Driver2:
      return team.drivers[1].picture;
    default:
      return team.picture;
  }
}

std::uint32_t TeamEditor::color(TeamPart part) const {
  switch (part) {
    case TeamPart::Driver1:
      return team.drivers[0].color;
    case TeamPart::Driver2:
      return team.drivers[1].color;
    default:
      return team.color;
  }
}

bool TeamEditor::choosePicture(TeamPart part, const std::filesystem::path& chosen,
                               const Folders& folders) {
  std::optional<std::filesystem::path> relative = below(folders.teams(), chosen);
  if (!relative) relative = below(folders.shippedTeams(), chosen);
  if (relative && typedName(relative->generic_string()) != relative->generic_string())
    relative.reset();  // a name the team file cannot hold: use a copy under one it can
  if (!relative) {
    std::error_code ec;
    std::filesystem::create_directories(folders.teams(), ec);
    const auto target = copyTarget(folders.teams(), chosen);
    if (!target) return false;
    if (!std::filesystem::exists(*target, ec) && !std::filesystem::copy_file(chosen, *target, ec))
      return false;
    relative = target->filename();
  }
  std::string name = pictureName(*relative);
  switch (part) {
    case TeamPart::Team:
      team.picture = std::move(name);
      break;
    case TeamPart::Driver1:
      team.drivers[0].picture = std::move(name);
      break;
    case TeamPart::Driver2:
      team.drivers[1].picture = std::move(name);
      break;
  }
  return true;
}

bool TeamEditor::chooseColor(TeamPart part, const AskColor& ask) {
  std::uint32_t* box = part == TeamPart::Team      ? &team.color
                       : part == TeamPart::Driver1 ? &team.drivers[0].color
                                                   : &team.drivers[1].color;
  const std::uint32_t before = *box;
  // A guard against a dialog that keeps answering the other driver's colour.
  for (int asked = 0; asked < 100; ++asked) {
    auto answer = ask(*box, asked > 0);
    if (!answer) break;
    *box = *answer & 0xFFFFFFu;
    if (part == TeamPart::Team || team.drivers[0].color != team.drivers[1].color) break;
  }
  return *box != before;
}

std::filesystem::path TeamEditor::saveFolder(const Folders& folders) { return folders.teams(); }

std::optional<std::filesystem::path> TeamEditor::saveTarget(const Folders& folders,
                                                            const std::filesystem::path& chosen) {
  std::string name = chosen.filename().string();
  if (name.empty() || name == "." || name == "..") return std::nullopt;
  // The team lists take files ending in ".tem" exactly.
  std::string lower = name;
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  if (lower.size() >= 4 && lower.compare(lower.size() - 4, 4, ".tem") == 0)
    name = name.substr(0, name.size() - 4);
  if (name.empty()) return std::nullopt;
  return folders.teams() / (name + ".tem");
}

bool TeamEditor::save(const std::filesystem::path& file, SettingsStore& settings) const {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  if (!writeTeamFile(file, team)) return false;
  setTeamFileEnabled(settings, file.filename().string(), true);
  return true;
}

std::vector<PreviewPolygon> carPreview(const std::vector<Polygon>& carShape, std::uint32_t body,
                                       std::uint32_t wing, int width, int height) {
  std::vector<PreviewPolygon> out;
  const double cx = width / 2.0, cy = height / 2.0;
  for (const Polygon& polygon : carShape) {
    PreviewPolygon p;
    p.fill = polygon.color == 1   ? body
             : polygon.color == 2 ? wing
                                  : static_cast<std::uint32_t>(polygon.color) & 0xFFFFFFu;
    for (const ClassPoint& point : polygon.points)
      p.points.push_back({static_cast<int>(std::lround(cx + point.x * 50.0)),
                          static_cast<int>(std::lround(cy + point.y * 25.0))});
    out.push_back(std::move(p));
  }
  return out;
}

}  // namespace tarmaq
