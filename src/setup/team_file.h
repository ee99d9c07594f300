// Team files (".tem"): teams of nine items each, back to back, several to a file; and
// the one-team layout the team editor writes. Also where a team's pictures are found.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarmaq {

class Folders;

struct TeamDriver {
  std::string name;  // empty when the team has no such driver
  std::string picture;
  std::uint32_t color = 0;  // the wing colour, 0x00BBGGRR
  bool operator==(const TeamDriver&) const = default;
};

struct Team {
  std::string name;
  std::string picture;
  std::array<TeamDriver, 2> drivers{};
  std::uint32_t color = 0;  // the body colour, 0x00BBGGRR
  bool operator==(const Team&) const = default;
};

// Teams in file order. A last team cut short keeps empty texts and black colours for
// the items that are missing; an item that should be a colour but is not a number
// counts as black. Blank lines at the end of the file are not a team.
std::vector<Team> parseTeamFile(std::string_view text);
// nullopt when the file cannot be opened (or is far too large to be a team file).
std::optional<std::vector<Team>> readTeamFile(const std::filesystem::path& file);

// The team editor's layout: the six texts in double quotes, one a line, then the three
// colours as signed decimal numbers, non-negative ones with a leading blank; CR LF line
// ends like every file the program writes. A text cannot carry a double quote or a line
// break in this format: a double quote becomes an apostrophe and a line break a blank.
std::string formatTeam(const Team& team);
// Writes one team as formatTeam lays it out; false when the file cannot be written.
bool writeTeamFile(const std::filesystem::path& file, const Team& team);

// Shown in place of a team or driver picture that is not named or not there. They lie
// in the shipped teams folder beside the teams' own pictures.
inline constexpr std::string_view PlaceholderTeamPicture = "NoTeamLogo.bmp";
inline constexpr std::string_view PlaceholderDriverPicture = "NoDriverPicture.bmp";

// Team pictures are named relative to the teams folder, with either kind of slash and
// in any letter case (team files travel between systems). The player's folder is
// searched before the shipped one. nullopt when the name is empty, leaves the folder
// (absolute, or through ".."), or names no file, so the caller shows the placeholder.
std::optional<std::filesystem::path> findTeamPicture(const Folders& folders,
                                                     std::string_view fileName);

}  // namespace tarmaq
