// The numeric pass over the stations and the points on the arcs between them.
//
// The interval arithmetic is the results table's own, operation for operation: the
// table prints these doubles, so they must be the very values it has always printed.
#include "core/trajectory.h"

#include "core/vectormath.h"

#include <algorithm>
#include <cmath>
#include <future>
#include <thread>
#include <vector>

namespace traj {

double degree()
{
    return 4.0 * std::atan(1.0) / 180.0;
}

Direction directionOf(double inclination, double azimuth)
{
    const double DEG = degree();
    Direction d;
    d.sinInc = std::sin(inclination * DEG);
    d.cosInc = std::cos(inclination * DEG);
    d.sinAzi = std::sin(azimuth * DEG);
    d.cosAzi = std::cos(azimuth * DEG);
    return d;
}

// The interval in two steps, the dogleg and then what follows from it, so that the
// numeric pass can run each step over all intervals (see computeTrajectory). Inlined
// there, where the processor then overlaps the intervals.
[[gnu::always_inline]] inline double doglegOf(
    double T1, const Direction &d1, double T2, const Direction &d2, Interval &r)
{
    const double DEG = degree();
    double K = d2.cosInc * d1.cosInc
        + (d2.cosAzi * d1.cosAzi + d2.sinAzi * d1.sinAzi) * (d1.sinInc * d2.sinInc);
    r.cosDogleg = K;
    if (!(K > 0.0)) {
        r.check = IntervalCheck::DoglegTooLarge;
        return 0.0;
    }
    if (T2 != 0.0 && T2 == T1) {
        r.check = IntervalCheck::EqualDepths;
        return 0.0;
    }
    r.check = IntervalCheck::Curved;
    if (K >= 1.0) {
        r.check = IntervalCheck::Straight;
        K = 1.0;
    }
    return std::atan(std::sqrt(1.0 - K * K) / K) / DEG;
}

[[gnu::always_inline]] inline void incrementsOf(
    double alpha, double T1, const Direction &d1, double T2, const Direction &d2, Interval &r)
{
    const double DEG = degree();
    const double dT = T2 - T1;
    const double D100 = 100.0 * alpha / dT;
    const double beta = DEG * D100 * dT / 100.0;
    double L = 0.0;
    r.radius = 0.0;
    if (beta > 0.0) {
        r.radius = dT / beta;
        const double s = std::sin(beta / 2.0);
        L = r.radius * s / std::sqrt(1.0 - s * s);
    } else {
        L = dT / 2.0;
    }
    r.dogleg = alpha;
    r.doglegPer30 = 0.3 * D100;
    r.doglegRad = beta;
    r.tangentLength = L;
    r.ratioFactor = 2.0 * L / dT;
    r.dTvd = (d1.cosInc + d2.cosInc) * L;
    r.dNorth = (d1.sinInc * d1.cosAzi + d2.sinInc * d2.cosAzi) * L;
    r.dEast = (d1.sinInc * d1.sinAzi + d2.sinInc * d2.sinAzi) * L;
}

Interval computeInterval(double T1, const Direction &d1, double T2, const Direction &d2)
{
    Interval r;
    const double alpha = doglegOf(T1, d1, T2, d2, r);
    if (r.check == IntervalCheck::Curved || r.check == IntervalCheck::Straight)
        incrementsOf(alpha, T1, d1, T2, d2, r);
    return r;
}

[[gnu::always_inline]] inline void displacementOf(double north, double east, double &A, double &Z)
{
    const double DEG = degree();
    A = std::sqrt(north * north + east * east);
    if (north == 0.0)
        north = north + 1e-6;
    Z = std::atan(east / north) / DEG;
    if (north < 0.0)
        Z += 180.0;
    else if (east < 0.0)
        Z += 360.0;
}

void displacement(double north, double east, double &A, double &Z)
{
    displacementOf(north, east, A, Z);
}

// Passes instead of one loop: the directions of all stations, the dogleg of every
// interval, the increments of every interval, the running sums, the displacements. The
// intervals do not depend on each other, so the processor overlaps their long chains of
// divisions and library calls; only the cheap sums run in order. The values are those
// of the single loop the results table was once computed by.
void computeTrajectory(
    const float *md, const float *inclination, const float *azimuth, int count, Trajectory &out)
{
    out.stations.resize(static_cast<std::size_t>(std::max(count, 0)));
    for (std::size_t i = 0; i < out.stations.size(); ++i) {
        Station &s = out.stations[i];
        s.md = md[i];
        s.inclination = inclination[i];
        s.azimuth = azimuth[i];
    }
    computeTrajectory(out);
}

// Why a run stops before station i, which it cannot reach.
static Stop stopAt(const Station *st, std::size_t i, StopKind kind)
{
    return { kind, static_cast<int>(i), st[i].md, st[i].inclination, st[i].azimuth,
        st[i - 1].md };
}

void computeTrajectory(Trajectory &out)
{
    out.stop = Stop {};
    out.stationsGiven = static_cast<int>(out.stations.size());
    const std::size_t n = out.stations.size();
    if (n == 0)
        return;
    Station *st = out.stations.data();

    for (std::size_t i = 0; i < n; ++i)
        st[i].direction = directionOf(st[i].inclination, st[i].azimuth);

    // The increments wait in the position fields until the sums replace them.
    std::size_t reached = n;
    st[0].tvd = out.origin.tvd;
    st[0].north = out.origin.north;
    st[0].east = out.origin.east;
    st[0].displacement = st[0].displacementAzimuth = 0.0;
    if (!out.origin.atSurface())
        displacementOf(st[0].north, st[0].east, st[0].displacement, st[0].displacementAzimuth);
    st[0].doglegPer30 = st[0].radius = st[0].doglegRad = 0.0;
    st[0].depthLoss = st[0].md - st[0].tvd;
    st[0].straight = false;
    for (std::size_t i = 1; i < n; ++i) {
        Station &s = st[i];
        Interval iv;
        // The dogleg (degrees) waits in doglegRad until the increments replace it.
        s.doglegRad = doglegOf(st[i - 1].md, st[i - 1].direction, s.md, s.direction, iv);
        if (iv.check == IntervalCheck::DoglegTooLarge || iv.check == IntervalCheck::EqualDepths) {
            out.stop = stopAt(st, i,
                iv.check == IntervalCheck::DoglegTooLarge ? StopKind::DoglegTooLarge
                                                          : StopKind::EqualDepths);
            reached = i;
            break;
        }
        s.straight = iv.check == IntervalCheck::Straight;
    }
    for (std::size_t i = 1; i < reached; ++i) {
        Station &s = st[i];
        Interval iv;
        incrementsOf(s.doglegRad, st[i - 1].md, st[i - 1].direction, s.md, s.direction, iv);
        s.tvd = iv.dTvd;
        s.north = iv.dNorth;
        s.east = iv.dEast;
        s.doglegPer30 = iv.doglegPer30;
        s.radius = iv.radius;
        s.doglegRad = iv.doglegRad;
    }
    out.stations.resize(reached);

    double TVD = out.origin.tvd, N = out.origin.north, E = out.origin.east;
    for (std::size_t i = 1; i < reached; ++i) {
        Station &s = st[i];
        TVD += s.tvd;
        N += s.north;
        E += s.east;
        s.tvd = TVD;
        s.north = N;
        s.east = E;
        s.depthLoss = s.md - TVD;
    }
    for (std::size_t i = 1; i < reached; ++i)
        displacementOf(st[i].north, st[i].east, st[i].displacement, st[i].displacementAzimuth);
}

namespace {

    // The columns of the numeric pass, one array per quantity, so that each step runs
    // over all stations or intervals in vector registers.
    // The memory stays with the thread from one recomputation to the next: fresh memory of
    // this size would come straight from the kernel, page fault by page fault, each time.
    struct Columns
    {
        explicit Columns(std::size_t n)
        {
            thread_local std::vector<double> storage;
            if (storage.size() < kCount * n)
                storage.resize(kCount * n);
            for (std::size_t k = 0; k < kCount; ++k)
                column[k] = storage.data() + k * n;
        }
        enum Name { Md, Inc, Azi, SinInc, CosInc, SinAzi, CosAzi, Cos, Chord, Sum, Half, Tvd, North,
            East, Beta, Dls, Radius, Disp, Count };
        static constexpr std::size_t kCount = Count;
        double *column[kCount];
        double *operator[](Name k) { return column[k]; }
    };

    // Per interval i (from station i-1 to i): the cosine of the dogleg as the table computes
    // it (it decides the stops and the straight pieces), |t2 - t1| = 2 sin(beta/2) and
    // |t2 + t1| = 2 cos(beta/2), which give the angle without the loss of digits of an arc
    // cosine near 1.
    [[gnu::target_clones("avx512f", "avx2", "default")]] void chords(const double *__restrict sinInc,
        const double *__restrict cosInc, const double *__restrict sinAzi, const double *__restrict cosAzi, double *__restrict K,
        double *__restrict chord, double *__restrict sum, std::size_t n)
    {
        for (std::size_t i = 1; i < n; ++i) {
            const double n1 = sinInc[i - 1] * cosAzi[i - 1], n2 = sinInc[i] * cosAzi[i];
            const double e1 = sinInc[i - 1] * sinAzi[i - 1], e2 = sinInc[i] * sinAzi[i];
            const double d1 = cosInc[i - 1], d2 = cosInc[i];
            K[i] = d2 * d1 + (cosAzi[i] * cosAzi[i - 1] + sinAzi[i] * sinAzi[i - 1])
                    * (sinInc[i - 1] * sinInc[i]);
            chord[i] = std::sqrt((n2 - n1) * (n2 - n1) + (e2 - e1) * (e2 - e1) + (d2 - d1) * (d2 - d1));
            sum[i] = std::sqrt((n2 + n1) * (n2 + n1) + (e2 + e1) * (e2 + e1) + (d2 + d1) * (d2 + d1));
        }
    }

    // The increments of position of intervals 1 to n-1 into tvd, north and east, from half
    // the arc's angle (0 for a straight piece) and the chord ratio tan(beta/2).
    [[gnu::target_clones("avx512f", "avx2", "default")]] void increments(const double *__restrict md,
        const double *__restrict sinInc, const double *__restrict cosInc, const double *__restrict sinAzi, const double *__restrict cosAzi,
        const double *__restrict half, const double *__restrict chord, const double *__restrict sum, double *__restrict tvd, double *__restrict north,
        double *__restrict east, std::size_t n)
    {
        for (std::size_t i = 1; i < n; ++i) {
            const double dT = md[i] - md[i - 1];
            // Half the interval's length times the ratio factor tan(beta/2) / (beta/2).
            const double L = half[i] > 0.0 ? dT / 2.0 * (chord[i] / sum[i]) / half[i] : dT / 2.0;
            tvd[i] = (cosInc[i - 1] + cosInc[i]) * L;
            north[i] = (sinInc[i - 1] * cosAzi[i - 1] + sinInc[i] * cosAzi[i]) * L;
            east[i] = (sinInc[i - 1] * sinAzi[i - 1] + sinInc[i] * sinAzi[i]) * L;
        }
    }

    // Per interval: the arc's angle, the dogleg per 30 m and the radius.
    [[gnu::target_clones("avx512f", "avx2", "default")]] void arcs(const double *__restrict md,
        const double *__restrict half, double *__restrict beta, double *__restrict dls,
        double *__restrict radius, double degree, std::size_t n)
    {
        for (std::size_t i = 1; i < n; ++i) {
            const double dT = md[i] - md[i - 1];
            const double b = 2.0 * half[i];
            beta[i] = b;
            dls[i] = 30.0 * (b / degree) / dT;
            radius[i] = b > 0.0 ? dT / b : 0.0;
        }
    }

    // Per station: the displacement and its azimuth in [0, 360) from the angle `toward`
    // (radians, vmath::atan2(east, north)).
    [[gnu::target_clones("avx512f", "avx2", "default")]] void displacements(
        const double *__restrict north, const double *__restrict east, double *__restrict toward,
        double *__restrict disp, double degree, std::size_t n)
    {
        for (std::size_t i = 0; i < n; ++i) {
            disp[i] = std::sqrt(north[i] * north[i] + east[i] * east[i]);
            const double z = toward[i] / degree;
            toward[i] = z < 0.0 ? z + 360.0 : z;
        }
    }

} // namespace

namespace {

    // The numeric pass, a block of stations at a time, each block beginning with the last
    // station of the one before: the columns stay in the processor's cache, whatever the
    // length of the survey. `input(first, count, md, inclination, azimuth)` gives the
    // depths and angles (degrees) of stations first to first + count - 1; `near(i)`, for
    // an interval whose cosine of the dogleg lies below kNearRightAngle, whether the run
    // reaches station i; `stopped(i, kind)` is told where the run stops; `output(lo, j0,
    // m, c)` takes the values of stations lo + j0 to lo + m - 1 from the block's columns.
    // Returns the number of stations reached.
    //
    // The pass may cover stations `begin` to n - 1 only (the intervals ending there). With
    // `sums` false the block's tvd, north and east columns keep each interval's increments
    // (the first station's are the origin's) and the displacements are not computed: the
    // caller sums them when the positions before `begin` are known. With `into` the
    // positions, and the dogleg, radius and displacements where `into` has them, are
    // written straight into its columns, not into the block's; displacements it has no
    // column for are not computed.
    struct PassWork
    {
        std::size_t begin = 0;
        bool sums = true;
        const CourseColumns *into = nullptr;
    };

    template <class Input, class Near, class Stopped, class Output>
    std::size_t numericPass(std::size_t n, const Origin &origin, Input &&input, Near &&near,
        Stopped &&stopped, Output &&output, PassWork work = {})
    {
        const double DEG = degree();
        constexpr std::size_t kBlock = 256;
        Columns c(kBlock + 1);
        double *md = c[Columns::Md], *K = c[Columns::Cos], *chord = c[Columns::Chord],
               *half = c[Columns::Half], *tvd = c[Columns::Tvd], *north = c[Columns::North],
               *east = c[Columns::East], *toward = c[Columns::Inc], *beta = c[Columns::Beta],
               *dls = c[Columns::Dls], *radius = c[Columns::Radius], *disp = c[Columns::Disp];
        const bool displaced
            = !work.into || work.into->displacement || work.into->displacementAzimuth;
        double TVD = origin.tvd, N = origin.north, E = origin.east;
        std::size_t reached = n;
        for (std::size_t first = work.begin; first < reached; first += kBlock) {
            const std::size_t lo = first == 0 ? 0 : first - 1;
            std::size_t m = std::min(n, first + kBlock) - lo;
            if (work.into) {
                const CourseColumns &o = *work.into;
                tvd = o.tvd + lo;
                north = o.north + lo;
                east = o.east + lo;
                if (o.doglegPer30)
                    dls = o.doglegPer30 + lo;
                if (o.radius)
                    radius = o.radius + lo;
                if (o.displacement)
                    disp = o.displacement + lo;
                if (o.displacementAzimuth)
                    toward = o.displacementAzimuth + lo;
            }
            input(lo, m, md, c[Columns::Inc], c[Columns::Azi]);
            for (std::size_t j = 0; j < m; ++j) {
                c[Columns::Inc][j] = c[Columns::Inc][j] * DEG;
                c[Columns::Azi][j] = c[Columns::Azi][j] * DEG;
            }
            vmath::sincos(c[Columns::Inc], c[Columns::SinInc], c[Columns::CosInc], m);
            vmath::sincos(c[Columns::Azi], c[Columns::SinAzi], c[Columns::CosAzi], m);
            chords(c[Columns::SinInc], c[Columns::CosInc], c[Columns::SinAzi], c[Columns::CosAzi],
                K, chord, c[Columns::Sum], m);

            // Where the run stops, by the table's rules; most blocks have no interval to
            // look at, which a count without a jump per interval finds first.
            std::size_t suspect = 0;
            for (std::size_t j = 1; j < m; ++j)
                suspect += !(K[j] >= kNearRightAngle) | (md[j] == md[j - 1]);
            for (std::size_t j = 1; suspect > 0 && j < m; ++j) {
                const bool tooLarge = !(K[j] > 0.0);
                if (tooLarge || (md[j] != 0.0 && md[j] == md[j - 1])) {
                    const std::size_t i = lo + j;
                    stopped(i, tooLarge ? StopKind::DoglegTooLarge : StopKind::EqualDepths);
                    reached = i;
                    m = j;
                    break;
                }
                if (K[j] < kNearRightAngle && !near(lo + j)) {
                    reached = lo + j;
                    m = j;
                    break;
                }
            }

            // Half the arc's angle. A straight piece has the same direction at both ends.
            // (The table's pass also takes a cosine that rounds to 1 for one, a dogleg below
            // about 1e-6 degrees.)
            if (m > 1)
                vmath::atan2(chord + 1, c[Columns::Sum] + 1, half + 1, m - 1);
            for (std::size_t j = 1; j < m; ++j)
                half[j] = chord[j] == 0.0 ? 0.0 : half[j];
            increments(md, c[Columns::SinInc], c[Columns::CosInc], c[Columns::SinAzi],
                c[Columns::CosAzi], half, chord, c[Columns::Sum], tvd, north, east, m);
            // The running sums in registers: through memory each would wait for the one
            // before.
            if (work.sums) {
                // (The block's first station is the last of the block before: in columns
                // of the caller's this writes its value again.)
                tvd[0] = TVD;
                north[0] = N;
                east[0] = E;
                for (std::size_t j = 1; j < m; ++j) {
                    tvd[j] = TVD += tvd[j];
                    north[j] = N += north[j];
                    east[j] = E += east[j];
                }
            }
            arcs(md, half, beta, dls, radius, DEG, m);
            if (work.sums && displaced) {
                // The azimuths of the displacements, into the inclination's column.
                vmath::atan2(east, north, toward, m);
                displacements(north, east, toward, disp, DEG, m);
            }
            output(lo, first == 0 ? std::size_t(0) : std::size_t(1), m, c);
        }
        return reached;
    }

} // namespace

void computeNumericTrajectory(Trajectory &out)
{
    out.stop = Stop {};
    out.stationsGiven = static_cast<int>(out.stations.size());
    const std::size_t n = out.stations.size();
    if (n == 0)
        return;
    Station *st = out.stations.data();
    const std::size_t reached = numericPass(
        n, out.origin,
        [st](std::size_t lo, std::size_t m, double *md, double *inc, double *azi) {
            for (std::size_t j = 0; j < m; ++j) {
                md[j] = st[lo + j].md;
                inc[j] = st[lo + j].inclination;
                azi[j] = st[lo + j].azimuth;
            }
        },
        [](std::size_t) { return true; },
        [&out, st](std::size_t i, StopKind kind) { out.stop = stopAt(st, i, kind); },
        [st](std::size_t lo, std::size_t j0, std::size_t m, Columns &c) {
            for (std::size_t j = j0; j < m; ++j) {
                Station &s = st[lo + j];
                s.direction = { c[Columns::SinInc][j], c[Columns::CosInc][j],
                    c[Columns::SinAzi][j], c[Columns::CosAzi][j] };
                s.tvd = c[Columns::Tvd][j];
                s.north = c[Columns::North][j];
                s.east = c[Columns::East][j];
                s.depthLoss = s.md - c[Columns::Tvd][j];
                s.displacement = c[Columns::Disp][j];
                s.displacementAzimuth = c[Columns::Inc][j];
                if (lo + j == 0) {
                    s.straight = false;
                    s.doglegRad = s.doglegPer30 = s.radius = 0.0;
                    continue;
                }
                s.straight = c[Columns::Chord][j] == 0.0;
                s.doglegRad = c[Columns::Beta][j];
                s.doglegPer30 = c[Columns::Dls][j];
                s.radius = c[Columns::Radius][j];
            }
        });
    out.stations.resize(reached);
}

namespace {

    // The positions of stations from..to-1 of `out`, whose tvd, north and east hold the
    // increments of their intervals (and depthLoss the depth), summed on from station
    // from-1 as the pass sums them, and the displacements after them.
    void sumIncrements(const CourseColumns &out, std::size_t from, std::size_t to)
    {
        double TVD = out.tvd[from - 1], N = out.north[from - 1], E = out.east[from - 1];
        for (std::size_t i = from; i < to; ++i) {
            out.tvd[i] = TVD += out.tvd[i];
            out.north[i] = N += out.north[i];
            out.east[i] = E += out.east[i];
        }
        if (out.depthLoss) {
            for (std::size_t i = from; i < to; ++i)
                out.depthLoss[i] -= out.tvd[i];
        }
        if (!out.displacement && !out.displacementAzimuth)
            return;
        constexpr std::size_t kBlock = 2048;
        std::vector<double> toward(kBlock), disp(kBlock);
        for (std::size_t lo = from; lo < to; lo += kBlock) {
            const std::size_t m = std::min(kBlock, to - lo);
            vmath::atan2(out.east + lo, out.north + lo, toward.data(), m);
            displacements(out.north + lo, out.east + lo, toward.data(), disp.data(), degree(), m);
            if (out.displacement)
                std::copy(disp.begin(), disp.begin() + m, out.displacement + lo);
            if (out.displacementAzimuth)
                std::copy(toward.begin(), toward.begin() + m, out.displacementAzimuth + lo);
        }
    }

} // namespace

std::size_t computeNumericColumns(std::size_t n, const Origin &origin, const StationInput &input,
    const NearRightAngle &near, const CourseColumns &out)
{
    if (n == 0)
        return 0;
    // The angles as given are columns of their own: the block's turn into radians. A
    // block's first station is the last of the one before, written already (and, where
    // the stations are shared between threads, by the other thread).
    const auto given = [&](std::size_t lo, std::size_t m, double *md, double *inc, double *azi) {
        input(lo, m, md, inc, azi);
        const std::size_t k0 = lo == 0 ? 0 : 1;
        if (out.inclination && m > k0)
            std::copy(inc + k0, inc + m, out.inclination + lo + k0);
        if (out.azimuth && m > k0)
            std::copy(azi + k0, azi + m, out.azimuth + lo + k0);
    };
    // What the pass does not write into `out` itself: the depths, the depth loss (with
    // `summed` false the positions are increments, and the depth loss waits as the depth)
    // and the first station's dogleg and radius.
    const auto write = [&out](bool summed) {
        return [&out, summed](std::size_t lo, std::size_t j0, std::size_t m, Columns &c) {
            const double *md = c[Columns::Md];
            if (out.md)
                std::copy(md + j0, md + m, out.md + lo + j0);
            if (out.depthLoss) {
                for (std::size_t j = j0; j < m; ++j)
                    out.depthLoss[lo + j] = summed ? md[j] - out.tvd[lo + j] : md[j];
            }
            if (lo + j0 == 0) {
                if (out.doglegPer30)
                    out.doglegPer30[0] = 0.0;
                if (out.radius)
                    out.radius[0] = 0.0;
            }
        };
    };
    const auto noStop = [](std::size_t, StopKind) {};
    // A long run on two threads: the second half's increments beside the first half, then
    // their sums in the order of one pass, so that every value is the one pass's.
    constexpr std::size_t kSplitFrom = 1 << 16;
    if (n < kSplitFrom || std::thread::hardware_concurrency() < 2)
        return numericPass(
            n, origin, given, near, noStop, write(true), { 0, true, &out });
    const std::size_t middle = n / 2;
    std::future<std::size_t> second = std::async(std::launch::async, [&] {
        return numericPass(
            n, origin, given, near, noStop, write(false), { middle, false, &out });
    });
    const std::size_t reached = numericPass(
        middle, origin, given, near, noStop, write(true), { 0, true, &out });
    const std::size_t secondReached = second.get();
    if (reached < middle)
        return reached;
    sumIncrements(out, middle, secondReached);
    return secondReached;
}

// Position or direction: north, east and downward components.
struct ArcVec
{
    double n, e, d;
};

static ArcVec tangentOf(const Direction &dir)
{
    return { dir.north(), dir.east(), dir.down() };
}

// tan(x/2) / (x/2), the ratio factor of an arc of angle x; 1 for a straight piece.
static double ratioFactorOf(double x)
{
    if (x < 1e-6)
        return 1.0 + x * x / 12.0;
    return std::tan(x / 2.0) / (x / 2.0);
}

// Position offset from `upper` and tangent after `s` metres on the interval.
static void alongArc(
    const Station &upper, const Station &lower, double s, ArcVec &offset, ArcVec &tangent)
{
    const ArcVec t1 = tangentOf(upper.direction), t2 = tangentOf(lower.direction);
    const double f = s / (lower.md - upper.md);
    const double beta = lower.doglegRad;
    double w1 = 1.0 - f, w2 = f, rf = 1.0;
    if (!lower.straight && beta > 1e-9) {
        // The tangent turns at a constant rate about the axis normal to both directions.
        const double sb = std::sin(beta);
        w1 = std::sin((1.0 - f) * beta) / sb;
        w2 = std::sin(f * beta) / sb;
        rf = ratioFactorOf(f * beta);
    }
    tangent = { w1 * t1.n + w2 * t2.n, w1 * t1.e + w2 * t2.e, w1 * t1.d + w2 * t2.d };
    const double h = s / 2.0 * rf;
    offset = { (t1.n + tangent.n) * h, (t1.e + tangent.e) * h, (t1.d + tangent.d) * h };
}

static double tvdAlong(const Station &upper, const Station &lower, double s)
{
    ArcVec offset, tangent;
    alongArc(upper, lower, s, offset, tangent);
    return upper.tvd + offset.d;
}

static double downAlong(const Station &upper, const Station &lower, double s)
{
    ArcVec offset, tangent;
    alongArc(upper, lower, s, offset, tangent);
    return tangent.d;
}

Point pointOnArc(const Station &upper, const Station &lower, double md)
{
    const double DEG = degree();
    ArcVec offset, tangent;
    alongArc(upper, lower, md - upper.md, offset, tangent);
    Point p;
    p.md = md;
    p.tvd = upper.tvd + offset.d;
    p.north = upper.north + offset.n;
    p.east = upper.east + offset.e;
    const double horizontal = std::hypot(tangent.n, tangent.e);
    p.inclination = std::atan2(horizontal, tangent.d) / DEG;
    if (horizontal < 1e-12) {
        // Vertical here: the azimuth is not defined, keep the nearer station's.
        p.azimuth = md - upper.md < lower.md - md ? upper.azimuth : lower.azimuth;
    } else {
        p.azimuth = std::atan2(tangent.e, tangent.n) / DEG;
        if (p.azimuth < 0.0)
            p.azimuth += 360.0;
    }
    displacement(p.north, p.east, p.displacement, p.displacementAzimuth);
    p.doglegPer30 = lower.doglegPer30;
    p.radius = lower.radius;
    p.depthLoss = md - p.tvd;
    return p;
}

Point stationPoint(const Trajectory &t, std::size_t index)
{
    const Station &s = t.stations.at(index);
    Point p;
    p.md = s.md;
    p.inclination = s.inclination;
    p.azimuth = s.azimuth;
    p.tvd = s.tvd;
    p.north = s.north;
    p.east = s.east;
    p.displacement = s.displacement;
    p.displacementAzimuth = s.displacementAzimuth;
    p.doglegPer30 = s.doglegPer30;
    p.radius = s.radius;
    p.depthLoss = s.depthLoss;
    p.interval = static_cast<int>(index);
    p.atStation = true;
    return p;
}

bool pointAtMd(const Trajectory &t, double md, Point &out)
{
    if (t.empty() || !std::isfinite(md))
        return false;
    const auto &st = t.stations;
    // First station deeper than md; the one before it is at or above md.
    const auto below = std::upper_bound(
        st.begin(), st.end(), md, [](double d, const Station &s) { return d < s.md; });
    const std::size_t k = static_cast<std::size_t>(below - st.begin());
    const float asRead = static_cast<float>(md);
    for (std::size_t i : { k, k - 1 }) {
        if (i < st.size() && static_cast<float>(st[i].md) == asRead) {
            out = stationPoint(t, i);
            return true;
        }
    }
    if (k == 0 || k == st.size())
        return false;
    out = pointOnArc(st[k - 1], st[k], md);
    out.interval = static_cast<int>(k);
    return true;
}

// The offset on [a, b] of one interval where the monotone function g changes sign
// (g(a) and g(b) of opposite signs or zero), to the resolution of doubles.
template <class G> static double bisect(double a, double b, G g)
{
    const bool rising = g(a) <= g(b);
    for (int k = 0; k < 200; ++k) {
        const double mid = 0.5 * (a + b);
        if (mid <= a || mid >= b)
            break;
        if ((g(mid) < 0.0) == rising)
            a = mid;
        else
            b = mid;
    }
    return std::abs(g(a)) <= std::abs(g(b)) ? a : b;
}

std::vector<Point> pointsAtTvd(const Trajectory &t, double tvd)
{
    std::vector<Point> found;
    if (t.empty() || !std::isfinite(tvd))
        return found;
    const auto &st = t.stations;
    if (st[0].tvd == tvd)
        found.push_back(stationPoint(t, 0));
    for (std::size_t i = 1; i < st.size(); ++i) {
        const Station &u = st[i - 1], &l = st[i];
        const double length = l.md - u.md;
        // The depth along one interval rises and falls at most once: where the hole is
        // horizontal. Split there and search each monotone piece.
        double pieces[3] = { 0.0, length, length };
        int nPieces = 1;
        if ((u.direction.cosInc < 0.0) != (l.direction.cosInc < 0.0) && u.direction.cosInc != 0.0
            && l.direction.cosInc != 0.0) {
            pieces[1] = bisect(0.0, length, [&](double s) { return downAlong(u, l, s); });
            nPieces = 2;
        }
        for (int p = 0; p < nPieces; ++p) {
            const double a = pieces[p], b = pieces[p + 1];
            const bool endsAtStation = p == nPieces - 1;
            const double za = tvdAlong(u, l, a);
            const double zb = endsAtStation ? l.tvd : tvdAlong(u, l, b);
            // Each piece owns its lower end; its upper end belongs to the piece before.
            if (zb == tvd) {
                if (endsAtStation) {
                    found.push_back(stationPoint(t, i));
                } else {
                    Point q = pointOnArc(u, l, u.md + b);
                    q.interval = static_cast<int>(i);
                    found.push_back(q);
                }
                continue;
            }
            if (za == tvd || (za < tvd) == (zb < tvd))
                continue;
            const double s = bisect(a, b, [&](double x) { return tvdAlong(u, l, x) - tvd; });
            Point q = pointOnArc(u, l, u.md + s);
            q.interval = static_cast<int>(i);
            found.push_back(q);
        }
    }
    return found;
}

} // namespace traj
