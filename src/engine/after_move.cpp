#include "engine/game_state.h"
#include "engine/pit_stop.h"
#include "engine/turn_controller.h"

namespace tarmaq {

namespace {

// The first car, in car-number order, other than `except` that still has to roll for
// a collision; -1 when there is none.
int nextCollisionVictim(const Game& game, int except) {
  for (int c = 0; c < game.carCount(); ++c) {
    const Car& car = game.cars[static_cast<std::size_t>(c)];
    if (c != except && car.clsnFlag == True && car.inRace()) return c;
  }
  return -1;
}

// The collisions the mover still has to roll for: none once it has left the race.
int moverPendingCollisions(const Game& game) {
  const Car* mover = game.car(game.mover());
  return mover && mover->inRace() ? game.snapshot.clsn : 0;
}

}  // namespace

// Hands the turn to the next car and asks it for its roll, while the race goes on.
void passTheTurn(Game& game) {
  advanceGame(game, "DRVR ADVN");
  if (!anyCarRunning(game)) return;
  if (game.currRound == 1) {
    advanceGame(game, "ROLL STRT WAIT");
  } else {
    const Car* next = game.car(game.currCar);
    if (next && next->status <= 19) advanceGame(game, "ROLL GEAR WAIT");
  }
}

namespace {

void askForCollisionRoll(Game& game, int c) {
  const bool ownRoll = c == game.mover();
  advanceGame(game, "DRVR " + std::to_string(c));
  advanceGame(game, ownRoll || !game.options.autoRoll ? "ROLL CLSN WAIT" : "ROLL CLSN AUTO");
}

}  // namespace

void afterMove(Game& game) {
  Car* active = game.car(game.currCar);
  if (active && active->inRace() && active->clsnFlag == True) {
    active->possCollCaused += game.snapshot.clsn;
    int victim = nextCollisionVictim(game, game.currCar);
    if (victim >= 0) {
      advanceGame(game, "DRVR " + std::to_string(victim));
      advanceGame(game, game.options.autoRoll ? "ROLL CLSN AUTO" : "ROLL CLSN WAIT");
      return;
    }
    // No victim left in the race: the mover rolls for its own collisions.
    const Car* mover = game.car(game.mover());
    if (!mover || mover->body < 1 || moverPendingCollisions(game) <= 0) {
      passTheTurn(game);
      return;
    }
    askForCollisionRoll(game, game.mover());
    return;
  }
  if (active && active->status == InThePits) {
    beginPitStop(game);
    return;
  }
  if (anyCarRunning(game))
    passTheTurn(game);
  else
    advanceGame(game, "SHOW RSLT");
}

void collisionContinuation(Game& game) {
  const int mover = game.mover();
  if (game.currCar == mover) {
    if (moverPendingCollisions(game) > 0)
      advanceGame(game, "ROLL CLSN WAIT");
    else
      passTheTurn(game);
    return;
  }
  int c = nextCollisionVictim(game, mover);
  if (c < 0) {
    const Car* m = game.car(mover);
    if (!m || m->body < 1 || moverPendingCollisions(game) <= 0) {
      passTheTurn(game);
      return;
    }
    c = mover;
  }
  askForCollisionRoll(game, c);
}

void engineContinuation(Game& game) {
  for (int c = 0; c < game.carCount(); ++c) {
    const Car& car = game.cars[static_cast<std::size_t>(c)];
    if (car.engnFlag == True && car.inRace()) {
      advanceGame(game, "DRVR " + std::to_string(c));
      advanceGame(game, game.options.autoRoll ? "ROLL ENGN AUTO" : "ROLL ENGN WAIT");
      return;
    }
  }
  game.currCar = game.mover();
  afterMove(game);
}

}  // namespace tarmaq
