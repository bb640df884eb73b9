#include "frame/saori_base.h"

#include <clocale>

ModuleHandle g_hModule = nullptr;

CSAORIBase::CSAORIBase() {
  // Hosts of SAORI modules run on Japanese Windows and modules have long
  // expected this locale; where it does not exist the C locale stays, which
  // is harmless because protocol keys are folded without the locale.
  std::setlocale(LC_ALL, "Japanese");
}

CSAORIBase::~CSAORIBase() = default;

void CSAORIBase::BeforeExecute(CSAORIRequest&, CSAORIResponse&) {}

void CSAORIBase::AfterExecute(CSAORIRequest&, CSAORIResponse&) {}

bool CSAORIBase::ExecuteNonLocal(CSAORIRequest&, CSAORIResponse&) { return false; }

// Each word is one constant string that lives until the library's static
// data is torn down, so callers may keep the reference.
const WideString& CSAORI::GetProtocolVersion() {
  static const WideString word = u"SAORI/1.0";
  return word;
}

const WideString& CSAORI::GetProtocolMarker() {
  static const WideString word = u" SAORI/";
  return word;
}

const WideString& CSAORI::GetArgumentPrefix() {
  static const WideString word = u"Argument";
  return word;
}

const WideString& CSAORI::GetValuePrefix() {
  static const WideString word = u"Value";
  return word;
}

const WideString& CSAORI::GetResultKey() {
  static const WideString word = u"Result";
  return word;
}
