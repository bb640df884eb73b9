// The command line: request groups, per-request options, watch settings and
// the usage errors that must come back as one line instead of a guess.
#include <gtest/gtest.h>

#include "probe_options.h"

namespace {

ParseResult Parse(std::vector<std::string> args) { return ParseProbeArguments(args); }

TEST(ProbeOptions, RequestsAreSplitAtSeparatorsWithTheirOwnOptions) {
  const ParseResult result = Parse({"request", "--module", "x.dll", "create", "1234", "--", "--charset", "Shift_JIS",
                                    "--security-level", "external", "config", "margin", "-3", "--",
                                    "--command", "GET Version"});
  ASSERT_EQ(result.error, "");
  const ProbeOptions& options = result.options;
  EXPECT_EQ(options.subcommand, Subcommand::kRequest);
  EXPECT_EQ(options.modulePath, "x.dll");
  ASSERT_EQ(options.requests.size(), 3u);
  EXPECT_EQ(options.requests[0].arguments, (std::vector<std::string>{"create", "1234"}));
  EXPECT_EQ(options.requests[0].charset, std::optional<std::string>("UTF-8"));
  EXPECT_EQ(options.requests[1].charset, std::optional<std::string>("Shift_JIS"));
  EXPECT_EQ(options.requests[1].securityLevel, std::optional<std::string>("external"));
  EXPECT_EQ(options.requests[1].arguments, (std::vector<std::string>{"config", "margin", "-3"}));
  EXPECT_EQ(options.requests[2].command, "GET Version");
  EXPECT_TRUE(options.requests[2].arguments.empty());
  EXPECT_EQ(options.requests[2].charset, std::optional<std::string>("UTF-8")) << "options do not carry over";
}

TEST(ProbeOptions, RequestOptionForms) {
  const ParseResult result =
      Parse({"request", "--charset=none", "--header", "Sender: probe", "--header=X-Y: a: b", "--virtual=t.txt", "start"});
  ASSERT_EQ(result.error, "");
  const RequestPlan& plan = result.options.requests.at(0);
  EXPECT_FALSE(plan.charset.has_value());
  EXPECT_EQ(plan.headers, (std::vector<std::string>{"Sender: probe", "X-Y: a: b"}));
  EXPECT_EQ(result.options.virtualTimeline, std::optional<std::string>("t.txt"));
}

TEST(ProbeOptions, WatchSettings) {
  const ParseResult result =
      Parse({"watch", "--margin", "300", "--buttonnum=8", "--duration", "1.5", "--raw", "--virtual", "demo.txt"});
  ASSERT_EQ(result.error, "");
  EXPECT_EQ(result.options.subcommand, Subcommand::kWatch);
  EXPECT_EQ(result.options.margin, std::optional<std::string>("300"));
  EXPECT_EQ(result.options.buttonnum, std::optional<std::string>("8"));
  EXPECT_EQ(result.options.durationSeconds, std::optional<double>(1.5));
  EXPECT_TRUE(result.options.raw);
  EXPECT_EQ(result.options.virtualTimeline, std::optional<std::string>("demo.txt"));
}

TEST(ProbeOptions, HelpWherever) {
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"--help"}, {"-h"}, {"request", "--help"}, {"watch", "-h"}, {"request", "create", "--help"}}) {
    SCOPED_TRACE(args.back());
    const ParseResult result = Parse(args);
    EXPECT_EQ(result.error, "");
    EXPECT_TRUE(result.options.help);
  }
  EXPECT_NE(HelpText(Subcommand::kNone), HelpText(Subcommand::kWatch));
}

TEST(ProbeOptions, UsageErrorsNameTheProblem) {
  const struct {
    std::vector<std::string> args;
    const char* expectedPart;
  } kCases[] = {
      {{}, "missing subcommand"},
      {{"send"}, "unknown subcommand \"send\""},
      {{"request"}, "nothing to send"},
      {{"request", "start", "--"}, "empty request"},
      {{"request", "--", "start"}, "empty request"},
      {{"request", "start", "--", "--", "stop"}, "empty request"},
      {{"request", "--bogus", "start"}, "unknown option --bogus"},
      {{"request", "--module"}, "--module needs a value"},
      {{"request", "--header", "NoSpace:x", "start"}, "--header needs"},
      {{"request", "--header", ": value", "start"}, "--header needs"},
      {{"request", "--file", "a.txt", "start"}, "not both"},
      {{"request", "config", "margin", "3\r\nArgument9: x"}, "line break"},
      {{"watch", "--duration", "0"}, "--duration needs a positive number"},
      {{"watch", "--duration", "2s"}, "--duration needs a positive number"},
      {{"watch", "--duration", "nan"}, "--duration needs a positive number"},
      {{"watch", "extra"}, "watch takes no arguments"},
      {{"watch", "--margin"}, "--margin needs a value"},
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.expectedPart);
    const ParseResult result = Parse(c.args);
    EXPECT_NE(result.error.find(c.expectedPart), std::string::npos) << result.error;
    EXPECT_EQ(result.error.find('\n'), std::string::npos);
  }
}

}  // namespace
