// Two installations, alice's and bob's, with their own settings stores and games
// folders, play by mail through real servers on the loopback address.
#include <gtest/gtest.h>

#include "cli/run_cli.h"
#include "email_race.h"
#include "gamefile/game_file_writer.h"
#include "mail/curl/curl_transport.h"
#include "mail/game_file_retrieve.h"
#include "mail/game_file_send.h"
#include "mail/game_mail.h"
#include "mail/mail_game.h"
#include "mail/mail_settings.h"
#include "mail/memory_mail_transport.h"
#include "mail/mime.h"
#include "server_environment.h"

namespace tarmaq {
namespace {

using testing::MailGame;
using testing::MemoryMailTransport;
using testing::readText;
using testing::runningServers;

// An installation whose mail settings are in its settings store, as the Options dialog
// leaves them; the password is given when the front end asks for it.
struct Installation {
  CurlMailTransport transport;
  MailGame mail;
  MailFollowUps follow{mail.mailer, nullptr};

  Installation(const std::string& user, bool submission = false) : mail(transport, user) {
    const MailAccount a = runningServers()->account(user, submission);
    MailServerSettings s;
    s.outgoing = a.outgoing;
    s.incoming = a.incoming;
    s.user = user;
    s.caFile = a.caFile;
    saveMailServerSettings(s, mail.settings);
    mail.frontend.passwords = {user + "pw"};
    mail.game.services.followUps = &follow;
  }
  Game& game() { return mail.game; }
  RetrieveReport check() { return gameFileRetrieve(mail.game, mail.mailer); }
  std::vector<std::string> unreadSubjects() {
    MailAccount a = runningServers()->account(
        mail.game.options.localEMail.substr(0, mail.game.options.localEMail.find('@')));
    std::vector<InboxEntry> inbox;
    CurlMailTransport t;
    EXPECT_TRUE(t.signOn(a, {}).ok);
    EXPECT_TRUE(t.fetchInbox(inbox).ok);
    std::vector<std::string> subjects;
    for (const InboxEntry& e : inbox) subjects.push_back(e.subject);
    return subjects;
  }
};

std::string gameMessage(const std::string& subject, const std::string& body,
                        const std::string& attachment = {}) {
  MimeMail m;
  m.from = "alice@example.test";
  m.to = "bob@example.test";
  m.subject = subject;
  m.body = body;
  m.attachmentName = attachment.empty() ? "" : "game.tmq";
  m.attachment = attachment;
  m.date = mailDateNow();
  static int serial = 0;
  m.messageId = "test" + std::to_string(++serial) + "@example.test";
  m.boundary = "=_b";
  return composeMimeMail(m);
}

TEST(GameMailOverServers, AliceMailsAfterHerTurnAndBobResumesAtTheWaitingStep) {
  REQUIRE_MAIL_SERVERS();
  Installation alice("alice"), bob("bob");
  alice.game().options.autoMail = true;
  alice.mail.waitFor(1);  // her turn is over: the game waits for bob
  ASSERT_EQ(alice.mail.frontend.messages.size(), 1u) << alice.mail.frontend.messages[0].text;
  EXPECT_EQ(alice.mail.frontend.messages[0].title, "Game File E-Mail Sent");
  ASSERT_TRUE(runningServers()->waitForMail("bob", 1));

  RetrieveReport r = bob.check();
  ASSERT_TRUE(r.ok) << r.error;
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_TRUE(r.games[0].opened);
  // The attached file, exactly: the "%" in bob's name broke the body's lines.
  EXPECT_TRUE(r.games[0].fromAttachment);
  EXPECT_EQ(readText(bob.mail.gamesFolder() / "race.tmq"), readText(alice.game().gameFileName));
  EXPECT_EQ(*bob.game().currentStep(), "ROLL GEAR WAIT");
  EXPECT_EQ(bob.game().currCar, 1);
  EXPECT_EQ(bob.game().cars.at(1).driverName, "Bob 100% Bauer");
  EXPECT_TRUE(bob.check().games.empty());  // a second check takes nothing

  // Bob moves on and sends by the button; alice's own copy is the same race.
  bob.mail.waitFor(0);
  ASSERT_EQ(gameFileSend(bob.game(), bob.mail.mailer), SendOutcome::Sent);
  ASSERT_TRUE(runningServers()->waitForMail("alice", 1));
  r = alice.check();
  ASSERT_EQ(r.games.size(), 1u) << r.error;
  EXPECT_EQ(r.games[0].file, alice.mail.gamesFolder() / "race.tmq");
  EXPECT_EQ(*alice.game().currentStep(), "ROLL GEAR WAIT");
  EXPECT_EQ(alice.game().currCar, 0);
  EXPECT_EQ(alice.mail.frontend.passwordPrompts.size(), 1u);  // once per run
}

TEST(GameMailOverServers, OtherMailReadMailUnsafeNamesAndMailsWithoutMarkers) {
  REQUIRE_MAIL_SERVERS();
  Installation bob("bob");
  MemoryMailTransport unused;
  MailGame alice(unused, "alice");
  alice.waitFor(1);
  const std::string text = writeGameFile(alice.game);
  testing::MailServers& s = *runningServers();
  s.deliver("bob", gameMessage("Lunch on Friday?", "Are you in?"));
  s.deliver("bob", gameMessage("Tarmaq GameFile: old.tmq", gameMailBody(text), text), true);
  s.deliver("bob", gameMessage("Tarmaq GameFile: ../../evil", gameMailBody(text), text));
  s.deliver("bob", gameMessage("Tarmaq GameFile: cut.tmq", gameMailBody(text).substr(0, 400)));

  RetrieveReport r = bob.check();
  ASSERT_TRUE(r.ok) << r.error;
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_EQ(r.games[0].file, bob.mail.gamesFolder() / "evil.tmq");
  EXPECT_EQ(readText(r.games[0].file), text);
  EXPECT_FALSE(std::filesystem::exists(bob.mail.gamesFolder() / "old.tmq"));
  EXPECT_FALSE(std::filesystem::exists(bob.mail.gamesFolder() / "cut.tmq"));
  const auto unread = bob.unreadSubjects();
  EXPECT_NE(std::find(unread.begin(), unread.end(), "Lunch on Friday?"), unread.end());
  EXPECT_NE(std::find(unread.begin(), unread.end(), "Tarmaq GameFile: cut.tmq"), unread.end());
  EXPECT_EQ(std::find(unread.begin(), unread.end(), "Tarmaq GameFile: ../../evil"), unread.end());
}

TEST(GameMailOverServers, SubmissionOverStartTlsWithTheCertificateVerified) {
  REQUIRE_MAIL_SERVERS();
  Installation alice("alice", true);
  alice.mail.waitFor(1);
  ASSERT_EQ(gameFileSend(alice.game(), alice.mail.mailer), SendOutcome::Sent)
      << alice.mail.frontend.messages.back().text;

  // Without the test's certificate the server is not trusted and nothing is sent.
  MailServerSettings s = loadMailServerSettings(alice.mail.settings);
  s.caFile = "/etc/ssl/certs/ca-certificates.crt";
  saveMailServerSettings(s, alice.mail.settings);
  EXPECT_EQ(gameFileSend(alice.game(), alice.mail.mailer), SendOutcome::MailFailed);
  const Message& m = alice.mail.frontend.messages.back();
  EXPECT_EQ(m.title, "Game File Not Sent");
  EXPECT_NE(m.text.find("certificate"), std::string::npos) << m.text;
}

TEST(GameMailOverServers, TheCommandLineSendsAndChecks) {
  REQUIRE_MAIL_SERVERS();
  testing::MailServers& s = *runningServers();
  // A race on a shipped circuit that waits for bob, not yet mailed.
  testing::EmailInstallation alice("alice", s.account("alice"), 3);
  alice.game.options.autoMail = false;
  ASSERT_TRUE(buildNewGame(alice.game, testing::emailRaceSetup("BrackwoodRing.trk", 1)));
  const std::string waiting = testing::playUntilAnotherPlayersTurn(alice);
  ASSERT_TRUE(endsWith(waiting, "WAIT")) << waiting;
  const int round = alice.game.currRound;
  const std::filesystem::path file = alice.gamesFolder() / "cli race.tmq";
  ASSERT_TRUE(gameFileSave(alice.game, file));
  for (const char* user : {"alice", "bob"})
    std::ofstream(alice.folders.root() / (std::string(user) + "pw")) << user << "pw\n";
  auto options = [&](const std::string& user) {
    return std::vector<std::string>{
        "--smtp",          "smtp://127.0.0.1:" + std::to_string(s.submissionPort()),
        "--imap",          "imap://127.0.0.1:" + std::to_string(s.imapPort()),
        "--user",          user,
        "--password-file", (alice.folders.root() / (user + "pw")).string(),
        "--local-email",   user + "@example.test",
        "--ca-file",       s.certificate().string()};
  };
  std::vector<std::string> send = {"mail-send", file.string(), "--data",
                                   alice.folders.root().string()};
  for (auto& o : options("alice")) send.push_back(o);
  CliResult sent = runCli(send);
  ASSERT_EQ(sent.status, 0) << sent.err;
  EXPECT_NE(sent.err.find("has been sent to: bob@example.test"), std::string::npos) << sent.err;
  EXPECT_NE(readText(file).find("MAIL SENT bob@example.test"), std::string::npos);

  // Bob's installation has the circuit and the class, and games of its own.
  testing::TempFolders bobData;
  bobData.add("Classes", testing::shippedData("Classes/Modern.cls"));
  bobData.add("Tracks", testing::shippedData("Tracks/BrackwoodRing.trk"));
  std::vector<std::string> check = {"mail-check", "--data", bobData.root().string()};
  for (auto& o : options("bob")) check.push_back(o);
  CliResult got;
  for (int tries = 0; tries < 50; ++tries) {  // the relay delivers in its own time
    got = runCli(check);
    if (got.status != 0 || got.out.find("cli race.tmq") != std::string::npos) break;
    usleep(100000);
  }
  ASSERT_EQ(got.status, 0) << got.err;
  EXPECT_NE(got.out.find("{\"file\":\"" + (bobData.root() / "Games" / "cli race.tmq").string() +
                         "\",\"subject\":\"Tarmaq GameFile: cli race.tmq\",\"currRound\":" +
                         std::to_string(round) + ",\"waitingStep\":\"" + waiting + "\"}"),
            std::string::npos)
      << got.out << got.err;
  EXPECT_EQ(runCli(check).out, "[]\n");
  EXPECT_EQ(runCli({"mail-check", "--smtp", "ftp://x"}).status, 2);

  // Without the circuit the received game is written but cannot be opened: the reader
  // says why and the check lists nothing as opened.
  ASSERT_EQ(runCli(send).status, 0);
  testing::TempFolders bare;
  check[2] = bare.root().string();
  for (int tries = 0; tries < 50; ++tries) {
    got = runCli(check);
    if (got.err.find("cli race.tmq") != std::string::npos) break;
    usleep(100000);
  }
  EXPECT_EQ(got.out, "[]\n");
  EXPECT_NE(got.err.find("not installed"), std::string::npos) << got.err;
  EXPECT_TRUE(std::filesystem::exists(bare.root() / "Games" / "cli race.tmq"));
}

TEST(ClientWindow, TheMailProgramGetsEveryArgumentAsItIsWithoutAShell) {
  testing::TempFolders temp;
  const std::filesystem::path stub = temp.root() / "xdg-email";
  const std::filesystem::path out = temp.root() / "args";
  std::ofstream(stub) << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '"
                      << out.string() << "'\n";
  std::filesystem::permissions(stub, std::filesystem::perms::owner_all);
  const std::string path = getenv("PATH") ? getenv("PATH") : "";
  setenv("PATH", (temp.root().string() + ":" + path).c_str(), 1);

  CurlMailTransport t;
  MailAccount a;
  a.outgoing = a.incoming = {"127.0.0.1", 1, MailSecurity::None};
  ASSERT_TRUE(t.signOn(a, {}).ok);
  const OutgoingMail mail{"Tarmaq GameFile: $(touch x) 'q'.tmq", "bob@example.test\r\n",
                          "bob@example.test", "body; echo \"%\" `id`", "/tmp/a b.tmq"};
  MailResult r = t.send(mail, true);
  setenv("PATH", path.c_str(), 1);
  ASSERT_TRUE(r.ok) << r.error;
  EXPECT_EQ(readText(out),
            "--utf8\n--subject\nTarmaq GameFile: $(touch x) 'q'.tmq\n--body\n"
            "body; echo \"%\" `id`\n--attach\n/tmp/a b.tmq\nbob@example.test\n");
}

// Last: the server slows every login for a while after a refused one.
TEST(WrongPassword, TheCheckAndTheSendEndWithTheReasonAndNothingIsLost) {
  REQUIRE_MAIL_SERVERS();
  Installation bob("bob");
  MemoryMailTransport unused;
  MailGame alice(unused, "alice");
  alice.waitFor(1);
  const std::string text = writeGameFile(alice.game);
  runningServers()->deliver("bob",
                            gameMessage("Tarmaq GameFile: kept.tmq", gameMailBody(text), text));
  bob.mail.frontend.passwords = {"wrong", "bobpw"};
  RetrieveReport r = bob.check();
  EXPECT_FALSE(r.ok);
  ASSERT_FALSE(bob.mail.frontend.messages.empty());
  EXPECT_EQ(bob.mail.frontend.messages.back().title, "E-Mail Not Checked");
  EXPECT_NE(bob.mail.frontend.messages.back().text.find("refused the user name or the password"),
            std::string::npos)
      << bob.mail.frontend.messages.back().text;
  r = bob.check();  // asked again, and the game mail is still there
  ASSERT_TRUE(r.ok) << r.error;
  ASSERT_EQ(r.games.size(), 1u);
  EXPECT_EQ(r.games[0].file.filename(), "kept.tmq");

  Installation sender("alice", true);
  sender.mail.frontend.passwords = {"wrong"};
  sender.mail.waitFor(1);
  EXPECT_EQ(gameFileSend(sender.game(), sender.mail.mailer), SendOutcome::MailFailed);
  const Message& m = sender.mail.frontend.messages.back();
  EXPECT_EQ(m.title, "Game File Not Sent");
  EXPECT_NE(m.text.find("refused the user name or the password"), std::string::npos) << m.text;
  EXPECT_NE(readText(sender.game().gameFileName).find("MAIL SENT bob@example.test"),
            std::string::npos);
}

}  // namespace
}  // namespace tarmaq
