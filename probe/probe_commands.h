#pragma once
// The two subcommands; each returns the process exit status (probe_exit_codes.h).
#include "probe_options.h"

int RunRequestCommand(const ProbeOptions& options);
int RunWatchCommand(const ProbeOptions& options);
