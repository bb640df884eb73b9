// The module's own ISO-2022-JP converter, used where the platform has none.
// These run in both builds; natively the converter is also checked against
// iconv's ISO-2022-JP over the kana and first-level kanji rows.
#include "message/iso2022jp.h"

#include <gtest/gtest.h>

#include <memory>

#ifndef _WIN32
#include <iconv.h>
#endif

namespace {

WideString Decode(const ByteString& bytes) { return Iso2022JpToWide(bytes.data(), bytes.size()); }
ByteString Encode(const WideString& text) { return WideToIso2022Jp(text.data(), text.size()); }

struct DecodeCase {
  const char* what;
  ByteString bytes;
  WideString text;
};

TEST(Iso2022Jp, DecodesEachCharacterSetItSwitchesTo) {
  const DecodeCase cases[] = {
      {"plain ASCII", "abc", u"abc"},
      {"JIS X 0208 and back to ASCII", "a\x1B$B$\"4A\x1B(Bz", u"a\u3042\u6F22z"},
      {"older JIS X 0208 designation", "\x1B$@$\"\x1B(B", u"\u3042"},
      {"JIS X 0201 Roman read as ASCII", "\x1B(Jab\x1B(B", u"ab"},
      {"JIS X 0201 katakana", "\x1B(I1\x1B(B", u"\uFF71"},
      {"line ends inside JIS X 0208", "\x1B$B$\"\r\n$\"\x1B(B", u"\u3042\r\n\u3042"},
      {"half a pair at the end", "\x1B$B$\"$", u"\u3042\u30FB"},
      {"eight-bit byte", "a\x82z", u"a\u30FBz"},
      {"unknown escape kept as text", "\x1B(Zx", u"\x1B(Zx"},
      {"escape cut off at the end", "a\x1B$", u"a\x1B$"},
      {"empty", "", u""},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Decode(c.bytes), c.text);
  }
}

TEST(Iso2022Jp, EncodesInAsciiAndJisX0208AndEndsInAscii) {
  const DecodeCase cases[] = {
      {"ASCII needs no escape", "abc", u"abc"},
      {"ends in ASCII after kanji", "\x1B$B$\"4A\x1B(B", u"\u3042\u6F22"},
      {"switches back for each ASCII run", "\x1B$B$\"\x1B(Ba\x1B$B$\"\x1B(B", u"\u3042a\u3042"},
      {"NEC row 13 is still JIS X 0208's grid", "\x1B$B-!\x1B(B", u"\u2460"},
      {"half-width katakana has no place", "?", u"\uFF71"},
      {"unmappable character", "a?", u"a\u20AC"},
      {"unmappable character between kanji", "\x1B$B$\"\x1B(B?\x1B$B$\"\x1B(B",
       u"\u3042\u20AC\u3042"},
      {"empty", "", u""},
  };
  for (const DecodeCase& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Encode(c.text), c.bytes);
  }
}

TEST(Iso2022Jp, EveryPrefixDecodesWithinItsBytes) {
  const ByteString full = "a\x1B$B$\"4A\x1B(Jb\x1B(I1\x1B(B";
  for (std::size_t length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE(testing::Message() << "prefix length " << length);
    // Exactly as many bytes as the prefix, so a read past them is caught by
    // AddressSanitizer in the native build.
    auto exact = std::make_unique<char[]>(length);
    std::copy(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(length), exact.get());
    const WideString text = Iso2022JpToWide(exact.get(), length);
    EXPECT_EQ(text.empty(), length == 0);
  }
}

#ifndef _WIN32
// Converts with iconv; empty when iconv rejects the input.
ByteString IconvConvert(const char* to, const char* from, ByteString input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return ByteString();
  ByteString output(input.size() * 4 + 16, '\0');
  char* in = input.data();
  std::size_t inLeft = input.size();
  char* out = output.data();
  std::size_t outLeft = output.size();
  const bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1) &&
                  iconv(cd, nullptr, nullptr, &out, &outLeft) != static_cast<std::size_t>(-1);
  iconv_close(cd);
  if (!ok) return ByteString();
  output.resize(output.size() - outLeft);
  return output;
}

TEST(Iso2022Jp, AgreesWithIconvOnKanaAndFirstLevelKanji) {
  std::vector<unsigned char> rows = {0x24, 0x25};
  for (unsigned char row = 0x30; row <= 0x4F; ++row) rows.push_back(row);
  for (unsigned char row : rows) {
    ByteString bytes = "\x1B$B";
    for (unsigned char cell = 0x21; cell <= 0x7E; ++cell) {
      const ByteString pair{static_cast<char>(row), static_cast<char>(cell)};
      // Cells that JIS X 0208 leaves empty are skipped.
      if (!IconvConvert("UTF-16LE", "ISO-2022-JP", "\x1B$B" + pair).empty()) bytes += pair;
    }
    bytes += "\x1B(B";
    SCOPED_TRACE(testing::Message() << "row 0x" << std::hex << int{row});
    const ByteString utf16 = IconvConvert("UTF-16LE", "ISO-2022-JP", bytes);
    const WideString expected(reinterpret_cast<const char16_t*>(utf16.data()), utf16.size() / 2);
    EXPECT_EQ(Decode(bytes), expected);
    EXPECT_EQ(Encode(expected), bytes);
  }
}
#endif

}  // namespace
