#pragma once
// Text types shared by every subsystem. Parsing and composing work on wide
// text; bytes exist only where text crosses the module's boundary.
#include <string>

// UTF-16 text, one code unit per element, in every build (convert to wchar_t
// only at Win32 calls).
using WideString = std::u16string;

// Bytes in some code page, or raw request/response bytes.
using ByteString = std::string;
