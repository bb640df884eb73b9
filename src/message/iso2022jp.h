#pragma once
// ISO-2022-JP built on the code page 932 converter, for platforms that have
// no converter of their own for code page 50220. JIS X 0208 and Shift_JIS
// code the same characters, so a JIS pair maps to a Shift_JIS pair by
// arithmetic and the platform's 932 tables do the rest.
#include <cstddef>

#include "message/text.h"

// Decodes ISO-2022-JP: ASCII (ESC ( B), JIS X 0201 Roman (ESC ( J, read as
// ASCII), JIS X 0201 katakana (ESC ( I) and JIS X 0208 (ESC $ B or ESC $ @).
// Bytes that fit none of these become U+30FB. Empty for empty input.
WideString Iso2022JpToWide(const char* bytes, std::size_t length);

// Encodes in ASCII and JIS X 0208 (ESC $ B), returning to ASCII at the end.
// Characters outside both become '?'. Empty for empty input.
ByteString WideToIso2022Jp(const char16_t* text, std::size_t length);
