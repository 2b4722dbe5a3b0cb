// A table as it comes out of a delimited text file or a spreadsheet sheet: rows of cells
// with the sheet's own row and column positions, the cells' texts kept by the table, and
// the bounds every reader keeps so that no file, however large or malformed, makes the
// program allocate without limit.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace exchange {

// A survey of a million stations at one metre spacing, with some title and unit rows
// above it; a bigger table is refused as a whole.
inline constexpr int kMaxRows = 1100000;
// Cells to the right of this column are not kept (a survey needs three).
inline constexpr int kMaxColumns = 256;
// A cell keeps at most this many characters of its text (a number never needs more; the
// rest would only be quoted in a message).
inline constexpr std::size_t kMaxCellCharacters = 256;
// ... which take at most this many bytes of UTF-8.
inline constexpr std::size_t kMaxCellBytes = 4 * kMaxCellCharacters;
// All cells of a table together: a row limit's worth of ten columns. A cell takes 24
// bytes of bookkeeping, so the table never takes much more than 300 MB besides its text.
inline constexpr std::size_t kMaxCells = 11000000;
// A delimited text file or an .xlsx file is read into memory only up to this size: a
// million rows of ten columns of survey numbers fit.
inline constexpr std::size_t kMaxFileBytes = 256u << 20;

// A cell's text: a view of text the table keeps (or of a literal), so that a table of a
// million rows is not a million small strings. It converts to a std::string where a copy
// is wanted.
class CellText : public std::string_view
{
public:
    using std::string_view::basic_string_view;
    CellText() = default;
    CellText(std::string_view text)
        : std::string_view(text)
    {
    }
    operator std::string() const { return std::string(data(), size()); }
};

struct Cell
{
    CellText text; // for a numeric spreadsheet cell the value in C notation
    bool number = false; // a spreadsheet's numeric cell: its text always uses a decimal point
    bool absent = false; // a value the file marks as missing (LAS NULL); the text is empty
};

class Table
{
public:
    // rows[i] is the sheet's row i + 1; cells[j] its column j + 1. Empty rows stay as
    // empty vectors so that messages name the row a spreadsheet program shows.
    std::vector<std::vector<Cell>> rows;
    std::size_t cells = 0; // number of cells kept, for the bound kMaxCells

    const Cell *cell(int row, int column) const; // both from 0; nullptr when absent

    // A copy of `text` that lives as long as the table and its copies, for a cell.
    CellText keep(std::string_view text);
    // Takes `text` whole for cells that are views of it, and gives it where it now lies.
    std::string_view adopt(std::string text);

private:
    // The texts the cells point into. Shared by copies of a table: it only ever grows, and
    // what it holds never moves.
    struct Store
    {
        std::deque<std::string> whole; // adopted
        std::deque<std::string> blocks; // filled by keep()
    };
    std::shared_ptr<Store> m_store;
    Store &store();
};

struct TableFault
{
    int row = 0;
    int column = 0;
    std::string text; // the text found there
    std::string message; // what the user is told
};

// The column's name as a spreadsheet program shows it: 1 -> "A", 27 -> "AA".
std::string columnLetters(int column);

// Keeps at most kMaxCellCharacters of `text`.
void clipCellText(std::string &text);

// The sheet of a workbook that `wanted` names: empty for the first, a number from 1, or a
// name (an exact match first, then one that ignores case). Without one,
// `fault` lists the sheets there are.
std::optional<int> chooseSheet(
    const std::vector<std::string> &sheets, const std::string &wanted, TableFault &fault);

// The fault for a table that outgrows the bounds above.
TableFault tooLargeFault();

} // namespace exchange
