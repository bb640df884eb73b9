#include "response_printer.h"

#include "console_output.h"
#include "request_text.h"
#include "text_codec.h"
#include "visible_text.h"

std::optional<int> PrintResponse(const std::optional<std::string>& response, std::uint32_t codepage) {
  if (!response) {
    WriteOut("(no response: the module returned no block)\n");
    return std::nullopt;
  }
  if (response->empty()) {
    WriteOut("(empty response: 0 bytes)\n");
    return std::nullopt;
  }
  const std::string shown = DecodeToUtf8(*response, codepage);
  WriteOut(MakeLineEndsVisible(shown));
  return ResponseStatus(shown);
}
