"""gridkit demo writes the sample export and its printed report into a
folder and prints their paths."""

import datetime
import os

import openpyxl

import gridkit_cli as cli


class Demo(cli.CliTestCase):
    def test_demo_workbook(self):
        folder = self.path("nested/demo")
        result = cli.run("demo", "--out-dir", folder)
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        workbook = os.path.join(folder, "gridkit-demo.xlsx")
        report = os.path.join(folder, "gridkit-demo.pdf")
        self.assertEqual(result.stdout, workbook + "\n" + report + "\n")
        ws = openpyxl.load_workbook(workbook).active

        self.assertEqual((ws["A1"].value, ws["A1"].font.sz), ("Sales by region", 13))
        self.assertEqual((ws["A2"].value, ws["A2"].font.sz), ("December 2026", 11))
        values = [c.value for row in ws.iter_rows() for c in row if c.value is not None]
        self.assertIn("Quantities", values)
        self.assertNotIn("Id", values, "the hidden id column is packed out")
        self.assertTrue(any(isinstance(v, datetime.datetime) for v in values))
        self.assertTrue(any(isinstance(v, float) for v in values))
        self.assertTrue(any(isinstance(v, int) and not isinstance(v, bool) for v in values))
        bold_rows = {c.row for row in ws.iter_rows(min_row=4) for c in row if c.value and c.font.b}
        self.assertGreaterEqual(len(bold_rows), 5, "header, group and total rows are bold")
        self.assertGreaterEqual(len(ws.merged_cells.ranges), 5)

    def test_demo_report(self):
        folder = self.path("demo")
        result = cli.run("demo", "--out-dir", folder)
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        report = os.path.join(folder, "gridkit-demo.pdf")
        pages = cli.pdf_pages(report)
        self.assertGreaterEqual(len(pages), 2)
        # Too wide at its font size for portrait: printed in landscape.
        self.assertTrue(all(w > h for w, h in cli.pdf_page_sizes(report)))
        self.assertIn("Gridkit Stationery Ltd", pages[0])
        for number, page in enumerate(pages, 1):
            self.assertIn("Sales by region", page)
            self.assertRegex(page, r"Region\s+Product\s+Order date")
            if number < len(pages):
                self.assertIn(f"To Be Continued........ Page No : {number}", page)
        text = "".join(pages)
        for row in ("North region", "Total South", "Grand total", "Office chairs"):
            self.assertIn(row, text)
        self.assertNotIn("1001", text, "the hidden id column is left out")
        self.assertRegex(pages[-1], r"Date : \d{2}-[A-Z][a-z]{2}-\d{4}")

    def test_default_folder_and_own_sample(self):
        result = cli.run("demo", "--sample", cli.fixture("small.json"), cwd=self.dir)
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        folder = os.path.join(os.path.realpath(self.dir), "gridkit-demo")
        self.assertEqual([os.path.realpath(p) for p in result.stdout.splitlines()],
                         [os.path.join(folder, "gridkit-demo.xlsx"),
                          os.path.join(folder, "gridkit-demo.pdf")])
        ws = openpyxl.load_workbook(os.path.join(folder, "gridkit-demo.xlsx")).active
        self.assertEqual(cli.row_values(ws, 4), ["Name", "Amount"])
        self.assertIn("Tea", cli.pdf_pages(os.path.join(folder, "gridkit-demo.pdf"))[0])

    def test_folder_that_cannot_be_made(self):
        blocker = self.path("a-file")
        open(blocker, "w").close()
        result = cli.run("demo", "--out-dir", os.path.join(blocker, "demo"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(blocker, result.stderr)
        self.assertEqual(result.stdout, "")


if __name__ == "__main__":
    cli.main()
