#include "view/view_timers.h"

#include "engine/game_state.h"
#include "view/navigation.h"

namespace tarmaq {

namespace {

void refreshElapsed(Game& game) {
  if (game.options.autoCenter) {
    centerCar(game, game.currCar);
    // A current car that is not on a space cannot be centred; the outline left by the
    // repaints still gives way to the full picture.
    if (!game.view.redrawRequested) game.view.requestRedraw();
  } else {
    game.view.requestRedraw();
  }
}

void carBlinkElapsed(Game& game) {
  CarBlink& blink = game.view.blink;
  const Car* car = game.car(game.currCar);
  if (car && car->inRace() && game.view.visible) {
    blink.intervalMs = blink.intervalMs == 500 ? 501 : 500;
    blink.ticked = true;
    game.view.requestRepaint();
  }
  startTimer(game, TimerId::CarBlink, blink.intervalMs);
}

void screenFlashElapsed(Game& game) {
  ScreenFlash& f = game.view.flash;
  int next = 0;
  f.showsRed = f.showsBack = false;
  switch (f.intervalMs) {
    case 1:
      f.showsRed = true;
      next = 50;
      break;
    case 2:
    case 52:
    case 54:
      f.showsRed = true;
      next = f.intervalMs == 2 ? 51 : f.intervalMs + 1;
      break;
    case 51:
    case 53:
      f.showsBack = true;
      next = f.intervalMs + 1;
      break;
    default:  // 50, 55: the sequence ends with the full picture
      break;
  }
  f.intervalMs = next;
  game.view.requestRepaint();
  if (next != 0) startTimer(game, TimerId::ScreenFlash, next);
}

}  // namespace

void mainWindowRepainted(Game& game) {
  requestQuickRedraw(game.view);
  startTimer(game, TimerId::Refresh, RefreshDelayMs);
}

void requestScreenFlash(Game& game, int interval) {
  ++game.controls.flashRequests;
  ScreenFlash& f = game.view.flash;
  const bool threeUnderWay = f.intervalMs == FlashThrice || f.intervalMs >= 51;
  if (interval == FlashOnce && threeUnderWay) return;
  f.intervalMs = interval;
  startTimer(game, TimerId::ScreenFlash, interval);
}

void startCarBlink(Game& game) {
  game.view.blink = {};
  startTimer(game, TimerId::CarBlink, game.view.blink.intervalMs);
}

void stopCarBlink(Game& game) {
  stopTimer(game, TimerId::CarBlink);
  if (game.view.blink.ticked) game.view.requestRepaint();
  game.view.blink = {};
}

bool viewTimerElapsed(Game& game, TimerId id) {
  switch (id) {
    case TimerId::Refresh:
      refreshElapsed(game);
      return true;
    case TimerId::CarBlink:
      carBlinkElapsed(game);
      return true;
    case TimerId::ScreenFlash:
      screenFlashElapsed(game);
      return true;
    default:
      return false;
  }
}

}  // namespace tarmaq
