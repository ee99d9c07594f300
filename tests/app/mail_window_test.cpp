// The window's mail: the network runs on another thread behind the progress window,
// Cancel stops it, and the game goes on only once the operation is over.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <fstream>
#include <iterator>

#include "app/address_picker.h"
#include "app/local_address_dialog.h"
#include "app/mail_progress.h"
#include "app/mail_window_support.h"
#include "app/mail_worker.h"
#include "driver/auto_driver.h"
#include "engine/settings_store.h"
#include "engine/timers.h"
#include "engine/turn_controller.h"
#include "gamefile/game_file_writer.h"
#include "mail/address_book.h"
#include "mail/game_file_retrieve.h"
#include "mail/game_mail.h"
#include "mail/mail_check.h"
#include "mail/mailer.h"

namespace tarmaq::testing {
namespace {

// Runs `check` once the event loop is going, polling until `ready` holds.
void whenReady(const std::function<bool()>& ready, const std::function<void()>& check) {
  auto* timer = new QTimer;
  QObject::connect(timer, &QTimer::timeout, timer, [timer, ready, check] {
    if (!ready()) return;
    timer->stop();
    timer->deleteLater();
    check();
  });
  timer->start(5);
}

bool shown(const std::vector<Message>& asked, const std::string& title) {
  return std::any_of(asked.begin(), asked.end(),
                     [&](const Message& m) { return m.title == title; });
}

struct MailWindow : ::testing::Test {
  MailWindowFixture f;
  MailWindow() {
    f.open(&f.transport);
    f.newRace();
  }
  MainWindow& w() { return *f.window; }
  MailProgressWindow* progress() { return w().mailTransport().window(); }
};

TEST_F(MailWindow, ASendRunsOnAnotherThreadBehindTheProgressWindowAndTheGameGoesOnAfter) {
  ASSERT_EQ(*w().game().currentStep(), "ROLL STRT WAIT");
  ASSERT_EQ(w().game().currCar, 1);
  QAction* send = w().toolbarAction("SendMail");
  ASSERT_TRUE(send->isVisible());
  ASSERT_TRUE(send->isEnabled());

  f.transport.hold();
  bool seen = false;
  whenReady([&] { return f.transport.waiting > 0; },
            [&] {
              seen = true;
              ASSERT_NE(progress(), nullptr);
              EXPECT_TRUE(progress()->isVisible());
              EXPECT_EQ(QApplication::activeModalWidget(), progress());
              EXPECT_TRUE(progress()->text().contains(QStringLiteral("Sending")))
                  << progress()->text().toStdString();
              // Nothing is sent yet and the game has not moved on.
              EXPECT_TRUE(f.transport.memory.sent.empty());
              EXPECT_FALSE(shown(f.asked, "Game File E-Mail Sent"));
              f.transport.release();
            });
  send->trigger();
  EXPECT_TRUE(seen);
  ASSERT_EQ(f.transport.memory.sent.size(), 1u);
  EXPECT_EQ(f.transport.memory.sent[0].mail.toAddress, "bob@example.test");
  EXPECT_EQ(f.transport.threads.count(std::this_thread::get_id()), 0u);
  EXPECT_FALSE(progress()->isVisible());
  ASSERT_FALSE(f.asked.empty());
  EXPECT_EQ(f.asked.back().title, "Game File E-Mail Sent");
  EXPECT_EQ(*w().game().currentStep(), "MAIL SENT bob@example.test");
  EXPECT_EQ(f.passwordPrompts, std::vector<std::string>{"alice on 127.0.0.1"});
  EXPECT_EQ(f.transport.memory.signOffs, 1);
}

TEST_F(MailWindow, CancelStopsTheSendTellsWhyAndTheGameCanBeSentAgain) {
  f.transport.hold();
  whenReady([&] { return f.transport.waiting > 0 && progress() && progress()->isVisible(); },
            [&] { progress()->cancelButton()->click(); });
  w().toolbarAction("SendMail")->trigger();
  EXPECT_TRUE(f.transport.memory.sent.empty());
  EXPECT_FALSE(progress()->isVisible());
  EXPECT_EQ(f.transport.memory.signOffs, 1);  // the session is closed all the same
  ASSERT_FALSE(f.asked.empty());
  EXPECT_EQ(f.asked.back().title, "Game File Not Sent");
  EXPECT_NE(f.asked.back().text.find("Cancelled."), std::string::npos) << f.asked.back().text;
  EXPECT_TRUE(w().toolbarAction("SendMail")->isEnabled());

  f.transport.release();
  w().toolbarAction("SendMail")->trigger();
  EXPECT_EQ(f.transport.memory.sent.size(), 1u);
  EXPECT_EQ(f.asked.back().title, "Game File E-Mail Sent");
  // The password was asked once in the run, Cancel or not.
  EXPECT_EQ(f.passwordPrompts.size(), 1u);
}

// A game of alice and bob, written by bob's installation when it waits for alice.
std::string gameWaitingForAlice() {
  MailWindowFixture other("bob");
  other.open(&other.transport);
  other.newRace();
  Game& g = other.window->game();
  AutoDriver driver(3);
  other.window->run([&driver](Game& game) {
    for (int n = 0; n < 500; ++n) {
      const std::string* step = game.currentStep();
      const Car* car = game.car(game.currCar);
      if (step && endsWith(*step, "WAIT") && car && car->eMail == "alice@example.test") return;
      if (!fireArmedResultTimer(game) && !driver.act(game)) return;
    }
  });
  return writeGameFile(g);
}

TEST_F(MailWindow, ACheckOpensTheReceivedGameOnlyOnceTheNetworkIsDone) {
  const std::string text = gameWaitingForAlice();
  ASSERT_NE(text.find("Tarmaq Game file"), std::string::npos);
  f.transport.memory.deliver("Tarmaq GameFile: from bob.tmq", gameMailBody(text), text);
  bool openedWhileBusy = true;
  const OpenGame open = w().mailer().openGame;
  w().mailer().openGame = [&](Game& g, const std::filesystem::path& path) {
    openedWhileBusy = w().mailer().busy() || progress()->isVisible();
    return open(g, path);
  };
  f.transport.hold();
  QString during;
  whenReady([&] { return f.transport.waiting > 0; },
            [&] {
              during = progress()->text();
              f.transport.release();
            });
  w().toolbarAction("CheckMail")->trigger();
  // The network's own report of what it does.
  EXPECT_EQ(during, QStringLiteral("Receiving the game..."));
  EXPECT_FALSE(openedWhileBusy);
  EXPECT_TRUE(std::filesystem::exists(f.gamesFolder() / "from bob.tmq"));
  EXPECT_EQ(w().game().gameFileName, (f.gamesFolder() / "from bob.tmq").string());
  const Car* current = w().game().car(w().game().currCar);
  ASSERT_NE(current, nullptr);
  EXPECT_EQ(current->eMail, "alice@example.test");
  EXPECT_TRUE(endsWith(*w().game().currentStep(), "WAIT"));
  EXPECT_FALSE(progress()->isVisible());
  EXPECT_TRUE(f.transport.memory.isRead("1"));
}

TEST_F(MailWindow, CancelDuringACheckLeavesTheGameMailUnreadAndShowsNoError) {
  const std::string text = gameWaitingForAlice();
  f.transport.memory.deliver("Tarmaq GameFile: from bob.tmq", gameMailBody(text), text);
  const std::string before = *w().game().currentStep();
  f.transport.hold();
  whenReady([&] { return f.transport.waiting > 0; }, [&] { progress()->cancelButton()->click(); });
  w().toolbarAction("CheckMail")->trigger();
  EXPECT_FALSE(f.transport.memory.isRead("1"));
  EXPECT_FALSE(std::filesystem::exists(f.gamesFolder() / "from bob.tmq"));
  EXPECT_EQ(*w().game().currentStep(), before);
  EXPECT_FALSE(shown(f.asked, "E-Mail Not Checked"));
  EXPECT_FALSE(progress()->isVisible());
}

TEST_F(MailWindow, TheMailCheckTimerLooksAtTheInboxOnlyWhenDueAndNoWindowIsModal) {
  Game& g = w().game();
  g.options.autoCheckMail = true;
  g.options.autoCheckMailInterval = "1 minute";
  updateMailCheckTimer(g);
  EXPECT_TRUE(w().frontend().timerActive(TimerId::MailCheck));
  EXPECT_EQ(w().frontend().timerInterval(TimerId::MailCheck), MailCheckTimerMs);
  const std::size_t signOns = f.transport.memory.accounts.size();
  w().frontend().timerFired(TimerId::MailCheck);  // tick 1 of 2
  EXPECT_EQ(f.transport.memory.accounts.size(), signOns);
  {
    QDialog modal(&w());
    modal.setModal(true);
    modal.show();
    w().frontend().timerFired(TimerId::MailCheck);  // due, but a dialog is open
    EXPECT_EQ(f.transport.memory.accounts.size(), signOns);
  }
  w().frontend().timerFired(TimerId::MailCheck);
  EXPECT_EQ(f.transport.memory.accounts.size(), signOns + 1);
}

TEST_F(MailWindow, TheMailMenuFollowsTheToolbarButtons) {
  QAction* sendMenu = nullptr;
  for (QAction* a : w().findChildren<QAction*>())
    if (a->text() == QStringLiteral("&Send Mail")) sendMenu = a;
  ASSERT_NE(sendMenu, nullptr);
  EXPECT_TRUE(sendMenu->isEnabled());
  sendMenu->trigger();
  ASSERT_EQ(f.transport.memory.sent.size(), 1u);
  w().game().controls.toolbar.setEnabled(control::SendMailButton, false);
  w().render();
  EXPECT_FALSE(sendMenu->isEnabled());
  w().game().controls.toolbar.setVisible(control::SendMailButton, false);
  w().render();
  EXPECT_FALSE(sendMenu->isVisible());
}

TEST(LocalAddressDialog, ShowsTheReadersTextWithTheFirstAddressSelected) {
  const std::vector<std::string> addresses{"bob@example.test", "carol@example.test",
                                           "bob@example.test"};
  LocalAddressDialog d(localAddressChoice(addresses), nullptr);
  EXPECT_EQ(d.windowTitle(), QStringLiteral("Select Local E-Mail Address"));
  EXPECT_EQ(d.list()->count(), 3);
  EXPECT_EQ(d.chosen(), 0);
  d.list()->setCurrentRow(2);
  EXPECT_EQ(d.chosen(), 2);
  bool texted = false;
  for (QLabel* l : d.findChildren<QLabel*>())
    texted |= l->text().startsWith(QStringLiteral("The game file being loaded is an E-Mail race"));
  EXPECT_TRUE(texted);
}

TEST(AddressPicker, PicksFromTheProgramsAddressBookOrNothing) {
  MemorySettings settings;
  rememberAddress(settings, {"bob@example.test", "Bob Bauer"});
  rememberAddress(settings, {"carol@example.test", "Carol"});
  struct Case {
    int row;
    bool accept;
    std::optional<std::string> expected;
  };
  for (const Case& c : {Case{1, true, "bob@example.test"}, Case{0, true, "carol@example.test"},
                        Case{1, false, std::nullopt}}) {
    QTimer::singleShot(0, [&] {
      auto* d = qobject_cast<AddressPickerDialog*>(QApplication::activeModalWidget());
      ASSERT_NE(d, nullptr);
      ASSERT_EQ(d->list()->count(), 2);
      d->list()->setCurrentRow(c.row);
      c.accept ? d->accept() : d->reject();
    });
    EXPECT_EQ(pickAddressDialog(nullptr, settings), c.expected) << c.row << " " << c.accept;
  }
  // With nothing chosen there is nothing to accept.
  AddressPickerDialog empty({}, nullptr);
  QPushButton* ok = nullptr;
  for (QPushButton* b : empty.findChildren<QPushButton*>())
    if (b->text().contains(QStringLiteral("OK"))) ok = b;
  ASSERT_NE(ok, nullptr);
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_EQ(empty.chosen(), -1);
}

}  // namespace
}  // namespace tarmaq::testing
