#include "probe_options.h"

#include <cmath>
#include <cstdlib>

namespace {

// Splits "--name=value" into its two halves; other tokens come back whole.
struct OptionToken {
  std::string name;
  std::optional<std::string> inlineValue;
};

OptionToken SplitOption(const std::string& token) {
  const auto equals = token.find('=');
  if (token.rfind("--", 0) != 0 || equals == std::string::npos) return {token, std::nullopt};
  return {token.substr(0, equals), token.substr(equals + 1)};
}

// Walks the argument list; options that take a value read it from "=value" or
// from the next argument.
class ArgumentCursor {
 public:
  explicit ArgumentCursor(const std::vector<std::string>& args) : args_(args) {}
  bool AtEnd() const { return next_ >= args_.size(); }
  const std::string& Take() { return args_[next_++]; }

  // The option's value, or nullopt (with error set) when there is none.
  std::optional<std::string> ValueFor(const OptionToken& option, std::string& error) {
    if (option.inlineValue) return option.inlineValue;
    if (AtEnd()) {
      error = option.name + " needs a value";
      return std::nullopt;
    }
    return Take();
  }

 private:
  const std::vector<std::string>& args_;
  std::size_t next_ = 0;
};

// A CR or LF inside a value would end its request line early and smuggle in
// another line, so such values are refused rather than sent.
std::string LineBreakProblem(const RequestPlan& plan) {
  auto breaks = [](const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; };
  bool found = breaks(plan.command) || (plan.charset && breaks(*plan.charset)) ||
               (plan.securityLevel && breaks(*plan.securityLevel));
  for (const auto& header : plan.headers) found = found || breaks(header);
  for (const auto& argument : plan.arguments) found = found || breaks(argument);
  return found ? "a request value holds a line break; use --file to send unusual text" : "";
}

bool IsHelp(const std::string& token) { return token == "--help" || token == "-h"; }

// Options both subcommands understand; returns false when the token is not one.
bool TakeCommonOption(const OptionToken& option, ArgumentCursor& cursor, ProbeOptions& options,
                      std::string& error) {
  if (option.name == "--module") {
    if (auto value = cursor.ValueFor(option, error)) options.modulePath = *value;
    return true;
  }
  if (option.name == "--virtual") {
    if (auto value = cursor.ValueFor(option, error)) options.virtualTimeline = *value;
    return true;
  }
  return false;
}

// Applies one per-request option to the request being built; false when the
// token is not a per-request option.
bool TakeRequestOption(const OptionToken& option, ArgumentCursor& cursor, RequestPlan& plan,
                       std::string& error) {
  const std::string& name = option.name;
  if (name != "--command" && name != "--charset" && name != "--security-level" && name != "--header") {
    return false;
  }
  const auto value = cursor.ValueFor(option, error);
  if (!value) return true;
  if (name == "--command") {
    plan.command = *value;
  } else if (name == "--charset") {
    plan.charset = (*value == "none") ? std::nullopt : std::optional<std::string>(*value);
  } else if (name == "--security-level") {
    plan.securityLevel = *value;
  } else if (value->find(": ") == std::string::npos || value->rfind(": ", 0) == 0) {
    error = "--header needs \"Key: Value\" (a key, a colon and a space), got \"" + *value + "\"";
  } else {
    plan.headers.push_back(*value);
  }
  return true;
}

void ParseRequestArguments(ArgumentCursor& cursor, ProbeOptions& options, std::string& error) {
  RequestPlan current;
  bool currentUsed = false;
  auto finishRequest = [&](bool atSeparator) {
    if (currentUsed) {
      error = LineBreakProblem(current);
      options.requests.push_back(current);
    } else if (atSeparator || !options.requests.empty()) {
      error = "empty request: put a command between the \"--\" separators";
    }
    current = RequestPlan{};
    currentUsed = false;
  };
  while (error.empty() && !cursor.AtEnd()) {
    const std::string& token = cursor.Take();
    if (IsHelp(token)) {
      options.help = true;
      return;
    }
    if (token == "--") {
      finishRequest(true);
      continue;
    }
    const OptionToken option = SplitOption(token);
    if (TakeCommonOption(option, cursor, options, error)) continue;
    if (option.name == "--file") {
      if (auto value = cursor.ValueFor(option, error)) options.requestFile = *value;
      continue;
    }
    if (TakeRequestOption(option, cursor, current, error)) {
      currentUsed = true;
      continue;
    }
    if (token.rfind("--", 0) == 0) {
      error = "unknown option " + option.name + " (see: tesmir-probe request --help)";
      return;
    }
    current.arguments.push_back(token);
    currentUsed = true;
  }
  if (!error.empty()) return;
  finishRequest(false);
  if (!error.empty()) return;
  if (options.requestFile && !options.requests.empty()) {
    error = "give the requests either on the command line or with --file, not both";
  } else if (!options.requestFile && options.requests.empty()) {
    error = "nothing to send: give a command (for example: request config margin 300) or --file FILE";
  }
}

// Reads a duration in seconds: a positive decimal number such as 2 or 1.5.
std::optional<double> ReadDuration(const std::string& text) {
  if (text.empty()) return std::nullopt;
  char* end = nullptr;
  const double seconds = std::strtod(text.c_str(), &end);
  if (end != text.c_str() + text.size() || !std::isfinite(seconds) || seconds <= 0 || seconds > 1e6) {
    return std::nullopt;
  }
  return seconds;
}

void ParseWatchArguments(ArgumentCursor& cursor, ProbeOptions& options, std::string& error) {
  while (error.empty() && !cursor.AtEnd()) {
    const std::string& token = cursor.Take();
    if (IsHelp(token)) {
      options.help = true;
      return;
    }
    const OptionToken option = SplitOption(token);
    if (TakeCommonOption(option, cursor, options, error)) continue;
    if (option.name == "--raw") {
      options.raw = true;
    } else if (option.name == "--margin") {
      if (auto value = cursor.ValueFor(option, error)) options.margin = *value;
    } else if (option.name == "--buttonnum") {
      if (auto value = cursor.ValueFor(option, error)) options.buttonnum = *value;
    } else if (option.name == "--duration") {
      if (auto value = cursor.ValueFor(option, error)) {
        options.durationSeconds = ReadDuration(*value);
        if (!options.durationSeconds) error = "--duration needs a positive number of seconds, got \"" + *value + "\"";
      }
    } else if (token.rfind("-", 0) == 0) {
      error = "unknown option " + option.name + " (see: tesmir-probe watch --help)";
    } else {
      error = "watch takes no arguments, got \"" + token + "\" (see: tesmir-probe watch --help)";
    }
  }
}

}  // namespace

ParseResult ParseProbeArguments(const std::vector<std::string>& args) {
  ParseResult result;
  if (args.empty()) {
    result.error = "missing subcommand: request or watch (see: tesmir-probe --help)";
    return result;
  }
  ArgumentCursor cursor(args);
  const std::string& first = cursor.Take();
  if (IsHelp(first)) {
    result.options.help = true;
  } else if (first == "request") {
    result.options.subcommand = Subcommand::kRequest;
    ParseRequestArguments(cursor, result.options, result.error);
  } else if (first == "watch") {
    result.options.subcommand = Subcommand::kWatch;
    ParseWatchArguments(cursor, result.options, result.error);
  } else {
    result.error = "unknown subcommand \"" + first + "\": use request or watch (see: tesmir-probe --help)";
  }
  return result;
}
