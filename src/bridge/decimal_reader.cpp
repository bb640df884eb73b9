#include "bridge/decimal_reader.h"

#include <limits>

namespace {

// First code unit of every run of ten decimal digits accepted besides ASCII:
// Arabic-Indic, Extended Arabic-Indic, Devanagari, Bengali, Gurmukhi, Gujarati,
// Oriya, Telugu, Kannada, Malayalam, Thai, Lao, Tibetan, Myanmar, Khmer,
// Mongolian and the full-width forms.
constexpr char16_t kDigitRunStarts[] = {
    0x0030, 0x0660, 0x06F0, 0x0966, 0x09E6, 0x0A66, 0x0AE6, 0x0B66, 0x0C66,
    0x0CE6, 0x0D66, 0x0E50, 0x0ED0, 0x0F20, 0x1040, 0x17E0, 0x1810, 0xFF10,
};

// The digit's value 0-9, or -1 for a code unit that is not a digit.
int DigitValue(char16_t unit) {
  for (char16_t start : kDigitRunStarts) {
    if (unit >= start && unit < start + 10) return unit - start;
  }
  return -1;
}

// ASCII white space and the Unicode space separators.
bool IsWhiteSpace(char16_t unit) {
  return (unit >= 0x09 && unit <= 0x0D) || unit == 0x20 || unit == 0x85 || unit == 0xA0 ||
         unit == 0x1680 || (unit >= 0x2000 && unit <= 0x200A) || unit == 0x2028 ||
         unit == 0x2029 || unit == 0x202F || unit == 0x205F || unit == 0x3000;
}

}  // namespace

std::int32_t ReadLenientDecimal(const WideString& text) {
  std::size_t at = 0;
  while (at < text.size() && IsWhiteSpace(text[at])) ++at;

  bool negative = false;
  if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) {
    negative = text[at] == u'-';
    ++at;
  }

  // Accumulated as a magnitude and clamped once it passes int32's largest
  // magnitude (2^31), so the sum can never overflow.
  constexpr std::int64_t kLimit = std::int64_t{1} << 31;
  std::int64_t magnitude = 0;
  for (; at < text.size(); ++at) {
    const int digit = DigitValue(text[at]);
    if (digit < 0) break;
    magnitude = magnitude * 10 + digit;
    if (magnitude > kLimit) magnitude = kLimit;
  }

  if (negative) return static_cast<std::int32_t>(-magnitude);
  if (magnitude > std::numeric_limits<std::int32_t>::max()) {
    return std::numeric_limits<std::int32_t>::max();
  }
  return static_cast<std::int32_t>(magnitude);
}
