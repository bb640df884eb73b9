// The table between charset names in SAORI text and code-page numbers.
#include <cstddef>

#include "message/ascii_case.h"
#include "message/charset.h"

namespace {

struct AcceptedName {
  const char* name;
  std::uint32_t codepage;
};

// Tried in this order; the first name that the input starts with decides.
constexpr AcceptedName kAcceptedNames[] = {
    {"shift_jis", kCodepageShiftJis}, {"x-sjis", kCodepageShiftJis},
    {"iso-2022-jp", kCodepageIso2022Jp}, {"euc-jp", kCodepageEucJp},
    {"x-euc-jp", kCodepageEucJp},       {"utf-8", kCodepageUtf8},
};

// Compares over the name's own length only; the input's NUL never equals a
// name character, so a shorter input stops the comparison before its end.
bool StartsWithName(const char* input, const char* name) {
  for (; *name != '\0'; ++input, ++name) {
    if (AsciiToLower(*input) != *name) return false;
  }
  return true;
}

}  // namespace

WideString CodepageToCharset(std::uint32_t codepage) {
  switch (codepage) {
    case kCodepageShiftJis: return u"Shift_JIS";
    case kCodepageIso2022Jp: return u"ISO-2022-JP";
    case kCodepageEucJp: return u"EUC-JP";
    case kCodepageUtf8: return u"UTF-8";
    default: return u"unknown charset";
  }
}

std::uint32_t CharsetToCodepage(const char* name) {
  if (name == nullptr || *name == '\0') return kCodepageShiftJis;
  for (const AcceptedName& accepted : kAcceptedNames) {
    if (StartsWithName(name, accepted.name)) return accepted.codepage;
  }
  return kCodepageShiftJis;
}
