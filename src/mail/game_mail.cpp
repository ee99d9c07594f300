#include "mail/game_mail.h"

#include <algorithm>
#include <cctype>

namespace tarmaq {

namespace {

bool endsWithNoCase(std::string_view s, std::string_view suffix) {
  if (s.size() < suffix.size()) return false;
  return std::equal(suffix.begin(), suffix.end(), s.end() - static_cast<long>(suffix.size()),
                    [](char a, char b) {
                      return std::tolower(static_cast<unsigned char>(a)) ==
                             std::tolower(static_cast<unsigned char>(b));
                    });
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

}  // namespace

std::string gameMailSubject(const std::string& fileName) {
  return headerSafe(std::string(GameMailSubjectPrefix) + fileName);
}

bool isGameMailSubject(std::string_view subject) {
  return subject.substr(0, GameMailSubjectPrefix.size() - 1) ==
         GameMailSubjectPrefix.substr(0, GameMailSubjectPrefix.size() - 1);
}

std::string gameMailBody(std::string_view fileText) {
  std::string body(GameMailBodyStart);
  body.reserve(fileText.size() + 128);
  std::size_t at = 0;
  while (at < fileText.size()) {
    std::size_t end = fileText.find('\n', at);
    std::string_view line =
        fileText.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    body.append(line);
    body += '%';
    if (end == std::string_view::npos) break;
    at = end + 1;
  }
  body += GameMailBodyEnd;
  return body;
}

std::optional<std::string> gameTextFromBody(std::string_view raw) {
  // Transports may break the long line anywhere, inside a marker too: every CR and LF
  // is theirs.
  std::string body;
  body.reserve(raw.size());
  for (char ch : raw)
    if (ch != '\n' && ch != '\r') body += ch;
  const std::size_t start = body.find(GameFileMarker);
  // The last end marker: a driver comment in capitals may well hold "END OF".
  const std::size_t end = body.rfind(GameMailBodyEnd);
  if (start == std::string::npos || end == std::string::npos || end <= start) return std::nullopt;
  std::string text;
  text.reserve(end - start + 1024);
  for (std::size_t i = start; i < end; ++i) {
    if (body[i] == '%')
      text += "\r\n";
    else
      text += body[i];
  }
  text += "\r\n";
  return text;
}

ReceivedText receivedGameText(const MessageContent& content) {
  if (content.hasAttachment && !content.attachment.empty()) {
    std::string_view a = content.attachment;
    const std::size_t start = a.find(GameFileMarker);
    if (start != std::string_view::npos && start < 4)  // at most a byte-order mark before it
      return {std::string(a.substr(start)), {}, true};
  }
  if (auto text = gameTextFromBody(content.body)) return {std::move(*text), {}, false};
  if (!content.skipped.empty()) return {{}, content.skipped, false};
  return {{}, "the message holds no game file (a marker of the game's text is missing)", false};
}

std::optional<std::string> receivedFileName(std::string_view subject) {
  if (!isGameMailSubject(subject)) return std::nullopt;
  std::string_view name = trimmed(subject.substr(GameMailSubjectPrefix.size() - 1));
  // Only the last path component, whichever separator the sender's system uses.
  const std::size_t slash = name.find_last_of("/\\");
  if (slash != std::string_view::npos) name = trimmed(name.substr(slash + 1));
  if (name.empty() || name.size() > 200 || name.find("..") != std::string_view::npos)
    return std::nullopt;
  for (char ch : name) {
    const auto u = static_cast<unsigned char>(ch);
    if (u < 0x20 || u == 0x7f || ch == ':') return std::nullopt;
  }
  std::string result(name);
  if (!endsWithNoCase(result, ".tmq")) result += ".tmq";
  return result;
}

std::string headerSafe(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text)
    if (ch != '\r' && ch != '\n') out += ch;
  return out;
}

}  // namespace tarmaq
