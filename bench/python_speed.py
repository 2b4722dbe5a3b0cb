#!/usr/bin/python3
"""Times the Python module on the two sizes the peers are compared at: the
minimum-curvature course of 1,000,000 stations from numpy arrays, and the ISCWSA MWD
Rev. 5 covariances of 3,000 stations. Each figure is the best of several runs.

    PYTHONPATH=build/python python3 bench/python_speed.py

To set a peer beside them, time its public call on the same arrays in the same process.

On the two-core development machine (Debian 12, GCC 12, otherwise idle), December 2026:
course of 1,000,000 stations 0.34 s (Release) and 0.37 s (RelWithDebInfo); Rev 5
covariances of 3,000 stations 0.87 ms and 0.96 ms. Under the load of two other builds the
course took 4 to 5 s: its two trajectories of a million stations are fresh memory on
every call, and page faults are what a busy machine makes slow.
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


def main():
    md, inc, azi = survey(1_000_000, 1.0)
    print(f"course of 1,000,000 stations: {best(lambda: dravon.course(md, inc, azi), 3):.3f} s")
    md, inc, azi = survey(3_000, 3.0)
    options = dict(error_model="iscwsa-mwd-rev5", mag_field=50000, mag_dip=72, declination=-4,
                   north="true", latitude=60)
    seconds = best(lambda: dravon.covariances(md, inc, azi, **options), 10)
    print(f"Rev 5 covariances of 3,000 stations: {seconds * 1000:.2f} ms")


if __name__ == "__main__":
    main()
