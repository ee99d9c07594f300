// "Edit Team File List": the team files, selected when the team lists offer them.
#pragma once

#include <QDialog>

#include "setup/team_list.h"

class QListWidget;

namespace tarmaq {

class EditTeamFileListDialog final : public QDialog {
  Q_OBJECT
 public:
  explicit EditTeamFileListDialog(TeamFileSelection selection, QWidget* parent = nullptr);
  // The selection as the list shows it.
  TeamFileSelection selection() const;
  QListWidget* list() const { return list_; }

 private:
  TeamFileSelection selection_;
  QListWidget* list_ = nullptr;
};

}  // namespace tarmaq
