// libFuzzer target: request bytes through the whole pipeline, parser,
// hooks, composer and both conversions, under AddressSanitizer and UBSan.
//
// ctest runs it briefly (fuzz_pipeline_smoke). To fuzz for as long as you like:
//   mkdir -p build/native/fuzz-corpus
//   build/native/bin/fuzz_pipeline -max_total_time=600 build/native/fuzz-corpus fuzz/corpus/pipeline
// (new inputs go to the first folder; the seed folder stays as it is).
#include <cstddef>
#include <cstdint>

#include "frame/request_pipeline.h"

namespace {

// Answers from its arguments so the composer has results, values and headers
// to write: Argument0 picks the status, the others come back as values.
class EchoModule : public CSAORI {
 public:
  void Execute(CSAORIRequest& request, CSAORIResponse& response) override {
    if (request.args.empty()) return;  // leaves the preset 500
    const WideString& first = request.args[0];
    response.status = first.empty() ? 200 : 200 + first[0] % 400;
    response.result = request.id;
    response.values.assign(request.args.begin() + 1, request.args.end());
    const auto sender = request.headers.find(u"Sender");
    if (sender != request.headers.end()) response.headers[u"Sender"] = sender->second;
  }
  bool ExecuteNonLocal(CSAORIRequest& request, CSAORIResponse& response) override {
    Execute(request, response);
    return request.args.size() > 1;
  }
  bool OnUnload() override { return true; }
  bool OnLoad() override { return true; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static EchoModule module;
  g_module = &module;
  HandleRequest(ByteString(reinterpret_cast<const char*>(data), size));
  return 0;
}
