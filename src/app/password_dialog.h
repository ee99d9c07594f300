// The mail account's password dialog: asked once per run when the desktop keeps no
// password for the account; the box never shows what is typed.
#pragma once

#include <QDialog>
#include <optional>
#include <string>

#include "mail/mail_password.h"

class QCheckBox;
class QLineEdit;

namespace tarmaq {

class PasswordDialog final : public QDialog {
  Q_OBJECT
 public:
  PasswordDialog(const QString& account, bool offerRemember, QWidget* owner);
  QLineEdit* passwordBox() const { return box_; }
  QCheckBox* rememberBox() const { return remember_; }
  PasswordAnswer answer() const;

 private:
  QLineEdit* box_ = nullptr;
  QCheckBox* remember_ = nullptr;
};

// The dialog as the password source's prompt.
std::optional<PasswordAnswer> askPasswordDialog(QWidget* owner, const std::string& account,
                                                bool offerRemember);

}  // namespace tarmaq
