#include "app/address_picker.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "mail/address_book.h"

namespace tarmaq {

AddressPickerDialog::AddressPickerDialog(const std::vector<AddressEntry>& entries, QWidget* owner)
    : QDialog(owner) {
  setObjectName(QStringLiteral("AddressPicker"));
  setWindowTitle(QStringLiteral("Select E-Mail Address"));
  list_ = new QListWidget(this);
  list_->setObjectName(QStringLiteral("AddressList"));
  list_->setMinimumWidth(360);
  for (const AddressEntry& e : entries) {
    QString text = QString::fromStdString(e.address);
    if (!e.driverName.empty())
      text += QStringLiteral("  (%1)").arg(QString::fromStdString(e.driverName));
    list_->addItem(text);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setEnabled(false);
  connect(list_, &QListWidget::currentRowChanged, ok, [ok](int row) { ok->setEnabled(row >= 0); });
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  if (entries.empty())
    layout->addWidget(new QLabel(
        QStringLiteral("No addresses yet: every player's address is kept here once a game "
                       "with them has been sent or received."),
        this));
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

int AddressPickerDialog::chosen() const { return list_->currentRow(); }

std::optional<std::string> pickAddressDialog(QWidget* owner, SettingsStore& settings) {
  const std::vector<AddressEntry> entries = addressBook(settings);
  AddressPickerDialog dialog(entries, owner);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const int row = dialog.chosen();
  if (row < 0 || row >= static_cast<int>(entries.size())) return std::nullopt;
  return entries[static_cast<std::size_t>(row)].address;
}

}  // namespace tarmaq
