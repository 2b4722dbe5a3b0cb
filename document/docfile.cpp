// Encoding and decoding of the document file in the archive layout: little-endian
// numbers, strings with a 1-, 3- or 7-byte length prefix, arrays with a 2- or 6-byte
// element count.
#include "document/docfile.h"

#include "core/atomicfile.h"
#include "core/boundedread.h"
#include "core/cformat.h"
#include "core/utf8.h"
#include "core/win1252.h"
#include "i18n/i18n.h"

namespace {

void putU16(std::string &out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

void putU32(std::string &out, std::uint32_t v)
{
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

void putString(std::string &out, const std::string &s)
{
    const std::size_t n = s.size();
    if (n < 0xFF) {
        out += static_cast<char>(n);
    } else if (n < 0xFFFE) {
        out += static_cast<char>(0xFF);
        putU16(out, static_cast<std::uint32_t>(n));
    } else {
        out += static_cast<char>(0xFF);
        putU16(out, 0xFFFF);
        putU32(out, static_cast<std::uint32_t>(n));
    }
    out += s;
}

void putArray(std::string &out, const StringList &list)
{
    const std::size_t n = list.size();
    if (n < 0xFFFF) {
        putU16(out, static_cast<std::uint32_t>(n));
    } else {
        putU16(out, 0xFFFF);
        putU32(out, static_cast<std::uint32_t>(n));
    }
    for (const std::string &s : list)
        putString(out, s);
}

// Reads from the bytes of one file; every read checks what remains first.
class Reader
{
public:
    explicit Reader(std::string_view bytes)
        : m_bytes(bytes)
    {
    }

    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    std::string_view rest() const { return m_bytes.substr(m_pos); }

    bool u8(std::uint32_t &v)
    {
        if (remaining() < 1)
            return false;
        v = static_cast<unsigned char>(m_bytes[m_pos++]);
        return true;
    }

    bool u16(std::uint32_t &v)
    {
        std::uint32_t lo = 0, hi = 0;
        if (remaining() < 2 || !u8(lo) || !u8(hi))
            return false;
        v = lo | (hi << 8);
        return true;
    }

    bool u32(std::uint32_t &v)
    {
        std::uint32_t lo = 0, hi = 0;
        if (remaining() < 4 || !u16(lo) || !u16(hi))
            return false;
        v = lo | (hi << 16);
        return true;
    }

    DocFileFault string(std::string &s)
    {
        std::uint32_t n = 0;
        if (!u8(n))
            return DocFileFault::Truncated;
        if (n == 0xFF) {
            if (!u16(n))
                return DocFileFault::Truncated;
            if (n == 0xFFFE)
                return DocFileFault::WideString;
            if (n == 0xFFFF && !u32(n))
                return DocFileFault::Truncated;
        }
        if (n > remaining())
            return DocFileFault::Truncated;
        s.assign(m_bytes.substr(m_pos, n));
        m_pos += n;
        return DocFileFault::None;
    }

    DocFileFault array(StringList &list)
    {
        std::uint32_t n = 0;
        if (!u16(n))
            return DocFileFault::Truncated;
        if (n == 0xFFFF && !u32(n))
            return DocFileFault::Truncated;
        // Every element takes at least its one-byte length prefix, so a count beyond
        // the remaining bytes cannot be right; checking it first bounds the allocation.
        if (n > remaining())
            return DocFileFault::Truncated;
        if (n > kMaxDocumentLines)
            return DocFileFault::TooLarge;
        list.clear();
        list.reserve(n);
        for (std::uint32_t i = 0; i < n; ++i) {
            list.emplace_back();
            if (const DocFileFault f = string(list.back()); f != DocFileFault::None)
                return f;
        }
        return DocFileFault::None;
    }

private:
    std::string_view m_bytes;
    std::size_t m_pos = 0;
};

constexpr std::string_view kMarker(kSettingsMarker, sizeof kSettingsMarker);
constexpr std::size_t kTrailerHeaderSize = sizeof kSettingsMarker + 4 + 4;

// The trailer after the fourth item: `in` stands at its first byte.
DocFileFault decodeTrailer(Reader &in, WellSettings &settings, std::string *detail)
{
    const std::string_view rest = in.rest();
    // A cut marker is damage as much as foreign bytes are: nothing says that a trailer
    // was meant.
    if (!rest.starts_with(kMarker))
        return DocFileFault::TrailingData;
    if (rest.size() < kTrailerHeaderSize)
        return DocFileFault::Truncated;
    Reader header(rest.substr(kMarker.size(), 8));
    std::uint32_t version = 0, length = 0;
    header.u32(version);
    header.u32(length);
    if (version == 0)
        return DocFileFault::TrailingData;
    if (version > kSettingsVersion)
        return DocFileFault::NewerSettings;
    const std::size_t textSize = rest.size() - kTrailerHeaderSize;
    if (length > textSize)
        return DocFileFault::Truncated;
    if (length < textSize)
        return DocFileFault::TrailingData;
    if (length > kMaxSettingsSize)
        return DocFileFault::TooLarge;
    WellSettings read;
    if (!settingsFromJson(rest.substr(kTrailerHeaderSize), read, detail))
        return DocFileFault::BadSettings;
    // Written back, numbers may take more characters than they were given with; what is
    // read here must still fit when it is saved again.
    if (settingsToJson(read).size() > kMaxSettingsSize)
        return DocFileFault::TooLarge;
    settings = std::move(read);
    return DocFileFault::None;
}

} // namespace

std::string encodeDocument(const DocumentItems &items)
{
    std::string out;
    putString(out, items.m_Name);
    putU32(out, static_cast<std::uint32_t>(items.m_Format));
    putArray(out, items.m_Eingabe);
    putArray(out, items.m_Info);
    // Without settings the file is what it always was.
    if (!items.m_Settings.empty()) {
        const std::string json = settingsToJson(items.m_Settings);
        out += kMarker;
        putU32(out, kSettingsVersion);
        putU32(out, static_cast<std::uint32_t>(json.size()));
        out += json;
    }
    return out;
}

DocFileFault decodeDocument(std::string_view bytes, DocumentItems &out, std::string *detail)
{
    if (bytes.size() > kMaxDocumentFileSize)
        return DocFileFault::TooLarge;
    Reader in(bytes);
    DocumentItems fresh;
    if (const DocFileFault f = in.string(fresh.m_Name); f != DocFileFault::None)
        return f;
    std::uint32_t format = 0;
    if (!in.u32(format))
        return DocFileFault::Truncated;
    fresh.m_Format = static_cast<std::int32_t>(format);
    if (const DocFileFault f = in.array(fresh.m_Eingabe); f != DocFileFault::None)
        return f;
    if (const DocFileFault f = in.array(fresh.m_Info); f != DocFileFault::None)
        return f;
    // After the descriptive lines the program writes its settings trailer or nothing;
    // other bytes mean that this is some other file that merely happens to begin like a
    // document, or a damaged one.
    if (in.remaining() != 0) {
        if (const DocFileFault f = decodeTrailer(in, fresh.m_Settings, detail);
            f != DocFileFault::None)
            return f;
    }
    out = std::move(fresh);
    return DocFileFault::None;
}

std::string docFileMessage(
    DocFileFault fault, const std::string &displayName, const std::string &detail)
{
    const char *text = "";
    switch (fault) {
    case DocFileFault::None:
        return {};
    case DocFileFault::Truncated:
        text = DRV_TRANSLATE_NOOP("Dokument",
            "Die Datei %s ist beschädigt oder kein Dravon-Dokument:\n"
            "Sie ist kürzer, als ihr Inhalt angibt.\nDas Dokument bleibt unverändert.");
        break;
    case DocFileFault::WideString:
        text = DRV_TRANSLATE_NOOP("Dokument",
            "Die Datei %s ist kein Dravon-Dokument:\n"
            "Sie enthält Text in Unicode-Zeichen, den dieses Programm nicht liest.\n"
            "Das Dokument bleibt unverändert.");
        break;
    case DocFileFault::TrailingData:
        text = DRV_TRANSLATE_NOOP("Dokument",
            "Die Datei %s ist beschädigt oder kein Dravon-Dokument:\n"
            "Nach den Daten des Dokuments folgen weitere Bytes.\nDas Dokument bleibt "
            "unverändert.");
        break;
    case DocFileFault::TooLarge:
        text = DRV_TRANSLATE_NOOP("Dokument",
            "Die Datei %s ist zu groß für ein Dravon-Dokument.\nDas Dokument bleibt unverändert.");
        break;
    case DocFileFault::BadSettings:
        text = DRV_TRANSLATE_NOOP("Dokument",
            "Die Datei %s ist beschädigt:\n"
            "Die Einstellungen der Bohrung (Ansatzpunkt, Bezugssystem) am Ende der Datei "
            "sind fehlerhaft.%s\nDas Dokument bleibt unverändert.");
        break;
    case DocFileFault::NewerSettings:
        text = DRV_TRANSLATE_NOOP("Dokument",
            "Die Datei %s wurde von einer neueren Version von Dravon geschrieben:\n"
            "Ihre Einstellungen der Bohrung kann dieses Programm nicht lesen.%s\n"
            "Das Dokument bleibt unverändert.");
        break;
    case DocFileFault::Unreadable:
        text = DRV_TRANSLATE_NOOP("Dokument",
            "Die Datei %s kann nicht gelesen werden.\nDas Dokument bleibt unverändert.");
        break;
    }
    const std::string format = i18n::translateFormat("Dokument", text);
    // Appended rather than "\n" + text: GCC 12 at -O3 takes the insertion at the front
    // for an overlapping copy (a false -Wrestrict alarm).
    std::string more;
    if (!detail.empty()) {
        more.assign(1, '\n');
        more += detail;
    }
    // The messages without a second %s ignore the detail.
    return cfmt(format.c_str(), displayName.c_str(), more.c_str());
}

bool readDocumentFile(const std::string &path, const std::string &displayName, DocumentItems &out,
    std::string &message)
{
    const auto fail = [&](DocFileFault fault) {
        message = docFileMessage(fault, displayName);
        return false;
    };
    std::string bytes;
    switch (boundedread::readFile(path, bytes, kMaxDocumentFileSize).status) {
    case boundedread::ReadStatus::Ok:
        break;
    case boundedread::ReadStatus::TooLarge:
        return fail(DocFileFault::TooLarge);
    case boundedread::ReadStatus::CannotOpen:
    case boundedread::ReadStatus::ReadError:
        return fail(DocFileFault::Unreadable);
    }
    std::string detail;
    const DocFileFault fault = decodeDocument(bytes, out, &detail);
    if (fault != DocFileFault::None) {
        message = docFileMessage(fault, displayName, detail);
        return false;
    }
    message.clear();
    return true;
}

namespace {

// In place: station lines are mostly ASCII, which both character sets write alike.
void toFile(StringList &lines)
{
    for (std::string &line : lines)
        if (!utf8::isAscii(line))
            line = win1252::fromUtf8(line);
}

void fromFile(StringList &lines)
{
    for (std::string &line : lines)
        if (!utf8::isAscii(line))
            line = win1252::toUtf8(line);
}

} // namespace

DocumentItems itemsOf(const well::Well &well)
{
    DocumentItems items;
    items.m_Name = win1252::fromUtf8(well.name);
    items.m_Format = well.format;
    items.m_Eingabe = well.survey.lines();
    toFile(items.m_Eingabe);
    items.m_Info = well.info;
    toFile(items.m_Info);
    items.m_Settings = well.settings;
    return items;
}

well::Well wellOf(DocumentItems items)
{
    well::Well well;
    well.name = win1252::toUtf8(items.m_Name);
    well.format = items.m_Format;
    fromFile(items.m_Eingabe);
    well.survey = well::surveyFromLines(std::move(items.m_Eingabe));
    fromFile(items.m_Info);
    well.info = std::move(items.m_Info);
    well.settings = std::move(items.m_Settings);
    return well;
}

bool documentHolds(char32_t cp)
{
    return win1252::byteOf(cp).has_value();
}

std::string storableText(const std::string &text)
{
    return win1252::toUtf8(win1252::fromUtf8(text));
}

bool settingsFitDocument(const WellSettings &settings)
{
    return settingsToJson(settings).size() <= kMaxSettingsSize;
}

bool writeDocumentFile(const std::string &path, const DocumentItems &items)
{
    // A file that its own reader would refuse is no saved document.
    if (!settingsFitDocument(items.m_Settings))
        return false;
    return atomicfile::writeFile(path, encodeDocument(items)).ok();
}

std::string documentNotSavedMessage(const std::string &path)
{
    const std::string format = i18n::translateFormat("Dokument",
        "Das Dokument kann nicht in der Datei %s gespeichert werden.\n"
        "Eine vorhandene Datei dieses Namens bleibt unverändert.");
    return cfmt(format.c_str(), path.c_str());
}
