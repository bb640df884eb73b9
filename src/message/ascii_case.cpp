#include "message/ascii_case.h"

bool StartsWithIgnoringAsciiCase(const WideString& text, const WideString& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    if (AsciiToLower(text[i]) != AsciiToLower(prefix[i])) return false;
  }
  return true;
}

bool EqualsIgnoringAsciiCase(const WideString& a, const WideString& b) {
  return a.size() == b.size() && StartsWithIgnoringAsciiCase(a, b);
}

ByteString AsciiLowerCopy(const ByteString& bytes) {
  ByteString lowered(bytes);
  for (char& c : lowered) c = AsciiToLower(c);
  return lowered;
}
