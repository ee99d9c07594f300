#include "engine/turn_controller.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

#include "engine/game_state.h"
#include "engine/rolls.h"
#include "engine/step_handlers.h"
#include "log/race_comment.h"
#include "movement/blocking.h"

namespace tarmaq {

bool endsWith(const std::string& s, const std::string& suffix) {
  return s.size() >= suffix.size() &&
         s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

bool startsWith(const std::string& s, const std::string& prefix) {
  return s.compare(0, prefix.size(), prefix) == 0;
}

int trailingNumber(const std::string& step, std::size_t count) {
  std::string tail = step.size() > count ? step.substr(step.size() - count) : step;
  while (!tail.empty() && tail.back() == ' ') tail.pop_back();
  std::size_t i = 0;
  while (i < tail.size() && tail[i] == ' ') ++i;
  if (i == tail.size()) return -1;
  int value = 0;
  for (; i < tail.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(tail[i]))) return -1;
    value = value * 10 + (tail[i] - '0');
  }
  return value;
}

bool sameAddress(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

bool activeCarIsRemote(const Game& game) {
  const Car* car = game.car(game.currCar);
  return car && !sameAddress(car->eMail, game.options.localEMail);
}

std::string carName(const Game& game, int c) {
  const Car* car = game.car(c);
  return car ? car->driverName : std::string();
}

std::string commentLine(const Game& game, int indent, int kind, int car, int otherCar) {
  return std::string(static_cast<std::size_t>(indent), ' ') + "'" +
         raceComment(game, kind, car, otherCar) + "'";
}

namespace {

// The storing rule: a waiting entry is replaced by whatever resolves it, except that
// a first "MAIL SENT" is kept behind it; every other step is appended.
void storeStep(Game& game, const std::string& step) {
  if (game.currRound < 0) return;
  if (static_cast<std::size_t>(game.currRound) >= game.gameLogArray.size())
    game.gameLogArray.resize(static_cast<std::size_t>(game.currRound) + 1);
  auto& round = game.gameLogArray[static_cast<std::size_t>(game.currRound)];
  const std::string* current = game.currentStep();
  const bool replace = current && endsWith(*current, "WAIT") &&
                       !(startsWith(step, "MAIL SENT") && !startsWith(*current, "MAIL SENT"));
  if (!replace) {
    ++game.currStep;
    if (round.size() < static_cast<std::size_t>(game.currStep) + 1)
      round.resize(static_cast<std::size_t>(game.currStep) + 1);
  }
  round[static_cast<std::size_t>(game.currStep)] = step;
}

void runFollowUps(Game& game, const std::string& step) {
  const Options& o = game.options;
  if (o.autoSave && (step == "ROLL STRT WAIT" || step == "ROLL GEAR WAIT") && game.currPos == 0 &&
      game.services.followUps)
    game.services.followUps->autoSave(game);
  if (endsWith(step, "AUTO")) {
    rollCommand(game, RollBy::Program);
    return;
  }
  // The race that ends here is mailed as well, so that every player sees the podium;
  // a finished race handed back on a load stores nothing and is not mailed again.
  if (o.autoMail && game.gameType == 1 &&
      ((endsWith(step, "WAIT") && activeCarIsRemote(game)) || step == "SHOW RSLT") &&
      game.services.followUps)
    game.services.followUps->autoMail(game);
}

}  // namespace

void advanceGame(Game& game, std::string step) {
  // A finished race stays finished: nothing is stored behind its results, and handing
  // "SHOW RSLT" back on a load shows the results again without a second entry.
  const std::string* current = game.currentStep();
  const bool raceOver = current && *current == "SHOW RSLT";
  if (raceOver && step != "SHOW RSLT") return;

  StoreStep store = StoreStep::Yes;
  if (StepHandler handler = findStepHandler(step)) store = handler(game, step);
  if (store == StoreStep::No || raceOver) return;
  storeStep(game, step);

  if (step == "MOVE WAIT") {
    // The blocking check runs once the waiting entry is stored, so that a move of no
    // space takes the waiting entry's place and the rolls it leads to wait as they should.
    const std::string stored = step;
    checkBlocking(game, game.moves.empty() ? NoSpace : game.moves.front());
    const std::string* now = game.currentStep();
    if (!now || *now != stored) return;
  }
  runFollowUps(game, step);
}

bool fireArmedResultTimer(Game& game) {
  for (std::size_t i = 0; i < game.timers.slots.size(); ++i) {
    const auto id = static_cast<TimerId>(i);
    if (game.timers[id].enabled && isResultTimer(id)) {
      fireTimer(game, id);
      return true;
    }
  }
  return false;
}

void fireTimer(Game& game, TimerId id) {
  if (!game.timers[id].enabled) return;
  stopTimer(game, id);
  switch (id) {
    case TimerId::CollisionRoll:
      collisionContinuation(game);
      break;
    case TimerId::EngineRoll:
      engineContinuation(game);
      break;
    default:
      resultTimerElapsed(game, id);
      break;
  }
}

}  // namespace tarmaq
