"""Runs the gridkit command line for the end-to-end tests and reads its
workbooks back with openpyxl and its PDF reports with poppler's tools.

Each test script is run as: python3 SCRIPT GRIDKIT_EXECUTABLE FIXTURE_DIR
"""

import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

import openpyxl

GRIDKIT = None
FIXTURES = None


def main():
    """Takes the executable and the fixture folder from the command line and
    runs the calling script's tests."""
    global GRIDKIT, FIXTURES
    if len(sys.argv) < 3:
        sys.exit(f"usage: {sys.argv[0]} GRIDKIT FIXTURE_DIR [unittest options]")
    GRIDKIT = os.path.abspath(sys.argv[1])
    FIXTURES = os.path.abspath(sys.argv[2])
    unittest.main(argv=[sys.argv[0]] + sys.argv[3:])


def fixture(name):
    return os.path.join(FIXTURES, name)


def run(*args, cwd=None, stdin=None):
    return subprocess.run([GRIDKIT, *args], capture_output=True, text=True, timeout=120, cwd=cwd,
                          stdin=stdin)


def run_json(*args, cwd=None):
    """Runs gridkit; returns the result and its standard output read as JSON
    (None when there is no output)."""
    result = run(*args, cwd=cwd)
    return result, json.loads(result.stdout) if result.stdout else None


def rgb(font):
    """The font colour as RRGGBB (openpyxl gives ARGB with FF or 00 alpha)."""
    return font.color.rgb[-6:] if font.color is not None and font.color.rgb else None


def merged(sheet):
    return sorted(str(r) for r in sheet.merged_cells.ranges)


def row_values(sheet, row):
    return [c.value for c in sheet[row]]


def pdf_pages(path):
    """The text of each page of a PDF, laid out as printed (pdftotext)."""
    text = subprocess.run(["pdftotext", "-layout", path, "-"], capture_output=True, text=True,
                          check=True, timeout=60).stdout
    pages = text.split("\f")
    return pages[:-1] if pages and not pages[-1].strip() else pages


def pdf_page_sizes(path):
    """The (width, height) in points of every page of a PDF (pdfinfo)."""
    info = subprocess.run(["pdfinfo", "-f", "1", "-l", "9999", path], capture_output=True,
                          text=True, check=True, timeout=60).stdout
    return [(float(w), float(h))
            for w, h in re.findall(r"^Page\s+\d+ size:\s+([\d.]+) x ([\d.]+)", info, re.M)]


def output_dir():
    """A folder that outlives the test, for files a person may want to look
    at: $GRIDKIT_E2E_OUT, else gridkit-e2e-output in the system's temporary
    folder."""
    folder = os.environ.get("GRIDKIT_E2E_OUT") or os.path.join(tempfile.gettempdir(),
                                                               "gridkit-e2e-output")
    os.makedirs(folder, exist_ok=True)
    return folder


class CliTestCase(unittest.TestCase):
    """Gives each test a temporary folder and runs exports into it."""

    def setUp(self):
        tmp = tempfile.TemporaryDirectory()
        self.addCleanup(tmp.cleanup)
        self.dir = tmp.name

    def path(self, name):
        return os.path.join(self.dir, name)

    def export(self, *args, out="out.xlsx"):
        """Runs `gridkit excel ARGS --out OUT`, expects a clean export and
        returns the workbook's sheet."""
        out_path = self.path(out)
        result = run("excel", *args, "--out", out_path)
        self.assertEqual((result.returncode, result.stderr), (0, ""), "the export failed")
        return openpyxl.load_workbook(out_path).active

    def assertNoWorkbook(self):
        self.assertEqual(os.listdir(self.dir), [], "nothing may be written")
