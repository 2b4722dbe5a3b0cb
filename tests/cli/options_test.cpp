// The batch tool's command line where a parser library reads words its own way: options
// that belong to the one before them, repeated options, values that look like options,
// and which faulty word a refusal names.
#include "cli/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Args = std::vector<std::string>;

CliOptions accepted(const Args &args)
{
    const CliParseResult r = parseCommandLine(args);
    EXPECT_EQ(r.error, "") << args.front();
    return r.options;
}

} // namespace

TEST(CommandLineWords, OffsetOptionsApplyToTheOffsetBeforeThem)
{
    const CliOptions o = accepted({ "--offset", "a.dvn", "--offset-name", "A", "--offset", "b.txt",
        "--offset-position", "-5,3", "w.txt", "--offset-name", "B", "--offset-name", "C" });
    ASSERT_EQ(o.offsets.size(), 2u);
    EXPECT_EQ(o.offsets[0].path, "a.dvn");
    EXPECT_EQ(o.offsets[0].name, "A");
    EXPECT_FALSE(o.offsets[0].position);
    EXPECT_EQ(o.offsets[1].path, "b.txt");
    EXPECT_EQ(o.offsets[1].position, std::pair(-5.0, 3.0)) << "north first";
    EXPECT_EQ(o.offsets[1].name, "C") << "the last of a repeated option";
    EXPECT_EQ(o.input, "w.txt");
}

TEST(CommandLineWords, RequestsAndExportsKeepTheirOrder)
{
    const CliOptions o = accepted({ "--listing", "l.csv", "--every-md", "10", "--at-md", "5",
        "x.txt", "--at-tvd", "-7", "--export", "b.xlsx", "--at-md", "3", "--export", "a.csv" });
    using K = listing::RequestKind;
    ASSERT_EQ(o.requests.size(), 4u);
    const std::pair<K, double> expected[]
        = { { K::EveryMd, 10 }, { K::AtMd, 5 }, { K::AtTvd, -7 }, { K::AtMd, 3 } };
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(o.requests[i].kind, expected[i].first) << i;
        EXPECT_EQ(o.requests[i].value, expected[i].second) << i;
    }
    EXPECT_EQ(o.exportFiles, (Args { "b.xlsx", "a.csv" }));
}

TEST(CommandLineWords, TheLastOfARepeatedOptionCounts)
{
    const CliOptions o = accepted({ "--view", "3d", "--format", "weg", "x.txt", "--view", "top",
        "--format", "atk", "--name", "a", "--name", "b", "--help", "--help" });
    EXPECT_EQ(o.view, CliOptions::View::Top);
    EXPECT_EQ(o.format, 2);
    EXPECT_EQ(o.name, "b");
    EXPECT_TRUE(o.help);
}

TEST(CommandLineWords, AValueIsTheNextWordWhateverItLooksLike)
{
    const CliOptions o = accepted({ "--name", "--help", "--interpolate", "-5", "--elevation",
        "-3.25", "--results-file", "--", "--lang", "--bogus", "--plot", "--lang=en", "-" });
    EXPECT_EQ(o.name, "--help");
    EXPECT_FALSE(o.help);
    EXPECT_EQ(o.interpolate, std::vector<float> { -5.0f });
    EXPECT_EQ(o.elevation, -3.25);
    EXPECT_EQ(o.resultsFile, "--");
    EXPECT_EQ(o.plotFile, "--lang=en");
    EXPECT_EQ(o.input, "-") << "standard input";
    EXPECT_EQ(accepted({ "--lang=", "x.txt", "--lang=en", "--lang", "de" }).input, "x.txt");
}

TEST(CommandLineWords, TheFirstFaultyWordIsNamed)
{
    const std::string beforeOffset
        = " gilt für die Nachbarbohrung davor und braucht ein --offset DATEI vor sich";
    const std::pair<Args, std::string> cases[] = {
        { { "--bogus", "--every", "3" }, "Unbekannte Option: --bogus" },
        { { "--every", "3", "--bogus" }, "--every erwartet 1, 2, 5 oder 10" },
        { { "x.txt", "y.txt", "--bogus" }, "Es ist nur eine Eingabedatei erlaubt" },
        { { "--stations", "-", "--every", "3", "x.txt" }, "--every erwartet 1, 2, 5 oder 10" },
        { { "--stations", "-", "x.txt", "--every", "3" }, "Es ist nur eine Eingabedatei erlaubt" },
        // Words a parser library would take as an option with its value, the end of the
        // options, a negative number or two short options.
        { { "x.txt", "--format=csv" }, "Unbekannte Option: --format=csv" },
        { { "x.txt", "--", "--bogus" }, "Unbekannte Option: --" },
        { { "-5", "x.txt" }, "Unbekannte Option: -5" },
        { { "x.txt", "-hv" }, "Unbekannte Option: -hv" },
        { { "x.txt", "--help=1" }, "Unbekannte Option: --help=1" },
        // A value missing at the end gets the option's own message.
        { { "x.txt", "--format" },
            "--format erwartet weg, free, atk, csv, xlsx, xls, las oder witsml" },
        { { "--bogus", "--format" }, "Unbekannte Option: --bogus" },
        { { "x.txt", "--offset-name" }, "--offset-name" + beforeOffset },
        { { "--offset-name", "A", "--offset", "b.dvn", "x.txt" }, "--offset-name" + beforeOffset },
        { { "--offset-bogus", "1", "x.txt" }, "--offset-bogus" + beforeOffset },
        { { "--offset", "b.dvn", "--offset-bogus", "1" }, "Unbekannte Option: --offset-bogus" },
        { { "--offset", "b.dvn", "--offset-kickoff", "-1", "--bogus" },
            "--offset-kickoff erwartet die Abzweigteufe in Metern (z.B. 1200)" },
    };
    for (const auto &[args, message] : cases)
        EXPECT_EQ(parseCommandLine(args).error, message) << args.front() << " " << args.back();
}
