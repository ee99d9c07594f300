#include <QApplication>

#include "app/aux_windows.h"
#include "app/key_router.h"
#include "app/main_window.h"
#include "app/qt_settings_store.h"
#include "engine/folders.h"
#include "engine/random_source.h"
#include "gamefile/recent_games.h"

#ifndef TARMAQ_INSTALLED_DATA
#define TARMAQ_INSTALLED_DATA "/usr/share/tarmaq"
#endif

namespace {

void runStartChoice(tarmaq::MainWindow& window, tarmaq::StartDialog::Choice choice) {
  using tarmaq::StartDialog;
  auto& recent = window.game().controls.recentGameEntries;
  switch (choice) {
    case StartDialog::New:
      window.menuAction("&New Game")->trigger();
      break;
    case StartDialog::Load:
      window.menuAction("&Load Game")->trigger();
      break;
    case StartDialog::LoadLast:
      if (!recent.empty()) {
        const std::string path = recent.front();
        window.game().gameFileName = path;
        window.openGame(path);
      }
      break;
    case StartDialog::CheckEMail:
      if (QAction* a = window.toolbarAction("CheckMail")) a->trigger();
      break;
    case StartDialog::None:
      break;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setOrganizationName(QStringLiteral("Tarmaq"));
  QApplication::setApplicationName(QStringLiteral("Tarmaq"));
  QApplication::setApplicationVersion(tarmaq::versionText());

  tarmaq::SplashWindow splash;
  splash.start();

  tarmaq::QtSettingsStore settings;
  tarmaq::SeededRandom random;
  auto folders = tarmaq::ProgramFolders::locate(tarmaq::executableDirectory(),
                                                TARMAQ_INSTALLED_DATA, tarmaq::userDataFolder());
  folders.createUserFolders();

  tarmaq::MainWindow window({&settings, &folders, &random});
  window.restoreSettings();
  app.installEventFilter(new tarmaq::KeyRouter(&window));

  const QStringList args = QApplication::arguments();
  const QString commandLine = args.size() > 1 ? args.mid(1).join(' ') : QString();

  QObject::connect(&splash, &tarmaq::SplashWindow::closed, &window, [&] {
    window.show();
    if (!commandLine.isEmpty()) {
      window.openFromCommandLine(commandLine);
      return;
    }
    tarmaq::StartDialog start(!window.game().controls.recentGameEntries.empty(), &window);
    QObject::connect(&start, &tarmaq::StartDialog::logoClicked, &window,
                     [&window] { window.menuAction("&About")->trigger(); });
    start.exec();
    runStartChoice(window, start.choice());
  });
  const int rc = QApplication::exec();
  settings.sync();
  return rc;
}
