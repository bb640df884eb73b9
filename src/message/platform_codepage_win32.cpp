// The platform converter on Windows: MultiByteToWideChar and WideCharToMultiByte.
//
// This folder stays free of <windows.h>; the three kernel32 functions used here
// are declared with their exact Win32 signatures instead.
#include <climits>
#include <vector>

#include "message/platform_codepage.h"

extern "C" {
__declspec(dllimport) int __stdcall MultiByteToWideChar(unsigned int codePage, unsigned long flags,
                                                        const char* bytes, int byteCount,
                                                        wchar_t* wide, int wideCount);
__declspec(dllimport) int __stdcall WideCharToMultiByte(unsigned int codePage, unsigned long flags,
                                                        const wchar_t* wide, int wideCount,
                                                        char* bytes, int byteCount,
                                                        const char* defaultChar, int* usedDefault);
__declspec(dllimport) int __stdcall IsValidCodePage(unsigned int codePage);
}

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

bool PlatformSupportsCodepage(std::uint32_t codepage) {
  // CP_OEMCP names whatever the OEM code page is; IsValidCodePage does not know it.
  return codepage == 1 || IsValidCodePage(codepage) != 0;
}

ByteString PlatformWideToMultiByte(const char16_t* text, std::size_t length,
                                   std::uint32_t codepage) {
  if (length == 0 || length > INT_MAX) return ByteString();
  const auto* wide = reinterpret_cast<const wchar_t*>(text);
  const int count = static_cast<int>(length);
  // Flags 0 and no default character: the converter replaces what it cannot map.
  const int needed = WideCharToMultiByte(codepage, 0, wide, count, nullptr, 0, nullptr, nullptr);
  if (needed <= 0) return ByteString();
  std::vector<char> buffer(static_cast<std::size_t>(needed));
  const int written =
      WideCharToMultiByte(codepage, 0, wide, count, buffer.data(), needed, nullptr, nullptr);
  if (written <= 0) return ByteString();
  return ByteString(buffer.data(), static_cast<std::size_t>(written));
}

WideString PlatformMultiByteToWide(const char* bytes, std::size_t length,
                                   std::uint32_t codepage) {
  if (length == 0 || length > INT_MAX) return WideString();
  const int count = static_cast<int>(length);
  const int needed = MultiByteToWideChar(codepage, 0, bytes, count, nullptr, 0);
  if (needed <= 0) return WideString();
  std::vector<wchar_t> buffer(static_cast<std::size_t>(needed));
  const int written = MultiByteToWideChar(codepage, 0, bytes, count, buffer.data(), needed);
  if (written <= 0) return WideString();
  return WideString(reinterpret_cast<const char16_t*>(buffer.data()),
                    static_cast<std::size_t>(written));
}
