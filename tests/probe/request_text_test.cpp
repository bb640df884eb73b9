// Request text as sent, request files, charset choice and the status read
// back from a response.
#include <gtest/gtest.h>

#include "request_text.h"
#include "visible_text.h"

namespace {

TEST(RequestText, BuildsLinesInOrderWithCrLf) {
  RequestPlan plan;
  plan.securityLevel = "local";
  plan.headers = {"Sender: probe"};
  plan.arguments = {"config", "margin", ""};
  EXPECT_EQ(BuildRequestText(plan),
            "EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\nSecurityLevel: local\r\nSender: probe\r\n"
            "Argument0: config\r\nArgument1: margin\r\nArgument2: \r\n\r\n");
  RequestPlan version;
  version.command = "GET Version";
  version.charset.reset();
  EXPECT_EQ(BuildRequestText(version), "GET Version SAORI/1.0\r\n\r\n");
}

TEST(RequestText, FileBlocksSplitAtBlankLines) {
  const std::string file =
      "# comment before\n"
      "EXECUTE SAORI/1.0\r\n"
      "Argument0: start\n"
      "\n\n   \n"
      "# between\n"
      "GET Version SAORI/1.0\n"
      "\t\n"
      "EXECUTE SAORI/1.0";  // no line end at the very end
  EXPECT_EQ(SplitRequestBlocks(file),
            (std::vector<std::string>{"EXECUTE SAORI/1.0\r\nArgument0: start\r\n\r\n", "GET Version SAORI/1.0\r\n\r\n",
                                      "EXECUTE SAORI/1.0\r\n\r\n"}));
  EXPECT_TRUE(SplitRequestBlocks("\n# only a comment\n\n").empty());
}

TEST(RequestText, CodepageAsAModuleReadsIt) {
  const struct {
    const char* text;
    std::uint32_t codepage;
  } kCases[] = {
      {"EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\n\r\n", kProbeCodepageUtf8},
      {"EXECUTE SAORI/1.0\r\ncharset: utf-8\r\n", kProbeCodepageUtf8},
      {"EXECUTE SAORI/1.0\r\nCHARSET: EUC-JP\r\n", kProbeCodepageEucJp},
      {"EXECUTE SAORI/1.0\r\nCharset: x-euc-jp\r\n", kProbeCodepageEucJp},
      {"EXECUTE SAORI/1.0\r\nCharset: ISO-2022-JP-2\r\n", kProbeCodepageIso2022Jp},
      {"EXECUTE SAORI/1.0\r\nCharset: x-sjis\r\n", kProbeCodepageShiftJis},
      {"EXECUTE SAORI/1.0\r\nCharset: utf8\r\n", kProbeCodepageShiftJis},
      {"EXECUTE SAORI/1.0\r\nCharset:UTF-8\r\n", kProbeCodepageShiftJis},
      {"EXECUTE SAORI/1.0\r\n\r\n", kProbeCodepageShiftJis},
      {"EXECUTE SAORI/1.0\r\nCharset: EUC-JP\r\nCharset: UTF-8\r\n", kProbeCodepageEucJp},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CodepageNamedIn(c.text), c.codepage);
  }
}

TEST(RequestText, ResponseStatus) {
  const struct {
    const char* response;
    std::optional<int> status;
  } kCases[] = {
      {"SAORI/1.0 204 No Content\r\nCharset: UTF-8\r\n", 204},
      {"SAORI/1.0 200 OK\r\n", 200},
      {"SAORI/1.0 500 Internal Server Error\r\n\r\n", 500},
      {"SAORI/1.0 999 Unknown Error\r\n", 999},
      {"SAORI/1.0 -1 Unknown Error\r\n", std::nullopt},
      {"SAORI/1.0 2040 X\r\n", std::nullopt},
      {"SAORI/1.0 20 X\r\n", std::nullopt},
      {"SAORI/1.0\r\n204 No Content", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.response);
    EXPECT_EQ(ResponseStatus(c.response), c.status);
  }
}

TEST(VisibleText, LineEndsAndControlBytesShow) {
  const struct {
    std::string text;
    std::string shown;
  } kCases[] = {
      {"SAORI/1.0 204 No Content\r\n\r\n", "SAORI/1.0 204 No Content\\r\\n\n\\r\\n\n"},
      {"a\rb\nc", "a\\r\nb\\n\nc\n"},
      {"\n\r", "\\n\n\\r\n"},
      {std::string("v\x01w\x7F\\x\x1B", 7), "v\\x01w\\x7F\\\\x\\x1B\n"},
      {"\xE3\x81\x82", "\xE3\x81\x82\n"},
      {"", "\n"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.shown);
    EXPECT_EQ(MakeLineEndsVisible(c.text), c.shown);
  }
}

}  // namespace
