// From a table to station lines: which row holds the column headings, which columns hold
// the depth, inclination and azimuth (by heading, German or English, or by number), the
// decimal sign and the depth unit, and the station lines in the layout of the other
// readers (free format, two decimals) with their thinning. No Qt.
#pragma once

#include "core/survey.h"
#include "exchange/table.h"

#include <array>
#include <optional>
#include <string>

namespace exchange {

// The three meanings of a station's columns, in the order of a station line.
enum Meaning { Depth = 0, Inclination = 1, Azimuth = 2 };

enum class DecimalSign { Automatic, Comma, Point };
// Automatic: feet when the depth column's heading names feet ("MD [ft]", "Teufe (Fuß)"),
// metres otherwise.
enum class DepthUnit { Automatic, Metres, Feet };

// How the user chose one column.
struct ColumnChoice
{
    int number = 0; // from 1; 0: not by number
    std::string name; // a heading (Windows-1252); empty: the usual names of the meaning

    bool automatic() const { return number == 0 && name.empty(); }
};

struct MappingRequest
{
    std::array<ColumnChoice, 3> columns; // Depth, Inclination, Azimuth
    int headerRow = -1; // -1 find it; 0 no heading; n: row n (from 1)
    DecimalSign decimal = DecimalSign::Automatic;
    DepthUnit unit = DepthUnit::Automatic;
    int step = 1; // thinning: every step-th data row (1, 2, 5, 10)
};

// What was decided, for the dialog to show and the conversion to use.
struct Mapping
{
    std::array<int, 3> columns { -1, -1, -1 }; // from 0
    int headerRow = -1; // from 0; -1 none
    int firstDataRow = -1; // from 0
    DecimalSign decimal = DecimalSign::Point; // never Automatic
    DepthUnit unit = DepthUnit::Metres; // never Automatic
    int step = 1;
};

struct StationImport
{
    Mapping mapping;
    StringList stations; // station lines after thinning, in table order
    int records = 0; // data rows converted
    std::optional<TableFault> fault; // set: nothing is to be taken

    // The status line of the measurement dialog: "%d Zeilen wurden eingelesen".
    std::string status() const;
};

// A heading reduced for comparison: lower case, without blanks, punctuation and a unit in
// brackets ("Teufe [m]" and "MD (ft)" give "teufe" and "md").
std::string normalHeading(const std::string &text);

// The meaning a heading stands for by the usual German and English names, or -1.
int meaningOfHeading(const std::string &text);

// True when a heading names feet as its unit: "MD [ft]", "Depth (feet)", "Teufe/Fuß".
bool headingNamesFeet(const std::string &text);

// Reads a cell as a number with `decimal` (Comma or Point); a spreadsheet's numeric cell
// always has a point. Blanks around the number are allowed, nothing else.
std::optional<double> cellNumber(const Cell &cell, DecimalSign decimal);

// The decimal sign most number-like cells of the table use; Point when undecided.
DecimalSign detectDecimal(const Table &table);

// The German name of the meaning ("Teufe", "Neigung", "Azimut").
const char *meaningName(int meaning);

// Decides the mapping and converts every data row. A row whose chosen cells are all
// empty is passed over; any other row that does not give three numbers refuses the whole
// table with a fault naming row, column and the text found.
StationImport importStations(const Table &table, const MappingRequest &request);

// The borehole name that a file gives: its name without folder and extension, in the
// program's character set (`path` is UTF-8).
std::string nameFromPath(const std::string &path);

} // namespace exchange
