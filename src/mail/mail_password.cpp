#include "mail/mail_password.h"

namespace tarmaq {

std::optional<std::string> MailPasswords::password(const std::string& account) {
  const bool available = store_.available();
  if (available) {
    if (handedOut_.insert(account).second) {
      if (std::optional<std::string> stored = store_.read(account)) return stored;
    } else {
      store_.erase(account);
    }
  }
  if (!prompt_) return std::nullopt;
  std::optional<PasswordAnswer> answer = prompt_(account, available);
  if (!answer) return std::nullopt;
  if (available && answer->remember) store_.write(account, answer->password);
  return answer->password;
}

}  // namespace tarmaq
