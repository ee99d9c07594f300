// The automatic driver: plays any car through the player's own commands only (gear
// buttons, the die, the lane buttons, Step Back and Reset, the brake pictures, Accept,
// and the answers to message boxes), as a player would. It is the harness for whole
// races and the start of computer opponents.
#pragma once

#include <cstdint>
#include <random>
#include <string>

#include "engine/frontend.h"

namespace tarmaq {

struct Game;

// One thing a player does: the driver decides it, and the driver itself or a test that
// plays through the window's keys and buttons carries it out.
struct DriverAction {
  enum Kind {
    None,        // nothing a player could do now
    SelectGear,  // arg: the gear, 1-6
    Roll,        // the die of the step the game waits at
    Lane,        // arg: the lane button, 0 left, 1 straight ahead, 2 right
    Brake,       // arg: the brake picture to click
    Accept,      // "Accept Move"
    Reset,       // "Reset Move"
  };
  Kind kind = None;
  int arg = 0;
};

class AutoDriver {
 public:
  explicit AutoDriver(std::uint64_t seed) : rng_(seed) {}

  // One player action for the step the game waits at, carried out: a gear choice and
  // the roll that follows it count as one. False when there is nothing a player could
  // do now.
  bool act(Game& game);

  // The next action for the step the game waits at, not yet done. At a gear choice it
  // is the gear first, then the roll.
  DriverAction decide(const Game& game);
  // Carries an action out through the player's own commands.
  static void perform(Game& game, const DriverAction& action);

  // How the driver answers a message box the rules show it.
  Answer answer(const Game& game, const Message& message);

 private:
  int chooseGear(const Game& game);
  DriverAction planMove(const Game& game);
  double draw();
  std::mt19937_64 rng_;
  int movesWithoutProgress_ = 0;
  int refusals_ = 0;
  // The gear choice made for this wait (round and step index), so that the roll follows.
  int gearChosenRound_ = -1;
  int gearChosenStep_ = -1;
};

// A front end for automatic play: message boxes go to the driver, timers are left for
// the runner to fire at once, and nothing is drawn.
class AutoFrontend final : public Frontend {
 public:
  AutoFrontend(AutoDriver& driver, const Game& game) : driver_(driver), game_(game) {}
  Answer ask(const Message& message) override {
    ++messages;
    return driver_.answer(game_, message);
  }
  DriverCommentResult askDriverComment(const DriverCommentPrompt&) override { return {}; }
  void showDieFrame(int, int) override {}
  void timerChanged(TimerId, bool, int) override {}
  void stateChanged() override {}
  int selectLocalEMail(const std::vector<std::string>&) override { return 0; }
  void showResults(const Podium&) override { ++resultsShown; }
  int messages = 0;
  int resultsShown = 0;

 private:
  AutoDriver& driver_;
  const Game& game_;
};

}  // namespace tarmaq
