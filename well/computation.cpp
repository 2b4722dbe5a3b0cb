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

bool firstDepthAccepted(double md)
{
    return !(single(md) < 0);
}

bool inclinationAccepted(double inclination)
{
    const float phi = single(inclination);
    return !(phi < 0 || phi > 180);
}

bool azimuthAccepted(double azimuth)
{
    const float theta = single(azimuth);
    return !(theta < 0 || theta > 360);
}

bool depthRises(double previous, double md)
{
    return single(md) > single(previous);
}

CheckedSurvey checkSurvey(const Survey &survey, const std::optional<TieIn> &tieIn)
{
    CheckedSurvey out;
    const std::vector<Station> &stations = survey.stations();
    const std::vector<UnreadLine> &unread = survey.unreadLines();
    const std::size_t lineCount = survey.lineCount();
    const auto report = [&](Message id, std::vector<double> values, const std::string &line) {
        out.diagnostics.push_back({ id, std::move(values), line });
        out.clean = false;
    };

    // The stations taken, in slot k; slot 0 is the surface station. `count` follows the
    // rules the table has always used for where the run ends.
    std::vector<Station> &taken = out.stations;
    hugepages::reserve(taken, stations.size() + 1);
    taken.assign(1, tieIn ? tieIn->station() : Station {});
    if (tieIn)
        out.origin = { tieIn->tvd, tieIn->north, tieIn->east };
    long long count = static_cast<long long>(lineCount);
    // First depth below 0 m: the surface station goes in front. A tie-in station always
    // stands in front.
    bool shifted = tieIn.has_value();
    bool stopped = false;
    std::size_t u = 0, s = 0; // next unread line, next station
    for (std::size_t i = 0; !stopped && i < lineCount; ++i) {
        if (u < unread.size() && unread[u].position == s) {
            report(Message::LineWithoutThreeValues, { static_cast<double>(i + 1) }, unread[u].text);
            count = static_cast<long long>(i);
            break;
        }
        const Station &station = stations[s];
        const std::size_t index = s++;
        // The line's text only where a message quotes it: writing a million stations'
        // text costs more than checking them.
        const auto line = [&] { return survey.text(index); };
        const float T = single(station.md), phi = single(station.inclination),
                    theta = single(station.azimuth);
        if (i == 0 && tieIn) {
            // The first interval runs down from the tie-in station.
            if (!depthRises(tieIn->md, station.md)) {
                report(Message::FirstDepthAtTieIn, { T, single(tieIn->md) }, line());
                count = 0;
                break;
            }
        } else if (i == 0) {
            if (!firstDepthAccepted(station.md)) {
                // Neither rule fits a hole that starts above the surface.
                report(Message::NegativeFirstDepth, { T }, line());
                count = 0;
                break;
            }
            shifted = T > 0;
        }
        // A refused line ends the run at the line before it: the lines above it were
        // all taken.
        if (!inclinationAccepted(station.inclination)) {
            report(Message::InclinationOutOfRange, { phi }, line());
            count = static_cast<long long>(i);
            stopped = true;
        }
        if (!azimuthAccepted(station.azimuth)) {
            report(Message::AzimuthOutOfRange, { theta }, line());
            count = static_cast<long long>(i);
            stopped = true;
        }
        if (i > 0) {
            if (!depthRises(taken.back().md, station.md)) {
                report(Message::DepthNotIncreasing, { static_cast<double>(i + 1), T }, line());
                count = static_cast<long long>(i);
                stopped = true;
            }
        }
        if (!stopped && (shifted || i > 0))
            taken.push_back(station);
    }
    if (shifted)
        count += 1;
    // Every rule leaves at most the slots the loop filled.
    taken.resize(static_cast<std::size_t>(count));
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
