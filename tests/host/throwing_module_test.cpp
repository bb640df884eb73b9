// No exception from a module's hooks ever reaches the host.
#include <gtest/gtest.h>

#include "host/module_host.h"

namespace {

const std::string kBareInternalError = "SAORI/1.0 500 Internal Server Error\r\n\r\n";

class ThrowingModuleTest : public testing::Test {
 protected:
  ModuleHost host_{L"ThrowingModule.dll"};
};

TEST_F(ThrowingModuleTest, ExecuteExceptionBecomesTheBare500Answer) {
  ASSERT_TRUE(host_.loaded());
  ASSERT_EQ(host_.Load("ok"), TRUE);
  for (const char* charset : {"UTF-8", "Shift_JIS"}) {
    SCOPED_TRACE(charset);
    const ModuleResponse response = host_.Request(
        std::string("EXECUTE SAORI/1.0\r\nCharset: ") + charset + "\r\nArgument0: x\r\n\r\n");
    EXPECT_EQ(response.bytes, kBareInternalError);
    EXPECT_EQ(response.storedLength, 39);
    EXPECT_TRUE(response.nulAfterBytes);
  }
  // Requests that run no hook are answered as usual.
  EXPECT_EQ(StatusOf(host_.Request("GET Version SAORI/1.0\r\n\r\n").bytes), 200);
  EXPECT_EQ(host_.Unload(), TRUE);
}

TEST_F(ThrowingModuleTest, HookResultsAndExceptionsAtLoadAndUnload) {
  struct Case {
    std::string text;
    long length;  // -1: the whole text
    BOOL loadResult;
    BOOL unloadResult;
  };
  const Case cases[] = {
      {"ok", -1, TRUE, TRUE},
      {"fail load", -1, FALSE, TRUE},
      {"throw on load", -1, FALSE, TRUE},
      {"throw on unload", -1, TRUE, FALSE},
      // The text stops at the first NUL byte, counted in the length or not.
      {std::string("throw on load\0tail", 18), 18, FALSE, TRUE},
      {std::string("throw on unload\0", 16), 16, TRUE, FALSE},
  };
  ASSERT_TRUE(host_.loaded());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.c_str());
    EXPECT_EQ(host_.Load(c.text, c.length), c.loadResult);
    // The instance stays after a failed load hook and serves requests.
    EXPECT_EQ(host_.Request(ExecuteRequest({"x"})).bytes, kBareInternalError);
    EXPECT_EQ(host_.Unload(), c.unloadResult);
    EXPECT_EQ(host_.Unload(), TRUE) << "destroyed even when its hook threw";
  }
}

}  // namespace
