#include "frame/request_pipeline.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>

#include "frame/recording_module.h"

namespace {

// The response lines that every empty answer shares, after the status line.
ByteString EmptyBody(const char* charset) {
  return ByteString("Charset: ") + charset + "\r\nResult: \r\n\r\n";
}

const ByteString kNoContent = "SAORI/1.0 204 No Content\r\n" + EmptyBody("Shift_JIS");
const ByteString kBadRequest = "SAORI/1.0 400 Bad Request\r\n" + EmptyBody("Shift_JIS");
const ByteString kServerError = "SAORI/1.0 500 Internal Server Error\r\n" + EmptyBody("Shift_JIS");
const ByteString kVersion = "SAORI/1.0 200 OK\r\n" + EmptyBody("Shift_JIS");

struct PipelineCase {
  const char* what;
  ByteString request;
  std::function<void(RecordingModule&)> setUp;  // how the module answers
  ByteString response;
  std::string calls;  // hooks in the order they ran
};

void Answers204(RecordingModule& module) { module.status = 204; }
void Echoes(RecordingModule& module) {
  module.status = 200;
  module.echoArgsAsValues = true;
}

class RequestPipelineTest : public testing::Test {
 protected:
  void SetUp() override { Install(); }
  void TearDown() override { g_module = nullptr; }

  // A fresh module for each row, so no row sees another's calls.
  RecordingModule& Install() {
    module_ = std::make_unique<RecordingModule>();
    g_module = module_.get();
    return *module_;
  }

  void Check(const PipelineCase& c) {
    SCOPED_TRACE(c.what);
    RecordingModule& module = Install();
    if (c.setUp) c.setUp(module);
    EXPECT_EQ(HandleRequest(c.request), c.response);
    EXPECT_EQ(module.calls, c.calls);
  }

  std::unique_ptr<RecordingModule> module_;
};

TEST_F(RequestPipelineTest, DispatchesByCommand) {
  const PipelineCase cases[] = {
      {"EXECUTE", "EXECUTE SAORI/1.0\r\nArgument0: stop\r\n\r\n", Answers204, kNoContent,
       "Before Execute After"},
      {"commands in any case", "eXeCuTe SAORI/1.0\r\n\r\n", Answers204, kNoContent,
       "Before Execute After"},
      {"GET", "get SAORI/1.0\r\n\r\n", Answers204, kNoContent, "Before Execute After"},
      {"GET Version answers 200 and runs no hook", "GET Version SAORI/1.0\r\n\r\n", Answers204,
       kVersion, ""},
      {"GET Version is case-sensitive", "GET version SAORI/1.0\r\n\r\n", Answers204, kBadRequest,
       ""},
      {"GET Version with more words", "GET Version 2 SAORI/1.0\r\n\r\n", Answers204, kBadRequest,
       ""},
      {"a command that begins with EXECUTE", "EXECUTEX SAORI/1.0\r\n\r\n", Answers204,
       kBadRequest, ""},
      {"empty command", " SAORI/1.0\r\n\r\n", Answers204, kBadRequest, ""},
      {"no marker", "EXECUTE SAORI 1.0\r\n\r\n", Answers204, kServerError, ""},
      {"zero bytes", "", Answers204, kServerError, ""},
      {"NUL-led", ByteString("\0EXECUTE SAORI/1.0\r\n\r\n", 22), Answers204, kServerError, ""},
      {"trailing NUL changes nothing", ByteString("EXECUTE SAORI/1.0\r\n\r\n\0", 22), Answers204,
       kNoContent, "Before Execute After"},
      {"Execute that sets no status", "EXECUTE SAORI/1.0\r\n\r\n", nullptr, kServerError,
       "Before Execute After"},
      {"values echoed, lines after an empty line, all line ends, gaps",
       "EXECUTE SAORI/1.0\rArgument0: a\nArgument3: d\r\n\r\nArgument1: b\r\n", Echoes,
       "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\n"
       "Value0: a\r\nValue1: b\r\nValue2: \r\nValue3: d\r\n\r\n",
       "Before Execute After"},
      {"argument numbers over 65535 are skipped",
       "EXECUTE SAORI/1.0\r\nArgument2147483647: x\r\nArgument65536: y\r\nArgument0: a\r\n\r\n",
       Echoes, "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\nValue0: a\r\n\r\n",
       "Before Execute After"},
  };
  for (const PipelineCase& c : cases) Check(c);
}

TEST_F(RequestPipelineTest, ExecutesLocallyOnlyWithoutOrWithLocalSecurityLevel) {
  const auto accepts = [](RecordingModule& module) {
    module.acceptNonLocal = true;
    module.status = 200;
    module.result = u"ok";
  };
  const auto rewritesLevel = [](RecordingModule& module) {
    module.status = 204;
    module.securityLevelFromBefore = u"external";
  };
  const ByteString ok = "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: ok\r\n\r\n";
  const PipelineCase cases[] = {
      {"local", "EXECUTE SAORI/1.0\r\nSecurityLevel: local\r\n\r\n", Answers204, kNoContent,
       "Before Execute After"},
      {"local in capitals, key in small letters",
       "EXECUTE SAORI/1.0\r\nsecuritylevel: LOCAL\r\n\r\n", Answers204, kNoContent,
       "Before Execute After"},
      {"empty value", "EXECUTE SAORI/1.0\r\nSecurityLevel: \r\n\r\n", Answers204, kNoContent,
       "Before Execute After"},
      {"external, refused", "EXECUTE SAORI/1.0\r\nSecurityLevel: external\r\n\r\n", Answers204,
       kServerError, "Before NonLocal After"},
      {"external, accepted", "EXECUTE SAORI/1.0\r\nSecurityLevel: external\r\n\r\n", accepts, ok,
       "Before NonLocal After"},
      {"BeforeExecute cannot change the decision", "EXECUTE SAORI/1.0\r\n\r\n", rewritesLevel,
       kNoContent, "Before Execute After"},
  };
  for (const PipelineCase& c : cases) Check(c);
}

TEST_F(RequestPipelineTest, AnswersSuccessfulNotifyWithNoContent) {
  const auto fills = [](std::int32_t status) {
    return [status](RecordingModule& module) {
      module.status = status;
      module.result = u"r";
      module.echoArgsAsValues = true;
    };
  };
  const auto withHeader = [](RecordingModule& module) {
    module.status = 200;
    module.headers[u"X"] = u"kept";
  };
  const ByteString request = "NOTIFY SAORI/1.0\r\nArgument0: a\r\n\r\n";
  const PipelineCase cases[] = {
      {"200 becomes 204", request, fills(200), kNoContent, "Before Execute After"},
      {"notify in small letters", "notify SAORI/1.0\r\nArgument0: a\r\n\r\n", fills(200),
       kNoContent, "Before Execute After"},
      {"400 stays with its result and values", request, fills(400),
       "SAORI/1.0 400 Bad Request\r\nCharset: Shift_JIS\r\nResult: r\r\nValue0: a\r\n\r\n",
       "Before Execute After"},
      {"headers survive", request, withHeader,
       "SAORI/1.0 204 No Content\r\nCharset: Shift_JIS\r\nResult: \r\nX: kept\r\n\r\n",
       "Before Execute After"},
  };
  for (const PipelineCase& c : cases) Check(c);
}

TEST_F(RequestPipelineTest, DecodesAndAnswersInTheCharsetTheRequestNames) {
  const ByteString utf8Answer =
      "SAORI/1.0 200 OK\r\nCharset: UTF-8\r\nResult: \r\nValue0: \xE3\x81\x82\r\n\r\n";
  const ByteString sjisAnswer =
      "SAORI/1.0 200 OK\r\nCharset: Shift_JIS\r\nResult: \r\nValue0: \x82\xA0\r\n\r\n";
  const PipelineCase cases[] = {
      {"no Charset line: Shift_JIS", "EXECUTE SAORI/1.0\r\nArgument0: \x82\xA0\r\n\r\n", Echoes,
       sjisAnswer, "Before Execute After"},
      {"UTF-8", "EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\nArgument0: \xE3\x81\x82\r\n\r\n", Echoes,
       utf8Answer, "Before Execute After"},
      {"key and name in any case",
       "EXECUTE SAORI/1.0\r\nCHARSET: utf-8\r\nArgument0: \xE3\x81\x82\r\n\r\n", Echoes,
       utf8Answer, "Before Execute After"},
      {"EUC-JP", "EXECUTE SAORI/1.0\r\nCharset: EUC-JP\r\nArgument0: \xA4\xA2\r\n\r\n", Echoes,
       "SAORI/1.0 200 OK\r\nCharset: EUC-JP\r\nResult: \r\nValue0: \xA4\xA2\r\n\r\n",
       "Before Execute After"},
      {"ISO-2022-JP",
       "EXECUTE SAORI/1.0\r\nCharset: ISO-2022-JP\r\nArgument0: \x1B$B$\"\x1B(B\r\n\r\n", Echoes,
       "SAORI/1.0 200 OK\r\nCharset: ISO-2022-JP\r\nResult: \r\nValue0: \x1B$B$\"\x1B(B\r\n\r\n",
       "Before Execute After"},
      {"no space after the colon: Shift_JIS",
       "EXECUTE SAORI/1.0\r\nCharset:UTF-8\r\nArgument0: \x82\xA0\r\n\r\n", Echoes, sjisAnswer,
       "Before Execute After"},
      {"unknown name: Shift_JIS",
       "EXECUTE SAORI/1.0\r\nCharset: latin-1\r\nArgument0: \x82\xA0\r\n\r\n", Echoes,
       sjisAnswer, "Before Execute After"},
      {"the first of two Charset lines decides",
       "EXECUTE SAORI/1.0\r\nCharset: UTF-8\r\nCharset: EUC-JP\r\nArgument0: \xE3\x81\x82\r\n\r\n",
       Echoes, utf8Answer, "Before Execute After"},
      {"a Charset line after a lone CR is not seen",
       "EXECUTE SAORI/1.0\rCharset: UTF-8\rArgument0: \x82\xA0\r", Echoes, sjisAnswer,
       "Before Execute After"},
      {"a hook may change the answer's charset", "EXECUTE SAORI/1.0\r\nArgument0: \x82\xA0\r\n",
       [](RecordingModule& module) {
         Echoes(module);
         module.responseCodepage = 65001;
       },
       utf8Answer, "Before Execute After"},
      {"a charset nothing can encode in gives an empty answer",
       "EXECUTE SAORI/1.0\r\nArgument0: a\r\n",
       [](RecordingModule& module) {
         Echoes(module);
         module.responseCodepage = 12345;
       },
       "", "Before Execute After"},
      {"a request that does not parse is answered in its charset",
       "EXECUTE\r\nCharset: UTF-8\r\n", nullptr,
       "SAORI/1.0 500 Internal Server Error\r\n" + EmptyBody("UTF-8"), ""},
  };
  for (const PipelineCase& c : cases) Check(c);
}

TEST_F(RequestPipelineTest, LeavesExceptionsFromHooksToTheCaller) {
  module_->throwInExecute = true;
  EXPECT_THROW(HandleRequest("EXECUTE SAORI/1.0\r\n\r\n"), std::runtime_error);
  EXPECT_EQ(module_->calls, "Before Execute");
  // Nothing of the failed request lingers: the next one is served as usual.
  module_->throwInExecute = false;
  module_->status = 204;
  EXPECT_EQ(HandleRequest("EXECUTE SAORI/1.0\r\n\r\n"), kNoContent);
}

}  // namespace
