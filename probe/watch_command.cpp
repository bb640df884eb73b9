// The watch subcommand: create, config and start with the probe's own window,
// show the notifications until Ctrl+C or the duration, then stop and unload.
#include <cstdint>
#include <cstdio>
#include <vector>

#include "console_output.h"
#include "module_session.h"
#include "notification_log.h"
#include "notification_window.h"
#include "panel_painter.h"
#include "probe_commands.h"
#include "probe_exit_codes.h"
#include "request_text.h"
#include "state_view.h"
#include "stop_signal.h"
#include "virtual_controller.h"

namespace {

// What one bridge command answered: its status and the response's first line.
struct CommandAnswer {
  std::optional<int> status;
  std::string firstLine;
};

CommandAnswer SendCommand(SaoriModule& module, const std::vector<std::string>& arguments) {
  RequestPlan plan;
  plan.arguments = arguments;
  const auto response = module.Request(BuildRequestText(plan));  // UTF-8: the text is ASCII anyway
  if (!response) return {std::nullopt, "(no response block)"};
  return {ResponseStatus(*response), response->substr(0, response->find_first_of("\r\n"))};
}

std::string Joined(const std::vector<std::string>& words) {
  std::string joined;
  for (const std::string& word : words) joined += (joined.empty() ? "" : " ") + word;
  return joined;
}

// States why "create" failed and what to do about it, in one line.
void ExplainCreateFailure(const CommandAnswer& answer, bool virtualController) {
  if (answer.status == 500) {
    ReportError(virtualController
                    ? "no game controller found (create answered 500): the virtual controller did not take part; " +
                          VirtualControllerProblem()
                    : "no game controller found (create answered 500): connect one, or try "
                      "--virtual TIMELINE with the test dinput8.dll");
  } else if (answer.status == 400) {
    ReportError(virtualController
                    ? "create answered 400: DirectInput could not be started; check the timeline file "
                      "(the virtual controller names the faulty line above)"
                    : "create answered 400: DirectInput could not be started on this system");
  } else {
    ReportError("create did not succeed: the module answered \"" + answer.firstLine + "\"");
  }
}

// Sends one command that must answer 204; reports it in one line otherwise.
bool SendExpectingNoContent(SaoriModule& module, const std::vector<std::string>& arguments) {
  const CommandAnswer answer = SendCommand(module, arguments);
  if (answer.status == 204) return true;
  ReportError("\"" + Joined(arguments) + "\" was refused: the module answered \"" + answer.firstLine + "\"");
  return false;
}

std::string DecimalHandle(HWND window) { return std::to_string(reinterpret_cast<std::uintptr_t>(window)); }

}  // namespace

int RunWatchCommand(const ProbeOptions& options) {
  StopSignal stop;  // first, so Ctrl+C during start-up still ends cleanly
  int exitCode = kExitSuccess;
  std::optional<SaoriModule> module = OpenLoadedModule(options, exitCode);
  if (!module) return exitCode;

  const bool onConsole = StdoutIsConsole() && !options.raw;
  NotificationLog log(options.raw);
  std::optional<PanelPainter> painter;
  if (onConsole) painter.emplace();
  DWORD startedMs = GetTickCount();  // reset at start: times count from the first frame
  NotificationWindow window([&](ULONG_PTR dataType, const std::string& bytes) {
    if (dataType != kStateNotificationDataType) return;  // not ours: some other WM_COPYDATA
    const std::string shown = log.Take(bytes, (GetTickCount() - startedMs) / 1000.0);
    if (painter) {
      if (log.latest()) painter->Update(*log.latest(), log.received());
    } else if (!shown.empty()) {
      WriteOut(shown);
    }
  });
  if (!window) {
    ReportError("cannot create the window that receives the notifications");
    return kExitRefused;
  }

  const CommandAnswer created = SendCommand(*module, {"create", DecimalHandle(window.handle())});
  if (created.status != 204) {
    ExplainCreateFailure(created, options.virtualTimeline.has_value());
    return kExitRefused;
  }
  if (options.virtualTimeline) {
    const std::string problem = VirtualControllerProblem();
    if (!problem.empty()) ReportNote(problem);
  }
  if (options.margin && !SendExpectingNoContent(*module, {"config", "margin", *options.margin})) return kExitRefused;
  if (options.buttonnum && !SendExpectingNoContent(*module, {"config", "buttonnum", *options.buttonnum})) {
    return kExitRefused;
  }
  startedMs = GetTickCount();
  if (!SendExpectingNoContent(*module, {"start"})) return kExitRefused;

  const DWORD durationMs =
      options.durationSeconds ? static_cast<DWORD>(*options.durationSeconds * 1000.0 + 0.5) : INFINITE;
  if (!onConsole) {
    ReportNote(std::string("watching") + (options.durationSeconds ? "" : " (Ctrl+C to stop)") + "...");
  }
  const PumpEnd end = PumpMessages(stop.event(), durationMs);

  // The window goes first: a notification already on its way then fails at
  // once instead of holding "stop" up while this thread waits for the module.
  window.Close();
  const bool stopped = SendExpectingNoContent(*module, {"stop"});
  const bool unloaded = module->Unload();
  painter.reset();  // the last state drawn before the summary
  if (!unloaded) ReportNote("the module's unload returned 0");

  const double seconds = (GetTickCount() - startedMs) / 1000.0;
  char summary[128];
  std::snprintf(summary, sizeof summary, "stopped after %.1f s: %lu notifications, %lu shown", seconds,
                log.received(), log.shown());
  ReportNote(summary);
  // Stopped by hand before the first frame is no fault of the module.
  if (log.received() == 0 && end == PumpEnd::kDeadline) {
    ReportError("no notification arrived: the module started but sent nothing to the window");
    return kExitRefused;
  }
  return stopped ? kExitSuccess : kExitRefused;
}
