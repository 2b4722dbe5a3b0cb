// Bounds and small helpers shared by the table readers.
#include "exchange/table.h"

#include "core/cformat.h"
#include "core/win1252.h"

#include <algorithm>

namespace exchange {

const Cell *Table::cell(int row, int column) const
{
    if (row < 0 || column < 0 || static_cast<std::size_t>(row) >= rows.size())
        return nullptr;
    const std::vector<Cell> &cells = rows[static_cast<std::size_t>(row)];
    if (static_cast<std::size_t>(column) >= cells.size())
        return nullptr;
    return &cells[static_cast<std::size_t>(column)];
}

Table::Store &Table::store()
{
    if (!m_store)
        m_store = std::make_shared<Store>();
    return *m_store;
}

CellText Table::keep(std::string_view text)
{
    // Small texts share blocks; a block is never grown beyond what it reserved, so the
    // texts already in it stay where they are.
    constexpr std::size_t kBlockBytes = 64u << 10;
    std::deque<std::string> &blocks = store().blocks;
    if (blocks.empty() || blocks.back().capacity() - blocks.back().size() < text.size()) {
        blocks.emplace_back();
        blocks.back().reserve(std::max(kBlockBytes, text.size()));
    }
    std::string &block = blocks.back();
    const std::size_t at = block.size();
    block.append(text);
    return CellText(std::string_view(block).substr(at, text.size()));
}

std::string_view Table::adopt(std::string text)
{
    return store().whole.emplace_back(std::move(text));
}

std::string columnLetters(int column)
{
    std::string letters;
    for (int n = column; n > 0; n = (n - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (n - 1) % 26));
    return letters;
}

void clipCellText(std::string &text)
{
    if (text.size() > kMaxCellBytes)
        text.resize(kMaxCellBytes);
}

TableFault tooLargeFault()
{
    TableFault fault;
    fault.message = win1252::fromUtf8(
        cfmt("Die Tabelle ist zu groß: eingelesen werden höchstens %d Zeilen und %zu Zellen.",
            kMaxRows, kMaxCells));
    return fault;
}

} // namespace exchange
