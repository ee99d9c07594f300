// The item reader every text format of the program shares (classes, circuits, teams,
// saved games). An item ends at a comma or at a line end; blanks around it are dropped;
// an item in double quotes may hold commas and is taken without the quotes. Typed reads
// report failure instead of guessing, and a failed read leaves the position unchanged,
// so a loader can stop at the failing item.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarmaq {

// Text as the program keeps it: UTF-8. Bytes that are not valid UTF-8 (files of the
// older 8-bit program) are read as Latin-1.
std::string decodeText(std::string_view bytes);

// Reads a whole file, at most maxBytes of it; nullopt when it cannot be opened or is
// larger than that.
std::optional<std::string> readFileBytes(const std::filesystem::path& path,
                                         std::size_t maxBytes = 64u << 20);

class ItemReader {
 public:
  explicit ItemReader(std::string text);

  // Reads a file as text (decodeText); nullopt when it cannot be opened.
  static std::optional<ItemReader> open(const std::filesystem::path& path);

  // True when no item is left (blanks alone are none).
  bool atEnd() const;
  // 1-based line of the next item, for messages.
  std::size_t line() const;

  // Skips the items at the current position whose first character is ';'.
  void skipComments();

  // The next item as text.
  std::optional<std::string> readString();

  // The next item as a number: an optional sign, digits with an optional "." fraction
  // and an optional exponent; nothing else in the item. With endsAtBlank the number
  // also ends at a blank (the rest of the line is the next item).
  std::optional<double> readNumber(bool endsAtBlank = false);

  // Numbers converted to integers as the program stores them: rounded half to even,
  // and failing outside the type's range.
  std::optional<std::int16_t> readInt16(bool endsAtBlank = false);
  std::optional<std::int32_t> readInt32(bool endsAtBlank = false);
  // A single: fails when the value is not finite as a 32-bit float.
  std::optional<float> readSingle(bool endsAtBlank = false);

 private:
  struct Scan {
    std::string item;
    std::size_t next = 0;
    bool quoted = false;
  };
  // Where the next item lies: [first, last) of the text, and where the one after begins.
  struct Bounds {
    std::size_t first = 0;
    std::size_t last = 0;
    std::size_t next = 0;
    bool quoted = false;
  };
  std::optional<Bounds> bounds(bool endsAtBlank) const;
  std::optional<Scan> scan(bool endsAtBlank) const;
  std::size_t skipDelimiter(std::size_t at) const;

  std::string text_;
  std::size_t pos_ = 0;
  mutable std::size_t lineCountedTo_ = 0;  // line(): the lines before this position
  mutable std::size_t linesBefore_ = 1;
};

// Whether an item is written as a number (sign, digits, "." fraction, exponent),
// whatever its size.
bool isNumberText(std::string_view item);
// Parses a whole item as a number (the same grammar as readNumber).
std::optional<double> parseNumber(std::string_view item);
// Rounds half to even into the range [lo, hi]; nullopt outside it or when not finite.
std::optional<std::int64_t> roundToInteger(double value, std::int64_t lo, std::int64_t hi);

}  // namespace tarmaq
