#include "app/pit_order_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/team_slot_widget.h"

namespace tarmaq {

PitOrderWindow::PitOrderWindow(PitOrderDialog& model, const std::vector<SetupTeam>& teams,
                               QWidget* parent)
    : QDialog(parent), model_(model), teams_(teams) {
  setWindowTitle(QStringLiteral("Pit Order"));
  setObjectName(QStringLiteral("PitOrder"));
  auto* outer = new QVBoxLayout(this);
  outer->addWidget(new QLabel(QStringLiteral("Exit")));
  auto* grid = new QGridLayout;
  outer->addLayout(grid);
  for (int r = 0; r < 10; ++r) {
    auto* color = new QLabel;
    color->setFixedSize(28, 22);
    color->setAutoFillBackground(true);
    color->setFrameShape(QFrame::Box);
    auto* list = new QComboBox;
    list->setMinimumWidth(200);
    for (const SetupTeam& t : teams) list->addItem(QString::fromStdString(t.name));
    auto* label = new QLabel;
    label->setMinimumWidth(160);
    // Every row as tall as one with its team list, shown or not.
    grid->setRowMinimumHeight(r, list->sizeHint().height());
    grid->addWidget(color, r, 0);
    grid->addWidget(list, r, 1);
    grid->addWidget(label, r, 2);
    colors_[static_cast<std::size_t>(r)] = color;
    lists_[static_cast<std::size_t>(r)] = list;
    labels_[static_cast<std::size_t>(r)] = label;
    connect(list, &QComboBox::activated, this, [this, r](int team) {
      model_.chooseTeam(r, team);
      render();
    });
    if (r < 5) {
      auto* sw = new QPushButton(QStringLiteral("Switch"));
      grid->addWidget(sw, r, 3);
      switches_[static_cast<std::size_t>(r)] = sw;
      connect(sw, &QPushButton::clicked, this, [this, r] {
        model_.switchRow(r);
        render();
      });
    }
  }
  outer->addWidget(new QLabel(QStringLiteral("Enter")));
  auto* buttons = new QHBoxLayout;
  outer->addLayout(buttons);
  roll_ = new QPushButton(QStringLiteral("Roll for Starting Grid"));
  set_ = new QPushButton(QStringLiteral("Set Starting Grid"));
  buttons->addStretch();
  buttons->addWidget(roll_);
  buttons->addWidget(set_);
  connect(roll_, &QPushButton::clicked, this, [this] {
    choice_ = Roll;
    accept();
  });
  connect(set_, &QPushButton::clicked, this, [this] {
    choice_ = SetGrid;
    accept();
  });
  render();
}

void PitOrderWindow::render() {
  const auto rows = model_.rows(teams_);
  for (int r = 0; r < 10; ++r) {
    const PitOrderDialog::Row& row = rows[static_cast<std::size_t>(r)];
    QPalette pal = colors_[static_cast<std::size_t>(r)]->palette();
    pal.setColor(QPalette::Window, fileColor(row.color));
    colors_[static_cast<std::size_t>(r)]->setPalette(pal);
    QComboBox* list = lists_[static_cast<std::size_t>(r)];
    list->setVisible(row.listShown);
    {
      const QSignalBlocker block(list);
      list->setCurrentIndex(row.team);
    }
    QLabel* label = labels_[static_cast<std::size_t>(r)];
    label->setText(QString::fromStdString(row.driverLabel));
    label->setVisible(!row.driverLabel.empty());
    if (r < 5) switches_[static_cast<std::size_t>(r)]->setVisible(row.switchShown);
  }
}

}  // namespace tarmaq
