#include "cli/game_json.h"

#include "engine/game_state.h"

namespace tarmaq::cli {

namespace {

template <typename T>
void list(Json& json, const std::vector<T>& values, bool skipFirst = false) {
  json.beginArray();
  for (std::size_t i = skipFirst ? 1 : 0; i < values.size(); ++i) json.value(values[i]);
  json.endArray();
}

void writeCar(Json& json, const Car& c) {
  json.beginObject();
  json.key("teamName").value(c.teamName);
  json.key("teamPicture").value(c.teamPicture);
  json.key("driverName").value(c.driverName);
  json.key("driverPicture").value(c.driverPicture);
  json.key("eMail").value(c.eMail);
  json.key("color")
      .beginArray()
      .value(static_cast<long long>(c.color[0]))
      .value(static_cast<long long>(c.color[1]))
      .endArray();
  json.key("pitSpace").value(c.pitSpace);
  json.key("lap").value(c.lap);
  json.key("pos").value(c.pos);
  json.key("segment").value(c.segment);
  json.key("stops").value(c.stops);
  json.key("clsnFlag").value(c.clsnFlag);
  json.key("engnFlag").value(c.engnFlag);
  json.key("tireType").value(c.tireType);
  json.key("tires").value(c.tires);
  json.key("brakes").value(c.brakes);
  json.key("fuel").value(c.fuel);
  json.key("body").value(c.body);
  json.key("engine").value(c.engine);
  json.key("roadHold").value(c.roadHold);
  json.key("repair").value(c.repair);
  json.key("gear").value(c.gear);
  json.key("location").value(c.location);
  json.key("status").value(c.status);
  json.key("startGrid").value(c.startGrid);
  json.key("speed").value(c.speed);
  json.key("lapLength");
  list(json, c.lapLength, true);
  json.key("totalSpeed");
  list(json, c.totalSpeed, true);
  json.key("avgSpeed");
  list(json, c.avgSpeed, true);
  json.key("displaySpeed").value(c.displaySpeed);
  json.key("spacesPerRound").value(c.spacesPerRound);
  json.key("lastRoundPos").value(c.lastRoundPos);
  json.key("possCollCaused").value(c.possCollCaused);
  json.key("possCollVictim").value(c.possCollVictim);
  json.key("roundsLed").value(c.roundsLed);
  json.endObject();
}

}  // namespace

void writeGameState(Json& json, const Game& g) {
  json.key("gameType").value(g.gameType);
  json.key("classFile").value(g.classFile);
  json.key("laps").value(g.laps);
  json.key("trackFile").value(g.trackFile);
  json.key("trackVersion").value(g.trackVersion);
  json.key("rules").beginObject();
  for (std::size_t i = 0; i < RuleKeys.size(); ++i)
    json.key(RuleKeys[i]).value(g.rules.values()[i]);
  json.endObject();
  json.key("cars").beginArray();
  for (const Car& c : g.cars) writeCar(json, c);
  json.endArray();
  json.key("positions");
  list(json, g.positions);
  json.key("currPos").value(g.currPos);
  json.key("currCar").value(g.currCar);
  json.key("results").beginArray();
  for (int r : g.results) json.value(r);
  json.endArray();
  json.key("trapCar").value(g.trapCar);
  json.key("trapSpeed").value(g.trapSpeed);
  json.key("leadChange").value(g.leadChange);
  json.key("moves");
  list(json, g.moves);
  const Snapshot& s = g.snapshot;
  json.key("snapshot").beginObject();
  json.key("move").value(s.move);
  json.key("laneUsed").beginArray();
  for (int used : s.laneUsed) json.value(used);
  json.endArray();
  json.key("segment").value(s.segment);
  json.key("stops").value(s.stops);
  json.key("lap").value(s.lap);
  json.key("clsn").value(s.clsn);
  json.key("tires").value(s.tires);
  json.key("brakes").value(s.brakes);
  json.key("fuel").value(s.fuel);
  json.key("engine").value(s.engine);
  json.key("gear").value(s.gear);
  json.key("slipstream").value(s.slipstream);
  json.endObject();
  json.key("gameLogArray").beginArray();
  for (const auto& round : g.gameLogArray) list(json, round);
  json.endArray();
  json.key("currRound").value(g.currRound);
  json.key("currStep").value(g.currStep);
  json.key("logRows");
  writeLogRows(json, g, false);
}

void writeLogRows(Json& json, const Game& g, bool visibleOnly) {
  json.beginArray();
  for (const LogRow& row : g.log.rows) {
    if (visibleOnly && row.height == 0) continue;
    json.beginObject()
        .key("type")
        .value(row.entryType)
        .key("icon")
        .value(row.icon)
        .key("bold")
        .value(row.bold)
        .key("color")
        .value(static_cast<long long>(row.color))
        .key("text")
        .value(row.text)
        .endObject();
  }
  json.endArray();
}

}  // namespace tarmaq::cli
