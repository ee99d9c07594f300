#include "setup/rules_dialog.h"

#include "engine/settings_store.h"
#include "gamefile/item_reader.h"

namespace tarmaq {

namespace {

constexpr int FirstList = 23;    // "BadStartRoll"
constexpr int FirstNumber = 31;  // "FlyingStartMove"
constexpr std::array<int, RuleLists> DefaultListPositions = {0, 19, 4, 3, 0, 9, 3, 3};
constexpr std::array<const char*, RuleNumbers> DefaultNumbers = {"4", "3"};
// A flying start or a slipstream of more spaces than these could never be finished.
constexpr std::array<int, RuleNumbers> NumberBounds = {12, 6};

std::string key(int rule) { return std::string(RuleKeys[static_cast<std::size_t>(rule)]); }

// Check boxes that are never enabled: their rules have no effect.
bool neverEnabled(int check) { return (check >= 11 && check <= 17) || check == 21 || check == 22; }

}  // namespace

std::array<std::string, 20> RulesDialog::listEntries(int list) {
  std::array<std::string, 20> e{};
  if (list == 2 || list == 6) {
    const char* gears[] = {"All Gears",  "2nd Gear +", "3rd Gear +",
                           "4th Gear +", "5th Gear +", "6th Gear"};
    for (int i = 0; i < 6; ++i) e[static_cast<std::size_t>(i)] = gears[i];
  } else if (list == 1) {
    e[0] = "Automatic";
    for (int i = 2; i <= 19; ++i)
      e[static_cast<std::size_t>(i - 1)] = std::to_string(i) + " (and higher)";
    e[19] = "20";
  } else {
    e[0] = "1";
    for (int i = 2; i <= 19; ++i)
      e[static_cast<std::size_t>(i - 1)] = std::to_string(i) + " (and lower)";
    e[19] = "Automatic";
  }
  return e;
}

void RulesDialog::applyDependency(int check) {
  const bool on = checks[static_cast<std::size_t>(check)].ticked;
  auto list = [&](int i) { lists[static_cast<std::size_t>(i)].enabled = on; };
  auto number = [&](int i) { numbers[static_cast<std::size_t>(i)].enabled = on; };
  auto box = [&](int i) { checks[static_cast<std::size_t>(i)].enabled = on; };
  switch (check) {
    case 0:
      list(0);
      break;
    case 1:
      list(1);
      number(0);
      break;
    case 4:
      list(2);
      list(3);
      box(5);
      break;
    case 6:
      list(4);
      box(20);
      break;
    case 9:
      list(5);
      box(19);
      break;
    case 10:
      list(6);
      number(1);
      break;
    case 18:
      list(7);
      break;
    case 19:
      if (on && !checks[9].ticked) click(9, true);
      break;
    default:
      break;
  }
}

void RulesDialog::click(int check, bool ticked) {
  if (check < 0 || check >= RuleCheckBoxes) return;
  checks[static_cast<std::size_t>(check)].ticked = ticked;
  applyDependency(check);
}

RulesDialog RulesDialog::load(const SettingsStore& store) {
  RulesDialog d;
  for (int i = 0; i < RuleCheckBoxes; ++i) {
    auto v = store.value(RulesSection, key(i));
    auto n = v ? parseNumber(*v) : std::nullopt;
    d.checks[static_cast<std::size_t>(i)].ticked = n ? *n != 0 : true;
    d.checks[static_cast<std::size_t>(i)].enabled = !neverEnabled(i);
  }
  for (int i = 0; i < RuleLists; ++i) {
    auto v = store.value(RulesSection, key(FirstList + i));
    auto n = v ? parseNumber(*v) : std::nullopt;
    const int pos = n ? static_cast<int>(*n) : DefaultListPositions[static_cast<std::size_t>(i)];
    d.lists[static_cast<std::size_t>(i)].position =
        pos >= 0 && pos < listSize(i) ? pos : DefaultListPositions[static_cast<std::size_t>(i)];
  }
  for (int i = 0; i < RuleNumbers; ++i) {
    auto v = store.value(RulesSection, key(FirstNumber + i));
    d.numbers[static_cast<std::size_t>(i)].text =
        v ? *v : DefaultNumbers[static_cast<std::size_t>(i)];
  }
  if (auto nose = store.value(RulesSection, "FinishNose")) d.finishNose = *nose != "False";
  for (int i = 0; i < RuleCheckBoxes; ++i) d.applyDependency(i);
  return d;
}

RulesDialog RulesDialog::fromRules(const Rules& rules) {
  RulesDialog d;
  for (int i = 0; i < RuleCheckBoxes; ++i)
    d.checks[static_cast<std::size_t>(i)].ticked = rules.values()[static_cast<std::size_t>(i)] != 0;
  for (int i = 0; i < RuleLists; ++i)
    d.lists[static_cast<std::size_t>(i)].position =
        rules.values()[static_cast<std::size_t>(FirstList + i)] - 1;
  for (int i = 0; i < RuleNumbers; ++i)
    d.numbers[static_cast<std::size_t>(i)].text =
        std::to_string(rules.values()[static_cast<std::size_t>(FirstNumber + i)]);
  d.finishNose = rules[Rule::FinishNose] != 0;
  d.readOnly = true;
  for (auto& c : d.checks) c.enabled = false;
  for (auto& l : d.lists) l.enabled = false;
  for (auto& n : d.numbers) n.enabled = false;
  return d;
}

void RulesDialog::setRaceLength(int laps) {
  if (laps == 1) {
    checks[9].enabled = false;
    checks[19].enabled = false;
    return;
  }
  checks[9].enabled = true;
  click(9, true);
  if (lists[5].position < 0) lists[5].position = 9;  // "10 (and lower)"
  if (laps == 3) {
    checks[19].enabled = true;
    click(19, true);
  }
}

void RulesDialog::save(SettingsStore& store) {
  if (numbers[1].text.empty()) numbers[1].text = "3";
  for (int i = 0; i < RuleCheckBoxes; ++i)
    store.setValue(RulesSection, key(i), checks[static_cast<std::size_t>(i)].ticked ? "1" : "0");
  for (int i = 0; i < RuleLists; ++i) {
    // A list with nothing selected is stored as its default.
    const int pos = lists[static_cast<std::size_t>(i)].position;
    store.setValue(
        RulesSection, key(FirstList + i),
        std::to_string(pos >= 0 ? pos : DefaultListPositions[static_cast<std::size_t>(i)]));
  }
  for (int i = 0; i < RuleNumbers; ++i)
    store.setValue(RulesSection, key(FirstNumber + i), numbers[static_cast<std::size_t>(i)].text);
  store.setValue(RulesSection, "FinishNose", finishNose ? "True" : "False");
}

Rules RulesDialog::toRules() const {
  Rules r;
  for (int i = 0; i < RuleCheckBoxes; ++i) {
    const auto& c = checks[static_cast<std::size_t>(i)];
    r.values()[static_cast<std::size_t>(i)] = c.enabled && c.ticked ? 1 : 0;
  }
  for (int i = 0; i < RuleLists; ++i) {
    const auto& l = lists[static_cast<std::size_t>(i)];
    const int pos =
        l.position >= 0 ? l.position : DefaultListPositions[static_cast<std::size_t>(i)];
    r.values()[static_cast<std::size_t>(FirstList + i)] = l.enabled ? pos + 1 : 0;
  }
  for (int i = 0; i < RuleNumbers; ++i) {
    const auto& n = numbers[static_cast<std::size_t>(i)];
    const int fallback = std::stoi(DefaultNumbers[static_cast<std::size_t>(i)]);
    auto value = parseNumber(n.text);
    int v = fallback;
    if (value && *value == static_cast<int>(*value) && *value >= 0 &&
        *value <= NumberBounds[static_cast<std::size_t>(i)])
      v = static_cast<int>(*value);
    r.values()[static_cast<std::size_t>(FirstNumber + i)] = n.enabled ? v : 0;
  }
  r[Rule::FinishNose] = finishNose ? -1 : 0;
  return r;
}

}  // namespace tarmaq
