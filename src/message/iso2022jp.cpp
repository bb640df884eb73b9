#include "message/iso2022jp.h"

#include "message/charset.h"
#include "message/platform_codepage.h"

namespace {

constexpr char kEscape = '\x1B';
constexpr char kToAscii[] = "\x1B(B";
constexpr char kToJisX0208[] = "\x1B$B";

// U+30FB in Shift_JIS: the replacement the 932 converter itself puts for
// invalid bytes, so decoded text shows bad input the same way in every code page.
constexpr char kShiftJisReplacement[] = "\x81\x45";

enum class Mode { kAscii, kKatakana, kJisX0208 };

bool IsJisByte(unsigned char byte) { return byte >= 0x21 && byte <= 0x7E; }

bool IsShiftJisLead(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// Row j1 and cell j2 (0x21..0x7E each) to the Shift_JIS pair of the same character.
void AppendJisAsShiftJis(unsigned char j1, unsigned char j2, ByteString& out) {
  const int s1 = ((j1 + 1) >> 1) + (j1 <= 0x5E ? 0x70 : 0xB0);
  int s2;
  if (j1 & 1) {
    s2 = j2 + (j2 >= 0x60 ? 0x20 : 0x1F);
  } else {
    s2 = j2 + 0x7E;
  }
  out += static_cast<char>(s1);
  out += static_cast<char>(s2);
}

// The Shift_JIS pair back to its JIS row and cell; false for pairs outside
// JIS X 0208's 94 x 94 grid (user-defined and vendor rows, bad trail bytes).
bool ShiftJisToJis(unsigned char s1, unsigned char s2, unsigned char& j1, unsigned char& j2) {
  if (s2 < 0x40 || s2 == 0x7F || s2 > 0xFC) return false;
  const int row = s1 <= 0x9F ? s1 - 0x70 : s1 - 0xB0;
  int first;
  int second;
  if (s2 >= 0x9F) {
    first = row * 2;
    second = s2 - 0x7E;
  } else {
    first = row * 2 - 1;
    second = s2 - (s2 >= 0x80 ? 0x20 : 0x1F);
  }
  if (first < 0x21 || first > 0x7E || second < 0x21 || second > 0x7E) return false;
  j1 = static_cast<unsigned char>(first);
  j2 = static_cast<unsigned char>(second);
  return true;
}

// Reads the escape sequence at bytes[i]; on a known one sets mode and returns
// its length, otherwise returns 0.
std::size_t ReadEscape(const char* bytes, std::size_t i, std::size_t length, Mode& mode) {
  if (i + 2 >= length) return 0;
  const char a = bytes[i + 1];
  const char b = bytes[i + 2];
  if (a == '(' && (b == 'B' || b == 'J')) {
    mode = Mode::kAscii;
  } else if (a == '(' && b == 'I') {
    mode = Mode::kKatakana;
  } else if (a == '$' && (b == 'B' || b == '@')) {
    mode = Mode::kJisX0208;
  } else {
    return 0;
  }
  return 3;
}

}  // namespace

WideString Iso2022JpToWide(const char* bytes, std::size_t length) {
  ByteString shiftJis;
  Mode mode = Mode::kAscii;
  std::size_t i = 0;
  while (i < length) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (bytes[i] == kEscape) {
      const std::size_t escapeLength = ReadEscape(bytes, i, length, mode);
      if (escapeLength != 0) {
        i += escapeLength;
        continue;
      }
    }
    if (byte >= 0x80) {
      shiftJis += kShiftJisReplacement;  // eight-bit bytes have no place in a 7-bit code
      ++i;
    } else if (mode == Mode::kJisX0208 && IsJisByte(byte)) {
      if (i + 1 < length && IsJisByte(static_cast<unsigned char>(bytes[i + 1]))) {
        AppendJisAsShiftJis(byte, static_cast<unsigned char>(bytes[i + 1]), shiftJis);
        i += 2;
      } else {
        shiftJis += kShiftJisReplacement;  // half a pair
        ++i;
      }
    } else if (mode == Mode::kKatakana && byte >= 0x21 && byte <= 0x5F) {
      shiftJis += static_cast<char>(byte + 0x80);  // half-width katakana, 0xA1..0xDF in Shift_JIS
      ++i;
    } else {
      // ASCII, and control characters and spaces in any mode: senders often
      // end a line without returning to ASCII first.
      shiftJis += static_cast<char>(byte);
      ++i;
    }
  }
  return PlatformMultiByteToWide(shiftJis.data(), shiftJis.size(), kCodepageShiftJis);
}

ByteString WideToIso2022Jp(const char16_t* text, std::size_t length) {
  const ByteString shiftJis = PlatformWideToMultiByte(text, length, kCodepageShiftJis);
  ByteString out;
  bool inJisX0208 = false;
  auto switchTo = [&](bool jisX0208) {
    if (inJisX0208 == jisX0208) return;
    out += jisX0208 ? kToJisX0208 : kToAscii;
    inJisX0208 = jisX0208;
  };
  for (std::size_t i = 0; i < shiftJis.size(); ++i) {
    const auto byte = static_cast<unsigned char>(shiftJis[i]);
    if (byte < 0x80) {
      switchTo(false);
      out += static_cast<char>(byte);
      continue;
    }
    unsigned char j1 = 0;
    unsigned char j2 = 0;
    if (IsShiftJisLead(byte) && i + 1 < shiftJis.size() &&
        ShiftJisToJis(byte, static_cast<unsigned char>(shiftJis[i + 1]), j1, j2)) {
      switchTo(true);
      out += static_cast<char>(j1);
      out += static_cast<char>(j2);
      ++i;
      continue;
    }
    // Half-width katakana and the rows beyond JIS X 0208 have no place in
    // this encoding; a double-byte code gives one '?' for both its bytes.
    if (IsShiftJisLead(byte) && i + 1 < shiftJis.size()) ++i;
    switchTo(false);
    out += '?';
  }
  switchTo(false);
  return out;
}
