// The UTF-8 the program keeps its text in, checked against glibc's own converter (iconv)
// and its locale's case mapping; and the character sets of text files.
#include "core/textencoding.h"
#include "core/utf8.h"
#include "core/win1252.h"

#include <gtest/gtest.h>

#include <iconv.h>
#include <locale.h>
#include <wctype.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

namespace {

// The code points of `bytes` as iconv reads them; nothing when it finds them malformed.
std::optional<std::u32string> iconvDecode(const std::string &bytes)
{
    iconv_t cd = iconv_open("UTF-32LE", "UTF-8");
    EXPECT_NE(cd, reinterpret_cast<iconv_t>(-1));
    std::string in = bytes;
    std::string out(4 * bytes.size() + 4, '\0');
    char *inPtr = in.data();
    char *outPtr = out.data();
    size_t inLeft = in.size(), outLeft = out.size();
    const size_t done = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (done == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    std::u32string cps;
    for (size_t i = 0; i + 4 <= out.size() - outLeft; i += 4) {
        const auto b = [&](size_t k) {
            return static_cast<char32_t>(static_cast<unsigned char>(out[i + k]));
        };
        cps += b(0) | b(1) << 8 | b(2) << 16 | b(3) << 24;
    }
    return cps;
}

std::u32string decodeAll(const std::string &text)
{
    std::u32string cps;
    for (size_t i = 0; i < text.size();)
        cps += utf8::next(text, i);
    return cps;
}

// Random byte strings that are mostly UTF-8 and sometimes not: pieces of well-formed
// characters of every length, cut sequences, stray continuation bytes, overlong forms and
// encoded surrogates.
std::string randomText(std::mt19937 &random)
{
    static const std::vector<std::string> pieces
        = { "a", " ", "7", "\xC3\xA4", "\xC3\x9F", "\xE2\x82\xAC", "\xC5\x81", "\xF0\x9F\x98\x80",
              "\xE4\xB8\xAD", "\x80", "\xBF", "\xC3", "\xE2\x82", "\xC0\x80", "\xE0\x80\xAF",
              "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF", "\xFE" };
    std::uniform_int_distribution<size_t> pick(0, pieces.size() - 1), count(0, 12);
    std::string text;
    for (size_t n = count(random); n > 0; --n)
        text += pieces[pick(random)];
    return text;
}

} // namespace

TEST(Utf8, EveryCodePointGoesInAndComesOutAsIconvWritesIt)
{
    for (char32_t cp = 0; cp <= 0x10FFFF; cp += (cp < 0x3000 ? 1 : 97)) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        std::string text;
        utf8::append(text, cp);
        const std::optional<std::u32string> read = iconvDecode(text);
        ASSERT_TRUE(read) << "U+" << std::hex << static_cast<unsigned>(cp);
        ASSERT_EQ(*read, std::u32string(1, cp)) << "U+" << std::hex << static_cast<unsigned>(cp);
        size_t at = 0;
        EXPECT_EQ(utf8::next(text, at), cp);
        EXPECT_EQ(at, text.size());
        EXPECT_EQ(utf8::length(text), 1u);
        EXPECT_EQ(utf8::isAscii(text), cp < 0x80);
    }
}

TEST(Utf8, ValidityAndRepairAgreeWithIconv)
{
    std::mt19937 random(1252);
    for (int round = 0; round < 20000; ++round) {
        const std::string text = randomText(random);
        const std::optional<std::u32string> reference = iconvDecode(text);
        ASSERT_EQ(utf8::isValid(text), reference.has_value()) << text;
        const std::string repaired = utf8::sanitized(text);
        ASSERT_TRUE(iconvDecode(repaired)) << text;
        if (reference) {
            EXPECT_EQ(repaired, text);
            EXPECT_EQ(decodeAll(text), *reference);
            EXPECT_EQ(utf8::length(text), reference->size());
        } else {
            // Each byte that starts nothing becomes one '?' and reads as one U+FFFD: the
            // repaired text has exactly as many characters as the malformed one reads as.
            const std::u32string read = decodeAll(text);
            EXPECT_EQ(utf8::length(repaired), read.size()) << text;
            for (char32_t cp : read)
                EXPECT_TRUE(cp <= 0x10FFFF && !(cp >= 0xD800 && cp <= 0xDFFF));
        }
    }
}

TEST(Utf8, CutsFallBetweenCharacters)
{
    std::mt19937 random(85);
    for (int round = 0; round < 5000; ++round) {
        const std::string text = utf8::sanitized(randomText(random));
        const std::u32string all = decodeAll(text);
        for (size_t n = 0; n <= all.size() + 1; ++n) {
            std::string cut = text;
            utf8::clip(cut, n);
            ASSERT_EQ(decodeAll(cut), all.substr(0, n)) << text << " to " << n;
            EXPECT_EQ(cut.size(), utf8::prefixBytes(text, n));
        }
        std::string shorter = text;
        utf8::popBack(shorter);
        EXPECT_EQ(decodeAll(shorter), all.substr(0, all.empty() ? 0 : all.size() - 1)) << text;
    }
}

TEST(Utf8, AMalformedTextIsCutWithinFourBytesACharacter)
{
    // Whatever the bytes, n characters take at most 4n bytes: a bound on memory for a
    // cell of any input. A run of continuation bytes is cut into such pieces.
    std::mt19937 random(4);
    for (int round = 0; round < 5000; ++round) {
        std::string text = randomText(random);
        if (round % 3 == 0)
            text += std::string(static_cast<size_t>(round % 17), '\x80');
        for (size_t n = 0; n <= 8; ++n) {
            const utf8::Prefix p = utf8::prefix(text, n);
            EXPECT_LE(p.bytes, 4 * n);
            EXPECT_LE(p.characters, n);
            EXPECT_TRUE(p.bytes == text.size() || p.characters == n);
        }
    }
    EXPECT_EQ(utf8::prefix(std::string(10, '\x80'), 2).bytes, 8u);
}

TEST(Utf8, CaseFoldingIsTheLocalesLowerCaseOfTheDocumentsLetters)
{
    const locale_t german = newlocale(LC_ALL_MASK, "de_DE.UTF-8", static_cast<locale_t>(nullptr));
    ASSERT_NE(german, static_cast<locale_t>(nullptr));
    // Every letter a document can hold folds as the C library lowers it; others stay.
    int folded = 0;
    for (int b = 0; b < 256; ++b) {
        const char32_t cp = win1252::toCodePoint(static_cast<unsigned char>(b));
        const auto lower = static_cast<char32_t>(towlower_l(static_cast<wint_t>(cp), german));
        EXPECT_EQ(utf8::foldCase(cp), lower) << "byte " << b;
        folded += lower != cp;
    }
    EXPECT_EQ(folded, 26 + 30 + 4); // A-Z, À-Þ without ×, Š Œ Ž Ÿ
    EXPECT_EQ(utf8::foldCase(U'Ł'), U'Ł');
    EXPECT_EQ(utf8::foldCase(U'Σ'), U'Σ');
    freelocale(german);
}

TEST(TextEncoding, EveryMarkAndNoneGiveTheSameText)
{
    const std::string text = "Teufe;Neigung (°);Bemerkung\n1;2;Süd € Łódź 😀\n";
    std::string le = "\xFF\xFE", be = "\xFE\xFF";
    for (size_t i = 0; i < text.size();) {
        char32_t cp = utf8::next(text, i);
        std::vector<char16_t> units;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            units = { static_cast<char16_t>(0xD800 + (cp >> 10)),
                static_cast<char16_t>(0xDC00 + (cp & 0x3FF)) };
        } else {
            units = { static_cast<char16_t>(cp) };
        }
        for (char16_t u : units) {
            le += static_cast<char>(u & 0xFF), le += static_cast<char>(u >> 8);
            be += static_cast<char>(u >> 8), be += static_cast<char>(u & 0xFF);
        }
    }
    EXPECT_EQ(textencoding::decode(text), text);
    EXPECT_EQ(textencoding::decode("\xEF\xBB\xBF" + text), text);
    EXPECT_EQ(textencoding::decode(le), text);
    EXPECT_EQ(textencoding::decode(be), text);

    // Without a mark, bytes that are no UTF-8 are the Windows character set.
    EXPECT_EQ(textencoding::decode("S\xFC"
                                   "d \x80 90\xB0"),
        "Süd € 90°");
    // After a mark, what is malformed is marked as such and the rest kept.
    EXPECT_EQ(textencoding::decode("\xEF\xBB\xBF"
                                   "S\xFC"
                                   "d"),
        "S?d");
    EXPECT_EQ(textencoding::decode(std::string("\xFF\xFE\x00\xD8"
                                               "a\x00",
                  6)),
        "?a");
}
