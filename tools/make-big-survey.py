#!/usr/bin/env python3
"""Writes a large survey as CSV, for measuring the table import and the batch tool.

A station every metre from 0 to N-1 m of measured depth; the inclination builds up to
about 60 degrees and swings gently, the azimuth turns slowly round the compass; three
decimals, as survey exports write them. With --extra the usual computed columns follow
(TVD, north, east, dogleg, a remark), so that the file is as wide as a real export.

    tools/make-big-survey.py 1000000 > /tmp/big.csv
    tools/make-big-survey.py --extra --feet 1000000 > /tmp/big-ft.csv
"""

import argparse
import math
import sys


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("stations", type=int, help="number of stations (rows)")
    parser.add_argument("--extra", action="store_true", help="add TVD, north, east, dogleg, remark")
    parser.add_argument("--feet", action="store_true", help="depth column in feet (heading MD [ft])")
    parser.add_argument("--delimiter", default=",", help="field delimiter (default ',')")
    args = parser.parse_args()

    d = args.delimiter
    heading = ["MD [ft]" if args.feet else "MD [m]", "Inc", "Azi"]
    if args.extra:
        heading += ["TVD", "North", "East", "DLS", "Remark"]
    out = sys.stdout
    out.write(d.join(heading) + "\n")

    tvd = north = east = 0.0
    previous = None
    lines = []
    for i in range(args.stations):
        md = float(i)
        inc = 60.0 * (1.0 - math.exp(-i / 2000.0)) + 5.0 * math.sin(i / 5000.0)
        inc = max(0.0, inc)
        azi = (15.0 + 0.0003 * i + 10.0 * math.sin(i / 7000.0)) % 360.0
        fields = ["%.3f" % md, "%.3f" % inc, "%.3f" % azi]
        if args.extra:
            # A tangent approximation is good enough for filler columns.
            if previous is not None:
                step = md - previous[0]
                r_inc, r_azi = math.radians(inc), math.radians(azi)
                tvd += step * math.cos(r_inc)
                north += step * math.sin(r_inc) * math.cos(r_azi)
                east += step * math.sin(r_inc) * math.sin(r_azi)
            dls = 0.0 if previous is None else abs(inc - previous[1]) * 30.0
            fields += ["%.3f" % tvd, "%.3f" % north, "%.3f" % east, "%.2f" % dls, "ok"]
        previous = (md, inc)
        lines.append(d.join(fields))
        if len(lines) == 10000:
            out.write("\n".join(lines) + "\n")
            lines = []
    if lines:
        out.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
