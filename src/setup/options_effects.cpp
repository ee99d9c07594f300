#include "setup/options_effects.h"

#include "engine/controls.h"
#include "engine/game_state.h"
#include "engine/settings_store.h"
#include "log/game_log_rounds.h"
#include "mail/game_file_retrieve.h"
#include "view/view_timers.h"

namespace tarmaq {

namespace {

// Boxes with equal captions share one stored value, the one of the highest index. The
// live options take that value too, so the game log filters now as it will after a
// restart.
void shareEqualCaptions(Options& options) {
  for (std::size_t i = 0; i < GameLogCategoryKeys.size(); ++i)
    for (std::size_t j = GameLogCategoryKeys.size(); j-- > i + 1;)
      if (GameLogCategoryKeys[j] == GameLogCategoryKeys[i]) {
        options.showInGameLog[i] = options.showInGameLog[j];
        break;
      }
}

}  // namespace

void acceptOptions(Game& game, const Options& options) {
  game.options = options;
  shareEqualCaptions(game.options);
  if (game.options.autoCheckMail && game.options.autoCheckMailInterval.empty())
    game.options.autoCheckMailInterval = std::string("5");
  updateMailCheckTimer(game);
  if (game.services.settings) saveOptions(game.options, *game.services.settings);
  game.controls.toolbar.setEnabled(control::CheckMailButton, game.options.enableEMail);
  if (game.controls.gameInfoPanelVisible) {
    refreshGameLogGrid(game);
    game.controls.standingsStale = true;
  }
}

void applyOptionsEffects(Game& game) {
  game.speedFactor = game.options.speedFactor();
  game.controls.standingsStale = true;
  if (game.view.visible) {
    if (game.options.carBlink)
      startCarBlink(game);
    else
      stopCarBlink(game);
  }
  game.view.requestRedraw();
}

}  // namespace tarmaq
