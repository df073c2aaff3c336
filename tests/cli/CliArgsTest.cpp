// The verbs' argument parsing: positionals, options with their values, flags, "--", and the
// whole and decimal numbers with their ranges, each with the message the verb prints.
#include "cli/CliArgs.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/CliVerb.h"

namespace qp::cli {
namespace {

// The options a verb like "record" or "play" declares.
const std::set<std::string> kValueOptions = {"seconds", "speed", "folder", "name"};
const std::set<std::string> kFlags = {"yes", "scan"};

struct ParseRow {
  const char* what;
  std::vector<std::string> args;
  bool ok;
  std::vector<std::string> positional;
  std::map<std::string, std::string> values;
  std::set<std::string> flags;
  std::string error;
};

const ParseRow kParseRows[] = {
    {"positionals only", {"a.wav", "b.wav"}, true, {"a.wav", "b.wav"}, {}, {}, ""},
    {"value as the next word",
     {"a.wav", "--seconds", "3"},
     true,
     {"a.wav"},
     {{"seconds", "3"}},
     {},
     ""},
    {"value after =", {"--seconds=3", "a.wav"}, true, {"a.wav"}, {{"seconds", "3"}}, {}, ""},
    {"empty value after =", {"--name="}, true, {}, {{"name", ""}}, {}, ""},
    {"value holding =", {"--name=a=b"}, true, {}, {{"name", "a=b"}}, {}, ""},
    {"flags", {"--yes", "x", "--scan"}, true, {"x"}, {}, {"yes", "scan"}, ""},
    {"repeated option: the last wins",
     {"--seconds", "1", "--seconds=2"},
     true,
     {},
     {{"seconds", "2"}},
     {},
     ""},
    {"repeated flag", {"--yes", "--yes"}, true, {}, {}, {"yes"}, ""},
    {"negative number as a value", {"--speed", "-19"}, true, {}, {{"speed", "-19"}}, {}, ""},
    {"negative number as a positional", {"-19", "-0.5"}, true, {"-19", "-0.5"}, {}, {}, ""},
    {"single dash and short words are positionals",
     {"-", "-x", ""},
     true,
     {"-", "-x", ""},
     {},
     {},
     ""},
    {"a value may look like an option",
     {"--folder", "--yes"},
     true,
     {},
     {{"folder", "--yes"}},
     {},
     ""},
    {"-- ends the options",
     {"--yes", "--", "--scan", "--seconds", "-"},
     true,
     {"--scan", "--seconds", "-"},
     {},
     {"yes"},
     ""},
    {"-- as the last word", {"a.wav", "--"}, true, {"a.wav"}, {}, {}, ""},
    {"unknown option",
     {"a.wav", "--bogus", "1"},
     false,
     {"a.wav"},
     {},
     {},
     "unknown option --bogus"},
    {"unknown option with a value", {"--bogus=1"}, false, {}, {}, {}, "unknown option --bogus=1"},
    {"a flag takes no value", {"--yes=1"}, false, {}, {}, {}, "unknown option --yes=1"},
    {"missing value at the end",
     {"a.wav", "--seconds"},
     false,
     {"a.wav"},
     {},
     {},
     "option --seconds needs a value"},
    {"options are whole words", {"--sec", "3"}, false, {}, {}, {}, "unknown option --sec"},
};

TEST(CliArgsTest, ParsesEveryShapeOfArgument) {
  for (const ParseRow& row : kParseRows) {
    SCOPED_TRACE(row.what);
    CliArgs args;
    EXPECT_EQ(args.parse(row.args, kValueOptions, kFlags), row.ok);
    EXPECT_EQ(args.error(), row.error);
    if (!row.ok) {
      continue;  // what was read before the error is of no use to a verb
    }
    EXPECT_EQ(args.positional(), row.positional);
    for (const std::string& name : kValueOptions) {
      const auto expected = row.values.find(name);
      EXPECT_EQ(args.value(name), expected == row.values.end()
                                      ? std::nullopt
                                      : std::optional<std::string>(expected->second))
          << name;
    }
    for (const std::string& name : kFlags) {
      EXPECT_EQ(args.has(name), row.flags.count(name) != 0) << name;
    }
  }
}

struct NumberRow {
  const char* text;  // nullptr: the option is absent
  std::optional<long> whole;
  std::optional<double> decimal;
};

// Whole numbers from -19 to 19 (a speed position), decimals from -1 to 1e7.
const NumberRow kNumberRows[] = {
    {nullptr, std::nullopt, std::nullopt},
    {"0", 0, 0.0},
    {"19", 19, 19.0},
    {"-19", -19, std::nullopt},
    {"+5", 5, 5.0},
    {"20", std::nullopt, 20.0},
    {"-20", std::nullopt, std::nullopt},
    {"2.5", std::nullopt, 2.5},
    {"-0.5", std::nullopt, -0.5},
    {"1e3", std::nullopt, 1000.0},
    {"", std::nullopt, std::nullopt},
    {"abc", std::nullopt, std::nullopt},
    {"5x", std::nullopt, std::nullopt},
    {"5 ", std::nullopt, std::nullopt},
    {"1,5", std::nullopt, std::nullopt},
    {"99999999999999999999", std::nullopt, std::nullopt},
    {"1e400", std::nullopt, std::nullopt},
    {"nan", std::nullopt, std::nullopt},
    {"inf", std::nullopt, std::nullopt},
};

TEST(CliArgsTest, NumbersMustBeWholeAndWithinTheirRange) {
  for (const NumberRow& row : kNumberRows) {
    SCOPED_TRACE(row.text ? std::string("'") + row.text + "'" : "absent");
    CliArgs args;
    std::vector<std::string> words;
    if (row.text != nullptr) {
      words = {"--seconds", row.text};
    }
    ASSERT_TRUE(args.parse(words, kValueOptions));
    std::optional<long> whole;
    const bool wholeOk = args.intValue("seconds", -19, 19, whole);
    EXPECT_EQ(wholeOk, row.text == nullptr || row.whole.has_value());
    EXPECT_EQ(whole, row.whole);
    EXPECT_EQ(args.error(), wholeOk ? "" : "--seconds must be a whole number from -19 to 19");

    CliArgs again;
    ASSERT_TRUE(again.parse(words, kValueOptions));
    std::optional<double> decimal;
    const bool decimalOk = again.doubleValue("seconds", -1.0, 1e7, decimal);
    EXPECT_EQ(decimalOk, row.text == nullptr || row.decimal.has_value());
    EXPECT_EQ(decimal, row.decimal);
    EXPECT_EQ(again.error(), decimalOk ? "" : "--seconds is out of range");
  }
}

TEST(CliArgsTest, ABadNumberLeavesTheEarlierValueAlone) {
  CliArgs args;
  ASSERT_TRUE(args.parse({"--seconds", "many"}, kValueOptions));
  std::optional<long> whole = 7;
  EXPECT_FALSE(args.intValue("seconds", 0, 10, whole));
  EXPECT_EQ(whole, 7);
  std::optional<double> decimal = 0.25;
  EXPECT_FALSE(args.doubleValue("seconds", 0, 10, decimal));
  EXPECT_EQ(decimal, 0.25);
}

TEST(CliArgsTest, UsageAndUserErrorsGoToStandardErrorWithTheirExitStatus) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(usageError("unknown option --bogus", "play NOTE... [--speed S]"), kExitUsage);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "quillophone-cli: unknown option --bogus\nusage: quillophone-cli play NOTE... "
            "[--speed S]\n");
  testing::internal::CaptureStderr();
  EXPECT_EQ(userError("Unable to open the note file."), kExitUserError);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Unable to open the note file.\n");
}

}  // namespace
}  // namespace qp::cli
