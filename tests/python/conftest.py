# What the tests of the Python module share: the folders of the examples and the test
# data, the batch tool built beside the module, and a run of it in a scratch folder.
import csv
import os
import subprocess

import pytest


def _folder(variable, fallback):
    here = os.path.dirname(os.path.abspath(__file__))
    return os.environ.get(variable) or os.path.join(here, "..", "..", fallback)


@pytest.fixture(scope="session")
def examples():
    return _folder("DRAVON_EXAMPLES", "examples")


@pytest.fixture(scope="session")
def test_data():
    return _folder("DRAVON_TEST_DATA", os.path.join("tests", "data"))


@pytest.fixture(scope="session")
def cli():
    path = os.environ.get("DRAVON_CLI")
    if not path or not os.path.exists(path):
        pytest.skip("the batch tool is not built (DRAVON_CLI)")
    return path


@pytest.fixture
def run_cli(cli, tmp_path):
    """Runs the batch tool in tmp_path; returns its exit status, stdout and stderr."""

    def run(*args):
        done = subprocess.run(
            [cli, *args], cwd=tmp_path, capture_output=True, text=True, check=False
        )
        return done.returncode, done.stdout, done.stderr

    return run


def read_csv_table(path, delimiter=","):
    """The rows of a CSV export: its title rows (label, value) and, from the heading row
    on, the headings and the data rows as texts."""
    with open(path, newline="", encoding="utf-8-sig") as f:
        rows = list(csv.reader(f, delimiter=delimiter))
    start = next(k for k, r in enumerate(rows) if r and r[0].startswith("Teufe"))
    return rows[:start], rows[start], rows[start + 1:]
