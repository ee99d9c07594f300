// What follows a stored step: the automatic save at the start of each round, and the
// automatic mail, which the mail layer provides.
#pragma once

#include <functional>

#include "engine/game_state.h"

namespace tarmaq {

class GameFollowUps final : public FollowUps {
 public:
  // Saves to the game's file, or to "autosave.tmp" in the games folder when it has
  // none. A failed automatic save changes nothing and says nothing: play goes on.
  void autoSave(Game& game) override;
  void autoMail(Game& game) override {
    if (mail) mail(game);
  }
  std::function<void(Game&)> mail;
};

}  // namespace tarmaq
