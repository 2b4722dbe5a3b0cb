#include "export/columntable.h"

#include <algorithm>
#include <iterator>

namespace surveyexport {

namespace {

    enum class Quantity {
        Length, // metres or feet as the listing says
        Angle, // degrees
        Dogleg, // degrees per 30 m or per 100 ft
        Coordinate, // metres of the coordinate reference system, whatever the listing's unit
    };

    struct ColumnDef
    {
        const char *name; // UTF-8
        Quantity quantity;
        int decimals;
        std::optional<double> (*value)(const listing::Row &); // metres and degrees
        // Left out, even from an empty table, unless some row has a value: the absolute
        // columns exist only where the well's settings place it.
        bool onlyWithValues = false;
    };

    // Every column a listing or an export can have, in their order. A value that a row does
    // not have (std::nullopt) leaves its cell empty; an absolute column without any value
    // is left out, every other column stays (a straight well has no radius anywhere).
    const ColumnDef kColumns[] = {
        { "Teufe", Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.md); } },
        { "Neigung", Quantity::Angle, 2,
            [](const listing::Row &r) { return std::optional(r.point.inclination); } },
        { "Azimut", Quantity::Angle, 2,
            [](const listing::Row &r) { return std::optional(r.point.azimuth); } },
        { "Seigerteufe", Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.tvd); } },
        { "Nord", Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.north); } },
        { "Ost", Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.east); } },
        { "Gesamtabweichung", Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.displacement); } },
        { "Azimut der Abweichung", Quantity::Angle, 2,
            [](const listing::Row &r) { return std::optional(r.point.displacementAzimuth); } },
        { nullptr /* the vertical section, named with its azimuth */, Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.verticalSection); } },
        // Three decimals, as the results table's "JE 30 M" column prints it.
        { "Abknickung", Quantity::Dogleg, 3,
            [](const listing::Row &r) { return std::optional(r.point.doglegPer30); } },
        // A straight interval (and the surface, where none ends) has no circle: its cell
        // stays empty, where the results table prints 0. A 0 in a spreadsheet would be a
        // radius of nothing, and means and minima over the column would count it.
        { "Krümmungsradius", Quantity::Length, 1,
            [](const listing::Row &r) {
                return r.point.radius > 0 ? std::optional(r.point.radius) : std::nullopt;
            } },
        { "Teufenverlust", Quantity::Length, 3,
            [](const listing::Row &r) { return std::optional(r.point.depthLoss); } },
        { "Rechtswert", Quantity::Coordinate, 3, [](const listing::Row &r) { return r.easting; },
            true },
        { "Hochwert", Quantity::Coordinate, 3, [](const listing::Row &r) { return r.northing; },
            true },
        { "Höhe über NN", Quantity::Length, 3, [](const listing::Row &r) { return r.height; },
            true },
    };

} // namespace

namespace {

    std::string sectionName(double azimuth, decimalsign::Sign sign)
    {
        return "Vertikalschnitt bei " + decimalsign::fixed(azimuth, 2, sign) + "°";
    }

} // namespace

std::string Column::heading(decimalsign::Sign sign) const
{
    const std::string n = azimuthInName ? sectionName(*azimuthInName, sign) : name;
    return unit.empty() ? n : n + " (" + unit + ")";
}

std::size_t ColumnTable::rows() const
{
    if (columns.empty())
        return 0;
    const Column &c = columns.front();
    return c.isText() ? c.texts.size() : c.numbers.size();
}

ColumnTable listingTable(const listing::Listing &l, bool withRequest)
{
    ListingColumns columns(withRequest);
    columns.include(l);
    return columns.table(l);
}

ListingColumns::ListingColumns(bool withRequest)
    : m_withRequest(withRequest)
    , m_withValue(std::size(kColumns), false)
{
}

void ListingColumns::include(const listing::Listing &rows)
{
    std::size_t k = 0;
    for (const ColumnDef &column : kColumns) {
        if (!m_withValue[k]) {
            m_withValue[k] = std::any_of(rows.rows.begin(), rows.rows.end(),
                [&](const listing::Row &row) { return column.value(row).has_value(); });
        }
        ++k;
    }
}

bool ListingColumns::complete() const
{
    return std::all_of(m_withValue.begin(), m_withValue.end(), [](bool b) { return b; });
}

ColumnTable ListingColumns::table(
    const listing::Listing &l, std::size_t first, std::size_t count) const
{
    first = std::min(first, l.rows.size());
    const std::size_t end = first + std::min(count, l.rows.size() - first);
    ColumnTable table;
    std::size_t k = 0;
    for (const ColumnDef &column : kColumns) {
        const bool present = m_withValue[k] || !column.onlyWithValues;
        ++k;
        if (!present)
            continue;
        Column c;
        if (column.name) {
            c.name = column.name;
        } else {
            c.azimuthInName = l.sectionAzimuth;
            c.name = sectionName(l.sectionAzimuth, decimalsign::Sign::Point);
        }
        c.decimals = column.decimals;
        switch (column.quantity) {
        case Quantity::Length:
            c.unit = units::unitName(l.unit);
            break;
        case Quantity::Angle:
            c.unit = "°";
            break;
        case Quantity::Dogleg:
            c.unit = units::doglegUnitName(l.unit);
            break;
        case Quantity::Coordinate:
            // Not c.unit = "m": GCC 12 at -O3 takes that for an overlapping copy.
            c.unit.assign(1, 'm');
            break;
        }
        c.numbers.reserve(end - first);
        for (std::size_t r = first; r < end; ++r) {
            std::optional<double> v = column.value(l.rows[r]);
            if (v) {
                if (column.quantity == Quantity::Length)
                    v = units::fromMetres(*v, l.unit);
                else if (column.quantity == Quantity::Dogleg)
                    v = units::doglegRate(*v, l.unit);
            }
            c.numbers.push_back(v);
        }
        table.columns.push_back(std::move(c));
    }
    if (m_withRequest) {
        Column c;
        c.name = "Anfrage";
        c.text = true;
        for (std::size_t r = first; r < end; ++r)
            c.texts.push_back(l.rows[r].request);
        table.columns.push_back(std::move(c));
    }
    return table;
}

ColumnTable stationTable(
    const traj::Trajectory &t, listing::Unit unit, std::optional<double> sectionAzimuth)
{
    return listingTable(listing::buildListing(t, {}, unit, sectionAzimuth), false);
}

} // namespace surveyexport
