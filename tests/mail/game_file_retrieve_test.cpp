#include "mail/game_file_retrieve.h"

#include <gtest/gtest.h>

#include "gamefile/game_file_writer.h"
#include "mail/game_mail.h"
#include "mail/mail_game.h"
#include "mail/memory_mail_transport.h"

namespace tarmaq {
namespace {

using testing::MailGame;
using testing::MemoryMailTransport;
using testing::readText;

struct RetrieveFixture : ::testing::Test {
  MemoryMailTransport transport;
  MailGame bob{transport, "bob"};
  std::vector<std::filesystem::path> opened;

  RetrieveFixture() {
    bob.mailer.setAccount(MailAccount{});
    bob.mailer.openGame = [this](Game& g, const std::filesystem::path& p) {
      opened.push_back(p);
      return testing::openSavedGame(g, p);
    };
  }
  // The text of a game that waits for bob, as alice's installation would send it.
  std::string gameText(double startDate = 45123.25) {
    MemoryMailTransport unused;
    MailGame alice{unused, "alice"};
    alice.game.startDate = startDate;
    alice.waitFor(1);
    return writeGameFile(alice.game);
  }
  // The same without the "%" that a body cannot carry.
  std::string plainGameText(double startDate = 45123.25) {
    std::string text = gameText(startDate);
    const std::size_t at = text.find("100% ");
    return text.erase(at, 5);
  }
  std::string deliverGame(const std::string& name, const std::string& text, bool attach = true) {
    return transport.deliver("Tarmaq GameFile: " + name, gameMailBody(text), attach ? text : "");
  }
  RetrieveReport check() { return gameFileRetrieve(bob.game, bob.mailer); }
};

TEST_F(RetrieveFixture, EveryUnreadGameMailIsWrittenAndTheLastOneIsLeftOpen) {
  const std::string first = gameText(45001), second = plainGameText(45002);
  const std::string a = deliverGame("first.tmq", first);
  const std::string b = deliverGame("second.tmq", second, false);
  RetrieveReport r = check();
  ASSERT_EQ(r.games.size(), 2u);
  EXPECT_EQ(readText(bob.gamesFolder() / "first.tmq"), first);  // the attachment, exactly
  EXPECT_TRUE(r.games[0].fromAttachment);
  EXPECT_FALSE(r.games[1].fromAttachment);
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened.back(), bob.gamesFolder() / "second.tmq");
  EXPECT_EQ(bob.game.gameFileName, (bob.gamesFolder() / "second.tmq").string());
  EXPECT_EQ(bob.game.startDate, 45002);
  EXPECT_EQ(*bob.game.currentStep(), "ROLL GEAR WAIT");
  EXPECT_TRUE(transport.isRead(a) && transport.isRead(b));
  EXPECT_TRUE(check().games.empty());  // taken once only
}

TEST_F(RetrieveFixture, OtherMailReadMailAndUnsafeNamesAreLeftAlone) {
  const std::string text = gameText();
  const std::string other = transport.deliver("Lunch on Friday?", gameMailBody(text));
  const std::string prefixInside = transport.deliver("Re: Tarmaq GameFile: x.tmq", "");
  transport.deliver("Tarmaq GameFile: old.tmq", gameMailBody(text), text, true);
  const std::string dots = deliverGame("..", text);
  const std::string climb = deliverGame("../../evil", text);
  RetrieveReport r = check();
  ASSERT_EQ(r.games.size(), 1u);
  // Only the last path component, inside the games folder, with the game extension.
  EXPECT_EQ(r.games[0].file, bob.gamesFolder() / "evil.tmq");
  EXPECT_FALSE(std::filesystem::exists(bob.folders.root().parent_path() / "evil.tmq"));
  EXPECT_FALSE(std::filesystem::exists(bob.gamesFolder() / "old.tmq"));
  EXPECT_FALSE(transport.isRead(other) || transport.isRead(prefixInside) || transport.isRead(dots));
  EXPECT_EQ(r.skipped.size(), 1u);
}

TEST_F(RetrieveFixture, AMailWithoutTheMarkersIsSkippedAndLeftUnreadWhileTheOthersAreTaken) {
  const std::string text = gameText();
  const std::string cut =
      transport.deliver("Tarmaq GameFile: cut.tmq", gameMailBody(text).substr(0, 300));
  deliverGame("whole.tmq", text);
  RetrieveReport r = check();
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_EQ(r.games[0].file.filename(), "whole.tmq");
  EXPECT_FALSE(transport.isRead(cut));
  EXPECT_FALSE(std::filesystem::exists(bob.gamesFolder() / "cut.tmq"));
  ASSERT_EQ(r.skipped.size(), 1u);
  EXPECT_NE(r.skipped[0].why.find("marker"), std::string::npos);
}

TEST_F(RetrieveFixture, TheBodyIsReadUpToTheLastEndMarkerWithTheTransportsLineBreaksDropped) {
  std::string text = plainGameText();
  // A log line in capitals that holds the first marker's words.
  text.insert(text.find("GameLog Grid"), "THE END OF FILE IS NEAR\r\n");
  std::string body = gameMailBody(text);
  for (std::size_t at = 70; at < body.size(); at += 77) body.insert(at, "\r\n");
  transport.deliver("Tarmaq GameFile: wrapped.tmq", body);
  ASSERT_EQ(check().games.size(), 1u);
  EXPECT_EQ(readText(bob.gamesFolder() / "wrapped.tmq"), text + "\r\n");
}

TEST_F(RetrieveFixture, ADifferentGameOfTheSameNameGetsAFreeNameAndTheSameGameIsReplaced) {
  const std::string mine = gameText(44000);
  std::ofstream(bob.gamesFolder() / "race.tmq", std::ios::binary) << mine;
  deliverGame("race.tmq", gameText(45000));
  RetrieveReport r = check();
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_EQ(r.games[0].file.filename(), "race (2).tmq");
  EXPECT_EQ(readText(bob.gamesFolder() / "race.tmq"), mine);

  deliverGame("race.tmq", gameText(44000));
  r = check();
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_EQ(r.games[0].file.filename(), "race.tmq");
}

TEST_F(RetrieveFixture, AGameThatCannotBeWrittenLeavesItsMailUnread) {
  // A file where the games folder should be.
  FolderTree broken(bob.folders.root() / "Teams" / "team.tem");
  std::ofstream(bob.folders.root() / "Teams" / "team.tem") << "x";
  bob.game.services.folders = &broken;
  const std::string id = deliverGame("stuck.tmq", gameText());
  RetrieveReport r = check();
  EXPECT_TRUE(r.games.empty());
  EXPECT_FALSE(transport.isRead(id));
  ASSERT_EQ(r.skipped.size(), 1u);
  EXPECT_NE(r.skipped[0].why.find("cannot be created"), std::string::npos);
}

TEST_F(RetrieveFixture, SomethingElseInTheWayOfTheNameGetsAFreeName) {
  std::filesystem::create_directories(bob.gamesFolder() / "race.tmq");
  deliverGame("race.tmq", gameText());
  RetrieveReport r = check();
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_EQ(r.games[0].file.filename(), "race (2).tmq");
}

TEST_F(RetrieveFixture, AnInboxThatCannotBeReachedIsToldUnlessTheCheckIsQuiet) {
  transport.signOnError = "The mail server could not be reached.";
  EXPECT_FALSE(gameFileRetrieve(bob.game, bob.mailer, true).ok);
  EXPECT_TRUE(bob.frontend.messages.empty());
  EXPECT_FALSE(check().ok);
  ASSERT_EQ(bob.frontend.messages.size(), 1u);
  EXPECT_NE(bob.frontend.messages[0].text.find("could not be reached"), std::string::npos);
}

TEST_F(RetrieveFixture, ACheckThePlayerCancelledEndsWithoutAnErrorMessage) {
  bob.frontend.cancelMail = true;
  const RetrieveReport r = check();
  EXPECT_FALSE(r.ok);
  EXPECT_TRUE(bob.frontend.messages.empty());
  EXPECT_TRUE(transport.accounts.empty());  // cancelled before anything was opened
}

}  // namespace
}  // namespace tarmaq
