#include "app/info_panel.h"

#include <QPushButton>
#include <QStackedWidget>

#include "app/game_log_grid.h"
#include "app/info_grids.h"

namespace tarmaq {

InfoPanel::InfoPanel(QWidget* parent) : QFrame(parent) {
  setObjectName(QStringLiteral("GameInfoFrm"));
  const char* captions[3] = {"Game Log", "Current Standings", "Starting Grid"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(captions[i]), this);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoFillBackground(true);
    connect(b, &QPushButton::clicked, this, [this, i] {
      showView(static_cast<View>(i));
      Q_EMIT viewChosen(static_cast<View>(i));
    });
    buttons_[i] = b;
  }
  stack_ = new QStackedWidget(this);
  log_ = new GameLogGrid;
  standings_ = new StandingsGrid;
  grid_ = new StartingGridGrid;
  stack_->addWidget(log_);
  stack_->addWidget(standings_);
  stack_->addWidget(grid_);
  showView(StartingGridView);
  hide();
}

void InfoPanel::showView(View view) {
  view_ = view;
  stack_->setCurrentIndex(view);
  for (int i = 0; i < 3; ++i)
    buttons_[i]->setStyleSheet(i == view ? QStringLiteral("QPushButton{background:#ffff00;}")
                                         : QString());
}

void InfoPanel::setStandingsCaption(const QString& caption) {
  if (buttons_[StandingsView]->text() == caption) return;
  buttons_[StandingsView]->setText(caption);
  place();
}

void InfoPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  place();
}

void InfoPanel::place() {
  // Buttons side by side from the left, each as wide as its caption; the tables below.
  int x = 0, h = 0;
  for (QPushButton* b : buttons_) {
    const QSize s = b->sizeHint();
    b->setGeometry(x, 0, s.width(), s.height());
    x += s.width();
    h = std::max(h, s.height());
  }
  stack_->setGeometry(0, h, width(), std::max(0, height() - h));
}

}  // namespace tarmaq
