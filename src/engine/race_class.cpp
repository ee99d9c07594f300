#include "engine/race_class.h"

#include "engine/random_source.h"
#include "gamefile/item_reader.h"

namespace tarmaq {

namespace {

constexpr const char* GearPrefixes[MaxGears] = {"1st Gear, ", "2nd Gear, ", "3rd Gear, ",
                                                "4th Gear, ", "5th Gear, ", "6th Gear, "};

class ClassParser {
 public:
  ClassParser(ItemReader& reader, ClassLoadReport& report) : in_(reader), report_(report) {}

  bool fail(const char* what) {
    report_.failedLine = in_.line();
    report_.failedItem = what;
    return false;
  }

  std::optional<int> count(const char* what) {
    auto n = in_.readInt16();
    if (!n || *n < 0) {
      fail(what);
      return std::nullopt;
    }
    return *n;
  }

  // Colour code, point count, then the pairs. Points are added as they are read, so a
  // huge count allocates nothing that the file does not hold.
  bool polygon(Polygon& p) {
    auto color = in_.readInt32();
    if (!color) return fail("polygon colour");
    p.color = *color;
    p.points.clear();
    auto n = count("point count");
    if (!n) return false;
    for (int k = 0; k < *n; ++k) {
      auto x = in_.readSingle();
      if (!x) return fail("point x");
      auto y = in_.readSingle();
      if (!y) return fail("point y");
      p.points.push_back({*x, *y});
    }
    return true;
  }

  bool separator() {
    if (!in_.readString()) return fail("separator");
    return true;
  }

  bool parse(RaceClass& c) {
    in_.skipComments();
    auto title = in_.readString();
    if (!title) return fail("title");
    c.title = *title;

    auto n = count("car polygon count");
    if (!n) return false;
    c.carShape.clear();
    for (int i = 0; i < *n; ++i) {
      c.carShape.emplace_back();
      if (!polygon(c.carShape.back())) return false;
    }
    if (!separator()) return false;
    for (auto& hazard : c.hazardShapes)
      if (!polygon(hazard)) return false;
    if (!separator()) return false;

    auto gears = in_.readInt16();
    if (!gears || *gears < 0 || *gears > MaxGears) return fail("gear count");
    c.gearCount = *gears;
    for (int g = 0; g < c.gearCount; ++g) {
      auto& die = c.gearDice[static_cast<std::size_t>(g)];
      const int faces = GearFaceCounts[static_cast<std::size_t>(g)];
      die.faces.clear();
      die.speeds.clear();
      for (int k = 0; k < faces; ++k) {
        auto face = in_.readInt16();
        if (!face) return fail("die face");
        die.faces.push_back(*face);
      }
      for (int k = 0; k < faces; ++k) {
        auto speed = in_.readSingle();
        if (!speed) return fail("speed");
        die.speeds.push_back(*speed);
      }
    }
    if (!separator()) return false;

    for (auto& wear : c.classWear) {
      for (int WearPoints::*field :
           {&WearPoints::tires, &WearPoints::brakes, &WearPoints::fuel, &WearPoints::body,
            &WearPoints::engine, &WearPoints::roadHold}) {
        auto v = in_.readInt16();
        if (!v) return fail("wear points");
        wear.*field = *v;
      }
    }
    return true;
  }

 private:
  ItemReader& in_;
  ClassLoadReport& report_;
};

}  // namespace

ClassLoadReport parseRaceClass(std::string text, RaceClass& into) {
  ClassLoadReport report;
  report.opened = true;
  ItemReader reader(decodeText(text));
  ClassParser parser(reader, report);
  report.complete = parser.parse(into);
  return report;
}

ClassLoadReport readRaceClass(const std::filesystem::path& file, RaceClass& into) {
  auto bytes = readFileBytes(file);
  if (!bytes) return ClassLoadReport{};
  return parseRaceClass(std::move(*bytes), into);
}

std::optional<std::string> readClassTitle(const std::filesystem::path& file) {
  auto reader = ItemReader::open(file);
  if (!reader) return std::nullopt;
  reader->skipComments();
  return reader->readString();
}

std::string gearTooltip(const RaceClass& raceClass, int gear) {
  const GearDie* die = raceClass.gear(gear);
  if (!die) return {};
  return std::string(GearPrefixes[gear - 1]) + std::to_string(die->lowest()) + "-" +
         std::to_string(die->highest());
}

int rollDie(const RaceClass& raceClass, RandomSource& random, int kind) {
  double r = random.uniform();
  if (!(r >= 0.0 && r < 1.0)) r = 0.0;
  if (kind == 0) return static_cast<int>(r * 20.0) + 1;
  const GearDie* die = raceClass.gear(kind);
  if (!die || die->faces.empty()) return 0;
  auto k = static_cast<std::size_t>(r * static_cast<double>(die->faces.size()));
  if (k >= die->faces.size()) k = die->faces.size() - 1;
  return die->faces[k];
}

}  // namespace tarmaq
