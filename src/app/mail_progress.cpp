#include "app/mail_progress.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarmaq {

MailProgressWindow::MailProgressWindow(QWidget* owner) : QDialog(owner) {
  setObjectName(QStringLiteral("MailProgress"));
  setWindowTitle(QStringLiteral("E-Mail"));
  // Modal for the whole program: nothing else may change the game meanwhile.
  setWindowModality(Qt::ApplicationModal);
  label_ = new QLabel(this);
  label_->setObjectName(QStringLiteral("MailProgressText"));
  label_->setMinimumWidth(320);
  label_->setWordWrap(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("MailProgressCancel"));
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addLayout(buttons);
  connect(cancel_, &QPushButton::clicked, this, &MailProgressWindow::reject);
}

void MailProgressWindow::setText(const QString& what) { label_->setText(what); }

QString MailProgressWindow::text() const { return label_->text(); }

void MailProgressWindow::reset() {
  cancelled_ = false;
  cancel_->setEnabled(true);
}

void MailProgressWindow::reject() {
  if (cancelled_) return;
  cancelled_ = true;
  cancel_->setEnabled(false);
  label_->setText(QStringLiteral("Cancelling..."));
  Q_EMIT cancelRequested();
}

}  // namespace tarmaq
