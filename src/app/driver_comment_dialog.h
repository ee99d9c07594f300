// The "Driver Comment" dialog: one line of text for the game log, and "Don't ask me
// again" to stop the prompt at the end of each turn.
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace tarmaq {

class DriverCommentDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit DriverCommentDialog(QWidget* parent = nullptr);
  void setDontAskAgainShown(bool shown);
  QString text() const;
  bool dontAskAgain() const;
  QLineEdit* textBox() const { return text_; }
  QCheckBox* dontAskAgainBox() const { return dontAsk_; }
  QPushButton* okButton() const { return ok_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void updateOk();
  QLineEdit* text_;
  QCheckBox* dontAsk_;
  QPushButton* ok_;
};

}  // namespace tarmaq
