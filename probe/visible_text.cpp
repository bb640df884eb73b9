#include "visible_text.h"

#include <cstdio>

std::string MakeLineEndsVisible(const std::string& text) {
  std::string shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
      shown += "\\r\\n\n";
      ++i;
    } else if (c == '\r') {
      shown += "\\r\n";
    } else if (c == '\n') {
      shown += "\\n\n";
    } else if (c == '\\') {
      shown += "\\\\";
    } else if (c < 0x20 || c == 0x7F) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      shown += escaped;
    } else {
      shown += static_cast<char>(c);
    }
  }
  if (shown.empty() || shown.back() != '\n') shown += '\n';
  return shown;
}
