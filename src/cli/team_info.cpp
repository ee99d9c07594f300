#include <iostream>

#include "cli/commands.h"
#include "cli/json.h"
#include "setup/team_file.h"

namespace tarmaq::cli {

int teamInfo(const Args& args) {
  if (args.size() != 1) {
    std::cerr << "usage: tarmaq-cli team-info FILE\n";
    return 2;
  }
  auto teams = readTeamFile(args[0]);
  if (!teams) {
    std::cerr << "tarmaq-cli: cannot open team file " << args[0] << "\n";
    return 2;
  }
  Json json;
  json.beginArray();
  for (const Team& team : *teams) {
    json.beginObject().key("team").value(team.name).key("teamPicture").value(team.picture);
    json.key("drivers").beginArray();
    for (const TeamDriver& driver : team.drivers)
      json.beginObject()
          .key("name")
          .value(driver.name)
          .key("picture")
          .value(driver.picture)
          .key("color")
          .value(static_cast<long long>(driver.color))
          .endObject();
    json.endArray().key("teamColor").value(static_cast<long long>(team.color)).endObject();
  }
  json.endArray();
  std::cout << json.str() << "\n";
  return 0;
}

}  // namespace tarmaq::cli
