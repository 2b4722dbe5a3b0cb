#include "core/textencoding.h"

#include "core/utf8.h"
#include "core/win1252.h"

namespace textencoding {

namespace {

    // Spreadsheet programs save "Unicode text" as UTF-16 with a byte order mark.
    std::string utf16ToUtf8(std::string_view bytes, bool littleEndian)
    {
        std::string out;
        out.reserve(bytes.size() / 2);
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto lo = static_cast<unsigned char>(bytes[i + (littleEndian ? 0 : 1)]);
            const auto hi = static_cast<unsigned char>(bytes[i + (littleEndian ? 1 : 0)]);
            char32_t unit = static_cast<char32_t>(hi << 8 | lo);
            if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
                const auto lo2 = static_cast<unsigned char>(bytes[i + 2 + (littleEndian ? 0 : 1)]);
                const auto hi2 = static_cast<unsigned char>(bytes[i + 2 + (littleEndian ? 1 : 0)]);
                const char32_t low = static_cast<char32_t>(hi2 << 8 | lo2);
                if (low >= 0xDC00 && low <= 0xDFFF) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
            if (unit >= 0xD800 && unit <= 0xDFFF)
                unit = '?';
            utf8::append(out, unit);
        }
        return out;
    }

} // namespace

std::string decode(std::string_view bytes)
{
    if (bytes.starts_with("\xEF\xBB\xBF"))
        return utf8::sanitized(bytes.substr(3));
    if (bytes.starts_with("\xFF\xFE"))
        return utf16ToUtf8(bytes.substr(2), true);
    if (bytes.starts_with("\xFE\xFF"))
        return utf16ToUtf8(bytes.substr(2), false);
    if (utf8::isAscii(bytes) || utf8::isValid(bytes))
        return std::string(bytes);
    return win1252::toUtf8(bytes);
}

} // namespace textencoding
