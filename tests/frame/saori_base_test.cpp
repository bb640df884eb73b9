#include "frame/saori_base.h"

#include <gtest/gtest.h>

namespace {

// Leaves every hook of the base classes as it is.
class PlainModule : public CSAORI {
 public:
  void Execute(CSAORIRequest&, CSAORIResponse&) override {}
  bool OnUnload() override { return true; }
  bool OnLoad() override { return true; }
};

TEST(SaoriBase, SpeaksTheSaoriWordsAndKeepsEachStringForGood) {
  PlainModule module;
  EXPECT_EQ(module.GetProtocolVersion(), u"SAORI/1.0");
  EXPECT_EQ(module.GetProtocolMarker(), u" SAORI/");
  EXPECT_EQ(module.GetArgumentPrefix(), u"Argument");
  EXPECT_EQ(module.GetValuePrefix(), u"Value");
  EXPECT_EQ(module.GetResultKey(), u"Result");
  PlainModule other;
  EXPECT_EQ(&module.GetProtocolMarker(), &other.GetProtocolMarker());
  EXPECT_EQ(&module.GetResultKey(), &module.GetResultKey());
}

TEST(SaoriBase, StartsEmptyAndItsDefaultHooksChangeNothing) {
  PlainModule module;
  EXPECT_TRUE(module.m_moduleDir.empty());
  EXPECT_EQ(module.m_hModule, nullptr);

  CSAORIRequest request(&module);
  request.command = u"EXECUTE";
  request.args = {u"a"};
  CSAORIResponse response(&module);
  response.status = 500;
  module.BeforeExecute(request, response);
  module.AfterExecute(request, response);
  EXPECT_FALSE(module.ExecuteNonLocal(request, response));
  EXPECT_EQ(request.command, u"EXECUTE");
  EXPECT_EQ(request.args.size(), 1u);
  EXPECT_EQ(response.status, 500);
  EXPECT_TRUE(response.result.empty());
  EXPECT_TRUE(response.values.empty());
  EXPECT_TRUE(response.headers.empty());
}

}  // namespace
