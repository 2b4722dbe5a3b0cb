#!/usr/bin/python3
"""Times the Python module on the two sizes the peers are compared at: the
minimum-curvature course of 1,000,000 stations from numpy arrays, and the ISCWSA MWD
Rev. 5 covariances of 3,000 stations. Each figure is the best of several runs.

    PYTHONPATH=build/python python3 bench/python_speed.py

To set a peer beside them, time its public call on the same arrays in the same process.

On the two-core development machine (Debian 12, GCC 12, Release), December 2026, load
average 0.02 to 0.17 (otherwise idle): three runs of this script for the module as it
was (its course made through both trajectories and the export's rows) and three for the
module whose course() writes the numeric course straight into its arrays, alternately in
one shell. Course of 1,000,000 stations: 0.21 to 0.22 s before, 0.038 to 0.047 s now;
the numpy script below took 0.044 to 0.056 s beside them, so the module now takes 0.7 to
0.9 times the numpy script's time, not the tenth of a pure-Python peer's aimed at. Rev 5
covariances of 3,000 stations: 0.98 to 1.01 ms (unchanged code). An earlier round under
a load average of 2 from other builds gave 0.21 to 0.29 s before and 0.042 to 0.052 s
now. `perf record` of twenty courses (with this script's making of the survey): a fifth
of the samples in the numeric pass's own loop, an eighth in the vector sine, cosine and
arc tangent, about a sixth in the check of each station in single precision, 8 % in the
kernel (the output arrays are advised onto huge pages) and 10 % in Python itself.
"""
import time

import numpy as np

import dravon


def best(call, runs):
    times = []
    for _ in range(runs):
        start = time.perf_counter()
        call()
        times.append(time.perf_counter() - start)
    return min(times)


def survey(n, step):
    """A made-up survey of n stations `step` metres apart: building slowly, turning a
    little, never above 89 degrees."""
    rng = np.random.default_rng(1)
    md = np.arange(n, dtype=np.float64) * step
    inc = np.clip(np.cumsum(rng.uniform(-0.05, 0.08, n)), 0, 89)
    azi = (40 + np.cumsum(rng.uniform(-0.05, 0.05, n))) % 360
    inc[0] = azi[0] = 0
    return md, inc, azi


def numpy_course(md, inc, azi):
    """The minimum-curvature course as a vectorised numpy script computes it (the method of
    the pure-Python peers, written here from the formulas): the dogleg of each interval,
    its ratio factor and the summed displacements. TVD, north, east and the dogleg."""
    i = np.radians(inc)
    a = np.radians(azi)
    i1, i2, a1, a2 = i[:-1], i[1:], a[:-1], a[1:]
    cos_dl = np.cos(i2 - i1) - np.sin(i1) * np.sin(i2) * (1 - np.cos(a2 - a1))
    dl = np.arccos(np.clip(cos_dl, -1, 1))
    with np.errstate(invalid="ignore", divide="ignore"):
        rf = np.where(dl > 1e-9, 2 / dl * np.tan(dl / 2), 1.0)
    half = np.diff(md) / 2 * rf
    north = np.concatenate(([0.0], np.cumsum(half * (np.sin(i1) * np.cos(a1) + np.sin(i2) * np.cos(a2)))))
    east = np.concatenate(([0.0], np.cumsum(half * (np.sin(i1) * np.sin(a1) + np.sin(i2) * np.sin(a2)))))
    tvd = np.concatenate(([0.0], np.cumsum(half * (np.cos(i1) + np.cos(i2)))))
    return tvd, north, east, np.degrees(np.concatenate(([0.0], dl)))


def main():
    md, inc, azi = survey(1_000_000, 1.0)
    ours = best(lambda: dravon.course(md, inc, azi), 3)
    print(f"course of 1,000,000 stations: {ours:.3f} s")
    # The same course from the numpy script, checked against ours before it is timed.
    course = dravon.course(md, inc, azi)
    tvd, north, east, _ = numpy_course(md, inc, azi)
    worst = max(np.max(np.abs(tvd - course["tvd"])), np.max(np.abs(north - course["north"])),
                np.max(np.abs(east - course["east"])))
    peer = best(lambda: numpy_course(md, inc, azi), 3)
    print(f"  the numpy script: {peer:.3f} s (ours {ours / peer:.2f} of it; "
          f"largest difference {worst:.1e} m)")
    md, inc, azi = survey(3_000, 3.0)
    options = dict(error_model="iscwsa-mwd-rev5", mag_field=50000, mag_dip=72, declination=-4,
                   north="true", latitude=60)
    seconds = best(lambda: dravon.covariances(md, inc, azi, **options), 10)
    print(f"Rev 5 covariances of 3,000 stations: {seconds * 1000:.2f} ms")


if __name__ == "__main__":
    main()
