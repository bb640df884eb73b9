#pragma once
// The probe's command line, read into plain records. Pure: no Win32, so the
// parsing is tested natively as well as under wine.
#include <optional>
#include <string>
#include <vector>

// One request built from the command line; text is UTF-8 as typed.
struct RequestPlan {
  std::string command = "EXECUTE";          // the first line's word(s) before " SAORI/1.0"
  std::optional<std::string> charset = std::string("UTF-8");  // nullopt: no Charset line
  std::optional<std::string> securityLevel;  // nullopt: no SecurityLevel line
  std::vector<std::string> headers;          // extra "Key: Value" lines, in order
  std::vector<std::string> arguments;        // Argument0, Argument1, ...
};

enum class Subcommand { kNone, kRequest, kWatch };

struct ProbeOptions {
  Subcommand subcommand = Subcommand::kNone;
  bool help = false;                          // print the help of the subcommand (or the program)
  std::string modulePath;                     // empty: Tesmir.dll beside the probe
  std::optional<std::string> virtualTimeline; // play this timeline through the virtual controller
  // request
  std::vector<RequestPlan> requests;          // from the command line, in order
  std::optional<std::string> requestFile;     // blank-line separated raw requests
  // watch
  std::optional<std::string> margin;          // sent as given: the module clamps, the probe does not
  std::optional<std::string> buttonnum;
  std::optional<double> durationSeconds;      // nullopt: until Ctrl+C
  bool raw = false;                           // show the notification text instead of decoding it
};

struct ParseResult {
  ProbeOptions options;
  std::string error;  // empty on success; one line saying what is wrong
};

// Reads the arguments that follow the program name. Never throws for bad
// input: a usage problem comes back in ParseResult::error.
ParseResult ParseProbeArguments(const std::vector<std::string>& args);

// Help text for the program (kNone) or one subcommand, ending with a newline.
std::string HelpText(Subcommand subcommand);
