// The Rules dialog: four frames of check boxes, lists and number fields drawn from the
// rules model, which decides what is enabled; "OK" stores the defaults for new games.
// Opened from the toolbar it shows the current game's rules and changes nothing.
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "setup/rules_dialog.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QPushButton;

namespace tarmaq {

class SettingsStore;

class RulesWindow final : public QDialog {
  Q_OBJECT
 public:
  // Editable: works on the New Game dialog's rules; "OK" saves them to `store`.
  RulesWindow(RulesDialog& model, SettingsStore* store, QWidget* parent = nullptr);
  // Read-only: the rules of the current game.
  RulesWindow(const Rules& rules, QWidget* parent = nullptr);

  void render();

  QCheckBox* check(int i) const { return checks_[static_cast<std::size_t>(i)]; }
  QComboBox* list(int i) const { return lists_[static_cast<std::size_t>(i)]; }
  QLineEdit* number(int i) const { return numbers_[static_cast<std::size_t>(i)]; }
  QRadioButton* noseOfCar() const { return nose_; }
  QRadioButton* entireCar() const { return entire_; }
  QPushButton* okButton() const { return ok_; }

 public Q_SLOTS:
  // The dialog has no other way out than "OK": Escape and the close box do the same.
  void reject() override;

 private:
  void build();
  void confirm();

  std::unique_ptr<RulesDialog> owned_;
  RulesDialog* model_;
  SettingsStore* store_;
  std::array<QCheckBox*, RuleCheckBoxes> checks_{};
  std::array<QComboBox*, RuleLists> lists_{};
  std::array<QLineEdit*, RuleNumbers> numbers_{};
  QRadioButton* nose_ = nullptr;
  QRadioButton* entire_ = nullptr;
  QPushButton* ok_ = nullptr;
  bool rendering_ = false;
};

}  // namespace tarmaq
