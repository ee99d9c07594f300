#include "app/new_game_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/team_slot_widget.h"
#include "engine/frontend.h"

namespace tarmaq {

NewGameWindow::NewGameWindow(NewGameDialog& model, const Folders* folders,
                             const SettingsStore* settings, Frontend& frontend, QWidget* parent)
    : QDialog(parent), model_(model), folders_(folders), settings_(settings), frontend_(frontend) {
  setWindowTitle(QStringLiteral("New Game"));
  setObjectName(QStringLiteral("NewGame"));
  auto* outer = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  outer->addLayout(top);
  auto* form = new QFormLayout;
  top->addLayout(form);
  gameType_ = new QComboBox;
  raceClass_ = new QComboBox;
  raceType_ = new QComboBox;
  circuit_ = new QComboBox;
  players_ = new QLabel;
  players_->setObjectName(QStringLiteral("NumberOfPlayers"));
  circuit_->setMinimumWidth(220);
  form->addRow(QStringLiteral("Game Type"), gameType_);
  form->addRow(QStringLiteral("Race Class"), raceClass_);
  auto* form2 = new QFormLayout;
  top->addSpacing(24);
  top->addLayout(form2);
  form2->addRow(QStringLiteral("Race Type"), raceType_);
  auto* circuitRow = new QHBoxLayout;
  circuitRow->addWidget(circuit_);
  circuitRow->addWidget(players_);
  form2->addRow(QStringLiteral("Circuit"), circuitRow);
  top->addStretch();

  auto* slotsBox = new QVBoxLayout;
  outer->addLayout(slotsBox);
  for (int s = 0; s < TeamSlots; ++s) {
    auto* w = new TeamSlotWidget(s, folders_);
    slots_[static_cast<std::size_t>(s)] = w;
    slotsBox->addWidget(w);
    connect(w, &TeamSlotWidget::teamChosen, this, [this](int slot, int position) {
      model_.teamSlotChanged(slot, position);
      render();
    });
    connect(w, &TeamSlotWidget::driverClicked, this, [this](int slot, int d, bool on) {
      auto refused = model_.tickDriver(slot, d, on);
      render();
      if (refused) frontend_.ask(*refused);
    });
    connect(w, &TeamSlotWidget::editClicked, this, [this](int slot) {
      if (!editTeam) return;
      const auto saved = editTeam(slot);
      if (folders_ && settings_) model_.reloadTeams(*folders_, *settings_);
      if (saved) model_.chooseTeamByName(slot, *saved);
      fillTeamLists();
      render();
    });
  }

  auto* arrows = new QHBoxLayout;
  outer->addLayout(arrows);
  first_ = new QToolButton;
  first_->setArrowType(Qt::UpArrow);
  first_->setToolTip(QStringLiteral("Show the first 5 teams"));
  next_ = new QToolButton;
  next_->setArrowType(Qt::DownArrow);
  next_->setToolTip(QStringLiteral("Show the next 5 teams"));
  arrows->addWidget(first_);
  arrows->addWidget(next_);
  arrows->addStretch();
  editList_ = new QPushButton(QStringLiteral("Edit Team List"));
  rules_ = new QPushButton(QStringLiteral("Rules"));
  ok_ = new QPushButton(QStringLiteral("OK"));
  cancel_ = new QPushButton(QStringLiteral("Cancel"));
  ok_->setDefault(true);
  for (QPushButton* b : {editList_, rules_, ok_, cancel_}) arrows->addWidget(b);
  connect(next_, &QToolButton::clicked, this, [this] {
    model_.showPage(1);
    render();
  });
  connect(first_, &QToolButton::clicked, this, [this] {
    model_.showPage(0);
    render();
  });
  connect(editList_, &QPushButton::clicked, this, [this] {
    if (!editTeamList || !editTeamList()) return;
    reloadTeams();
  });
  connect(rules_, &QPushButton::clicked, this, [this] {
    if (showRules) showRules();
  });
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (model_.okEnabled()) accept();
  });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

  connect(gameType_, &QComboBox::activated, this, [this](int i) {
    model_.gameType = i;
    render();
  });
  connect(raceClass_, &QComboBox::activated, this, [this](int i) {
    model_.raceClass = i;
    render();
  });
  connect(raceType_, &QComboBox::activated, this, [this](int i) {
    model_.chooseRaceType(i);
    render();
  });
  connect(circuit_, &QComboBox::activated, this, [this](int i) {
    model_.chooseCircuit(i);
    render();
  });
  buildLists();
  fillTeamLists();
  render();
}

void NewGameWindow::buildLists() {
  for (const std::string& t : model_.gameTypes) gameType_->addItem(QString::fromStdString(t));
  for (const ListEntry& c : model_.classes) raceClass_->addItem(QString::fromStdString(c.text));
  for (const std::string& t : model_.raceTypes) raceType_->addItem(QString::fromStdString(t));
  for (const ListEntry& c : model_.circuits) circuit_->addItem(QString::fromStdString(c.text));
}

void NewGameWindow::fillTeamLists() {
  for (TeamSlotWidget* w : slots_) w->setTeams(model_.teams);
}

void NewGameWindow::reloadTeams() {
  if (folders_ && settings_) model_.reloadTeams(*folders_, *settings_);
  fillTeamLists();
  render();
}

void NewGameWindow::render() {
  const auto select = [](QComboBox* box, int index) {
    const QSignalBlocker block(box);
    box->setCurrentIndex(index < box->count() ? index : -1);
  };
  select(gameType_, model_.gameType);
  select(raceClass_, model_.raceClass);
  select(raceType_, model_.raceType);
  select(circuit_, model_.circuit);
  players_->setText(QString::fromStdString(model_.playersLabel()));
  for (int s = 0; s < TeamSlots; ++s) {
    TeamSlotWidget* w = slots_[static_cast<std::size_t>(s)];
    w->render(model_.slots[static_cast<std::size_t>(s)], model_.teams);
    w->setVisible(s / 5 == model_.page);
  }
  next_->setVisible(model_.page == 0 && model_.nextTeamsOffered());
  first_->setVisible(model_.page == 1);
  ok_->setEnabled(model_.okEnabled());
}

}  // namespace tarmaq
