#include "mail_servers.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <thread>
#include <vector>

extern char** environ;

namespace tarmaq::testing {

namespace {

constexpr const char* Smtpd = "/usr/sbin/smtpd";
constexpr const char* Dovecot = "/usr/sbin/dovecot";
constexpr const char* OpenSsl = "/usr/bin/openssl";
constexpr uid_t MailUid = 5000;

void writeFile(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

std::string readFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A free TCP port on 127.0.0.1, found by letting the system pick one.
int freePort() {
  int fd = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in a{};
  a.sin_family = AF_INET;
  a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  a.sin_port = 0;
  socklen_t len = sizeof a;
  int port = 0;
  if (bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
      getsockname(fd, reinterpret_cast<sockaddr*>(&a), &len) == 0)
    port = ntohs(a.sin_port);
  close(fd);
  return port;
}

// Starts a program in its own session, its output going to `log`.
pid_t spawn(const std::vector<std::string>& args, const std::filesystem::path& log) {
  std::vector<std::string> copy = args;
  std::vector<char*> argv;
  for (auto& a : copy) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&files, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_adddup2(&files, 1, 2);
  posix_spawnattr_t attr;
  posix_spawnattr_init(&attr);
  posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSID);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &files, &attr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&files);
  posix_spawnattr_destroy(&attr);
  return pid;
}

bool runToEnd(const std::vector<std::string>& args, const std::filesystem::path& log) {
  pid_t pid = spawn(args, log);
  int status = 0;
  return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

// Waits for a server's greeting ("220 " or "* OK") on a port.
bool answers(int port, int seconds) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  while (std::chrono::steady_clock::now() < end) {
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = htons(static_cast<uint16_t>(port));
    timeval tv{2, 0};
    setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0) {
      char buf[64] = {};
      const ssize_t n = read(fd, buf, sizeof buf - 1);
      close(fd);
      const std::string greeting(buf, n > 0 ? static_cast<std::size_t>(n) : 0);
      if (greeting.rfind("220 ", 0) == 0 || greeting.rfind("* OK", 0) == 0) return true;
    } else {
      close(fd);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

void stopProcess(pid_t& pid) {
  if (pid <= 0) return;
  kill(pid, SIGTERM);
  int status = 0;
  for (int i = 0; i < 100; ++i) {
    if (waitpid(pid, &status, WNOHANG) == pid) {
      pid = -1;
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(pid, SIGKILL);
  waitpid(pid, &status, 0);
  pid = -1;
}

void chownTree(const std::filesystem::path& root) {
  if (chown(root.c_str(), MailUid, MailUid) != 0) return;
  for (const auto& e : std::filesystem::recursive_directory_iterator(root))
    if (chown(e.path().c_str(), MailUid, MailUid) != 0) return;
}

}  // namespace

std::string MailServers::missingPrograms() {
  std::string missing;
  for (const char* p : {Smtpd, Dovecot, OpenSsl})
    if (access(p, X_OK) != 0) missing += std::string(missing.empty() ? "" : ", ") + p;
  return missing.empty() ? std::string() : "not installed: " + missing;
}

bool MailServers::start(std::string& error) {
  char pattern[] = "/tmp/tarmaq-mail-XXXXXX";
  if (!mkdtemp(pattern)) {
    error = "no temporary folder";
    return false;
  }
  root_ = pattern;
  // The servers' own users must reach the Maildirs below it.
  chmod(root_.c_str(), 0755);
  const std::string t = root_.string();
  smtpPort_ = freePort();
  imapPort_ = freePort();
  submissionPort_ = freePort();
  while (imapPort_ == smtpPort_) imapPort_ = freePort();
  while (submissionPort_ == smtpPort_ || submissionPort_ == imapPort_) submissionPort_ = freePort();

  std::filesystem::create_directories(root_ / "run");
  std::filesystem::create_directories(root_ / "state");
  for (const char* user : {"alice", "bob"}) {
    for (const char* sub : {"new", "cur", "tmp"})
      std::filesystem::create_directories(root_ / "mail" / user / "Maildir" / sub);
  }
  chownTree(root_ / "mail");

  if (!runToEnd(
          {OpenSsl, "req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
           "-nodes", "-days", "2", "-subj", "/CN=mail.example.test", "-addext",
           "subjectAltName=DNS:mail.example.test,IP:127.0.0.1", "-keyout", t + "/key.pem", "-out",
           t + "/cert.pem"},
          root_ / "openssl.log")) {
    error = "the certificate could not be made: " + readFile(root_ / "openssl.log");
    return false;
  }
  chmod((root_ / "key.pem").c_str(), 0600);

  writeFile(root_ / "smtpd-users",
            "alice 5000:5000:" + t + "/mail/alice\nbob 5000:5000:" + t + "/mail/bob\n");
  writeFile(root_ / "smtpd-virtual", "alice@example.test alice\nbob@example.test bob\n");
  writeFile(root_ / "smtpd.conf",
            "table users file:" + t + "/smtpd-users\n" + "table vusers file:" + t +
                "/smtpd-virtual\n" + "listen on 127.0.0.1 port " + std::to_string(smtpPort_) +
                " hostname mail.example.test\n" +
                "action \"deliver\" maildir \"%{user.directory}/Maildir\" userbase <users> "
                "virtual <vusers>\n" +
                "match from local for domain \"example.test\" action \"deliver\"\n");
  chmod((root_ / "smtpd.conf").c_str(), 0644);

  writeFile(root_ / "dovecot-users", "alice:{PLAIN}alicepw:5000:5000::" + t +
                                         "/mail/alice::\nbob:{PLAIN}bobpw:5000:5000::" + t +
                                         "/mail/bob::\n");
  writeFile(
      root_ / "dovecot.conf",
      "protocols = imap submission\n"
      "listen = 127.0.0.1\n"
      "hostname = mail.example.test\n"
      "base_dir = " +
          t +
          "/run/dovecot\n"
          "state_dir = " +
          t +
          "/state\n"
          "instance_name = tarmaqtest\n"
          "log_path = /dev/stderr\n"
          "ssl = yes\n"
          "ssl_cert = <" +
          t +
          "/cert.pem\n"
          "ssl_key = <" +
          t +
          "/key.pem\n"
          "disable_plaintext_auth = no\n"
          "auth_mechanisms = plain login\n"
          "auth_failure_delay = 0\n"
          "mail_location = maildir:~/Maildir\n"
          "submission_relay_host = 127.0.0.1\n"
          "submission_relay_port = " +
          std::to_string(smtpPort_) +
          "\n"
          "passdb {\n  driver = passwd-file\n  args = scheme=PLAIN username_format=%n " +
          t +
          "/dovecot-users\n}\n"
          "userdb {\n  driver = passwd-file\n  args = username_format=%n " +
          t +
          "/dovecot-users\n}\n"
          "service imap-login {\n  inet_listener imap {\n    address = 127.0.0.1\n    port = " +
          std::to_string(imapPort_) +
          "\n  }\n  inet_listener imaps {\n    port = 0\n  }\n}\n"
          "service submission-login {\n  inet_listener submission {\n    address = 127.0.0.1\n"
          "    port = " +
          std::to_string(submissionPort_) + "\n  }\n}\n");

  smtpd_ = spawn({Smtpd, "-d", "-f", t + "/smtpd.conf"}, root_ / "smtpd.log");
  dovecot_ = spawn({Dovecot, "-F", "-c", t + "/dovecot.conf"}, root_ / "dovecot.log");
  if (smtpd_ <= 0 || dovecot_ <= 0 || !answers(smtpPort_, 10) || !answers(imapPort_, 10) ||
      !answers(submissionPort_, 10)) {
    error = "the mail servers did not start:\n" + logs();
    stop();
    return false;
  }
  return true;
}

void MailServers::stop() {
  stopProcess(dovecot_);
  stopProcess(smtpd_);
  if (!root_.empty()) {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
    root_.clear();
  }
}

MailAccount MailServers::account(const std::string& user, bool submission) const {
  MailAccount a;
  a.outgoing = submission ? MailServer{"127.0.0.1", submissionPort_, MailSecurity::StartTls}
                          : MailServer{"127.0.0.1", smtpPort_, MailSecurity::None};
  a.incoming = {"127.0.0.1", imapPort_, MailSecurity::None};
  a.user = user;
  a.password = user + "pw";
  a.fromAddress = user + "@example.test";
  a.caFile = certificate().string();
  return a;
}

bool MailServers::waitForMail(const std::string& user, std::size_t count, int seconds) const {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  for (;;) {
    std::size_t n = 0;
    std::error_code ec;
    for (const char* sub : {"new", "cur"})
      for (auto it = std::filesystem::directory_iterator(maildir(user) / sub, ec);
           !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        ++n;
    if (n >= count) return true;
    if (std::chrono::steady_clock::now() > end) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

void MailServers::deliver(const std::string& user, const std::string& message, bool read) const {
  static int serial = 0;
  const std::string name = std::to_string(time(nullptr)) + ".test" + std::to_string(++serial) +
                           "." + std::to_string(getpid());
  const std::filesystem::path tmp = maildir(user) / "tmp" / name;
  writeFile(tmp, message);
  const std::filesystem::path target =
      read ? maildir(user) / "cur" / (name + ":2,S") : maildir(user) / "new" / name;
  std::filesystem::rename(tmp, target);
  if (chown(target.c_str(), MailUid, MailUid) != 0) return;
}

std::string MailServers::logs() const {
  return "--- smtpd ---\n" + readFile(root_ / "smtpd.log") + "--- dovecot ---\n" +
         readFile(root_ / "dovecot.log");
}

}  // namespace tarmaq::testing
