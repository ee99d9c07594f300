// The "Select Local E-Mail Address" dialog: the reader's text, the game's addresses
// (the first selected), and "OK".
#pragma once

#include <QDialog>

#include "mail/local_address.h"

class QListWidget;

namespace tarmaq {

class LocalAddressDialog final : public QDialog {
  Q_OBJECT
 public:
  LocalAddressDialog(const LocalAddressChoice& choice, QWidget* owner);
  // The index of the address chosen.
  int chosen() const;
  QListWidget* list() const { return list_; }

 private:
  LocalAddressChoice choice_;
  QListWidget* list_ = nullptr;
};

}  // namespace tarmaq
