#include "request_text.h"

#include <algorithm>
#include <cctype>

namespace {

const char kLineEnd[] = "\r\n";

std::string AsciiLower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return text;
}

bool IsBlank(const std::string& line) {
  return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

}  // namespace

std::string BuildRequestText(const RequestPlan& plan) {
  std::string text = plan.command + " SAORI/1.0" + kLineEnd;
  if (plan.charset) text += "Charset: " + *plan.charset + kLineEnd;
  if (plan.securityLevel) text += "SecurityLevel: " + *plan.securityLevel + kLineEnd;
  for (const std::string& header : plan.headers) text += header + kLineEnd;
  for (std::size_t i = 0; i < plan.arguments.size(); ++i) {
    text += "Argument" + std::to_string(i) + ": " + plan.arguments[i] + kLineEnd;
  }
  return text + kLineEnd;
}

std::vector<std::string> SplitRequestBlocks(const std::string& fileText) {
  std::vector<std::string> blocks;
  std::string current;
  auto finishBlock = [&] {
    if (!current.empty()) blocks.push_back(current + kLineEnd);
    current.clear();
  };
  std::size_t start = 0;
  while (start < fileText.size()) {
    std::size_t end = fileText.find('\n', start);
    if (end == std::string::npos) end = fileText.size();
    std::string line = fileText.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (IsBlank(line)) {
      finishBlock();
    } else if (line[0] != '#') {
      current += line + kLineEnd;
    }
  }
  finishBlock();
  return blocks;
}

std::uint32_t CodepageForCharsetName(const std::string& name) {
  // Checked in this order, each over its own length: a longer name that starts
  // with a known one (iso-2022-jp-2) reads as that one, as a module reads it.
  static const struct {
    const char* prefix;
    std::uint32_t codepage;
  } kNames[] = {
      {"shift_jis", kProbeCodepageShiftJis}, {"x-sjis", kProbeCodepageShiftJis},
      {"iso-2022-jp", kProbeCodepageIso2022Jp}, {"euc-jp", kProbeCodepageEucJp},
      {"x-euc-jp", kProbeCodepageEucJp},       {"utf-8", kProbeCodepageUtf8},
  };
  const std::string lower = AsciiLower(name);
  for (const auto& entry : kNames) {
    if (lower.rfind(entry.prefix, 0) == 0) return entry.codepage;
  }
  return kProbeCodepageShiftJis;
}

std::uint32_t CodepageNamedIn(const std::string& requestText) {
  const std::string lower = AsciiLower(requestText);
  const std::string key = "\ncharset: ";
  const std::size_t at = lower.find(key);
  if (at == std::string::npos) return kProbeCodepageShiftJis;
  return CodepageForCharsetName(lower.substr(at + key.size()));
}

std::optional<int> ResponseStatus(const std::string& responseText) {
  const std::size_t lineEnd = responseText.find_first_of("\r\n");
  const std::string firstLine = responseText.substr(0, lineEnd);
  const std::size_t space = firstLine.find(' ');
  if (space == std::string::npos) return std::nullopt;
  int status = 0;
  std::size_t digits = 0;
  for (std::size_t i = space + 1; i < firstLine.size() && std::isdigit(static_cast<unsigned char>(firstLine[i])); ++i) {
    if (++digits > 3) return std::nullopt;  // SAORI statuses have three digits
    status = status * 10 + (firstLine[i] - '0');
  }
  if (digits != 3) return std::nullopt;
  const std::size_t after = space + 1 + digits;
  if (after < firstLine.size() && firstLine[after] != ' ') return std::nullopt;
  return status;
}

bool HasLineBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }
