// What the batch tool's tests share: a scratch folder to run the tool in, the files it
// writes there, CSV lines split into their fields, and the bundled examples with their
// stations read through the libraries, for checks against an independent path.
#pragma once

#include "well/computation.h"
#include "document/docfile.h"
#include "input/measurementfile.h"
#include "input/measurementreader.h"
#include "tests/support/rotatedtangent.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace clitest {

inline std::string slurp(const std::string &path)
{
    std::ostringstream s;
    s << std::ifstream(path, std::ios::binary).rdbuf();
    return s.str();
}

struct Result
{
    int status = -1;
    std::string out;
    std::string err;
};

class ToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        char templ[] = "/tmp/dravon-cli-test-XXXXXX";
        ASSERT_NE(mkdtemp(templ), nullptr);
        dir = templ;
    }
    void TearDown() override { EXPECT_EQ(std::system(("rm -rf '" + dir + "'").c_str()), 0); }

    // Runs the tool in the scratch folder with `args` (shell words) and `input` on
    // standard input; standard output and error are kept in the files "out" and "err".
    int exec(const std::string &args, const std::string &input = {})
    {
        std::ofstream(dir + "/stdin", std::ios::binary) << input;
        const int raw = std::system(
            ("cd '" + dir + "' && '" DRAVON_CLI "' " + args + " <stdin >out 2>err").c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    Result run(const std::string &args, const std::string &input = {})
    {
        Result r;
        r.status = exec(args, input);
        r.out = file("out");
        r.err = file("err");
        return r;
    }
    std::string file(const std::string &name) const { return slurp(dir + "/" + name); }
    std::string write(const std::string &name, const std::string &content) const
    {
        std::ofstream(dir + "/" + name, std::ios::binary) << content;
        return dir + "/" + name;
    }

    std::string dir;
};

using Fields = std::vector<std::string>;

// Lines ending in CR LF split at `delimiter`; the fields these tests read hold no quotes.
inline std::vector<Fields> csvLines(const std::string &bytes, char delimiter = ',')
{
    std::vector<Fields> rows;
    std::size_t from = 0;
    for (std::size_t end; (end = bytes.find("\r\n", from)) != std::string::npos; from = end + 2) {
        std::stringstream line(bytes.substr(from, end - from));
        rows.emplace_back();
        for (std::string field; std::getline(line, field, delimiter);)
            rows.back().push_back(field);
    }
    EXPECT_EQ(from, bytes.size()) << "every line ends with CR LF";
    return rows;
}

// A number with a decimal point, whatever the locale, blanks after it allowed; NaN when
// the text is not one.
inline double number(const std::string &text)
{
    double value = NAN;
    const char *end = text.data() + text.size();
    const auto r = std::from_chars(text.data(), end, value);
    if (r.ec != std::errc()
        || text.find_first_not_of(" \t\r\n", r.ptr - text.data()) != std::string::npos)
        return NAN;
    return value;
}

// A number as the results table prints it, right-aligned with blanks before it.
inline double paddedNumber(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? NAN : number(text.substr(first));
}

struct Example
{
    const char *file;
    int format; // the reader's format, or -1 for a document file
    const char *option; // what the tool needs to read it
    std::string path() const { return DRAVON_SOURCE_DIR "/examples/" + std::string(file); }
    // The tool's input words for the example.
    std::string input() const { return option + ("'" + path() + "'"); }
};

inline const Example kExamples[] = { { "deviated-well.txt", FreiesFormat, "" },
    { "vertical-well.txt", FreiesFormat, "" }, { "survey.weg", WegFormat, "--format weg " },
    { "export.atk", AtkFormat, "--format atk " }, { "example.dvn", -1, "" } };

// The example's stations as the tool takes them (as entered, the surface station first),
// read through the libraries: the input of an independent path.
struct Stations
{
    std::vector<double> md, inc, azi;
};

inline Stations stationsOf(const Example &e)
{
    DocumentItems items;
    std::string message;
    if (e.format < 0)
        EXPECT_TRUE(readDocumentFile(e.path(), e.file, items, message)) << message;
    else
        items.m_Eingabe
            = readMeasurement(readMeasurementFile(e.path()).lines, e.format, 1).stations;
    // The stations as the check takes them, in the precision they were entered in: the
    // exports carry the stations as entered.
    const well::CheckedSurvey checked = well::checkSurvey(well::surveyFromLines(items.m_Eingabe));
    Stations out;
    for (const well::Station &s : checked.stations) {
        out.md.push_back(s.md);
        out.inc.push_back(s.inclination);
        out.azi.push_back(s.azimuth);
    }
    return out;
}

} // namespace clitest
