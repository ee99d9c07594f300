// The main window's part in setting up a new race: it opens the set-up dialogs and,
// when they are done, puts the new game in place of the current one.
#include "app/address_picker.h"
#include "app/main_window.h"
#include "app/new_game_flow.h"
#include "app/qt_frontend.h"
#include "app/rules_window.h"
#include "app/team_dialogs.h"
#include "engine/dates.h"
#include "engine/timers.h"
#include "mail/address_book.h"
#include "mail/mailer.h"
#include "setup/new_game.h"

namespace tarmaq {

NewGameFlow& MainWindow::newGameFlow() {
  if (!newGame_) {
    newGame_ = new NewGameFlow(this, {services_.folders, services_.settings, services_.random,
                                      frontend_.get(), &game_.options});
    newGame_->finished = [this](const NewGameSetup& setup) { startNewGame(setup); };
    newGame_->mailSystem = [this] { return mailer_ && mapiEnabled(game_, *mailer_); };
    newGame_->editTeam = [this](int slot) -> std::optional<std::string> {
      const NewGameDialog* model = newGame_->model();
      if (!model || !services_.folders || !services_.settings) return std::nullopt;
      const TeamSlot& s = model->slots[static_cast<std::size_t>(slot)];
      const Team* team = s.team >= 0 ? &model->teams[static_cast<std::size_t>(s.team)] : nullptr;
      const std::string classFile =
          model->classes.empty() ? std::string()
                                 : model->classes[static_cast<std::size_t>(model->raceClass)].file;
      auto saved = editTeam(this, *services_.folders, *services_.settings, classFile, team);
      if (!saved) return std::nullopt;
      return saved->team.name;
    };
    newGame_->editTeamList = [this] {
      return services_.folders && services_.settings &&
             editTeamFileList(this, *services_.folders, *services_.settings);
    };
    newGame_->selectAddress = [this](int) -> std::optional<std::string> {
      if (!services_.settings) return std::nullopt;
      return pickAddressDialog(this, *services_.settings);
    };
  }
  return *newGame_;
}

void MainWindow::startNewGame(const NewGameSetup& chosen) {
  // The current game is only replaced now, and not before it could be saved.
  if (game_.controls.menu.get(control::SaveGameMenu).enabled && game_.startDate != 0) {
    const Answer a = frontend_->ask({"Save Current Game",
                                     "Save changes to the current game before starting a new one?",
                                     MessageIcon::Question, MessageButtons::YesNo});
    if (a == Answer::Yes && !saveGame(true)) return;
  }
  NewGameSetup setup = chosen;
  setup.startDate = dateNow();
  stopAllTimers(game_);
  // The Address Book's local address decides, from the first grid roll on, which cars
  // are driven here.
  if (setup.gameType == 1) game_.options.localEMail = setup.localEMail;
  const bool built = getNewGameInfo(game_, setup) && newGameRound0(game_, setup);
  if (built && setup.gameType == 1 && services_.settings)
    rememberGameAddresses(*services_.settings, game_);
  game_.controls.standingsStale = true;
  game_.controls.startingGridStale = true;
  game_.controls.windowTitleStale = true;
  render();
  // A missing race class or circuit has been reported: the program cannot go on.
  if (!built) close();
}

void MainWindow::showGameRules() {
  auto* window = new RulesWindow(game_.rules, this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->open();
}

}  // namespace tarmaq
