#include "app/team_slot_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "track/track_geometry.h"

namespace tarmaq {

namespace {

constexpr QSize TeamPictureSize(64, 40);
constexpr QSize DriverPictureSize(40, 48);

void paintBehind(QWidget* w, const std::optional<std::uint32_t>& color) {
  QPalette pal = w->parentWidget() ? w->parentWidget()->style()->standardPalette() : w->palette();
  if (color) {
    pal.setColor(QPalette::Window, fileColor(*color));
    pal.setColor(QPalette::WindowText,
                 colorShade(*color) == Shade::Dark ? QColor(Qt::white) : QColor(Qt::black));
    pal.setColor(QPalette::Text, pal.color(QPalette::WindowText));
  }
  w->setPalette(pal);
  w->setAutoFillBackground(color.has_value());
}

}  // namespace

QColor fileColor(std::uint32_t c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

QPixmap teamFolderPicture(const Folders* folders, const std::string& name, bool driver) {
  QPixmap p;
  if (folders) {
    if (auto file = findTeamPicture(*folders, name)) p.load(QString::fromStdString(file->string()));
    if (p.isNull())
      if (auto file =
              findTeamPicture(*folders, driver ? PlaceholderDriverPicture : PlaceholderTeamPicture))
        p.load(QString::fromStdString(file->string()));
  }
  if (p.isNull()) {
    // Not even the placeholder is there: an empty frame keeps the layout.
    p = QPixmap(driver ? DriverPictureSize : TeamPictureSize);
    p.fill(Qt::lightGray);
  }
  return p;
}

TeamSlotWidget::TeamSlotWidget(int slot, const Folders* folders, QWidget* parent)
    : QFrame(parent), slot_(slot), folders_(folders) {
  setObjectName(QStringLiteral("TeamSlot%1").arg(slot + 1));
  setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 4, 6, 4);
  title_ = new QLabel(QStringLiteral("Team %1").arg(slot + 1));
  QFont bold = title_->font();
  bold.setBold(true);
  title_->setFont(bold);
  list_ = new QComboBox;
  list_->setMinimumWidth(200);
  teamPicture_ = new QLabel;
  teamPicture_->setFixedSize(TeamPictureSize);
  teamPicture_->setScaledContents(true);
  edit_ = new QPushButton(QStringLiteral("Edit Team"));
  grid->addWidget(title_, 0, 0);
  grid->addWidget(list_, 1, 0);
  grid->addWidget(edit_, 2, 0, Qt::AlignLeft);
  grid->addWidget(teamPicture_, 0, 1, 3, 1);
  for (int d = 0; d < 2; ++d) {
    auto* box = new QCheckBox(QStringLiteral("Driver %1").arg(d + 1));
    box->setMinimumWidth(150);
    auto* picture = new QLabel;
    picture->setFixedSize(DriverPictureSize);
    picture->setScaledContents(true);
    grid->addWidget(picture, 0, 2 + 2 * d, 3, 1);
    grid->addWidget(box, 1, 3 + 2 * d);
    boxes_[static_cast<std::size_t>(d)] = box;
    pictures_[static_cast<std::size_t>(d)] = picture;
    connect(box, &QCheckBox::clicked, this,
            [this, d](bool on) { Q_EMIT driverClicked(slot_, d, on); });
  }
  // The pictures keep their place while hidden, so the dialog does not grow when the
  // first team is chosen.
  for (QLabel* l : {teamPicture_, pictures_[0], pictures_[1]}) {
    QSizePolicy policy = l->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    l->setSizePolicy(policy);
  }
  grid->setColumnStretch(5, 1);
  connect(list_, &QComboBox::activated, this,
          [this](int position) { Q_EMIT teamChosen(slot_, position); });
  connect(edit_, &QPushButton::clicked, this, [this] { Q_EMIT editClicked(slot_); });
}

void TeamSlotWidget::setTeams(const std::vector<Team>& teams) {
  const QSignalBlocker block(list_);
  list_->clear();
  list_->addItem(QStringLiteral("Not Participating"));
  for (const Team& t : teams) list_->addItem(QString::fromStdString(t.name));
}

void TeamSlotWidget::render(const TeamSlot& slot, const std::vector<Team>& teams) {
  const Team* team = slot.team >= 0 && slot.team < static_cast<int>(teams.size())
                         ? &teams[static_cast<std::size_t>(slot.team)]
                         : nullptr;
  {
    const QSignalBlocker block(list_);
    list_->setCurrentIndex(team ? slot.team + 1 : 0);
  }
  list_->setEnabled(slot.listEnabled);
  edit_->setEnabled(slot.editEnabled);
  paintBehind(this, team ? std::optional(team->color) : std::nullopt);
  paintBehind(title_, team ? std::optional(team->color) : std::nullopt);
  teamPicture_->setVisible(team != nullptr);
  if (team) teamPicture_->setPixmap(teamFolderPicture(folders_, team->picture, false));
  for (int d = 0; d < 2; ++d) {
    QCheckBox* box = boxes_[static_cast<std::size_t>(d)];
    QLabel* picture = pictures_[static_cast<std::size_t>(d)];
    const TeamDriver* driver = team && !team->drivers[static_cast<std::size_t>(d)].name.empty()
                                   ? &team->drivers[static_cast<std::size_t>(d)]
                                   : nullptr;
    box->setText(driver ? QString::fromStdString(driver->name)
                        : QStringLiteral("Driver %1").arg(d + 1));
    box->setChecked(slot.ticked[static_cast<std::size_t>(d)]);
    box->setEnabled(slot.driverEnabled[static_cast<std::size_t>(d)]);
    // A check box draws its own background only through a style sheet.
    if (driver) {
      const bool dark = colorShade(driver->color) == Shade::Dark;
      box->setStyleSheet(QStringLiteral("QCheckBox{background:%1;color:%2;padding:2px;}")
                             .arg(fileColor(driver->color).name(),
                                  dark ? QStringLiteral("white") : QStringLiteral("black")));
    } else {
      box->setStyleSheet(QString());
    }
    picture->setVisible(driver != nullptr);
    if (driver) picture->setPixmap(teamFolderPicture(folders_, driver->picture, true));
  }
}

}  // namespace tarmaq
