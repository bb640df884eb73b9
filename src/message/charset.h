#pragma once
// Charset names as they stand in SAORI text, and conversions between wide text
// and bytes in a Windows code page. None of these report errors: a failed
// conversion gives an empty string, an unknown name gives Shift_JIS.
#include <cstdint>

#include "message/text.h"

constexpr std::uint32_t kCodepageOem = 1;          // the system's OEM code page (CP_OEMCP)
constexpr std::uint32_t kCodepageShiftJis = 932;   // the default
constexpr std::uint32_t kCodepageEucJp = 20932;
constexpr std::uint32_t kCodepageIso2022Jp = 50220;
constexpr std::uint32_t kCodepageUtf8 = 65001;

// Converts text up to its first U+0000 into bytes of the code page; unmappable
// characters become the converter's default character. Empty on any failure.
ByteString WideToMultiByte(const WideString& text, std::uint32_t codepage);

// Converts bytes up to the first NUL byte into wide text; invalid sequences
// become the converter's replacement character. Empty on any failure.
WideString MultiByteToWide(const ByteString& bytes, std::uint32_t codepage);

// "Shift_JIS", "ISO-2022-JP", "EUC-JP", "UTF-8", or "unknown charset".
WideString CodepageToCharset(std::uint32_t codepage);

// Reads the charset name at the start of NUL-terminated bytes (null allowed);
// only the name's own length is compared, so text after it does no harm.
std::uint32_t CharsetToCodepage(const char* name);
