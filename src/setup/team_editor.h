// The "Edit Team" dialog as a model: the team being edited, its names, pictures and
// colours, and where and how it is saved. The dialog shows it and asks the player; the
// choices land here.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/team_file.h"
#include "view/canvas.h"

namespace tarmaq {

class Folders;
class SettingsStore;
struct Polygon;

// The editor's three pictures and three colour boxes.
enum class TeamPart { Team, Driver1, Driver2 };

inline constexpr std::string_view NewTeamName = "Team Name";
inline constexpr std::string_view NewDriverName = "Driver Name";
inline constexpr std::uint32_t NewTeamColor = 0xFFFFFF;

// The file dialogs' filters in the dialog's own notation: a description, then the
// patterns. The picture chooser starts on "All Files", the save dialog on "Team Files".
inline constexpr std::string_view PictureFilters = "All Files (*);;Bitmap Files (*.bmp)";
inline constexpr std::string_view TeamFileFilters = "All Files (*);;Team Files (*.tem)";
inline constexpr std::string_view TeamFileFilter = "Team Files (*.tem)";

// Asks the player for a colour, starting at the given one; `again` when the last answer
// was the other driver's colour. Nothing when cancelled.
using AskColor = std::function<std::optional<std::uint32_t>(std::uint32_t current, bool again)>;

struct TeamEditor {
  Team team;

  // The slot's team, or the initial texts and white colours for a slot without one.
  static TeamEditor open(const Team* slotTeam);

  // A team file cannot carry a double quote: one typed becomes an apostrophe at once,
  // so the player sees the name as it will be saved.
  static std::string typedName(std::string_view text);
  void setName(TeamPart part, std::string_view text);
  const std::string& name(TeamPart part) const;
  const std::string& picture(TeamPart part) const;
  std::uint32_t color(TeamPart part) const;

  // A picture chosen in the open-file dialog. One inside a teams folder is named by its
  // path below that folder; one elsewhere, or one whose name holds a double quote, is
  // copied into the player's teams folder (under a free name when another file there
  // has its name, with apostrophes for double quotes) so that the team file names a
  // file it can find again. False, the picture unchanged, when the copy fails.
  bool choosePicture(TeamPart part, const std::filesystem::path& chosen, const Folders& folders);

  // The colour dialog for a box. A driver's box asks again while both drivers have the
  // same colour; cancelling keeps the box's colour and ends the asking. Returns whether
  // the colour changed (the previews are then redrawn).
  bool chooseColor(TeamPart part, const AskColor& ask);

  // Where the save dialog opens: the player's teams folder.
  static std::filesystem::path saveFolder(const Folders& folders);
  // The file a name from the save dialog stands for: always in the player's teams
  // folder, where the team lists look, and ending in ".tem". Nothing for an empty name.
  static std::optional<std::filesystem::path> saveTarget(const Folders& folders,
                                                         const std::filesystem::path& chosen);
  // Writes the team to `file` (creating the player's teams folder when it is missing)
  // and enables the file in the team lists, so a name the player once switched off is
  // offered again. False when the file cannot be written.
  bool save(const std::filesystem::path& file, SettingsStore& settings) const;
};

// The car previews: each polygon of the class's car drawing scaled by 50 pixels across
// and 25 down about the centre of a preview of the given size, filled with the body
// colour for code 1, the wing colour for code 2, or the polygon's own colour; outlined
// in black.
struct PreviewPolygon {
  std::vector<PixelPoint> points;
  std::uint32_t fill = 0;
};
std::vector<PreviewPolygon> carPreview(const std::vector<Polygon>& carShape, std::uint32_t body,
                                       std::uint32_t wing, int width, int height);

}  // namespace tarmaq
