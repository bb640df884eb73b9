#pragma once
// Decimal numbers in protocol text, read and written without the C library,
// so the run-time locale never changes what a key or a status line means.
#include <cstdint>

#include "message/text.h"

// Reads a signed decimal number at the start of [begin, end): white space is
// skipped, one '+' or '-' is taken, then digits up to the first non-digit.
// No digits read as 0; a number beyond the 32-bit range reads as the nearest limit.
std::int32_t ReadSaturatedDecimal(const char16_t* begin, const char16_t* end);

// The number as "%d" writes it: no leading zeros, '-' for negatives.
WideString DecimalText(std::int32_t number);
