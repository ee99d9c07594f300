#include "app/info_grids.h"

#include <QFontDatabase>
#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>

#include "app/table_fonts.h"
#include "engine/game_state.h"
#include "log/standings.h"

namespace tarmaq {

namespace {

constexpr int HeaderRowHeight = 30;
constexpr int SeparatorRowHeight = 2;
constexpr int DataRowHeight = 17;
const QColor PlaceYellow(0xFF, 0xFF, 0x00);

QColor fromBgr(std::uint32_t c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

void setUpTable(QTableWidget* t) {
  t->horizontalHeader()->hide();
  t->verticalHeader()->hide();
  t->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  t->verticalHeader()->setMinimumSectionSize(0);
  t->horizontalHeader()->setMinimumSectionSize(0);
  t->setShowGrid(false);
  t->setSelectionMode(QAbstractItemView::NoSelection);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setFocusPolicy(Qt::NoFocus);
  t->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  t->setWordWrap(true);
  // White text on the workspace colour.
  QPalette pal = t->palette();
  pal.setColor(QPalette::Base, QColor(0x80, 0x80, 0x80));
  pal.setColor(QPalette::Text, Qt::white);
  t->setPalette(pal);
}

QTableWidgetItem* cell(QTableWidget* t, int row, int column) {
  QTableWidgetItem* item = t->item(row, column);
  if (!item) {
    item = new QTableWidgetItem;
    t->setItem(row, column, item);
  }
  return item;
}

void placeCell(QTableWidget* t, int row, int column, int number) {
  QTableWidgetItem* item = cell(t, row, column);
  item->setText(QString::number(number));
  item->setBackground(PlaceYellow);
  item->setForeground(QColor(0, 0, 1));
  item->setFont(placeNumberFont());
  item->setTextAlignment(Qt::AlignCenter);
}

}  // namespace

QFont placeNumberFont() { return heavyTableFont(10); }

QFont headerFont() { return bookTableFont(7); }

StandingsGrid::StandingsGrid(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("CurrStandGrid"));
  setUpTable(this);
  setColumnCount(StandingsColumns);
}

void StandingsGrid::render(const Game& game) {
  const Standings& s = game.controls.standings;
  const int places = static_cast<int>(s.rows.size());
  setRowCount(2 * places + 2);
  setRowHeight(0, HeaderRowHeight);
  for (int c = 0; c < StandingsColumns; ++c) {
    setColumnWidth(c, s.widths[static_cast<std::size_t>(c)]);
    QTableWidgetItem* h = cell(this, 0, c);
    h->setText(QString::fromStdString(s.headers[static_cast<std::size_t>(c)]));
    h->setFont(headerFont());
    h->setTextAlignment(Qt::AlignHCenter | Qt::AlignBottom);
  }
  for (int p = 0; p <= places; ++p) setRowHeight(2 * p + 1, SeparatorRowHeight);
  for (int p = 1; p <= places; ++p) {
    const int row = 2 * p;
    setRowHeight(row, DataRowHeight);
    placeCell(this, row, 1, p);
    const auto& cells = s.rows[static_cast<std::size_t>(p - 1)];
    for (int c = 2; c < StandingsColumns; ++c) {
      const StandingsCell& sc = cells[static_cast<std::size_t>(c)];
      QTableWidgetItem* item = cell(this, row, c);
      item->setText(QString::fromStdString(sc.text));
      if (c >= 7) {
        item->setBackground(fromBgr(sc.color));
        item->setForeground(Qt::black);
      }
      if (c == 3 || c == 4 || c == 6)
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignBottom);
      else if (c >= 7)
        item->setTextAlignment(Qt::AlignCenter);
    }
  }
}

void StandingsGrid::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    Q_EMIT rowClicked(rowAt(pos.y()), columnAt(pos.x()));
  } else if (event->button() == Qt::RightButton) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Current Standings Grid"));
    connect(menu.addAction(QStringLiteral("Display Options")), &QAction::triggered, this,
            &StandingsGrid::displayOptions);
    menu.exec(event->globalPosition().toPoint());
  }
  QTableWidget::mouseReleaseEvent(event);
}

StartingGridGrid::StartingGridGrid(QWidget* parent) : QTableWidget(parent) {
  setObjectName(QStringLiteral("StartGridGrid"));
  setUpTable(this);
  setColumnCount(5);
  connect(this, &QTableWidget::cellClicked, this, &StartingGridGrid::cellClickedAt);
}

void StartingGridGrid::render(const Game& game) {
  const std::vector<std::string> names = startingGridNames(game);
  const int n = static_cast<int>(names.size());
  setRowCount(n + 2);
  setRowHeight(0, 10);
  for (int r = 1; r <= n; ++r) {
    setRowHeight(r, 17);
    const bool odd = r % 2 == 1;
    placeCell(this, r, odd ? 1 : 3, r);
    QTableWidgetItem* name = cell(this, r, odd ? 2 : 4);
    const std::string& text = names[static_cast<std::size_t>(r - 1)];
    if (!text.empty()) name->setText(QString::fromStdString(text).toUpper());
  }
  setRowHeight(n + 1, 10);
  fitColumns();
}

void StartingGridGrid::resizeEvent(QResizeEvent* event) {
  QTableWidget::resizeEvent(event);
  fitColumns();
}

void StartingGridGrid::fitColumns() {
  const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const int name = std::max(20, (width() - 10 - 2 * 18 - sb) / 2);
  setColumnWidth(0, 10);
  setColumnWidth(1, 18);
  setColumnWidth(2, name);
  setColumnWidth(3, 18);
  setColumnWidth(4, name);
}

}  // namespace tarmaq
