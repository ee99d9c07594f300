// Sending a game mail by SMTP submission: the message is composed here (the body
// quoted-printable, the file base64) and handed to the server as it is.
#include "mail/curl/smtp_send.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "mail/curl/curl_easy.h"
#include "mail/game_mail.h"
#include "mail/mime.h"

namespace tarmaq::curlmail {

namespace {

struct Upload {
  const std::string* data;
  std::size_t at = 0;
};

size_t readUpload(char* buffer, size_t size, size_t n, void* self) {
  auto* u = static_cast<Upload*>(self);
  const size_t room = size * n;
  const size_t left = u->data->size() - u->at;
  const size_t take = std::min(room, left);
  std::copy_n(u->data->data() + u->at, take, buffer);
  u->at += take;
  return take;
}

std::string randomToken() {
  std::random_device device;
  std::mt19937_64 gen(device());
  static constexpr char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string token;
  for (int i = 0; i < 24; ++i) token += digits[gen() % 36];
  return token;
}

std::string domainOf(const std::string& address) {
  const std::size_t at = address.rfind('@');
  return at == std::string::npos ? std::string("tarmaq.invalid") : address.substr(at + 1);
}

}  // namespace

MailResult smtpSend(const MailAccount& account, const OutgoingMail& mail,
                    const MailProgress& progress) {
  const std::string from = headerSafe(account.fromAddress);
  const std::string to = headerSafe(mail.toAddress);
  if (from.empty())
    return MailResult::failure("This installation's own e-mail address is not set.");
  if (to.empty()) return MailResult::failure("There is no address to send the game to.");

  MimeMail m;
  m.from = from;
  m.to = to;
  m.toName = mail.toName;
  m.subject = mail.subject;
  m.body = mail.body;
  m.date = mailDateNow();
  m.messageId = randomToken() + "@" + domainOf(from);
  m.boundary = "=_tarmaq_" + randomToken();
  if (!mail.attachmentPath.empty()) {
    std::ifstream in(mail.attachmentPath, std::ios::binary);
    if (!in) return MailResult::failure("The game file to attach could not be read.");
    m.attachment.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    m.attachmentName = std::filesystem::path(mail.attachmentPath).filename().string();
  }
  const std::string message = composeMimeMail(m);

  Easy easy(account.outgoing, account, "smtp,smtps", &progress);
  CURL* h = easy.get();
  if (!h) return MailResult::failure("The network library could not be started.");
  const std::string url = easy.rootUrl();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  const std::string mailFrom = "<" + from + ">";
  curl_easy_setopt(h, CURLOPT_MAIL_FROM, mailFrom.c_str());
  const std::string rcpt = "<" + to + ">";
  curl_slist* recipients = curl_slist_append(nullptr, rcpt.c_str());
  curl_easy_setopt(h, CURLOPT_MAIL_RCPT, recipients);
  Upload upload{&message};
  curl_easy_setopt(h, CURLOPT_READFUNCTION, &readUpload);
  curl_easy_setopt(h, CURLOPT_READDATA, &upload);
  curl_easy_setopt(h, CURLOPT_UPLOAD, 1L);
  curl_easy_setopt(h, CURLOPT_INFILESIZE_LARGE, static_cast<curl_off_t>(message.size()));
  MailResult r = easy.perform("Sending the game to " + to + "...");
  curl_slist_free_all(recipients);
  return r;
}

MailResult smtpCheck(const MailAccount& account, const MailProgress& progress) {
  Easy easy(account.outgoing, account, "smtp,smtps", &progress);
  CURL* h = easy.get();
  if (!h) return MailResult::failure("The network library could not be started.");
  const std::string url = easy.rootUrl();
  curl_easy_setopt(h, CURLOPT_URL, url.c_str());
  curl_easy_setopt(h, CURLOPT_CONNECT_ONLY, 1L);
  return easy.perform("Connecting to the outgoing mail server...");
}

}  // namespace tarmaq::curlmail
