// The inbox over IMAP on one connection: the unread messages and their subjects (read
// without marking anything), a message's text and attached game file found through its
// BODYSTRUCTURE and decoded, and the read flag.
#pragma once

#include <string>
#include <vector>

#include "mail/curl/curl_easy.h"
#include "mail/mail_transport.h"

namespace tarmaq::curlmail {

class ImapInbox {
 public:
  ImapInbox(const MailAccount& account, const MailProgress& progress);

  MailResult check();
  MailResult unread(std::vector<InboxEntry>& out);
  MailResult message(const std::string& uid, MessageContent& content);
  MailResult markRead(const std::string& uid, bool read);

 private:
  // A command whose untagged answer lines come back in `out`; literals are not.
  MailResult command(const std::string& cmd, const std::string& what, std::string& out);
  MailResult section(const std::string& uid, const std::string& number, std::size_t limit,
                     std::string& out);

  Easy easy_;
  std::string mailboxUrl_;
};

}  // namespace tarmaq::curlmail
