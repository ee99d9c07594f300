#include "mail/mail_password.h"

#include <gtest/gtest.h>

#include <map>

namespace tarmaq {
namespace {

class KeptSecrets final : public SecretStore {
 public:
  bool present = true;
  std::map<std::string, std::string> kept;
  bool available() override { return present; }
  std::optional<std::string> read(const std::string& a) override {
    auto it = kept.find(a);
    return it == kept.end() ? std::nullopt : std::optional<std::string>(it->second);
  }
  bool write(const std::string& a, const std::string& p) override {
    kept[a] = p;
    return true;
  }
  void erase(const std::string& a) override { kept.erase(a); }
};

struct Prompts {
  std::vector<std::pair<std::string, bool>> asked;  // account, remember offered
  std::vector<std::optional<PasswordAnswer>> answers;
  PasswordPrompt prompt() {
    return [this](const std::string& account, bool offer) -> std::optional<PasswordAnswer> {
      asked.emplace_back(account, offer);
      if (answers.empty()) return std::nullopt;
      auto a = answers.front();
      answers.erase(answers.begin());
      return a;
    };
  }
};

TEST(MailPasswords, AStoredPasswordIsUsedOnceAndDroppedWhenAskedAgainInTheRun) {
  KeptSecrets secrets;
  secrets.kept["me on mail"] = "stored";
  Prompts p;
  p.answers = {PasswordAnswer{"typed", true}};
  MailPasswords passwords(secrets, p.prompt());
  EXPECT_EQ(passwords.password("me on mail"), "stored");
  EXPECT_TRUE(p.asked.empty());
  // Asked again in the same run: the stored one was refused.
  EXPECT_EQ(passwords.password("me on mail"), "typed");
  ASSERT_EQ(p.asked.size(), 1u);
  EXPECT_TRUE(p.asked[0].second);
  EXPECT_EQ(secrets.kept.at("me on mail"), "typed");  // kept, as asked

  // The next run takes the new one without asking.
  Prompts q;
  MailPasswords nextRun(secrets, q.prompt());
  EXPECT_EQ(nextRun.password("me on mail"), "typed");
  EXPECT_TRUE(q.asked.empty());
}

TEST(MailPasswords, WithoutASecretStoreThePlayerIsAskedAndNothingIsKept) {
  struct Case {
    bool storePresent;
    std::optional<PasswordAnswer> answer;
    std::optional<std::string> expected;
    bool kept;
  };
  for (const Case& c : {
           Case{false, PasswordAnswer{"pw", true}, "pw", false},  // nowhere to keep it
           Case{true, PasswordAnswer{"pw", false}, "pw", false},  // not asked to keep it
           Case{true, PasswordAnswer{"pw", true}, "pw", true},
           Case{true, std::nullopt, std::nullopt, false},  // cancelled
       }) {
    KeptSecrets secrets;
    secrets.present = c.storePresent;
    Prompts p;
    p.answers = {c.answer};
    MailPasswords passwords(secrets, p.prompt());
    EXPECT_EQ(passwords.password("me"), c.expected);
    ASSERT_EQ(p.asked.size(), 1u);
    EXPECT_EQ(p.asked[0].second, c.storePresent);
    EXPECT_EQ(secrets.kept.count("me") == 1, c.kept) << c.storePresent;
  }
  NoSecretStore none;
  EXPECT_FALSE(none.available());
  EXPECT_FALSE(none.write("me", "pw"));
  EXPECT_EQ(none.read("me"), std::nullopt);
}

}  // namespace
}  // namespace tarmaq
