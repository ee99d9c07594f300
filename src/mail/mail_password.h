// Where the mail account's password comes from: the desktop's secret store when there
// is one, otherwise the player, once per run. The password is never written anywhere
// else; a password that the server refused is not offered again.
#pragma once

#include <functional>
#include <optional>
#include <set>
#include <string>

namespace tarmaq {

// The desktop's store of secrets, by account name.
class SecretStore {
 public:
  virtual ~SecretStore() = default;
  // Whether there is a store to keep passwords in at all.
  virtual bool available() = 0;
  virtual std::optional<std::string> read(const std::string& account) = 0;
  virtual bool write(const std::string& account, const std::string& password) = 0;
  virtual void erase(const std::string& account) = 0;
};

// A desktop without a secret store.
class NoSecretStore final : public SecretStore {
 public:
  bool available() override { return false; }
  std::optional<std::string> read(const std::string&) override { return std::nullopt; }
  bool write(const std::string&, const std::string&) override { return false; }
  void erase(const std::string&) override {}
};

// What the password dialog hands back.
struct PasswordAnswer {
  std::string password;
  bool remember = false;  // keep it in the secret store
};

// The password dialog for an account; `offerRemember` when there is a store to keep
// the password in. Nothing when cancelled.
using PasswordPrompt =
    std::function<std::optional<PasswordAnswer>(const std::string& account, bool offerRemember)>;

class MailPasswords {
 public:
  MailPasswords(SecretStore& store, PasswordPrompt prompt)
      : store_(store), prompt_(std::move(prompt)) {}

  // The mail layer asks once per run and keeps the answer; a second question in one
  // run therefore means the last password was refused, so the stored one is dropped
  // and the player is asked.
  std::optional<std::string> password(const std::string& account);

 private:
  SecretStore& store_;
  PasswordPrompt prompt_;
  std::set<std::string> handedOut_;
};

}  // namespace tarmaq
