// A whole race by e-mail: alice's and bob's installations, each with its own settings
// and games folder, take turns through the real servers until the podium.
#include "email_race.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "gamefile/game_file_writer.h"
#include "mail/game_file_retrieve.h"
#include "mail/mail_game.h"
#include "server_environment.h"

namespace tarmaq {
namespace {

using testing::EmailInstallation;
using testing::readText;
using testing::runningServers;

// Marks every message of the user's inbox read, so that only this test's mails count.
void emptyInbox(const std::string& user) {
  CurlMailTransport t;
  ASSERT_TRUE(t.signOn(runningServers()->account(user), {}).ok);
  std::vector<InboxEntry> unread;
  ASSERT_TRUE(t.fetchInbox(unread).ok);
  for (const InboxEntry& e : unread) t.markRead(e.id, true);
}

// Checks the inbox until a game arrives; the games received.
RetrieveReport receive(EmailInstallation& at) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  RetrieveReport r;
  do {
    r = gameFileRetrieve(at.game, at.mailer);
    if (!r.ok || !r.games.empty()) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  } while (std::chrono::steady_clock::now() < end);
  return r;
}

TEST(EmailRace, AliceAndBobPlayToThePodiumAndBothKeepTheSameFinishedGame) {
  REQUIRE_MAIL_SERVERS();
  emptyInbox("alice");
  emptyInbox("bob");
  testing::MailServers& s = *runningServers();
  EmailInstallation alice("alice", s.account("alice"), 5), bob("bob", s.account("bob"), 6);
  ASSERT_TRUE(buildNewGame(alice.game, testing::emailRaceSetup("VelmontPark.trk", 1)));
  ASSERT_EQ(alice.game.cars.at(1).eMail, "bob@example.test");

  EmailInstallation* holder = &alice;
  EmailInstallation* other = &bob;
  int mails = 0;
  std::string stop;
  for (;;) {
    stop = testing::playUntilMailed(*holder);
    ASSERT_TRUE(stop == "SHOW RSLT" || startsWith(stop, "MAIL SENT")) << stop;
    if (stop == "SHOW RSLT") break;
    // The holder's turn is over: the game went to the other player, as it stands.
    EXPECT_EQ(stop, "MAIL SENT " + other->game.options.localEMail);
    const RetrieveReport r = receive(*other);
    ASSERT_TRUE(r.ok) << r.error;
    ASSERT_EQ(r.games.size(), 1u) << "after " << mails << " mails";
    ASSERT_TRUE(r.games[0].opened) << r.games[0].file;
    EXPECT_EQ(readText(r.games[0].file), readText(holder->game.gameFileName));
    // Resumed at the waiting step in front of the mail entry, for this player's car.
    const std::string* step = other->game.currentStep();
    ASSERT_NE(step, nullptr);
    EXPECT_TRUE(endsWith(*step, "WAIT")) << *step;
    EXPECT_TRUE(
        sameAddress(other->game.cars.at(static_cast<std::size_t>(other->game.currCar)).eMail,
                    other->game.options.localEMail));
    ++mails;
    ASSERT_LT(mails, 400) << "the race does not end";
    std::swap(holder, other);
  }

  ::testing::Test::RecordProperty("mails", mails);
  // The podium was mailed on to the player who did not see the race end.
  const RetrieveReport r = receive(*other);
  ASSERT_TRUE(r.ok) << r.error;
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_EQ(*other->game.currentStep(), "SHOW RSLT");
  EXPECT_EQ(holder->frontend.resultsShown, 1);
  EXPECT_EQ(other->frontend.resultsShown, 1);
  EXPECT_EQ(writeGameFile(alice.game), writeGameFile(bob.game));
  EXPECT_EQ(alice.game.results, bob.game.results);
  EXPECT_GE(alice.game.gameLogArray.size(), 10u);
  EXPECT_GT(mails, 20);
  // Each player's password was asked for once in the whole race, and nobody was asked
  // which address is theirs.
  EXPECT_EQ(alice.frontend.passwordPrompts, 1);
  EXPECT_EQ(bob.frontend.passwordPrompts, 1);
  EXPECT_EQ(alice.frontend.localAddressPrompts + bob.frontend.localAddressPrompts, 0);
  for (EmailInstallation* at : {&alice, &bob})
    for (const Message& m : at->frontend.messages)
      EXPECT_NE(m.title, "Game File Not Sent") << m.text;
}

}  // namespace
}  // namespace tarmaq
