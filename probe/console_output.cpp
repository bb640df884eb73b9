#include "console_output.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>

void PrepareStandardStreams() {
  // Text mode would turn every "\n" into "\r\n" and garble the shown responses.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  // Fails harmlessly when there is no console; then the bytes go to a pipe as they are.
  SetConsoleOutputCP(CP_UTF8);
}

bool StdoutIsConsole() {
  DWORD mode = 0;
  return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != FALSE;
}

void WriteOut(const std::string& text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fflush(stdout);
}

void ReportError(const std::string& line) {
  const std::string text = "tesmir-probe: error: " + line + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

void ReportNote(const std::string& line) {
  const std::string text = "tesmir-probe: " + line + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
  std::fflush(stderr);
}

void ConsolePanel::Draw(const std::vector<std::string>& lines) {
  const HANDLE console = GetStdHandle(STD_OUTPUT_HANDLE);
  CONSOLE_SCREEN_BUFFER_INFO info;
  if (drawnLines_ > 0 && GetConsoleScreenBufferInfo(console, &info)) {
    // Measured from where the last draw left the cursor, so a scroll during
    // the first draw does not matter.
    COORD top = {0, static_cast<SHORT>(info.dwCursorPosition.Y - drawnLines_)};
    if (top.Y < 0) top.Y = 0;
    SetConsoleCursorPosition(console, top);
  }
  std::string text;
  for (const std::string& line : lines) {
    if (line.size() > widest_) widest_ = line.size();
    text += line + std::string(widest_ - line.size(), ' ') + "\n";
  }
  WriteOut(text);
  drawnLines_ = static_cast<short>(lines.size());
}
