// Fuzz target: the settings trailer after a document's four items. The first byte
// chooses what the rest is: the raw bytes after the fourth item (marker, header and
// text as the fuzzer makes them), or only the JSON text inside a correct frame, so that
// the settings reader is reached at once. A refused input must leave the target
// untouched; accepted settings must save to bytes that read back to the same document
// and save again identically.
#include "document/docfile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

std::string le32(std::uint32_t v)
{
    return { static_cast<char>(v & 0xFF), static_cast<char>((v >> 8) & 0xFF),
        static_cast<char>((v >> 16) & 0xFF), static_cast<char>(v >> 24) };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string_view rest(reinterpret_cast<const char *>(data) + 1, size - 1);
    DocumentItems items;
    items.m_Name = "B 1";
    items.m_Eingabe = { "  100.00     1.00    10.00" };
    std::string file = encodeDocument(items);
    if (data[0] & 1) {
        file.append(kSettingsMarker, sizeof kSettingsMarker);
        file += le32(kSettingsVersion) + le32(static_cast<std::uint32_t>(rest.size()));
    }
    file += rest;

    DocumentItems target;
    target.m_Name = "untouched";
    target.m_Settings.elevation = 1.0;
    const DocumentItems untouched = target;
    std::string detail;
    const DocFileFault fault = decodeDocument(file, target, &detail);
    if (fault != DocFileFault::None) {
        if (!(target == untouched))
            std::abort();
        if (fault == DocFileFault::BadSettings && detail.empty())
            std::abort();
        return 0;
    }
    if (target.m_Name != items.m_Name || target.m_Eingabe != items.m_Eingabe)
        std::abort();
    const std::string encoded = encodeDocument(target);
    if (settingsToJson(target.m_Settings).size() > kMaxSettingsSize)
        std::abort();
    // Settings that say nothing are not written: the four items alone remain.
    if (target.m_Settings.empty() != (encoded == encodeDocument(items)))
        std::abort();
    DocumentItems again;
    if (decodeDocument(encoded, again) != DocFileFault::None || !(again == target))
        std::abort();
    if (encodeDocument(again) != encoded)
        std::abort();
    return 0;
}
