#pragma once
// Steps both subcommands share before the first request: the virtual
// controller's timeline, finding and loading the module.
#include <optional>

#include "probe_options.h"
#include "saori_module.h"

// Selects the timeline (when --virtual), opens the module named by --module (or
// Tesmir.dll beside the probe) and calls its load. On failure the reason has
// been reported in one line and exitCode holds the status to exit with.
std::optional<SaoriModule> OpenLoadedModule(const ProbeOptions& options, int& exitCode);
