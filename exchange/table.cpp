// Bounds and small helpers shared by the table readers.
#include "exchange/table.h"

#include "core/cformat.h"
#include "core/utf8.h"
#include "i18n/i18n.h"

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
    utf8::clip(text, kMaxCellCharacters);
}

namespace {

    std::string lower(std::string text)
    {
        for (char &c : text)
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c + 32);
        return text;
    }

} // namespace

std::optional<int> chooseSheet(
    const std::vector<std::string> &sheets, const std::string &wanted, TableFault &fault)
{
    auto refuse = [&](const std::string &message) {
        fault = TableFault();
        fault.message = message;
        return std::nullopt;
    };
    if (sheets.empty())
        return refuse(i18n::translate(
            "Tabellenimport", "Die Excel-Arbeitsmappe enthält kein Tabellenblatt."));
    if (wanted.empty())
        return 0;
    bool digits = true;
    for (char c : wanted)
        digits = digits && c >= '0' && c <= '9';
    if (digits && wanted.size() <= 6) {
        const int number = std::stoi(wanted);
        if (number >= 1 && number <= static_cast<int>(sheets.size()))
            return number - 1;
    }
    for (std::size_t i = 0; i < sheets.size(); ++i)
        if (sheets[i] == wanted)
            return static_cast<int>(i);
    for (std::size_t i = 0; i < sheets.size(); ++i)
        if (lower(sheets[i]) == lower(wanted))
            return static_cast<int>(i);
    std::string names;
    for (const std::string &sheet : sheets)
        names += (names.empty() ? "„" : ", „") + sheet + "“";
    return refuse(digits
            ? cfmt(i18n::translateFormat("Tabellenimport",
                       "Die Excel-Arbeitsmappe hat kein %s. Tabellenblatt; sie hat %zu: %s.")
                       .c_str(),
                wanted.c_str(), sheets.size(), names.c_str())
            : cfmt(i18n::translateFormat("Tabellenimport",
                       "Die Excel-Arbeitsmappe hat kein Tabellenblatt „%s“; sie hat %s.")
                       .c_str(),
                wanted.c_str(), names.c_str()));
}

TableFault tooLargeFault()
{
    TableFault fault;
    fault.message
        = cfmt(i18n::translateFormat("Tabellenimport",
                   "Die Tabelle ist zu groß: eingelesen werden höchstens %d Zeilen und %zu Zellen.")
                   .c_str(),
            kMaxRows, kMaxCells);
    return fault;
}

} // namespace exchange
