// The platform converter on systems with iconv (the native test build).
//
// iconv stops at the first sequence it cannot convert, where Windows replaces
// it and goes on. To answer like the Windows converter, the text is converted
// piecewise: at each such sequence the replacement Windows would put is
// appended, the sequence is skipped, and the conversion resumes.
//   - bytes to wide: U+FFFD for UTF-8, U+30FB (the Japanese code pages' own
//     replacement) otherwise; a lead byte of a double-byte code page takes its
//     following byte with it, as Windows does. A sequence cut off by the end of
//     the input gives one replacement.
//   - wide to bytes: '?' per code unit, or EF BF BD (U+FFFD) for UTF-8.
#include <iconv.h>

#include <cerrno>

#include "message/charset.h"
#include "message/platform_codepage.h"

namespace {

// glibc's name for each code page we convert. Code page 1 (the OEM code page)
// is taken as CP932, which is what it is on the Japanese Windows this module
// is written for; it is ASCII-compatible like every OEM code page.
const char* IconvName(std::uint32_t codepage) {
  switch (codepage) {
    case 1:
    case kCodepageShiftJis: return "CP932";
    case kCodepageEucJp: return "EUC-JP";
    case kCodepageIso2022Jp: return "ISO-2022-JP";
    case kCodepageUtf8: return "UTF-8";
    default: return nullptr;
  }
}

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);
const std::size_t kIconvFailed = static_cast<std::size_t>(-1);

// Owns one conversion descriptor.
class IconvConverter {
 public:
  IconvConverter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~IconvConverter() {
    if (cd_ != kNoConverter) iconv_close(cd_);
  }
  IconvConverter(const IconvConverter&) = delete;
  IconvConverter& operator=(const IconvConverter&) = delete;
  bool ok() const { return cd_ != kNoConverter; }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

enum class Stop { kDone, kInvalid, kTruncated };

// Converts as much of the input as iconv can, appending the output bytes to
// out, and says why it stopped. in and inLeft are advanced past what was read.
Stop ConvertUntilStuck(iconv_t cd, char*& in, std::size_t& inLeft, ByteString& out) {
  char buffer[1024];
  for (;;) {
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    const std::size_t result = iconv(cd, inLeft == 0 ? nullptr : &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
    if (result != kIconvFailed) return Stop::kDone;
    if (errno == E2BIG) continue;
    return errno == EINVAL ? Stop::kTruncated : Stop::kInvalid;
  }
}

// Writes what a stateful encoding needs to return to its initial state (the
// ESC ( B of ISO-2022-JP), so raw replacement bytes land in ASCII mode.
void ReturnToInitialState(iconv_t cd, ByteString& out) {
  char buffer[16];
  char* outPtr = buffer;
  std::size_t outLeft = sizeof buffer;
  iconv(cd, nullptr, nullptr, &outPtr, &outLeft);
  out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
}

bool IsDoubleByteLead(std::uint32_t codepage, unsigned char byte) {
  if (codepage == kCodepageShiftJis || codepage == 1) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
  }
  if (codepage == kCodepageEucJp) return byte >= 0x8E && byte != 0xFF;
  return false;
}

}  // namespace

bool PlatformSupportsCodepage(std::uint32_t codepage) {
  const char* name = IconvName(codepage);
  return name != nullptr && IconvConverter("UTF-16LE", name).ok();
}

ByteString PlatformWideToMultiByte(const char16_t* text, std::size_t length,
                                   std::uint32_t codepage) {
  const char* name = IconvName(codepage);
  if (length == 0 || name == nullptr) return ByteString();
  IconvConverter converter(name, "UTF-16LE");
  if (!converter.ok()) return ByteString();
  const ByteString replacement = codepage == kCodepageUtf8 ? "\xEF\xBF\xBD" : "?";

  char* in = const_cast<char*>(reinterpret_cast<const char*>(text));
  std::size_t inLeft = length * sizeof(char16_t);
  ByteString out;
  for (;;) {
    const Stop stop = ConvertUntilStuck(converter.get(), in, inLeft, out);
    ReturnToInitialState(converter.get(), out);
    if (stop == Stop::kDone) break;
    out += replacement;
    if (stop == Stop::kTruncated) break;
    in += sizeof(char16_t);  // one code unit, as Windows replaces unit by unit
    inLeft -= sizeof(char16_t);
  }
  return out;
}

WideString PlatformMultiByteToWide(const char* bytes, std::size_t length,
                                   std::uint32_t codepage) {
  const char* name = IconvName(codepage);
  if (length == 0 || name == nullptr) return WideString();
  IconvConverter converter("UTF-16LE", name);
  if (!converter.ok()) return WideString();
  const char16_t replacement = codepage == kCodepageUtf8 ? u'\uFFFD' : u'\u30FB';

  char* in = const_cast<char*>(bytes);
  std::size_t inLeft = length;
  ByteString utf16;  // little-endian UTF-16 bytes as iconv writes them
  WideString out;
  auto flush = [&] {
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
      out += static_cast<char16_t>(static_cast<unsigned char>(utf16[i]) |
                                   (static_cast<unsigned char>(utf16[i + 1]) << 8));
    }
    utf16.clear();
  };
  for (;;) {
    const Stop stop = ConvertUntilStuck(converter.get(), in, inLeft, utf16);
    flush();
    if (stop == Stop::kDone) break;
    out += replacement;
    if (stop == Stop::kTruncated) break;
    const std::size_t skip =
        (inLeft >= 2 && IsDoubleByteLead(codepage, static_cast<unsigned char>(*in))) ? 2 : 1;
    in += skip;
    inLeft -= skip;
    iconv(converter.get(), nullptr, nullptr, nullptr, nullptr);  // forget any half-read state
  }
  return out;
}
