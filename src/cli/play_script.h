// The commands of `tarmaq-cli play`: one per line, read and checked before any of them
// runs, so that a mistake in line 20 does not leave a game half played.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tarmaq::cli {

struct PlayCommand {
  int line = 0;      // 1-based line of the script
  std::string name;  // "dice", "answer", "gear", ...
  std::vector<std::string> args;
  std::string text;  // the rest of the line, for "comment"
};

struct PlayScript {
  std::vector<PlayCommand> commands;
  std::string error;  // what is wrong, with its line, when the script cannot run
};

// Reads a script: blank lines and lines beginning with '#' are skipped; every other
// line is a command and its arguments, separated by blanks.
PlayScript parsePlayScript(const std::string& text);

// A whole number in [lo, hi], or nothing.
std::optional<int> parseWhole(const std::string& text, int lo, int hi);

}  // namespace tarmaq::cli
