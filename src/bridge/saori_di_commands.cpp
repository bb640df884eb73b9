// The load and unload hooks and the bridge commands.
#include <algorithm>

#include "bridge/decimal_reader.h"
#include "bridge/saori_di.h"

namespace {

constexpr std::int32_t kStatusNoContent = 204;
constexpr std::int32_t kStatusBadRequest = 400;
constexpr std::int32_t kStatusInternalError = 500;

constexpr std::int32_t kDefaultButtonnum = 32;
constexpr std::int32_t kDefaultMargin = 200;
constexpr std::int32_t kMaxButtonnum = 128;  // rgbButtons holds 128 buttons
constexpr std::int32_t kMaxMargin = 1000;    // the axes are set to -1000..1000

std::int32_t ClampSetting(std::int32_t value, std::int32_t upper) {
  return std::clamp(value, 0, upper);
}

}  // namespace

bool CSAORIDi::OnLoad() {
  controllerSet = std::make_unique<CYDInput8>();
  windowHandles.reset();
  windowCount = 0;
  threadHandle.reset();
  SetRunning(0);
  buttonnum = kDefaultButtonnum;
  margin.store(kDefaultMargin, std::memory_order_relaxed);
  return true;
}

bool CSAORIDi::OnUnload() {
  // The thread reads the controllers and the window list: it ends first.
  if (threadHandle) StopPolling();
  controllerSet.reset();
  windowHandles.reset();
  windowCount = 0;
  return true;
}

void CSAORIDi::Execute(CSAORIRequest& request, CSAORIResponse& response) {
  const auto& args = request.args;
  if (args.empty()) {
    response.status = kStatusBadRequest;
  } else if (args[0] == u"start") {
    response.status = StartPolling();
  } else if (args[0] == u"stop") {
    response.status = StopPolling() ? kStatusNoContent : kStatusBadRequest;
  } else if (args[0] == u"create" && args.size() >= 2) {
    ExecuteCreate(request, response);
  } else if (args[0] == u"config") {
    ExecuteConfig(request, response);
  } else {
    response.status = kStatusBadRequest;
  }
}

void CSAORIDi::ExecuteCreate(const CSAORIRequest& request, CSAORIResponse& response) {
  // A recorded list stays for good. While a thread runs, the list and the
  // controller set are not built at all: the thread reads both without a lock.
  if (windowHandles || threadHandle) {
    response.status = kStatusBadRequest;
    return;
  }
  // Only a load hook that ran out of memory leaves no controller set; there
  // is nothing to open then, and nothing is recorded.
  if (!controllerSet) {
    response.status = kStatusInternalError;
    return;
  }
  const auto& args = request.args;
  const std::size_t count = args.size() - 1;
  auto handles = std::make_unique<HWND[]>(count);
  for (std::size_t i = 0; i < count; ++i) {
    const std::int32_t value = ReadLenientDecimal(args[i + 1]);
    if (value == 0) {  // nothing is recorded; "create" may be sent again
      response.status = kStatusBadRequest;
      return;
    }
    // Window handles are 32-bit values; a negative number stands for the same bits.
    handles[i] = reinterpret_cast<HWND>(static_cast<std::intptr_t>(value));
  }
  windowHandles = std::move(handles);
  windowCount = static_cast<std::int32_t>(count);

  switch (controllerSet->Open(g_hModule)) {
    case OpenResult::Opened:
      response.status = kStatusNoContent;
      break;
    case OpenResult::CreateFailed:
      response.status = kStatusBadRequest;
      break;
    case OpenResult::NoController:
      response.status = kStatusInternalError;
      break;
  }
}

void CSAORIDi::ExecuteConfig(const CSAORIRequest& request, CSAORIResponse& response) {
  const auto& args = request.args;
  // Every read argument must be present; a short "config" changes nothing.
  if (args.size() >= 2 && args[1] == u"buttonnum" && threadHandle) {
    response.status = kStatusBadRequest;  // fixed for the whole run
    return;
  }
  if (args.size() < 3) {
    response.status = kStatusBadRequest;
    return;
  }
  const std::int32_t value = ReadLenientDecimal(args[2]);
  if (args[1] == u"margin") {
    // Stored whole; the polling thread picks it up with its next notification.
    margin.store(ClampSetting(value, kMaxMargin), std::memory_order_relaxed);
    response.status = kStatusNoContent;
  } else if (args[1] == u"buttonnum") {
    buttonnum = ClampSetting(value, kMaxButtonnum);
    response.status = kStatusNoContent;
  } else {
    response.status = kStatusBadRequest;
  }
}
