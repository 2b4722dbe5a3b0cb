// The station-line scanner must read what sscanf "%f %f %f" reads in the "C" locale,
// while the process runs under a German locale.
#include "core/cscan.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <locale.h>
#include <random>
#include <string>
#include <vector>

namespace {

int referenceScan(const std::string &line, float out[3])
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const locale_t old = uselocale(c);
    const int n = std::sscanf(line.c_str(), "%f %f %f", &out[0], &out[1], &out[2]);
    uselocale(old);
    return n < 0 ? 0 : n;
}

} // namespace

TEST(CScan, ReadsLikeSscanfOnTypicalAndOddLines)
{
    const char *const lines[] = {
        "  100.00     0.00     0.00",
        "100 0 0",
        "\t+1e2 -3.5e-1 .5xyz",
        "1-2-3",
        "1,5 2 3",
        "12.5 7",
        "",
        "   ",
        "abc 1 2",
        "0x10 0 0",
        "1.5e+1\t2.5E-1\r",
        "5. .5 5",
        "1 2 3 4 5",
        "-0 -0.0 +0",
        "999999999999 1 2",
    };
    for (const char *text : lines) {
        const std::string line(text);
        float got[3] = {0, 0, 0}, want[3] = {0, 0, 0};
        const int n = cscan::readFloats(line, got);
        ASSERT_EQ(n, referenceScan(line, want)) << '"' << line << '"';
        for (int i = 0; i < n; ++i)
            EXPECT_EQ(got[i], want[i]) << '"' << line << "\" value " << i;
    }
}

TEST(CScan, RandomNumberLinesAgreeWithSscanf)
{
    std::mt19937 rng(7);
    const char *const pieces[] = {"1", "23", ".", "5", "e", "-", "+", " ", "  ", "\t", "0", "9", "E3"};
    for (int round = 0; round < 5000; ++round) {
        std::string line;
        const int len = static_cast<int>(rng() % 12);
        for (int i = 0; i < len; ++i)
            line += pieces[rng() % (sizeof pieces / sizeof *pieces)];
        float got[3] = {0, 0, 0}, want[3] = {0, 0, 0};
        const int n = cscan::readFloats(line, got);
        const int m = referenceScan(line, want);
        // glibc's scanf cannot back off from a partial exponent ("1e" or "1e-"), where
        // it fails the conversion; we end the number before the 'e' like strtod does.
        if (line.find('e') != std::string::npos || line.find('E') != std::string::npos)
            continue;
        ASSERT_EQ(n, m) << '"' << line << '"';
        for (int i = 0; i < n; ++i)
            ASSERT_EQ(got[i], want[i]) << '"' << line << '"';
    }
}

TEST(CScan, StationNeedsThreeFiniteNumbers)
{
    float t = -1, p = -1, a = -1;
    EXPECT_TRUE(cscan::readStation("  123.45    12.34   359.99", t, p, a));
    EXPECT_FLOAT_EQ(t, 123.45f);
    EXPECT_FLOAT_EQ(p, 12.34f);
    EXPECT_FLOAT_EQ(a, 359.99f);
    EXPECT_TRUE(cscan::readStation("100 1 2 trailing text", t, p, a));
    EXPECT_FALSE(cscan::readStation("100 1", t, p, a));
    EXPECT_FALSE(cscan::readStation("nan 1 2", t, p, a));
    EXPECT_FALSE(cscan::readStation("100 inf 2", t, p, a));
    EXPECT_FALSE(cscan::readStation("100 1 1e39", t, p, a)) << "overflows a float";
    EXPECT_FALSE(cscan::readStation("100,5 1 2", t, p, a)) << "a comma is no decimal separator";
}

TEST(CScan, FieldWidthsIntegersAndWords)
{
    const std::string text = "A2    0 1234.5 20130507 Messung rest";
    const char *p = text.c_str();
    std::string word;
    float start = 0, end = 0;
    int year = 0, month = 0, day = 0;
    ASSERT_TRUE(cscan::readWord(p, word));
    EXPECT_EQ(word, "A2");
    ASSERT_TRUE(cscan::readFloat(p, start));
    ASSERT_TRUE(cscan::readFloat(p, end, 7));
    ASSERT_TRUE(cscan::readInt(p, year, 4));
    ASSERT_TRUE(cscan::readInt(p, month, 2));
    ASSERT_TRUE(cscan::readInt(p, day, 2));
    ASSERT_TRUE(cscan::readWord(p, word));
    EXPECT_EQ(start, 0.0f);
    EXPECT_FLOAT_EQ(end, 1234.5f);
    EXPECT_EQ(year, 2013);
    EXPECT_EQ(month, 5);
    EXPECT_EQ(day, 7);
    EXPECT_EQ(word, "Messung");

    const char *q = "1234.5678";
    float v = 0;
    ASSERT_TRUE(cscan::readFloat(q, v, 7));
    EXPECT_FLOAT_EQ(v, 1234.56f);
    EXPECT_STREQ(q, "78");

    const char *r = "  x";
    int i = 0;
    EXPECT_FALSE(cscan::readInt(r, i));
    EXPECT_FALSE(cscan::readWord(r = "   ", word));
}

TEST(CScan, PlainDecimalsRoundLikeStrtof)
{
    // Decimals of every length the fast path takes, and points half-way between two
    // floats written out with up to eight decimals, where a second rounding would show.
    std::mt19937_64 rng(99);
    std::vector<std::string> texts;
    for (int i = 0; i < 200000; ++i) {
        const unsigned long long n = rng() % 1000000000000000ULL;
        const int decimals = static_cast<int>(rng() % 9);
        std::string digits = std::to_string(n >> (rng() % 50));
        if (decimals > 0) {
            while (static_cast<int>(digits.size()) <= decimals)
                digits.insert(digits.begin(), '0');
            digits.insert(digits.end() - decimals, '.');
        }
        texts.push_back((rng() % 4 == 0 ? "-" : "") + digits);
    }
    std::uniform_real_distribution<float> any(0.0f, 5000.0f);
    for (int i = 0; i < 100000; ++i) {
        const float f = any(rng);
        const double mid = (static_cast<double>(f) + std::nextafter(f, 1e9f)) / 2.0;
        char buf[64];
        for (int decimals : {6, 7, 8}) {
            std::snprintf(buf, sizeof buf, "%.*f", decimals, mid);
            std::string t(buf);
            for (char &c : t)
                c = c == ',' ? '.' : c; // the German printf writes a comma
            texts.push_back(t);
        }
    }
    for (const std::string &t : texts) {
        const std::string line = t + " 0 0";
        float got[3] = {0, 0, 0}, want[3] = {0, 0, 0};
        ASSERT_EQ(cscan::readFloats(line, got), 3) << t;
        referenceScan(line, want);
        ASSERT_EQ(std::signbit(got[0]), std::signbit(want[0])) << t;
        ASSERT_EQ(got[0], want[0]) << t;
    }
}
