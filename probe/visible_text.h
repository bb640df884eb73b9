#pragma once
// Shows protocol text on a terminal without hiding what the bytes are.
#include <string>

// Writes CR as "\r" and LF as "\n" and starts a new output line after each
// line end (after "\r\n" as a pair, or after a lone "\r" or "\n"); other
// control bytes become "\xNN" and a backslash becomes "\\", so nothing is
// ambiguous. Bytes from 0x80 up pass through (the caller hands over UTF-8).
// The result always ends with a newline.
std::string MakeLineEndsVisible(const std::string& text);
