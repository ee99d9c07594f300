// play: loads a game and runs the player's commands on it through the calls the window
// makes, then prints the game and the turn as the player would see it.
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/game_json.h"
#include "cli/play_script.h"
#include "engine/rolls.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_open.h"
#include "gamefile/game_file_writer.h"
#include "gamefile/item_reader.h"
#include "movement/driver_card.h"
#include "movement/move_execution.h"
#include "movement/move_input.h"
#include "movement/move_stepping.h"
#include "setup/options.h"
#include "view/pointer.h"
#include "view/view_keys.h"

namespace tarmaq::cli {

namespace {

// The track view of the window the commands act on: 1600 x 1000 pixels at 15 twips
// per pixel.
constexpr float ViewWidthTwips = 1600 * 15.0f;
constexpr float ViewHeightTwips = 1000 * 15.0f;

int usage() {
  std::cerr << "usage: tarmaq-cli play GAME.tmq [--data DIR] [--script FILE] [--save OUT.tmq]\n"
               "       [--standard-comments] [--option KEY=VALUE]...\n"
               "Commands, one per line (from the script, else standard input):\n"
               "  dice V...  answer yes|no|ok...  gear G  roll  moveon  timers\n"
               "  left  straight  right  back  reset  accept  brake [INDEX]\n"
               "  key CODE [shift]  click X Y  select CAR  comment TEXT  state\n"
               "Automatic saves (--option AutoSave=1) go to the --save file.\n";
  return 2;
}

const char* answerText(Answer a) {
  switch (a) {
    case Answer::Ok:
      return "ok";
    case Answer::Yes:
      return "yes";
    case Answer::No:
      return "no";
  }
  return "";
}

void printState(const Session& session, const std::vector<std::string>& warnings) {
  const Game& g = session.game;
  Json json;
  json.beginObject();
  writeGameState(json, g);
  json.key("warnings").beginArray();
  for (const std::string& w : warnings) json.value(w);
  json.endArray();
  json.key("messages").beginArray();
  for (const RecordedMessage& m : session.frontend.messages)
    json.beginObject()
        .key("title")
        .value(m.message.title)
        .key("text")
        .value(m.message.text)
        .key("answer")
        .value(answerText(m.answer))
        .endObject();
  json.endArray();
  json.key("dieValue").value(g.controls.diePanel.valueText);
  json.key("dieValueShown").value(g.controls.diePanel.valueVisible);
  json.key("moveButtons").beginArray();
  for (bool enabled : g.controls.movePanel.laneEnabled) json.value(enabled);
  json.endArray();
  json.key("acceptEnabled").value(g.controls.movePanel.acceptEnabled);
  // Where the track lies in the view, for clicks: screen twips = track units x zoom + offset.
  json.key("view")
      .beginObject()
      .key("zoom")
      .value(g.view.zoom)
      .key("offsetX")
      .value(g.view.offsetX)
      .key("offsetY")
      .value(g.view.offsetY)
      .endObject();
  json.key("gearTags").beginArray();
  for (const GearButton& gear : g.controls.driverCard.gears) json.value(gear.enabled ? "1" : "0");
  json.endArray();
  json.endObject();
  std::cout << json.str() << "\n";
}

// The option keys of section "Settings" that the Options dialog writes.
bool isOptionKey(const std::string& key) {
  MemorySettings all;
  saveOptions(Options{}, all);
  return all.value(std::string(SettingsSection), key).has_value();
}

Answer answerOf(const std::string& word) {
  return word == "yes" ? Answer::Yes : word == "no" ? Answer::No : Answer::Ok;
}

// Runs one command; false, with the reason, when it cannot be run on this game.
bool run(Session& session, const PlayCommand& c, const std::vector<std::string>& warnings,
         std::string& error) {
  Game& g = session.game;
  const std::string& n = c.name;
  if (n == "dice") {
    for (const std::string& v : c.args) g.forcedRolls.push_back(*parseWhole(v, 1, 99));
  } else if (n == "answer") {
    for (const std::string& a : c.args) session.frontend.answers.push_back(answerOf(a));
  } else if (n == "gear") {
    selectGear(g, *parseWhole(c.args[0], 1, 6));
  } else if (n == "roll") {
    rollCommand(g, RollBy::Player);
  } else if (n == "moveon") {
    moveOnCommand(g);
  } else if (n == "timers") {
    session.fireResultTimers();
  } else if (n == "left" || n == "straight" || n == "right") {
    moveButtonClick(g, n == "left" ? 0 : n == "straight" ? 1 : 2);
  } else if (n == "back") {
    stepBackCommand(g);
  } else if (n == "reset") {
    resetMoveCommand(g);
  } else if (n == "accept") {
    acceptMoveCommand(g);
  } else if (n == "brake") {
    const int index = c.args.empty() ? lastAvailableBrakePicture(g) : *parseWhole(c.args[0], 0, 14);
    if (index >= 0) brakePicClick(g, index);
  } else if (n == "key") {
    const int code = *parseWhole(c.args[0], 0, 255);
    if (!viewKeyCommand(g, code)) handleKey(g, code, c.args.size() == 2);
  } else if (n == "click") {
    pointerPress(g, PointerButton::Left, static_cast<float>(*parseNumber(c.args[0])),
                 static_cast<float>(*parseNumber(c.args[1])));
  } else if (n == "select") {
    const int car = *parseWhole(c.args[0], 0, 19);
    if (!g.car(car)) {
      error = "line " + std::to_string(c.line) + ": the game has no car " + c.args[0];
      return false;
    }
    showTurn(g, car);
  } else if (n == "comment") {
    session.frontend.comments.push_back(c.text);
  } else if (n == "state") {
    printState(session, warnings);
  }
  return true;
}

std::optional<std::string> readScript(const std::optional<std::string>& file) {
  if (!file) return std::string(std::istreambuf_iterator<char>(std::cin), {});
  auto bytes = readFileBytes(*file, 1u << 20);
  if (!bytes) return std::nullopt;
  return bytes;
}

}  // namespace

int play(const Args& given) {
  Args args = given;
  auto data = takeOption(args, "--data");
  auto scriptFile = takeOption(args, "--script");
  auto save = takeOption(args, "--save");
  const bool standardComments = takeFlag(args, "--standard-comments");
  std::vector<std::pair<std::string, std::string>> options;
  while (auto option = takeOption(args, "--option")) {
    const std::size_t eq = option->find('=');
    const std::string key = option->substr(0, eq);
    if (eq == std::string::npos || !isOptionKey(key)) {
      std::cerr << "tarmaq-cli: --option " << *option << ": not KEY=VALUE with a key of the "
                << "\"Settings\" section\n";
      return 2;
    }
    options.emplace_back(key, option->substr(eq + 1));
  }
  if (args.size() != 1 || args[0].rfind("--", 0) == 0) return usage();

  auto text = readScript(scriptFile);
  if (!text) {
    std::cerr << "tarmaq-cli: cannot read the script " << *scriptFile << "\n";
    return 2;
  }
  const PlayScript script = parsePlayScript(*text);
  if (!script.error.empty()) {
    std::cerr << "tarmaq-cli: " << (scriptFile ? *scriptFile : std::string("script")) << ": "
              << script.error << "\n";
    return 2;
  }

  Session session(data);
  // Nothing is saved, mailed or animated unless the options ask for it.
  for (const char* off : {"AutoSave", "AutoMail", "ShowDieAnim", "AutoCheckMail"})
    session.settings.setValue(std::string(SettingsSection), off, "0");
  for (const auto& [key, value] : options)
    session.settings.setValue(std::string(SettingsSection), key, value);
  Game& g = session.game;
  g.options = loadOptions(session.settings);
  if (standardComments) g.options.standardComments = true;
  const bool autoSave = g.options.autoSave && save;
  g.options.autoSave = false;  // loading must not write over the game it reads
  viewResized(g, ViewWidthTwips, ViewHeightTwips);

  switch (gameFileOpen(g, args[0])) {
    case OpenResult::Opened:
      break;
    case OpenResult::NotFound:
      std::cerr << "tarmaq-cli: cannot open game file " << args[0] << "\n";
      return 2;
    default:
      std::cerr << "tarmaq-cli: " << args[0] << ": "
                << (session.frontend.messages.empty()
                        ? std::string("cannot be loaded")
                        : session.frontend.messages.back().message.title)
                << "\n";
      return 2;
  }
  std::vector<std::string> warnings;
  for (const RecordedMessage& m : session.frontend.messages) warnings.push_back(m.message.title);
  session.frontend.messages.clear();
  g.gameFileName = save ? *save : std::string();
  g.options.autoSave = autoSave;

  for (const PlayCommand& c : script.commands) {
    std::string error;
    if (!run(session, c, warnings, error)) {
      std::cerr << "tarmaq-cli: " << error << "\n";
      return 2;
    }
  }
  if (save) {
    std::string error;
    if (!gameFileSave(g, *save, &error)) {
      std::cerr << "tarmaq-cli: cannot save " << *save << ": " << error << "\n";
      return 2;
    }
  }
  printState(session, warnings);
  return 0;
}

}  // namespace tarmaq::cli
