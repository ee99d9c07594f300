// The Address Book of an e-mail game: this installation's address and a row per driver
// with the player's address; "Select" picks one from the mail system's address book.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "setup/address_book_dialog.h"

class QLineEdit;
class QPushButton;
class QLabel;

namespace tarmaq {

class AddressBookWindow final : public QDialog {
  Q_OBJECT
 public:
  AddressBookWindow(AddressBookDialog& model, QWidget* parent = nullptr);

  // A row's "Select": the address chosen, or nothing.
  std::function<std::optional<std::string>(int row)> selectAddress;

  void render();
  QLineEdit* localAddress() const { return local_; }
  QLineEdit* address(int row) const { return addresses_[static_cast<std::size_t>(row)]; }
  QLabel* driverLabel(int row) const { return labels_[static_cast<std::size_t>(row)]; }
  QPushButton* selectButton(int row) const { return selects_[static_cast<std::size_t>(row)]; }
  QPushButton* okButton() const { return ok_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AddressBookDialog& model_;
  QLineEdit* local_;
  std::vector<QLineEdit*> addresses_;
  std::vector<QLabel*> labels_;
  std::vector<QPushButton*> selects_;
  QPushButton* ok_;
};

}  // namespace tarmaq
