#!/usr/bin/env python3
"""Test data of the error models from the ISCWSA's example workbooks.

Reads an ISCWSA MWD error-model example workbook (test well #1, .xlsx) with the standard
library alone and writes what the uncertainty tests compare against, as small CSV files:

    PREFIX-inputs.csv      the model and its inputs (name,value)
    PREFIX-stations.csv    md,inclination,azimuth,tvd of every station
    PREFIX-totals.csv      md and the total covariance (NEV, then HLA) at every station
    PREFIX-sources.csv     source,md and the covariance (NEV) of every source at every station
    PREFIX-validation.csv  md,source, the ISCWSA's diagnostic values (NEV), the workbook's own

The values are the workbook's cached results, written with 10 significant digits; values
below 1e-13 in size (rounding noise of zeros) are written as 0. Depths in metres,
angles in degrees, covariances in square metres.

    python3 tools/iscwsa-fixtures.py WORKBOOK.xlsx OUTDIR PREFIX

Regenerate after a new revision of a workbook and read the diff before committing it.
"""

import csv
import os
import re
import sys
import zipfile
import xml.etree.ElementTree as ET

NS = {
    "m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
    "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships",
}
NEV = ["NN", "EE", "VV", "NE", "NV", "EV"]
HLA = ["HH", "LL", "AA", "HL", "HA", "LA"]
# Sheets that are not one error source each.
NOT_SOURCES = {"Readme", "Model", "Wellpath", "Validation", "TOTALS", "drdp"}


class Workbook:
    def __init__(self, path):
        self.zip = zipfile.ZipFile(path)
        book = ET.fromstring(self.zip.read("xl/workbook.xml"))
        rels = ET.fromstring(self.zip.read("xl/_rels/workbook.xml.rels"))
        targets = {r.get("Id"): r.get("Target") for r in rels}
        self.shared = []
        if "xl/sharedStrings.xml" in self.zip.namelist():
            for si in ET.fromstring(self.zip.read("xl/sharedStrings.xml")).findall("m:si", NS):
                self.shared.append("".join(t.text or "" for t in si.iter("{%s}t" % NS["m"])))
        self.sheets = []  # (name, part) of the worksheets, in the workbook's order
        for s in book.find("m:sheets", NS):
            target = targets[s.get("{%s}id" % NS["r"])]
            part = target[1:] if target.startswith("/") else "xl/" + target
            if "/worksheets/" in part:
                self.sheets.append((s.get("name"), part))

    def cells(self, name):
        """The cached values of a sheet: {(row, column): text}, both counted from 1."""
        part = dict(self.sheets)[name]
        out = {}
        for c in ET.fromstring(self.zip.read(part)).iter("{%s}c" % NS["m"]):
            v = c.find("m:v", NS)
            if v is None:
                if c.get("t") == "inlineStr":
                    text = "".join(x.text or "" for x in c.iter("{%s}t" % NS["m"]))
                else:
                    continue
            else:
                text = self.shared[int(v.text)] if c.get("t") == "s" else v.text
            letters, row = re.match(r"([A-Z]+)(\d+)", c.get("r")).groups()
            col = 0
            for ch in letters:
                col = col * 26 + ord(ch) - 64
            out[(int(row), col)] = text
        return out


def number(text):
    x = float(text)
    if abs(x) < 1e-13:
        return "0"
    s = "%.10g" % x
    return s


def station_rows(wellpath):
    """Rows of the stations in the Wellpath sheet (MD in column E from row 3)."""
    rows = []
    r = 3
    while (r, 5) in wellpath:
        rows.append(r)
        r += 1
    return rows


def labelled_columns(cells, row, start, labels):
    """Columns of `labels` in `row`, searched from column `start` on."""
    found = {}
    for (r, c), text in cells.items():
        if r == row and c >= start and text in labels and text not in found:
            found[text] = c
    missing = [l for l in labels if l not in found]
    if missing:
        raise SystemExit("Spalten %s nicht gefunden" % missing)
    return [found[l] for l in labels]


def main():
    if len(sys.argv) != 4:
        raise SystemExit(__doc__)
    book = Workbook(sys.argv[1])
    outdir, prefix = sys.argv[2], sys.argv[3]
    os.makedirs(outdir, exist_ok=True)

    def writer(kind):
        f = open(os.path.join(outdir, "%s-%s.csv" % (prefix, kind)), "w", newline="")
        return f, csv.writer(f, lineterminator="\n")

    wellpath = book.cells("Wellpath")
    model = book.cells("Model")
    rows = station_rows(wellpath)

    f, w = writer("inputs")
    w.writerow(["name", "value"])
    w.writerow(["model", model[(1, 2)]])
    for label, name in [
        ("Latitude (deg)", "latitude"),
        ("G (m/s2)", "gravity"),
        ("Btotal (nT)", "total_field"),
        ("Dip (deg)", "dip"),
        ("Declination (deg)", "declination"),
        ("Convergence (deg)", "convergence"),
        ("Azimuth Ref", "north"),
        ("Depth Units", "depth_unit"),
        ("Vertical Inc Limit (deg)", "vertical_limit"),
    ]:
        row = next(r for (r, c), t in wellpath.items() if c == 1 and t == label)
        w.writerow([name, wellpath[(row, 2)]])
    f.close()

    f, w = writer("stations")
    w.writerow(["md", "inclination", "azimuth", "tvd"])
    for r in rows:
        w.writerow([number(wellpath[(r, c)]) for c in (5, 6, 7, 8)])
    f.close()

    totals = book.cells("TOTALS")
    cols = labelled_columns(totals, 2, 2, NEV + HLA)
    f, w = writer("totals")
    w.writerow(["md"] + NEV + HLA)
    for r in rows:
        w.writerow([number(totals[(r, 1)])] + [number(totals.get((r, c), "0")) for c in cols])
    f.close()

    f, w = writer("sources")
    w.writerow(["source", "md"] + NEV)
    for name, _ in book.sheets:
        if name in NOT_SOURCES:
            continue
        cells = book.cells(name)
        start = next(c for (r, c), t in cells.items() if r == 1 and t == "Covariance")
        cols = labelled_columns(cells, 2, start, NEV)
        for r in rows:
            w.writerow([name, number(cells[(r, 1)])] + [number(cells.get((r, c), "0")) for c in cols])
    f.close()

    # Diagnostic values in columns C..H, the workbook's in I..N.
    validation = book.cells("Validation")
    f, w = writer("validation")
    w.writerow(["md", "source"] + ["diag_" + x for x in NEV] + ["calc_" + x for x in NEV])
    for r in sorted({r for (r, c) in validation if r >= 3}):
        if (r, 1) not in validation or (r, 2) not in validation:
            continue
        w.writerow([number(validation[(r, 1)]), validation[(r, 2)]]
                   + [number(validation.get((r, c), "0")) for c in range(3, 15)])
    f.close()


if __name__ == "__main__":
    main()
