// cfmt must write exactly what the C library's printf writes in the "C" locale, while
// the process runs under a German locale (where printf itself writes commas).
#include "core/cformat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <locale.h>
#include <random>
#include <string>

namespace {

// The reference: the C library's own printf, switched to "C" for this thread only.
std::string referenceDouble(const char *format, double v)
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t old = uselocale(c);
    char buf[512];
    std::snprintf(buf, sizeof buf, format, v);
    uselocale(old);
    return buf;
}

std::string referenceInt(const char *format, int v)
{
    char buf[128];
    std::snprintf(buf, sizeof buf, format, v);
    return buf;
}

// Every floating-point conversion the program uses, and a few neighbours.
const char *const kFloatFormats[] = {
    "%6.1f", "%6.3f", "%9g", "%8.2f", "%7.2f", "%5.1f", "%6.2f", "%g",  "%6.2e", "%6.1e",
    "%4g",   "%6g",   "%3g", "%4.0f", "%5g",   "%5.3f", "%e",    "%f",  "%.0f",  "%.10g",
    "%-8.2f", "%+g",  "% g", "%08.2f", "%010.3e", "%G",  "%E",   "%.0e", "%.1g",
};

// Random values, the half-way points of the fixed conversions and the powers of ten.
std::vector<double> sampleValues()
{
    std::mt19937_64 rng(12345);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::vector<double> values = {0.0,     -0.0,     0.5,     1.5,      2.5,     0.05,   0.15,
                                  572.958, 390.637,  1e-5,    1e-4,     99999.5, 1e6,    1e15,
                                  -3.75,   123.455,  359.99,  0.0001,   1234.5,  -1e-7,  5e-324,
                                  1e300,   2000000., 0.125,   -0.0005,  999.995, 9.9999, 100000};
    for (int i = 0; i < 2000; ++i)
        values.push_back(mantissa(rng) * std::pow(10.0, exponent(rng)));
    // Values on and next to the half-way points of the fixed conversions.
    for (int k = -4000; k <= 4000; ++k) {
        values.push_back(k * 0.005);
        values.push_back(k * 0.0005);
        values.push_back(k / 8.0);
        values.push_back(std::nextafter(k * 0.05, 1e9));
        values.push_back(std::nextafter(k * 0.05, -1e9));
    }
    // Around the powers of ten, where %g changes its exponent.
    for (int e = -6; e <= 16; ++e) {
        const double p10 = std::pow(10.0, e);
        for (double f : {1.0, 0.9999995, 0.99999949, 0.999999, 1.0000005, 9.999995, 9.9999949})
            values.push_back(f * p10);
        values.push_back(std::nextafter(p10, 0.0));
        values.push_back(std::nextafter(p10, 1e300));
    }
    return values;
}

} // namespace

TEST(CFormat, GermanLocaleIsActiveAndPrintfWritesCommas)
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", 1.5);
    EXPECT_STREQ(buf, "1,5") << "the test main must run under de_DE";
    EXPECT_EQ(cfmt("%.1f", 1.5), "1.5");
}

TEST(CFormat, FloatConversionsMatchTheCLibrary)
{
    const std::vector<double> values = sampleValues();
    for (const char *f : kFloatFormats) {
        for (double v : values)
            ASSERT_EQ(cfmt(f, v), referenceDouble(f, v)) << "format " << f << " value " << v;
    }
}

// The conversions without a format string write what printf writes, padding and sign
// included.
TEST(CFormat, DirectConversionsMatchTheCLibrary)
{
    const std::vector<double> values = sampleValues();
    for (int width : {0, 5, 9}) {
        for (int precision : {0, 1, 3, 6}) {
            // Appended piece by piece: GCC 12 at -O3 takes "lit" + string for an overlap.
            std::string f(1, '%');
            f += std::to_string(width);
            f += '.';
            f += std::to_string(precision);
            const std::string fixedFormat = f + 'f', generalFormat = f + 'g';
            for (double v : values) {
                std::string fixed(1, '['), general(1, '[');
                appendFixed(fixed, v, width, precision);
                appendGeneral(general, v, width, precision);
                ASSERT_EQ(fixed.substr(1), referenceDouble(fixedFormat.c_str(), v))
                    << fixedFormat << " of " << v;
                ASSERT_EQ(general.substr(1), referenceDouble(generalFormat.c_str(), v))
                    << generalFormat << " of " << v;
                ASSERT_EQ(fixed[0], '[');
            }
        }
    }
}

// With many significant digits a value a few units in the last place below a power of
// ten keeps its exponent (99999.9999999999 for "%.15g") although its logarithm rounds up
// to the next integer; fewer digits would round it up to the power itself.
TEST(CFormat, GeneralConversionJustBelowPowersOfTen)
{
    for (const char *f : {"%.13g", "%.14g", "%.15g", "%.16g", "%.17g", "%g", "%.1g"}) {
        for (int e = -5; e <= 16; ++e) {
            double v = std::pow(10.0, e);
            for (int step = 0; step < 40; ++step) {
                v = std::nextafter(v, 0.0);
                ASSERT_EQ(cfmt(f, v), referenceDouble(f, v)) << "format " << f << " value " << v;
                ASSERT_EQ(cfmt(f, -v), referenceDouble(f, -v)) << "format " << f << " value " << -v;
            }
        }
    }
}

TEST(CFormat, NonFiniteValuesLikePrintf)
{
    for (const char *f : {"%6.1f", "%9g", "%08.2f", "%+e"}) {
        EXPECT_EQ(cfmt(f, INFINITY), referenceDouble(f, INFINITY)) << f;
        EXPECT_EQ(cfmt(f, -INFINITY), referenceDouble(f, -INFINITY)) << f;
        EXPECT_EQ(cfmt(f, NAN), referenceDouble(f, NAN)) << f;
    }
}

TEST(CFormat, IntegersStringsAndCharacters)
{
    for (const char *f : {"%d", "%2d", "%4d", "%-5d", "%05d", "%+d", "%.3d", "%x", "%X", "%u"}) {
        for (int v : {0, 1, -1, 7, 42, -42, 2013, 65535, -2147483647 - 1, 2147483647})
            EXPECT_EQ(cfmt(f, v), referenceInt(f, v)) << f << " " << v;
    }
    EXPECT_EQ(cfmt("%s|%5s|%-5s|%.2s", "abc", "ab", "ab", "abcdef"), "abc|   ab|ab   |ab");
    EXPECT_EQ(cfmt("%c%c", 'x', '\xB0'), "x\xB0");
    EXPECT_EQ(cfmt("100%% %s", "voll"), "100% voll");
    EXPECT_EQ(cfmt("%*d|%-*d|%.*f", 4, 7, 3, 7, 2, 3.14159), "   7|7  |3.14");
    EXPECT_EQ(cfmt("%ld %zu", 123456789012L, static_cast<size_t>(17)), "123456789012 17");
}

TEST(CFormat, LongResultsAreNotCut)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(cfmt("<%s>", longText.c_str()).size(), 5002u);
    EXPECT_EQ(cfmt("%.2f", 1e300), referenceDouble("%.2f", 1e300));
}
