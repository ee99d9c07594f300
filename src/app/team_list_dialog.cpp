#include "app/team_list_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarmaq {

EditTeamFileListDialog::EditTeamFileListDialog(TeamFileSelection selection, QWidget* parent)
    : QDialog(parent), selection_(std::move(selection)) {
  setObjectName(QStringLiteral("EditTeamFileList"));
  setWindowTitle(QStringLiteral("Edit Team File List"));
  setModal(true);
  list_ = new QListWidget;
  list_->setObjectName(QStringLiteral("TeamFiles"));
  list_->setSelectionMode(QAbstractItemView::MultiSelection);
  for (std::size_t i = 0; i < selection_.files.size(); ++i) {
    auto* item = new QListWidgetItem(QString::fromStdString(selection_.files[i].name), list_);
    item->setToolTip(QString::fromStdString(selection_.files[i].path.string()));
    item->setSelected(i < selection_.selected.size() && selection_.selected[i]);
  }
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("OK"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("Cancel"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(
      new QLabel(QStringLiteral("Select team files to be included in team selection boxes")));
  layout->addWidget(list_);
  layout->addWidget(buttons);
}

TeamFileSelection EditTeamFileListDialog::selection() const {
  TeamFileSelection s = selection_;
  s.selected.assign(s.files.size(), false);
  for (int i = 0; i < list_->count() && i < static_cast<int>(s.files.size()); ++i)
    s.selected[static_cast<std::size_t>(i)] = list_->item(i)->isSelected();
  return s;
}

}  // namespace tarmaq
