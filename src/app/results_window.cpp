#include "app/results_window.h"

#include <QPainter>
#include <QPushButton>
#include <QSvgRenderer>

#include "app/pictures.h"

namespace tarmaq {

namespace {

void shadowedText(QPainter& p, const QRect& rect, const QString& text) {
  p.setPen(Qt::black);
  p.drawText(rect.translated(2, 2), Qt::AlignCenter, text);
  p.setPen(Qt::white);
  p.drawText(rect, Qt::AlignCenter, text);
}

}  // namespace

ResultsWindow::ResultsWindow(const Podium& podium, QWidget* parent)
    : QDialog(parent), podium_(podium) {
  setWindowTitle(QStringLiteral("Race Results"));
  setFixedSize(520, 400);
  setAutoFillBackground(true);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, Qt::black);
  setPalette(pal);
  auto* ok = new QPushButton(QStringLiteral("OK"), this);
  ok->setDefault(true);
  ok->setGeometry(width() / 2 - 40, height() - 44, 80, 28);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void ResultsWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(rect(), Qt::black);
  QSvgRenderer banner{picturePath(QStringLiteral("results_banner"))};
  banner.render(&p, QRectF(80, 12, 360, 60));
  // Gold in the middle and highest, silver left, bronze right.
  struct Slot {
    int x, y;
    const char* picture;
    const char* label;
  };
  const Slot places[3] = {{190, 100, "log_27", "1st Place"},
                          {30, 150, "log_33", "2nd Place"},
                          {350, 170, "log_34", "3rd Place"}};
  for (int i = 0; i < podium_.places && i < 3; ++i) {
    const Slot& s = places[i];
    QSvgRenderer trophy{picturePath(QString::fromLatin1(s.picture))};
    trophy.render(&p, QRectF(s.x + 30, s.y, 80, 80));
    QFont f = font();
    f.setPointSize(14);
    f.setBold(true);
    p.setFont(f);
    shadowedText(p, QRect(s.x - 20, s.y + 86, 180, 26), QString::fromLatin1(s.label));
    f.setPointSize(12);
    p.setFont(f);
    shadowedText(p, QRect(s.x - 20, s.y + 114, 180, 26),
                 QString::fromStdString(podium_.names[static_cast<std::size_t>(i)]));
  }
}

}  // namespace tarmaq
