#include "bridge/decimal_reader.h"

#include <gtest/gtest.h>

namespace {

struct Case {
  WideString text;
  std::int32_t expected;
  const char* what;
};

TEST(ReadLenientDecimal, Vectors) {
  const Case cases[] = {
      {u"1234", 1234, "plain"},
      {u"", 0, "empty"},
      {u"abc", 0, "no digits"},
      {u" +1234abc", 1234, "space, plus, digits, trailing letters"},
      {u"\t\r\n\v\f 42", 42, "ASCII white space"},
      {u"\u3000\u00A07", 7, "ideographic and no-break space"},
      {u"-17", -17, "minus"},
      {u"+-5", 0, "one sign only"},
      {u"- 5", 0, "no space after the sign"},
      {u"12 34", 12, "stops at the first non-digit"},
      {u"0x1A", 0, "hexadecimal reads its leading 0"},
      {u"007", 7, "leading zeros"},
      {u"2147483647", 2147483647, "int32 maximum"},
      {u"2147483648", 2147483647, "saturates upward"},
      {u"-2147483648", -2147483647 - 1, "int32 minimum"},
      {u"-2147483649", -2147483647 - 1, "saturates downward"},
      {u"99999999999999999999999999", 2147483647, "very long run"},
      {u"\uFF11\uFF12\uFF13", 123, "full-width"},
      {u"-\uFF19", -9, "full-width after a sign"},
      {u"\u0661\u0662", 12, "Arabic-Indic"},
      {u"\u0966\u096F", 9, "Devanagari, first and last of the run"},
      {u"\u0E55\u0ED5\u0F25\u1045\u17E5\u1815", 555555, "Thai, Lao, Tibetan, Myanmar, Khmer, Mongolian"},
      {u"\u06F4\u09EA\u0A6A\u0AEA\u0B6A\u0C6A\u0CEA\u0D6A", 44444444, "the Indic runs"},
      {u"1\u0670", 1, "just past a run is not a digit"},
      {u"\uFF0F1", 0, "just before the full-width run is not a digit"},
      {u"\uFF21", 0, "full-width letter"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(ReadLenientDecimal(c.text), c.expected);
  }
}

}  // namespace
