#include "app/driver_comment_dialog.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarmaq {

DriverCommentDialog::DriverCommentDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Driver Comment"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Would you like to add a comment to the Game Log?")));
  text_ = new QLineEdit;
  layout->addWidget(text_);
  auto* row = new QHBoxLayout;
  dontAsk_ = new QCheckBox(QStringLiteral("Don't ask me again"));
  row->addWidget(dontAsk_);
  row->addStretch();
  auto* cancel = new QPushButton(QStringLiteral("Cancel"));
  ok_ = new QPushButton(QStringLiteral("OK"));
  ok_->setDefault(true);
  ok_->setEnabled(false);
  row->addWidget(cancel);
  row->addWidget(ok_);
  layout->addLayout(row);
  connect(text_, &QLineEdit::textChanged, this, &DriverCommentDialog::updateOk);
  connect(dontAsk_, &QCheckBox::toggled, this, &DriverCommentDialog::updateOk);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void DriverCommentDialog::setDontAskAgainShown(bool shown) {
  dontAsk_->setVisible(shown);
  if (!shown) dontAsk_->setChecked(false);
}

QString DriverCommentDialog::text() const { return text_->text(); }
bool DriverCommentDialog::dontAskAgain() const { return dontAsk_->isChecked(); }

void DriverCommentDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  text_->clear();
  text_->setFocus();
  updateOk();
}

void DriverCommentDialog::updateOk() {
  // Ticking the box is an answer too: it turns the prompt off without a comment.
  ok_->setEnabled(!text_->text().isEmpty() || dontAsk_->isChecked());
}

}  // namespace tarmaq
