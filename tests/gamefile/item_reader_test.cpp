#include "gamefile/item_reader.h"

#include <gtest/gtest.h>

namespace tarmaq {
namespace {

std::vector<std::string> strings(const std::string& text) {
  ItemReader r(text);
  std::vector<std::string> out;
  while (auto s = r.readString()) out.push_back(*s);
  return out;
}

TEST(ItemReader, ItemsEndAtCommasAndLineEndsAndLoseTheirBlanks) {
  EXPECT_EQ(strings("  a , b,c\n d \r\ne"), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(strings("\"x, y\" , \"  padded  \"\n\"open"),
            (std::vector<std::string>{"x, y", "  padded  ", "open"}));
  // A comma that closes a line does not make an empty item; two commas do.
  EXPECT_EQ(strings("a,\nb,,c"), (std::vector<std::string>{"a", "b", "", "c"}));
  // A blank line in the middle is an empty item; the end of the file is not.
  EXPECT_EQ(strings("a\n\nb\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_TRUE(strings("").empty());
}

TEST(ItemReader, TrailingBlanksAreTheEnd) {
  ItemReader r("a,   \t ");
  EXPECT_EQ(r.readString(), "a");
  EXPECT_TRUE(r.atEnd());
  EXPECT_FALSE(r.readString());
}

TEST(ItemReader, CommentsOnlyAtTheStart) {
  ItemReader r("; one, two\n;three\ntitle\n;data");
  r.skipComments();
  // "; one, two": the comment runs to the comma, so " two" is the first data item.
  EXPECT_EQ(r.readString(), "two");
  EXPECT_EQ(r.readString(), ";three");
  ItemReader s(";c\ntitle\n;data");
  s.skipComments();
  EXPECT_EQ(s.readString(), "title");
  // After the title a ";" item is data: loaders skip comments only at the start.
  EXPECT_EQ(s.readString(), ";data");
}

TEST(ItemReader, NumbersAreStrictAndFailuresKeepThePosition) {
  struct Case {
    const char* text;
    std::optional<double> value;
  } cases[] = {{"12", 12},
               {"-3.5", -3.5},
               {"+4", 4},
               {"1e3", 1000},
               {"2.5E-1", 0.25},
               {".5", 0.5},
               {"5.", 5},
               {"abc", std::nullopt},
               {"1,5", 1},
               {"12x", std::nullopt},
               {"", std::nullopt},
               {"1e", std::nullopt},
               {"1e400", std::nullopt},
               {"-", std::nullopt}};
  for (const auto& c : cases) {
    ItemReader r(c.text);
    EXPECT_EQ(r.readNumber(), c.value) << c.text;
  }
  ItemReader r("word,7");
  EXPECT_FALSE(r.readNumber());
  EXPECT_EQ(r.readString(), "word");
  EXPECT_EQ(r.readNumber(), 7);
}

TEST(ItemReader, NumbersMayEndAtABlank) {
  ItemReader r("1 2  ,3\n4 five");
  EXPECT_EQ(r.readNumber(true), 1);
  EXPECT_EQ(r.readNumber(true), 2);
  EXPECT_EQ(r.readNumber(true), 3);
  EXPECT_EQ(r.readNumber(true), 4);
  EXPECT_EQ(r.readString(), "five");
  ItemReader whole("1 2");
  EXPECT_FALSE(whole.readNumber(false));
}

TEST(ItemReader, IntegersRoundHalfToEvenAndRespectTheirRange) {
  ItemReader r("2.5,3.5,-2.5,32767,32768,-32768,-32769,1.6");
  EXPECT_EQ(r.readInt16(), 2);
  EXPECT_EQ(r.readInt16(), 4);
  EXPECT_EQ(r.readInt16(), -2);
  EXPECT_EQ(r.readInt16(), 32767);
  EXPECT_FALSE(r.readInt16());
  EXPECT_EQ(r.readInt32(), 32768);  // the failed read left it in place
  EXPECT_EQ(r.readInt16(), -32768);
  EXPECT_FALSE(r.readInt16());
  EXPECT_EQ(r.readInt32(), -32769);
  EXPECT_EQ(r.readInt16(), 2);
  ItemReader big("3e38,4e38");
  EXPECT_TRUE(big.readSingle());
  EXPECT_FALSE(big.readSingle());
}

TEST(ItemReader, LineNumbersForMessages) {
  ItemReader r("a\nb\r\nc\rd");
  EXPECT_EQ(r.line(), 1u);
  r.readString();
  EXPECT_EQ(r.line(), 2u);
  r.readString();
  EXPECT_EQ(r.line(), 3u);
  r.readString();
  EXPECT_EQ(r.line(), 4u);
}

TEST(DecodeText, KeepsUtf8AndReadsOtherBytesAsLatin1) {
  EXPECT_EQ(decodeText("Jos\xc3\xa9"), "Jos\xc3\xa9");
  EXPECT_EQ(decodeText("Jos\xe9"), "Jos\xc3\xa9");
  EXPECT_EQ(decodeText("\xff"), "\xc3\xbf");
  EXPECT_EQ(decodeText("\xed\xa0\x80"), "\xc3\xad\xc2\xa0\xc2\x80");  // a surrogate is not UTF-8
}

}  // namespace
}  // namespace tarmaq
