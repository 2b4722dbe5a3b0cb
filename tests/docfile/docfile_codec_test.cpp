// The document file's byte layout: exact sizes and prefixes at every encoding
// boundary, round trips, and refusal of short, damaged and foreign bytes.
#include "core/cformat.h"
#include "document/docfile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>

namespace {

std::string bytes(std::initializer_list<int> values)
{
    std::string out;
    for (int v : values)
        out += static_cast<char>(v);
    return out;
}

DocumentItems sentinel()
{
    DocumentItems d;
    d.m_Name = "Vorher";
    d.m_Format = 2;
    d.m_Eingabe = { "  100.00     1.00    10.00" };
    d.m_Info = { "alt" };
    return d;
}

// A document with stations and descriptive lines, used for the damage tests.
DocumentItems sample()
{
    DocumentItems d;
    d.m_Name = "Bohrung \xC4gir 1"; // Windows-1252 umlaut
    d.m_Format = 0;
    d.m_Eingabe = { "    0.00     0.00     0.00", "  120.00     1.50   215.00", "" };
    d.m_Info = { "Messung 1998", std::string(300, 'x') };
    return d;
}

} // namespace

TEST(DocFileEncoding, EmptyDocumentIsNineBytes)
{
    DocumentItems d;
    d.m_Name.clear();
    d.m_Format = 1;
    EXPECT_EQ(encodeDocument(d), bytes({ 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 }));
}

TEST(DocFileEncoding, ItemsInOrderWithLittleEndianFormat)
{
    DocumentItems d;
    d.m_Name = "AB";
    d.m_Format = 0x01020304;
    d.m_Eingabe = { "x" };
    d.m_Info = { "", "yz" };
    EXPECT_EQ(encodeDocument(d),
        bytes({ 2, 'A', 'B', 0x04, 0x03, 0x02, 0x01, 1, 0, 1, 'x', 2, 0, 0, 2, 'y', 'z' }));
}

// String lengths around the points where the prefix grows.
struct LengthCase
{
    std::size_t length;
    std::string prefix;
};

class StringLengthPrefix : public ::testing::TestWithParam<LengthCase>
{
};

TEST_P(StringLengthPrefix, PrefixSizeAndRoundTrip)
{
    const LengthCase &c = GetParam();
    DocumentItems d;
    d.m_Name.assign(c.length, 'n');
    d.m_Info = { std::string(c.length, 'i') };
    const std::string encoded = encodeDocument(d);
    // name prefix + name + format + station count + info count + info prefix + info
    ASSERT_EQ(encoded.size(), 2 * (c.prefix.size() + c.length) + 4 + 2 + 2);
    EXPECT_EQ(encoded.substr(0, c.prefix.size()), c.prefix);
    EXPECT_EQ(encoded.substr(c.prefix.size() + c.length + 8, c.prefix.size()), c.prefix);

    DocumentItems back;
    ASSERT_EQ(decodeDocument(encoded, back), DocFileFault::None);
    EXPECT_EQ(back, d);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, StringLengthPrefix,
    ::testing::Values(LengthCase { 0, bytes({ 0x00 }) }, LengthCase { 254, bytes({ 0xFE }) },
        LengthCase { 255, bytes({ 0xFF, 0xFF, 0x00 }) },
        LengthCase { 256, bytes({ 0xFF, 0x00, 0x01 }) },
        LengthCase { 0xFFFD, bytes({ 0xFF, 0xFD, 0xFF }) },
        LengthCase { 0xFFFE, bytes({ 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00 }) },
        LengthCase { 0xFFFF, bytes({ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00 }) },
        LengthCase { 70000, bytes({ 0xFF, 0xFF, 0xFF, 0x70, 0x11, 0x01, 0x00 }) }),
    [](const ::testing::TestParamInfo<LengthCase> &info) {
        return "Length" + std::to_string(info.param.length);
    });

// Element counts around the point where the count grows.
struct CountCase
{
    std::size_t count;
    std::string prefix;
};

class ArrayCountPrefix : public ::testing::TestWithParam<CountCase>
{
};

TEST_P(ArrayCountPrefix, PrefixSizeAndRoundTrip)
{
    const CountCase &c = GetParam();
    DocumentItems d;
    d.m_Name.clear();
    d.m_Eingabe.assign(c.count, std::string());
    d.m_Eingabe.back() = "last";
    const std::string encoded = encodeDocument(d);
    // Every empty element is its one-byte length; the last one carries 4 characters.
    ASSERT_EQ(encoded.size(), 1 + 4 + c.prefix.size() + c.count + 4 + 2);
    EXPECT_EQ(encoded.substr(5, c.prefix.size()), c.prefix);

    DocumentItems back;
    ASSERT_EQ(decodeDocument(encoded, back), DocFileFault::None);
    EXPECT_EQ(back.m_Eingabe.size(), c.count);
    EXPECT_EQ(back, d);
}

INSTANTIATE_TEST_SUITE_P(Boundaries, ArrayCountPrefix,
    ::testing::Values(CountCase { 1, bytes({ 0x01, 0x00 }) },
        CountCase { 0xFFFE, bytes({ 0xFE, 0xFF }) },
        CountCase { 0xFFFF, bytes({ 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x00 }) },
        CountCase { 0x10000, bytes({ 0xFF, 0xFF, 0x00, 0x00, 0x01, 0x00 }) }),
    [](const ::testing::TestParamInfo<CountCase> &info) {
        return "Count" + std::to_string(info.param.count);
    });

TEST(DocFileEncoding, FullStationListRoundTripsEveryByte)
{
    DocumentItems d;
    // Every byte value once, so nothing is lost to a text conversion.
    for (int b = 0; b < 256; ++b)
        d.m_Name += static_cast<char>(b);
    d.m_Format = 1;
    for (int i = 1; i <= 2999; ++i)
        d.m_Eingabe.push_back(
            cfmt("%8.2f  %7.2f  %7.2f", i * 10.0, (i % 900) / 10.0, (i * 7 % 3600) / 10.0));
    d.m_Info = { "Azimut bezogen auf Gitternord", "Kreiselmessung \xB0", "" };
    const std::string encoded = encodeDocument(d);

    DocumentItems back;
    ASSERT_EQ(decodeDocument(encoded, back), DocFileFault::None);
    EXPECT_EQ(back, d);
    EXPECT_EQ(encodeDocument(back), encoded);
}

TEST(DocFileEncoding, TheFilesTextsAreWindows1252AndTheWellsUtf8)
{
    // A file with every byte in its name and its lines gives a well that is written
    // back byte for byte, the five bytes Windows-1252 leaves undefined included.
    DocumentItems file;
    for (int b = 1; b < 256; ++b)
        file.m_Name += static_cast<char>(b);
    file.m_Eingabe = { "  100.00     1.00    10.00", "\xC4nderung \x81\x8D\x8F\x90\x9D" };
    file.m_Info = { "Kreiselmessung \xB0", "Kosten \x80" };
    const well::Well fromFile = wellOf(file);
    EXPECT_EQ(fromFile.info, (StringList { "Kreiselmessung °", "Kosten €" }));
    EXPECT_EQ(fromFile.survey.lines()[1].substr(0, 9), "Änderung");
    EXPECT_EQ(fromFile.name.substr(0x7E, 6), "\x7F€\xC2\x81"); // bytes 0x7F, 0x80, 0x81
    EXPECT_EQ(itemsOf(fromFile), file);

    // The well's text goes into the file as Windows-1252; what it cannot hold as "?".
    well::Well well;
    well.name = "Mühle Ł 3";
    well.info = { "Grad °", "Łódź" };
    well.survey = well::surveyFromLines({ "100 1 2", "Änderung" });
    const DocumentItems items = itemsOf(well);
    EXPECT_EQ(items.m_Name, "M\xFChle ? 3");
    EXPECT_EQ(items.m_Info,
        (StringList { "Grad \xB0",
            "?\xF3"
            "d?" }));
    EXPECT_EQ(items.m_Eingabe, (StringList { "100 1 2", "\xC4nderung" }));
    DocumentItems back;
    ASSERT_EQ(decodeDocument(encodeDocument(items), back), DocFileFault::None);
    EXPECT_EQ(wellOf(back).name, "Mühle ? 3");

    EXPECT_EQ(storableText("Łódź € 3"), "?ód? € 3");
    EXPECT_TRUE(documentHolds(U'€'));
    EXPECT_TRUE(documentHolds(U'ÿ'));
    EXPECT_FALSE(documentHolds(U'Ł'));
    EXPECT_FALSE(documentHolds(U'σ'));
}

TEST(DocFileEncoding, FormatOutsideTheChoicesIsKept)
{
    for (std::int32_t format : { -1, 3, 42, INT_MIN, INT_MAX }) {
        DocumentItems d;
        d.m_Format = format;
        DocumentItems back;
        ASSERT_EQ(decodeDocument(encodeDocument(d), back), DocFileFault::None);
        EXPECT_EQ(back.m_Format, format);
    }
}

TEST(DocFileDecoding, LongerPrefixThanNeededIsAccepted)
{
    // Other writers of the archive layout may use the three-byte prefix for a short
    // string; the reader takes the length as given.
    const std::string file = bytes({ 0xFF, 0x03, 0x00, 'a', 'b', 'c', 1, 0, 0, 0, 0xFF, 0xFF, 0x01,
        0x00, 0x00, 0x00, 0x01, 'z', 0, 0 });
    DocumentItems back;
    ASSERT_EQ(decodeDocument(file, back), DocFileFault::None);
    EXPECT_EQ(back.m_Name, "abc");
    EXPECT_EQ(back.m_Eingabe, StringList { "z" });
}

TEST(DocFileDecoding, EveryShortenedFileIsRefusedAndLeavesTheTargetAlone)
{
    const std::string full = encodeDocument(sample());
    for (std::size_t n = 0; n < full.size(); ++n) {
        DocumentItems target = sentinel();
        EXPECT_EQ(
            decodeDocument(std::string_view(full).substr(0, n), target), DocFileFault::Truncated)
            << "length " << n;
        EXPECT_EQ(target, sentinel()) << "length " << n;
    }
}

TEST(DocFileDecoding, TrailingBytesAreRefused)
{
    for (const std::string &extra :
        { bytes({ 0x00 }), std::string("garbage"), std::string(1000, '\0') }) {
        DocumentItems target = sentinel();
        EXPECT_EQ(
            decodeDocument(encodeDocument(sample()) + extra, target), DocFileFault::TrailingData);
        EXPECT_EQ(target, sentinel());
    }
}

// Each line costs a string object of its own, far more than its one-byte prefix in the
// file, so the number of lines a file can claim is bounded, not only by its bytes.
TEST(DocFileDecoding, ListsBeyondTheLineLimitAreRefusedAsTooLarge)
{
    for (const bool stations : { true, false }) {
        const std::uint32_t n = static_cast<std::uint32_t>(kMaxDocumentLines) + 1;
        // Empty name, format 1, then the list: the 0xFFFF marker, a 32-bit count and n
        // empty lines, which the file really holds.
        std::string file = bytes({ 0, 1, 0, 0, 0 });
        if (!stations)
            file += bytes({ 0, 0 });
        file += bytes({ 0xFF, 0xFF, static_cast<int>(n & 0xFF), static_cast<int>((n >> 8) & 0xFF),
            static_cast<int>((n >> 16) & 0xFF), static_cast<int>(n >> 24) });
        file += std::string(n, '\0');
        if (stations)
            file += bytes({ 0, 0 });
        DocumentItems target = sentinel();
        EXPECT_EQ(decodeDocument(file, target), DocFileFault::TooLarge) << stations;
        EXPECT_EQ(target, sentinel());
    }
    // Up to the limit a list is read.
    DocumentItems full;
    full.m_Info.assign(kMaxDocumentLines, std::string());
    DocumentItems back;
    ASSERT_EQ(decodeDocument(encodeDocument(full), back), DocFileFault::None);
    EXPECT_EQ(back.m_Info.size(), kMaxDocumentLines);
}

struct DamageCase
{
    const char *name;
    std::string bytes;
    DocFileFault fault;
};

class DamagedDocument : public ::testing::TestWithParam<DamageCase>
{
};

TEST_P(DamagedDocument, RefusedWithoutTouchingTheTarget)
{
    DocumentItems target = sentinel();
    EXPECT_EQ(decodeDocument(GetParam().bytes, target), GetParam().fault);
    EXPECT_EQ(target, sentinel());
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedDocument,
    ::testing::Values(DamageCase { "Empty", "", DocFileFault::Truncated },
        // Lengths and counts far beyond the file: refused before anything is allocated.
        DamageCase { "HugeNameLength", bytes({ 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 'a' }),
            DocFileFault::Truncated },
        DamageCase { "NameLongerThanFile", bytes({ 0x20, 'a', 'b', 1, 0, 0, 0, 0, 0, 0, 0 }),
            DocFileFault::Truncated },
        DamageCase { "HugeStationCount",
            bytes({ 0, 1, 0, 0, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0 }),
            DocFileFault::Truncated },
        DamageCase { "StationCountAboveRemainingBytes",
            bytes({ 0, 1, 0, 0, 0, 0xFE, 0xFF, 0, 0, 0, 0 }), DocFileFault::Truncated },
        DamageCase { "HugeInfoCount",
            bytes({ 0, 1, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80 }),
            DocFileFault::Truncated },
        DamageCase { "WideName",
            bytes({ 0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b', 0, 1, 0, 0, 0, 0, 0, 0, 0 }),
            DocFileFault::WideString },
        DamageCase { "WideStationLine",
            bytes({ 0, 1, 0, 0, 0, 1, 0, 0xFF, 0xFE, 0xFF, 0x00, 0, 0 }),
            DocFileFault::WideString },
        DamageCase { "TextFile", std::string("Teufe Neigung Azimut\r\n100 1 2\r\n"),
            DocFileFault::Truncated }),
    [](const ::testing::TestParamInfo<DamageCase> &info) { return std::string(info.param.name); });

TEST(DocFileMessages, NameTheFileAndSayWhatIsWrong)
{
    const std::string name = "/daten/bohrung.dvn";
    const std::string damaged = docFileMessage(DocFileFault::Truncated, name);
    EXPECT_NE(damaged.find(name), std::string::npos);
    EXPECT_NE(damaged.find("beschädigt oder kein Dravon-Dokument"), std::string::npos);
    EXPECT_NE(
        docFileMessage(DocFileFault::TrailingData, name).find("beschädigt"), std::string::npos);
    EXPECT_NE(docFileMessage(DocFileFault::WideString, name).find("kein Dravon-Dokument"),
        std::string::npos);
    EXPECT_NE(docFileMessage(DocFileFault::Unreadable, name).find("kann nicht gelesen werden"),
        std::string::npos);
    for (DocFileFault f : { DocFileFault::Truncated, DocFileFault::WideString,
             DocFileFault::TrailingData, DocFileFault::TooLarge, DocFileFault::Unreadable })
        EXPECT_NE(docFileMessage(f, name).find(name), std::string::npos);
    // The file's name as it is, letters the document could not hold included.
    EXPECT_NE(docFileMessage(DocFileFault::Truncated, "Grün-Łódź.dvn").find("Grün-Łódź.dvn"),
        std::string::npos);
}
