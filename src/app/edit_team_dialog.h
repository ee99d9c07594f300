// The "Edit Team" dialog: three names, three pictures, three colour boxes and the two
// car previews over a TeamEditor model. The file and colour dialogs are functions the
// tests replace.
#pragma once

#include <QDialog>
#include <QPixmap>
#include <functional>
#include <optional>

#include "engine/race_class.h"
#include "setup/team_editor.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace tarmaq {

class Folders;
class SettingsStore;

// A car of the class's drawing in a team's colours.
class CarPreview final : public QWidget {
 public:
  CarPreview(const std::vector<Polygon>& carShape, QWidget* parent = nullptr);
  void setColors(std::uint32_t body, std::uint32_t wing);
  QSize sizeHint() const override { return {130, 64}; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const std::vector<Polygon>& shape_;
  std::uint32_t body_ = 0;
  std::uint32_t wing_ = 0;
};

class EditTeamDialog final : public QDialog {
  Q_OBJECT
 public:
  EditTeamDialog(const Folders& folders, SettingsStore& settings, std::vector<Polygon> carShape,
                 const Team* slotTeam, QWidget* parent = nullptr);

  const TeamEditor& editor() const { return editor_; }
  // The file the team was saved to, after "Save As".
  const std::filesystem::path& savedFile() const { return savedFile_; }

  // The player's choices; empty text or nothing means cancelled.
  std::function<QString(const QString& folder)> choosePictureFile;
  AskColor askColor;
  std::function<QString(const QString& folder)> chooseSaveFile;
  std::function<bool(const QString& question)> confirm;
  std::function<void(const QString& message)> tell;

  // What the picture of a part shows (the placeholder when it cannot be decoded).
  QPixmap shownPicture(TeamPart part) const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void pictureClicked(TeamPart part);
  void colorClicked(TeamPart part);
  void saveAs();
  void showPicture(TeamPart part);
  void showColors();

  const Folders& folders_;
  SettingsStore& settings_;
  std::vector<Polygon> carShape_;
  TeamEditor editor_;
  std::filesystem::path savedFile_;
  std::array<QLineEdit*, 3> names_{};
  std::array<QToolButton*, 3> pictures_{};
  std::array<QPushButton*, 3> colors_{};
  std::array<CarPreview*, 2> previews_{};
};

// A team or driver picture by its name in a team file, or the placeholder for a picture
// that is missing or cannot be decoded.
QPixmap teamPicture(const Folders& folders, const std::string& name, bool driver);

}  // namespace tarmaq
