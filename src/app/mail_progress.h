// The small window shown while a mail operation waits on the network: what is
// happening now, and Cancel.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarmaq {

class MailProgressWindow final : public QDialog {
  Q_OBJECT
 public:
  explicit MailProgressWindow(QWidget* owner);

  void setText(const QString& what);
  QString text() const;
  QPushButton* cancelButton() const { return cancel_; }
  bool cancelled() const { return cancelled_; }
  // A new operation begins: Cancel is offered again.
  void reset();

 Q_SIGNALS:
  void cancelRequested();

 protected:
  // Closing the window by its frame or Escape cancels, as the button does.
  void reject() override;

 private:
  QLabel* label_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool cancelled_ = false;
};

}  // namespace tarmaq
