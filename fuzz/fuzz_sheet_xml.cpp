// Fuzz target: a spreadsheet sheet's XML and its shared strings, each fed in pieces
// whose sizes the input chooses. The readers must keep their bounds, never index past
// the shared strings and give the same table whatever the pieces.
#include "exchange/sheetxml.h"
#include "fuzz/celltext.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

using namespace exchange;

namespace {

void check(bool ok)
{
    if (!ok)
        std::abort();
}

// Feeds `xml` to `reader` in pieces of `piece` bytes.
template <typename Reader> bool feed(Reader &reader, std::string_view xml, size_t piece)
{
    for (size_t at = 0; at < xml.size(); at += piece)
        if (!reader.addData(xml.data() + at, std::min(piece, xml.size() - at)))
            return false;
    return reader.finish();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    // First byte: the piece size. The input up to the first NUL is the shared strings
    // part, the rest the sheet.
    const size_t piece = 1 + data[0] % 64;
    const std::string_view input(reinterpret_cast<const char *>(data) + 1, size - 1);
    const size_t split = input.find('\0');
    const std::string_view sharedXml
        = split == std::string_view::npos ? std::string_view() : input.substr(0, split);
    const std::string_view sheetXml
        = split == std::string_view::npos ? input : input.substr(split + 1);

    SharedStringsReader shared;
    if (!sharedXml.empty() && !feed(shared, sharedXml, piece))
        check(shared.fault().has_value());
    std::vector<std::string> strings
        = shared.fault() ? std::vector<std::string>() : shared.strings();
    check(strings.size() <= kMaxSharedStrings);

    SheetXmlReader pieces(strings);
    const bool ok = feed(pieces, sheetXml, piece);
    SheetXmlReader whole(strings);
    const bool wholeOk = feed(whole, sheetXml, sheetXml.size() + 1);
    check(ok == wholeOk);
    if (!ok) {
        check(pieces.fault().has_value() && !pieces.fault()->message.empty());
        return 0;
    }
    const Table &table = pieces.table();
    check(table.rows.size() <= static_cast<size_t>(kMaxRows));
    check(table.rows.size() == whole.table().rows.size());
    size_t cells = 0;
    for (size_t r = 0; r < table.rows.size(); ++r) {
        const auto &row = table.rows[r];
        check(row.size() <= static_cast<size_t>(kMaxColumns));
        check(row.size() == whole.table().rows[r].size());
        cells += row.size();
        for (size_t c = 0; c < row.size(); ++c) {
            check(isKeptCellText(row[c].text));
            check(row[c].text == whole.table().rows[r][c].text);
        }
    }
    check(cells == table.cells && cells <= kMaxCells);
    return 0;
}
