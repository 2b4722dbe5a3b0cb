#!/usr/bin/env python3
"""Compares the screen pictures taken by graph_under_x.sh (binary PPM files).

graph.ppm  the side view of the example in a 1600 x 1000 window
wheel.ppm  after one wheel step over the middle of the view
home.ppm   after Pos1

The wheel must change the picture over most of the window (the curve, the axes' numbers
and grid move), which a page of fixed size in a corner cannot; Pos1 must bring back the
first picture pixel for pixel. The status bar's last rows are left out: it may name the
position under the pointer.
"""

import sys


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or int(fields[3]) != 255:
        raise SystemExit(f"{path}: not a binary 8-bit PPM")
    width, height = int(fields[1]), int(fields[2])
    pixels = data[pos + 1:pos + 1 + width * height * 3]
    return width, height, [pixels[y * width * 3:(y + 1) * width * 3] for y in range(height)]


def changed_box(a, b, bottom):
    """The box (x0, y0, x1, y1) around the pixels that differ above row `bottom`, and
    their count; None when none does."""
    rows = [y for y in range(bottom) if a[2][y] != b[2][y]]
    if not rows:
        return None
    left, right, count = a[0], -1, 0
    for y in rows:
        ra, rb = a[2][y], b[2][y]
        differing = [x for x in range(a[0]) if ra[3 * x:3 * x + 3] != rb[3 * x:3 * x + 3]]
        count += len(differing)
        left, right = min(left, differing[0]), max(right, differing[-1])
    return left, rows[0], right, rows[-1], count


def main():
    folder = sys.argv[1]
    graph, wheel, home = (read_ppm(f"{folder}/{name}.ppm") for name in ("graph", "wheel", "home"))
    width, height = graph[0], graph[1]
    bottom = height - 40
    failures = []

    box = changed_box(graph, wheel, bottom)
    if box is None:
        failures.append("the wheel changed nothing on the screen")
    else:
        x0, y0, x1, y1, count = box
        print(f"wheel changed {count} pixels within x {x0}..{x1}, y {y0}..{y1}")
        if x1 - x0 < 0.5 * width or y1 - y0 < 0.45 * height:
            failures.append(f"the view changed over {x1 - x0} x {y1 - y0} pixels only: "
                            "the side view does not fill the window")
    back = changed_box(graph, home, bottom)
    if back is not None:
        failures.append(f"Pos1 did not restore the first picture: {back[4]} pixels differ "
                        f"within x {back[0]}..{back[2]}, y {back[1]}..{back[3]}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
