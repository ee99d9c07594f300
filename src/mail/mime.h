// The encodings of internet mail: quoted-printable and base64 for bodies and files,
// encoded words for header texts, and the game mail as one MIME message.
#pragma once

#include <string>
#include <string_view>

namespace tarmaq {

// Lines of at most 76 characters with soft breaks, CR LF line ends; every byte of the
// input comes back from quotedPrintableDecode, line ends included.
std::string quotedPrintableEncode(std::string_view data);
std::string quotedPrintableDecode(std::string_view text);

// Lines of 76 characters, CR LF line ends; decoding skips anything outside the alphabet.
std::string base64Encode(std::string_view data);
std::string base64Decode(std::string_view text);

// A header text: as it is when it is printable ASCII, else one UTF-8 encoded word.
std::string encodeHeaderText(std::string_view text);
// Decodes the encoded words ("=?UTF-8?B?...?=", "=?...?Q?...?=") of a header text.
std::string decodeHeaderText(std::string_view text);

// Decodes a part's contents by its Content-Transfer-Encoding.
std::string decodeTransfer(std::string_view data, std::string_view encoding);

struct MimeMail {
  std::string from;
  std::string to;
  std::string toName;
  std::string subject;
  std::string body;  // sent quoted-printable: it may be one very long line
  std::string attachmentName;
  std::string attachment;  // sent base64; none when the name is empty
  std::string date;        // the Date header's value
  std::string messageId;   // without the angle brackets
  std::string boundary;
};

// The whole message with CR LF line ends, ready for SMTP.
std::string composeMimeMail(const MimeMail& mail);

// "Tue, 05 Mar 2024 14:03:09 +0000" for now.
std::string mailDateNow();

}  // namespace tarmaq
