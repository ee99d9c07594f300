#include "app/local_address_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace tarmaq {

LocalAddressDialog::LocalAddressDialog(const LocalAddressChoice& choice, QWidget* owner)
    : QDialog(owner), choice_(choice) {
  setObjectName(QStringLiteral("SelectLocalEMail"));
  setWindowTitle(QString::fromStdString(choice.title));
  auto* text = new QLabel(QString::fromStdString(choice.text), this);
  text->setWordWrap(true);
  text->setMinimumWidth(360);
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("LocalEMailList"));
  for (const std::string& a : choice.addresses) list_->addItem(QString::fromStdString(a));
  if (list_->count() > 0) list_->setCurrentRow(choice.selected);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

int LocalAddressDialog::chosen() const { return chosenLocalAddress(choice_, list_->currentRow()); }

}  // namespace tarmaq
