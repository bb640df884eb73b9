#include "module_session.h"

#include "console_output.h"
#include "probe_exit_codes.h"
#include "text_codec.h"
#include "virtual_controller.h"

namespace {

std::wstring ModulePath(const ProbeOptions& options) {
  if (options.modulePath.empty()) return ProgramFolder() + L"Tesmir.dll";
  const std::wstring given = WideFromUtf8(options.modulePath);
  wchar_t full[MAX_PATH];
  const DWORD length = GetFullPathNameW(given.c_str(), MAX_PATH, full, nullptr);
  return (length == 0 || length >= MAX_PATH) ? given : std::wstring(full, length);
}

}  // namespace

std::optional<SaoriModule> OpenLoadedModule(const ProbeOptions& options, int& exitCode) {
  if (options.virtualTimeline) {
    std::string error;
    if (!SelectVirtualTimeline(*options.virtualTimeline, error)) {
      ReportError(error);
      exitCode = kExitUsage;
      return std::nullopt;
    }
  }
  ModuleLoadError loadError;
  SaoriModule module = SaoriModule::Open(ModulePath(options), loadError);
  if (!module) {
    ReportError(loadError.message);
    exitCode = kExitModuleFailed;
    return std::nullopt;
  }
  if (!module.Load()) {
    ReportError("the module's load returned 0: it could not start (the module is unloaded again)");
    exitCode = kExitModuleFailed;
    return std::nullopt;  // the module's destructor still calls unload
  }
  exitCode = kExitSuccess;
  return std::optional<SaoriModule>(std::move(module));
}
