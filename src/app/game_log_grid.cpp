#include "app/game_log_grid.h"

#include <QHeaderView>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "app/pictures.h"
#include "log/game_log.h"

namespace tarmaq {

namespace {

constexpr int IconColumnWidth = 20;

QColor fromBgr(std::uint32_t c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

}  // namespace

void GameLogModel::setLog(const GameLog* log) {
  beginResetModel();
  log_ = log;
  rows_ = log ? static_cast<int>(log->rows.size()) : 0;
  endResetModel();
}

void GameLogModel::sync() {
  const int now = log_ ? static_cast<int>(log_->rows.size()) : 0;
  if (now < rows_) {
    // A new game or a load: the log starts again.
    beginResetModel();
    rows_ = now;
    endResetModel();
    return;
  }
  if (now > rows_) {
    beginInsertRows({}, rows_, now - 1);
    rows_ = now;
    endInsertRows();
  }
  if (rows_ > 0) Q_EMIT dataChanged(index(0, 0), index(rows_ - 1, 1));
}

int GameLogModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }
int GameLogModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : 2; }

QVariant GameLogModel::data(const QModelIndex& index, int role) const {
  if (!log_ || !index.isValid() || index.row() >= static_cast<int>(log_->rows.size())) return {};
  const LogRow& row = log_->rows[static_cast<std::size_t>(index.row())];
  if (index.column() == 0) {
    if (role == Qt::DecorationRole && row.pictureShown && row.height > 0) return logIcon(row.icon);
    return {};
  }
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(row.text);
    case Qt::FontRole:
      if (row.bold) {
        QFont f;
        f.setBold(true);
        f.setPointSize(10);
        return f;
      }
      return {};
    case Qt::ForegroundRole:
      return fromBgr(row.color);
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
      return {};
  }
}

GameLogGrid::GameLogGrid(QWidget* parent) : QTableView(parent) {
  setObjectName(QStringLiteral("GameLogGrid"));
  setModel(&model_);
  horizontalHeader()->hide();
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setMinimumSectionSize(0);
  verticalHeader()->setDefaultSectionSize(LogRowHeight);
  setShowGrid(false);
  setWordWrap(false);
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setFocusPolicy(Qt::NoFocus);
  setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setIconSize(QSize(14, 14));
  setColumnWidth(0, IconColumnWidth);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Window).darker(115));
  setPalette(pal);
  setContextMenuPolicy(Qt::NoContextMenu);
}

void GameLogGrid::setLog(const GameLog* log) {
  log_ = log;
  model_.setLog(log);
  heights_.clear();
  render();
}

void GameLogGrid::render() {
  if (!log_) return;
  model_.sync();
  const int n = static_cast<int>(log_->rows.size());
  if (static_cast<int>(heights_.size()) > n) heights_.clear();
  heights_.resize(static_cast<std::size_t>(n), -1);
  for (int r = 0; r < n; ++r) {
    const int h = log_->rows[static_cast<std::size_t>(r)].height;
    if (heights_[static_cast<std::size_t>(r)] != h) {
      setRowHeight(r, h);
      heights_[static_cast<std::size_t>(r)] = h;
    }
  }
  // The core says which row leads the view (the last seven after each new line, a
  // toggled round's header after a click).
  const int first = std::clamp(log_->firstVisibleRow, 0, std::max(0, n - 1));
  updateGeometries();
  verticalScrollBar()->setValue(n > 0 ? verticalHeader()->sectionPosition(first) : 0);
}

int GameLogGrid::zeroHeightRows() const {
  int count = 0;
  for (int r = 0; r < model_.rowCount(); ++r)
    if (rowHeight(r) == 0) ++count;
  return count;
}

int GameLogGrid::firstVisibleRow() const { return rowAt(0); }

void GameLogGrid::mouseReleaseEvent(QMouseEvent* event) {
  const int row = rowAt(event->position().toPoint().y());
  if (event->button() == Qt::LeftButton) {
    if (row >= 0) Q_EMIT rowReleased(row);
  } else if (event->button() == Qt::RightButton) {
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("Game Log Grid"));
    connect(menu.addAction(QStringLiteral("Expand All Rounds")), &QAction::triggered, this,
            &GameLogGrid::expandAll);
    connect(menu.addAction(QStringLiteral("Collapse All Rounds")), &QAction::triggered, this,
            &GameLogGrid::collapseAll);
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("Show Log For Selected Player")), &QAction::triggered,
            this, &GameLogGrid::showSelectedPlayer);
    menu.addSeparator();
    connect(menu.addAction(QStringLiteral("Display Options")), &QAction::triggered, this,
            &GameLogGrid::displayOptions);
    menu.exec(event->globalPosition().toPoint());
  }
  QTableView::mouseReleaseEvent(event);
}

void GameLogGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  fitTextColumn();
}

void GameLogGrid::fitTextColumn() {
  // The text takes what the icon column and the scroll bar leave.
  const int sb = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  setColumnWidth(1, std::max(40, width() - IconColumnWidth - sb - 2 * frameWidth()));
}

}  // namespace tarmaq
