#pragma once
// Shows one SAORI response on stdout exactly, line ends made visible.
#include <cstdint>
#include <optional>
#include <string>

// Prints the response (converted from its code page to UTF-8 for display) and
// returns its status code; nullopt when there was no response or no status.
std::optional<int> PrintResponse(const std::optional<std::string>& response, std::uint32_t codepage);
