#include "app/rules_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "log/race_header.h"

namespace tarmaq {

namespace {

const char* const Captions[RuleCheckBoxes] = {"Bad Starts",
                                              "Flying Starts",
                                              "Overshooting Corners",
                                              "Braking",
                                              "Engine Damage",
                                              "All Cars Possible",
                                              "Collisions",
                                              "Over-Revving",
                                              "Blocking",
                                              "Tire Pit Stops",
                                              "Slipstreaming",
                                              "Hard Tires",
                                              "Soft Tires",
                                              "Wet Tires",
                                              "Rain",
                                              "Changeable Weather",
                                              "Sunshine",
                                              "Car Construction",
                                              "Road Holding",
                                              "Full Pit Stops",
                                              "Front Collisions",
                                              "Special Gearing Dice",
                                              "Use 1 engine point for 1 extra space (1 per round)"};

// A row of a frame: a check box, then the lists and number field that belong to it,
// each with a short caption saying what it sets.
struct RuleRow {
  int check;
  int list = -1;
  const char* listCaption = "";
  int list2 = -1;
  const char* list2Caption = "";
  int number = -1;
  const char* numberCaption = "";
};

struct RuleFrame {
  const char* title;
  std::vector<RuleRow> rows;
};

const std::vector<RuleFrame>& frames() {
  static const std::vector<RuleFrame> f = {
      {"Basic Rules",
       {{0, 0, "on rolls of"},
        {1, 1, "on rolls of", -1, "", 0, "spaces"},
        {2},
        {3},
        {4, 2, "in", 3, "on rolls of"},
        {5},
        {6, 4, "on rolls of"},
        {7},
        {8}}},
      {"2-Lap Rules", {{9, 5, "quick on rolls of"}}},
      {"Advanced Rules",
       {{10, 6, "in", -1, "", 1, "spaces"},
        {11},
        {12},
        {13},
        {14},
        {15},
        {16},
        {17},
        {18, 7, "on rolls of"},
        {19}}},
      {"Custom Rules", {{20}, {21}, {22}}},
  };
  return f;
}

}  // namespace

RulesWindow::RulesWindow(RulesDialog& model, SettingsStore* store, QWidget* parent)
    : QDialog(parent), model_(&model), store_(store) {
  build();
}

RulesWindow::RulesWindow(const Rules& rules, QWidget* parent)
    : QDialog(parent),
      owned_(std::make_unique<RulesDialog>(RulesDialog::fromRules(rules))),
      model_(owned_.get()),
      store_(nullptr) {
  build();
}

void RulesWindow::build() {
  setWindowTitle(QStringLiteral("Rules"));
  setObjectName(QStringLiteral("Rules"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  auto* outer = new QVBoxLayout(this);
  auto* columns = new QHBoxLayout;
  outer->addLayout(columns);
  auto* left = new QVBoxLayout;
  auto* right = new QVBoxLayout;
  columns->addLayout(left);
  columns->addLayout(right);
  int frameIndex = 0;
  for (const RuleFrame& shape : frames()) {
    auto* frame = new QGroupBox(QString::fromLatin1(shape.title));
    frame->setObjectName(QString::fromLatin1(shape.title));
    auto* grid = new QGridLayout(frame);
    int r = 0;
    for (const RuleRow& row : shape.rows) {
      auto* box = new QCheckBox(QString::fromLatin1(Captions[row.check]));
      box->setObjectName(QString::fromLatin1(
          RuleKeys[static_cast<std::size_t>(row.check)].data(),
          static_cast<qsizetype>(RuleKeys[static_cast<std::size_t>(row.check)].size())));
      if (const char* tip = ruleDescription(static_cast<Rule>(row.check)))
        box->setToolTip(QString::fromLatin1(tip));
      const int check = row.check;
      connect(box, &QCheckBox::clicked, this, [this, check](bool on) {
        if (rendering_) return;
        model_->click(check, on);
        render();
      });
      checks_[static_cast<std::size_t>(check)] = box;
      grid->addWidget(box, r, 0, 1, row.check == 22 ? 5 : 1);
      int col = 1;
      for (auto [index, caption] :
           {std::pair{row.list, row.listCaption}, std::pair{row.list2, row.list2Caption}}) {
        if (index < 0) continue;
        auto* combo = new QComboBox;
        const auto entries = RulesDialog::listEntries(index);
        for (int e = 0; e < RulesDialog::listSize(index); ++e)
          combo->addItem(QString::fromStdString(entries[static_cast<std::size_t>(e)]));
        combo->setToolTip(QString::fromLatin1(caption));
        connect(combo, &QComboBox::activated, this, [this, index](int position) {
          model_->lists[static_cast<std::size_t>(index)].position = position;
        });
        lists_[static_cast<std::size_t>(index)] = combo;
        grid->addWidget(new QLabel(QString::fromLatin1(caption)), r, col++);
        grid->addWidget(combo, r, col++);
      }
      if (row.number >= 0) {
        auto* edit = new QLineEdit;
        edit->setMaximumWidth(40);
        const int index = row.number;
        connect(edit, &QLineEdit::textEdited, this, [this, index](const QString& text) {
          model_->numbers[static_cast<std::size_t>(index)].text = text.toStdString();
        });
        numbers_[static_cast<std::size_t>(index)] = edit;
        grid->addWidget(edit, r, col++);
        grid->addWidget(new QLabel(QString::fromLatin1(row.numberCaption)), r, col++);
      }
      ++r;
    }
    if (shape.rows.front().check == 20) {
      auto* finish = new QGroupBox(QStringLiteral("Race Finish"));
      auto* fl = new QHBoxLayout(finish);
      nose_ = new QRadioButton(QStringLiteral("Nose of Car"));
      nose_->setObjectName(QStringLiteral("FinishNose"));
      entire_ = new QRadioButton(QStringLiteral("Entire Car"));
      entire_->setObjectName(QStringLiteral("FinishEntireCar"));
      fl->addWidget(nose_);
      fl->addWidget(entire_);
      connect(nose_, &QRadioButton::toggled, this, [this](bool on) {
        if (!rendering_) model_->finishNose = on;
      });
      grid->addWidget(finish, r, 0, 1, 5);
    }
    grid->setColumnStretch(5, 1);
    (frameIndex < 2 ? left : right)->addWidget(frame);
    ++frameIndex;
  }
  left->addStretch();
  right->addStretch();
  ok_ = new QPushButton(QStringLiteral("OK"));
  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, &RulesWindow::confirm);
  outer->addWidget(ok_, 0, Qt::AlignRight);
  render();
}

void RulesWindow::render() {
  rendering_ = true;
  const bool frames = !model_->readOnly;
  for (QGroupBox* g : findChildren<QGroupBox*>()) g->setEnabled(frames);
  for (int i = 0; i < RuleCheckBoxes; ++i) {
    const auto& c = model_->checks[static_cast<std::size_t>(i)];
    checks_[static_cast<std::size_t>(i)]->setChecked(c.ticked);
    checks_[static_cast<std::size_t>(i)]->setEnabled(c.enabled);
  }
  for (int i = 0; i < RuleLists; ++i) {
    const auto& l = model_->lists[static_cast<std::size_t>(i)];
    lists_[static_cast<std::size_t>(i)]->setCurrentIndex(l.position);
    lists_[static_cast<std::size_t>(i)]->setEnabled(l.enabled);
  }
  for (int i = 0; i < RuleNumbers; ++i) {
    const auto& n = model_->numbers[static_cast<std::size_t>(i)];
    QLineEdit* e = numbers_[static_cast<std::size_t>(i)];
    if (e->text().toStdString() != n.text) e->setText(QString::fromStdString(n.text));
    e->setEnabled(n.enabled);
  }
  nose_->setChecked(model_->finishNose);
  entire_->setChecked(!model_->finishNose);
  rendering_ = false;
}

void RulesWindow::confirm() {
  // The read-only view shows a game's rules: its disabled controls hold no settings
  // worth keeping, so it leaves the defaults for new games alone.
  if (store_ && !model_->readOnly) model_->save(*store_);
  render();
  accept();
}

void RulesWindow::reject() { confirm(); }

}  // namespace tarmaq
