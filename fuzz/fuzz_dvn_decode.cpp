// Fuzz target: the document file decoder on arbitrary bytes. A decoded document must
// encode to bytes that decode to the same document and encode again identically; a
// refused input must leave the target untouched.
#include "document/docfile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    DocumentItems doc;
    doc.m_Name = "untouched";
    const DocumentItems untouched = doc;
    const DocFileFault fault = decodeDocument(bytes, doc);
    if (fault != DocFileFault::None) {
        if (!(doc == untouched))
            std::abort();
        return 0;
    }
    const std::string encoded = encodeDocument(doc);
    // The encoder writes the shortest prefixes, so the four items never need more bytes
    // than the input, which may have used longer ones. (The settings after them are
    // written in their canonical JSON form, whose numbers may be longer than given.)
    DocumentItems itemsOnly = doc;
    itemsOnly.m_Settings = {};
    if (encodeDocument(itemsOnly).size() > size)
        std::abort();
    DocumentItems again;
    if (decodeDocument(encoded, again) != DocFileFault::None || !(again == doc))
        std::abort();
    if (encodeDocument(again) != encoded)
        std::abort();
    return 0;
}
