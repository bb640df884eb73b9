#include "frame/request_pipeline.h"

#include <cstring>

#include "message/ascii_case.h"
#include "message/charset.h"
#include "message/request_parser.h"
#include "message/response_composer.h"

CSAORIBase* g_module = nullptr;

namespace {

// Found in a lower-cased copy, so the key's case does not matter; the line
// feed makes it match only at the start of a line after the first.
constexpr char kCharsetLineStart[] = "\ncharset: ";

// The code page named by the first Charset line; Shift_JIS when there is none.
std::uint32_t FindRequestCodepage(const ByteString& requestBytes) {
  const ByteString lowered = AsciiLowerCopy(requestBytes);
  const std::size_t found = lowered.find(kCharsetLineStart);
  if (found == ByteString::npos) return kCodepageShiftJis;
  // c_str() ends the name at the copy's end; CharsetToCodepage also stops at
  // an embedded NUL.
  return CharsetToCodepage(lowered.c_str() + found + std::strlen(kCharsetLineStart));
}

bool IsDispatchedCommand(const WideString& command) {
  return EqualsIgnoringAsciiCase(command, u"EXECUTE") || EqualsIgnoringAsciiCase(command, u"GET") ||
         EqualsIgnoringAsciiCase(command, u"NOTIFY");
}

bool IsLocal(const WideString& securityLevel) {
  return securityLevel.empty() || EqualsIgnoringAsciiCase(securityLevel, u"local");
}

void Dispatch(CSAORIBase& module, CSAORIRequest& request, CSAORIResponse& response) {
  // Taken before the hooks run, so BeforeExecute cannot change who may execute.
  const auto level = request.headers.find(u"SecurityLevel");
  const WideString securityLevel = level == request.headers.end() ? WideString() : level->second;

  module.BeforeExecute(request, response);
  if (IsLocal(securityLevel)) {
    module.Execute(request, response);
  } else if (!module.ExecuteNonLocal(request, response)) {
    response.status = 500;
  }
  module.AfterExecute(request, response);

  if (EqualsIgnoringAsciiCase(request.command, u"NOTIFY")) ClearForNotify(response);
}

// Answers a parsed request by its command.
void Serve(CSAORIBase& module, CSAORIRequest& request, CSAORIResponse& response) {
  if (request.command == u"GET Version") {
    response.status = 0;  // the version reply; no hook runs for it
  } else if (IsDispatchedCommand(request.command)) {
    Dispatch(module, request, response);
  } else {
    response.status = 400;
  }
}

}  // namespace

ByteString HandleRequest(const ByteString& requestBytes) {
  CSAORIBase& module = *g_module;
  const std::uint32_t codepage = FindRequestCodepage(requestBytes);
  const WideString text = MultiByteToWide(requestBytes, codepage);

  // Both records live on this stack frame, so every way out destroys them.
  CSAORIRequest request(&module);
  request.codepage = codepage;
  const bool parsed = ParseRequest(request, text);

  CSAORIResponse response(&module);
  response.codepage = request.codepage;
  response.status = 500;  // kept for a request that does not parse, or a hook that sets nothing
  if (parsed) Serve(module, request, response);

  return WideToMultiByte(ComposeResponse(response), response.codepage);
}
