#include "mail/curl/client_window.h"

#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <cstring>

#include "mail/game_mail.h"

extern char** environ;

namespace tarmaq::curlmail {

namespace {

// One argument may hold at most 128 KiB on this system; a longer body cannot go on the
// command line, and the attached file carries the game all the same.
constexpr std::size_t MaxBodyArgument = 100u * 1024u;

}  // namespace

std::vector<std::string> clientWindowArguments(const OutgoingMail& mail) {
  std::vector<std::string> args = {"xdg-email", "--utf8", "--subject", headerSafe(mail.subject)};
  if (mail.body.size() <= MaxBodyArgument) {
    args.insert(args.end(), {"--body", mail.body});
  } else {
    args.insert(args.end(), {"--body", "The Tarmaq game file is attached."});
  }
  if (!mail.attachmentPath.empty()) args.insert(args.end(), {"--attach", mail.attachmentPath});
  args.push_back(headerSafe(mail.toAddress));
  return args;
}

MailResult sendThroughClientWindow(const OutgoingMail& mail) {
  std::vector<std::string> args = clientWindowArguments(mail);
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int err = posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ);
  if (err != 0)
    return MailResult::failure("The desktop's mail program could not be started (xdg-email: " +
                               std::string(std::strerror(err)) + ").");
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(status) && WEXITSTATUS(status) == 0) return {};
  const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  std::string why = "The desktop's mail program did not take the message";
  if (code == 3)
    why += ": no mail program is set up for this desktop";
  else if (code == 2)
    why += ": the game file to attach was not found";
  else
    why += " (xdg-email ended with status " + std::to_string(code) + ")";
  return MailResult::failure(why + ".");
}

}  // namespace tarmaq::curlmail
