// Reading the server's answers to the IMAP commands the inbox needs: the numbers of a
// SEARCH, the subject in each message's ENVELOPE, and the parts of a BODYSTRUCTURE.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarmaq {

// The numbers of every "* SEARCH" line.
std::vector<std::string> parseImapSearch(std::string_view response);

struct ImapEnvelope {
  std::string uid;
  std::string subject;  // as the header holds it (encoded words not yet decoded)
};
// Every "* n FETCH (UID u ENVELOPE (...))" line whose subject could be read.
std::vector<ImapEnvelope> parseImapEnvelopes(std::string_view response);

struct MimePart {
  std::string section;  // "1", "2", "1.2": the number a FETCH BODY[...] asks for
  std::string type;     // lower case: "text", "application"
  std::string subtype;  // lower case: "plain"
  std::string encoding;
  std::string name;         // the file name of the part, when it has one
  std::string disposition;  // lower case: "attachment", "inline" or empty
  std::size_t size = 0;     // bytes as sent (encoded)
};
// The leaf parts of the first BODYSTRUCTURE in the response, in order.
std::vector<MimePart> parseImapBodyStructure(std::string_view response);

// The parts the game mail needs: its text and its attached game file; -1 when none.
struct GameMailParts {
  int text = -1;
  int attachment = -1;
};
GameMailParts findGameMailParts(const std::vector<MimePart>& parts);

}  // namespace tarmaq
