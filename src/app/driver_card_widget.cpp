#include "app/driver_card_widget.h"

#include <QLabel>
#include <QToolButton>

#include "app/pictures.h"
#include "engine/folders.h"
#include "engine/game_state.h"
#include "setup/team_file.h"
#include "track/track_geometry.h"

namespace tarmaq {

namespace {

constexpr int Pic = 13;  // wear pictures, logical pixels
const char* const WearTips[DriverCardWidget::WearKinds] = {
    "Tire Wear Point",   "Brake Wear Point (Click to use)",
    "Fuel Wear Point",   "Bodywork Wear Point",
    "Engine Wear Point", "Road Holding Wear Point"};
const char* const LastPointTips[DriverCardWidget::WearKinds] = {
    "Spin Out!", "Brake Wear Point (Click to use)", "Fuel Wear Point", "Crash!", "Engine Failure!",
    "Crash!"};

QColor fromBgr(std::uint32_t c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

QLabel* nameLabel(QWidget* parent, int x, int y, const QString& tip) {
  auto* l = new QLabel(parent);
  l->setGeometry(x, y, 150, 18);
  QFont f = l->font();
  f.setBold(true);
  l->setFont(f);
  l->setAutoFillBackground(true);
  l->setIndent(4);
  l->setToolTip(tip);
  return l;
}

QPixmap teamPixmap(const Game& game, const std::string& name, std::string_view placeholder,
                   QSize size) {
  QPixmap pixmap;
  if (const Folders* folders = game.services.folders) {
    auto path = findTeamPicture(*folders, name);
    if (!path) path = findTeamPicture(*folders, placeholder);
    if (path) pixmap.load(QString::fromStdString(path->string()));
  }
  if (pixmap.isNull()) return {};
  return pixmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

DriverCardWidget::DriverCardWidget(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("DriverCardFrm"));
  setFrameShape(QFrame::StyledPanel);
  setFixedWidth(392);
  teamColor_ = new QLabel(this);
  teamColor_->setGeometry(4, 4, 150, 18);
  teamColor_->setAutoFillBackground(true);
  teamName_ = nameLabel(this, 4, 4, QStringLiteral("Team Name"));
  teamColor_->hide();
  driverColor_ = new QLabel(this);
  driverColor_->hide();
  driverName_ = nameLabel(this, 4, 24, QStringLiteral("Driver's name"));
  teamImage_ = new QLabel(this);
  teamImage_->setGeometry(158, 4, 40, 40);
  teamImage_->setToolTip(QStringLiteral("Team Logo"));
  driverImage_ = new QLabel(this);
  driverImage_->setGeometry(202, 4, 40, 40);
  driverImage_->setToolTip(QStringLiteral("Driver's Picture"));
  for (int g = 1; g <= 6; ++g) {
    auto* b = new QToolButton(this);
    b->setObjectName(QStringLiteral("GearImage%1").arg(g));
    b->setGeometry(4 + (g - 1) * 25, 48, 24, 24);
    b->setIconSize(QSize(18, 18));
    b->setAutoRaise(true);
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QToolButton::clicked, this, [this, g] { Q_EMIT gearClicked(g); });
    gears_[static_cast<std::size_t>(g - 1)] = b;
  }
  const char* tireTips[3] = {"Hard Tires Selected", "Soft Tires Selected", "Wet Tires Selected"};
  const char* tireLetters[3] = {"H", "S", "W"};
  for (int t = 0; t < 3; ++t) {
    auto* l = new QLabel(QString::fromLatin1(tireLetters[t]), this);
    l->setGeometry(158, 50, 20, 20);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(
        QStringLiteral("background:#222; color:#f5d90a; border-radius:10px; font-weight:bold"));
    l->setToolTip(QString::fromLatin1(tireTips[t]));
    l->hide();
    tireTypes_[static_cast<std::size_t>(t)] = l;
  }
  for (int s = 0; s < 3; ++s) {
    auto* l = new QLabel(this);
    l->setGeometry(186 + s * 18, 52, 16, 16);
    l->setToolTip(
        QStringLiteral("When lit, driver has %1 stop%2 remaining").arg(s + 1).arg(s ? "s" : ""));
    l->hide();
    stops_[static_cast<std::size_t>(s)] = l;
  }
  // Wear rows: two kinds per column, each kind two lines (pictures 0-8 and 9-14).
  for (int k = 0; k < WearKinds; ++k) {
    const int x0 = 4 + (k / 2) * 130;
    const int y0 = 76 + (k % 2) * 2 * (Pic + 1);
    for (int i = 0; i < 15; ++i) {
      auto* b = new QToolButton(this);
      const int x = x0 + (i % 9) * (Pic + 1);
      const int y = y0 + (i / 9) * (Pic + 1);
      b->setGeometry(x, y, Pic, Pic);
      b->setIconSize(QSize(Pic, Pic));
      b->setAutoRaise(true);
      b->setFocusPolicy(Qt::NoFocus);
      b->setStyleSheet(QStringLiteral("QToolButton{border:none;padding:0}"));
      b->setToolTip(QString::fromLatin1(i == 0 ? LastPointTips[k] : WearTips[k]));
      b->hide();
      if (k == 1) connect(b, &QToolButton::clicked, this, [this, i] { Q_EMIT brakeClicked(i); });
      wear_[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)] = b;
    }
  }
  hide();
}

void DriverCardWidget::render(const Game& game) {
  const DriverCard& card = game.controls.driverCard;
  setVisible(card.visible);
  const Car* car = game.car(card.car);
  if (!car) return;
  auto paintName = [](QLabel* label, const std::string& text, std::uint32_t colour) {
    label->setText(QString::fromStdString(text));
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, fromBgr(colour));
    pal.setColor(QPalette::WindowText, colorShade(colour) == Shade::Dark ? Qt::white : Qt::black);
    label->setPalette(pal);
  };
  paintName(teamName_, car->teamName, car->color[0]);
  paintName(driverName_, car->driverName, car->color[1]);
  const QString teamPic = QString::fromStdString(car->teamPicture);
  if (teamPic != teamPicture_ || teamImage_->pixmap().isNull()) {
    teamPicture_ = teamPic;
    teamImage_->setPixmap(teamPixmap(game, car->teamPicture, PlaceholderTeamPicture, {40, 40}));
  }
  const QString driverPic = QString::fromStdString(car->driverPicture);
  if (driverPic != driverPicture_ || driverImage_->pixmap().isNull()) {
    driverPicture_ = driverPic;
    driverImage_->setPixmap(
        teamPixmap(game, car->driverPicture, PlaceholderDriverPicture, {40, 40}));
  }
  for (int g = 1; g <= 6; ++g) {
    const GearButton& gear = card.gears[static_cast<std::size_t>(g - 1)];
    QToolButton* b = gears_[static_cast<std::size_t>(g - 1)];
    b->setVisible(gear.visible && game.currRound > 0);
    b->setIcon(dieIcon(g, !gear.enabled));
    b->setToolTip(QString::fromStdString(gear.tooltip));
    // The highlight frame of the gear shown on the die.
    b->setStyleSheet(gear.selected ? QStringLiteral("QToolButton{border:2px solid #e0201a;}")
                                   : QString());
  }
  for (int t = 0; t < 3; ++t)
    tireTypes_[static_cast<std::size_t>(t)]->setVisible(game.currRound > 0 &&
                                                        car->tireType == t + 1);
  // The wear pictures and stop lights as the card's model has them: picture keys
  // ("Tire", "SlashedBrake", ...) and visibility.
  for (int k = 0; k < WearKinds; ++k)
    for (int i = 0; i < WearPictureCount; ++i) {
      const CardPicture& p = card.picture(static_cast<WearRow>(k), i);
      QToolButton* b = wear_[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)];
      b->setVisible(p.visible);
      if (p.visible) b->setIcon(driverCardImage(QString::fromStdString(p.key)));
    }
  for (std::size_t s = 0; s < stops_.size(); ++s) {
    const CardPicture& p = card.stops[s];
    stops_[s]->setVisible(p.visible);
    if (p.visible)
      stops_[s]->setPixmap(driverCardImage(QString::fromStdString(p.key))
                               .pixmap(QSize(16, 16), devicePixelRatioF()));
  }
}

}  // namespace tarmaq
