// From a table to stations: which row holds the column headings, which columns hold the
// depth, inclination and azimuth (by heading, German or English, or by number), the
// decimal sign and the depth unit, and the stations as typed values in double precision
// with the thinning of the other readers. No Qt.
#pragma once

#include "exchange/delimitedtext.h"
#include "exchange/table.h"
#include "well/fieldreading.h"
#include "well/station.h"
#include "well/survey.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace exchange {

// The three meanings of a station's columns, in the order of a station line.
enum Meaning { Depth = 0, Inclination = 1, Azimuth = 2 };

// The columns of a station's position, which a table may have besides: its first row
// can then be the tie-in the survey begins at.
enum Position { Tvd = 0, North = 1, East = 2 };

// The columns of what the survey tool measured besides the direction: the total magnetic
// field, the dip of the field and the total gravity, in the order of well::FieldQuantity.
// They become the stations' field readings, which the survey check compares with the
// reference field.
enum Reading { TotalField = 0, Dip = 1, Gravity = 2 };

enum class DecimalSign { Automatic, Comma, Point };
// Automatic: feet when the depth column's heading names feet ("MD [ft]", "Teufe (Fuß)"),
// metres otherwise.
enum class DepthUnit { Automatic, Metres, Feet };

// How the user chose one column.
struct ColumnChoice
{
    int number = 0; // from 1; 0: not by number
    std::string name; // a heading; empty: the usual names of the meaning

    bool automatic() const { return number == 0 && name.empty(); }
};

struct MappingRequest
{
    std::array<ColumnChoice, 3> columns; // Depth, Inclination, Azimuth
    int headerRow = -1; // -1 find it; 0 no heading; n: row n (from 1)
    DecimalSign decimal = DecimalSign::Automatic;
    DepthUnit unit = DepthUnit::Automatic;
    int step = 1; // thinning: every step-th data row (1, 2, 5, 10)
    // TVD, North, East: optional; automatic ones are looked for in the heading only.
    std::array<ColumnChoice, 3> position;
    // The first data row is the tie-in (needs the three position columns).
    bool tieInRow = false;
    // Total field, dip, gravity: optional; automatic ones are looked for in the heading only.
    std::array<ColumnChoice, 3> readings;
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
    std::array<int, 3> position { -1, -1, -1 }; // TVD, North, East, from 0; -1 none
    bool tieInRow = false; // asked for, and the position columns are there
    std::array<int, 3> readings { -1, -1, -1 }; // total field, dip, gravity, from 0; -1 none
    // What a cell of each reading column is multiplied by to give nT, degrees and m/s²
    // (a heading naming µT, Gauss, g or mg).
    std::array<double, 3> readingScale { 1, 1, 1 };

    bool hasReadings() const { return readings[0] >= 0 || readings[1] >= 0 || readings[2] >= 0; }

    bool hasPosition() const
    {
        return position[Tvd] >= 0 && position[North] >= 0 && position[East] >= 0;
    }
};

struct StationImport
{
    Mapping mapping;
    // The stations after thinning, in table order, as the cells give them (the depth in
    // metres); where lines are wanted, well::stationText writes them.
    well::Survey survey;
    int records = 0; // data rows converted
    // The rows below the table that were not read (notes, totals, a second table), from
    // 1; both 0 when the table runs to the end.
    int afterFirst = 0;
    int afterLast = 0;
    // The first row's station with its position, when it was asked for and lies below or
    // beside the surface; that row is then no station of the survey. A first row at the
    // surface (depth, TVD, north and east all 0) stays the survey's first station.
    std::optional<well::TieIn> tieIn;
    // What the reading columns hold for the stations kept, keyed by their depth in metres,
    // in table order; only `measured` is set. A row with all its reading cells empty has none.
    std::vector<well::FieldReading> fieldReadings;
    std::optional<TableFault> fault; // set: nothing is to be taken

    // The status line of the measurement dialog: "%d Zeilen wurden eingelesen".
    std::string status() const;
    // What the user is told about rows below the table ("Zeilen 172 bis 179 nach der
    // Tabelle nicht gelesen", UTF-8); empty when there are none.
    std::string notice() const;
};

// A heading reduced for comparison: lower case, without blanks, punctuation and a unit in
// brackets ("Teufe [m]" and "MD (ft)" give "teufe" and "md").
std::string normalHeading(const std::string &text);

// The meaning a heading stands for by the usual German and English names, or -1.
int meaningOfHeading(const std::string &text);

// The position column a heading stands for ("TVD", "Seigerteufe", "N", "Nord", "+N/-S",
// "E", "Ost", "EW" ...), or -1.
int positionOfHeading(const std::string &text);

// The name of a position column in the chosen language ("TVD", "Nord", "Ost").
std::string positionName(int position);

// The reading column a heading stands for, by its whole name ("Btotal", "Total Field",
// "Dip", "MagDip", "Gtotal", "Schwere" ...), or -1. "Inklination" is not the dip: it is
// taken as the hole's inclination.
int readingOfHeading(const std::string &text);

// What a cell of reading column `reading` is multiplied by for the unit its heading names
// (in brackets, after a slash or as a last word): nT, µT/uT and Gauss for the total field,
// degrees for the dip, m/s², g and mg for gravity; 1 when it names none, nothing when it
// names a unit that does not fit.
std::optional<double> readingScaleOfHeading(int reading, const std::string &text);

// The name of a reading column in the chosen language ("Gesamtfeld", "Inklination des
// Magnetfelds", "Schwere").
std::string readingName(int reading);

// True when a heading names feet as its unit: "MD [ft]", "Depth (feet)", "Teufe/Fuß".
bool headingNamesFeet(const std::string &text);

// Reads a cell as a number with `decimal` (Comma or Point); a spreadsheet's numeric cell
// always has a point. Blanks around the number are allowed, nothing else.
std::optional<double> cellNumber(const Cell &cell, DecimalSign decimal);

// Reads `text` as a number written with `separator` as its decimal sign: an optional
// sign, digits with at most one separator, an optional exponent; nothing else, no blanks.
// The one place the table import turns text into numbers, locale-free.
std::optional<double> decimalNumber(std::string_view text, char separator);

// The decimal sign most number-like cells of the table use; Point when undecided.
DecimalSign detectDecimal(const Table &table);

// The name of the meaning in the chosen language ("Teufe", "Neigung", "Azimut").
std::string meaningName(int meaning);

// Decides the mapping and converts the data rows. The table runs from the first row
// below the heading with numbers in all chosen cells to its last station; a row whose
// chosen cells are all empty is passed over. Any other row that does not give three
// numbers (text, an empty chosen cell, a value too large for the single precision the
// results table computes in) is a row inside the table, and refuses the whole table with
// a fault naming row, column and the text found, when its depth cell holds a number not
// below the last station's depth or the next row that is not passed over is a station
// continuing the depths. Otherwise the table ended before it: it and the rows below are
// not read, and afterFirst/afterLast name them.
StationImport importStations(const Table &table, const MappingRequest &request);

// The same for delimited text without the table in between, for a long survey: only the
// first rows are kept as a table, which decides the mapping as importStations would on
// the whole; every later row is converted as it is split. The result, faults included,
// is that of readDelimited and importStations. `used` gets the delimiter used.
StationImport importDelimitedStations(std::string_view text, Delimiter delimiter,
    const MappingRequest &request, Delimiter *used = nullptr);

// The borehole name that a file gives: its name without folder and extension.
std::string nameFromPath(const std::string &path);

} // namespace exchange
