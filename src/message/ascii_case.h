#pragma once
// Letter-case folding for protocol keywords. Only A..Z fold onto a..z, whatever
// the run-time locale says: the module sets a Japanese locale, and the keys of
// the protocol are plain ASCII.
#include <cstddef>

#include "message/text.h"

// Returns c with an ASCII capital letter turned into its small letter.
constexpr char16_t AsciiToLower(char16_t c) {
  return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}
constexpr char AsciiToLower(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// True when both texts have the same length and fold to the same letters.
bool EqualsIgnoringAsciiCase(const WideString& a, const WideString& b);

// True when text is at least as long as prefix and its start folds to prefix.
bool StartsWithIgnoringAsciiCase(const WideString& text, const WideString& prefix);

// A copy of bytes with A..Z turned into a..z; every other byte is kept.
ByteString AsciiLowerCopy(const ByteString& bytes);
