// Reading the first controller: acquisition, the per-frame read with its one
// retry, and the end of a reading run.
#include <functional>
#include <thread>

#include "input/controller_set_fixture.h"

namespace {

struct AcquireCase {
  const char* what;
  HRESULT acquireResult;
  Words calls;
};

class BeginReadingTest : public VirtualControllerSetTest,
                         public ::testing::WithParamInterface<AcquireCase> {};

TEST_P(BeginReadingTest, PollsUnlessAcquireAnsweredDiOk) {
  vdi.SetAcquireResult(vdi.AddController(L"a", L"A"), GetParam().acquireResult);
  auto set = OpenSet();
  MarkLog();
  set->BeginReading();
  EXPECT_EQ(CallsSinceMark(), GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(
    AcquireResults, BeginReadingTest,
    ::testing::Values(AcquireCase{"DiOk", DI_OK, {"Acquire#0"}},
                      AcquireCase{"AlreadyAcquired", S_FALSE, {"Acquire#0", "Poll#0"}},
                      AcquireCase{"OtherAppHasPriority", DIERR_OTHERAPPHASPRIO, {"Acquire#0", "Poll#0"}},
                      AcquireCase{"GenericError", DIERR_GENERIC, {"Acquire#0", "Poll#0"}}),
    [](const ::testing::TestParamInfo<AcquireCase>& info) { return std::string(info.param.what); });

TEST_F(VirtualControllerSetTest, ReadingRunReadsOnlyTheFirstController) {
  int first = vdi.AddController(L"a", L"A");
  int second = vdi.AddController(L"b", L"B");
  vdi.SetState(first, SampleState(7));
  vdi.SetState(second, SampleState(9));
  auto set = OpenSet();
  MarkLog();

  set->BeginReading();
  DIJOYSTATE2 state;
  set->ReadState(state);
  EXPECT_TRUE(SameBytes(state, SampleState(7)));
  vdi.SetState(first, SampleState(8));
  set->ReadState(state);
  EXPECT_TRUE(SameBytes(state, SampleState(8)));
  set->EndReading();

  EXPECT_EQ(CallsSinceMark(),
            (Words{"Acquire#0", "GetDeviceState#0", "GetDeviceState#0", "Unacquire#0"}));
  for (const VdiCall& read : vdi.CallsOf(kVdiGetDeviceState)) EXPECT_EQ(read.args[0], 272);
}

TEST_F(VirtualControllerSetTest, LostAcquisitionIsRegainedAndFreshStateReadInTheSameCall) {
  int pad = vdi.AddController(L"a", L"A");
  auto set = OpenSet();
  set->BeginReading();
  vdi.LoseAcquisition(pad);
  vdi.SetState(pad, SampleState(3));
  MarkLog();

  DIJOYSTATE2 state;
  set->ReadState(state);
  EXPECT_TRUE(SameBytes(state, SampleState(3)));
  EXPECT_EQ(CallsSinceMark(), (Words{"GetDeviceState#0", "Acquire#0", "Poll#0", "GetDeviceState#0"}));

  MarkLog();
  set->ReadState(state);  // acquired again: a plain read
  EXPECT_EQ(CallsSinceMark(), (Words{"GetDeviceState#0"}));
}

TEST_F(VirtualControllerSetTest, ReadThatStillFailsAfterTheRetryYieldsZerosNotWhatTheFailedCallWrote) {
  int pad = vdi.AddController(L"a", L"A");
  vdi.SetState(pad, SampleState(3));
  auto set = OpenSet();
  set->BeginReading();
  vdi.LoseAcquisition(pad);
  vdi.SetAcquireResult(pad, DIERR_OTHERAPPHASPRIO);  // cannot be regained
  vdi.SetFailedReadFill(pad, 0xCD);                  // failed reads scribble on the record
  MarkLog();

  DIJOYSTATE2 state;
  set->ReadState(state);
  EXPECT_TRUE(AllZero(state));
  EXPECT_EQ(CallsSinceMark(), (Words{"GetDeviceState#0", "Acquire#0", "Poll#0", "GetDeviceState#0"}));
}

TEST_F(VirtualControllerSetTest, DeviceWithoutDataFormatTakesTheRetryPathAndReadsZeros) {
  vdi.FailSetDataFormat(vdi.AddController(L"a", L"A"), DIERR_INVALIDPARAM);
  auto set = OpenSet();
  set->BeginReading();
  MarkLog();
  DIJOYSTATE2 state;
  set->ReadState(state);
  EXPECT_TRUE(AllZero(state));
  EXPECT_EQ(CallsSinceMark(), (Words{"GetDeviceState#0", "Acquire#0", "Poll#0", "GetDeviceState#0"}));
}

TEST_F(VirtualControllerSetTest, ReadsOnAnotherThreadNeverSeeAHalfScriptedState) {
  // The polling thread reads while the test scripts: each read must be one
  // whole scripted state, never a mix of two.
  int pad = vdi.AddController(L"a", L"A");
  vdi.SetState(pad, SampleState(1));
  auto set = OpenSet();
  int torn = 0;
  std::thread reader([&] {
    set->BeginReading();
    DIJOYSTATE2 state;
    for (int i = 0; i < 2000; ++i) {
      set->ReadState(state);
      if (!SameBytes(state, SampleState(1)) && !SameBytes(state, SampleState(2))) ++torn;
    }
    set->EndReading();
  });
  for (int i = 0; i < 2000; ++i) vdi.SetState(pad, SampleState(1 + i % 2));
  reader.join();
  EXPECT_EQ(torn, 0);
}

// Sets without a readable first device: reading touches no device and yields zeros.
struct NoFirstDeviceCase {
  const char* what;
  std::function<void(VirtualController&)> script;
  bool open;
  OpenResult result;
};

class NoFirstDeviceTest : public VirtualControllerSetTest,
                          public ::testing::WithParamInterface<NoFirstDeviceCase> {};

TEST_P(NoFirstDeviceTest, ReadsZerosAndTouchesNoDevice) {
  const NoFirstDeviceCase& c = GetParam();
  c.script(vdi);
  auto set = std::make_unique<InspectableSet>();
  if (c.open) {
    EXPECT_EQ(set->Open(GetModuleHandleW(nullptr)), c.result);
  }
  MarkLog();

  DIJOYSTATE2 state;
  std::memset(&state, 0xAB, sizeof state);
  set->BeginReading();
  set->ReadState(state);
  set->EndReading();
  EXPECT_TRUE(AllZero(state));
  EXPECT_EQ(CallsSinceMark(), Words{});
}

INSTANTIATE_TEST_SUITE_P(
    Sets, NoFirstDeviceTest,
    ::testing::Values(
        NoFirstDeviceCase{"NeverOpened", [](VirtualController& v) { v.AddController(L"a", L"A"); }, false,
                          OpenResult::Opened},
        NoFirstDeviceCase{"NoController", [](VirtualController&) {}, true, OpenResult::NoController},
        NoFirstDeviceCase{"CreateFailed",
                          [](VirtualController& v) {
                            v.AddController(L"a", L"A");
                            v.FailCreate(DIERR_GENERIC);
                          },
                          true, OpenResult::CreateFailed},
        NoFirstDeviceCase{"FirstCreateDeviceFailedSecondIsNeverRead",
                          [](VirtualController& v) {
                            v.FailCreateDevice(v.AddController(L"a", L"A"), DIERR_GENERIC);
                            v.SetState(v.AddController(L"b", L"B"), SampleState(5));
                          },
                          true, OpenResult::Opened}),
    [](const ::testing::TestParamInfo<NoFirstDeviceCase>& info) { return std::string(info.param.what); });

}  // namespace
