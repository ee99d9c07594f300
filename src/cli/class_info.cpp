#include <iostream>

#include "cli/commands.h"
#include "cli/json.h"
#include "engine/race_class.h"

namespace tarmaq::cli {

namespace {

void writePolygon(Json& json, const Polygon& p) {
  json.beginObject().key("color").value(static_cast<long long>(p.color)).key("points").beginArray();
  for (const auto& pt : p.points) json.beginArray().value(pt.x).value(pt.y).endArray();
  json.endArray().endObject();
}

}  // namespace

int classInfo(const Args& args) {
  if (args.size() != 1) {
    std::cerr << "usage: tarmaq-cli class-info FILE\n";
    return 2;
  }
  RaceClass c;
  auto report = readRaceClass(args[0], c);
  if (!report.opened) {
    std::cerr << "tarmaq-cli: cannot open race class file " << args[0] << "\n";
    return 2;
  }
  if (!report.complete)
    std::cerr << "tarmaq-cli: " << args[0] << ": reading stopped at line " << report.failedLine
              << " (" << report.failedItem << ")\n";
  Json json;
  json.beginObject().key("title").value(c.title).key("gearCount").value(c.gearCount);
  json.key("gears").beginArray();
  for (int g = 1; g <= c.gearCount; ++g) {
    const GearDie& die = *c.gear(g);
    json.beginObject().key("gear").value(g).key("faces").beginArray();
    for (int f : die.faces) json.value(f);
    json.endArray().key("speeds").beginArray();
    for (float s : die.speeds) json.value(s);
    json.endArray().key("tooltip").value(gearTooltip(c, g)).endObject();
  }
  json.endArray().key("wear").beginArray();
  for (const auto& w : c.classWear)
    json.beginArray()
        .value(w.tires)
        .value(w.brakes)
        .value(w.fuel)
        .value(w.body)
        .value(w.engine)
        .value(w.roadHold)
        .endArray();
  json.endArray().key("carPolygons").beginArray();
  for (const auto& p : c.carShape) writePolygon(json, p);
  json.endArray().key("hazardPolygons").beginArray();
  for (const auto& p : c.hazardShapes) writePolygon(json, p);
  json.endArray().endObject();
  std::cout << json.str() << "\n";
  return 0;
}

}  // namespace tarmaq::cli
