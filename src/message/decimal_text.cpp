#include "message/decimal_text.h"

#include <limits>

namespace {

// The characters the C library's isspace accepts in the "C" locale.
bool IsDecimalWhiteSpace(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::int32_t ReadSaturatedDecimal(const char16_t* begin, const char16_t* end) {
  const char16_t* p = begin;
  while (p != end && IsDecimalWhiteSpace(*p)) ++p;
  bool negative = false;
  if (p != end && (*p == u'+' || *p == u'-')) {
    negative = (*p == u'-');
    ++p;
  }
  // The magnitude is kept in 64 bits and stops growing once past the limit,
  // so any number of digits saturates without overflow.
  const std::int64_t limit =
      negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
               : std::numeric_limits<std::int32_t>::max();
  std::int64_t magnitude = 0;
  for (; p != end && IsDigit(*p); ++p) {
    if (magnitude <= limit) magnitude = magnitude * 10 + (*p - u'0');
  }
  if (magnitude > limit) magnitude = limit;
  return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

WideString DecimalText(std::int32_t number) {
  // Widened first, so the most negative number has a magnitude too.
  std::int64_t magnitude = number;
  const bool negative = magnitude < 0;
  if (negative) magnitude = -magnitude;
  WideString digits;
  do {
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
    magnitude /= 10;
  } while (magnitude != 0);
  if (negative) digits.insert(digits.begin(), u'-');
  return digits;
}
