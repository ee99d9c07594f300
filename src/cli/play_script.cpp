#include "cli/play_script.h"

#include <charconv>
#include <map>
#include <sstream>

#include "gamefile/item_reader.h"

namespace tarmaq::cli {

namespace {

struct Arity {
  std::size_t least;
  std::size_t most;
  const char* usage;
};

const std::map<std::string, Arity>& commandTable() {
  static const std::map<std::string, Arity> table = {
      {"dice", {1, 100, "dice V..."}},
      {"answer", {1, 100, "answer yes|no|ok..."}},
      {"gear", {1, 1, "gear G"}},
      {"roll", {0, 0, "roll"}},
      {"moveon", {0, 0, "moveon"}},
      {"timers", {0, 0, "timers"}},
      {"left", {0, 0, "left"}},
      {"straight", {0, 0, "straight"}},
      {"right", {0, 0, "right"}},
      {"back", {0, 0, "back"}},
      {"reset", {0, 0, "reset"}},
      {"accept", {0, 0, "accept"}},
      {"brake", {0, 1, "brake [INDEX]"}},
      {"key", {1, 2, "key CODE [shift]"}},
      {"click", {2, 2, "click X Y"}},
      {"select", {1, 1, "select CAR"}},
      {"comment", {1, 1000, "comment TEXT"}},
      {"state", {0, 0, "state"}},
  };
  return table;
}

// What is wrong with the arguments of a known command, or an empty text.
std::string checkArguments(const PlayCommand& c) {
  auto all = [&](auto ok) {
    for (const std::string& a : c.args)
      if (!ok(a)) return false;
    return true;
  };
  if (c.name == "dice" && !all([](const std::string& a) { return parseWhole(a, 1, 99); }))
    return "die values are whole numbers from 1 to 99";
  if (c.name == "answer" &&
      !all([](const std::string& a) { return a == "yes" || a == "no" || a == "ok"; }))
    return "answers are yes, no or ok";
  if (c.name == "gear" && !parseWhole(c.args[0], 1, 6)) return "a gear is 1 to 6";
  if (c.name == "brake" && !c.args.empty() && !parseWhole(c.args[0], 0, 14))
    return "a brake picture is 0 to 14";
  if (c.name == "key") {
    if (!parseWhole(c.args[0], 0, 255)) return "a key code is 0 to 255";
    if (c.args.size() == 2 && c.args[1] != "shift") return "the only modifier is shift";
  }
  if (c.name == "click" && !all([](const std::string& a) { return parseNumber(a).has_value(); }))
    return "a click is at two numbers, in twips";
  if (c.name == "select" && !parseWhole(c.args[0], 0, 19)) return "a car number is 0 to 19";
  return {};
}

}  // namespace

std::optional<int> parseWhole(const std::string& text, int lo, int hi) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
    return std::nullopt;
  return value;
}

PlayScript parsePlayScript(const std::string& text) {
  PlayScript script;
  std::istringstream in(text);
  int number = 0;
  for (std::string line; std::getline(in, line);) {
    ++number;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::istringstream words(line);
    PlayCommand c;
    c.line = number;
    if (!(words >> c.name) || c.name[0] == '#') continue;
    for (std::string w; words >> w;) c.args.push_back(w);
    const std::size_t start = line.find(c.name) + c.name.size();
    const std::size_t first = line.find_first_not_of(" \t", start);
    if (first != std::string::npos) c.text = line.substr(first);
    auto known = commandTable().find(c.name);
    const std::string where = "line " + std::to_string(number) + ": ";
    if (known == commandTable().end()) {
      script.error = where + "unknown command \"" + c.name + "\"";
      return script;
    }
    if (c.args.size() < known->second.least || c.args.size() > known->second.most) {
      script.error = where + "usage: " + known->second.usage;
      return script;
    }
    if (std::string why = checkArguments(c); !why.empty()) {
      script.error = where + why;
      return script;
    }
    script.commands.push_back(std::move(c));
  }
  return script;
}

}  // namespace tarmaq::cli
