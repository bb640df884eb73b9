#pragma once
// Conversions between the probe's UTF-8 text and UTF-16 or a Windows code page.
#include <cstdint>
#include <optional>
#include <string>

// UTF-16 to UTF-8 and back; invalid input becomes the replacement character.
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromUtf8(const std::string& text);

// UTF-8 text as bytes of the code page (unmappable characters become the code
// page's default character). UTF-8 itself passes through unchanged, and so
// does plain ASCII when the system has no converter for the code page (wine
// lacks ISO-2022-JP): ASCII reads the same in all four SAORI charsets.
// Nullopt when non-ASCII text cannot be converted.
std::optional<std::string> EncodeFromUtf8(const std::string& utf8, std::uint32_t codepage);

// Bytes of the code page as UTF-8 for display. UTF-8 passes through unchanged,
// so the bytes shown are the bytes received; so do bytes the system cannot
// convert, which the display then shows escaped where they are not text.
std::string DecodeToUtf8(const std::string& bytes, std::uint32_t codepage);
