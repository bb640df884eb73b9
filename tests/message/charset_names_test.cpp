#include <gtest/gtest.h>

#include "message/charset.h"

namespace {

struct NameCase {
  const char* input;  // null stands for a null pointer
  std::uint32_t codepage;
};

TEST(CharsetToCodepage, ComparesKnownNamesAsCaseFoldedPrefixes) {
  const NameCase cases[] = {
      {"Shift_JIS", 932},        {"x-sjis", 932},           {"ISO-2022-JP", 50220},
      {"iso-2022-jp-2", 50220},  {"EUC-JP", 20932},         {"x-euc-jp", 20932},
      {"UTF-8", 65001},          {"utf-8", 65001},          {"utf-8\r\nID: x\r\n", 65001},
      {"utf8", 932},             {"latin-1", 932},          {"", 932},
      {nullptr, 932},            {"utf-", 932},             {" utf-8", 932},
  };
  for (const NameCase& c : cases) {
    SCOPED_TRACE(c.input ? c.input : "(null)");
    EXPECT_EQ(CharsetToCodepage(c.input), c.codepage);
  }
}

TEST(CharsetToCodepage, StopsAtTheEndOfAShortInput) {
  // "utf" placed at the very end of its allocation: comparing "utf-8" past
  // the NUL would read outside it (AddressSanitizer reports that).
  const char text[] = "utf";
  auto exact = std::make_unique<char[]>(sizeof text);
  std::copy(text, text + sizeof text, exact.get());
  EXPECT_EQ(CharsetToCodepage(exact.get()), 932u);
}

TEST(CodepageToCharset, NamesTheFourCodepagesAndNothingElse) {
  EXPECT_EQ(CodepageToCharset(932), u"Shift_JIS");
  EXPECT_EQ(CodepageToCharset(50220), u"ISO-2022-JP");
  EXPECT_EQ(CodepageToCharset(20932), u"EUC-JP");
  EXPECT_EQ(CodepageToCharset(65001), u"UTF-8");
  for (std::uint32_t other : {0u, 1u, 1252u}) {
    EXPECT_EQ(CodepageToCharset(other), u"unknown charset") << other;
  }
}

}  // namespace
