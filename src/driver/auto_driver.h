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

class AutoDriver {
 public:
  explicit AutoDriver(std::uint64_t seed) : rng_(seed) {}

  // One player action for the step the game waits at. False when there is nothing a
  // player could do now.
  bool act(Game& game);

  // How the driver answers a message box the rules show it.
  Answer answer(const Game& game, const Message& message);

 private:
  void chooseGear(Game& game);
  bool planMove(Game& game);
  double draw();
  std::mt19937_64 rng_;
  int movesWithoutProgress_ = 0;
  int refusals_ = 0;
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
