#include "message/response_composer.h"

#include <gtest/gtest.h>

#include "message/words_module.h"

namespace {

class ResponseComposerTest : public testing::Test {
 protected:
  WordsModule module_;
};

struct ComposeCase {
  const char* what;
  std::int32_t status;
  std::uint32_t codepage;
  WideString result;
  std::vector<WideString> values;
  HeaderMap headers;
  WideString text;
  std::int32_t settled;
};

TEST_F(ResponseComposerTest, WritesTheSkeletonForEveryStatus) {
  const ComposeCase cases[] = {
      {"version reply", 0, 932, u"", {}, {},
       u"SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n", 200},
      {"result", 200, 932, u"abc", {}, {},
       u"SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: abc\r\n\r\n", 200},
      {"200 with nothing to say", 200, 932, u"", {}, {},
       u"SAORI/1.0 204 No Content\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n", 204},
      {"version reply with content stays 200", 0, 932, u"x", {}, {},
       u"SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: x\r\n\r\n", 200},
      {"204", 204, 932, u"", {}, {},
       u"SAORI/1.0 204 No Content\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n", 204},
      {"400", 400, 932, u"", {}, {},
       u"SAORI/1.0 400 Bad Request\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n", 400},
      {"500 in UTF-8", 500, 65001, u"", {}, {},
       u"SAORI/1.0 500 Internal Server Error\r\nCharset: UTF-8\r\nResult: \r\n\r\n", 500},
      {"EUC-JP", 204, 20932, u"", {}, {},
       u"SAORI/1.0 204 No Content\r\nCharset: EUC-JP\r\nResult: \r\n\r\n", 204},
      {"ISO-2022-JP", 204, 50220, u"", {}, {},
       u"SAORI/1.0 204 No Content\r\nCharset: ISO-2022-JP\r\nResult: \r\n\r\n", 204},
      {"unknown code page", 204, 1252, u"", {}, {},
       u"SAORI/1.0 204 No Content\r\nCharset: unknown charset\r\nResult: \r\n\r\n", 204},
      {"values without result stay 200", 200, 932, u"", {u"a", u"b"}, {},
       u"SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\nValue0: a\r\nValue1: b\r\n\r\n",
       200},
      {"headers alone stay 200, in map order, before values, Charset not merged", 200, 932,
       u"r", {u"v"}, {{u"B", u"2"}, {u"A", u"1"}, {u"Charset", u"x"}},
       u"SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: r\r\nA: 1\r\nB: 2\r\nCharset: x\r\n"
       u"Value0: v\r\n\r\n",
       200},
      {"line breaks in values become U+0001, not in result or headers", 200, 932, u"r\r\n",
       {u"a\r\nb\nc\rd\r\r\n"}, {{u"H", u"h\n"}},
       u"SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: r\r\n\r\nH: h\n\r\n"
       u"Value0: a\u0001b\u0001c\u0001d\u0001\u0001\r\n\r\n",
       200},
      {"unknown status", 999, 932, u"", {}, {},
       u"SAORI/1.0 999 Unknown Error\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n", 999},
      {"negative status", -1, 932, u"", {}, {},
       u"SAORI/1.0 -1 Unknown Error\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n", -1},
      {"most negative status", -2147483647 - 1, 932, u"", {}, {},
       u"SAORI/1.0 -2147483648 Unknown Error\r\nCharset: Shift_JIS\r\nResult: \r\n\r\n",
       -2147483647 - 1},
  };
  for (const ComposeCase& c : cases) {
    SCOPED_TRACE(c.what);
    CSAORIResponse response(&module_);
    response.status = c.status;
    response.codepage = c.codepage;
    response.result = c.result;
    response.values = c.values;
    response.headers = c.headers;
    EXPECT_EQ(ComposeResponse(response), c.text);
    EXPECT_EQ(response.status, c.settled);
    EXPECT_EQ(response.values, c.values);  // cleaning works on a copy
  }
}

TEST(StatusText, GivesTheReasonPhraseOrUnknownError) {
  const std::pair<std::int32_t, const char16_t*> rows[] = {
      {200, u"OK"},           {204, u"No Content"},       {210, u"Break"},
      {300, u"Communicate"},  {311, u"Not Enough"},       {312, u"Advice"},
      {400, u"Bad Request"},  {401, u"Unauthorized"},     {403, u"Forbidden"},
      {404, u"Not Found"},    {405, u"Method Not Allowed"}, {406, u"Not Acceptable"},
      {408, u"Request Timeout"}, {409, u"Conflict"},      {420, u"Refuse"},
      {500, u"Internal Server Error"}, {501, u"Not Implemented"}, {503, u"Service Unavailable"},
      {510, u"Not Local IP"}, {511, u"In Black List"},    {512, u"Invisible"},
      {0, u"Unknown Error"},  {201, u"Unknown Error"},    {-400, u"Unknown Error"},
  };
  for (const auto& [status, phrase] : rows) {
    EXPECT_EQ(StatusText(status), phrase) << status;
  }
}

TEST_F(ResponseComposerTest, ClearForNotifyEmptiesOnlySuccessfulResponses) {
  for (std::int32_t success : {200, 0}) {
    SCOPED_TRACE(success);
    CSAORIResponse response(&module_);
    response.status = success;
    response.result = u"r";
    response.values = {u"v"};
    response.headers[u"H"] = u"h";
    ClearForNotify(response);
    EXPECT_EQ(response.status, 204);
    EXPECT_TRUE(response.result.empty());
    EXPECT_TRUE(response.values.empty());
    EXPECT_EQ(response.headers.size(), 1u);
  }
  CSAORIResponse failed(&module_);
  failed.status = 400;
  failed.result = u"r";
  failed.values = {u"v"};
  ClearForNotify(failed);
  EXPECT_EQ(failed.status, 400);
  EXPECT_EQ(failed.result, u"r");
  EXPECT_EQ(failed.values.size(), 1u);
}

}  // namespace
