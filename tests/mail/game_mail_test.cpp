#include "mail/game_mail.h"

#include <gtest/gtest.h>

namespace tarmaq {
namespace {

TEST(GameMailBody, EveryLineIsFollowedByAPercentSignOnOneLine) {
  EXPECT_EQ(gameMailBody(";Tarmaq Game file\r\n1\r\nlast\r\n"),
            "This E-Mail was sent from within the code of Tarmaq. START OF FILE"
            ";Tarmaq Game file%1%last%END OF FILE%");
  EXPECT_EQ(gameTextFromBody(gameMailBody(";Tarmaq Game file\r\n1\r\n")),
            ";Tarmaq Game file\r\n1\r\n\r\n");
  EXPECT_FALSE(gameTextFromBody("no game here END OF FILE%"));
  EXPECT_FALSE(gameTextFromBody(";Tarmaq Game file%1%END OF"));
}

TEST(GameMailText, TheAttachedFileWinsOverTheBody) {
  MessageContent m;
  m.body = gameMailBody(";Tarmaq Game file\r\nJo 50% Smith\r\n");
  m.hasAttachment = true;
  m.attachment = ";Tarmaq Game file\r\nJo 50% Smith\r\n";
  ReceivedText r = receivedGameText(m);
  EXPECT_TRUE(r.fromAttachment);
  EXPECT_EQ(r.text, m.attachment);
  m.attachment = "not a game";  // then the body it is, broken as it may be
  r = receivedGameText(m);
  EXPECT_FALSE(r.fromAttachment);
  EXPECT_EQ(r.text, ";Tarmaq Game file\r\nJo 50\r\n Smith\r\n\r\n");
}

TEST(ReceivedFileName, OnlyASafeLastComponentWithTheGameExtension) {
  const std::pair<std::string, std::optional<std::string>> cases[] = {
      {"Tarmaq GameFile: race.tmq", "race.tmq"},
      {"Tarmaq GameFile:race.TMQ", "race.TMQ"},
      {"Tarmaq GameFile: Monza 2024", "Monza 2024.tmq"},
      {"Tarmaq GameFile: ../../etc/passwd", "passwd.tmq"},
      {"Tarmaq GameFile: C:\\Games\\race.tmq", "race.tmq"},
      {"Tarmaq GameFile: autosave.tmp", "autosave.tmp.tmq"},
      {"Tarmaq GameFile: ..", std::nullopt},
      {"Tarmaq GameFile: a/..", std::nullopt},
      {"Tarmaq GameFile: ", std::nullopt},
      {"Tarmaq GameFile: dir/", std::nullopt},
      {"Tarmaq GameFile: bell\a.tmq", std::nullopt},
      {"Tarmaq GameFile: c:race.tmq", std::nullopt},
      {"Re: Tarmaq GameFile: race.tmq", std::nullopt},
  };
  for (const auto& [subject, name] : cases) EXPECT_EQ(receivedFileName(subject), name) << subject;
}

}  // namespace
}  // namespace tarmaq
