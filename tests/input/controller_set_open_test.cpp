// Opening the controller set: what it asks of DirectInput and what it makes of
// the answers.
#include <cctype>
#include <functional>

#include "input/controller_set_fixture.h"

namespace {

const Words kSetUpFirst = {"CreateDevice#0", "SetDataFormat#0", "SetProperty#0", "SetProperty#0",
                           "SetProperty#0", "SetProperty#0", "SetProperty#0", "SetProperty#0"};

TEST_F(VirtualControllerSetTest, OpenCallsDirectInputWithTheJoystickSetUp) {
  int pad = vdi.AddController(L"Pad instance", L"Pad product");
  auto set = OpenSet();

  Words expected = {"Create", "EnumDevices"};
  expected.insert(expected.end(), kSetUpFirst.begin(), kSetUpFirst.end());
  EXPECT_EQ(Describe(vdi.Calls()), expected);  // no cooperative level, no AddRef, nothing else

  VdiCall create = vdi.CallsOf(kVdiCreate).at(0);
  EXPECT_EQ(create.args[0], 0x0800);  // version
  EXPECT_EQ(create.args[1], 0);       // no outer object
  EXPECT_EQ(create.args[2], 1);       // the module instance handle is passed
  EXPECT_TRUE(IsEqualIID(create.guid, IID_IDirectInput8W));

  VdiCall enumerate = vdi.CallsOf(kVdiEnumDevices).at(0);
  EXPECT_EQ(enumerate.args[0], DI8DEVCLASS_GAMECTRL);
  EXPECT_EQ(enumerate.args[1], DIEDFL_ATTACHEDONLY);

  VdiCall createDevice = vdi.CallsOf(kVdiCreateDevice).at(0);
  EXPECT_TRUE(IsEqualGUID(createDevice.guid, vdi.ControllerGuid(pad)));
  EXPECT_EQ(createDevice.args[0], 0);  // no outer object

  VdiCall format = vdi.CallsOf(kVdiSetDataFormat).at(0);
  const std::int32_t expectedFormat[] = {24, 16, DIDF_ABSAXIS, 272, 164};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(format.args[i], expectedFormat[i]) << "format field " << i;

  std::vector<VdiCall> ranges = vdi.CallsOf(kVdiSetProperty);
  ASSERT_EQ(ranges.size(), 6u);
  for (size_t i = 0; i < ranges.size(); ++i) {
    SCOPED_TRACE("range " + std::to_string(i));
    EXPECT_EQ(ranges[i].args[0], 4);   // DIPROP_RANGE
    EXPECT_EQ(ranges[i].args[1], 24);  // sizeof(DIPROPRANGE)
    EXPECT_EQ(ranges[i].args[2], 16);  // sizeof(DIPROPHEADER)
    EXPECT_EQ(ranges[i].args[3], static_cast<std::int32_t>(4 * i));  // lX, lY, lZ, lRx, lRy, lRz
    EXPECT_EQ(ranges[i].args[4], DIPH_BYOFFSET);
    EXPECT_EQ(ranges[i].args[5], -1000);
    EXPECT_EQ(ranges[i].args[6], 1000);
  }

  ASSERT_EQ(set->deviceCount(), 1);
  EXPECT_NE(set->devices()[0].device.get(), nullptr);
  EXPECT_STREQ(set->devices()[0].instanceName, L"Pad instance");
  EXPECT_STREQ(set->devices()[0].productName, L"Pad product");
}

struct OpenCase {
  const char* what;
  std::function<void(VirtualController&)> script;
  OpenResult result;
  int deviceCount;
  std::vector<bool> deviceOpened;  // per entry: has a device
  bool hasInterface;
};

class OpenResultTest : public VirtualControllerSetTest,
                       public ::testing::WithParamInterface<OpenCase> {};

TEST_P(OpenResultTest, ReportsWhatDirectInputAnswered) {
  const OpenCase& c = GetParam();
  c.script(vdi);
  auto set = OpenSet(c.result);
  EXPECT_EQ(set->deviceCount(), c.deviceCount);
  ASSERT_EQ(set->devices().size(), c.deviceOpened.size());
  for (size_t i = 0; i < c.deviceOpened.size(); ++i) {
    EXPECT_EQ(set->devices()[i].device.get() != nullptr, c.deviceOpened[i]) << "entry " << i;
  }
  EXPECT_EQ(set->directInput() != nullptr, c.hasInterface);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, OpenResultTest,
    ::testing::Values(
        OpenCase{"one controller", [](VirtualController& v) { v.AddController(L"a", L"A"); },
                 OpenResult::Opened, 1, {true}, true},
        OpenCase{"two controllers",
                 [](VirtualController& v) {
                   v.AddController(L"a", L"A");
                   v.AddController(L"b", L"B");
                 },
                 OpenResult::Opened, 2, {true, true}, true},
        OpenCase{"no controller attached", [](VirtualController&) {}, OpenResult::NoController, 0, {},
                 true},
        OpenCase{"enumeration fails",
                 [](VirtualController& v) {
                   v.AddController(L"a", L"A");
                   v.FailEnum(DIERR_GENERIC);
                 },
                 OpenResult::NoController, 0, {}, true},
        OpenCase{"interface cannot be created",
                 [](VirtualController& v) {
                   v.AddController(L"a", L"A");
                   v.FailCreate(DIERR_GENERIC);
                 },
                 OpenResult::CreateFailed, 0, {}, false},
        OpenCase{"first controller cannot be opened, second can",
                 [](VirtualController& v) {
                   v.FailCreateDevice(v.AddController(L"a", L"A"), DIERR_GENERIC);
                   v.AddController(L"b", L"B");
                 },
                 OpenResult::Opened, 2, {false, true}, true},
        OpenCase{"no controller can be opened",
                 [](VirtualController& v) { v.FailCreateDevice(v.AddController(L"a", L"A"), DIERR_GENERIC); },
                 OpenResult::Opened, 1, {false}, true}),
    [](const ::testing::TestParamInfo<OpenCase>& info) {
      std::string name;
      for (const char* p = info.param.what; *p; ++p) name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
      return name;
    });

TEST_F(VirtualControllerSetTest, EveryControllerIsSetUpInReportedOrder) {
  vdi.AddController(L"a", L"A");
  vdi.AddController(L"b", L"B");
  auto set = OpenSet();
  Words expected = {"Create", "EnumDevices"};
  for (const char* device : {"#0", "#1"}) {
    expected.push_back(std::string("CreateDevice") + device);
    expected.push_back(std::string("SetDataFormat") + device);
    for (int i = 0; i < 6; ++i) expected.push_back(std::string("SetProperty") + device);
  }
  EXPECT_EQ(Describe(vdi.Calls()), expected);
  EXPECT_STREQ(set->devices()[1].productName, L"B");
}

TEST_F(VirtualControllerSetTest, FailedDataFormatSetsNoRangeAndEnumerationGoesOn) {
  vdi.FailSetDataFormat(vdi.AddController(L"a", L"A"), DIERR_INVALIDPARAM);
  vdi.AddController(L"b", L"B");
  auto set = OpenSet();
  Words expected = {"Create", "EnumDevices", "CreateDevice#0", "SetDataFormat#0", "CreateDevice#1",
                    "SetDataFormat#1"};
  for (int i = 0; i < 6; ++i) expected.push_back("SetProperty#1");
  EXPECT_EQ(Describe(vdi.Calls()), expected);
  EXPECT_NE(set->devices()[0].device.get(), nullptr);  // kept, released at the end
}

TEST_F(VirtualControllerSetTest, NamesThatFillTheWholeBufferAreCutToFitTheirEnd) {
  // DirectInput's name buffers hold 260 units; a name that fills them has no NUL.
  vdi.AddController(std::wstring(300, L'i'), std::wstring(260, L'p'));
  auto set = OpenSet();
  EXPECT_EQ(std::wstring(set->devices()[0].instanceName), std::wstring(259, L'i'));
  EXPECT_EQ(std::wstring(set->devices()[0].productName), std::wstring(259, L'p'));
}

}  // namespace
