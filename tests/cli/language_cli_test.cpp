// The batch tool in its two languages: the choice of the language, --help in English, and
// that a language changes the messages on standard error only.
#include "cli/options.h"
#include "tests/cli/clitool.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>
#include <string>

namespace {

using namespace clitest;

class Language : public ToolTest
{
protected:
    // Runs the tool as run() does, with the language variables of the environment
    // replaced by `environment` ("LANG=C LANGUAGE=en"; the others unset).
    Result runIn(
        const std::string &environment, const std::string &args, const std::string &input = {})
    {
        std::ofstream(dir + "/stdin", std::ios::binary) << input;
        const int raw
            = std::system(("cd '" + dir + "' && env -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "
                + environment + " '" DRAVON_CLI "' " + args + " <stdin >out 2>err")
                              .c_str());
        Result r;
        r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        r.out = file("out");
        r.err = file("err");
        return r;
    }
};

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::set<std::string> optionsNamed(const std::string &text)
{
    static const std::regex option("--[a-z0-9]+(-[a-z0-9]+)*");
    std::set<std::string> out;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), option);
         it != std::sregex_iterator(); ++it)
        out.insert(it->str());
    return out;
}

std::size_t columns(const std::string &utf8)
{
    std::size_t n = 0;
    for (unsigned char c : utf8)
        n += (c & 0xC0) != 0x80;
    return n;
}

// The help's layout: an option's description, on its line or the lines below, begins
// in the 26th column; the usage lines below the first line begin under its first "[".
void expectAligned(const std::string &help, const char *language)
{
    constexpr std::size_t kDescription = 25;
    bool inUsage = true;
    for (const std::string &line : lines(help)) {
        if (line.empty()) {
            inUsage = false;
            continue;
        }
        if (inUsage || line[0] != ' ')
            continue;
        const std::size_t text = line.find_first_not_of(' ');
        if (line.starts_with("  -") || line.starts_with("  FILE") || line.starts_with("  DATEI")) {
            // Two blanks part an option from its description; a single blank only
            // where the option fills the column.
            const std::size_t gap = line.find("  ", 2);
            if (gap != std::string::npos) {
                EXPECT_EQ(line.find_first_not_of(' ', gap), kDescription)
                    << language << ": " << line;
            }
        } else if (text > 2) {
            EXPECT_EQ(text, kDescription) << language << ": " << line;
        }
    }
}

} // namespace

TEST_F(Language, EnglishHelpNamesEveryOptionOfTheGermanOneInItsOwnWords)
{
    const Result german = runIn("", "--lang de --help");
    const Result english = runIn("", "--lang en --help");
    ASSERT_EQ(german.status, 0);
    ASSERT_EQ(english.status, 0);
    EXPECT_TRUE(optionsNamed(german.out).contains("--lang"));
    EXPECT_EQ(optionsNamed(english.out), optionsNamed(german.out));
    for (const std::string &line : lines(english.out)) {
        EXPECT_FALSE(std::regex_search(line, std::regex("ä|ö|ü|Ä|Ö|Ü|ß|Teufe"))) << line;
        EXPECT_LE(columns(line), 80u) << line;
    }
    expectAligned(german.out, "de");
    expectAligned(english.out, "en");
}

TEST_F(Language, TheEnvironmentChoosesUnlessLangIsGiven)
{
    const std::string german = "dravon-cli: Unbekannte Option: --bogus\n"
                               "Weitere Hinweise: dravon-cli --help\n";
    const std::string english = "dravon-cli: Unknown option: --bogus\n"
                                "More information: dravon-cli --help\n";
    const std::map<std::string, std::string> cases = {
        // The rule's cases are the i18n layer's test; here the tool reads the process's.
        { "", german },
        { "LANG=C", german },
        { "LANGUAGE=en", english },
        { "LANGUAGE= LC_ALL=en_US.UTF-8 LANG=de_DE.UTF-8", english },
    };
    for (const auto &[environment, expected] : cases) {
        const Result r = runIn(environment, "--bogus");
        EXPECT_EQ(r.status, 2) << environment;
        EXPECT_EQ(r.err, expected) << environment;
    }
    EXPECT_EQ(runIn("LANGUAGE=en", "--lang de --bogus").err, german);
    EXPECT_EQ(runIn("LANG=de_DE.UTF-8", "--bogus --lang=en").err, english);

    const Result unknown = runIn("", "--lang fr --help");
    EXPECT_EQ(unknown.status, 2);
    EXPECT_EQ(unknown.out, "");
}

TEST_F(Language, OptionErrorsInEnglish)
{
    EXPECT_EQ(runIn("", "--lang en --every 3 x").err,
        "dravon-cli: --every expects 1, 2, 5 or 10\nMore information: dravon-cli --help\n");
    // The option is named in the sentence where English puts it.
    EXPECT_EQ(runIn("", "--lang en --stations - --surface-margin 200").err,
        "dravon-cli: --surface-margin expects a length in metres from 0 to 100 (e.g. 0.3)\n"
        "More information: dravon-cli --help\n");
}

TEST_F(Language, OnlyTheMessagesChange)
{
    // A straight first interval, a point on the path, a depth beyond it and an abort:
    // remarks, a result and refusals, all in one run.
    const std::string input = "100 0 0\n200 10 45\n300 20 90\n400 130 90\n";
    const std::string args = "--stations - --interpolate 150 --interpolate 350 "
                             "--interpolate -5 --results-file aus.txt --listing l.csv "
                             "--at-md 5000";
    const Result german = runIn("", "--lang de " + args, input);
    const std::string germanResults = file("aus.txt"), germanListing = file("l.csv");
    const Result english = runIn("", "--lang en " + args, input);

    EXPECT_EQ(german.status, 1);
    EXPECT_EQ(english.status, german.status);
    // The table and the interpolation results on standard output, the results file and
    // the listing are file formats: the same bytes in both languages.
    EXPECT_NE(german.out.find("ERGEBNISSE DER INTERPOLATION"), std::string::npos);
    EXPECT_EQ(english.out, german.out);
    EXPECT_EQ(file("aus.txt"), germanResults);
    EXPECT_EQ(file("l.csv"), germanListing);

    EXPECT_NE(
        german.err.find("KEINE KRUEMMUNG VON TEUFE:   0.00 BIS  100.00 M\n"), std::string::npos);
    EXPECT_EQ(lines(english.err),
        (std::vector<std::string> {
            "NO CURVATURE FROM MD:   0.00 TO  100.00 M",
            "ABORTED at MD(m):400.00 ",
            "INC(deg):130.00 AZI(deg): 90.00",
            "dravon-cli: Cannot interpolate at MD 350: the computation ends at MD 300 m.",
            "dravon-cli: Cannot interpolate at MD -5: it lies above the wellhead.",
            "dravon-cli: The MD 5000 m lies outside the computed well (0.00 to 300.00 m).",
        }));
}

TEST(ChooseLanguage, CommandLineOverEnvironment)
{
    using i18n::Language;
    const auto environment = [](std::map<std::string, std::string> values) {
        return [values](const char *name) -> const char * {
            const auto it = values.find(name);
            return it == values.end() ? nullptr : it->second.c_str();
        };
    };
    const auto choose = [](const std::vector<std::string> &args, const i18n::Environment &env) {
        std::string error;
        const Language language = chooseLanguage(args, error, env);
        EXPECT_EQ(error, "");
        return language;
    };
    EXPECT_EQ(choose({}, environment({ { "LANG", "en_US.UTF-8" } })), Language::English);
    EXPECT_EQ(choose({ "--lang", "de", "x.txt" }, environment({ { "LANGUAGE", "en" } })),
        Language::German);
    EXPECT_EQ(
        choose({ "--lang", "en", "--lang=de", "--lang=en" }, environment({})), Language::English);

    for (const std::vector<std::string> &wrong :
        { std::vector<std::string> { "--lang" }, { "--lang", "fr" }, { "--lang=" } }) {
        std::string error;
        chooseLanguage(wrong, error, environment({}));
        EXPECT_NE(error, "") << wrong.back();
    }

    // The command line's parse passes over --lang and its value.
    const CliParseResult parsed = parseCommandLine({ "--lang", "en", "x.txt", "--lang=de" });
    EXPECT_EQ(parsed.error, "");
    EXPECT_EQ(parsed.options.input, "x.txt");
}
