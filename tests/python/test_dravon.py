# The Python module against the batch tool, the ISCWSA workbook of test well #1, and the
# geometry of straight holes and circular arcs.
import csv
import math
import os
import threading
import warnings

import numpy as np
import pytest

import dravon
from conftest import read_csv_table

# The export's headings (German in every language: a file format) and the keys of course().
HEADINGS = {
    "Teufe": "md",
    "Neigung": "inclination",
    "Azimut": "azimuth",
    "Seigerteufe": "tvd",
    "Nord": "north",
    "Ost": "east",
    "Gesamtabweichung": "displacement",
    "Azimut der Abweichung": "displacement_azimuth",
    "Abknickung": "dls",
    "Krümmungsradius": "radius",
    "Teufenverlust": "depth_loss",
}


def key_of(heading):
    name = heading.split(" (")[0]
    if name.startswith("Vertikalschnitt") or name.startswith("Vertikal"):
        return "vertical_section"
    return HEADINGS.get(name)


def same(value, cell):
    """Whether the CSV cell is `value` to its last digit: the export writes the shortest
    digits that read back as the same double."""
    return float(cell) == value


# ---- the course against the batch tool ----


def test_course_of_the_example_equals_the_batch_export(examples, run_cli, tmp_path):
    source = os.path.join(examples, "deviated-well.txt")
    status, _, err = run_cli(source, "--export", "stations.csv")
    assert status == 0, err
    _, heading, rows = read_csv_table(tmp_path / "stations.csv")
    survey = dravon.read(source)
    result = dravon.course(survey)
    assert len(result["md"]) == len(rows) == 96  # the surface station and 95 measured
    compared = set()
    for column, title in enumerate(heading):
        key = key_of(title)
        if key is None:
            continue
        compared.add(key)
        for k, row in enumerate(rows):
            cell = row[column]
            value = result[key][k]
            if cell == "":
                assert math.isnan(value), (title, k)
            else:
                assert same(value, cell), (title, k, value, cell)
    assert {"md", "tvd", "north", "east", "dls", "vertical_section", "radius"} <= compared


def test_course_from_arrays_equals_course_of_the_survey(examples):
    survey = dravon.read(os.path.join(examples, "deviated-well.txt"))
    a = dravon.course(survey)
    b = dravon.course(survey.md, survey.inclination, survey.azimuth)
    for key in ("md", "tvd", "north", "east", "dls"):
        np.testing.assert_array_equal(a[key], b[key])


def test_listing_requests_equal_the_batch_listing(examples, run_cli, tmp_path):
    source = os.path.join(examples, "deviated-well.txt")
    status, _, err = run_cli(
        source, "--at-md", "1234.5", "--at-tvd", "2000", "--listing", "rows.csv"
    )
    assert status == 0, err
    _, heading, rows = read_csv_table(tmp_path / "rows.csv")
    survey = dravon.read(source)
    at_md = dravon.positions_at_md(survey, [1234.5])
    at_tvd = dravon.positions_at_tvd(survey, [2000.0])
    assert len(rows) == 2
    md_col = heading.index(next(h for h in heading if h.startswith("Teufe")))
    tvd_col = heading.index(next(h for h in heading if h.startswith("Seigerteufe")))
    north_col = heading.index(next(h for h in heading if h.startswith("Nord")))
    for result, row in ((at_md, rows[0]), (at_tvd, rows[1])):
        assert same(result["md"][0], row[md_col])
        assert same(result["tvd"][0], row[tvd_col])
        assert same(result["north"][0], row[north_col])


def test_positions_of_arrays_equal_those_of_the_survey(examples):
    survey = dravon.read(os.path.join(examples, "deviated-well.txt"))
    arrays = (survey.md, survey.inclination, survey.azimuth)
    depths = [100.0, 777.7, 2849.0]
    a = dravon.positions_at_md(survey, depths)
    b = dravon.positions_at_md(arrays, depths)
    np.testing.assert_array_equal(a["md"], depths)
    for key in ("tvd", "north", "east", "inclination", "azimuth"):
        np.testing.assert_array_equal(a[key], b[key])
    with pytest.raises(TypeError):
        dravon.positions_at_md(survey.md, depths)


def test_every_step_includes_first_and_last_station(examples):
    survey = dravon.read(os.path.join(examples, "deviated-well.txt"))
    rows = dravon.positions_every(survey, 100.0)
    md = rows["md"]
    assert md[0] == 0.0 and md[-1] == pytest.approx(2850.0)
    assert np.allclose(np.diff(md)[:-1], 100.0)


# ---- the error model against the ISCWSA workbook ----


def _csv_rows(path):
    with open(path, newline="") as f:
        return list(csv.DictReader(f))


@pytest.fixture(scope="module")
def workbook(test_data):
    folder = os.path.join(test_data, "iscwsa")
    inputs = {r["name"]: r["value"] for r in _csv_rows(os.path.join(folder, "mwd-rev5-inputs.csv"))}
    stations = _csv_rows(os.path.join(folder, "mwd-rev5-stations.csv"))
    totals = _csv_rows(os.path.join(folder, "mwd-rev5-totals.csv"))
    assert inputs["north"] == "TRUE" and inputs["depth_unit"] == "m"
    md = np.array([float(r["md"]) for r in stations])
    inc = np.array([float(r["inclination"]) for r in stations])
    azi = np.array([float(r["azimuth"]) for r in stations])
    options = dict(
        error_model="iscwsa-mwd-rev5",
        latitude=float(inputs["latitude"]),
        gravity=float(inputs["gravity"]),
        mag_field=float(inputs["total_field"]),
        mag_dip=float(inputs["dip"]),
        declination=float(inputs["declination"]),
        grid_convergence=float(inputs["convergence"]),
        north="true",
    )
    return md, inc, azi, totals, options


def _matrix(row, names):
    xx, yy, zz, xy, xz, yz = (float(row[n]) for n in names)
    return np.array([[xx, xy, xz], [xy, yy, yz], [xz, yz, zz]])


@pytest.mark.parametrize(
    "hla, names",
    [
        (False, ("NN", "EE", "VV", "NE", "NV", "EV")),
        (True, ("HH", "LL", "AA", "HL", "HA", "LA")),
    ],
)
def test_rev5_covariances_match_the_workbook(workbook, hla, names):
    md, inc, azi, totals, options = workbook
    c = dravon.covariances(md, inc, azi, hla=hla, **options)
    assert c.shape == (len(totals), 3, 3) and c.dtype == np.float64
    for k, row in enumerate(totals):
        want = _matrix(row, names)
        largest = max(np.max(np.diag(want)), 1e-12)
        assert np.max(np.abs(c[k] - want)) <= 1e-6 * largest, (row["md"], c[k], want)


def test_covariances_are_symmetric_and_the_frame_keeps_the_trace(workbook):
    md, inc, azi, _, options = workbook
    nev = dravon.covariances(md, inc, azi, **options)
    hla = dravon.covariances(md, inc, azi, hla=True, **options)
    np.testing.assert_array_equal(nev, np.transpose(nev, (0, 2, 1)))
    assert np.all(np.linalg.eigvalsh(nev) > -1e-9)
    np.testing.assert_allclose(
        np.trace(nev, axis1=1, axis2=2), np.trace(hla, axis1=1, axis2=2), rtol=1e-12, atol=1e-12
    )


def test_covariances_without_a_model_raise():
    with pytest.raises(dravon.Error):
        dravon.covariances([0, 100, 200], [0, 5, 10], [0, 30, 30])


def test_a_refused_option_value_raises_the_parsers_message():
    with pytest.raises(dravon.Error, match="--mag-field"):
        dravon.covariances([0, 100], [0, 5], [0, 30], error_model="iscwsa-mwd-rev5", mag_field=5)


def test_an_output_option_is_no_keyword():
    with pytest.raises(TypeError, match="export"):
        dravon.course([0, 100], [0, 5], [0, 30], export="x.csv")


# ---- faults ----


def test_a_bad_measurement_file_names_file_line_and_reason(tmp_path):
    bad = tmp_path / "bad-well.txt"
    bad.write_text("Bohrung X\n  30.0 0.5 120\n  60.0 0.6 xyz\n  90.0 0.7 121\n")
    with pytest.raises(dravon.Error) as caught:
        dravon.read(str(bad))
    message = str(caught.value)
    assert str(bad) in message
    assert caught.value.line == 3
    assert "3" in message and "xyz" in message


def test_a_bad_table_cell_names_file_row_column_and_text(tmp_path):
    bad = tmp_path / "bad-table.csv"
    bad.write_text("MD,Inc,Azi\n0,0,0\n30,1,nord\n")
    with pytest.raises(dravon.Error) as caught:
        dravon.read(str(bad))
    message = str(caught.value)
    assert str(bad) in message and "3" in message and "nord" in message
    assert caught.value.line == 3 and caught.value.text == "nord"


def test_a_station_the_check_refuses_raises_with_its_line():
    with pytest.raises(dravon.Error) as caught:
        dravon.course([0, 100, 100], [0, 5, 6], [0, 30, 30])
    assert "100" in str(caught.value)


def test_a_missing_file_raises_naming_it(tmp_path):
    missing = str(tmp_path / "nowhere.csv")
    with pytest.raises(dravon.Error, match="nowhere.csv"):
        dravon.read(missing)


def test_messages_follow_the_chosen_language(tmp_path):
    missing = str(tmp_path / "nowhere.txt")
    texts = {}
    before = dravon.language()
    try:
        for language in ("de", "en"):
            dravon.set_language(language)
            with pytest.raises(dravon.Error) as caught:
                dravon.read(missing)
            texts[language] = str(caught.value)
    finally:
        dravon.set_language(before)
    assert texts["de"] != texts["en"]
    assert all(missing in t for t in texts.values())


def test_arrays_of_different_lengths_are_a_value_error():
    with pytest.raises(ValueError):
        dravon.course([0, 100, 200], [0, 5], [0, 30, 30])


# ---- geometry ----


def test_straight_hole_positions_are_its_direction_times_depth():
    rng = np.random.default_rng(7)
    for _ in range(20):
        inc = rng.uniform(0, 80)
        azi = rng.uniform(0, 359)
        md = np.cumsum(rng.uniform(1, 100, 30))
        # From a tie-in at the surface in the hole's direction: the surface station
        # itself stands vertical.
        r = dravon.course(md, np.full(md.size, inc), np.full(md.size, azi),
                          tie_in=(0, 0, 0, 0, inc, azi))
        md = np.concatenate(([0.0], md))
        i, a = math.radians(inc), math.radians(azi)
        np.testing.assert_allclose(r["tvd"], md * math.cos(i), atol=1e-8)
        np.testing.assert_allclose(r["north"], md * math.sin(i) * math.cos(a), atol=1e-8)
        np.testing.assert_allclose(r["east"], md * math.sin(i) * math.sin(a), atol=1e-8)


def test_a_constant_build_lies_on_its_circle():
    # A build of b degrees per 30 m from the vertical at azimuth 45: every station at
    # depth s on the circle of radius R = 30 / b (rad), whatever the spacing.
    rng = np.random.default_rng(11)
    rate = 3.0
    radius = 30.0 / math.radians(rate)
    md = np.concatenate(([0.0], np.sort(rng.uniform(1, 800, 40))))
    theta = np.radians(md / 30.0 * rate)
    r = dravon.course(md, np.degrees(theta), np.full(md.size, 45.0))
    horizontal = radius * (1 - np.cos(theta))
    np.testing.assert_allclose(r["tvd"], radius * np.sin(theta), atol=1e-6)
    np.testing.assert_allclose(np.hypot(r["north"], r["east"]), horizontal, atol=1e-6)
    np.testing.assert_allclose(r["dls"][1:], rate, rtol=1e-9)


def test_points_at_a_tvd_have_that_tvd(examples):
    survey = dravon.read(os.path.join(examples, "deviated-well.txt"))
    rows = dravon.positions_at_tvd(survey, [500.0, 1500.0, 2200.0])
    np.testing.assert_allclose(rows["tvd"], [500.0, 1500.0, 2200.0], atol=1e-6)


def test_any_float_arrays_are_taken():
    md = np.array([0, 100, 200, 300], dtype=np.float32)
    inc = np.arange(8, dtype=np.float64)[::2]  # not contiguous
    azi = [10, 10, 10, 10]
    r = dravon.course(md, inc, azi)
    assert r["md"].dtype == np.float64 and r["md"].shape == (4,)


def test_numpy_values_are_taken_as_options():
    md, inc, azi = [0, 500, 1000], [0, 10, 20], [30, 30, 30]
    plain = dravon.covariances(md, inc, azi, error_model="iscwsa-mwd-rev5", mag_field=50000,
                               mag_dip=72.5, declination=1, north="true", latitude=51)
    numpy = dravon.covariances(md, inc, azi, error_model="iscwsa-mwd-rev5",
                               mag_field=np.int64(50000), mag_dip=np.float64(72.5),
                               declination=np.float32(1), north="true", latitude=51)
    np.testing.assert_array_equal(plain, numpy)
    tie_in = (1200, 1150.5, -4.65, 0.92, 12.5, 140)
    a = dravon.course([1300.0], [12.5], [140.0], tie_in=tie_in)
    b = dravon.course([1300.0], [12.5], [140.0], tie_in=np.array(tie_in))
    np.testing.assert_array_equal(a["tvd"], b["tvd"])


def test_tie_in_starts_the_course_there():
    r = dravon.course([1300.0, 1400.0], [12.5, 12.5], [140.0, 140.0],
                      tie_in=(1200, 1150.5, -4.65, 0.92, 12.5, 140))
    assert r["md"][0] == 1200 and r["tvd"][0] == pytest.approx(1150.5)
    assert r["tvd"][-1] == pytest.approx(1150.5 + 200 * math.cos(math.radians(12.5)))


def test_computations_run_in_threads_alike():
    rng = np.random.default_rng(3)
    md = np.arange(0, 20000, 10.0)
    inc = np.clip(np.cumsum(rng.uniform(-0.2, 0.4, md.size)), 0, 90)
    azi = np.full(md.size, 33.0)
    want = dravon.course(md, inc, azi)["north"]
    got = [None] * 4

    def work(k):
        got[k] = dravon.course(md, inc, azi)["north"]

    threads = [threading.Thread(target=work, args=(k,)) for k in range(4)]
    for t in threads:
        t.start()
    for t in threads:
        t.join()
    for g in got:
        np.testing.assert_array_equal(g, want)


# ---- reading and writing ----


def test_workbooks_read_the_stations_of_the_example(examples, test_data):
    example = dravon.read(os.path.join(examples, "deviated-well.txt"))
    assert example.name == "Bohrung Nordfeld 7 - Ablenkbohrung"
    for name in ("deviated-well-azimut-md-inc.xlsx", "deviated-well-azimut-md-inc.xls"):
        s = dravon.read(os.path.join(test_data, "exchange", name))
        np.testing.assert_allclose(s.md, example.md, atol=1e-9)
        np.testing.assert_allclose(s.inclination, example.inclination, atol=1e-9)
        np.testing.assert_allclose(s.azimuth, example.azimuth, atol=1e-9)


def test_las_arc_is_a_circle(test_data):
    s = dravon.read(os.path.join(test_data, "exchange", "build-metres.las"))
    assert s.name == "Aufbau 3-30" and len(s) == 21
    r = dravon.course(s)
    radius = 30.0 / math.radians(3.0)
    theta = np.radians(r["inclination"])
    np.testing.assert_allclose(r["tvd"], radius * np.sin(theta), atol=1e-6)


def test_document_brings_its_settings(examples):
    s = dravon.read(os.path.join(examples, "example.dvn"))
    assert len(s) > 0 and isinstance(s.settings, dict)
    again = dravon.Survey(s.md, s.inclination, s.azimuth, name=s.name, settings=s.settings)
    assert again.settings == s.settings
    np.testing.assert_array_equal(dravon.course(again)["tvd"], dravon.course(s)["tvd"])


def test_written_csv_equals_the_batch_export(examples, run_cli, tmp_path):
    source = os.path.join(examples, "survey.weg")
    status, _, err = run_cli(source, "--format", "weg", "--export", "cli.csv")
    assert status == 0, err
    survey = dravon.read(source, format="weg")
    dravon.write(str(tmp_path / "py.csv"), survey)
    _, cli_heading, cli_rows = read_csv_table(tmp_path / "cli.csv")
    _, py_heading, py_rows = read_csv_table(tmp_path / "py.csv")
    assert py_heading == cli_heading and py_rows == cli_rows


def test_german_csv_equals_the_batch_export(examples, run_cli, tmp_path):
    source = os.path.join(examples, "deviated-well.txt")
    status, _, err = run_cli(source, "--export", "cli.csv", "--export-style", "de")
    assert status == 0, err
    dravon.write(str(tmp_path / "py.csv"), dravon.read(source), export_style="de")
    assert (tmp_path / "py.csv").read_bytes() == (tmp_path / "cli.csv").read_bytes()
    with pytest.raises(dravon.Error, match="--export-style"):
        dravon.write(str(tmp_path / "py.xlsx"), dravon.read(source), export_style="de")


@pytest.mark.parametrize("extension", [".xlsx", ".xml"])
def test_written_files_read_back(examples, tmp_path, extension):
    survey = dravon.read(os.path.join(examples, "export.atk"), format="atk")
    path = str(tmp_path / ("back" + extension))
    dravon.write(path, survey)
    back = dravon.read(path)
    # The export's stations: the surface station first, then the survey's.
    written = dravon.course(survey)
    np.testing.assert_allclose(back.md, written["md"], atol=1e-6)
    np.testing.assert_allclose(back.inclination, written["inclination"], atol=1e-6)
    np.testing.assert_allclose(back.azimuth, written["azimuth"], atol=1e-6)
    np.testing.assert_allclose(back.md[1:], survey.md, atol=1e-6)


def test_geojson_needs_a_placed_well(examples, tmp_path):
    survey = dravon.read(os.path.join(examples, "deviated-well.txt"))
    with pytest.raises(dravon.Error):
        dravon.write(str(tmp_path / "map.geojson"), survey)


# ---- clearance ----


def test_two_vertical_wells_are_their_slots_apart():
    md = np.arange(0, 1001, 50.0)
    zero = np.zeros(md.size)
    reference = dravon.Survey(md, zero, zero, name="A")
    offset = dravon.Survey(md, zero, zero, name="B")
    scans = dravon.clearance(reference, [(offset, {"position": (30.0, 40.0)})])
    assert len(scans) == 1 and scans[0]["name"] == "B"
    np.testing.assert_allclose(scans[0]["distance"], 50.0, atol=1e-9)
    np.testing.assert_allclose(scans[0]["bearing"], math.degrees(math.atan2(40, 30)), atol=1e-9)
    assert np.all(np.isnan(scans[0]["separation_factor"]))


def test_with_a_model_the_factor_falls_with_depth():
    md = np.arange(0, 2001, 100.0)
    zero = np.zeros(md.size)
    reference = dravon.Survey(md, zero, zero, name="A")
    offset = dravon.Survey(md, zero, zero, name="B")
    with warnings.catch_warnings():
        warnings.simplefilter("error")
        scans = dravon.clearance(
            reference, [(offset, {"position": (20.0, 0.0)})],
            error_model="iscwsa-mwd-rev5", mag_field=50000, mag_dip=72, declination=0,
            north="true", latitude=50)
    sf = scans[0]["separation_factor"][1:]
    assert np.all(np.isfinite(sf)) and np.all(np.diff(sf) < 0)


def test_an_offset_without_a_place_raises():
    md = np.array([0, 100.0])
    zero = np.zeros(2)
    with pytest.raises(dravon.Error, match="--offset-position"):
        dravon.clearance(dravon.Survey(md, zero, zero, name="A"),
                         [dravon.Survey(md, zero, zero, name="B")])


CLEARANCE_HEADINGS = {
    "Teufe": "reference_md",
    "Nachbar-Teufe": "offset_md",
    "Nachbar-Seigerteufe": "offset_tvd",
    "Nachbar-Nord": "offset_north",
    "Nachbar-Ost": "offset_east",
    "Richtung": "bearing",
    "Abstand": "distance",
    "PCR Bezug": "reference_pcr",
    "PCR Nachbar": "offset_pcr",
    "Trennfaktor": "separation_factor",
}


def test_clearance_equals_the_batch_scan(test_data, run_cli, tmp_path):
    folder = os.path.join(test_data, "clearance")
    reference, offset = (os.path.join(folder, f) for f in ("reference-well.csv", "offset-03.csv"))
    model = ["--error-model", "iscwsa-mwd-rev4", "--mag-field", "50000", "--mag-dip", "70",
             "--north", "grid", "--grid-convergence", "0", "--declination", "0",
             "--hole", "0.9144"]
    status, _, err = run_cli(reference, *model, "--offset", offset, "--offset-position", "0,10",
                             "--offset-hole", "0.6096", "--clearance", "scan.csv")
    assert status == 3, err  # a factor below 1
    _, heading, rows = read_csv_table(tmp_path / "scan.csv")
    scans = dravon.clearance(
        dravon.read(reference), [(dravon.read(offset), {"position": (0, 10), "hole": 0.6096})],
        error_model="iscwsa-mwd-rev4", mag_field=50000, mag_dip=70, north="grid",
        grid_convergence=0, declination=0, hole=0.9144)
    assert len(scans) == 1 and scans[0]["name"] == "offset-03"
    scan = scans[0]
    assert len(scan["reference_md"]) == len(rows)
    compared = 0
    for column, title in enumerate(heading):
        key = CLEARANCE_HEADINGS.get(title.split(" (")[0])
        if key is None:
            continue
        compared += 1
        for k, row in enumerate(rows):
            assert same(scan[key][k], row[column]), (title, k, scan[key][k], row[column])
    assert compared == len(CLEARANCE_HEADINGS)
    assert scan["lowest_separation_factor"] < 1


def test_settings_read_with_a_survey_are_kept(examples):
    options = dict(error_model="iscwsa-mwd-rev5", mag_field=49000, mag_dip=65, declination=2,
                   north="true", latitude=52)
    path = os.path.join(examples, "deviated-well.txt")
    survey = dravon.read(path, **options)
    assert survey.settings != dravon.read(path).settings
    np.testing.assert_array_equal(
        dravon.covariances(survey),
        dravon.covariances(survey.md, survey.inclination, survey.azimuth, **options))
    again = dravon.Survey(survey.md, survey.inclination, survey.azimuth, settings=survey.settings)
    np.testing.assert_array_equal(dravon.covariances(again), dravon.covariances(survey))


def test_a_model_that_lacks_an_input_scans_distances_with_a_warning():
    md = np.arange(0, 1001, 100.0)
    zero = np.zeros(md.size)
    reference = dravon.Survey(md, zero, zero, name="A")
    offset = dravon.Survey(md, zero, zero, name="B")
    with pytest.warns(dravon.Warning, match="--mag-field|Totalintensität"):
        scans = dravon.clearance(reference, [(offset, {"position": (20.0, 0.0)})],
                                 error_model="iscwsa-mwd-rev5", north="true", declination=0)
    np.testing.assert_allclose(scans[0]["distance"], 20.0, atol=1e-9)
    assert np.all(np.isnan(scans[0]["separation_factor"]))


def test_a_scan_without_offsets_raises():
    md = np.array([0, 100.0])
    zero = np.zeros(2)
    with pytest.raises(dravon.Error, match="--offset"):
        dravon.clearance(dravon.Survey(md, zero, zero, name="A"), [])


# ---- the package ----


def test_the_stubs_name_everything_the_package_exports():
    stub = os.path.join(os.path.dirname(dravon.__file__), "__init__.pyi")
    with open(stub, encoding="utf-8") as f:
        text = f.read()
    for name in dravon.__all__:
        assert f"def {name}(" in text or f"class {name}" in text, name
        assert getattr(dravon, name).__doc__, name


def test_no_picture_library_is_loaded():
    with open("/proc/self/maps", encoding="utf-8") as f:
        loaded = f.read()
    assert "libQt6Core" in loaded
    assert "libQt6Gui" not in loaded and "libQt6Widgets" not in loaded
