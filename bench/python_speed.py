#!/usr/bin/python3
"""Times the Python module on the two sizes the peers are compared at: the
minimum-curvature course of 1,000,000 stations from numpy arrays, and the ISCWSA MWD
Rev. 5 covariances of 3,000 stations. Each figure is the best of several runs.

    PYTHONPATH=build-release/python python3 bench/python_speed.py [PEER_PATH]

The course is timed with every column and with only the four a pure-Python peer returns
(tvd, north, east and the dogleg per 30 m), beside a numpy script written here from the
formulas and, where `wellpathpy` can be imported (from PEER_PATH, or installed), beside
its `mincurve.minimum_curvature` on the same arrays in the same process. That peer still
asks numpy for `np.float`, which numpy 1.24 removed; the script then gives numpy the alias
back (the builtin float, which it always was) before importing it.

On the two-core development machine (Debian 12, GCC 12, numpy 1.24, Release), December
2026, beside the peer's published function (its mincurve.py and checkarrays.py), the
course of 1,000,000 stations took:
- twenty runs, load average 0.1 to 1.0: 0.012 to 0.018 s with the four columns and 0.028
  to 0.033 s with all fifteen (twice 0.05 to 0.06 s), against 0.076 to 0.088 s for the
  peer: 0.15 to 0.22 of its time with its four columns, 0.34 to 0.40 with all; the numpy
  script 0.071 to 0.077 s;
- six runs of the final module half an hour later, everything slower: 0.017 to 0.020 s
  (once 0.086 s) and 0.034 to 0.055 s, against 0.094 to 0.149 s: 0.13 to 0.18 with four
  columns, 0.27 to 0.46 with all; the numpy script 0.081 to 0.092 s.
The module of the stop before (one thread, the check twice, every column) took 0.047 to
0.050 s. The peer's own time depends on what the process freed before it: 0.082 s in a
fresh process, 0.051 s after one course() of that module had freed its fifteen arrays.
Rev 5 covariances of 3,000 stations: 0.76 to 1.11 ms.
"""
import sys
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


def peer_function(path):
    """wellpathpy's minimum_curvature, or None where it cannot be imported."""
    if path:
        sys.path.insert(0, path)
    if not hasattr(np, "float"):
        np.float = float
    try:
        from wellpathpy.mincurve import minimum_curvature
    except ImportError:
        return None
    return minimum_curvature


def largest_difference(course, tvd, north, east):
    return max(np.max(np.abs(tvd - course["tvd"])), np.max(np.abs(north - course["north"])),
               np.max(np.abs(east - course["east"])))


def main():
    md, inc, azi = survey(1_000_000, 1.0)
    four = ("tvd", "north", "east", "dls")
    # The peer first, while the process's heap is as fresh as in a new notebook: once a
    # call has freed arrays of this size, the allocator keeps them, and numpy's temporaries
    # then come without the kernel's page faults.
    wellpath = peer_function(sys.argv[1] if len(sys.argv) > 1 else None)
    peer = best(lambda: wellpath(md, inc, azi), 3) if wellpath is not None else None
    ours_four = best(lambda: dravon.course(md, inc, azi, only=four), 3)
    ours = best(lambda: dravon.course(md, inc, azi), 3)
    print(f"course of 1,000,000 stations: {ours:.3f} s; only {', '.join(four)}: "
          f"{ours_four:.3f} s")
    if peer is not None:
        worst = largest_difference(dravon.course(md, inc, azi, only=four),
                                   *wellpath(md, inc, azi)[:3])
        print(f"  wellpathpy: {peer:.3f} s (ours {ours_four / peer:.2f} of it with its four "
              f"columns, {ours / peer:.2f} with all; largest difference {worst:.1e} m)")
    # The same course from the numpy script, checked against ours before it is timed.
    worst = largest_difference(dravon.course(md, inc, azi), *numpy_course(md, inc, azi)[:3])
    script = best(lambda: numpy_course(md, inc, azi), 3)
    print(f"  the numpy script: {script:.3f} s (ours {ours_four / script:.2f} of it with "
          f"four columns, {ours / script:.2f} with all; largest difference {worst:.1e} m)")
    md, inc, azi = survey(3_000, 3.0)
    options = dict(error_model="iscwsa-mwd-rev5", mag_field=50000, mag_dip=72, declination=-4,
                   north="true", latitude=60)
    seconds = best(lambda: dravon.covariances(md, inc, azi, **options), 10)
    print(f"Rev 5 covariances of 3,000 stations: {seconds * 1000:.2f} ms")


if __name__ == "__main__":
    main()
