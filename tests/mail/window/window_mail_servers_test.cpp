// The window's Send Mail and Check Mail through the real servers: alice's window
// sends, bob's window checks and resumes the race where it waits for him.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <chrono>
#include <thread>

#include "app/mail_progress.h"
#include "app/mail_window_support.h"
#include "app/mail_worker.h"
#include "app/widget_test_main.h"
#include "mail/curl/curl_transport.h"
#include "mail/mail_game.h"
#include "mail/mailer.h"
#include "mail/servers/server_environment.h"

namespace tarmaq::testing {
namespace {

TEST(WindowMailOverServers, AlicesWindowSendsAndBobsWindowResumesTheRace) {
  REQUIRE_MAIL_SERVERS();
  MailServers& s = *runningServers();
  // Bob's inbox holds only what this test sends.
  {
    CurlMailTransport t;
    ASSERT_TRUE(t.signOn(s.account("bob"), {}).ok);
    std::vector<InboxEntry> unread;
    ASSERT_TRUE(t.fetchInbox(unread).ok);
    for (const InboxEntry& e : unread) t.markRead(e.id, true);
  }
  const MailAccount aliceServers = s.account("alice", true);  // submission with STARTTLS
  const MailAccount bobServers = s.account("bob");
  MailWindowFixture alice("alice", &aliceServers), bob("bob", &bobServers);
  alice.open(nullptr);  // the real transport
  bob.open(nullptr);
  alice.newRace();
  ASSERT_EQ(alice.window->game().currCar, 1);  // the race waits for bob

  alice.window->toolbarAction("SendMail")->trigger();
  ASSERT_FALSE(alice.asked.empty());
  EXPECT_EQ(alice.asked.back().title, "Game File E-Mail Sent") << alice.asked.back().text;
  EXPECT_FALSE(alice.window->mailTransport().window()->isVisible());

  ASSERT_TRUE(s.waitForMail("bob", 1));
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  const std::filesystem::path received = bob.gamesFolder() / "window race.tmq";
  while (!std::filesystem::exists(received) && std::chrono::steady_clock::now() < end) {
    bob.window->toolbarAction("CheckMail")->trigger();
    if (!std::filesystem::exists(received))
      std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  ASSERT_TRUE(std::filesystem::exists(received));
  EXPECT_EQ(readText(received), readText(alice.window->game().gameFileName));
  Game& g = bob.window->game();
  EXPECT_EQ(g.gameFileName, received.string());
  EXPECT_EQ(*g.currentStep(), "ROLL STRT WAIT");
  EXPECT_EQ(g.currCar, 1);
  EXPECT_TRUE(g.controls.diePanel.visible);  // bob's own turn: he can roll
  EXPECT_FALSE(bob.window->mailTransport().window()->isVisible());
  EXPECT_EQ(bob.passwordPrompts.size(), 1u);
}

}  // namespace
}  // namespace tarmaq::testing

int main(int argc, char** argv) {
  return tarmaq::testing::runWidgetTests(argc, argv, "tarmaq-mail-window-tests");
}
