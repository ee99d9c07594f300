#include "mail/mime.h"

#include <gtest/gtest.h>

#include "mail/imap_parse.h"

namespace tarmaq {
namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> out;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find("\r\n", at);
    if (end == std::string::npos) end = text.size();
    out.push_back(text.substr(at, end - at));
    at = end + 2;
  }
  return out;
}

TEST(QuotedPrintable, EveryByteComesBackAndNoLineIsLongerThan76) {
  std::string all;
  for (int i = 0; i < 256; ++i) all += static_cast<char>(i);
  const std::string cases[] = {
      std::string(70000, 'x') + "%=%",  // the game mail's one long line
      ".starts with a dot\r\n.and again",
      "blank before the end \r\ntab\t\r\nend ",
      "lone\nline\rfeeds",
      all,
      "",
  };
  for (const std::string& data : cases) {
    const std::string encoded = quotedPrintableEncode(data);
    EXPECT_EQ(quotedPrintableDecode(encoded), data);
    for (const std::string& line : linesOf(encoded)) {
      EXPECT_LE(line.size(), 76u);
      EXPECT_NE(line.front(), '.');  // would end the SMTP data
      EXPECT_TRUE(line.back() != ' ' && line.back() != '\t');
    }
  }
  // Soft breaks with blanks a transport added, and a stray "=".
  EXPECT_EQ(quotedPrintableDecode("ab= \r\ncd=3D=\nef=zz"), "abcd=ef=zz");
}

TEST(Base64, RoundTripsEveryLengthAndSkipsWhatIsNotItsAlphabet) {
  for (std::size_t n = 0; n < 200; n += 7) {
    std::string data;
    for (std::size_t i = 0; i < n; ++i) data += static_cast<char>(i * 37 + 11);
    EXPECT_EQ(base64Decode(base64Encode(data)), data) << n;
  }
  EXPECT_EQ(base64Decode("SGVs\r\nbG8 h"), "Hello!");
}

TEST(HeaderText, EncodedWordsAreDecodedAndLineBreaksNeverReachAHeader) {
  const std::pair<std::string, std::string> cases[] = {
      {"Tarmaq GameFile: race.tmq", "Tarmaq GameFile: race.tmq"},
      {"=?UTF-8?B?VGFybWFxIEdhbWVGaWxlOiBy?= =?utf-8?q?=C3=A9sum=C3=A9_1.tmq?=",
       "Tarmaq GameFile: r\xC3\xA9sum\xC3\xA9 1.tmq"},
      {"plain =?broken", "plain =?broken"},
  };
  for (const auto& [raw, decoded] : cases) EXPECT_EQ(decodeHeaderText(raw), decoded);
  EXPECT_EQ(decodeHeaderText(encodeHeaderText("Grand Prix \xC3\xA0 Monza.tmq")),
            "Grand Prix \xC3\xA0 Monza.tmq");

  MimeMail m;
  m.from = "alice@example.test\r\nBcc: eve@example.test";
  m.to = "bob@example.test";
  m.subject = "Tarmaq GameFile: x\r\nBcc: eve@example.test";
  m.body = "text";
  const std::string message = composeMimeMail(m);
  EXPECT_EQ(message.find("\r\nBcc:"), std::string::npos);
}

TEST(ImapAnswers, SearchEnvelopeAndBodyStructureAreRead) {
  EXPECT_EQ(parseImapSearch("* SEARCH 3 17 4\r\n* SEARCHX 9\r\n"),
            (std::vector<std::string>{"3", "17", "4"}));
  EXPECT_TRUE(parseImapSearch("* SEARCH\r\n").empty());

  const auto envelopes = parseImapEnvelopes(
      "* 1 FETCH (UID 7 ENVELOPE (\"Tue, 5 Mar 2024\" \"Tarmaq GameFile: a \\\"b\\\".tmq\" "
      "((NIL NIL \"alice\" \"example.test\")) NIL NIL NIL NIL NIL NIL \"<id@x>\"))\r\n"
      "* 2 FETCH (UID 8 ENVELOPE (NIL NIL NIL NIL NIL NIL NIL NIL NIL NIL))\r\n"
      "* 3 FETCH (UID 9 ENVELOPE (\"cut short\r\n");
  ASSERT_EQ(envelopes.size(), 2u);
  EXPECT_EQ(envelopes[0].uid, "7");
  EXPECT_EQ(envelopes[0].subject, "Tarmaq GameFile: a \"b\".tmq");
  EXPECT_EQ(envelopes[1].subject, "");

  // A text part and an attached game file, as the sender builds them.
  const auto parts = parseImapBodyStructure(
      "* 1 FETCH (UID 7 BODYSTRUCTURE ((\"text\" \"plain\" (\"charset\" \"UTF-8\") NIL NIL "
      "\"quoted-printable\" 1234 20 NIL NIL NIL NIL)(\"application\" \"octet-stream\" "
      "(\"name\" \"race.tmq\") NIL NIL \"base64\" 5678 NIL (\"attachment\" (\"filename\" "
      "\"race.tmq\")) NIL NIL) \"mixed\" (\"boundary\" \"b\") NIL NIL NIL))\r\n");
  ASSERT_EQ(parts.size(), 2u);
  EXPECT_EQ(parts[1].section, "2");
  EXPECT_EQ(parts[1].encoding, "base64");
  EXPECT_EQ(parts[1].size, 5678u);
  EXPECT_EQ(parts[1].disposition, "attachment");
  const GameMailParts found = findGameMailParts(parts);
  EXPECT_EQ(found.text, 0);
  EXPECT_EQ(found.attachment, 1);

  // A message of one part is part 1.
  const auto single = parseImapBodyStructure(
      "* 4 FETCH (BODYSTRUCTURE (\"TEXT\" \"PLAIN\" NIL NIL NIL \"7BIT\" 99 3))\r\n");
  ASSERT_EQ(single.size(), 1u);
  EXPECT_EQ(single[0].section, "1");
  EXPECT_EQ(findGameMailParts(single).text, 0);
  EXPECT_EQ(findGameMailParts(single).attachment, -1);
}

}  // namespace
}  // namespace tarmaq
