#pragma once
// A module for pipeline tests: it records which hooks ran and what the
// request held, and answers the way a test tells it to.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "frame/saori_base.h"

class RecordingModule : public CSAORI {
 public:
  // What Execute (and ExecuteNonLocal, when it accepts) put in the response.
  std::optional<std::int32_t> status;  // unset: the status is left as it is
  WideString result;
  HeaderMap headers;
  bool echoArgsAsValues = false;       // values become the request's args
  bool acceptNonLocal = false;
  bool throwInExecute = false;
  std::optional<std::uint32_t> responseCodepage;  // set by AfterExecute when given
  std::optional<WideString> securityLevelFromBefore;  // BeforeExecute rewrites the header

  // "Before Execute After" and the like, in call order.
  std::string calls;
  WideString seenCommand;
  std::uint32_t seenCodepage = 0;

  void BeforeExecute(CSAORIRequest& request, CSAORIResponse&) override {
    Record("Before");
    if (securityLevelFromBefore) request.headers[u"SecurityLevel"] = *securityLevelFromBefore;
  }
  void Execute(CSAORIRequest& request, CSAORIResponse& response) override {
    Record("Execute");
    if (throwInExecute) throw std::runtime_error("execute failed");
    Answer(request, response);
  }
  bool ExecuteNonLocal(CSAORIRequest& request, CSAORIResponse& response) override {
    Record("NonLocal");
    if (!acceptNonLocal) return false;
    Answer(request, response);
    return true;
  }
  void AfterExecute(CSAORIRequest&, CSAORIResponse& response) override {
    Record("After");
    if (responseCodepage) response.codepage = *responseCodepage;
  }
  bool OnUnload() override { return true; }
  bool OnLoad() override { return true; }

 private:
  void Record(const char* hook) { calls += calls.empty() ? hook : std::string(" ") + hook; }
  void Answer(const CSAORIRequest& request, CSAORIResponse& response) {
    seenCommand = request.command;
    seenCodepage = request.codepage;
    if (status) response.status = *status;
    response.result = result;
    response.headers = headers;
    if (echoArgsAsValues) response.values = request.args;
  }
};
