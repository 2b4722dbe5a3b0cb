#include "export/columntable.h"

#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace surveyexport {

namespace {

    enum class Quantity {
        Length, // metres or feet as the listing says
        Angle, // degrees
        Dogleg, // degrees per 30 m or per 100 ft
        Coordinate, // metres of the coordinate reference system, whatever the listing's unit
        Sigma, // metres whatever the listing's unit: the error models work in metres
        Covariance, // square metres whatever the listing's unit
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
        // A column of the positional uncertainty, from the row's NEV covariance at 1σ,
        // its direction and the multiple of σ of the ellipse. Such columns are there
        // exactly when the listing has an error model; nothing of them is looked at per
        // row without one.
        double (*fromCovariance)(const unc::Sym3 &nev, const traj::Point &at, double sigmas)
            = nullptr;
    };

    // The six covariances by the axes they pair, in unc::Sym3's order, as the listing's
    // columns and the error terms' file name them.
    const char *const kCovarianceNames[]
        = { DRV_TRANSLATE_NOOP("Export", "Kov NN"), DRV_TRANSLATE_NOOP("Export", "Kov EE"),
              DRV_TRANSLATE_NOOP("Export", "Kov VV"), DRV_TRANSLATE_NOOP("Export", "Kov NE"),
              DRV_TRANSLATE_NOOP("Export", "Kov NV"), DRV_TRANSLATE_NOOP("Export", "Kov EV") };

    double root(double variance)
    {
        return std::sqrt(std::max(0.0, variance));
    }

    unc::Sym3 hla(const unc::Sym3 &nev, const traj::Point &at)
    {
        return unc::toHla(nev, at.inclination, at.azimuth);
    }

    // A column of the uncertainty: `value` of the covariance.
    constexpr ColumnDef uncertainty(const char *name, Quantity quantity, int decimals,
        double (*value)(const unc::Sym3 &, const traj::Point &, double))
    {
        return { name, quantity, decimals, nullptr, false, value };
    }

    // Every column a listing or an export can have, in their order. A value that a row does
    // not have (std::nullopt) leaves its cell empty; an absolute column without any value
    // is left out, every other column stays (a straight well has no radius anywhere).
    const ColumnDef kColumns[] = {
        { DRV_TRANSLATE_NOOP("Export", "Teufe"), Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.md); } },
        { DRV_TRANSLATE_NOOP("Export", "Neigung"), Quantity::Angle, 2,
            [](const listing::Row &r) { return std::optional(r.point.inclination); } },
        { DRV_TRANSLATE_NOOP("Export", "Azimut"), Quantity::Angle, 2,
            [](const listing::Row &r) { return std::optional(r.point.azimuth); } },
        { DRV_TRANSLATE_NOOP("Export", "Seigerteufe"), Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.tvd); } },
        { DRV_TRANSLATE_NOOP("Export", "Nord"), Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.north); } },
        { DRV_TRANSLATE_NOOP("Export", "Ost"), Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.east); } },
        { DRV_TRANSLATE_NOOP("Export", "Gesamtabweichung"), Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.point.displacement); } },
        { DRV_TRANSLATE_NOOP("Export", "Azimut der Abweichung"), Quantity::Angle, 2,
            [](const listing::Row &r) { return std::optional(r.point.displacementAzimuth); } },
        { nullptr /* the vertical section, named with its azimuth */, Quantity::Length, 2,
            [](const listing::Row &r) { return std::optional(r.verticalSection); } },
        // Three decimals, as the results table's "JE 30 M" column prints it.
        { DRV_TRANSLATE_NOOP("Export", "Abknickung"), Quantity::Dogleg, 3,
            [](const listing::Row &r) { return std::optional(r.point.doglegPer30); } },
        // A straight interval (and the surface, where none ends) has no circle: its cell
        // stays empty, where the results table prints 0. A 0 in a spreadsheet would be a
        // radius of nothing, and means and minima over the column would count it.
        { DRV_TRANSLATE_NOOP("Export", "Krümmungsradius"), Quantity::Length, 1,
            [](const listing::Row &r) {
                return r.point.radius > 0 ? std::optional(r.point.radius) : std::nullopt;
            } },
        { DRV_TRANSLATE_NOOP("Export", "Teufenverlust"), Quantity::Length, 3,
            [](const listing::Row &r) { return std::optional(r.point.depthLoss); } },
        { DRV_TRANSLATE_NOOP("Export", "Rechtswert"), Quantity::Coordinate, 3,
            [](const listing::Row &r) { return r.easting; }, true },
        { DRV_TRANSLATE_NOOP("Export", "Hochwert"), Quantity::Coordinate, 3,
            [](const listing::Row &r) { return r.northing; }, true },
        { DRV_TRANSLATE_NOOP("Export", "Höhe über NN"), Quantity::Length, 3,
            [](const listing::Row &r) { return r.height; }, true },
        uncertainty(DRV_TRANSLATE_NOOP("Export", "σ Nord"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &, double) { return root(c.xx); }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "σ Ost"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &, double) { return root(c.yy); }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "σ Vertikal"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &, double) { return root(c.zz); }),
        uncertainty(kCovarianceNames[0], Quantity::Covariance, 4,
            [](const unc::Sym3 &c, const traj::Point &, double) { return c.xx; }),
        uncertainty(kCovarianceNames[1], Quantity::Covariance, 4,
            [](const unc::Sym3 &c, const traj::Point &, double) { return c.yy; }),
        uncertainty(kCovarianceNames[2], Quantity::Covariance, 4,
            [](const unc::Sym3 &c, const traj::Point &, double) { return c.zz; }),
        uncertainty(kCovarianceNames[3], Quantity::Covariance, 4,
            [](const unc::Sym3 &c, const traj::Point &, double) { return c.xy; }),
        uncertainty(kCovarianceNames[4], Quantity::Covariance, 4,
            [](const unc::Sym3 &c, const traj::Point &, double) { return c.xz; }),
        uncertainty(kCovarianceNames[5], Quantity::Covariance, 4,
            [](const unc::Sym3 &c, const traj::Point &, double) { return c.yz; }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "σ Hochseite"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &p, double) { return root(hla(c, p).xx); }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "σ Lateral"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &p, double) { return root(hla(c, p).yy); }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "σ Bohrachse"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &p, double) { return root(hla(c, p).zz); }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "Große Halbachse"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &, double k) {
                return unc::horizontalEllipse(c, k).semiMajor;
            }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "Kleine Halbachse"), Quantity::Sigma, 3,
            [](const unc::Sym3 &c, const traj::Point &, double k) {
                return unc::horizontalEllipse(c, k).semiMinor;
            }),
        uncertainty(DRV_TRANSLATE_NOOP("Export", "Richtung große Halbachse"), Quantity::Angle, 2,
            [](const unc::Sym3 &c, const traj::Point &, double k) {
                return unc::horizontalEllipse(c, k).majorAzimuth;
            }),
    };

} // namespace

namespace {

    // The files' headings and title rows are German in every language; the dialogs show
    // them in the chosen one.
    std::string word(Words words, const char *german)
    {
        return words == Words::Shown ? i18n::translate("Export", german) : std::string(german);
    }

    std::string sectionName(double azimuth, decimalsign::Sign sign, Words words = Words::File)
    {
        return i18n::arg(word(words, DRV_TRANSLATE_NOOP("Export", "Vertikalschnitt bei %1°")),
            { decimalsign::fixed(azimuth, 2, sign) });
    }

} // namespace

std::string Column::heading(decimalsign::Sign sign, Words words) const
{
    const std::string n
        = azimuthInName ? sectionName(*azimuthInName, sign, words) : word(words, name.c_str());
    return unit.empty() ? n : n + " (" + unit + ")";
}

std::size_t ColumnTable::rows() const
{
    if (columns.empty())
        return 0;
    const Column &c = columns.front();
    return c.isText() ? c.texts.size() : c.numbers.size();
}

std::vector<TitleRow> ColumnTable::titleRows(decimalsign::Sign sign, Words words) const
{
    const auto w = [words](const char *german) { return word(words, german); };
    std::vector<TitleRow> rows;
    if (north && north->named()) {
        rows.push_back({ w(DRV_TRANSLATE_NOOP("Export", "Nord und Ost bezogen auf")),
            geo::northCaption(*north, sign,
                words == Words::Shown ? geo::CaptionWords::Chosen : geo::CaptionWords::German) });
    }
    if (!uncertainty)
        return rows;
    const unc::Inputs &in = *uncertainty;
    const auto number = [sign](double v) { return decimalsign::shortest(v, sign); };
    rows.push_back({ w(DRV_TRANSLATE_NOOP("Export", "Fehlermodell")),
        i18n::arg(w(DRV_TRANSLATE_NOOP("Export", "%1, Ellipse %2 σ (σ und Kovarianzen: 1 σ)")),
            { unc::modelTitle(in), number(ellipseSigma) }) });
    rows.push_back({ w(DRV_TRANSLATE_NOOP("Export", "Breite")),
        in.latitude
            ? number(std::fabs(*in.latitude)) + "° " + (*in.latitude < 0 ? "S" : "N")
            : w(DRV_TRANSLATE_NOOP("Export", "unbekannt (die MWD-Terme brauchen sie nicht)")) });
    rows.push_back(
        { w(DRV_TRANSLATE_NOOP("Export", "Schwerebeschleunigung")), number(in.gravity) + " m/s²" });
    rows.push_back(
        { w(DRV_TRANSLATE_NOOP("Export", "Totalintensität")), number(in.totalField) + " nT" });
    rows.push_back(
        { w(DRV_TRANSLATE_NOOP("Export", "Inklination des Magnetfelds")), number(in.dip) + "°" });
    const char *north = in.north == NorthReference::Grid
        ? DRV_TRANSLATE_NOOP("Export", "Gitternord")
        : in.north == NorthReference::Magnetic ? DRV_TRANSLATE_NOOP("Export", "magnetisch Nord")
                                               : DRV_TRANSLATE_NOOP("Export", "geographisch Nord");
    rows.push_back({ w(DRV_TRANSLATE_NOOP("Export", "Azimute bezogen auf")), w(north) });
    // Only the angles that take the azimuths to the model's magnetic north.
    if (in.north != NorthReference::Magnetic)
        rows.push_back(
            { w(DRV_TRANSLATE_NOOP("Export", "Deklination")), number(in.declination) + "°" });
    if (in.north == NorthReference::Grid)
        rows.push_back({ w(DRV_TRANSLATE_NOOP("Export", "Meridiankonvergenz")),
            number(in.convergence) + "°" });
    return rows;
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
    m_uncertainty = m_uncertainty || rows.uncertainty.has_value();
    std::size_t k = 0;
    for (const ColumnDef &column : kColumns) {
        if (!m_withValue[k] && column.value) {
            m_withValue[k] = std::any_of(rows.rows.begin(), rows.rows.end(),
                [&](const listing::Row &row) { return column.value(row).has_value(); });
        }
        ++k;
    }
}

bool ListingColumns::complete() const
{
    std::size_t k = 0;
    for (const ColumnDef &column : kColumns) {
        if (column.value && !m_withValue[k])
            return false;
        ++k;
    }
    return true;
}

ColumnTable ListingColumns::table(
    const listing::Listing &l, std::size_t first, std::size_t count) const
{
    first = std::min(first, l.rows.size());
    const std::size_t end = first + std::min(count, l.rows.size() - first);
    ColumnTable table;
    if (m_uncertainty) {
        table.uncertainty = l.uncertainty;
        table.ellipseSigma = l.ellipseSigma;
    }
    std::size_t k = 0;
    for (const ColumnDef &column : kColumns) {
        const bool present
            = column.fromCovariance ? m_uncertainty : m_withValue[k] || !column.onlyWithValues;
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
        case Quantity::Sigma:
            // Not c.unit = "m": GCC 12 at -O3 takes that for an overlapping copy.
            c.unit.assign(1, 'm');
            break;
        case Quantity::Covariance:
            c.unit = "m²";
            break;
        }
        c.numbers.reserve(end - first);
        if (column.fromCovariance) {
            for (std::size_t r = first; r < end; ++r) {
                const listing::Row &row = l.rows[r];
                std::optional<double> v;
                if (row.covariance)
                    v = column.fromCovariance(*row.covariance, row.point, l.ellipseSigma);
                c.numbers.push_back(v);
            }
            table.columns.push_back(std::move(c));
            continue;
        }
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
    // With a survey program, the tool that read each row (at a point between stations,
    // the station below it).
    if (m_uncertainty && l.uncertainty && !l.uncertainty->legs.empty()) {
        Column c;
        c.name = DRV_TRANSLATE_NOOP("Export", "Werkzeug");
        c.text = true;
        for (std::size_t r = first; r < end; ++r) {
            const auto leg = unc::legAt(*l.uncertainty, l.rows[r].point.md);
            c.texts.push_back(leg ? l.uncertainty->legs[*leg].tool : std::string());
        }
        table.columns.push_back(std::move(c));
    }
    if (m_withRequest) {
        Column c;
        c.name = DRV_TRANSLATE_NOOP("Export", "Anfrage");
        c.text = true;
        for (std::size_t r = first; r < end; ++r)
            c.texts.push_back(l.rows[r].request);
        table.columns.push_back(std::move(c));
    }
    return table;
}

ColumnTable errorTermsTable(const traj::Trajectory &path,
    const std::vector<unc::SourceCovariances> &sources, listing::Unit unit, std::size_t first,
    std::size_t count)
{
    first = std::min(first, path.stations.size());
    const std::size_t end = first + std::min(count, path.stations.size() - first);
    ColumnTable table;
    Column md;
    md.name = DRV_TRANSLATE_NOOP("Export", "Teufe");
    md.unit = units::unitName(unit);
    Column source;
    source.name = DRV_TRANSLATE_NOOP("Export", "Quelle");
    source.text = true;
    std::vector<Column> covariances(std::size(kCovarianceNames));
    for (std::size_t k = 0; k < covariances.size(); ++k) {
        covariances[k].name = kCovarianceNames[k];
        covariances[k].unit = "m²";
        covariances[k].decimals = 4;
    }
    for (std::size_t i = first; i < end; ++i) {
        for (const unc::SourceCovariances &s : sources) {
            if (i >= s.stations.size())
                continue;
            const unc::Sym3 &c = s.stations[i];
            md.numbers.push_back(units::fromMetres(path.stations[i].md, unit));
            std::string text = s.run;
            if (!text.empty())
                text += ": ";
            text += s.code;
            source.texts.push_back(std::move(text));
            const double values[] = { c.xx, c.yy, c.zz, c.xy, c.xz, c.yz };
            for (std::size_t k = 0; k < covariances.size(); ++k)
                covariances[k].numbers.push_back(values[k]);
        }
    }
    table.columns.push_back(std::move(md));
    table.columns.push_back(std::move(source));
    for (Column &c : covariances)
        table.columns.push_back(std::move(c));
    return table;
}

ColumnTable stationTable(
    const traj::Trajectory &t, listing::Unit unit, std::optional<double> sectionAzimuth)
{
    return listingTable(listing::buildListing(t, {}, unit, sectionAzimuth), false);
}

ColumnTable namingNorth(ColumnTable table, const geo::CourseNorth &north)
{
    if (north.named())
        table.north = north;
    return table;
}

} // namespace surveyexport
