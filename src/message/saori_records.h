#pragma once
// The two plain records that carry one request through the module: the parser
// fills a CSAORIRequest, the module's hooks fill a CSAORIResponse, the composer
// writes it out. Both point at the module that serves the request, because the
// parser and the composer ask it for the protocol words.
#include <cstdint>
#include <map>
#include <vector>

#include "message/text.h"

class CSAORIBase;

// Header keys are ordered by their UTF-16 code units taken as unsigned numbers
// (char16_t is unsigned, so std::u16string's own ordering is exactly that; a key
// that is a prefix of another sorts first). Letter case is significant.
using HeaderMap = std::map<WideString, WideString>;

struct CSAORIRequest {
  explicit CSAORIRequest(CSAORIBase* serving) : module(serving) {}
  CSAORIRequest(const CSAORIRequest&) = delete;
  CSAORIRequest& operator=(const CSAORIRequest&) = delete;

  CSAORIBase* const module;        // not owned; never null while in use
  std::uint32_t codepage = 0;      // code page of the request text, set by the pipeline
  WideString command;              // first line's text before the protocol marker
  WideString id;                   // value of the "ID" line, empty when none
  std::vector<WideString> args;    // element N is the line "Argument<N>"; gaps are empty
  HeaderMap headers;               // every other header line
};

struct CSAORIResponse {
  explicit CSAORIResponse(CSAORIBase* serving) : module(serving) {}
  CSAORIResponse(const CSAORIResponse&) = delete;
  CSAORIResponse& operator=(const CSAORIResponse&) = delete;

  CSAORIBase* const module;        // not owned
  std::uint32_t codepage = 0;      // selects the Charset line and the encoding
  std::int32_t status = 0;         // SAORI status; 0 marks the reply to "GET Version"
  WideString result;               // the "Result" line's value
  std::vector<WideString> values;  // written as "Value<index>" lines
  HeaderMap headers;               // extra lines after "Result", in map order
};
