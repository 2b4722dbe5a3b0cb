// Windows-1252 <-> UTF-8 at the program's edges.
#include "core/win1252.h"

#include <gtest/gtest.h>

TEST(Win1252, EveryByteSurvivesTheRoundTrip)
{
    for (int b = 0; b < 256; ++b) {
        const std::string one(1, static_cast<char>(b));
        const std::string utf8 = win1252::toUtf8(one);
        EXPECT_EQ(win1252::fromUtf8(utf8), one) << "byte " << b;
        if (b < 0x80)
            EXPECT_EQ(utf8, one);
        else
            EXPECT_GE(utf8.size(), 2u) << "byte " << b;
    }
}

TEST(Win1252, KnownCharacters)
{
    EXPECT_EQ(win1252::toUtf8("\x80"), "\xE2\x82\xAC");        // euro sign
    EXPECT_EQ(win1252::toUtf8("\xE4\xF6\xFC\xDF"), "äöüß");
    EXPECT_EQ(win1252::toUtf8("0\xB0-180\xB0"), "0°-180°");
    EXPECT_EQ(win1252::toUtf8("\x84\x93"), "„“");
    EXPECT_EQ(win1252::fromUtf8("Die vorgegebene Teufe ist größer"), "Die vorgegebene Teufe ist gr\xF6\xDF" "er");
    EXPECT_EQ(win1252::toCodePoint(0x9F), U'\u0178');
}

TEST(Win1252, UnmappableAndMalformedInputBecomesQuestionMark)
{
    EXPECT_EQ(win1252::fromUtf8("\xE2\x88\x9E"), "?");   // infinity sign: no such byte
    EXPECT_EQ(win1252::fromUtf8("a\xC3"), "a?");          // cut sequence
    EXPECT_EQ(win1252::fromUtf8("\xFF" "b"), "?b");       // not UTF-8 at all
    EXPECT_EQ(win1252::fromUtf8("\xF0\x9F\x98\x80!"), "?!"); // outside the BMP
}

TEST(Win1252, ByteOfIsTheInverseOfToCodePoint)
{
    int mapped = 0;
    for (char32_t cp = 0; cp < 0x3000; ++cp) {
        const std::optional<unsigned char> byte = win1252::byteOf(cp);
        if (byte) {
            EXPECT_EQ(win1252::toCodePoint(*byte), cp);
            ++mapped;
        }
    }
    EXPECT_EQ(mapped, 256) << "every byte stands for one code point, none for two";
    EXPECT_FALSE(win1252::byteOf(U'\u0141')); // Ł
    EXPECT_FALSE(win1252::byteOf(0xFFFD));
}
