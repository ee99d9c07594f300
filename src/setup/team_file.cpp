#include "setup/team_file.h"

#include <fstream>
#include <limits>
#include <system_error>

#include "engine/folders.h"
#include "gamefile/item_reader.h"

namespace tarmaq {

namespace {

// A team file holds a few teams of short texts; anything this big is not one, and
// refusing it keeps a stray file from filling the team lists with millions of entries.
constexpr std::size_t MaxTeamFileBytes = 1u << 20;

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Colours are 32-bit values. The writer prints them as signed numbers, so one with the
// top bit set comes out negative; a hand-written file may give it unsigned. Both mean
// the same bits.
std::uint32_t colorFromItem(const std::string& item) {
  auto value = parseNumber(item);
  if (!value) return 0;
  auto bits = roundToInteger(*value, std::numeric_limits<std::int32_t>::min(),
                             std::numeric_limits<std::uint32_t>::max());
  if (!bits) return 0;
  return static_cast<std::uint32_t>(*bits);
}

std::string editorText(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c == '"') c = '\'';
    if (c == '\r' || c == '\n') c = ' ';
  }
  return out;
}

char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (asciiLower(a[i]) != asciiLower(b[i])) return false;
  return true;
}

// Follows `relative` below `base` one part at a time, taking the exact name when it
// exists and otherwise the first entry that differs only in letter case.
std::optional<std::filesystem::path> findBelow(const std::filesystem::path& base,
                                               const std::filesystem::path& relative) {
  std::error_code ec;
  std::filesystem::path at = base;
  for (const auto& part : relative) {
    if (std::filesystem::exists(at / part, ec)) {
      at /= part;
      continue;
    }
    std::optional<std::filesystem::path> match;
    for (std::filesystem::directory_iterator it(at, ec), end; !ec && it != end; it.increment(ec)) {
      if (sameNameIgnoringCase(it->path().filename().string(), part.string())) {
        match = it->path();
        break;
      }
    }
    if (!match) return std::nullopt;
    at = *match;
  }
  if (!std::filesystem::is_regular_file(at, ec)) return std::nullopt;
  return at;
}

}  // namespace

std::vector<Team> parseTeamFile(std::string_view bytes) {
  std::string text = decodeText(bytes);
  // Trailing blank lines would otherwise read as one more, empty, team.
  while (!text.empty() && isSpace(text.back())) text.pop_back();
  ItemReader in(std::move(text));
  in.skipComments();

  std::vector<Team> teams;
  while (!in.atEnd()) {
    Team team;
    std::string* texts[] = {&team.name,
                            &team.picture,
                            &team.drivers[0].name,
                            &team.drivers[0].picture,
                            &team.drivers[1].name,
                            &team.drivers[1].picture};
    std::uint32_t* colors[] = {&team.color, &team.drivers[0].color, &team.drivers[1].color};
    bool first = true;
    for (std::string* field : texts) {
      auto item = in.readString();
      if (!item) break;
      *field = std::move(*item);
      first = false;
    }
    if (first) break;  // nothing left that could start a team
    for (std::uint32_t* field : colors) {
      auto item = in.readString();
      if (!item) break;
      *field = colorFromItem(*item);
    }
    teams.push_back(std::move(team));
  }
  return teams;
}

std::optional<std::vector<Team>> readTeamFile(const std::filesystem::path& file) {
  auto bytes = readFileBytes(file, MaxTeamFileBytes);
  if (!bytes) return std::nullopt;
  return parseTeamFile(*bytes);
}

std::string formatTeam(const Team& team) {
  std::string out;
  for (const std::string* text :
       {&team.name, &team.picture, &team.drivers[0].name, &team.drivers[0].picture,
        &team.drivers[1].name, &team.drivers[1].picture})
    out += "\"" + editorText(*text) + "\"\r\n";
  for (std::uint32_t color : {team.color, team.drivers[0].color, team.drivers[1].color}) {
    auto value = static_cast<std::int32_t>(color);
    out += (value >= 0 ? " " : "") + std::to_string(value) + "\r\n";
  }
  return out;
}

bool writeTeamFile(const std::filesystem::path& file, const Team& team) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  const std::string text = formatTeam(team);
  out.write(text.data(), static_cast<std::streamsize>(text.size()));
  out.close();
  return static_cast<bool>(out);
}

std::optional<std::filesystem::path> findTeamPicture(const Folders& folders,
                                                     std::string_view fileName) {
  std::string name(fileName);
  for (char& c : name)
    if (c == '\\') c = '/';
  const std::filesystem::path relative = std::filesystem::path(name).lexically_normal();
  if (name.empty() || relative.empty() || relative.has_root_path()) return std::nullopt;
  for (const auto& part : relative)
    if (part == "..") return std::nullopt;

  const std::filesystem::path own = folders.teams();
  const std::filesystem::path shipped = folders.shippedTeams();
  if (auto found = findBelow(own, relative)) return found;
  if (shipped != own) return findBelow(shipped, relative);
  return std::nullopt;
}

}  // namespace tarmaq
