#include "gamefile/item_reader.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <limits>

namespace tarmaq {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEnd(char c) { return c == '\n' || c == '\r'; }

// Length of a valid UTF-8 sequence at s[i], or 0.
std::size_t utf8Length(std::string_view s, std::size_t i) {
  auto b = static_cast<unsigned char>(s[i]);
  if (b < 0x80) return 1;
  std::size_t n;
  std::uint32_t cp;
  if ((b & 0xE0) == 0xC0) {
    n = 2;
    cp = b & 0x1F;
  } else if ((b & 0xF0) == 0xE0) {
    n = 3;
    cp = b & 0x0F;
  } else if ((b & 0xF8) == 0xF0) {
    n = 4;
    cp = b & 0x07;
  } else {
    return 0;
  }
  if (i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k) {
    auto c = static_cast<unsigned char>(s[i + k]);
    if ((c & 0xC0) != 0x80) return 0;
    cp = (cp << 6) | (c & 0x3F);
  }
  if ((n == 2 && cp < 0x80) || (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000) ||
      cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return 0;
  return n;
}

}  // namespace

std::string decodeText(std::string_view bytes) {
  bool valid = true;
  for (std::size_t i = 0; i < bytes.size();) {
    std::size_t n = utf8Length(bytes, i);
    if (n == 0) {
      valid = false;
      break;
    }
    i += n;
  }
  if (valid) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char ch : bytes) {
    auto b = static_cast<unsigned char>(ch);
    if (b < 0x80) {
      out.push_back(ch);
    } else {
      out.push_back(static_cast<char>(0xC0 | (b >> 6)));
      out.push_back(static_cast<char>(0x80 | (b & 0x3F)));
    }
  }
  return out;
}

std::optional<std::string> readFileBytes(const std::filesystem::path& path, std::size_t maxBytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes;
  char buffer[65536];
  while (in) {
    in.read(buffer, sizeof buffer);
    auto got = static_cast<std::size_t>(in.gcount());
    if (bytes.size() + got > maxBytes) return std::nullopt;
    bytes.append(buffer, got);
  }
  if (in.bad()) return std::nullopt;
  return bytes;
}

bool isNumberText(std::string_view s) {
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == s.size();
}

std::optional<double> parseNumber(std::string_view s) {
  if (!isNumberText(s)) return std::nullopt;
  // The common case without a copy: from_chars reads a point whatever the locale.
  {
    const char* first = s.data() + (s.front() == '+' ? 1 : 0);
    const char* last = s.data() + s.size();
    double value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error == std::errc() && end == last) {
      if (!std::isfinite(value)) return std::nullopt;
      return value;
    }
  }
  // Values beyond a double's range, as strtod gives them (tiny ones become 0).
  // strtod follows the C locale's decimal point, which the program never changes.
  std::string copy(s);
  char* end = nullptr;
  double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::optional<std::int64_t> roundToInteger(double value, std::int64_t lo, std::int64_t hi) {
  if (!std::isfinite(value)) return std::nullopt;
  double r = std::nearbyint(value);  // the default rounding mode: half to even
  if (r < static_cast<double>(lo) || r > static_cast<double>(hi)) return std::nullopt;
  return static_cast<std::int64_t>(r);
}

ItemReader::ItemReader(std::string text) : text_(std::move(text)) {}

std::optional<ItemReader> ItemReader::open(const std::filesystem::path& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return ItemReader(decodeText(*bytes));
}

bool ItemReader::atEnd() const {
  // Blanks after the last item are not an item: a loop reading "until the end" must
  // stop there too.
  std::size_t i = pos_;
  while (i < text_.size() && isBlank(text_[i])) ++i;
  return i >= text_.size();
}

std::size_t ItemReader::line() const {
  // Counted on from the last answer: loaders ask for every item of a long file.
  if (pos_ < lineCountedTo_) {
    lineCountedTo_ = 0;
    linesBefore_ = 1;
  }
  for (std::size_t i = lineCountedTo_; i < pos_ && i < text_.size(); ++i) {
    if (text_[i] == '\n' || (text_[i] == '\r' && (i + 1 >= text_.size() || text_[i + 1] != '\n')))
      ++linesBefore_;
  }
  lineCountedTo_ = std::max(lineCountedTo_, std::min(pos_, text_.size()));
  return linesBefore_;
}

// After an item: blanks, then one comma or one line end. A comma that closes a line
// takes the line end with it, so "a,<line end>b" holds two items.
std::size_t ItemReader::skipDelimiter(std::size_t at) const {
  while (at < text_.size() && isBlank(text_[at])) ++at;
  if (at >= text_.size()) return at;
  auto skipLineEnd = [&](std::size_t p) {
    if (p < text_.size() && text_[p] == '\r') ++p;
    if (p < text_.size() && text_[p] == '\n') ++p;
    return p;
  };
  if (text_[at] == ',') {
    std::size_t p = at + 1;
    while (p < text_.size() && isBlank(text_[p])) ++p;
    if (p < text_.size() && isLineEnd(text_[p])) return skipLineEnd(p);
    return at + 1;
  }
  if (isLineEnd(text_[at])) return skipLineEnd(at);
  return at;  // a number that ended at a blank: the rest starts the next item
}

std::optional<ItemReader::Bounds> ItemReader::bounds(bool endsAtBlank) const {
  std::size_t i = pos_;
  while (i < text_.size() && isBlank(text_[i])) ++i;
  if (i >= text_.size()) return std::nullopt;
  Bounds b;
  if (text_[i] == '"') {
    std::size_t close = i + 1;
    while (close < text_.size() && text_[close] != '"' && !isLineEnd(text_[close])) ++close;
    b.first = i + 1;
    b.last = close;
    b.quoted = true;
    std::size_t j = close < text_.size() && text_[close] == '"' ? close + 1 : close;
    // Anything between the closing quote and the delimiter is not part of the item.
    while (j < text_.size() && text_[j] != ',' && !isLineEnd(text_[j])) ++j;
    b.next = skipDelimiter(j);
    return b;
  }
  std::size_t j = i;
  while (j < text_.size() && text_[j] != ',' && !isLineEnd(text_[j]) &&
         !(endsAtBlank && isBlank(text_[j])))
    ++j;
  std::size_t end = j;
  while (end > i && isBlank(text_[end - 1])) --end;
  b.first = i;
  b.last = end;
  b.next = skipDelimiter(j);
  return b;
}

std::optional<ItemReader::Scan> ItemReader::scan(bool endsAtBlank) const {
  auto b = bounds(endsAtBlank);
  if (!b) return std::nullopt;
  Scan s;
  s.item = text_.substr(b->first, b->last - b->first);
  s.next = b->next;
  s.quoted = b->quoted;
  return s;
}

void ItemReader::skipComments() {
  while (auto s = scan(false)) {
    if (s->quoted || s->item.empty() || s->item[0] != ';') return;
    pos_ = s->next;
  }
}

std::optional<std::string> ItemReader::readString() {
  auto s = scan(false);
  if (!s) return std::nullopt;
  pos_ = s->next;
  return std::move(s->item);
}

std::optional<double> ItemReader::readNumber(bool endsAtBlank) {
  auto b = bounds(endsAtBlank);
  if (!b) return std::nullopt;
  auto value = parseNumber(std::string_view(text_).substr(b->first, b->last - b->first));
  if (!value) return std::nullopt;
  pos_ = b->next;
  return value;
}

std::optional<std::int16_t> ItemReader::readInt16(bool endsAtBlank) {
  auto saved = pos_;
  auto v = readNumber(endsAtBlank);
  if (!v) return std::nullopt;
  auto r = roundToInteger(*v, std::numeric_limits<std::int16_t>::min(),
                          std::numeric_limits<std::int16_t>::max());
  if (!r) {
    pos_ = saved;
    return std::nullopt;
  }
  return static_cast<std::int16_t>(*r);
}

std::optional<std::int32_t> ItemReader::readInt32(bool endsAtBlank) {
  auto saved = pos_;
  auto v = readNumber(endsAtBlank);
  if (!v) return std::nullopt;
  auto r = roundToInteger(*v, std::numeric_limits<std::int32_t>::min(),
                          std::numeric_limits<std::int32_t>::max());
  if (!r) {
    pos_ = saved;
    return std::nullopt;
  }
  return static_cast<std::int32_t>(*r);
}

std::optional<float> ItemReader::readSingle(bool endsAtBlank) {
  auto saved = pos_;
  auto v = readNumber(endsAtBlank);
  if (!v) return std::nullopt;
  if (std::fabs(*v) > std::numeric_limits<float>::max()) {
    pos_ = saved;
    return std::nullopt;
  }
  return static_cast<float>(*v);
}

}  // namespace tarmaq
