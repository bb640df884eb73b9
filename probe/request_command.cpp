// The request subcommand: one module load, the requests in order, each
// response shown exactly, then unload.
#include <fstream>
#include <sstream>
#include <vector>

#include "console_output.h"
#include "module_session.h"
#include "probe_commands.h"
#include "probe_exit_codes.h"
#include "request_text.h"
#include "response_printer.h"
#include "text_codec.h"
#include "virtual_controller.h"

namespace {

// One request ready to send: its text (UTF-8) and the code page it goes out in.
struct OutgoingRequest {
  std::string text;
  std::uint32_t codepage;
};

bool ReadWholeFile(const std::string& pathUtf8, std::string& contents) {
  std::ifstream file(WideFromUtf8(pathUtf8).c_str(), std::ios::binary);
  if (!file) return false;
  std::ostringstream buffer;
  buffer << file.rdbuf();
  contents = buffer.str();
  return true;
}

// The requests to send, from the command line or the file; false (reported)
// when the file cannot be read or holds none.
bool CollectRequests(const ProbeOptions& options, std::vector<OutgoingRequest>& requests) {
  if (!options.requestFile) {
    for (const RequestPlan& plan : options.requests) {
      const std::uint32_t codepage = plan.charset ? CodepageForCharsetName(*plan.charset) : kProbeCodepageShiftJis;
      requests.push_back({BuildRequestText(plan), codepage});
    }
    return true;
  }
  std::string contents;
  if (!ReadWholeFile(*options.requestFile, contents)) {
    ReportError("cannot read the request file " + *options.requestFile);
    return false;
  }
  for (const std::string& block : SplitRequestBlocks(contents)) {
    requests.push_back({block, CodepageNamedIn(block)});
  }
  if (requests.empty()) {
    ReportError("no request in " + *options.requestFile + " (requests are blocks of lines separated by blank lines)");
    return false;
  }
  return true;
}

}  // namespace

int RunRequestCommand(const ProbeOptions& options) {
  std::vector<OutgoingRequest> requests;
  if (!CollectRequests(options, requests)) return kExitUsage;
  int exitCode = kExitSuccess;
  std::optional<SaoriModule> module = OpenLoadedModule(options, exitCode);
  if (!module) return exitCode;

  bool allSucceeded = true;
  for (const OutgoingRequest& request : requests) {
    const std::optional<std::string> bytes = EncodeFromUtf8(request.text, request.codepage);
    if (!bytes) {
      ReportError("this system cannot write the request in code page " + std::to_string(request.codepage) +
                  "; it was not sent");
      allSucceeded = false;
      continue;
    }
    const std::optional<int> status = PrintResponse(module->Request(*bytes), request.codepage);
    if (!status || *status < 200 || *status > 299) allSucceeded = false;
  }
  if (options.virtualTimeline) {
    const std::string problem = VirtualControllerProblem();
    if (!problem.empty()) ReportNote(problem);
  }
  if (!module->Unload()) ReportNote("the module's unload returned 0");
  return allSucceeded ? kExitSuccess : kExitRefused;
}
