// One column model for every table the program writes out: a heading with its unit, a
// number of decimals to show and one value per row. The columns of a listing (and so of
// the station export, which is the listing of the stations) are declared in one place,
// columntable.cpp.
#pragma once

#include "core/decimalsign.h"
#include "geo/north.h"
#include "listing/listing.h"

#include <optional>
#include <string>
#include <vector>

namespace surveyexport {

// The words of headings and title rows: German as the files have them in every language
// (a file format), or in the chosen language as a dialog shows them.
enum class Words { File, Shown };

struct Column
{
    std::string name; // UTF-8, German as the files write it: "Teufe"
    std::string unit; // UTF-8: "m", "°", "°/30 m"; empty for a text column
    int decimals = 2; // shown in a sheet's number format and in the dialogs' tables
    std::vector<std::optional<double>> numbers; // one per row; empty for a text column
    std::vector<std::string> texts; // a text column's cells (UTF-8), one per row
    bool text = false; // the cells are `texts`, not numbers
    // The vertical section's column names its azimuth, a number written with the
    // decimal sign of the text the heading goes into.
    std::optional<double> azimuthInName;

    bool isText() const { return text; }
    // "Teufe (m)", or the name alone when there is no unit.
    std::string heading(
        decimalsign::Sign sign = decimalsign::Sign::Point, Words words = Words::File) const;
};

// A row above the column headings that says what the numbers rest on: "Fehlermodell"
// and the model's name, UTF-8.
struct TitleRow
{
    std::string label, value;

    bool operator==(const TitleRow &) const = default;
};

struct ColumnTable
{
    std::vector<Column> columns;
    // The error model and its inputs that the uncertainty columns come from; none when
    // there are no such columns.
    std::optional<unc::Inputs> uncertainty;
    double ellipseSigma = 2;
    // The north of the positions, named in a title row where a turn or a grid applies
    // (geo/north.h); none for a table of a well in plain true north.
    std::optional<geo::CourseNorth> north;

    std::size_t rows() const;
    // The north of the positions where it is named, then the model, the multiple of σ of
    // the ellipse and the model's inputs, numbers written with `sign`; none without
    // either, so that other tables keep their bytes.
    std::vector<TitleRow> titleRows(
        decimalsign::Sign sign = decimalsign::Sign::Point, Words words = Words::File) const;
};

// The columns of a listing in its unit: measured depth, inclination, azimuth, true
// vertical depth, north, east, displacement and its azimuth, vertical section, dogleg,
// radius of curvature (empty for a straight interval) and depth loss; `withRequest` adds
// the request that made each row. The absolute columns are there only when some row has
// a value. With an error model the positional uncertainty follows, always in metres:
// σ north, east and vertical, the six covariances (m², 1σ), σ high side, lateral and
// along hole, and the horizontal ellipse at the listing's multiple of σ.
ColumnTable listingTable(const listing::Listing &listing, bool withRequest);
// Which columns a listing's table has, decided over all its rows: the pieces of a long
// listing, made and written one at a time, share one set of columns.
class ListingColumns
{
public:
    explicit ListingColumns(bool withRequest);
    // Takes the rows of `rows` into account (a piece of the listing or all of it).
    void include(const listing::Listing &rows);
    // Whether every column a listing can have is there already (the uncertainty's are
    // there with the model, whatever the rows).
    bool complete() const;
    // The table of the rows of `rows` from `first` on, at most `count` of them.
    ColumnTable table(const listing::Listing &rows, std::size_t first = 0,
        std::size_t count = static_cast<std::size_t>(-1)) const;

private:
    bool m_withRequest;
    bool m_uncertainty = false; // some piece has an error model
    std::vector<bool> m_withValue; // per column definition
};

// The audit of an error model's total: for each station from `first` on (at most `count`
// of them) one row per source, with the station's measured depth in `unit`, the source's
// code and its six covariances (m², 1σ, in the order and with the names of the listing's
// columns). Summed over the sources of a station they give the station's covariance.
ColumnTable errorTermsTable(const traj::Trajectory &path,
    const std::vector<unc::SourceCovariances> &sources, listing::Unit unit, std::size_t first = 0,
    std::size_t count = static_cast<std::size_t>(-1));

// The station export: every computed station with its vertical section, no request.
ColumnTable stationTable(const traj::Trajectory &trajectory, listing::Unit unit,
    std::optional<double> sectionAzimuth = std::nullopt);

// `table` with `north` named in a title row, where the north is one that files name.
ColumnTable namingNorth(ColumnTable table, const geo::CourseNorth &north);

} // namespace surveyexport
