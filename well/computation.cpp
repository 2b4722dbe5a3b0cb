// The check of the stations, the two trajectories, the results table and the
// interpolation at a depth.
#include "well/computation.h"

#include "core/cformat.h"
#include "core/hugepages.h"
#include "i18n/i18n.h"

#include <algorithm>
#include <cmath>
#include <cstdarg>
#include <cstring>
#include <future>

namespace well {

namespace {

// The check compares and reports depths and angles in single precision, as the results
// table has always been computed: a depth that rounds to its predecessor does not rise.
// Not inlined: GCC 12's loop vectoriser drops the rounding of a double to float and back
// inside the loop that fills the single-precision trajectory (seen at -O2 and -O3).
[[gnu::noinline]] float single(double v)
{
    return static_cast<float>(v);
}

} // namespace

namespace {

// The rules on the values rounded once: the check of a million stations rounds each
// value once, not once per rule.
bool firstDepthAcceptedAs(float T)
{
    return !(T < 0);
}

// Written without a jump (a NaN passes both), so that the check of every line at once
// runs in vector registers.
bool inclinationAcceptedAs(float phi)
{
    return !((phi < 0) | (phi > 180));
}

bool azimuthAcceptedAs(float theta)
{
    return !((theta < 0) | (theta > 360));
}

} // namespace

bool firstDepthAccepted(double md)
{
    return firstDepthAcceptedAs(single(md));
}

bool inclinationAccepted(double inclination)
{
    return inclinationAcceptedAs(single(inclination));
}

bool azimuthAccepted(double azimuth)
{
    return azimuthAcceptedAs(single(azimuth));
}

bool depthRises(double previous, double md)
{
    return single(md) > single(previous);
}

namespace {

// The check's rules over `lineCount` lines, the stations read by `stationAt(s)` and the
// lines that are no station in `unread`. `report(id, values, line)` is told each message
// with the line it quotes (`textOf(s)` gives station s's), `take(station)` each station
// taken after the first.
// Returns the number of stations the run takes, the surface or tie-in station included,
// and sets `shifted` when that station stands in front of the first line.
template <class StationAt, class TextOf, class Report, class Take>
std::size_t checkLines(std::size_t lineCount, const std::vector<UnreadLine> &unread,
    const StationAt &stationAt, const TextOf &textOf, const std::optional<TieIn> &tieIn,
    bool &shifted, const Report &report, const Take &take)
{
    // `count` follows the rules the table has always used for where the run ends.
    long long count = static_cast<long long>(lineCount);
    // First depth below 0 m: the surface station goes in front. A tie-in station always
    // stands in front.
    shifted = tieIn.has_value();
    float previousT = single(tieIn ? tieIn->md : 0.0); // of the last station taken
    bool stopped = false;
    std::size_t u = 0, s = 0; // next unread line, next station
    for (std::size_t i = 0; !stopped && i < lineCount; ++i) {
        if (u < unread.size() && unread[u].position == s) {
            report(Message::LineWithoutThreeValues,
                std::vector<double> { static_cast<double>(i + 1) }, unread[u].text);
            count = static_cast<long long>(i);
            break;
        }
        const Station station = stationAt(s);
        const std::size_t index = s++;
        const float T = single(station.md), phi = single(station.inclination),
                    theta = single(station.azimuth);
        if (i == 0 && tieIn) {
            // The first interval runs down from the tie-in station.
            if (!(T > previousT)) { // depthRises() on the rounded depths
                report(Message::FirstDepthAtTieIn, std::vector<double> { T, single(tieIn->md) },
                    textOf(index));
                count = 0;
                break;
            }
        } else if (i == 0) {
            if (!firstDepthAcceptedAs(T)) {
                // Neither rule fits a hole that starts above the surface.
                report(Message::NegativeFirstDepth, std::vector<double> { T },
                    textOf(index));
                count = 0;
                break;
            }
            shifted = T > 0;
        }
        // A refused line ends the run at the line before it: the lines above it were
        // all taken.
        if (!inclinationAcceptedAs(phi)) {
            report(Message::InclinationOutOfRange, std::vector<double> { phi },
                textOf(index));
            count = static_cast<long long>(i);
            stopped = true;
        }
        if (!azimuthAcceptedAs(theta)) {
            report(Message::AzimuthOutOfRange, std::vector<double> { theta },
                textOf(index));
            count = static_cast<long long>(i);
            stopped = true;
        }
        if (i > 0) {
            if (!(T > previousT)) { // depthRises() on the rounded depths
                report(Message::DepthNotIncreasing,
                    std::vector<double> { static_cast<double>(i + 1), T },
                    textOf(index));
                count = static_cast<long long>(i);
                stopped = true;
            }
        }
        if (!stopped && (shifted || i > 0)) {
            take(station);
            previousT = T;
        }
    }
    if (shifted)
        count += 1;
    return static_cast<std::size_t>(count);
}

} // namespace

CheckedSurvey checkSurvey(const Survey &survey, const std::optional<TieIn> &tieIn)
{
    CheckedSurvey out;
    const std::vector<Station> &stations = survey.stations();
    // The stations taken, in slot k; slot 0 is the surface station.
    std::vector<Station> &taken = out.stations;
    hugepages::reserve(taken, stations.size() + 1);
    taken.assign(1, tieIn ? tieIn->station() : Station {});
    if (tieIn)
        out.origin = { tieIn->tvd, tieIn->north, tieIn->east };
    bool shifted = false;
    const std::size_t count = checkLines(
        survey.lineCount(), survey.unreadLines(),
        [&stations](std::size_t s) { return stations[s]; },
        // The line's text only where a message quotes it: writing a million stations'
        // text costs more than checking them.
        [&survey](std::size_t s) { return survey.text(s); }, tieIn, shifted,
        [&](Message id, std::vector<double> values, const std::string &line) {
            out.diagnostics.push_back({ id, std::move(values), line });
            out.clean = false;
        },
        [&taken](const Station &station) { taken.push_back(station); });
    // Every rule leaves at most the slots the loop filled.
    taken.resize(count);
    return out;
}

std::optional<double> Computation::lastDepth() const
{
    if (checked.stations.empty())
        return std::nullopt;
    return single(checked.stations.back().md);
}

namespace {

// The heading stays German in the table in every language; the text view shows it in the
// language spoken through the catalogue (well/tabletext.h).
const char *const kHead[5] = {
    DRV_TRANSLATE_NOOP(
        "Ergebnistabelle", "    BERECHNUNG DER ABKNICKUNG ALFA UND DER BOHRLOCHABWEICHUNG"),
    DRV_TRANSLATE_NOOP("Ergebnistabelle", "    NACH DEM SCHMIEGUNGSKREISVERFAHREN"),
    DRV_TRANSLATE_NOOP("Ergebnistabelle",
        "    TEUFENBEREICH  ALPHA   KREIS-    SEIGER   TEUFEN-  NORD(+)  OST(+)  GESAMT-"),
    DRV_TRANSLATE_NOOP("Ergebnistabelle",
        "                    GRAD   RADIUS    TEUFE    VERLUST  SUED(-) WEST(-) ABWEICHUNG"),
    DRV_TRANSLATE_NOOP("Ergebnistabelle",
        "        (M)       JE 30 M   (M)       (M)       (M)     (M)      (M)   (M GRAD AZ)"),
};

} // namespace

std::array<std::string_view, 3> columnHeading()
{
    return { kHead[2], kHead[3], kHead[4] };
}

std::array<std::string_view, 5> tableHeading()
{
    return { kHead[0], kHead[1], kHead[2], kHead[3], kHead[4] };
}

namespace {

// Fills the results table line by line, reusing the strings of the previous table as
// buffers: a recomputation then allocates almost nothing. With a sink the lines go there
// one by one instead and nothing is kept.
class TableBuilder
{
public:
    TableBuilder(StringList &table, const TableSink *sink)
        : m_table(table)
        , m_sink(sink && *sink ? sink : nullptr)
    {
        m_spare.swap(table);
        if (!m_sink)
            table.reserve(m_spare.size());
    }

    void add(const char *format, ...) __attribute__((format(printf, 2, 3)))
    {
        std::string &line = m_sink ? m_line : next();
        line.clear();
        va_list args;
        va_start(args, format);
        vcfmtAppend(line, format, args);
        va_end(args);
        if (m_sink)
            (*m_sink)(m_line);
    }

    // "    %6.1f-%6.1f %6.3f %9g %8.2f %8.2f %7.2f %8.2f %5.1f:%5.1f" of the interval that
    // ends at b, conversion by conversion: a million intervals skip reading the format.
    void interval(const traj::Station &a, const traj::Station &b)
    {
        std::string &line = m_sink ? m_line : next();
        line.assign(4, ' ');
        appendFixed(line, a.md, 6, 1);
        line += '-';
        appendFixed(line, b.md, 6, 1);
        line += ' ';
        appendFixed(line, b.doglegPer30, 6, 3);
        line += ' ';
        appendGeneral(line, b.radius, 9, 6);
        line += ' ';
        appendFixed(line, b.tvd, 8, 2);
        line += ' ';
        appendFixed(line, b.depthLoss, 8, 2);
        line += ' ';
        appendFixed(line, b.north, 7, 2);
        line += ' ';
        appendFixed(line, b.east, 8, 2);
        line += ' ';
        appendFixed(line, b.displacement, 5, 1);
        line += ':';
        appendFixed(line, b.displacementAzimuth, 5, 1);
        if (m_sink)
            (*m_sink)(m_line);
    }

    // Hands the second half of the previous table's strings to `to` (empty), for another
    // builder to reuse as its buffers.
    void lendSpare(StringList &to)
    {
        const std::size_t keep = std::max(m_used, m_spare.size() / 2);
        for (std::size_t i = keep; i < m_spare.size(); ++i)
            to.push_back(std::move(m_spare[i]));
        m_spare.resize(keep);
    }

    // Keeps the first `lines` lines of the previous table as they are; the lines made
    // next come after them. Only before any line is made.
    void keepFirst(std::size_t lines)
    {
        lines = std::min(lines, m_spare.size());
        for (std::size_t i = 0; i < lines; ++i)
            m_table.push_back(std::move(m_spare[i]));
        m_used = lines;
    }

    // The lines of `other` after those made so far.
    void append(StringList &&other)
    {
        m_table.reserve(m_table.size() + other.size());
        for (std::string &line : other)
            m_table.push_back(std::move(line));
    }

private:
    std::string &next()
    {
        m_table.push_back(m_used < m_spare.size() ? std::move(m_spare[m_used++]) : std::string());
        return m_table.back();
    }

    StringList &m_table;
    const TableSink *m_sink;
    StringList m_spare;
    std::size_t m_used = 0;
    std::string m_line;
};

// An azimuth turned by `degrees` and brought back into [0, 360).
double turned(double azimuth, double degrees)
{
    if (degrees == 0.0)
        return azimuth;
    double a = std::fmod(azimuth + degrees, 360.0);
    if (a < 0.0)
        a += 360.0;
    return a >= 360.0 ? 0.0 : a;
}

void fill(traj::Trajectory &t, const std::vector<Station> &stations, const traj::Origin &origin,
    bool singlePrecision, double azimuthTurn)
{
    t.origin = origin;
    hugepages::reserve(t.stations, stations.size());
    t.stations.resize(stations.size());
    for (std::size_t i = 0; i < stations.size(); ++i) {
        traj::Station &s = t.stations[i];
        const Station &r = stations[i];
        s.md = singlePrecision ? single(r.md) : r.md;
        s.inclination = singlePrecision ? single(r.inclination) : r.inclination;
        const double azimuth = turned(r.azimuth, azimuthTurn);
        s.azimuth = singlePrecision ? single(azimuth) : azimuth;
    }
    if (singlePrecision)
        traj::computeTrajectory(t);
    else
        traj::computeNumericTrajectory(t);
}

} // namespace

void compute(const Well &well, Computation &out)
{
    compute(well, out, TableSink {});
}

void compute(const Well &well, Computation &out, const TableSink &sink)
{
    computeCourse(well, out);
    computeTable(well, out, sink);
}

void computeCourse(const Well &well, Computation &out, double azimuthTurn)
{
    // The stations the table was written from step aside; their place takes the new ones.
    if (out.tableBasis == Computation::TableBasis::Current) {
        std::swap(out.legacy.stations, out.tableStations);
        out.tableBasis = Computation::TableBasis::Kept;
    }
    out.tieIn = well.settings.tieIn;
    out.checked = checkSurvey(well.survey, well.settings.tieIn);
    out.diagnostics = out.checked.diagnostics;
    // The two passes are independent. A long survey's are made side by side: most of
    // their time is the first touch of the memory the records take, which two threads
    // share well.
    constexpr std::size_t kSideBySideFrom = 100000;
    if (out.checked.stations.size() >= kSideBySideFrom) {
        std::future<void> legacy = std::async(std::launch::async,
            [&] { fill(out.legacy, out.checked.stations, out.checked.origin, true, azimuthTurn); });
        fill(out.path, out.checked.stations, out.checked.origin, false, azimuthTurn);
        legacy.get();
    } else {
        fill(out.legacy, out.checked.stations, out.checked.origin, true, azimuthTurn);
        fill(out.path, out.checked.stations, out.checked.origin, false, azimuthTurn);
    }
    // The table keeps its own run. The path never goes beyond it: where rounding to single
    // precision stops the table's run at a limit, the path stops there too. (Where only the
    // path meets a limit, a change of direction of exactly 90 degrees, it ends first.)
    if (out.path.stations.size() > out.legacy.stations.size()) {
        out.path.stations.resize(out.legacy.stations.size());
        out.path.stop = out.legacy.stop;
    }
    out.deepestEntered.reset();
    for (const Station &s : well.survey.stations())
        out.deepestEntered = std::max(out.deepestEntered.value_or(s.md), s.md);
}

namespace {

// Whether the line of an interval ending at `b`, and its remark, read the same from the
// stations `a`, `b` as from `oldA`, `oldB`: every number they write, bit for bit.
bool sameNumbers(const traj::Station &x, const traj::Station &y)
{
    const auto same = [](double u, double v) {
        return std::memcmp(&u, &v, sizeof u) == 0;
    };
    return same(x.md, y.md) && same(x.tvd, y.tvd) && same(x.north, y.north)
        && same(x.east, y.east) && same(x.displacement, y.displacement)
        && same(x.displacementAzimuth, y.displacementAzimuth)
        && same(x.doglegPer30, y.doglegPer30) && same(x.radius, y.radius)
        && same(x.depthLoss, y.depthLoss) && x.straight == y.straight;
}

// The first interval whose line may differ from the kept table's, 1 when every line is
// to be written. The kept lines are those of the heading (the same name) and of the
// intervals between stations that read the same as before.
std::size_t firstChangedInterval(const Well &well, const Computation &out, std::size_t headLines)
{
    if (out.tableBasis != Computation::TableBasis::Kept || headLines == 0
        || out.table.size() < headLines || out.table.front() != well.name)
        return 1;
    const std::vector<traj::Station> &was = out.tableStations, &is = out.legacy.stations;
    const std::size_t common = std::min(was.size(), is.size());
    std::size_t k = 0;
    while (k < common && sameNumbers(was[k], is[k]))
        ++k;
    return std::max<std::size_t>(k, 1);
}

} // namespace

void computeTable(const Well &well, Computation &out, const TableSink &sink)
{
    const std::vector<traj::Station> &st = out.legacy.stations;
    const std::size_t headLines = out.checked.stations.size() > 1 ? 1 + std::size(kHead) : 0;
    const std::size_t from = sink ? 1 : firstChangedInterval(well, out, headLines);
    TableBuilder table(out.table, &sink);
    out.aborted = out.doglegAbort = false;
    if (from > 1) {
        // The heading and the lines of the unchanged intervals stay; their remarks are
        // the same as before.
        std::size_t kept = headLines;
        for (std::size_t i = 1; i < from; ++i) {
            if (st[i].straight) {
                out.diagnostics.push_back({ Message::NoCurvature, { st[i - 1].md, st[i].md }, {} });
                ++kept;
            }
            ++kept;
        }
        table.keepFirst(kept);
    } else if (headLines > 0) {
        table.add("%s", well.name.c_str());
        for (const char *line : kHead)
            table.add("%s", line);
    }
    // The lines of the intervals from station `from` to `to` (exclusive) with their remarks.
    const auto intervals = [&st](TableBuilder &lines, Diagnostics &remarks, std::size_t from,
                               std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const traj::Station &a = st[i - 1], &b = st[i];
            if (b.straight) {
                lines.add("KEINE KRUEMMUNG VON TEUFE:%7.2f BIS %7.2f M", a.md, b.md);
                remarks.push_back({ Message::NoCurvature, { a.md, b.md }, {} });
            }
            lines.interval(a, b);
        }
    };
    // A long table kept whole is written in two halves side by side: each line depends on
    // its two stations only, and most of the time goes into making the strings, which two
    // threads do at once. A sink takes the lines in order one by one.
    constexpr std::size_t kSideBySideFrom = 100000;
    if (!sink && st.size() >= from + kSideBySideFrom) {
        const std::size_t middle = from + (st.size() - from) / 2;
        StringList secondLines;
        table.lendSpare(secondLines);
        Diagnostics secondRemarks;
        std::future<void> second = std::async(std::launch::async, [&] {
            TableBuilder lines(secondLines, nullptr);
            intervals(lines, secondRemarks, middle, st.size());
        });
        intervals(table, out.diagnostics, from, middle);
        second.get();
        table.append(std::move(secondLines));
        out.diagnostics.insert(out.diagnostics.end(), std::make_move_iterator(secondRemarks.begin()),
            std::make_move_iterator(secondRemarks.end()));
    } else {
        intervals(table, out.diagnostics, from, st.size());
    }

    const traj::Stop &stop = out.legacy.stop;
    if (stop.kind == traj::StopKind::DoglegTooLarge) {
        // A dogleg of 90 degrees or more cannot be an arc of this method.
        out.diagnostics.push_back(
            { Message::DoglegTooLarge, { stop.md, stop.inclination, stop.azimuth }, {} });
        table.add("%s", germanText(out.diagnostics.back()).c_str());
        out.aborted = out.doglegAbort = true;
    } else if (stop.kind == traj::StopKind::EqualDepths) {
        out.diagnostics.push_back({ Message::EqualDepths,
            { static_cast<double>(stop.station + 1), stop.md, stop.previousMd }, {} });
        table.add("%s", germanText(out.diagnostics.back()).c_str());
        out.aborted = true;
    }
    out.tableBasis = sink ? Computation::TableBasis::None : Computation::TableBasis::Current;
}

Computation compute(const Well &well)
{
    Computation out;
    compute(well, out);
    return out;
}

namespace {

// Whether every line of `stations` passes the check's rules, the values rounded to single
// precision as checkLines rounds them: a first depth at or below the surface or below the
// tie-in, depths that rise, angles in range. One pass without a branch per line, which the
// compiler turns into vector code: most surveys pass, and checkLines, which knows what to
// say, runs only for those that do not.
template <std::size_t stride>
bool everyLinePasses(const StationColumns &stations, const std::optional<TieIn> &tieIn)
{
    const std::size_t n = stations.count;
    const double *md = stations.md, *inc = stations.inclination, *azi = stations.azimuth;
    const float first = static_cast<float>(md[0]);
    if (!(tieIn ? first > static_cast<float>(tieIn->md) : firstDepthAcceptedAs(first)))
        return false;
    // Counted, not and-ed: the vectoriser sums the count in registers.
    std::size_t refused = 0;
    for (std::size_t i = 0; i < n; ++i) {
        refused += !inclinationAcceptedAs(static_cast<float>(inc[i * stride]));
        refused += !azimuthAcceptedAs(static_cast<float>(azi[i * stride]));
    }
    for (std::size_t i = 1; i < n; ++i)
        refused += !(static_cast<float>(md[i * stride]) > static_cast<float>(md[(i - 1) * stride]));
    return refused == 0;
}

} // namespace

std::optional<CheckedColumns> checkColumns(
    const StationColumns &stations, const std::optional<TieIn> &tieIn)
{
    if (stations.count > 0
        && (stations.stride == 1 ? everyLinePasses<1>(stations, tieIn)
                : stations.stride == 3 ? everyLinePasses<3>(stations, tieIn)
                                       : false)) {
        // The surface or tie-in station stands in front of the first line, or a first line
        // at the surface takes its place.
        CheckedColumns out;
        out.shifted = tieIn || static_cast<float>(stations.md[0]) > 0;
        out.count = stations.count + (out.shifted ? 1 : 0);
        return out;
    }
    bool clean = true;
    CheckedColumns out;
    out.count = checkLines(
        stations.count, {}, [&stations](std::size_t s) { return stations.at(s); },
        [](std::size_t) { return std::string(); }, tieIn, out.shifted,
        [&clean](Message, const std::vector<double> &, const std::string &) { clean = false; },
        [](const Station &) {});
    if (!clean)
        return std::nullopt;
    return out;
}

std::size_t computeCourseColumns(const StationColumns &stations, const CheckedColumns &checked,
    const std::optional<TieIn> &tieIn, double azimuthTurn, const traj::CourseColumns &out)
{
    if (checked.count == 0)
        return 0;
    // Station k of the run: the surface or tie-in station in front, then the lines; a
    // first line at the surface gives its place to the surface station (checkSurvey).
    const Station front = tieIn ? tieIn->station() : Station {};
    const std::size_t skipped = checked.shifted ? 0 : 1;
    const auto stationOf = [&](std::size_t k) {
        return k == 0 ? front : stations.at(k - 1 + skipped);
    };
    traj::Origin origin;
    if (tieIn)
        origin = { tieIn->tvd, tieIn->north, tieIn->east };
    const traj::StationInput input = [&](std::size_t first, std::size_t n, double *md,
                                         double *inclination, double *azimuth) {
        if (n == 0)
            return;
        std::size_t j = 0;
        if (first == 0) {
            md[0] = front.md;
            inclination[0] = front.inclination;
            azimuth[0] = turned(front.azimuth, azimuthTurn);
            j = 1;
        }
        // Lines first + j - 1 + skipped on.
        const std::size_t stride = stations.stride;
        const std::size_t line = first + j - 1 + skipped;
        const double *lineMd = stations.md + line * stride,
                     *lineInclination = stations.inclination + line * stride,
                     *lineAzimuth = stations.azimuth + line * stride;
        if (stride == 1) {
            std::copy(lineMd, lineMd + (n - j), md + j);
            std::copy(lineInclination, lineInclination + (n - j), inclination + j);
            std::copy(lineAzimuth, lineAzimuth + (n - j), azimuth + j);
        } else {
            for (std::size_t k = 0; j < n; ++j, ++k) {
                md[j] = lineMd[k * stride];
                inclination[j] = lineInclination[k * stride];
                azimuth[j] = lineAzimuth[k * stride];
            }
        }
        if (azimuthTurn != 0.0) {
            for (std::size_t k = first == 0 ? 1 : 0; k < n; ++k)
                azimuth[k] = turned(azimuth[k], azimuthTurn);
        }
    };
    // The results table's pass on the stations rounded to single precision stops at a
    // change of direction of 90 degrees or more, and the course never goes beyond the
    // table (computeCourse). Only a dogleg within a hair of 90 degrees can read as one
    // there and not here: that interval is computed again as the table's pass computes
    // it. (Its other stop, two depths alike, the check has refused already.)
    const traj::NearRightAngle near = [&](std::size_t i) {
        const Station a = stationOf(i - 1), b = stationOf(i);
        const double aAzimuth = single(turned(a.azimuth, azimuthTurn)),
                     bAzimuth = single(turned(b.azimuth, azimuthTurn));
        const traj::Interval iv = traj::computeInterval(single(a.md),
            traj::directionOf(single(a.inclination), aAzimuth), single(b.md),
            traj::directionOf(single(b.inclination), bAzimuth));
        return iv.check == traj::IntervalCheck::Curved || iv.check == traj::IntervalCheck::Straight;
    };
    return traj::computeNumericColumns(checked.count, origin, input, near, out);
}

Interpolation interpolate(const Computation &computation, double md)
{
    Interpolation out;
    const std::optional<double> last = computation.lastDepth();
    if (!last) {
        out.diagnostic = { Message::NoStations, {}, {} };
        return out;
    }
    // The deepest station is known in single precision; its depth as entered lies there
    // too, not beyond it.
    if (single(md) > *last) {
        out.diagnostic = { Message::DepthBeyondLast, { md, *last }, {} };
        return out;
    }
    const std::optional<TieIn> &tieIn = computation.tieIn;
    if (tieIn && single(md) < single(tieIn->md)) {
        out.diagnostic = { Message::DepthAboveTieIn, { md, tieIn->md }, {} };
        return out;
    }
    if (md < 0) {
        out.diagnostic = { Message::DepthAboveSurface, { md }, {} };
        return out;
    }
    const traj::Trajectory &path = computation.path;
    // The survey's stations decide whether there is an interval; a run that stopped at its
    // first interval is told below as where the computation ended.
    if (computation.checked.stations.size() < 2) {
        out.diagnostic = { Message::NoIntervalBelowSurface, { md }, {} };
        return out;
    }
    traj::Point p;
    if (!traj::pointAtMd(path, md, p)) {
        out.diagnostic = { Message::DepthBeyondComputed, { md, path.last().md }, {} };
        return out;
    }
    out.point = p;
    out.diagnostic = { Message::InterpolationResult,
        { md, p.tvd, p.north, p.east, p.displacement, p.displacementAzimuth }, {} };
    return out;
}

} // namespace well
