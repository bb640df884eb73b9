#pragma once
// Where the probe's text goes: stdout for what was asked for (responses,
// states), stderr for one-line notes and errors. Text is UTF-8.
#include <string>
#include <vector>

// Puts stdout and stderr in binary mode (line ends exactly as written) and a
// console in UTF-8. Call once at start-up.
void PrepareStandardStreams();

// Whether stdout is a console (a person watching) rather than a pipe or file.
bool StdoutIsConsole();

void WriteOut(const std::string& text);               // written and flushed at once
void ReportError(const std::string& line);            // "tesmir-probe: error: <line>"
void ReportNote(const std::string& line);             // "tesmir-probe: <line>"

// Redraws a block of lines in place on the console: each Draw moves the cursor
// back to the block's first line and writes over it.
class ConsolePanel {
 public:
  void Draw(const std::vector<std::string>& lines);

 private:
  short drawnLines_ = 0;
  std::size_t widest_ = 0;
};
