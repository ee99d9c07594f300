#include "app/panels.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>
#include <QVBoxLayout>

#include "app/pictures.h"
#include "engine/controls.h"

namespace tarmaq {

DieWidget::DieWidget(QWidget* parent) : QWidget(parent) {
  setFixedSize(100, 100);
  setCursor(Qt::PointingHandCursor);
  setToolTip(QStringLiteral("Left-click to roll die, right-click to move on"));
}

void DieWidget::show(int kind, const QString& value, bool valueVisible, int offsetPx, bool white) {
  kind_ = kind;
  value_ = value;
  valueVisible_ = valueVisible;
  offset_ = offsetPx;
  white_ = white;
  update();
}

void DieWidget::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QSvgRenderer renderer{picturePath(diePictureName(kind_))};
  renderer.render(&p, QRectF(0, 0, width(), height()));
  if (!valueVisible_ || value_.isEmpty()) return;
  QFont f = font();
  f.setBold(true);
  f.setPixelSize(26);
  p.setFont(f);
  p.setPen(white_ ? Qt::white : Qt::black);
  p.drawText(QRect(0, offset_ - 8, width(), 34), Qt::AlignHCenter | Qt::AlignTop, value_);
}

void DieWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Q_EMIT clicked();
  if (event->button() == Qt::RightButton) Q_EMIT rightClicked();
}

DiePanelWidget::DiePanelWidget(QWidget* parent) : QGroupBox(QStringLiteral("Die"), parent) {
  setObjectName(QStringLiteral("BigDieFrm"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  die_ = new DieWidget;
  layout->addWidget(die_);
  connect(die_, &DieWidget::clicked, this, &DiePanelWidget::rollRequested);
  connect(die_, &DieWidget::rightClicked, this, &DiePanelWidget::moveOnRequested);
  setAutoFillBackground(true);
  adjustSize();
}

void DiePanelWidget::render(const DiePanel& panel) {
  setVisible(panel.visible);
  die_->show(panel.dieKind, QString::fromStdString(panel.valueText), panel.valueVisible,
             panel.valueOffsetPx, panel.valueWhite());
}

void DiePanelWidget::showFrame(int kind, int face) {
  // The value colour follows the die: black on the two light dice, white on the others.
  die_->show(kind, QString::number(face), true, kind == 1 ? 50 : 41, kind != 1 && kind != 2);
  die_->repaint();
}

MovePanelWidget::MovePanelWidget(QWidget* parent)
    : QGroupBox(QStringLiteral("Move Options"), parent) {
  setObjectName(QStringLiteral("MoveFrm"));
  setAutoFillBackground(true);
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(6, 6, 6, 6);
  grid->setSpacing(4);
  const char* arrows[3] = {"\u2196", "\u2191", "\u2197"};
  const char* tips[3] = {"Move diagonally left", "Move straight ahead", "Move diagonally right"};
  for (int i = 0; i < 3; ++i) {
    auto* b = new QPushButton(QString::fromUtf8(arrows[i]));
    b->setObjectName(QStringLiteral("MoveBtn%1").arg(i));
    b->setToolTip(QString::fromLatin1(tips[i]));
    b->setFixedSize(34, 30);
    b->setFocusPolicy(Qt::NoFocus);
    QFont f = b->font();
    f.setPointSize(13);
    f.setBold(true);
    b->setFont(f);
    grid->addWidget(b, 0, i);
    connect(b, &QPushButton::clicked, this, [this, i] { Q_EMIT laneClicked(i); });
    lanes_[static_cast<std::size_t>(i)] = b;
  }
  accept_ = new QPushButton(QStringLiteral("Accept Move"));
  stepBack_ = new QPushButton(QStringLiteral("Step Back"));
  reset_ = new QPushButton(QStringLiteral("Reset Move"));
  for (QPushButton* b : {accept_, stepBack_, reset_}) b->setFocusPolicy(Qt::NoFocus);
  // Two rows, so the panel fits in the gap left above the die.
  grid->addWidget(accept_, 1, 0, 1, 3);
  grid->addWidget(stepBack_, 0, 3);
  grid->addWidget(reset_, 1, 3);
  connect(accept_, &QPushButton::clicked, this, &MovePanelWidget::acceptClicked);
  connect(stepBack_, &QPushButton::clicked, this, &MovePanelWidget::stepBackClicked);
  connect(reset_, &QPushButton::clicked, this, &MovePanelWidget::resetClicked);
  adjustSize();
}

void MovePanelWidget::render(const MovePanel& panel) {
  setVisible(panel.visible);
  for (std::size_t i = 0; i < 3; ++i) lanes_[i]->setEnabled(panel.laneEnabled[i]);
  accept_->setEnabled(panel.acceptEnabled);
  stepBack_->setEnabled(panel.stepBackEnabled);
  reset_->setEnabled(panel.resetEnabled);
}

}  // namespace tarmaq
