// tesmir-probe: reads the command line and runs one subcommand.
#include <string>
#include <vector>

#include "console_output.h"
#include "probe_commands.h"
#include "probe_exit_codes.h"
#include "probe_options.h"
#include "text_codec.h"

int wmain(int argc, wchar_t** argv) {
  PrepareStandardStreams();
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(Utf8FromWide(argv[i]));
  const ParseResult parsed = ParseProbeArguments(args);
  if (!parsed.error.empty()) {
    ReportError(parsed.error);
    return kExitUsage;
  }
  const ProbeOptions& options = parsed.options;
  if (options.help || options.subcommand == Subcommand::kNone) {
    WriteOut(HelpText(options.subcommand));
    return kExitSuccess;
  }
  try {
    return options.subcommand == Subcommand::kRequest ? RunRequestCommand(options) : RunWatchCommand(options);
  } catch (const std::exception& failure) {
    // Out of memory and the like: say so instead of a silent abort.
    ReportError(std::string("unexpected failure: ") + failure.what());
    return kExitRefused;
  }
}
