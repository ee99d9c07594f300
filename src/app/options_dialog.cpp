#include "app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include "engine/game_state.h"
#include "setup/options_effects.h"

namespace tarmaq {

namespace {

struct TabInfo {
  const char* caption;
  const char* key;
  const char* tooltip;
};

constexpr TabInfo Tabs[] = {
    {"View", "OptionsViewTab", "Set options for the track view"},
    {"Game", "OptionsGameTab", "Set options for gameplay"},
    {"E-Mail", "OptionsE-MailTab", "Set options for E-Mail gameplay"},
    {"Game Log", "OptionsGameLogTab", "Set options for the Game Log"},
    {"Current Standings", "OptionsCurrentStandingsTab",
     "Set options for what is shown in the Current Standings grid"},
};

QString text(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

QWidget* page(const char* key) {
  auto* w = new QWidget;
  w->setObjectName(QString::fromLatin1(key));
  return w;
}

constexpr MailSecurity Securities[] = {MailSecurity::StartTls, MailSecurity::Tls,
                                       MailSecurity::None};

QComboBox* securityList(const char* name, MailSecurity chosen) {
  auto* list = new QComboBox;
  list->setObjectName(QString::fromLatin1(name));
  for (MailSecurity s : Securities) {
    list->addItem(text(securityName(s)));
    if (s == chosen) list->setCurrentIndex(list->count() - 1);
  }
  return list;
}

QSpinBox* portBox(const char* name, int port) {
  auto* box = new QSpinBox;
  box->setObjectName(QString::fromLatin1(name));
  box->setRange(1, 65535);
  box->setValue(port);
  return box;
}

MailSecurity securityAt(const QComboBox* list) {
  const int i = list->currentIndex();
  return i >= 0 && i < 3 ? Securities[i] : MailSecurity::StartTls;
}

}  // namespace

OptionsDialog::OptionsDialog(const Options& options, const MailServerSettings& servers,
                             QWidget* parent)
    : QDialog(parent), original_(options), originalServers_(servers) {
  setObjectName(QStringLiteral("Options"));
  setWindowTitle(QStringLiteral("Options"));
  setModal(true);
  tabs_ = new QTabWidget(this);
  tabs_->setObjectName(QStringLiteral("OptionsTabs"));
  QWidget* pages[] = {viewTab(), gameTab(), eMailTab(), gameLogTab(), standingsTab()};
  for (std::size_t i = 0; i < std::size(Tabs); ++i) {
    const int at = tabs_->addTab(pages[i], QString::fromLatin1(Tabs[i].caption));
    tabs_->setTabToolTip(at, QString::fromLatin1(Tabs[i].tooltip));
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(buttons);
  eMailEnabledChanged();
}

QCheckBox* OptionsDialog::addBox(const char* caption, const char* key, bool Options::*field) {
  auto* box = new QCheckBox(QString::fromLatin1(caption));
  box->setObjectName(QString::fromLatin1(key));
  box->setChecked(original_.*field);
  boxes_.emplace_back(box, field);
  return box;
}

QWidget* OptionsDialog::viewTab() {
  QWidget* w = page(Tabs[0].key);
  auto* grid = new QGridLayout(w);
  QCheckBox* boxes[] = {
      addBox("Show Die Animation", "ShowDieAnim", &Options::showDieAnim),
      addBox("Auto-Center Current Car", "AutoCent", &Options::autoCenter),
      addBox("Auto-Scroll During Moves", "AutoScroll", &Options::autoScroll),
      addBox("Show Die Icons on Lane", "DrawDieIcons", &Options::drawDieIcons),
      addBox("Blinking Current Car", "CarBlink", &Options::carBlink),
      addBox("Show \"Next\" Spaces", "ShowNextSpaces", &Options::showNextSpaces),
      addBox("Show \"Final\" Space", "ShowFinalSpace", &Options::showFinalSpace),
      addBox("Flash On Wear Use", "FlashWear", &Options::flashWear),
      addBox("Flash On Car Retirement", "FlashRetire", &Options::flashRetire),
      addBox("Show Scroll Bars", "ScrollBars", &Options::scrollBars),
  };
  int row = 0;
  for (QCheckBox* box : boxes) {
    grid->addWidget(box, row % 5, row / 5);
    ++row;
  }
  trackDetail_ = new QComboBox;
  trackDetail_->setObjectName(QStringLiteral("TrackDetail"));
  for (std::string_view name : TrackDetailNames) trackDetail_->addItem(text(name));
  trackDetail_->setCurrentIndex(original_.trackDetail);
  auto* detail = new QHBoxLayout;
  detail->addWidget(new QLabel(QStringLiteral("Track Detail")));
  detail->addWidget(trackDetail_);
  detail->addStretch();
  grid->addLayout(detail, 5, 0, 1, 2);
  grid->setRowStretch(6, 1);
  return w;
}

QWidget* OptionsDialog::gameTab() {
  QWidget* w = page(Tabs[1].key);
  auto* col = new QVBoxLayout(w);
  col->addWidget(addBox("Prompt For Driver Comment at the end of each Turn", "DriverComm",
                        &Options::driverComment));
  col->addWidget(addBox("Use Metric Distances", "UseMetric", &Options::useMetric));
  col->addWidget(addBox("Auto-Roll Damage for Other Players", "AutoRoll", &Options::autoRoll));
  col->addWidget(addBox("Auto-Save at the start of each Round", "AutoSave", &Options::autoSave));
  col->addWidget(
      addBox("Warn on potential corner overshooting", "WarnOvershoot", &Options::warnOvershoot));
  col->addStretch();
  return w;
}

QWidget* OptionsDialog::eMailTab() {
  QWidget* w = page(Tabs[2].key);
  auto* col = new QVBoxLayout(w);
  enableEMail_ = addBox("Enable E-Mail Gaming", "EnableEMail", &Options::enableEMail);
  connect(enableEMail_, &QCheckBox::toggled, this, [this] { eMailEnabledChanged(); });
  col->addWidget(enableEMail_);
  QCheckBox* showMessage =
      addBox("Show Message Before Sending", "ShowMessage", &Options::showMessage);
  QCheckBox* autoMail = addBox("Auto-Mail to Next Player", "AutoMail", &Options::autoMail);
  QCheckBox* autoCheck = addBox("Auto-Check Mail every", "AutoCheckMail", &Options::autoCheckMail);
  minutes_ = new QLineEdit(QString::fromStdString(original_.autoCheckMailInterval));
  minutes_->setObjectName(QStringLiteral("AutoCheckMailInterval"));
  minutes_->setMaximumWidth(50);
  auto* minutesLabel = new QLabel(QStringLiteral("Minutes"));
  minutesLabel->setObjectName(QStringLiteral("MinutesLabel"));
  auto* check = new QHBoxLayout;
  check->addWidget(autoCheck);
  check->addWidget(minutes_);
  check->addWidget(minutesLabel);
  check->addStretch();
  for (QWidget* dependent : {static_cast<QWidget*>(showMessage), static_cast<QWidget*>(autoMail)})
    col->addWidget(dependent);
  col->addLayout(check);
  eMailDependents_ = {showMessage, autoMail, autoCheck, minutes_, minutesLabel};
  col->addWidget(mailServerBox());
  col->addStretch();
  return w;
}

QWidget* OptionsDialog::mailServerBox() {
  auto* box = new QGroupBox(QStringLiteral("Mail Servers"));
  auto* form = new QGridLayout(box);
  const MailServerSettings& s = originalServers_;
  outgoingHost_ = new QLineEdit(QString::fromStdString(s.outgoing.host));
  outgoingHost_->setObjectName(QStringLiteral("OutgoingServer"));
  outgoingPort_ = portBox("OutgoingPort", s.outgoing.port);
  outgoingSecurity_ = securityList("OutgoingSecurity", s.outgoing.security);
  incomingHost_ = new QLineEdit(QString::fromStdString(s.incoming.host));
  incomingHost_->setObjectName(QStringLiteral("IncomingServer"));
  incomingPort_ = portBox("IncomingPort", s.incoming.port);
  incomingSecurity_ = securityList("IncomingSecurity", s.incoming.security);
  mailUser_ = new QLineEdit(QString::fromStdString(s.user));
  mailUser_->setObjectName(QStringLiteral("MailUser"));
  form->addWidget(new QLabel(QStringLiteral("Server")), 0, 1);
  form->addWidget(new QLabel(QStringLiteral("Port")), 0, 2);
  form->addWidget(new QLabel(QStringLiteral("Security")), 0, 3);
  form->addWidget(new QLabel(QStringLiteral("Outgoing (SMTP)")), 1, 0);
  form->addWidget(outgoingHost_, 1, 1);
  form->addWidget(outgoingPort_, 1, 2);
  form->addWidget(outgoingSecurity_, 1, 3);
  form->addWidget(new QLabel(QStringLiteral("Incoming (IMAP)")), 2, 0);
  form->addWidget(incomingHost_, 2, 1);
  form->addWidget(incomingPort_, 2, 2);
  form->addWidget(incomingSecurity_, 2, 3);
  form->addWidget(new QLabel(QStringLiteral("User Name")), 3, 0);
  form->addWidget(mailUser_, 3, 1, 1, 3);
  form->setColumnStretch(1, 1);
  return box;
}

void OptionsDialog::eMailEnabledChanged() {
  const bool on = enableEMail_->isChecked();
  for (QWidget* w : eMailDependents_) w->setEnabled(on);
  // The minutes box is white while it can be typed in, button face while it cannot.
  QPalette p = minutes_->palette();
  p.setColor(QPalette::Base, on ? QColor(Qt::white) : palette().color(QPalette::Button));
  minutes_->setPalette(p);
}

QWidget* OptionsDialog::gameLogTab() {
  QWidget* w = page(Tabs[3].key);
  for (int i = 0; i < GameLogCategoryCount; ++i) {
    auto* box = new QCheckBox(text(GameLogCategoryKeys[static_cast<std::size_t>(i)]));
    box->setObjectName(QStringLiteral("GameLog%1").arg(i));
    box->setChecked(original_.showInGameLog[static_cast<std::size_t>(i)]);
    gameLog_[static_cast<std::size_t>(i)] = box;
  }
  gameLog_[1]->setParent(w);  // "Unused": kept and stored like the others, never shown
  gameLog_[1]->hide();
  auto boxAt = [this](int i) { return gameLog_[static_cast<std::size_t>(i)]; };
  auto group = [&](const char* caption, std::initializer_list<int> indexes) {
    auto* g = new QGroupBox(QString::fromLatin1(caption));
    auto* col = new QVBoxLayout(g);
    for (int i : indexes) col->addWidget(boxAt(i));
    return g;
  };
  auto column = [&](std::initializer_list<int> indexes) {
    auto* col = new QVBoxLayout;
    for (int i : indexes) col->addWidget(boxAt(i));
    return col;
  };

  // Three columns keep the tab about as tall as the others.
  auto* show = new QGroupBox(QStringLiteral("Show in Game Log"));
  auto* grid = new QGridLayout(show);
  auto* first = column({0, 2, 3, 4});
  first->addWidget(group("Die Rolls", {5, 6, 7, 8, 9, 10}));
  first->addStretch();
  auto* second = column({11, 12, 13, 14, 30, 29});
  second->addWidget(group("Possible Wear Point Usage", {15, 16, 17}));
  second->addStretch();
  auto* third = new QVBoxLayout;
  third->addWidget(group("Wear Point Usage", {18, 19, 20, 21, 22, 23, 24}));
  third->addWidget(group("Car Status", {32, 31, 25, 26, 27, 28}));
  third->addStretch();
  grid->addLayout(first, 0, 0);
  grid->addLayout(second, 0, 1);
  grid->addLayout(third, 0, 2);

  auto* settings = new QGroupBox(QStringLiteral("Settings"));
  auto* col = new QVBoxLayout(settings);
  standardComments_ = new QRadioButton(QStringLiteral("Standard Info Comments"));
  standardComments_->setObjectName(QStringLiteral("StandardInfoComments"));
  colorComments_ = new QRadioButton(QStringLiteral("\"Color\" Info Comments"));
  colorComments_->setObjectName(QStringLiteral("ColorInfoComments"));
  (original_.standardComments ? standardComments_ : colorComments_)->setChecked(true);
  autoCollapse_ = new QCheckBox(QStringLiteral("Auto-Collapse Prev. Rounds"));
  autoCollapse_->setObjectName(QStringLiteral("AutoCollapsePrevious"));
  autoCollapse_->setChecked(original_.autoCollapse);
  col->addWidget(standardComments_);
  col->addWidget(colorComments_);
  col->addWidget(autoCollapse_);
  col->addStretch();

  auto* row = new QHBoxLayout(w);
  row->addWidget(show, 3);
  row->addWidget(settings, 1);
  return w;
}

QWidget* OptionsDialog::standingsTab() {
  QWidget* w = page(Tabs[4].key);
  auto* grid = new QGridLayout(w);
  for (int i = 0; i < StandingsColumnCount; ++i) {
    auto* box = new QCheckBox(text(StandingsColumnKeys[static_cast<std::size_t>(i)]));
    box->setObjectName(QStringLiteral("CurrStand%1").arg(i));
    box->setChecked(original_.standingsColumns[static_cast<std::size_t>(i)]);
    standings_[static_cast<std::size_t>(i)] = box;
    grid->addWidget(box, i % 6, i / 6);
  }
  grid->setRowStretch(6, 1);
  return w;
}

Options OptionsDialog::options() const {
  Options o = original_;
  for (const auto& [box, field] : boxes_) o.*field = box->isChecked();
  o.trackDetail = trackDetail_->currentIndex();
  o.autoCheckMailInterval = minutes_->text().toStdString();
  for (std::size_t i = 0; i < gameLog_.size(); ++i) o.showInGameLog[i] = gameLog_[i]->isChecked();
  o.standardComments = standardComments_->isChecked();
  o.autoCollapse = autoCollapse_->isChecked();
  for (std::size_t i = 0; i < standings_.size(); ++i)
    o.standingsColumns[i] = standings_[i]->isChecked();
  return o;
}

MailServerSettings OptionsDialog::mailServers() const {
  MailServerSettings s = originalServers_;
  s.outgoing = {outgoingHost_->text().trimmed().toStdString(), outgoingPort_->value(),
                securityAt(outgoingSecurity_)};
  s.incoming = {incomingHost_->text().trimmed().toStdString(), incomingPort_->value(),
                securityAt(incomingSecurity_)};
  s.user = mailUser_->text().trimmed().toStdString();
  return s;
}

bool runOptionsDialog(QWidget* parent, Game& game) {
  SettingsStore* settings = game.services.settings;
  const MailServerSettings servers =
      settings ? loadMailServerSettings(*settings) : MailServerSettings{};
  OptionsDialog dialog(game.options, servers, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  acceptOptions(game, dialog.options());
  if (settings) saveMailServerSettings(dialog.mailServers(), *settings);
  applyOptionsEffects(game);
  return true;
}

}  // namespace tarmaq
