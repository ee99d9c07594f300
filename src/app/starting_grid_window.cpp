#include "app/starting_grid_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/random_source.h"

namespace tarmaq {

StartingGridWindow::StartingGridWindow(StartingGridDialog& model,
                                       const std::vector<std::string>& drivers,
                                       RandomSource* random, QWidget* parent)
    : QDialog(parent), model_(model), random_(random) {
  setWindowTitle(QStringLiteral("Starting Grid"));
  setObjectName(QStringLiteral("StartingGrid"));
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  outer->addLayout(grid);
  for (std::size_t p = 0; p < model_.order.size(); ++p) {
    auto* list = new QComboBox;
    list->setMinimumWidth(220);
    for (const std::string& d : drivers) list->addItem(QString::fromStdString(d).toUpper());
    grid->addWidget(new QLabel(QString::number(p + 1)), static_cast<int>(p), 0, Qt::AlignRight);
    grid->addWidget(list, static_cast<int>(p), 1);
    const int position = static_cast<int>(p);
    connect(list, &QComboBox::activated, this, [this, position](int car) {
      model_.choose(position, car);
      render();
    });
    lists_.push_back(list);
  }
  auto* buttons = new QHBoxLayout;
  outer->addLayout(buttons);
  randomize_ = new QPushButton(QStringLiteral("Randomize"));
  load_ = new QPushButton(QStringLiteral("Load From Disk"));
  load_->setToolTip(QStringLiteral("Load lap times from disk to determine starting grid"));
  // Loading lap times is not defined: the button stays off.
  load_->setEnabled(false);
  start_ = new QPushButton(QStringLiteral("Start Game"));
  start_->setDefault(true);
  for (QPushButton* b : {randomize_, load_, start_}) buttons->addWidget(b);
  connect(randomize_, &QPushButton::clicked, this, [this] {
    if (random_) model_.randomize(*random_);
    render();
  });
  connect(start_, &QPushButton::clicked, this, &QDialog::accept);
  render();
}

void StartingGridWindow::render() {
  for (std::size_t p = 0; p < lists_.size() && p < model_.order.size(); ++p) {
    const QSignalBlocker block(lists_[p]);
    lists_[p]->setCurrentIndex(model_.order[p]);
  }
}

}  // namespace tarmaq
