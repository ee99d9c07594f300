// Real mail servers on the loopback address for the tests: OpenSMTPD delivering to a
// Maildir per test user, and Dovecot serving those Maildirs over IMAP and offering
// authenticated submission with STARTTLS (a throw-away certificate for 127.0.0.1)
// relayed to OpenSMTPD. Started in a temporary folder, stopped by their process ids.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>

#include "mail/mail_transport.h"

namespace tarmaq::testing {

class MailServers {
 public:
  // Why the servers cannot run here (their programs are not installed), or empty.
  static std::string missingPrograms();

  MailServers() = default;
  ~MailServers() { stop(); }
  MailServers(const MailServers&) = delete;
  MailServers& operator=(const MailServers&) = delete;

  // Writes the configuration, makes the certificate, starts both servers and waits
  // until they answer. False, with the reason (and the servers' logs), when not.
  bool start(std::string& error);
  void stop();

  // alice and bob at example.test, passwords "alicepw" and "bobpw".
  // Sends go through plain SMTP to OpenSMTPD unless `submission` picks Dovecot's
  // authenticated STARTTLS port.
  MailAccount account(const std::string& user, bool submission = false) const;
  std::filesystem::path certificate() const { return root_ / "cert.pem"; }
  std::filesystem::path maildir(const std::string& user) const {
    return root_ / "mail" / user / "Maildir";
  }
  // Waits until `count` messages have arrived in the user's inbox (new or cur).
  bool waitForMail(const std::string& user, std::size_t count, int seconds = 15) const;
  // Puts a message straight into a user's Maildir, as delivered and unread.
  void deliver(const std::string& user, const std::string& message, bool read = false) const;

  int smtpPort() const { return smtpPort_; }
  int imapPort() const { return imapPort_; }
  int submissionPort() const { return submissionPort_; }
  std::string logs() const;

 private:
  std::filesystem::path root_;
  pid_t smtpd_ = -1;
  pid_t dovecot_ = -1;
  int smtpPort_ = 0;
  int imapPort_ = 0;
  int submissionPort_ = 0;
};

}  // namespace tarmaq::testing
