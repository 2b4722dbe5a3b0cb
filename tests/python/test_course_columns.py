# course() of every station is written straight into its arrays; these tests hold it to
# the rows the analysis makes for the listings (positions_at_md at the stations' own
# depths) and to the batch tool's export, on random surveys and with the settings that
# turn, place and tie in the well.
import math

import numpy as np
import pytest

import dravon
from conftest import read_csv_table
from test_dravon import key_of, same

SETTINGS = [
    {},
    {"section_azimuth": 123.4},
    {"tie_in": (1200.0, 1150.5, -4.65, 0.92, 12.5, 140.0)},
    {"north": "true", "declination": -3.75},
    {"wellhead": (500000.0, 5700000.0), "north": "grid", "grid_convergence": 1.25,
     "declination": 2.5, "elevation": 250.0},
    {"wellhead": (32000.5, 6100000.25), "north": "grid", "grid_convergence": -0.8,
     "declination": 0, "section_azimuth": 359.5,
     "tie_in": (800.0, 790.0, 12.0, -30.0, 4.0, 355.0)},
]


def random_survey(rng, n, start=0.0):
    """n stations below `start` with vertical stretches whose azimuth still changes,
    straight pieces (the same direction twice), azimuths across north and turned by
    180 degrees, and otherwise small random changes; depths rise by at least 0.5 m."""
    md = start + np.cumsum(rng.uniform(0.5, 60.0, n))
    inc = np.empty(n)
    azi = np.empty(n)
    i, a = rng.uniform(0, 10), rng.uniform(0, 360)
    for k in range(n):
        kind = rng.integers(0, 6)
        if kind == 0:  # vertical, whatever the azimuth says
            i, a = 0.0, rng.uniform(0, 360)
        elif kind == 1:  # straight on: the direction of the station before
            pass
        elif kind == 2:  # across north
            a = rng.choice([rng.uniform(359, 360), rng.uniform(0, 1)])
            i = min(max(i + rng.uniform(-3, 3), 0.0), 180.0)
        elif kind == 3 and i == 0.0:  # turned round while vertical
            a = (a + 180.0) % 360.0
        else:
            i = min(max(i + rng.uniform(-6, 8), 0.0), 180.0)
            a = (a + rng.uniform(-15, 15)) % 360.0
        inc[k], azi[k] = i, a
    return md, inc, azi


def assert_same_columns(lean, full):
    assert set(lean) == set(full)
    assert lean["section_azimuth"] == full["section_azimuth"]
    for key, value in lean.items():
        if key != "section_azimuth":
            np.testing.assert_array_equal(value, full[key], err_msg=key)


@pytest.mark.parametrize("settings", SETTINGS)
def test_course_equals_the_rows_at_its_stations(settings):
    rng = np.random.default_rng(7)
    for _ in range(25):
        start = settings["tie_in"][0] if "tie_in" in settings else rng.choice([0.0, 35.0])
        md, inc, azi = random_survey(rng, int(rng.integers(1, 120)), start)
        if start == 0.0 and rng.integers(0, 2):
            md = np.concatenate(([0.0], md))  # a first line at the surface
            inc = np.concatenate(([rng.uniform(0, 5)], inc))
            azi = np.concatenate(([rng.uniform(0, 360)], azi))
        lean = dravon.course(md, inc, azi, **settings)
        full = dravon.positions_at_md((md, inc, azi), lean["md"], **settings)
        assert_same_columns(lean, full)
        # Where no change of direction reaches 90 degrees, every station is on the course.
        assert len(lean["md"]) <= len(md) + 1


def test_course_of_a_survey_equals_course_of_its_arrays(examples):
    survey = dravon.read(f"{examples}/deviated-well.txt")
    a = dravon.course(survey, wellhead=(500000, 5700000), north="grid", grid_convergence=1,
                      declination=0)
    b = dravon.course(survey.md, survey.inclination, survey.azimuth, wellhead=(500000, 5700000),
                      north="grid", grid_convergence=1, declination=0)
    assert_same_columns(a, b)
    assert "easting" in a


def write_survey(path, md, inc, azi):
    """A table the batch tool imports with every digit of the stations."""
    with open(path, "w") as f:
        f.write("MD,INC,AZI\n")
        for row in zip(md, inc, azi):
            f.write(",".join(repr(float(v)) for v in row) + "\n")


def options_words(settings):
    words = []
    for key, value in settings.items():
        words.append("--" + key.replace("_", "-"))
        words.append(",".join(repr(v) for v in value) if isinstance(value, tuple) else str(value))
    return words


@pytest.mark.parametrize("settings", SETTINGS[2:])
def test_course_equals_the_batch_export_of_a_random_survey(settings, run_cli, tmp_path):
    rng = np.random.default_rng(11)
    start = settings["tie_in"][0] if "tie_in" in settings else 0.0
    md, inc, azi = random_survey(rng, 300, start)
    write_survey(tmp_path / "random.csv", md, inc, azi)
    status, _, err = run_cli("random.csv", "--export", "stations.csv", *options_words(settings))
    assert status == 0, err
    _, heading, rows = read_csv_table(tmp_path / "stations.csv")
    result = dravon.course(md, inc, azi, **settings)
    assert len(result["md"]) == len(rows)
    compared = set()
    for column, title in enumerate(heading):
        key = key_of(title) or {"Rechtswert": "easting", "Hochwert": "northing"}.get(
            title.split(" (")[0])
        if key is None or key not in result:
            continue
        compared.add(key)
        for k, row in enumerate(rows):
            if row[column] == "":
                assert math.isnan(result[key][k]), (title, k)
            else:
                assert same(result[key][k], row[column]), (title, k, result[key][k], row[column])
    assert {"md", "tvd", "north", "east", "vertical_section", "radius"} <= compared
    if "wellhead" in settings:
        assert {"easting", "northing"} <= compared


def cosine_of_dogleg(i1, a1, i2, a2):
    i1, a1, i2, a2 = (math.radians(v) for v in (i1, a1, i2, a2))
    return math.cos(i1) * math.cos(i2) + math.sin(i1) * math.sin(i2) * math.cos(a2 - a1)


def test_a_right_angle_the_rounded_stations_reach_ends_the_course(run_cli, tmp_path):
    # Two horizontal stations whose azimuths lie a hair below 90 degrees apart as given
    # and a hair above it once rounded to single precision, as the results table reads them.
    a1, a2 = 10.000004, 100.0000039
    r1, r2 = (float(np.float32(v)) for v in (a1, a2))
    assert cosine_of_dogleg(90, a1, 90, a2) > 0 > cosine_of_dogleg(90, r1, 90, r2)
    md, inc, azi = [100.0, 200.0, 300.0], [90.0, 90.0, 90.0], [a1, a2, a2]
    lean = dravon.course(md, inc, azi)
    # The surface station and the first line: the interval to the second is no arc.
    np.testing.assert_array_equal(lean["md"], [0.0, 100.0])
    full = dravon.positions_at_md((md, inc, azi), lean["md"])
    assert_same_columns(lean, full)
    write_survey(tmp_path / "right.csv", md, inc, azi)
    status, _, err = run_cli("right.csv", "--export", "stations.csv")
    assert status in (0, 1), err  # 1: the run stopped
    assert len(read_csv_table(tmp_path / "stations.csv")[2]) == 2
    # Below the right angle in both readings the course goes on.
    assert len(dravon.course(md, inc, [a1, a1 + 89.99, a1 + 89.99])["md"]) == 4


@pytest.mark.parametrize("md, inc, azi, tie_in", [
    ([100, 200, 300], [5, 181, 7], [30, 30, 30], None),
    ([100, 200, 300], [5, 6, 7], [30, -1, 30], None),
    ([100, 200, 200], [5, 6, 7], [30, 30, 30], None),
    ([-5, 200, 300], [5, 6, 7], [30, 30, 30], None),
    ([100, 200, 300], [5, 6, 7], [30, 30, 30], (150, 140, 1, 2, 5, 30)),
])
def test_a_refused_station_raises_as_the_full_computation(md, inc, azi, tie_in):
    with pytest.raises(dravon.Error) as lean:
        dravon.course(md, inc, azi, tie_in=tie_in)
    with pytest.raises(dravon.Error) as full:
        dravon.positions_at_md((md, inc, azi), [100.0], tie_in=tie_in)
    assert str(lean.value) == str(full.value)
    assert str(lean.value)


def long_survey(rng, n, start=0.0):
    """n stations of small random changes with vertical stations whatever the azimuth
    and pieces that go straight on, made as arrays."""
    md = start + np.cumsum(rng.uniform(0.5, 30.0, n))
    inc = np.clip(np.cumsum(rng.uniform(-2.0, 2.2, n)), 0.0, 80.0)
    azi = np.cumsum(rng.uniform(-10.0, 10.0, n)) % 360.0
    kind = rng.integers(0, 8, n)
    inc[kind == 0] = 0.0
    on = np.flatnonzero(kind == 1)
    on = on[on > 0]
    inc[on], azi[on] = inc[on - 1], azi[on - 1]
    return md, inc, azi


def turn_to_right_angle(inc, azi, k):
    """Stations k-1 and k as the right angle that rounding to single precision makes
    (as in the test above), reached from station k-41 in small steps."""
    a1, a2 = 10.000004, 100.0000039
    i0, z0 = inc[k - 41], azi[k - 41]
    turn = (a1 - z0 + 180.0) % 360.0 - 180.0
    steps = np.arange(1, 41) / 40.0
    inc[k - 40:k] = i0 + (90.0 - i0) * steps
    azi[k - 40:k] = (z0 + turn * steps) % 360.0
    azi[k - 1] = a1
    inc[k], azi[k] = 90.0, a2


@pytest.mark.parametrize("settings", [SETTINGS[0], SETTINGS[5]])
def test_a_long_course_is_the_course_of_one_pass(settings):
    # Long enough for the pass to share the stations between two threads: the rows at
    # the stations, which the analysis makes in one pass, are the same to the last bit.
    rng = np.random.default_rng(23)
    start = settings["tie_in"][0] if "tie_in" in settings else 0.0
    n = 150_000
    md, inc, azi = long_survey(rng, n, start)
    lean = dravon.course(md, inc, azi, **settings)
    assert len(lean["md"]) == n + 1
    assert_same_columns(lean, dravon.positions_at_md((md, inc, azi), lean["md"], **settings))
    for only in (["tvd", "north", "east", "dls"], ["vertical_section"], ["displacement_azimuth"]):
        part = dravon.course(md, inc, azi, only=only, **settings)
        for key in only:
            np.testing.assert_array_equal(part[key], lean[key], err_msg=key)
    # The run ends before a right angle in either half of the stations, where one pass ends.
    for k in (20_000, 120_000):
        bent_inc, bent_azi = inc.copy(), azi.copy()
        turn_to_right_angle(bent_inc, bent_azi, k)
        bent = dravon.course(md, bent_inc, bent_azi, **settings)
        assert len(bent["md"]) == k + 1
        assert_same_columns(bent, dravon.positions_at_md((md, bent_inc, bent_azi), bent["md"],
                                                         **settings))


@pytest.mark.parametrize("settings", SETTINGS)
def test_only_the_columns_asked_for_are_made(settings):
    rng = np.random.default_rng(5)
    start = settings["tie_in"][0] if "tie_in" in settings else 0.0
    md, inc, azi = random_survey(rng, 200, start)
    whole = dravon.course(md, inc, azi, **settings)
    names = [key for key in whole if key != "section_azimuth"]
    for only in (["tvd", "north", "east", "dls"], ["vertical_section"], ["height"],
                 ["easting"], ["md", "displacement"], "radius", names):
        part = dravon.course(md, inc, azi, only=only, **settings)
        asked = [only] if isinstance(only, str) else only
        expected = {key: whole[key] for key in asked if key in whole}
        if "vertical_section" in asked:
            expected["section_azimuth"] = whole["section_azimuth"]
        assert set(part) == set(expected)
        for key, value in expected.items():
            np.testing.assert_array_equal(part[key], value, err_msg=key)
    with pytest.raises(dravon.Error, match="tvdss"):
        dravon.course(md, inc, azi, only=["tvd", "tvdss"], **settings)


@pytest.mark.parametrize("md, inc, azi, tie_in", [
    # Values that pass or fail only as the check reads them, rounded to single precision.
    ([100, 1000, 1000.00001], [5, 6, 7], [30, 30, 30], None),
    ([100, 200, 300], [5, 6, 180.000001], [30, 30, 360.00001], None),
    ([-0.0, 200, 300], [5, 6, 7], [30, 30, 30], None),
    ([150.000001, 200, 300], [5, 6, 7], [30, 30, 30], (150, 140, 1, 2, 5, 30)),
    ([100, 200, 300], [5, 180.0001, 7], [30, 30, 30], None),
    ([100, 200, 300], [5, 6, 7], [30, -0.0001, 30], None),
    ([100, 200, 300], [5, 6, 7], [30, 30, 360.0001], None),
    ([100, 200, 300], [5, float("nan"), 7], [30, 30, 30], None),
    ([100, float("nan"), 300], [5, 6, 7], [30, 30, 30], None),
])
def test_the_check_reads_the_values_as_the_full_computation(md, inc, azi, tie_in):
    try:
        lean = dravon.course(md, inc, azi, tie_in=tie_in)
    except dravon.Error as refused:
        with pytest.raises(dravon.Error) as full:
            dravon.positions_at_md((md, inc, azi), [md[0]], tie_in=tie_in)
        assert str(full.value) == str(refused)
        return
    assert_same_columns(lean, dravon.positions_at_md((md, inc, azi), lean["md"], tie_in=tie_in))


def test_the_keywords_of_one_call_do_not_reach_the_next():
    md, inc, azi = random_survey(np.random.default_rng(3), 50)
    turned = dict(section_azimuth=123.4)
    plain = dravon.course(md, inc, azi)
    first = dravon.course(md, inc, azi, **turned)
    again = dravon.course(md, inc, azi)
    assert not np.array_equal(first["vertical_section"], plain["vertical_section"])
    assert_same_columns(again, plain)
    assert_same_columns(dravon.course(md, inc, azi, **turned), first)
    for _ in range(2):  # a refused keyword is refused every time
        with pytest.raises(dravon.Error, match="section-azimuth"):
            dravon.course(md, inc, azi, section_azimuth=400.0)
