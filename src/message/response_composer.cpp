#include "message/response_composer.h"

#include "frame/saori_base.h"
#include "message/charset.h"
#include "message/decimal_text.h"

namespace {

constexpr char16_t kLineEnd[] = u"\r\n";
constexpr char16_t kKeySeparator[] = u": ";
// Stands for each line break inside a value, so a value stays on its line.
constexpr char16_t kLineBreakMark = u'\u0001';

// CR LF, lone CR and lone LF each become one mark.
WideString WithLineBreaksMarked(const WideString& value) {
  WideString cleaned;
  cleaned.reserve(value.size());
  for (std::size_t i = 0; i < value.size(); ++i) {
    const char16_t c = value[i];
    if (c == u'\r' || c == u'\n') {
      if (c == u'\r' && i + 1 < value.size() && value[i + 1] == u'\n') ++i;
      cleaned += kLineBreakMark;
    } else {
      cleaned += c;
    }
  }
  return cleaned;
}

void SettleStatus(CSAORIResponse& response) {
  if (response.status == 0) {
    response.status = 200;  // the version reply: always 200, even though it says nothing
  } else if (response.status == 200 && response.result.empty() && response.values.empty() &&
             response.headers.empty()) {
    response.status = 204;
  }
}

void AppendLine(WideString& text, const WideString& key, const WideString& value) {
  text += key;
  text += kKeySeparator;
  text += value;
  text += kLineEnd;
}

}  // namespace

WideString ComposeResponse(CSAORIResponse& response) {
  SettleStatus(response);
  CSAORIBase& module = *response.module;

  WideString text = module.GetProtocolVersion();
  text += u' ';
  text += DecimalText(response.status);
  text += u' ';
  text += StatusText(response.status);
  text += kLineEnd;
  AppendLine(text, u"Charset", CodepageToCharset(response.codepage));
  AppendLine(text, module.GetResultKey(), response.result);
  for (const auto& [key, value] : response.headers) AppendLine(text, key, value);
  for (std::size_t index = 0; index < response.values.size(); ++index) {
    AppendLine(text, module.GetValuePrefix() + DecimalText(static_cast<std::int32_t>(index)),
               WithLineBreaksMarked(response.values[index]));
  }
  text += kLineEnd;
  return text;
}

void ClearForNotify(CSAORIResponse& response) {
  if (response.status != 200 && response.status != 0) return;
  response.status = 204;
  response.result.clear();
  response.values.clear();
}
