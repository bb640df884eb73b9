#pragma once
// The lenient reading of numeric command arguments (window handles and
// configuration values).
#include <cstdint>

#include "message/text.h"

// Reads a signed decimal number at the start of the text: leading white space,
// one optional sign, then digits up to the first non-digit (the rest is
// ignored). Digits are ASCII 0-9 and the Unicode decimal-digit runs listed in
// the .cpp. No digits gives 0; values beyond int32 saturate at its limits.
std::int32_t ReadLenientDecimal(const WideString& text);
