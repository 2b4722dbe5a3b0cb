// A table as it comes out of a delimited text file or a spreadsheet sheet: rows of cells
// with the sheet's own row and column positions, and the bounds every reader keeps so
// that no file, however large or malformed, makes the program allocate without limit.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace exchange {

// More rows than the program could ever use: it takes at most 2999 stations, with the
// thinning "every 10th" that is 29990 rows. A bigger table is refused as a whole.
inline constexpr int kMaxRows = 100000;
// Cells to the right of this column are not kept (a survey needs three).
inline constexpr int kMaxColumns = 256;
// A cell keeps at most this many bytes of its text (a number never needs more; the
// rest would only be quoted in a message).
inline constexpr std::size_t kMaxCellBytes = 256;
// All cells of a table together: about 40 bytes of bookkeeping each, so the table never
// takes much more than 100 MB.
inline constexpr std::size_t kMaxCells = 1000000;
// A delimited text file or an .xlsx file is read into memory only up to this size.
inline constexpr std::size_t kMaxFileBytes = 32u << 20;

struct Cell
{
    std::string text; // Windows-1252; for a numeric spreadsheet cell the value in C notation
    bool number = false; // a spreadsheet's numeric cell: its text always uses a decimal point
};

struct Table
{
    // rows[i] is the sheet's row i + 1; cells[j] its column j + 1. Empty rows stay as
    // empty vectors so that messages name the row a spreadsheet program shows.
    std::vector<std::vector<Cell>> rows;
    std::size_t cells = 0; // number of cells kept, for the bound kMaxCells

    const Cell *cell(int row, int column) const; // both from 0; nullptr when absent
};

// What stopped a reader or the conversion. Rows and columns count from 1; 0 when the
// fault concerns no particular row or column.
struct TableFault
{
    int row = 0;
    int column = 0;
    std::string text; // the text found there (Windows-1252)
    std::string message; // what the user is told (Windows-1252)
};

// The column's name as a spreadsheet program shows it: 1 -> "A", 27 -> "AA".
std::string columnLetters(int column);

// Keeps at most kMaxCellBytes of `text` (single-byte text: any cut is clean).
void clipCellText(std::string &text);

// The fault for a table that outgrows the bounds above.
TableFault tooLargeFault();

} // namespace exchange
