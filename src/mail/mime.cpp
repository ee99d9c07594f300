#include "mail/mime.h"

#include <array>
#include <cctype>
#include <cstdio>
#include <ctime>

#include "mail/game_mail.h"

namespace tarmaq {

namespace {

constexpr char Hex[] = "0123456789ABCDEF";
constexpr char Base64Alphabet[] =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

int base64Value(char c) {
  if (c >= 'A' && c <= 'Z') return c - 'A';
  if (c >= 'a' && c <= 'z') return c - 'a' + 26;
  if (c >= '0' && c <= '9') return c - '0' + 52;
  if (c == '+' || c == '-') return 62;
  if (c == '/' || c == '_') return 63;
  return -1;
}

bool printableAscii(std::string_view text) {
  for (char c : text) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u > 0x7e) return false;
  }
  return true;
}

bool equalNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) !=
        std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

std::string quotedHeaderName(std::string_view name) {
  std::string out = "\"";
  for (char c : name) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

}  // namespace

std::string quotedPrintableEncode(std::string_view data) {
  std::string out;
  out.reserve(data.size() + data.size() / 8 + 16);
  std::size_t column = 0;
  auto put = [&](std::string_view piece) {
    // Soft break before a piece that would pass column 75 (76 with the "=").
    if (column + piece.size() > 75) {
      out += "=\r\n";
      column = 0;
    }
    out += piece;
    column += piece.size();
  };
  for (std::size_t i = 0; i < data.size(); ++i) {
    const char c = data[i];
    const auto u = static_cast<unsigned char>(c);
    if (c == '\r' && i + 1 < data.size() && data[i + 1] == '\n') {
      out += "\r\n";
      column = 0;
      ++i;
      continue;
    }
    const bool atLineEnd = i + 1 == data.size() || data[i + 1] == '\r' || data[i + 1] == '\n';
    // A "." opening a line would be taken for the end of the SMTP data; blanks before a
    // line end may be dropped on the way.
    const bool literal = (u >= 33 && u <= 126 && c != '=' && !(c == '.' && column == 0)) ||
                         ((c == ' ' || c == '\t') && !atLineEnd);
    if (literal) {
      put(std::string_view(&c, 1));
    } else {
      const char enc[3] = {'=', Hex[u >> 4], Hex[u & 15]};
      put(std::string_view(enc, 3));
    }
  }
  return out;
}

std::string quotedPrintableDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '=') {
      out += c;
      continue;
    }
    // A soft break: "=" at the end of a line, with blanks a transport may have added.
    std::size_t j = i + 1;
    while (j < text.size() && (text[j] == ' ' || text[j] == '\t')) ++j;
    if (j < text.size() && (text[j] == '\r' || text[j] == '\n')) {
      if (text[j] == '\r' && j + 1 < text.size() && text[j + 1] == '\n') ++j;
      i = j;
      continue;
    }
    if (j == text.size()) break;
    if (i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      out += c;  // a stray "=" is kept as it is
    }
  }
  return out;
}

std::string base64Encode(std::string_view data) {
  std::string out;
  out.reserve(data.size() * 4 / 3 + data.size() / 38 + 8);
  std::size_t column = 0;
  for (std::size_t i = 0; i < data.size(); i += 3) {
    const std::size_t n = std::min<std::size_t>(3, data.size() - i);
    unsigned v = static_cast<unsigned char>(data[i]) << 16;
    if (n > 1) v |= static_cast<unsigned char>(data[i + 1]) << 8;
    if (n > 2) v |= static_cast<unsigned char>(data[i + 2]);
    out += Base64Alphabet[(v >> 18) & 63];
    out += Base64Alphabet[(v >> 12) & 63];
    out += n > 1 ? Base64Alphabet[(v >> 6) & 63] : '=';
    out += n > 2 ? Base64Alphabet[v & 63] : '=';
    column += 4;
    if (column >= 76) {
      out += "\r\n";
      column = 0;
    }
  }
  if (column > 0) out += "\r\n";
  return out;
}

std::string base64Decode(std::string_view text) {
  std::string out;
  out.reserve(text.size() * 3 / 4);
  unsigned v = 0;
  int bits = 0;
  for (char c : text) {
    if (c == '=') break;
    const int d = base64Value(c);
    if (d < 0) continue;
    v = (v << 6) | static_cast<unsigned>(d);
    bits += 6;
    if (bits >= 8) {
      bits -= 8;
      out += static_cast<char>((v >> bits) & 0xff);
    }
  }
  return out;
}

std::string encodeHeaderText(std::string_view text) {
  const std::string safe = headerSafe(text);
  if (printableAscii(safe)) return safe;
  std::string b64 = base64Encode(safe);
  std::string flat;
  for (char c : b64)
    if (c != '\r' && c != '\n') flat += c;
  return "=?UTF-8?B?" + flat + "?=";
}

std::string decodeHeaderText(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  bool lastWasWord = false;
  while (i < text.size()) {
    const std::size_t start = text.find("=?", i);
    if (start == std::string_view::npos) {
      out.append(text.substr(i));
      break;
    }
    const std::size_t q1 = text.find('?', start + 2);
    const std::size_t q2 = q1 == std::string_view::npos ? q1 : text.find('?', q1 + 1);
    const std::size_t end = q2 == std::string_view::npos ? q2 : text.find("?=", q2 + 1);
    if (end == std::string_view::npos || q2 != q1 + 2) {
      out.append(text.substr(i));
      break;
    }
    std::string_view between = text.substr(i, start - i);
    // Blanks between two encoded words belong to neither.
    const bool onlyBlanks = between.find_first_not_of(" \t\r\n") == std::string_view::npos;
    if (!(lastWasWord && onlyBlanks)) out.append(between);
    const char kind = static_cast<char>(std::toupper(static_cast<unsigned char>(text[q1 + 1])));
    std::string_view payload = text.substr(q2 + 1, end - q2 - 1);
    if (kind == 'B') {
      out += base64Decode(payload);
    } else {
      std::string q(payload);
      for (char& c : q)
        if (c == '_') c = ' ';
      out += quotedPrintableDecode(q);
    }
    lastWasWord = true;
    i = end + 2;
  }
  return out;
}

std::string decodeTransfer(std::string_view data, std::string_view encoding) {
  if (equalNoCase(encoding, "base64")) return base64Decode(data);
  if (equalNoCase(encoding, "quoted-printable")) return quotedPrintableDecode(data);
  return std::string(data);
}

std::string composeMimeMail(const MimeMail& mail) {
  const std::string from = headerSafe(mail.from);
  const std::string to = headerSafe(mail.to);
  const std::string name = headerSafe(mail.toName);
  std::string m;
  m.reserve(mail.body.size() * 11 / 10 + mail.attachment.size() * 14 / 10 + 1024);
  m += "Date: " + headerSafe(mail.date) + "\r\n";
  m += "From: <" + from + ">\r\n";
  m += "To: " + (name.empty() ? std::string() : quotedHeaderName(name) + " ") + "<" + to + ">\r\n";
  m += "Subject: " + encodeHeaderText(mail.subject) + "\r\n";
  m += "Message-ID: <" + headerSafe(mail.messageId) + ">\r\n";
  m += "MIME-Version: 1.0\r\n";
  const std::string textHeaders =
      "Content-Type: text/plain; charset=UTF-8\r\n"
      "Content-Transfer-Encoding: quoted-printable\r\n\r\n";
  if (mail.attachmentName.empty()) {
    m += textHeaders + quotedPrintableEncode(mail.body) + "\r\n";
    return m;
  }
  const std::string b = headerSafe(mail.boundary);
  const std::string file = quotedHeaderName(headerSafe(mail.attachmentName));
  m += "Content-Type: multipart/mixed; boundary=\"" + b + "\"\r\n\r\n";
  m += "--" + b + "\r\n" + textHeaders + quotedPrintableEncode(mail.body) + "\r\n";
  m += "--" + b + "\r\n";
  m += "Content-Type: application/octet-stream; name=" + file + "\r\n";
  m += "Content-Disposition: attachment; filename=" + file + "\r\n";
  m += "Content-Transfer-Encoding: base64\r\n\r\n";
  m += base64Encode(mail.attachment);
  m += "--" + b + "--\r\n";
  return m;
}

std::string mailDateNow() {
  static constexpr std::array<const char*, 7> days = {"Sun", "Mon", "Tue", "Wed",
                                                      "Thu", "Fri", "Sat"};
  static constexpr std::array<const char*, 12> months = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char buf[64];
  std::snprintf(buf, sizeof buf, "%s, %02d %s %04d %02d:%02d:%02d +0000",
                days[static_cast<std::size_t>(utc.tm_wday % 7)], utc.tm_mday,
                months[static_cast<std::size_t>(utc.tm_mon % 12)], utc.tm_year + 1900, utc.tm_hour,
                utc.tm_min, utc.tm_sec);
  return buf;
}

}  // namespace tarmaq
