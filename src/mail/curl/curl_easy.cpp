#include "mail/curl/curl_easy.h"

#include "mail/mail_settings.h"

namespace tarmaq::curlmail {

namespace {

std::string urlHost(const std::string& host) {
  return host.find(':') != std::string::npos ? "[" + host + "]" : host;
}

bool isServerLine(const std::string& line) {
  return line.size() >= 3 && line[0] >= '0' && line[0] <= '9';
}

}  // namespace

Easy::Easy(const MailServer& server, const MailAccount& account, const char* protocols,
           const MailProgress* progress)
    : h_(curl_easy_init()),
      server_(server),
      scheme_(std::string_view(protocols).substr(0, 4)),
      progress_(progress) {
  if (!h_) return;
  curl_easy_setopt(h_, CURLOPT_PROTOCOLS_STR, protocols);
  curl_easy_setopt(h_, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(h_, CURLOPT_ERRORBUFFER, error_);
  curl_easy_setopt(h_, CURLOPT_CONNECTTIMEOUT, 20L);
  curl_easy_setopt(h_, CURLOPT_SERVER_RESPONSE_TIMEOUT, 60L);
  curl_easy_setopt(h_, CURLOPT_LOW_SPEED_LIMIT, 1L);
  curl_easy_setopt(h_, CURLOPT_LOW_SPEED_TIME, 60L);
  curl_easy_setopt(h_, CURLOPT_SSL_VERIFYPEER, 1L);
  curl_easy_setopt(h_, CURLOPT_SSL_VERIFYHOST, 2L);
  if (!account.caFile.empty()) curl_easy_setopt(h_, CURLOPT_CAINFO, account.caFile.c_str());
  long useSsl = CURLUSESSL_ALL;
  if (server.security == MailSecurity::None) useSsl = CURLUSESSL_NONE;
  // On this computer a server may offer no STARTTLS at all; elsewhere it must.
  else if (server.security == MailSecurity::StartTls && isLoopbackHost(server.host))
    useSsl = CURLUSESSL_TRY;
  curl_easy_setopt(h_, CURLOPT_USE_SSL, useSsl);
  if (!account.user.empty()) {
    curl_easy_setopt(h_, CURLOPT_USERNAME, account.user.c_str());
    curl_easy_setopt(h_, CURLOPT_PASSWORD, account.password.c_str());
  }
  curl_easy_setopt(h_, CURLOPT_WRITEFUNCTION, &Easy::write);
  curl_easy_setopt(h_, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(h_, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(h_, CURLOPT_XFERINFOFUNCTION, &Easy::progress);
  curl_easy_setopt(h_, CURLOPT_XFERINFODATA, this);
  // The server's own answers are kept for the message a failure shows.
  curl_easy_setopt(h_, CURLOPT_DEBUGFUNCTION, &Easy::debug);
  curl_easy_setopt(h_, CURLOPT_DEBUGDATA, this);
  curl_easy_setopt(h_, CURLOPT_VERBOSE, 1L);
}

Easy::~Easy() {
  if (h_) curl_easy_cleanup(h_);
}

std::string Easy::rootUrl() const {
  return scheme_ + (server_.security == MailSecurity::Tls ? "s" : "") + "://" +
         urlHost(server_.host) + ":" + std::to_string(server_.port);
}

MailResult Easy::perform(const std::string& what, std::string* out, std::size_t limit) {
  if (!h_) return MailResult::failure("The network library could not be started.");
  stage_ = what;
  out_ = out;
  limit_ = limit;
  overLimit_ = false;
  lastAnswer_.clear();
  error_[0] = '\0';
  if (progress_ && *progress_ && !(*progress_)(what)) {
    MailResult r = MailResult::failure("Cancelled.");
    r.cancelled = true;
    return r;
  }
  const CURLcode code = curl_easy_perform(h_);
  out_ = nullptr;
  if (code == CURLE_OK) return {};
  if (overLimit_) return MailResult::failure("The message is larger than 10 MiB.");
  return describeFailure(code, error_, lastAnswer_, what);
}

size_t Easy::write(char* data, size_t size, size_t n, void* self) {
  auto* e = static_cast<Easy*>(self);
  const size_t bytes = size * n;
  if (!e->out_) return bytes;
  if (e->out_->size() + bytes > e->limit_) {
    e->overLimit_ = true;
    return 0;  // ends the transfer
  }
  e->out_->append(data, bytes);
  return bytes;
}

int Easy::progress(void* self, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
  auto* e = static_cast<Easy*>(self);
  if (e->progress_ && *e->progress_ && !(*e->progress_)(e->stage_)) return 1;
  return 0;
}

int Easy::debug(CURL*, curl_infotype type, char* data, size_t size, void* self) {
  if (type != CURLINFO_HEADER_IN) return 0;
  auto* e = static_cast<Easy*>(self);
  std::string line(data, std::min<size_t>(size, 400));
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  // SMTP replies start with a number, IMAP's tagged ones with the tag and NO or BAD.
  if (isServerLine(line) || line.find(" NO ") != std::string::npos ||
      line.find(" BAD ") != std::string::npos)
    e->lastAnswer_ = line;
  return 0;
}

MailResult describeFailure(CURLcode code, const std::string& detail, const std::string& answer,
                           const std::string& what) {
  std::string words;
  MailResult r = MailResult::failure({});
  switch (code) {
    case CURLE_LOGIN_DENIED:
      words = "The mail server refused the user name or the password.";
      r.loginRefused = true;
      break;
    case CURLE_PEER_FAILED_VERIFICATION:
      words =
          "The mail server's certificate could not be verified, so the connection was not "
          "trusted.";
      break;
    case CURLE_SSL_CONNECT_ERROR:
      words = "A secure (TLS) connection to the mail server could not be made.";
      break;
    case CURLE_USE_SSL_FAILED:
      words = "The mail server does not offer a secure connection (STARTTLS).";
      break;
    case CURLE_COULDNT_RESOLVE_HOST:
      words = "The mail server's name could not be found.";
      break;
    case CURLE_COULDNT_CONNECT:
      words = "The mail server could not be reached.";
      break;
    case CURLE_OPERATION_TIMEDOUT:
      words = "The mail server did not answer in time.";
      break;
    case CURLE_ABORTED_BY_CALLBACK:
      words = "Cancelled.";
      r.cancelled = true;
      break;
    case CURLE_REMOTE_ACCESS_DENIED:
      words = "The mail server refused access to the mailbox.";
      break;
    default:
      words = "The mail server did not accept the request.";
      break;
  }
  r.error = words;
  if (!r.cancelled) {
    // The server's own words often end a sentence already.
    if (!answer.empty()) {
      r.error += " The server answered: " + answer;
      if (answer.back() != '.' && answer.back() != '!' && answer.back() != '?') r.error += ".";
    }
    if (!detail.empty()) r.error += " (" + what + ": " + detail + ")";
  }
  return r;
}

}  // namespace tarmaq::curlmail
