#pragma once
// The seam between the portable conversions and the platform's converter:
// Win32's code-page functions in the Windows build, iconv elsewhere. Inputs
// are counted, not NUL-terminated; callers cut at the first NUL beforehand.
#include <cstddef>
#include <cstdint>

#include "message/text.h"

// Whether the platform itself converts this code page.
bool PlatformSupportsCodepage(std::uint32_t codepage);

// Wide text to bytes, unmappable characters replaced by the default character.
// Empty for empty input, an unsupported code page, or any other failure.
ByteString PlatformWideToMultiByte(const char16_t* text, std::size_t length,
                                   std::uint32_t codepage);

// Bytes to wide text, invalid sequences replaced by the converter's
// replacement character. Empty for empty input, an unsupported code page, or
// any other failure.
WideString PlatformMultiByteToWide(const char* bytes, std::size_t length,
                                   std::uint32_t codepage);
