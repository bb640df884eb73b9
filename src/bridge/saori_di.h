#pragma once
// CSAORIDi, the concrete module: turns a game controller into OnTesmirState
// notifications to a host window. The host's calling thread runs the hooks;
// one polling thread at most reads the controller and sends the notifications.
#include <atomic>
#include <cstdint>
#include <memory>

#include "bridge/section_lock.h"
#include "frame/saori_base.h"
#include "frame/win32_owners.h"
#include "input/ydinput8.h"

class CSAORIDi : public CSAORI {
 public:
  // Every member starts at a safe value (empty, null, defaults), so OnUnload
  // and the destructor are safe even when OnLoad never finished.
  CSAORIDi() = default;
  // Releases the lock; OnUnload has already released everything else.
  ~CSAORIDi() override = default;

  // The commands "create", "start", "stop" and "config"; always sets status.
  void Execute(CSAORIRequest& request, CSAORIResponse& response) override;
  // Stops the polling thread, then releases the controllers and the window list.
  bool OnUnload() override;
  // Creates an empty controller set and sets the defaults; true.
  bool OnLoad() override;

  // Thread entry: runs RunPolling on the instance, then drops the thread's
  // reference to this library as it exits (exit code 0).
  static DWORD WINAPI PollingThreadProc(LPVOID instance);
  // The polling thread's body; returns once it finds `running` at 0.
  void RunPolling();
  // Starts the polling thread: 204 started, 400 one exists, 500 creation failed.
  std::int32_t StartPolling();
  // Lowers `running` and waits for the thread; false when there was none.
  bool StopPolling();
  // Composes one frame's notification and sends it to the first window, if any.
  void NotifyState(const DIJOYSTATE2& current, const DIJOYSTATE2& previous);

  std::unique_ptr<HWND[]> windowHandles;    // handles from "create"; null until one succeeds
  std::int32_t windowCount = 0;             // entries in windowHandles
  std::unique_ptr<CYDInput8> controllerSet; // created by OnLoad, opened by "create"
  UniqueHandle threadHandle;                // the polling thread while one exists
  // 1 while the polling thread is to go on. Always read and written under
  // `lock`; atomic so that sharing stays defined if the lock failed to initialise.
  std::atomic<std::int32_t> running{0};
  CSectionLock lock;                        // guards `running` only
  DIJOYSTATE2 states[2] = {};               // current and previous frame (polling thread only)
  std::int32_t buttonnum = 32;              // 0..128; fixed while a thread exists
  std::atomic<std::int32_t> margin{200};    // 0..1000; read once per frame by the thread

 private:
  void ExecuteCreate(const CSAORIRequest& request, CSAORIResponse& response);
  void ExecuteConfig(const CSAORIRequest& request, CSAORIResponse& response);
  void SetRunning(std::int32_t value);
  bool IsRunning();

  // The polling thread's own reference to this library, taken by StartPolling
  // and handed to the thread, which releases it as it exits: the library can
  // never be unmapped under a running thread.
  UniqueHmodule pollingLibraryRef_;
};
