#pragma once
// Reads the text of one SAORI request into a request record. Lenient: only a
// first line without the protocol marker is rejected; every later line that
// does not fit "key: value" is skipped.
#include <cstddef>
#include <cstdint>

#include "message/saori_records.h"
#include "message/text.h"

// Argument numbers above this are skipped like any line outside the grammar:
// a request must not be able to make the module allocate a list of billions
// of empty strings. Far more arguments than any command of this module takes.
constexpr std::int32_t kMaxArgumentNumber = 65535;

// Cuts the line that starts at start (CR LF, lone CR and lone LF end a line)
// into line and returns where the next line starts, or -1 when no line
// follows. A start of -1 or at the end gives an empty line and -1.
std::ptrdiff_t NextLine(std::ptrdiff_t start, const WideString& text, WideString& line);

// Fills command, id, args and headers of request from text, replacing what
// they held, and returns true; returns false and leaves the record untouched
// when the first line lacks the module's protocol marker.
bool ParseRequest(CSAORIRequest& request, const WideString& text);
