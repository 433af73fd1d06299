"""Merged header and data rows, column merges and hidden columns of a JSON
grid, as merged ranges of the workbook."""

import gridkit_cli as cli


class Merges(cli.CliTestCase):
    def setUp(self):
        super().setUp()
        # Grid columns: Region (MergeCol), Id (hidden, width 0), Q1-Q3, Code
        # (hidden, width 15), Note. Fixed rows: a merged caption row and a
        # plain header row.
        self.ws = self.export("--grid", cli.fixture("merges.json"), "--locale", "en_GB")

    def test_hidden_columns_are_packed_out(self):
        self.assertEqual(self.ws.max_column, 5)
        self.assertEqual(cli.row_values(self.ws, 2), ["Region", "Q1", "Q2", "Q3", "Note"])
        self.assertEqual(cli.row_values(self.ws, 3), ["North", 10, 20, 30, "first"])
        self.assertEqual(cli.row_values(self.ws, 8), [None, 14, 24, 34, "fifth"])

    def test_merged_ranges(self):
        self.assertEqual(cli.merged(self.ws), [
            "A3:A4",  # Region North, two rows
            "A5:C5",  # the merged data row's first run, its hidden column left out
            "A6:A8",  # Region South, three rows
            "B1:D1",  # the caption over the visible quarters only
            "D5:E5",  # the second run, across the hidden Code column
        ])

    def test_merged_header_row(self):
        # The caption stands over its own columns, bold; the caption of the
        # hidden Code column writes nothing and Note keeps its column.
        self.assertEqual(cli.row_values(self.ws, 1), [None, "Quarters", None, None, "Note"])
        self.assertTrue(self.ws["B1"].font.b)
        self.assertEqual((self.ws["B1"].alignment.horizontal, self.ws["B1"].alignment.vertical),
                         ("center", "center"))

    def test_merged_data_row_keeps_run_texts(self):
        self.assertEqual(cli.row_values(self.ws, 5), ["Subtotal", None, None, "x", None])


if __name__ == "__main__":
    cli.main()
