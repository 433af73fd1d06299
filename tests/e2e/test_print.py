"""gridkit printers and gridkit print: the report of a flexible grid on the
built-in PDF printer, read back with pdftotext and pdfinfo."""

import datetime
import json
import os
import pty
import re
import subprocess
import sys

import gridkit_cli as cli

MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
DATE_LINE = re.compile(r"Date : (\d{2}-[A-Z][a-z]{2}-\d{4})\s+Time : \d{2}:\d{2} [AP]M")
CONTINUED = re.compile(r"To Be Continued\.{8} Page No : (\d+)")
TOO_WIDE = "Do you want take printout in Landscape?"
STILL_TOO_WIDE = "After setting in landscape. Do you want to continue?"

ROWS = 160  # three portrait pages at 8 points, on A4 and on Letter


def today():
    d = datetime.date.today()
    return f"{d.day:02d}-{MONTHS[d.month - 1]}-{d.year}"


def columns(count, width=1500):
    """A grid of count columns of the width in twips, three rows."""
    names = [f"Col{c:02d}" for c in range(count)]
    return {"cells": [names] + [[f"r{r}c{c}" for c in range(count)] for r in range(3)],
            "colWidth": [width] * count}


def long_grid():
    cells = [["No", "Item", "Amount"]]
    cells += [[str(i), f"Item {i:03d}", f"{i * 1.25:,.2f}"] for i in range(1, ROWS + 1)]
    return {"cells": cells, "colWidth": [600, 2400, 1200], "colAlignment": [7, 1, 7]}


class PrintTestCase(cli.CliTestCase):
    def grid(self, description, name="grid.json"):
        path = self.path(name)
        with open(path, "w") as f:
            json.dump(description, f)
        return path

    def print_pdf(self, grid, *options, stdin=subprocess.DEVNULL):
        """Runs gridkit print on the PDF printer; returns the result and the PDF's path."""
        pdf = self.path("report.pdf")
        result = cli.run("print", "--grid", grid, "--printer", "PDF", "--pdf", pdf, *options,
                         stdin=stdin)
        return result, pdf

    def print_clean(self, grid, *options):
        result, pdf = self.print_pdf(grid, *options)
        self.assertEqual((result.returncode, result.stderr), (0, ""), "the job failed")
        self.assertEqual(result.stdout, "")
        return pdf

    def assertNoPdf(self):
        left = [n for n in os.listdir(self.dir) if not n.endswith(".json")]
        self.assertEqual(left, [], "no PDF, finished or partial, may be left")


class Printers(cli.CliTestCase):
    def test_lists_the_pdf_printer_last(self):
        result = cli.run("printers")
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        names = result.stdout.splitlines()
        self.assertEqual(names[-1], "PDF")
        self.assertNotIn("", names)


class Report(PrintTestCase):
    def test_three_pages(self):
        before = today()
        pdf = self.print_clean(self.grid(long_grid()), "--company-name", "Acme Stationery Ltd",
                               "--company-address", "12 Market Street, Leeds",
                               "--page-head1", "Stock list", "--page-head2", "December 2026",
                               "--line-betn-col", "--line-betn-row")
        dates = {before, today()}
        pages = cli.pdf_pages(pdf)
        self.assertEqual(len(pages), 3)
        self.assertEqual(len(cli.pdf_page_sizes(pdf)), 3)

        for number, page in enumerate(pages, 1):
            with self.subTest(page=number):
                self.assertIn("Stock list", page)
                self.assertIn("December 2026", page)
                self.assertRegex(page, r"(?m)^\s*No\s+Item\s+Amount\s*$", "the header row")
                # The company's lines open the first page only.
                self.assertEqual("Acme Stationery Ltd" in page, number == 1)
                self.assertEqual("12 Market Street, Leeds" in page, number == 1)
                last = number == len(pages)
                self.assertEqual(CONTINUED.findall(page), [] if last else [str(number)])
                found = DATE_LINE.findall(page)
                if last:
                    self.assertEqual(len(found), 1, page)
                    self.assertIn(found[0], dates)
                else:
                    self.assertEqual(found, [])
        # Every row once, in order, across the page breaks.
        items = [int(n) for n in re.findall(r"Item (\d{3})", "".join(pages))]
        self.assertEqual(items, list(range(1, ROWS + 1)))
        self.assertRegex(pages[0], r"(?m)^\s*1\s+Item 001\s+1\.25\s*$")

        png = os.path.join(cli.output_dir(), "print-report")
        subprocess.run(["pdftoppm", "-png", "-r", "50", "-f", "1", "-l", "1", pdf, png],
                       check=True, timeout=60)
        print(f"\npage 1 of the report: {png}-1.png", file=sys.stderr)

    def test_options_that_change_the_text(self):
        grid = self.grid(long_grid())
        plain = cli.pdf_pages(self.print_clean(grid))
        self.assertRegex(plain[-1], DATE_LINE)

        without_date = cli.pdf_pages(self.print_clean(grid, "--no-print-date"))
        self.assertNotRegex("".join(without_date), DATE_LINE)

        # A column no wider than the host form's "W" is left out.
        narrow = cli.pdf_pages(self.print_clean(grid, "--host-w-width", "700"))
        self.assertRegex(narrow[0], r"(?m)^\s*Item\b")
        self.assertNotRegex(narrow[0], r"(?m)^\s*No\s")

    def test_small_font_sizes_print_at_eight_points(self):
        grid = self.grid(long_grid())
        at_eight = cli.pdf_pages(self.print_clean(grid, "--font-size", "8"))
        at_six = cli.pdf_pages(self.print_clean(grid, "--font-size", "6"))
        undated = [DATE_LINE.sub("", page) for page in at_eight]
        self.assertEqual([DATE_LINE.sub("", page) for page in at_six], undated)

    def test_every_option_is_taken(self):
        pdf = self.print_clean(
            self.grid(long_grid()), "--line-betn-col", "--line-betn-row", "--no-line-req-for-head",
            "--gp-head-diff-by", "backcolor", "--gp-head-col", "1", "--total-diff-by", "forecolor",
            "--total-col", "2", "--page-head1", "One", "--page-head2", "Two", "--company-name",
            "Acme", "--company-address", "Leeds", "--no-line-on-page-break", "--groups-diff-on",
            "both", "--total-diff-on", "line", "--left-margin", "6", "--top-margin", "4",
            "--no-print-date", "--font-size", "10", "--landscape", "no", "--host-w-width", "165",
            "--locale", "en_GB")
        self.assertIn("Item 160", cli.pdf_pages(pdf)[-1])


class Landscape(PrintTestCase):
    """A report wider than the paper asks whether to print in landscape and,
    when it is wider still, whether to go on."""

    def test_wider_than_portrait(self):
        cases = {
            "yes": (0, "landscape"),
            "no": (0, "portrait"),
            "cancel": (1, None),
            "ask": (0, "landscape"),  # no terminal: the first button, Yes
        }
        for answer, (status, orientation) in cases.items():
            with self.subTest(answer):
                result, pdf = self.print_pdf(self.grid(columns(10)), "--landscape", answer)
                self.assertEqual(result.returncode, status, result.stderr)
                if orientation is None:
                    self.assertEqual(result.stderr.splitlines()[-1], "gridkit: Paper Width Exceeds")
                    self.assertNoPdf()
                    continue
                sizes = cli.pdf_page_sizes(pdf)
                self.assertTrue(sizes)
                for width, height in sizes:
                    self.assertEqual(width > height, orientation == "landscape", sizes)
                if orientation == "landscape":
                    self.assertIn("r2c9", cli.pdf_pages(pdf)[0], "the last column fits")
                if answer == "ask":
                    self.assertIn(TOO_WIDE, result.stderr)
                    self.assertIn("Yes, No or Cancel [y/n/c]? y", result.stderr)
                else:
                    self.assertEqual(result.stderr, "", "a given answer shows no question")
                os.remove(pdf)

    def test_wider_than_landscape(self):
        grid = self.grid(columns(16))
        result, pdf = self.print_pdf(grid, "--landscape", "yes")
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        self.assertTrue(all(w > h for w, h in cli.pdf_page_sizes(pdf)))
        os.remove(pdf)

        # A person at the terminal: Yes to landscape, then No, or a word that
        # is no button (asked again) and Cancel.
        cases = {"y\nn\n": [TOO_WIDE, STILL_TOO_WIDE], "x\nc\n": [TOO_WIDE, TOO_WIDE]}
        for typed, questions in cases.items():
            with self.subTest(typed=typed):
                result = self.print_at_terminal(grid, typed)
                self.assertEqual(result.returncode, 1, result.stderr)
                # The person's typing echoes on the terminal, not in the output.
                self.assertTrue(result.stderr.endswith("? gridkit: Paper Width Exceeds\n"),
                                result.stderr)
                self.assertEqual(result.stderr.count(TOO_WIDE), 1)
                self.assertEqual(result.stderr.count("[y/n"), len(questions), result.stderr)
                self.assertEqual(STILL_TOO_WIDE in result.stderr, STILL_TOO_WIDE in questions)
                self.assertNoPdf()

    def print_at_terminal(self, grid, typed):
        leader, follower = pty.openpty()
        try:
            os.write(leader, typed.encode())
            return self.print_pdf(grid, stdin=follower)[0]
        finally:
            os.close(follower)
            os.close(leader)


class Failures(PrintTestCase):
    def test_jobs_that_stop(self):
        cases = {
            "unknown printer": (["--printer", "No Such Printer"], long_grid(),
                                "gridkit: Invalid Printer Name"),
            "only fixed rows": (["--printer", "PDF", "--pdf", self.path("report.pdf")],
                                {"rows": 2, "fixedRows": 2, "cells": [["A", "B"], ["C", "D"]]},
                                "gridkit: There is no Data on the grid"),
            "PDF in a missing folder": (
                ["--printer", "PDF", "--pdf", self.path("missing/report.pdf")], long_grid(),
                "gridkit: Printer error: cannot write " + self.path("missing/report.pdf")),
        }
        for name, (options, grid, message) in cases.items():
            with self.subTest(name):
                result = cli.run("print", "--grid", self.grid(grid), *options,
                                 stdin=subprocess.DEVNULL)
                self.assertEqual(result.returncode, 1, result.stderr)
                self.assertEqual(result.stderr.splitlines()[-1], message)
                self.assertEqual(result.stdout, "")
                self.assertNoPdf()

    def test_usage_errors(self):
        pdf = ["--printer", "PDF", "--pdf", self.path("report.pdf")]
        cases = {
            "no printer": ([], "--printer NAME is required"),
            "PDF without a file": (["--printer", "PDF"], "--printer PDF needs --pdf"),
            "a file for another printer": (["--printer", "Office", "--pdf", "x.pdf"],
                                           "--pdf goes with --printer PDF"),
            "enum word": (pdf + ["--gp-head-diff-by", "italic"], "--gp-head-diff-by must be"),
            "emphasis word": (pdf + ["--total-diff-on", "underline"], "--total-diff-on must be"),
            "landscape word": (pdf + ["--landscape", "maybe"], "--landscape must be"),
            "not a whole number": (pdf + ["--font-size", "10.5"],
                                   "--font-size needs a whole number"),
            "empty number": (pdf + ["--left-margin="], "--left-margin needs a whole number"),
            "number too big": (pdf + ["--top-margin", "99999999999"], "--top-margin"),
            "host width zero": (pdf + ["--host-w-width", "0"], "--host-w-width needs a positive"),
            "host width text": (pdf + ["--host-w-width", "wide"],
                                "--host-w-width needs a positive"),
            "value to a switch": (pdf + ["--line-betn-col=yes"],
                                  "'--line-betn-col' takes no value"),
            "switch twice": (pdf + ["--no-print-date", "--no-print-date"], "given twice"),
            "unknown locale": (pdf + ["--locale", "xx_XX"], "unknown locale"),
        }
        grid = self.grid(long_grid())
        for name, (options, message) in cases.items():
            with self.subTest(name):
                result = cli.run("print", "--grid", grid, *options, stdin=subprocess.DEVNULL)
                self.assertEqual(result.returncode, 2, result.stderr)
                self.assertIn(message, result.stderr.splitlines()[0])
                self.assertNoPdf()

    def test_unreadable_grid(self):
        result = cli.run("print", "--grid", self.path("missing.json"), "--printer", "PDF", "--pdf",
                         self.path("report.pdf"), stdin=subprocess.DEVNULL)
        self.assertEqual(result.returncode, 2)
        self.assertIn("missing.json", result.stderr)
        self.assertNoPdf()


if __name__ == "__main__":
    cli.main()
