#include "app/aux_windows.h"

#include <QFormLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/pictures.h"
#include "engine/game_state.h"

namespace tarmaq {

QString versionText() { return QStringLiteral(TARMAQ_VERSION); }

SplashWindow::SplashWindow(int durationMs)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("Splash"));
  setFixedSize(480, 300);
  timer_ = new QTimer(this);
  timer_->setSingleShot(true);
  timer_->setInterval(durationMs);
  connect(timer_, &QTimer::timeout, this, &SplashWindow::finish);
  auto* version = new QLabel(versionText(), this);
  version->setStyleSheet(QStringLiteral("background:white; color:black; padding:1px 4px"));
  version->adjustSize();
  version->move(width() - version->width() - 8, height() - version->height() - 30);
}

void SplashWindow::start() {
  if (QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  timer_->start();
}

void SplashWindow::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QSvgRenderer{picturePath(QStringLiteral("splash"))}.render(&p, QRectF(rect()));
}

void SplashWindow::mousePressEvent(QMouseEvent*) { finish(); }

void SplashWindow::finish() {
  if (finished_) return;
  finished_ = true;
  timer_->stop();
  hide();
  Q_EMIT closed();
}

StartDialog::StartDialog(bool hasRecentGame, QWidget* parent) : QDialog(parent) {
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setWindowTitle(QStringLiteral("Tarmaq"));
  // By object name: a type selector would need the namespace spelt the style sheet's way.
  setObjectName(QStringLiteral("StartDialog"));
  setStyleSheet(QStringLiteral("#StartDialog{background:black;} QToolButton{border:none;}"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(20, 16, 20, 16);
  layout->setSpacing(10);
  logo_ = new QLabel;
  logo_->setPixmap(picturePixmap(QStringLiteral("logo"), {300, 90}, devicePixelRatioF()));
  logo_->setCursor(Qt::PointingHandCursor);
  logo_->installEventFilter(this);
  layout->addWidget(logo_, 0, Qt::AlignHCenter);
  struct Entry {
    const char* name;
    const char* picture;
    const char* tip;
    Choice choice;
  };
  const Entry entries[4] = {
      {"NewGameImage", "start_new", "Start a New Game", New},
      {"LoadGameImage", "start_load", "Load an existing Game", Load},
      {"LoadLastGameImage", "start_last", "Load the Last Game Played", LoadLast},
      {"CheckEmailImage", "start_mail", "Check Inbox for new E-Mail Game", CheckEMail}};
  for (int i = 0; i < 4; ++i) {
    auto* b = new QToolButton;
    b->setObjectName(QString::fromLatin1(entries[i].name));
    b->setIcon(pictureIcon(QString::fromLatin1(entries[i].picture)));
    b->setIconSize(QSize(260, 60));
    b->setToolTip(QString::fromLatin1(entries[i].tip));
    b->setCursor(Qt::PointingHandCursor);
    const Choice c = entries[i].choice;
    connect(b, &QToolButton::clicked, this, [this, c] {
      choice_ = c;
      accept();
    });
    layout->addWidget(b, 0, Qt::AlignHCenter);
    buttons_[i] = b;
  }
  // Without a recent game there is nothing to load last: the button goes and the
  // dialog closes up around the others.
  buttons_[2]->setVisible(hasRecentGame);
  adjustSize();
}

QToolButton* StartDialog::button(Choice c) const { return c == None ? nullptr : buttons_[c - 1]; }

bool StartDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == logo_ && event->type() == QEvent::MouseButtonPress) {
    Q_EMIT logoClicked();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

const QStringList& AboutBox::credits() {
  static const QStringList lines = {
      QStringLiteral("A dice-driven motor-racing board game for one desk or many"),
      QStringLiteral("Programming: the Tarmaq developers"),
      QStringLiteral("Testing: the players of the first seasons"),
      QStringLiteral("Brackwood Ring: circuit design by the Tarmaq developers"),
      QStringLiteral("Port Castellane: circuit design by the Tarmaq developers"),
      QStringLiteral("Velmont Park: circuit design by the Tarmaq developers"),
      QStringLiteral("Thank you for playing"),
  };
  return lines;
}

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Tarmaq"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);
  auto* layout = new QVBoxLayout(this);
  auto* picture = new QLabel;
  picture->setPixmap(picturePixmap(QStringLiteral("logo"), {300, 90}, devicePixelRatioF()));
  layout->addWidget(picture, 0, Qt::AlignHCenter);
  auto* name = new QLabel(QStringLiteral("Tarmaq"));
  QFont f = name->font();
  f.setBold(true);
  f.setPointSize(f.pointSize() + 4);
  name->setFont(f);
  layout->addWidget(name, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(QStringLiteral("Version ") + versionText()), 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(QStringLiteral("https://tarmaq.example.org/")), 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(QStringLiteral("Free software: share it, change it, race it.")), 0,
                    Qt::AlignHCenter);
  credit_ = new QLabel(credits().front());
  credit_->setObjectName(QStringLiteral("CreditLabel"));
  credit_->setMinimumWidth(380);
  credit_->setAlignment(Qt::AlignCenter);
  layout->addWidget(credit_);
  for (QLabel* l : findChildren<QLabel*>()) l->installEventFilter(this);
  timer_ = new QTimer(this);
  timer_->setInterval(5000);
  connect(timer_, &QTimer::timeout, this, &AboutBox::advance);
  timer_->start();
  setFixedSize(sizeHint());
}

void AboutBox::advance() {
  line_ = (line_ + 1) % static_cast<int>(credits().size());
  credit_->setText(credits()[line_]);
  // The first line stays longer; the others follow at a reading pace.
  timer_->setInterval(2500);
}

void AboutBox::mousePressEvent(QMouseEvent*) { accept(); }

bool AboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

CheatDialog::CheatDialog(const QString& value, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Testing/Debug Cheat"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Enter the roll value")));
  text_ = new QLineEdit(value);
  text_->setObjectName(QStringLiteral("CheatTxt"));
  layout->addWidget(text_);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  auto* cancel = new QPushButton(QStringLiteral("Cancel"));
  ok->setDefault(true);
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(ok);
  row->addWidget(cancel);
  layout->addLayout(row);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString CheatDialog::value() const { return text_->text(); }

InfoDialog::InfoDialog(const QString& title, const std::vector<std::pair<QString, QString>>& fields,
                       QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (const auto& [caption, value] : fields) {
    auto* v = new QLabel(value);
    v->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, v);
  }
  layout->addLayout(form);
  auto* ok = new QPushButton(QStringLiteral("OK"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace tarmaq
