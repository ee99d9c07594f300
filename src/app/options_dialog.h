// The "Options" dialog: five tabs of the player's preferences and, on the E-Mail tab,
// the mail servers. It edits copies: nothing is stored or applied until "OK".
//
//   runOptionsDialog(parent, game)  shows it modally; on "OK" the options go into the
//   game and the settings store, the mail servers into the store, and the effects are
//   applied (the caller renders afterwards). Returns whether "OK" was pressed.
#pragma once

#include <QDialog>
#include <array>
#include <vector>

#include "mail/mail_settings.h"
#include "setup/options.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace tarmaq {

struct Game;

class OptionsDialog final : public QDialog {
  Q_OBJECT
 public:
  OptionsDialog(const Options& options, const MailServerSettings& servers,
                QWidget* parent = nullptr);

  // The controls' values, over the options the dialog was opened with (so values it
  // has no control for, like the local address, are kept).
  Options options() const;
  MailServerSettings mailServers() const;

  QTabWidget* tabs() const { return tabs_; }

 private:
  QWidget* viewTab();
  QWidget* gameTab();
  QWidget* eMailTab();
  QWidget* gameLogTab();
  QWidget* standingsTab();
  QWidget* mailServerBox();
  void eMailEnabledChanged();
  QCheckBox* addBox(const char* caption, const char* key, bool Options::*field);

  Options original_;
  MailServerSettings originalServers_;
  QTabWidget* tabs_ = nullptr;
  std::vector<std::pair<QCheckBox*, bool Options::*>> boxes_;
  QComboBox* trackDetail_ = nullptr;
  QCheckBox* enableEMail_ = nullptr;
  std::vector<QWidget*> eMailDependents_;
  QLineEdit* minutes_ = nullptr;
  std::array<QCheckBox*, GameLogCategoryCount> gameLog_{};
  std::array<QCheckBox*, StandingsColumnCount> standings_{};
  QRadioButton* standardComments_ = nullptr;
  QRadioButton* colorComments_ = nullptr;
  QCheckBox* autoCollapse_ = nullptr;
  QLineEdit* outgoingHost_ = nullptr;
  QSpinBox* outgoingPort_ = nullptr;
  QComboBox* outgoingSecurity_ = nullptr;
  QLineEdit* incomingHost_ = nullptr;
  QSpinBox* incomingPort_ = nullptr;
  QComboBox* incomingSecurity_ = nullptr;
  QLineEdit* mailUser_ = nullptr;
};

bool runOptionsDialog(QWidget* parent, Game& game);

}  // namespace tarmaq
