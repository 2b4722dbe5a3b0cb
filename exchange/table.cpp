// Bounds and small helpers shared by the table readers.
#include "exchange/table.h"

#include "core/cformat.h"
#include "core/win1252.h"

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
