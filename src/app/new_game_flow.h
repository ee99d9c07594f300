// Setting up a new race: New Game (with Rules), the Address Book of an e-mail game,
// Pit Order and, when the grid is set by hand, Starting Grid. Each dialog is modal over
// the main window and opens when the one before is confirmed; cancelling any of them
// ends the flow and changes nothing. Only the last one hands over the finished set-up.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "setup/address_book_dialog.h"
#include "setup/new_game_dialog.h"

class QWidget;

namespace tarmaq {

class AddressBookWindow;
class Folders;
class Frontend;
class NewGameWindow;
class PitOrderWindow;
class RandomSource;
class RulesWindow;
class SettingsStore;
class StartingGridWindow;
struct Options;

class NewGameFlow final : public QObject {
  Q_OBJECT
 public:
  struct Services {
    const Folders* folders = nullptr;
    SettingsStore* settings = nullptr;
    RandomSource* random = nullptr;
    Frontend* frontend = nullptr;
    const Options* options = nullptr;
  };
  NewGameFlow(QWidget* owner, const Services& services);
  ~NewGameFlow() override;

  // Opens the New Game dialog; a flow already under way is left as it is.
  void start();
  bool running() const;

  // Whether a mail system can be opened.
  std::function<bool()> mailSystem = [] { return false; };
  // The team editor and the team file list of the New Game dialog.
  std::function<std::optional<std::string>(int slot)> editTeam;
  std::function<bool()> editTeamList;
  // The Address Book's "Select": the address picked for a row.
  std::function<std::optional<std::string>(int row)> selectAddress;
  // The set-up, complete, at the end of the flow.
  std::function<void(const NewGameSetup&)> finished;

  // The New Game dialog's state while the flow runs; null before and after.
  const NewGameDialog* model() const { return model_.get(); }

  // The dialog now shown, for the tests; null when another one is.
  NewGameWindow* newGameWindow() const;
  RulesWindow* rulesWindow() const;
  AddressBookWindow* addressBookWindow() const;
  PitOrderWindow* pitOrderWindow() const;
  StartingGridWindow* startingGridWindow() const;

 private:
  void newGameConfirmed();
  void showAddressBook();
  void showPitOrder();
  void pitOrderChosen();
  void showStartingGrid();
  void finish();
  void end();
  SettingsStore& store() const;
  void centreOver(QWidget* dialog, QWidget* over) const;

  QWidget* owner_;
  Services services_;
  std::unique_ptr<NewGameDialog> model_;
  std::unique_ptr<AddressBookDialog> addressModel_;
  std::unique_ptr<PitOrderDialog> pitModel_;
  std::unique_ptr<StartingGridDialog> gridModel_;
  NewGameSetup setup_;
  QPointer<NewGameWindow> newGame_;
  QPointer<RulesWindow> rules_;
  QPointer<AddressBookWindow> addresses_;
  QPointer<PitOrderWindow> pitOrder_;
  QPointer<StartingGridWindow> grid_;
};

}  // namespace tarmaq
