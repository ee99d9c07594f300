// The small windows around a run: the splash, the Start dialog, the About box, the
// testing dialog, and the information dialogs.
#pragma once

#include <QDialog>
#include <QStringList>
#include <QWidget>

class QLabel;
class QLineEdit;
class QTimer;
class QToolButton;

namespace tarmaq {

struct Game;

// The program's version: major.minor.revision.
QString versionText();

class SplashWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit SplashWindow(int durationMs = 4000);
  void start();

 Q_SIGNALS:
  void closed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void finish();
  QTimer* timer_;
  bool finished_ = false;
};

class StartDialog final : public QDialog {
  Q_OBJECT
 public:
  enum Choice { None, New, Load, LoadLast, CheckEMail };
  StartDialog(bool hasRecentGame, QWidget* parent = nullptr);
  Choice choice() const { return choice_; }
  QToolButton* button(Choice c) const;

 Q_SIGNALS:
  void logoClicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Choice choice_ = None;
  QLabel* logo_;
  QToolButton* buttons_[4];
};

class AboutBox final : public QDialog {
  Q_OBJECT
 public:
  explicit AboutBox(QWidget* parent = nullptr);
  static const QStringList& credits();
  int creditLine() const { return line_; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void advance();
  QLabel* credit_;
  QTimer* timer_;
  int line_ = 0;
};

// "Testing/Debug Cheat": the die value to use.
class CheatDialog final : public QDialog {
  Q_OBJECT
 public:
  CheatDialog(const QString& value, QWidget* parent = nullptr);
  QString value() const;

 private:
  QLineEdit* text_;
};

// Two columns of captions and values: Track Information and Corner Properties.
class InfoDialog final : public QDialog {
  Q_OBJECT
 public:
  InfoDialog(const QString& title, const std::vector<std::pair<QString, QString>>& fields,
             QWidget* parent = nullptr);
};

}  // namespace tarmaq
