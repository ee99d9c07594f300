// game-info: a game file's state as JSON; resave: load and write back.
#include <iostream>

#include "cli/cli_session.h"
#include "cli/commands.h"
#include "cli/game_json.h"
#include "gamefile/game_file_open.h"
#include "gamefile/game_file_writer.h"

namespace tarmaq::cli {

namespace {

int open(Session& session, const std::string& file) {
  switch (gameFileOpen(session.game, file)) {
    case OpenResult::Opened:
      return 0;
    case OpenResult::NotFound:
      std::cerr << "tarmaq-cli: cannot open game file " << file << "\n";
      return 2;
    default:
      std::cerr << "tarmaq-cli: " << file << ": "
                << (session.frontend.messages.empty()
                        ? std::string("cannot be loaded")
                        : session.frontend.messages.back().message.title)
                << "\n";
      return 2;
  }
}

}  // namespace

void writeWarnings(Json& json, const Session& session) {
  json.key("warnings").beginArray();
  for (const auto& m : session.frontend.messages) json.value(m.message.title);
  json.endArray();
}

int gameInfo(const Args& given) {
  Args args = given;
  auto data = takeOption(args, "--data");
  if (args.size() != 1) {
    std::cerr << "usage: tarmaq-cli game-info FILE [--data DIR]\n";
    return 2;
  }
  Session session(data);
  if (int status = open(session, args[0])) return status;
  Json json;
  json.beginObject();
  writeGameState(json, session.game);
  writeWarnings(json, session);
  json.endObject();
  std::cout << json.str() << "\n";
  return 0;
}

int resave(const Args& given) {
  Args args = given;
  auto data = takeOption(args, "--data");
  if (args.size() != 2) {
    std::cerr << "usage: tarmaq-cli resave IN OUT [--data DIR]\n";
    return 2;
  }
  Session session(data);
  if (int status = open(session, args[0])) return status;
  std::string error;
  if (!gameFileSave(session.game, args[1], &error)) {
    std::cerr << "tarmaq-cli: cannot save " << args[1] << ": " << error << "\n";
    return 2;
  }
  return 0;
}

}  // namespace tarmaq::cli
