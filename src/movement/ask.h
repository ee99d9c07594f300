// Asking the player through the front end. Without one, a question is answered No and
// an OK-only box OK, so a move is never committed that nobody agreed to.
#pragma once

#include "engine/frontend.h"
#include "engine/game_state.h"

namespace tarmaq {

inline Answer askPlayer(Game& game, const char* title, const std::string& text, MessageIcon icon,
                        MessageButtons buttons) {
  if (!game.services.frontend) return buttons == MessageButtons::Ok ? Answer::Ok : Answer::No;
  game.services.frontend->stateChanged();  // the player sees the board as it stands
  return game.services.frontend->ask(Message{title, text, icon, buttons});
}

// A Yes, or an OK-only box that stands for one.
inline bool agreed(Answer a) { return a == Answer::Yes || a == Answer::Ok; }

}  // namespace tarmaq
