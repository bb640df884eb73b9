// Conversions between wide text and bytes in a code page.
#include <algorithm>

#include "message/charset.h"
#include "message/iso2022jp.h"
#include "message/platform_codepage.h"

namespace {

// ISO-2022-JP goes to the platform where it has a converter (Windows does);
// elsewhere (wine has none) the module's own converter takes it.
bool UsesOwnIso2022Jp(std::uint32_t codepage) {
  return codepage == kCodepageIso2022Jp && !PlatformSupportsCodepage(codepage);
}

}  // namespace

ByteString WideToMultiByte(const WideString& text, std::uint32_t codepage) {
  // The text ends at its first U+0000, like the NUL-terminated text it stands for.
  const std::size_t length = std::min(text.find(u'\0'), text.size());
  if (UsesOwnIso2022Jp(codepage)) return WideToIso2022Jp(text.data(), length);
  return PlatformWideToMultiByte(text.data(), length, codepage);
}

WideString MultiByteToWide(const ByteString& bytes, std::uint32_t codepage) {
  const std::size_t length = std::min(bytes.find('\0'), bytes.size());
  if (UsesOwnIso2022Jp(codepage)) return Iso2022JpToWide(bytes.data(), length);
  return PlatformMultiByteToWide(bytes.data(), length, codepage);
}
