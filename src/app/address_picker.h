// The picker behind the Address Book's "Select" buttons: the program's own address
// book, each address with the driver it was used for.
#pragma once

#include <QDialog>
#include <optional>
#include <string>
#include <vector>

#include "engine/frontend.h"

class QListWidget;

namespace tarmaq {

class SettingsStore;

class AddressPickerDialog final : public QDialog {
  Q_OBJECT
 public:
  AddressPickerDialog(const std::vector<AddressEntry>& entries, QWidget* owner);
  // The row chosen, or -1.
  int chosen() const;
  QListWidget* list() const { return list_; }

 private:
  QListWidget* list_ = nullptr;
};

// Shows the picker over the address book kept in `settings`; the address chosen, or
// nothing when the picker was cancelled or the book is empty.
std::optional<std::string> pickAddressDialog(QWidget* owner, SettingsStore& settings);

}  // namespace tarmaq
