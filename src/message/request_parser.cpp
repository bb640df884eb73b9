#include "message/request_parser.h"

#include "frame/saori_base.h"
#include "message/ascii_case.h"
#include "message/decimal_text.h"

namespace {

constexpr char16_t kCarriageReturn = u'\r';
constexpr char16_t kLineFeed = u'\n';

// What one parse collects; moved into the record only when the parse succeeds.
struct ParsedLines {
  std::vector<WideString> args;
  HeaderMap headers;
  WideString id;
};

// These keys are stored in one spelling, whatever case the request used, so
// the pipeline and the hooks can look them up by that spelling.
WideString CanonicalKey(const WideString& key) {
  static const WideString kCanonical[] = {u"SecurityLevel", u"Sender", u"Charset"};
  for (const WideString& canonical : kCanonical) {
    if (EqualsIgnoringAsciiCase(key, canonical)) return canonical;
  }
  return key;
}

// Stores the value when key is an argument key with a usable number; returns
// whether the line was an argument key at all (taken or skipped).
bool TryArgumentLine(const WideString& key, const WideString& value, const WideString& prefix,
                     std::vector<WideString>& args) {
  const std::size_t prefixLength = prefix.size();
  if (key.size() <= prefixLength || !StartsWithIgnoringAsciiCase(key, prefix)) return false;
  const char16_t* numberText = key.data() + prefixLength;
  const std::int32_t number = ReadSaturatedDecimal(numberText, key.data() + key.size());
  // A number that reads as 0 is only argument 0 when it was written with a
  // '0' straight after the prefix; "ArgumentX" reads as 0 too but means nothing.
  const bool usable = number > 0 || (number == 0 && *numberText == u'0');
  if (!usable || number > kMaxArgumentNumber) return true;
  const auto index = static_cast<std::size_t>(number);
  if (args.size() <= index) args.resize(index + 1);
  args[index] = value;
  return true;
}

void ExamineLine(const WideString& line, const WideString& prefix, ParsedLines& parsed) {
  const std::size_t separator = line.find(u": ");
  if (separator == WideString::npos) return;
  const WideString key = line.substr(0, separator);
  const WideString value = line.substr(separator + 2);
  if (TryArgumentLine(key, value, prefix, parsed.args)) return;
  if (EqualsIgnoringAsciiCase(key, u"ID")) {
    parsed.id = value;
  } else if (!key.empty()) {
    parsed.headers[CanonicalKey(key)] = value;
  }
}

}  // namespace

std::ptrdiff_t NextLine(std::ptrdiff_t start, const WideString& text, WideString& line) {
  const auto size = static_cast<std::ptrdiff_t>(text.size());
  if (start < 0 || start >= size) {
    line.clear();
    return -1;
  }
  const std::size_t end = text.find_first_of(u"\r\n", static_cast<std::size_t>(start));
  if (end == WideString::npos) {
    line = text.substr(static_cast<std::size_t>(start));
    return -1;
  }
  line = text.substr(static_cast<std::size_t>(start), end - static_cast<std::size_t>(start));
  const bool crLf = text[end] == kCarriageReturn && end + 1 < text.size() &&
                    text[end + 1] == kLineFeed;
  const auto next = static_cast<std::ptrdiff_t>(end + (crLf ? 2 : 1));
  return next < size ? next : -1;
}

bool ParseRequest(CSAORIRequest& request, const WideString& text) {
  const WideString& marker = request.module->GetProtocolMarker();
  const WideString& prefix = request.module->GetArgumentPrefix();

  WideString line;
  std::ptrdiff_t next = NextLine(0, text, line);
  const std::size_t markerAt = line.find(marker);
  if (markerAt == WideString::npos) return false;
  WideString command = line.substr(0, markerAt);

  ParsedLines parsed;
  while (next != -1) {
    next = NextLine(next, text, line);
    ExamineLine(line, prefix, parsed);
  }

  request.command = std::move(command);
  request.args = std::move(parsed.args);
  request.headers = std::move(parsed.headers);
  request.id = std::move(parsed.id);
  return true;
}
