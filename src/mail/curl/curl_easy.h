// One libcurl handle set up for a mail server: TLS as the server's security asks,
// certificates verified, bounded waits, the progress window's cancel, and the
// server's last answer kept so that a failure can be told in its words.
#pragma once

#include <curl/curl.h>

#include <string>

#include "mail/mail_transport.h"

namespace tarmaq::curlmail {

class Easy {
 public:
  // `protocols` is "smtp,smtps" or "imap,imaps".
  Easy(const MailServer& server, const MailAccount& account, const char* protocols,
       const MailProgress* progress);
  ~Easy();
  Easy(const Easy&) = delete;
  Easy& operator=(const Easy&) = delete;

  CURL* get() { return h_; }
  // The server's root URL: "smtps://host:465", "imap://127.0.0.1:1143".
  std::string rootUrl() const;

  // Runs a transfer; what the server sent goes to `out` (at most `limit` bytes).
  MailResult perform(const std::string& what, std::string* out = nullptr,
                     std::size_t limit = 64u * 1024u * 1024u);
  void setStage(std::string what) { stage_ = std::move(what); }

 private:
  static size_t write(char* data, size_t size, size_t n, void* self);
  static int progress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t);
  static int debug(CURL*, curl_infotype type, char* data, size_t size, void* self);

  CURL* h_ = nullptr;
  MailServer server_;
  std::string scheme_;
  const MailProgress* progress_ = nullptr;
  std::string stage_;
  std::string* out_ = nullptr;
  std::size_t limit_ = 0;
  bool overLimit_ = false;
  std::string lastAnswer_;
  char error_[CURL_ERROR_SIZE] = {};
};

// A refusal in plain words for a failed transfer; `answer` is the server's last line.
MailResult describeFailure(CURLcode code, const std::string& detail, const std::string& answer,
                           const std::string& what);

}  // namespace tarmaq::curlmail
