#pragma once
// SAORI/1.0 request text as the probe sends it, and the few facts it reads back
// from a response. Pure: text is UTF-8 here; encoding happens at the Win32 edge.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "probe_options.h"

// Windows code pages of the charsets a SAORI request can name.
constexpr std::uint32_t kProbeCodepageShiftJis = 932;
constexpr std::uint32_t kProbeCodepageEucJp = 20932;
constexpr std::uint32_t kProbeCodepageIso2022Jp = 50220;
constexpr std::uint32_t kProbeCodepageUtf8 = 65001;

// The request's lines, each ended by CR LF, then the empty line: the command
// line, Charset, SecurityLevel, the extra headers, then Argument0.. in order.
std::string BuildRequestText(const RequestPlan& plan);

// Splits a request file into requests: blank lines separate them, lines that
// start with '#' are comments, and every line gets CR LF (a CR already before
// the LF is kept once). Each request ends with the empty line.
std::vector<std::string> SplitRequestBlocks(const std::string& fileText);

// The code page a module reads for this charset name: Shift_JIS for names it
// does not know, matching names by their start without regard to ASCII case.
std::uint32_t CodepageForCharsetName(const std::string& name);

// The code page a module picks for this request text: the name after the first
// "\ncharset: " (any ASCII case), or Shift_JIS when there is none.
std::uint32_t CodepageNamedIn(const std::string& requestText);

// The status code of a response's first line ("SAORI/1.0 204 No Content" gives
// 204), or nullopt when the line does not hold one.
std::optional<int> ResponseStatus(const std::string& responseText);

// Whether the text holds CR or LF, which would split a request line in two.
bool HasLineBreak(const std::string& text);
