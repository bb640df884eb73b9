#include "text_codec.h"

#include <windows.h>

namespace {

std::wstring ToWide(const std::string& bytes, UINT codepage) {
  if (bytes.empty()) return {};
  const int size = static_cast<int>(bytes.size());
  const int length = MultiByteToWideChar(codepage, 0, bytes.data(), size, nullptr, 0);
  if (length <= 0) return {};
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(codepage, 0, bytes.data(), size, wide.data(), length);
  return wide;
}

std::string FromWide(const std::wstring& wide, UINT codepage) {
  if (wide.empty()) return {};
  const int size = static_cast<int>(wide.size());
  const int length = WideCharToMultiByte(codepage, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
  if (length <= 0) return {};
  std::string bytes(static_cast<std::size_t>(length), '\0');
  WideCharToMultiByte(codepage, 0, wide.data(), size, bytes.data(), length, nullptr, nullptr);
  return bytes;
}

bool IsAscii(const std::string& text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  }
  return true;
}

}  // namespace

std::string Utf8FromWide(const std::wstring& text) { return FromWide(text, CP_UTF8); }
std::wstring WideFromUtf8(const std::string& text) { return ToWide(text, CP_UTF8); }

std::optional<std::string> EncodeFromUtf8(const std::string& utf8, std::uint32_t codepage) {
  if (codepage == CP_UTF8 || utf8.empty()) return utf8;
  std::string encoded = FromWide(ToWide(utf8, CP_UTF8), codepage);
  if (!encoded.empty()) return encoded;
  if (IsAscii(utf8)) return utf8;
  return std::nullopt;
}

std::string DecodeToUtf8(const std::string& bytes, std::uint32_t codepage) {
  if (codepage == CP_UTF8 || bytes.empty()) return bytes;
  std::string decoded = FromWide(ToWide(bytes, codepage), CP_UTF8);
  return decoded.empty() ? bytes : decoded;
}
