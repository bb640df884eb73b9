#include "message/request_parser.h"

#include <gtest/gtest.h>

#include <memory>

#include "message/decimal_text.h"
#include "message/words_module.h"

namespace {

// The record as one line, so a table row can say what the parse must give:
// command|id|[arg,arg]|{key=value,...}
std::string Dump(const CSAORIRequest& request) {
  auto narrow = [](const WideString& text) {
    std::string out;
    for (char16_t c : text) out += c < 0x80 ? static_cast<char>(c) : '#';
    return out;
  };
  std::string out = narrow(request.command) + "|" + narrow(request.id) + "|[";
  for (std::size_t i = 0; i < request.args.size(); ++i) {
    out += (i ? "," : "") + narrow(request.args[i]);
  }
  out += "]|{";
  bool first = true;
  for (const auto& [key, value] : request.headers) {
    out += (first ? "" : ",") + narrow(key) + "=" + narrow(value);
    first = false;
  }
  return out + "}";
}

class RequestParserTest : public testing::Test {
 protected:
  WordsModule module_;
};

struct ParseCase {
  const char16_t* what;
  WideString text;
  std::string expected;
};

TEST_F(RequestParserTest, ReadsCommandArgumentsIdAndHeaders) {
  const ParseCase cases[] = {
      {u"command only", u"EXECUTE SAORI/1.0", "EXECUTE||[]|{}"},
      {u"version reply command", u"GET Version SAORI/1.0\r\n\r\n", "GET Version||[]|{}"},
      {u"anything after the marker is ignored", u"GET Version SAORI/9.9 extra", "GET Version||[]|{}"},
      {u"marker only gives an empty command", u" SAORI/1.0", "||[]|{}"},
      {u"full request", u"EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\nSender: host\r\nID: 7\r\n"
                        u"Argument0: config\r\nArgument1: margin\r\nArgument2: 300\r\n\r\n",
       "EXECUTE|7|[config,margin,300]|{Charset=UTF-8,Sender=host}"},
      {u"gaps are empty, order does not matter", u"X SAORI/1.0\nArgument2: c\nArgument0: a",
       "X||[a,,c]|{}"},
      {u"a later line for the same number replaces", u"X SAORI/1.0\nArgument1: a\nArgument1: b",
       "X||[,b]|{}"},
      {u"argument keys in any case", u"X SAORI/1.0\nargument0: a\nARGUMENT1: b", "X||[a,b]|{}"},
      {u"prefix and a letter is skipped", u"X SAORI/1.0\nArgumentX: a", "X||[]|{}"},
      {u"prefix and a negative number is skipped", u"X SAORI/1.0\nArgument-1: a", "X||[]|{}"},
      {u"prefix alone is a header", u"X SAORI/1.0\nArgument: a", "X||[]|{Argument=a}"},
      {u"zeros are number 0", u"X SAORI/1.0\nArgument00: a", "X||[a]|{}"},
      {u"white space before the number", u"X SAORI/1.0\nArgument 1: a", "X||[,a]|{}"},
      {u"white space before 0 is skipped", u"X SAORI/1.0\nArgument 0: a", "X||[]|{}"},
      {u"sign before 0 is skipped", u"X SAORI/1.0\nArgument+0: a", "X||[]|{}"},
      {u"digits stop at the first non-digit", u"X SAORI/1.0\nArgument1x: a", "X||[,a]|{}"},
      {u"numbers over the cap are skipped",
       u"X SAORI/1.0\nArgument65536: a\nArgument2147483647: b\nArgument99999999999: c\nArgument0: d",
       "X||[d]|{}"},
      {u"colon without space is skipped", u"X SAORI/1.0\nKey:value", "X||[]|{}"},
      {u"empty key is skipped", u"X SAORI/1.0\n: value", "X||[]|{}"},
      {u"value keeps spaces and further separators", u"X SAORI/1.0\nKey:   a: b ",
       "X||[]|{Key=  a: b }"},
      {u"key keeps its spaces", u"X SAORI/1.0\n Key : v", "X||[]|{ Key =v}"},
      {u"ID in any case, last wins", u"X SAORI/1.0\nid: 1\nId: 2", "X|2|[]|{}"},
      {u"canonical keys collapse, last wins",
       u"X SAORI/1.0\nsender: a\nSENDER: b\nsecuritylevel: local\ncharset: x",
       "X||[]|{Charset=x,SecurityLevel=local,Sender=b}"},
      {u"other keys keep their case", u"X SAORI/1.0\nfoo: a\nFoo: b", "X||[]|{Foo=b,foo=a}"},
      {u"lines after an empty line are read", u"X SAORI/1.0\r\n\r\nArgument0: a\r\n\r\nK: v",
       "X||[a]|{K=v}"},
      {u"lone CR ends lines", u"X SAORI/1.0\rArgument0: a\rK: v\r", "X||[a]|{K=v}"},
      {u"two CR make an empty line between", u"X SAORI/1.0\r\rK: v", "X||[]|{K=v}"},
  };
  for (const ParseCase& c : cases) {
    SCOPED_TRACE(std::string(c.what, c.what + std::char_traits<char16_t>::length(c.what)));
    CSAORIRequest request(&module_);
    ASSERT_TRUE(ParseRequest(request, c.text));
    EXPECT_EQ(Dump(request), c.expected);
  }
}

TEST_F(RequestParserTest, RejectsAFirstLineWithoutTheMarkerAndChangesNothing) {
  const WideString rejected[] = {
      u"", u"\r\nEXECUTE SAORI/1.0", u"EXECUTESAORI/1.0", u"EXECUTE saori/1.0",
      u"EXECUTE\r\n SAORI/1.0", u"EXECUTE SAORI",
  };
  for (const WideString& text : rejected) {
    SCOPED_TRACE(testing::Message() << "length " << text.size());
    CSAORIRequest request(&module_);
    request.command = u"before";
    request.headers[u"Kept"] = u"yes";
    request.args = {u"a"};
    EXPECT_FALSE(ParseRequest(request, text));
    EXPECT_EQ(Dump(request), "before||[a]|{Kept=yes}");
  }
}

TEST_F(RequestParserTest, TakesArgumentNumbersUpToTheCap) {
  CSAORIRequest request(&module_);
  ASSERT_TRUE(ParseRequest(request, u"X SAORI/1.0\nArgument65535: last\nArgument65536: over"));
  ASSERT_EQ(request.args.size(), 65536u);
  EXPECT_EQ(request.args.back(), u"last");
}

TEST_F(RequestParserTest, SuccessfulParseReplacesWhatTheRecordHeld) {
  CSAORIRequest request(&module_);
  request.headers[u"Old"] = u"x";
  request.id = u"old";
  request.args = {u"a", u"b"};
  ASSERT_TRUE(ParseRequest(request, u"GET SAORI/1.0\r\nNew: y\r\n"));
  EXPECT_EQ(Dump(request), "GET||[]|{New=y}");
}

TEST_F(RequestParserTest, EveryPrefixOfARequestParsesOrIsRejectedSafely) {
  const WideString full =
      u"EXECUTE SAORI/1.0\r\nCharset: Shift_JIS\r\nArgument10: x\r\nID: 1\r\n\r\n";
  const std::size_t markerEnd = WideString(u"EXECUTE SAORI/").size();
  for (std::size_t length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE(testing::Message() << "prefix length " << length);
    CSAORIRequest request(&module_);
    EXPECT_EQ(ParseRequest(request, full.substr(0, length)), length >= markerEnd);
  }
}

struct LineCase {
  WideString text;
  std::ptrdiff_t start;
  WideString line;
  std::ptrdiff_t next;
};

TEST(NextLine, CutsOneLineAtCrLfCrOrLf) {
  const LineCase cases[] = {
      {u"ab\r\ncd", 0, u"ab", 4}, {u"ab\rcd", 0, u"ab", 3},  {u"ab\ncd", 0, u"ab", 3},
      {u"ab\n\rcd", 0, u"ab", 3}, {u"ab\r\ncd", 4, u"cd", -1}, {u"ab\r\n", 0, u"ab", -1},
      {u"ab\r", 0, u"ab", -1},    {u"\r\n\r\n", 0, u"", 2},   {u"ab", 2, u"", -1},
      {u"ab", -1, u"", -1},       {u"", 0, u"", -1},          {u"ab", 7, u"", -1},
  };
  for (const LineCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "start " << c.start << ", length " << c.text.size());
    WideString line = u"stale";
    EXPECT_EQ(NextLine(c.start, c.text, line), c.next);
    EXPECT_EQ(line, c.line);
  }
}

struct NumberCase {
  WideString text;
  std::int32_t number;
};

TEST(ReadSaturatedDecimal, ReadsLikeStrtolAndStopsAtTheEndOfTheText) {
  const NumberCase cases[] = {
      {u"12", 12},          {u" \t+7", 7},         {u"-3x", -3},
      {u"", 0},             {u"-", 0},             {u"x1", 0},
      {u"2147483647", 2147483647},                 {u"2147483648", 2147483647},
      {u"-2147483648", -2147483647 - 1},           {u"-99999999999999999999", -2147483647 - 1},
      {u"+-1", 0},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(testing::Message() << "length " << c.text.size() << ", expecting " << c.number);
    // The digits end exactly where the allocation ends, so reading one
    // character too far is caught by AddressSanitizer.
    auto exact = std::make_unique<char16_t[]>(c.text.size());
    std::copy(c.text.begin(), c.text.end(), exact.get());
    EXPECT_EQ(ReadSaturatedDecimal(exact.get(), exact.get() + c.text.size()), c.number);
  }
}

}  // namespace
