#pragma once
// The probe's exit statuses, so scripts can tell the kinds of failure apart.
enum ProbeExitCode : int {
  kExitSuccess = 0,       // every response 2xx / a clean watch
  kExitRefused = 1,       // the module answered a failure status, or sent nothing
  kExitUsage = 2,         // the command line (or a file it names) is wrong
  kExitModuleFailed = 3,  // the module could not be loaded or its load failed
};
