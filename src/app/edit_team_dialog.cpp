#include "app/edit_team_dialog.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QShowEvent>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/qt_canvas.h"
#include "engine/folders.h"

namespace tarmaq {

namespace {

constexpr TeamPart Parts[] = {TeamPart::Team, TeamPart::Driver1, TeamPart::Driver2};
constexpr const char* NameFields[] = {"TeamName", "Driver1Name", "Driver2Name"};
constexpr const char* NameLabels[] = {"Team Name", "Driver 1 Name", "Driver 2 Name"};
constexpr const char* PictureFields[] = {"TeamLogo", "Driver1Image", "Driver2Image"};
constexpr const char* ColorFields[] = {"TeamColor", "Driver1Color", "Driver2Color"};
constexpr const char* ColorLabels[] = {"Team Color", "Driver 1 Color", "Driver 2 Color"};
constexpr QSize PictureSize(96, 72);

std::uint32_t fromQColor(const QColor& c) {
  return static_cast<std::uint32_t>(c.red()) | static_cast<std::uint32_t>(c.green()) << 8 |
         static_cast<std::uint32_t>(c.blue()) << 16;
}

QString qs(const std::string& s) { return QString::fromStdString(s); }
QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

std::size_t at(TeamPart part) { return static_cast<std::size_t>(part); }

// Drawn when not even the placeholder file can be shown.
QPixmap drawnPlaceholder() {
  QPixmap p(PictureSize);
  p.fill(QColor(0xC0, 0xC0, 0xC0));
  QPainter painter(&p);
  painter.drawRect(0, 0, p.width() - 1, p.height() - 1);
  painter.drawText(p.rect(), Qt::AlignCenter, QStringLiteral("No Picture"));
  return p;
}

}  // namespace

QPixmap teamPicture(const Folders& folders, const std::string& name, bool driver) {
  QPixmap picture;
  if (auto file = findTeamPicture(folders, name))
    if (picture.load(QString::fromStdString(file->string()))) return picture;
  const std::string_view placeholder = driver ? PlaceholderDriverPicture : PlaceholderTeamPicture;
  if (auto file = findTeamPicture(folders, placeholder))
    if (picture.load(QString::fromStdString(file->string()))) return picture;
  return drawnPlaceholder();
}

CarPreview::CarPreview(const std::vector<Polygon>& carShape, QWidget* parent)
    : QWidget(parent), shape_(carShape) {
  setMinimumSize(sizeHint());
}

void CarPreview::setColors(std::uint32_t body, std::uint32_t wing) {
  body_ = body;
  wing_ = wing;
  update();
}

void CarPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Window));
  for (const PreviewPolygon& p : carPreview(shape_, body_, wing_, width(), height())) {
    QPolygon points;
    for (const PixelPoint& pt : p.points) points << QPoint(pt.x, pt.y);
    painter.setPen(Qt::black);
    painter.setBrush(toQColor(p.fill));
    painter.drawPolygon(points);
  }
}

EditTeamDialog::EditTeamDialog(const Folders& folders, SettingsStore& settings,
                               std::vector<Polygon> carShape, const Team* slotTeam, QWidget* parent)
    : QDialog(parent),
      folders_(folders),
      settings_(settings),
      carShape_(std::move(carShape)),
      editor_(TeamEditor::open(slotTeam)) {
  setObjectName(QStringLiteral("EditTeam"));
  setWindowTitle(QStringLiteral("Edit Team"));
  setModal(true);

  choosePictureFile = [this](const QString& folder) {
    return QFileDialog::getOpenFileName(this, QStringLiteral("Choose Picture"), folder,
                                        qs(PictureFilters));
  };
  askColor = [this](std::uint32_t current, bool again) -> std::optional<std::uint32_t> {
    const QString title = again ? QStringLiteral("Choose a colour the other driver does not have")
                                : QStringLiteral("Select Color");
    const QColor chosen = QColorDialog::getColor(toQColor(current), this, title);
    if (!chosen.isValid()) return std::nullopt;
    return fromQColor(chosen);
  };
  chooseSaveFile = [this](const QString& folder) {
    QFileDialog dialog(this, QStringLiteral("Save Team"), folder, qs(TeamFileFilters));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("tem"));
    dialog.selectNameFilter(qs(TeamFileFilter));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().front();
  };
  confirm = [this](const QString& question) {
    return QMessageBox::question(this, QStringLiteral("Save Team"), question) == QMessageBox::Yes;
  };
  tell = [this](const QString& message) {
    QMessageBox::warning(this, QStringLiteral("Edit Team"), message);
  };

  auto* grid = new QGridLayout;
  for (std::size_t i = 0; i < 3; ++i) {
    const TeamPart part = Parts[i];
    const int col = static_cast<int>(i);
    auto* label = new QLabel(QString::fromLatin1(NameLabels[i]));
    auto* name = new QLineEdit(qs(editor_.name(part)));
    name->setObjectName(QString::fromLatin1(NameFields[i]));
    name->setMaxLength(60);
    name->setMinimumWidth(150);
    connect(name, &QLineEdit::textEdited, this, [this, name, part](const QString& typed) {
      editor_.setName(part, typed.toStdString());
      const QString shown = qs(editor_.name(part));
      if (shown != typed) {
        const int cursor = name->cursorPosition();
        name->setText(shown);
        name->setCursorPosition(cursor);
      }
    });
    names_[i] = name;

    auto* picture = new QToolButton;
    picture->setObjectName(QString::fromLatin1(PictureFields[i]));
    picture->setIconSize(PictureSize);
    picture->setToolTip(i == 0 ? QStringLiteral("Team Logo") : QStringLiteral("Driver Image"));
    connect(picture, &QToolButton::clicked, this, [this, part] { pictureClicked(part); });
    pictures_[i] = picture;

    auto* colorLabel = new QLabel(QString::fromLatin1(ColorLabels[i]));
    auto* color = new QPushButton;
    color->setObjectName(QString::fromLatin1(ColorFields[i]));
    color->setFixedSize(60, 24);
    color->setToolTip(QString::fromLatin1(ColorLabels[i]));
    connect(color, &QPushButton::clicked, this, [this, part] { colorClicked(part); });
    colors_[i] = color;

    grid->addWidget(label, 0, col);
    grid->addWidget(name, 1, col);
    grid->addWidget(picture, 2, col, Qt::AlignCenter);
    grid->addWidget(colorLabel, 3, col);
    grid->addWidget(color, 4, col);
  }
  for (std::size_t d = 0; d < 2; ++d) {
    previews_[d] = new CarPreview(carShape_);
    previews_[d]->setObjectName(QStringLiteral("Driver%1Car").arg(d + 1));
    grid->addWidget(previews_[d], 5, static_cast<int>(d) + 1, Qt::AlignCenter);
  }

  auto* save = new QPushButton(QStringLiteral("Save As"));
  save->setObjectName(QStringLiteral("SaveAs"));
  save->setDefault(true);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"));
  cancel->setObjectName(QStringLiteral("Cancel"));
  connect(save, &QPushButton::clicked, this, [this] { saveAs(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(save);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(grid);
  layout->addLayout(buttons);
  // Tab goes through the three names first, then the pictures and the colours.
  QWidget* order[] = {names_[0],  names_[1],  names_[2],  pictures_[0], pictures_[1], pictures_[2],
                      colors_[0], colors_[1], colors_[2], save,         cancel};
  for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

  for (TeamPart part : Parts) showPicture(part);
  showColors();
}

void EditTeamDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  names_[0]->setFocus();
  names_[0]->selectAll();
}

QPixmap EditTeamDialog::shownPicture(TeamPart part) const {
  return pictures_[at(part)]->icon().pixmap(PictureSize);
}

void EditTeamDialog::showPicture(TeamPart part) {
  const QPixmap picture = teamPicture(folders_, editor_.picture(part), part != TeamPart::Team);
  pictures_[at(part)]->setIcon(QIcon(picture));
}

void EditTeamDialog::showColors() {
  for (TeamPart part : Parts) {
    // A plain border keeps the style from shading the colour the box stands for.
    colors_[at(part)]->setStyleSheet(
        QStringLiteral("QPushButton { background-color: %1; border: 1px solid black; }")
            .arg(toQColor(editor_.color(part)).name()));
  }
  for (std::size_t d = 0; d < 2; ++d)
    previews_[d]->setColors(editor_.team.color, editor_.team.drivers[d].color);
}

void EditTeamDialog::pictureClicked(TeamPart part) {
  const QString file = choosePictureFile(qs(TeamEditor::saveFolder(folders_).string()));
  if (file.isEmpty()) return;
  if (!editor_.choosePicture(part, file.toStdString(), folders_)) {
    tell(QStringLiteral("The picture could not be copied into the teams folder."));
    return;
  }
  showPicture(part);
}

void EditTeamDialog::colorClicked(TeamPart part) {
  if (editor_.chooseColor(part, askColor)) showColors();
}

void EditTeamDialog::saveAs() {
  const QString chosen = chooseSaveFile(qs(TeamEditor::saveFolder(folders_).string()));
  // A cancelled save dialog goes back to the editor: the team is not thrown away.
  if (chosen.isEmpty()) return;
  const auto target = TeamEditor::saveTarget(folders_, chosen.toStdString());
  if (!target) return;
  // The save dialog asked about the file it was given; a different one is asked here.
  std::error_code ec;
  const bool sameAsChosen =
      std::filesystem::weakly_canonical(*target, ec) ==
      std::filesystem::weakly_canonical(std::filesystem::path(chosen.toStdString()), ec);
  if (!sameAsChosen && std::filesystem::exists(*target, ec) &&
      !confirm(QStringLiteral("%1 already exists.\nDo you want to replace it?")
                   .arg(qs(target->string()))))
    return;
  if (!editor_.save(*target, settings_)) {
    tell(QStringLiteral("The team file could not be written:\n%1").arg(qs(target->string())));
    return;
  }
  savedFile_ = *target;
  accept();
}

}  // namespace tarmaq
