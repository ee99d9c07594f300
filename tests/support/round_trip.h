// Saving a game and loading it into a fresh game, as another installation would, and
// comparing what a player sees of the two.
#pragma once

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "engine/game_state.h"
#include "gamefile/game_file_open.h"
#include "gamefile/game_file_writer.h"

namespace tarmaq::testing {

// The file's lines, without the informative date text (the third value after the
// comment header), which the reader does not read and the writer builds again from the
// start date as the file holds it.
inline std::string withoutDateText(const std::string& text) {
  const std::size_t version = text.find("\r\nVersion ");
  if (version == std::string::npos) return text;
  const std::size_t dateLine = text.find("\r\n", version + 2);
  const std::size_t dateEnd =
      dateLine == std::string::npos ? dateLine : text.find("\r\n", dateLine + 2);
  if (dateEnd == std::string::npos) return text;
  return text.substr(0, dateLine) + text.substr(dateEnd);
}

// What the player sees of a turn: the step waited at, the die, the move panel and its
// buttons while it is shown, the shaded spaces, the gear buttons and the brake and tire pictures.
inline std::string playerView(const Game& g) {
  std::ostringstream out;
  const std::string* step = g.currentStep();
  out << "round " << g.currRound << " '" << (step ? *step : "-") << "'\n";
  const auto& die = g.controls.diePanel;
  const bool valueSeen = die.visible && die.valueVisible;
  out << "die " << die.visible << " kind " << die.dieKind << " value '"
      << (valueSeen ? die.valueText : "") << "' shown " << valueSeen << "\n";
  const auto& m = g.controls.movePanel;
  out << "move panel " << m.visible << "\n";
  if (m.visible) {
    out << "lanes " << m.laneEnabled[0] << m.laneEnabled[1] << m.laneEnabled[2] << " accept "
        << m.acceptEnabled << " back " << m.stepBackEnabled << " reset " << m.resetEnabled
        << "\nshaded";
    for (const auto& [space, shade] : g.view.shadedSpaces)
      out << " " << space << ":" << shade.color << "/" << shade.mode;
    out << "\n";
  }
  const auto& card = g.controls.driverCard;
  out << "card " << card.car << " gears";
  // Which gears are offered counts at a gear choice only; in between, the buttons still
  // show what the card showed last, which the file does not hold.
  const bool choosing = step && *step == "ROLL GEAR WAIT";
  for (const auto& gear : card.gears)
    out << " " << gear.visible << (choosing ? gear.enabled : 0) << gear.selected;
  out << "\n";
  // The second row of pictures keeps the used points it once showed, for as long as the
  // program runs; a loaded card shows the second row's points the car still has. Once
  // the race is over the card keeps what the last move marked on it.
  const Car* shown = g.car(card.car);
  const bool waiting = step && step->size() > 4 && step->compare(step->size() - 4, 4, "WAIT") == 0;
  for (WearRow row : {WearRow::Tires, WearRow::Brakes}) {
    if (!waiting) break;
    const int points = !shown ? 0 : row == WearRow::Tires ? shown->tires : shown->brakes;
    out << "wear";
    for (int i = 0; i < WearPictureCount; ++i) {
      const CardPicture& p = card.picture(row, i);
      if (p.visible && (i <= 8 || i < points)) out << " " << p.key << ":" << p.tag;
    }
    out << "\n";
  }
  out << "result timers";
  for (std::size_t i = 0; i < g.timers.slots.size(); ++i)
    if (isResultTimer(static_cast<TimerId>(i))) out << g.timers.slots[i].enabled;
  out << "\n";
  return out.str();
}

// Loads the file into `fresh`, which has the installation's services and options but
// no game; true when it opened.
inline bool loadInto(Game& fresh, const std::filesystem::path& path) {
  return gameFileOpen(fresh, path) == OpenResult::Opened;
}

}  // namespace tarmaq::testing
