#include <gtest/gtest.h>

#include "message/charset.h"

namespace {

// "a あいう漢字 z": ASCII around kana and kanji, so ISO-2022-JP has to switch
// modes and come back.
const WideString kMixedText = u"a \u3042\u3044\u3046\u6F22\u5B57 z";

struct RoundTrip {
  const char* name;
  std::uint32_t codepage;
  ByteString bytes;
};

const RoundTrip kRoundTrips[] = {
    {"Shift_JIS", 932, "a \x82\xA0\x82\xA2\x82\xA4\x8A\xBF\x8E\x9A z"},
    {"EUC-JP", 20932, "a \xA4\xA2\xA4\xA4\xA4\xA6\xB4\xC1\xBB\xFA z"},
    {"ISO-2022-JP", 50220, "a \x1B$B$\"$$$&4A;z\x1B(B z"},
    {"UTF-8", 65001,
     "a \xE3\x81\x82\xE3\x81\x84\xE3\x81\x86\xE6\xBC\xA2\xE5\xAD\x97 z"},
};

TEST(CharsetConversion, RoundTripsJapaneseTextInEveryCharset) {
  for (const RoundTrip& c : kRoundTrips) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WideToMultiByte(kMixedText, c.codepage), c.bytes);
    EXPECT_EQ(MultiByteToWide(c.bytes, c.codepage), kMixedText);
  }
}

TEST(CharsetConversion, EmptyAndNulLedInputGiveEmptyText) {
  for (const RoundTrip& c : kRoundTrips) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(WideToMultiByte(u"", c.codepage), "");
    EXPECT_EQ(MultiByteToWide("", c.codepage), u"");
    EXPECT_EQ(WideToMultiByte(WideString(u"\0abc", 4), c.codepage), "");
    EXPECT_EQ(MultiByteToWide(ByteString("\0abc", 4), c.codepage), u"");
  }
}

TEST(CharsetConversion, EndsTheTextAtAnEmbeddedNul) {
  EXPECT_EQ(WideToMultiByte(WideString(u"ab\0cd", 5), 65001), "ab");
  EXPECT_EQ(MultiByteToWide(ByteString("ab\0cd", 5), 932), u"ab");
}

TEST(CharsetConversion, UnknownCodepageGivesEmptyText) {
  EXPECT_EQ(WideToMultiByte(u"abc", 12345), "");
  EXPECT_EQ(MultiByteToWide("abc", 12345), u"");
}

TEST(CharsetConversion, OemCodepageKeepsAscii) {
  // The bare 500 response and the module directory go through code page 1.
  EXPECT_EQ(WideToMultiByte(u"SAORI/1.0 500", 1), "SAORI/1.0 500");
  EXPECT_EQ(MultiByteToWide("C:\\ghost\\", 1), u"C:\\ghost\\");
}

struct Replacement {
  const char* what;
  std::uint32_t codepage;
  ByteString bytes;
  WideString text;
};

TEST(CharsetConversion, InvalidBytesBecomeTheReplacementCharacter) {
  const Replacement cases[] = {
      {"Shift_JIS lead byte cut off", 932, "a\x82", u"a\u30FB"},
      {"Shift_JIS lead byte with a bad trail takes it along", 932, "\x82\x20z", u"\u30FBz"},
      {"EUC-JP lead byte cut off", 20932, "a\xA4", u"a\u30FB"},
      {"UTF-8 byte that is never valid", 65001, "a\xFFz", u"a\uFFFDz"},
      {"UTF-8 sequence cut off", 65001, "a\xE3\x81", u"a\uFFFD"},
      {"ISO-2022-JP eight-bit byte", 50220, "a\xA4z", u"a\u30FBz"},
  };
  for (const Replacement& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(MultiByteToWide(c.bytes, c.codepage), c.text);
  }
}

TEST(CharsetConversion, UnmappableCharactersBecomeTheDefaultCharacter) {
  const Replacement cases[] = {
      {"euro sign in Shift_JIS", 932, "a?z", u"a\u20ACz"},
      {"euro sign in EUC-JP", 20932, "a?z", u"a\u20ACz"},
      {"euro sign in ISO-2022-JP", 50220, "a?z", u"a\u20ACz"},
      {"emoji (a surrogate pair) in Shift_JIS", 932, "??", u"\U0001F600"},
      {"lone surrogate in UTF-8", 65001, "\xEF\xBF\xBD" "A", u"\xD800" u"A"},
  };
  for (const Replacement& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(WideToMultiByte(c.text, c.codepage), c.bytes);
  }
}

}  // namespace
