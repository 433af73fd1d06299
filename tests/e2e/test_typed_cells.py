"""A JSON grid's texts arrive as typed, formatted cells with the grid's
font, the columns' alignments and the cells' emphasis."""

import datetime

import gridkit_cli as cli

# Sheet rows: headings 1-2, an empty row 3, the header row 4, data from 5.
HEADER = 4


class TypedCells(cli.CliTestCase):
    def setUp(self):
        super().setUp()
        self.ws = self.export("--grid", cli.fixture("typed.json"), "--head1", "Report",
                              "--head2", "Second", "--locale", "en_GB")

    def test_values_types_and_formats(self):
        D = datetime.datetime
        cases = [
            ("B5", int, 1234, "#,##0"),
            ("B6", int, -7, "#,##0"),
            ("C5", float, 12.5, "#,##0.00"),
            ("C6", float, 0.125, "#,##0.000"),
            ("D5", float, 1234.5, "#,##0.00"),
            ("D6", int, 12345, "#,##0"),
            ("E5", D, D(2026, 12, 5), "d-MM-yyyy"),
            ("E7", D, D(2004, 3, 5), "d-MM-yyyy"),
            # Kept as the user wrote them: no formulas, no lost digits or zeros.
            ("A5", str, "Tea", "General"),
            ("E6", str, "31/02/2004", "General"),
            ("F5", str, "=1+1", "General"),
            ("F6", str, "007", "General"),
            ("F7", str, '=HYPERLINK("http://x")', "General"),
            ("D7", str, "1234567890123456789", "General"),
            # A time keeps its time; a date with a time keeps both.
            ("G5", datetime.time, datetime.time(12, 30), None),
            ("G6", D, D(2004, 3, 5, 10, 15), None),
        ]
        for ref, kind, value, number_format in cases:
            with self.subTest(ref):
                cell = self.ws[ref]
                self.assertIsInstance(cell.value, kind)
                self.assertEqual(cell.value, value)
                if number_format is not None:
                    self.assertEqual(cell.number_format, number_format)
        # A whole number written with one decimal is a number with that format.
        self.assertIsInstance(self.ws["C7"].value, (int, float))
        self.assertEqual((self.ws["C7"].value, self.ws["C7"].number_format), (3, "#,##0.0"))

    def test_emphasis(self):
        cases = [("A5", True, False), ("A6", False, True), ("A7", True, True), ("B5", False, False)]
        for ref, bold, italic in cases:
            with self.subTest(ref):
                self.assertEqual((self.ws[ref].font.b, self.ws[ref].font.i), (bold, italic))
        self.assertEqual([c.font.b for c in self.ws[HEADER]], [True] * 7)
        self.assertEqual(cli.row_values(self.ws, HEADER),
                         ["Text", "Integer", "Decimal", "Grouped", "Date", "Kept", "Time"])

    def test_sheet_font_is_the_grids(self):
        # The grid's ForeColor 255 is red in OLE (BGR) order; it replaces the
        # cell's own blue (16711680).
        for ref in ["A4", "A5", "B5", "C6", "G6"]:
            with self.subTest(ref):
                font = self.ws[ref].font
                self.assertEqual((font.name, font.sz, cli.rgb(font)), ("Courier New", 11, "FF0000"))

    def test_column_alignments(self):
        # Codes 0 left/top, 4 centre/centre, 8 right/bottom, 9 general,
        # 7 right/centre, 1 left/centre.
        expected = {"A": ("left", "top"), "B": ("center", "center"), "C": ("right", "bottom"),
                    "D": ("general", "bottom"), "E": ("right", "center"), "F": ("left", "center")}
        for column, (horizontal, vertical) in expected.items():
            for row in (HEADER, 5, 6):
                with self.subTest(f"{column}{row}"):
                    alignment = self.ws[f"{column}{row}"].alignment
                    # Unset means general and bottom in a workbook.
                    self.assertEqual((alignment.horizontal or "general", alignment.vertical or "bottom"),
                                     (horizontal, vertical))


class Defaults(cli.CliTestCase):
    def test_grid_with_cells_only(self):
        # One fixed row, font Arial 8 in the window text colour, general
        # alignment, nothing merged.
        ws = self.export("--grid", cli.fixture("small.json"))
        self.assertEqual(cli.row_values(ws, 1), ["Name", "Amount"])
        self.assertEqual([ws["A1"].font.b, ws["A2"].font.b], [True, False])
        for ref in ("A1", "B2"):
            with self.subTest(ref):
                font = ws[ref].font
                self.assertEqual((font.name, font.sz, cli.rgb(font)), ("Arial", 8, "000000"))
                self.assertIn(ws[ref].alignment.horizontal, (None, "general"))
        self.assertEqual(cli.merged(ws), [])


class Headings(cli.CliTestCase):
    def test_heading_rows(self):
        # (head1, head2) -> the rows that hold headings (text, size) and the
        # row of the grid's header.
        cases = [
            (["--head1", "One", "--head2", "Two"], [("One", 13), ("Two", 11)], 4),
            (["--head1", "One"], [("One", 13)], 3),
            (["--head2", "Two"], [("Two", 11)], 3),
            (["--head1", "  ", "--head2", ""], [], 1),
            ([], [], 1),
        ]
        for args, headings, header_row in cases:
            with self.subTest(args=args):
                ws = self.export("--grid", cli.fixture("small.json"), *args)
                for row, (text, size) in enumerate(headings, start=1):
                    cell = ws.cell(row, 1)
                    self.assertEqual((cell.value, cell.font.b, cell.font.sz), (text, True, size))
                    self.assertEqual((cell.alignment.horizontal, cell.alignment.vertical),
                                     ("center", "center"))
                self.assertEqual(cli.merged(ws), [f"A{r}:B{r}" for r in range(1, len(headings) + 1)])
                if headings:
                    self.assertEqual(cli.row_values(ws, header_row - 1), [None, None])
                self.assertEqual(cli.row_values(ws, header_row), ["Name", "Amount"])
                self.assertEqual(cli.row_values(ws, header_row + 1), ["Tea", 12.5])


if __name__ == "__main__":
    cli.main()
