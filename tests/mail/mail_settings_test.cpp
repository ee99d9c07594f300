#include "mail/mail_settings.h"

#include <gtest/gtest.h>

#include "mail/address_book.h"
#include "mail/game_file_retrieve.h"
#include "mail/game_file_send.h"
#include "mail/mail_check.h"
#include "mail/mail_game.h"
#include "mail/memory_mail_transport.h"

namespace tarmaq {
namespace {

TEST(ServerUrl, SchemeGivesTheSecurityAndTheDefaultPort) {
  struct Case {
    std::string url;
    bool outgoing;
    std::optional<MailServer> server;
  };
  auto s = [](std::string h, int p, MailSecurity sec) { return MailServer{std::move(h), p, sec}; };
  const Case cases[] = {
      {"smtps://mail.example.test", true, s("mail.example.test", 465, MailSecurity::Tls)},
      {"smtp://127.0.0.1:2525/", true, s("127.0.0.1", 2525, MailSecurity::StartTls)},
      {"imaps://[::1]:1993", false, s("::1", 1993, MailSecurity::Tls)},
      {"imap://mail.example.test", false, s("mail.example.test", 143, MailSecurity::StartTls)},
      {"imap://mail.example.test", true, std::nullopt},
      {"smtp://host:0", true, std::nullopt},
      {"smtp://host:99999", true, std::nullopt},
      {"smtp://host:", true, std::nullopt},
      {"smtp://user@host", true, std::nullopt},
      {"http://host", true, std::nullopt},
  };
  for (const Case& c : cases) {
    auto got = parseServerUrl(c.url, c.outgoing);
    ASSERT_EQ(got.has_value(), c.server.has_value()) << c.url;
    if (!got) continue;
    EXPECT_EQ(got->host, c.server->host) << c.url;
    EXPECT_EQ(got->port, c.server->port) << c.url;
    EXPECT_EQ(got->security, c.server->security) << c.url;
  }
}

TEST(ServerSettings, PlainConnectionsOnlyOnLoopbackAndTheStoreKeepsNoPassword) {
  EXPECT_TRUE(serverRefusal({"127.0.0.1", 25, MailSecurity::None}, "outgoing").empty());
  EXPECT_TRUE(serverRefusal({"::1", 25, MailSecurity::None}, "outgoing").empty());
  for (const char* host : {"mail.example.test", "127.0.0.1.example.test", "localhost", "10.0.0.1"})
    EXPECT_FALSE(serverRefusal({host, 25, MailSecurity::None}, "outgoing").empty()) << host;
  EXPECT_TRUE(serverRefusal({"mail.example.test", 25, MailSecurity::StartTls}, "x").empty());

  MemorySettings store;
  MailServerSettings s;
  s.outgoing = {"smtp.example.test", 2587, MailSecurity::Tls};
  s.incoming = {"127.0.0.1", 1143, MailSecurity::None};
  s.user = "alice";
  saveMailServerSettings(s, store);
  const MailServerSettings back = loadMailServerSettings(store);
  EXPECT_EQ(back.outgoing.port, 2587);
  EXPECT_EQ(back.outgoing.security, MailSecurity::Tls);
  EXPECT_EQ(back.incoming.security, MailSecurity::None);
  EXPECT_EQ(back.user, "alice");
}

TEST(MailPassword, AskedOnceARunKeptOnlyInMemoryAndAskedAgainAfterARefusal) {
  testing::MemoryMailTransport transport;
  testing::MailGame alice(transport, "alice");
  MailServerSettings s;
  s.outgoing.host = "smtp.example.test";
  s.incoming.host = "imap.example.test";
  s.user = "alice";
  saveMailServerSettings(s, alice.settings);
  alice.frontend.passwords = {"secret", "better"};
  alice.waitFor(1);
  EXPECT_EQ(gameFileSend(alice.game, alice.mailer), SendOutcome::Sent);
  EXPECT_EQ(gameFileSend(alice.game, alice.mailer), SendOutcome::Sent);
  EXPECT_EQ(alice.frontend.passwordPrompts.size(), 1u);
  EXPECT_EQ(transport.accounts.back().password, "secret");
  for (const auto& [key, value] : alice.settings.all())
    EXPECT_EQ(value.find("secret"), std::string::npos);

  transport.sendRefusesLogin = true;
  EXPECT_EQ(gameFileSend(alice.game, alice.mailer), SendOutcome::MailFailed);
  transport.sendRefusesLogin = false;
  EXPECT_EQ(gameFileSend(alice.game, alice.mailer), SendOutcome::Sent);
  EXPECT_EQ(alice.frontend.passwordPrompts.size(), 2u);
  EXPECT_EQ(transport.accounts.back().password, "better");
}

TEST(MailCheck, EveryNPlusOneTicksAndNeverStuckBelowTheCounter) {
  MailCheckCounter counter;
  std::string due;
  for (int tick = 0; tick < 12; ++tick) due += mailCheckDue(counter, 5) ? 'C' : '.';
  EXPECT_EQ(due, ".....C.....C");
  for (int tick = 0; tick < 4; ++tick) mailCheckDue(counter, 10);
  EXPECT_TRUE(mailCheckDue(counter, 2));  // lowered below the count: checked at once
  EXPECT_TRUE(mailCheckDue(counter, 0));  // 0: every tick
  EXPECT_TRUE(mailCheckDue(counter, 0));

  const std::pair<std::string, int> boxes[] = {
      {"5", 5}, {"", 0}, {"abc", 0}, {" 12 minutes", 12}, {"99999999999", 1440}, {"-3", 0}};
  for (const auto& [box, minutes] : boxes) EXPECT_EQ(mailCheckMinutes(box), minutes) << box;
}

TEST(MailCheck, ATickIsSkippedWhileMailIsOffADialogIsOpenOrAResultPauseRuns) {
  testing::MemoryMailTransport transport;
  testing::MailGame bob(transport, "bob");
  bob.mailer.setAccount(MailAccount{});
  bob.game.options.autoCheckMail = true;
  bob.game.options.autoCheckMailInterval = "0";
  bob.game.options.enableEMail = false;
  mailCheckTimerTick(bob.game, bob.mailer, false);
  bob.game.options.enableEMail = true;
  mailCheckTimerTick(bob.game, bob.mailer, true);
  startTimer(bob.game, TimerId::CollisionRoll, ResultPauseMs);
  mailCheckTimerTick(bob.game, bob.mailer, false);
  EXPECT_TRUE(transport.accounts.empty());
  stopTimer(bob.game, TimerId::CollisionRoll);
  mailCheckTimerTick(bob.game, bob.mailer, false);
  EXPECT_EQ(transport.accounts.size(), 1u);
}

TEST(AddressBook, EveryAddressWithItsDriverOnceAndThePickerChoosesOne) {
  MemorySettings store;
  rememberAddress(store, {"bob@example.test", "Bob"});
  rememberAddress(store, {"carol@example.test", "Carol"});
  rememberAddress(store, {"BOB@example.test", "Bob"});  // the same, to the front
  rememberAddress(store, {"bob@example.test", "Bobby"});
  rememberAddress(store, {"(Local)", "Me"});
  rememberAddress(store, {"", "Nobody"});
  const auto book = addressBook(store);
  ASSERT_EQ(book.size(), 3u);
  EXPECT_EQ(book[0].driverName, "Bobby");
  EXPECT_EQ(book[1].address, "BOB@example.test");
  EXPECT_EQ(book[2].address, "carol@example.test");

  testing::ScriptedFrontend frontend;
  frontend.addressChoice = 2;
  EXPECT_EQ(pickAddress(store, frontend), "carol@example.test");
  frontend.addressChoice = -1;
  EXPECT_EQ(pickAddress(store, frontend), std::nullopt);
  EXPECT_EQ(frontend.addressPicks.at(0).size(), 3u);
}

}  // namespace
}  // namespace tarmaq
