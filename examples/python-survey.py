#!/usr/bin/python3
"""Reads a survey file with the Python module dravon, computes its course and the
positional uncertainty by the ISCWSA MWD Rev. 5 error model, and draws the side and top
views with matplotlib when it is installed; without it the course is printed.

    python3 examples/python-survey.py [SURVEY-FILE] [--format weg|free|atk|csv|...]

Without a file it reads deviated-well.txt beside this script. The error model's inputs
here (total field, dip, declination, latitude) are made-up values of a place in central
Europe; give the ones of your well.
"""
import argparse
import os
import sys

import numpy as np

import dravon


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("file", nargs="?", default=os.path.join(here, "deviated-well.txt"))
    parser.add_argument("--format", default=None, help="as the batch tool's --format")
    args = parser.parse_args()

    try:
        survey = dravon.read(args.file, format=args.format)
        course = dravon.course(survey)
        covariances = dravon.covariances(
            survey, error_model="iscwsa-mwd-rev5", mag_field=49500, mag_dip=66.5,
            declination=3.5, north="true", latitude=51.5)
    except dravon.Error as fault:
        print(f"{args.file}: {fault}", file=sys.stderr)
        return 2

    # 2 sigma of the horizontal position: the larger half-axis of the error ellipse.
    horizontal = covariances[:, :2, :2]
    semi_major = 2 * np.sqrt(np.linalg.eigvalsh(horizontal)[:, -1])

    try:
        import matplotlib.pyplot as plt
    except ImportError:
        print(f"{survey.name}: {len(survey)} stations")
        print(f"{'MD':>9} {'TVD':>9} {'North':>9} {'East':>9} {'DLS':>7} {'2σ hor.':>8}")
        for k in range(len(course["md"])):
            print(f"{course['md'][k]:9.2f} {course['tvd'][k]:9.2f} {course['north'][k]:9.2f} "
                  f"{course['east'][k]:9.2f} {course['dls'][k]:7.3f} {semi_major[k]:8.3f}")
        return 0

    fig, (side, top) = plt.subplots(1, 2, figsize=(11, 5))
    side.plot(course["vertical_section"], course["tvd"])
    side.invert_yaxis()
    side.set_xlabel(f"vertical section at {course['section_azimuth']:.1f}° (m)")
    side.set_ylabel("TVD (m)")
    top.plot(course["east"], course["north"])
    top.fill_betweenx(course["north"], course["east"] - semi_major, course["east"] + semi_major,
                      alpha=0.25, label="2σ horizontal")
    top.set_xlabel("east (m)")
    top.set_ylabel("north (m)")
    top.set_aspect("equal", adjustable="datalim")
    top.legend()
    fig.suptitle(survey.name)
    fig.tight_layout()
    plt.show()
    return 0


if __name__ == "__main__":
    sys.exit(main())
