#include "app/address_book_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarmaq {

namespace {

// Shows the model's text; keeps the cursor where the player types unless the text
// had to change (a quote turned into an apostrophe, or "(Local)" back in an emptied box).
void showText(QLineEdit* edit, const std::string& text) {
  const QString t = QString::fromStdString(text);
  if (edit->text() == t) return;
  const int cursor = edit->cursorPosition();
  const bool refilled = edit->text().isEmpty();
  edit->setText(t);
  if (refilled)
    edit->selectAll();
  else
    edit->setCursorPosition(cursor);
}

}  // namespace

AddressBookWindow::AddressBookWindow(AddressBookDialog& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(QStringLiteral("Address Book"));
  setObjectName(QStringLiteral("AddressBook"));
  auto* outer = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  outer->addLayout(grid);
  grid->addWidget(new QLabel(QStringLiteral("Local E-Mail Address")), 0, 0);
  local_ = new QLineEdit;
  local_->setMinimumWidth(260);
  local_->installEventFilter(this);
  grid->addWidget(local_, 0, 1);
  connect(local_, &QLineEdit::textEdited, this, [this](const QString& text) {
    model_.setLocalAddress(text.toStdString());
    render();
  });
  for (std::size_t r = 0; r < model_.rows.size(); ++r) {
    const int row = static_cast<int>(r);
    auto* label = new QLabel;
    auto* edit = new QLineEdit;
    edit->installEventFilter(this);
    auto* select = new QPushButton(QStringLiteral("Select"));
    grid->addWidget(label, row + 1, 0);
    grid->addWidget(edit, row + 1, 1);
    grid->addWidget(select, row + 1, 2);
    labels_.push_back(label);
    addresses_.push_back(edit);
    selects_.push_back(select);
    connect(edit, &QLineEdit::textEdited, this, [this, row](const QString& text) {
      model_.setAddress(row, text.toStdString());
      render();
    });
    connect(select, &QPushButton::clicked, this, [this, row] {
      if (!selectAddress) return;
      if (auto chosen = selectAddress(row)) model_.setAddress(row, *chosen);
      render();
    });
  }
  ok_ = new QPushButton(QStringLiteral("OK"));
  ok_->setDefault(true);
  outer->addSpacing(12);
  outer->addWidget(ok_, 0, Qt::AlignHCenter);
  connect(ok_, &QPushButton::clicked, this, [this] {
    if (model_.okEnabled()) accept();
  });
  render();
}

void AddressBookWindow::render() {
  showText(local_, model_.localAddress);
  for (std::size_t r = 0; r < addresses_.size(); ++r) {
    labels_[r]->setText(QString::fromStdString(model_.rows[r].driver));
    showText(addresses_[r], model_.rows[r].address);
    selects_[r]->setVisible(model_.selectShown);
  }
  ok_->setEnabled(model_.okEnabled());
}

bool AddressBookWindow::eventFilter(QObject* watched, QEvent* event) {
  // Entering an address box selects its whole text, so typing replaces "(Local)".
  if (event->type() == QEvent::FocusIn)
    if (auto* edit = qobject_cast<QLineEdit*>(watched))
      QTimer::singleShot(0, edit, &QLineEdit::selectAll);
  return QDialog::eventFilter(watched, event);
}

}  // namespace tarmaq
