#include "app/new_game_flow.h"

#include <QWidget>

#include "app/address_book_window.h"
#include "app/new_game_window.h"
#include "app/pit_order_window.h"
#include "app/rules_window.h"
#include "app/starting_grid_window.h"
#include "engine/frontend.h"
#include "engine/settings_store.h"
#include "setup/options.h"

namespace tarmaq {

namespace {

const Message MailSystemMissing{
    "MAPI Not Found",
    "You have chosen to create an E-Mail game, but your system does\n"
    "not appear to be MAPI-enabled. E-Mail functions will be disabled.\n"
    "To partake in this E-Mail game you will have to manually save and\n"
    "mail the file to the next player.",
    MessageIcon::Warning, MessageButtons::Ok};

// The dialogs close themselves; the flow drops them once the event loop is back.
template <typename W>
void drop(QPointer<W>& w) {
  if (w) {
    w->hide();
    w->deleteLater();
  }
  w = nullptr;
}

}  // namespace

NewGameFlow::NewGameFlow(QWidget* owner, const Services& services)
    : QObject(owner), owner_(owner), services_(services) {}

NewGameFlow::~NewGameFlow() = default;

NewGameWindow* NewGameFlow::newGameWindow() const { return newGame_; }
RulesWindow* NewGameFlow::rulesWindow() const { return rules_; }
AddressBookWindow* NewGameFlow::addressBookWindow() const { return addresses_; }
PitOrderWindow* NewGameFlow::pitOrderWindow() const { return pitOrder_; }
StartingGridWindow* NewGameFlow::startingGridWindow() const { return grid_; }

bool NewGameFlow::running() const { return newGame_ || addresses_ || pitOrder_ || grid_; }

void NewGameFlow::centreOver(QWidget* dialog, QWidget* over) const {
  if (!over) over = owner_;
  if (!over) return;
  dialog->adjustSize();
  const QPoint centre = over->mapToGlobal(over->rect().center());
  dialog->move(centre - dialog->rect().center());
}

SettingsStore& NewGameFlow::store() const {
  // Without a settings store (a window in a test) the choices are kept for this run.
  static MemorySettings fallback;
  return services_.settings ? *services_.settings : static_cast<SettingsStore&>(fallback);
}

void NewGameFlow::start() {
  if (running()) return;
  SettingsStore& settings = store();
  const bool eMail = services_.options && services_.options->enableEMail;
  if (services_.folders)
    model_ =
        std::make_unique<NewGameDialog>(NewGameDialog::open(*services_.folders, settings, eMail));
  else
    model_ = std::make_unique<NewGameDialog>();
  newGame_ = new NewGameWindow(*model_, services_.folders, &settings, *services_.frontend, owner_);
  newGame_->editTeam = [this](int slot) {
    return editTeam ? editTeam(slot) : std::optional<std::string>{};
  };
  newGame_->editTeamList = [this] { return editTeamList && editTeamList(); };
  newGame_->showRules = [this] {
    rules_ = new RulesWindow(model_->rules, &store(), newGame_);
    rules_->setAttribute(Qt::WA_DeleteOnClose);
    connect(rules_, &QDialog::finished, newGame_, [this] {
      if (newGame_) newGame_->render();
    });
    centreOver(rules_, owner_);
    rules_->open();
  };
  connect(newGame_, &QDialog::accepted, this, &NewGameFlow::newGameConfirmed);
  connect(newGame_, &QDialog::rejected, this, &NewGameFlow::end);
  centreOver(newGame_, owner_);
  newGame_->open();
}

void NewGameFlow::newGameConfirmed() {
  // The player's address is read when the Address Book has been confirmed.
  setup_ = model_->toSetup(services_.options ? services_.options->localEMail : std::string());
  newGame_->hide();
  if (setup_.gameType == 1) {
    const bool mail = mailSystem && mailSystem();
    if (!mail) services_.frontend->ask(MailSystemMissing);
    showAddressBook();
    return;
  }
  showPitOrder();
}

void NewGameFlow::showAddressBook() {
  const bool mail = mailSystem && mailSystem();
  addressModel_ = std::make_unique<AddressBookDialog>(
      model_->tickedDriverNames(), services_.options ? services_.options->localEMail : "", mail);
  addresses_ = new AddressBookWindow(*addressModel_, owner_);
  addresses_->selectAddress = [this](int row) {
    return selectAddress ? selectAddress(row) : std::optional<std::string>{};
  };
  connect(addresses_, &QDialog::accepted, this, [this] {
    addressModel_->apply(setup_, store());
    addresses_->hide();
    showPitOrder();
  });
  connect(addresses_, &QDialog::rejected, this, &NewGameFlow::end);
  centreOver(addresses_, newGame_);
  addresses_->open();
}

void NewGameFlow::showPitOrder() {
  pitModel_ = std::make_unique<PitOrderDialog>(static_cast<int>(setup_.teams.size()));
  pitOrder_ = new PitOrderWindow(*pitModel_, setup_.teams, owner_);
  connect(pitOrder_, &QDialog::accepted, this, &NewGameFlow::pitOrderChosen);
  connect(pitOrder_, &QDialog::rejected, this, &NewGameFlow::end);
  centreOver(pitOrder_, newGame_);
  pitOrder_->open();
}

void NewGameFlow::pitOrderChosen() {
  setup_.pitRowTeam = pitModel_->rowTeam;
  setup_.switchedPitRows = pitModel_->switched;
  pitOrder_->hide();
  if (pitOrder_->choice() == PitOrderWindow::SetGrid) {
    showStartingGrid();
    return;
  }
  setup_.grid = GridMode::Roll;
  setup_.gridOrder.clear();
  finish();
}

void NewGameFlow::showStartingGrid() {
  std::vector<std::string> drivers;
  for (const SetupTeam& t : setup_.teams)
    for (const SetupDriver& d : t.drivers) drivers.push_back(d.name);
  gridModel_ = std::make_unique<StartingGridDialog>(static_cast<int>(drivers.size()));
  gridModel_->mark = GridMode::Manual;
  grid_ = new StartingGridWindow(*gridModel_, drivers, services_.random, owner_);
  connect(grid_, &QDialog::accepted, this, [this] {
    setup_.grid = gridModel_->mark;
    setup_.gridOrder = gridModel_->order;
    finish();
  });
  connect(grid_, &QDialog::rejected, this, &NewGameFlow::end);
  centreOver(grid_, newGame_);
  grid_->open();
}

void NewGameFlow::finish() {
  const NewGameSetup setup = setup_;
  end();
  if (finished) finished(setup);
}

void NewGameFlow::end() {
  drop(rules_);
  drop(grid_);
  drop(pitOrder_);
  drop(addresses_);
  drop(newGame_);
}

}  // namespace tarmaq
