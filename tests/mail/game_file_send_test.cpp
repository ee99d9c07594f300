#include "mail/game_file_send.h"

#include <gtest/gtest.h>

#include "mail/address_book.h"
#include "mail/game_mail.h"
#include "mail/mail_game.h"
#include "mail/memory_mail_transport.h"

namespace tarmaq {
namespace {

using testing::MailGame;
using testing::MemoryMailTransport;

struct SendFixture : ::testing::Test {
  MemoryMailTransport transport;
  MailGame alice{transport, "alice"};
  SendFixture() { alice.mailer.setAccount(MailAccount{}); }
  Game& game() { return alice.game; }
  const std::vector<std::string>& round() { return alice.game.gameLogArray.back(); }
};

TEST_F(SendFixture, SendingTwiceAtOneWaitingStepRecordsTheMailOnceAndMailsTheFileTwice) {
  alice.waitFor(1);
  ASSERT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::Sent);
  ASSERT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::Sent);
  EXPECT_EQ(std::count(round().begin(), round().end(), "MAIL SENT bob@example.test"), 1);
  EXPECT_EQ(round().end()[-2], "ROLL GEAR WAIT");
  ASSERT_EQ(transport.sent.size(), 2u);
  const OutgoingMail& m = transport.sent[0].mail;
  EXPECT_EQ(m.subject, "Tarmaq GameFile: race.tmq");
  EXPECT_EQ(m.toAddress, "bob@example.test");
  EXPECT_EQ(m.toName, "bob@example.test");
  EXPECT_EQ(m.attachmentPath, game().gameFileName);
  const std::string file = testing::readText(game().gameFileName);
  EXPECT_EQ(m.body, gameMailBody(file));
  EXPECT_NE(file.find("MAIL SENT bob@example.test"), std::string::npos);
  EXPECT_EQ(transport.signOffs, 2);

  const Message& shown = alice.frontend.messages.back();
  EXPECT_EQ(shown.title, "Game File E-Mail Sent");
  EXPECT_EQ(shown.text, "The game file: race.tmq\r\nhas been sent to: bob@example.test");
  EXPECT_EQ(shown.icon, MessageIcon::Information);
  EXPECT_EQ(addressBook(alice.settings).size(), 2u);
}

TEST_F(SendFixture, OnlyAWaitingStepWithNoResultPauseIsSent) {
  game().gameLogArray = {{"", "ROLL GEAR 3"}};
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::NotWaiting);
  alice.waitFor(1);
  startTimer(game(), TimerId::EngineRoll, ResultPauseMs);
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::NotWaiting);
  EXPECT_TRUE(transport.sent.empty());
  EXPECT_EQ(round().back(), "ROLL GEAR WAIT");
}

TEST_F(SendFixture, ACancelledSaveDialogStopsBeforeAnythingIsRecorded) {
  game().gameFileName.clear();
  alice.waitFor(1);
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::NoFileName);
  EXPECT_EQ(alice.frontend.saveDialogs, 1);
  EXPECT_EQ(round().back(), "ROLL GEAR WAIT");
  EXPECT_TRUE(transport.sent.empty());

  alice.frontend.saveFileChoice = (alice.gamesFolder() / "chosen.tmq").string();
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::Sent);
  EXPECT_EQ(transport.sent.at(0).mail.subject, "Tarmaq GameFile: chosen.tmq");
}

TEST_F(SendFixture, AFailedSendSaysWhyAndLeavesSendMailEnabled) {
  alice.waitFor(1);
  game().controls.toolbar.setEnabled(control::SendMailButton, false);
  transport.sendError = "The server answered: 552 message too big.";
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::MailFailed);
  const Message& shown = alice.frontend.messages.back();
  EXPECT_EQ(shown.title, "Game File Not Sent");
  EXPECT_EQ(shown.icon, MessageIcon::Error);
  EXPECT_NE(shown.text.find("552 message too big"), std::string::npos);
  EXPECT_NE(shown.text.find("has not been sent to: bob@example.test"), std::string::npos);
  EXPECT_TRUE(game().controls.toolbar.get(control::SendMailButton).enabled);
  // The order of steps is kept: the mail is recorded and the file saved.
  EXPECT_EQ(round().back(), "MAIL SENT bob@example.test");
  EXPECT_TRUE(std::filesystem::exists(game().gameFileName));

  transport.sendError.clear();
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::Sent);
}

TEST_F(SendFixture, TheMailProgramsWindowSendsWithoutTheSentMessage) {
  game().options.showMessage = true;
  alice.waitFor(1);
  ASSERT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::Sent);
  EXPECT_TRUE(transport.sent.at(0).clientWindow);
  EXPECT_TRUE(alice.frontend.messages.empty());
}

TEST_F(SendFixture, TheTurnControllerMailsAtAWaitingStepOfARemotePlayer) {
  MailFollowUps follow(alice.mailer, nullptr);
  game().services.followUps = &follow;
  game().options.autoMail = true;
  alice.waitFor(0);  // alice's own turn: nothing to send
  EXPECT_TRUE(transport.sent.empty());
  alice.waitFor(1);
  ASSERT_EQ(transport.sent.size(), 1u);
  EXPECT_EQ(round().back(), "MAIL SENT bob@example.test");
}

TEST_F(SendFixture, AFinishedRaceGoesOnceToEveryOtherPlayerWhenItEndsHere) {
  MailFollowUps follow(alice.mailer, nullptr);
  game().services.followUps = &follow;
  game().options.autoMail = true;
  // A third player, and bob driving a second car under his address in capitals.
  for (const char* address : {"carol@example.test", "BOB@example.test"}) {
    Car car = alice.car(1);
    car.eMail = address;
    game().cars.push_back(car);
    game().positions.push_back(game().carCount() - 1);
  }
  alice.waitFor(0);
  advanceGame(game(), "SHOW RSLT");
  ASSERT_EQ(transport.sent.size(), 2u);
  EXPECT_EQ(transport.sent[0].mail.toAddress, "bob@example.test");
  EXPECT_EQ(transport.sent[1].mail.toAddress, "carol@example.test");
  EXPECT_EQ(round().back(), "SHOW RSLT");  // nothing is recorded behind the results
  EXPECT_EQ(transport.sent[1].mail.body, gameMailBody(testing::readText(game().gameFileName)));
  EXPECT_EQ(alice.frontend.messages.back().text,
            "The game file: race.tmq\r\nhas been sent to: bob@example.test, carol@example.test");

  // Handed back on a load, the finished race is not mailed again; the button still can.
  advanceGame(game(), "SHOW RSLT");
  EXPECT_EQ(transport.sent.size(), 2u);
  EXPECT_TRUE(canSendGame(game()));
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::Sent);
  EXPECT_EQ(transport.sent.size(), 4u);
}

TEST_F(SendFixture, WithoutTheAutomaticSendTheFinishedRaceIsSentByTheButton) {
  game().options.autoMail = false;
  alice.waitFor(0);
  game().controls.toolbar.setEnabled(control::SendMailButton, false);
  advanceGame(game(), "SHOW RSLT");
  EXPECT_TRUE(transport.sent.empty());
  EXPECT_TRUE(game().controls.toolbar.get(control::SendMailButton).enabled);
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::Sent);
  EXPECT_EQ(transport.sent.size(), 1u);
}

TEST_F(SendFixture, AFinishedRaceOfLocalPlayersOnlyIsNotSent) {
  alice.car(1).eMail = "ALICE@example.test";
  game().gameLogArray = {{"", "SHOW RSLT"}};
  EXPECT_FALSE(canSendGame(game()));
  EXPECT_EQ(gameFileSend(game(), alice.mailer), SendOutcome::NotWaiting);
  EXPECT_TRUE(transport.sent.empty());
}

}  // namespace
}  // namespace tarmaq
