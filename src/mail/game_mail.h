// The game mail: its subject, its body (the whole game file on one line, lines ended by
// "%"), and turning a received message back into the text of a game file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "mail/mail_transport.h"

namespace tarmaq {

inline constexpr std::string_view GameMailSubjectPrefix = "Tarmaq GameFile: ";
inline constexpr std::string_view GameMailBodyStart =
    "This E-Mail was sent from within the code of Tarmaq. START OF FILE";
inline constexpr std::string_view GameFileMarker = ";Tarmaq Game file";
inline constexpr std::string_view GameMailBodyEnd = "END OF FILE%";

std::string gameMailSubject(const std::string& fileName);
// Whether a subject announces a game mail (the prefix's blank may be missing).
bool isGameMailSubject(std::string_view subject);
// The body for a game file's text: every line (without its line end) followed by "%".
std::string gameMailBody(std::string_view fileText);

// The game file text carried by a message: the attached file when it holds a game,
// since a "%" inside a line breaks the body; else the body. Empty, with the reason,
// when neither holds a whole game.
struct ReceivedText {
  std::string text;
  std::string why;
  bool fromAttachment = false;
};
ReceivedText receivedGameText(const MessageContent& content);
// The text between the markers of a body, line feeds and carriage returns dropped and
// every "%" made a line end; empty when a marker is missing.
std::optional<std::string> gameTextFromBody(std::string_view body);

// The file name a received game is written under, from a stranger's subject line: only
// its last path component, with the ".tmq" extension; nothing when the name could
// reach outside the games folder or holds control characters.
std::optional<std::string> receivedFileName(std::string_view subject);

// Line breaks would start new header fields: addresses and subjects go into headers
// without them.
std::string headerSafe(std::string_view text);

}  // namespace tarmaq
