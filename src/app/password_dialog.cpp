#include "app/password_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace tarmaq {

PasswordDialog::PasswordDialog(const QString& account, bool offerRemember, QWidget* owner)
    : QDialog(owner) {
  setObjectName(QStringLiteral("MailPassword"));
  setWindowTitle(QStringLiteral("E-Mail Password"));
  auto* text = new QLabel(QStringLiteral("The password for %1:").arg(account), this);
  box_ = new QLineEdit(this);
  box_->setObjectName(QStringLiteral("MailPasswordBox"));
  box_->setEchoMode(QLineEdit::Password);
  box_->setMinimumWidth(280);
  remember_ = new QCheckBox(QStringLiteral("Keep it in the desktop's password store"), this);
  remember_->setObjectName(QStringLiteral("MailPasswordRemember"));
  remember_->setVisible(offerRemember);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(box_);
  layout->addWidget(remember_);
  layout->addWidget(buttons);
}

PasswordAnswer PasswordDialog::answer() const {
  return {box_->text().toStdString(), !remember_->isHidden() && remember_->isChecked()};
}

std::optional<PasswordAnswer> askPasswordDialog(QWidget* owner, const std::string& account,
                                                bool offerRemember) {
  PasswordDialog dialog(QString::fromStdString(account), offerRemember, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.answer();
}

}  // namespace tarmaq
