// The Rules dialog as a model: 23 check boxes, 8 lists and 2 number fields with their
// enabled states and the dependencies between them, the race finish option, the
// default rules kept in the settings store, and the game's Rules they make.
#pragma once

#include <array>
#include <string>

#include "engine/rules.h"

namespace tarmaq {

class SettingsStore;

inline constexpr const char* RulesSection = "Settings\\Rules";
inline constexpr int RuleCheckBoxes = 23;
inline constexpr int RuleLists = 8;
inline constexpr int RuleNumbers = 2;

struct RulesDialog {
  struct CheckBox {
    bool ticked = true;
    bool enabled = true;
  };
  struct List {
    int position = -1;  // -1: nothing selected
    bool enabled = true;
  };
  struct Number {
    std::string text;
    bool enabled = true;
  };
  std::array<CheckBox, RuleCheckBoxes> checks{};
  std::array<List, RuleLists> lists{};
  std::array<Number, RuleNumbers> numbers{};
  bool finishNose = true;
  bool readOnly = false;

  // First use: the defaults; then the stored settings; then every dependency once.
  static RulesDialog load(const SettingsStore& store);
  // The current game's rules, read-only.
  static RulesDialog fromRules(const Rules& rules);

  void click(int check, bool ticked);  // a check box's new value, with its dependency
  void applyDependency(int check);
  // The race type's effect on the pit-stop boxes (1, 2 or 3 laps).
  void setRaceLength(int laps);
  // "OK": an empty slipstream field becomes "3", and everything is stored.
  void save(SettingsStore& store);

  // The rules of a new game: a disabled control stores 0; a list its position + 1; a
  // number field its value when it is a whole number in range, else its default.
  Rules toRules() const;

  // The entries of list i.
  static std::array<std::string, 20> listEntries(int list);
  static int listSize(int list) { return list == 2 || list == 6 ? 6 : 20; }
};

}  // namespace tarmaq
