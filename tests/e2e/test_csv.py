"""A CSV file: its first record is the one bold header row, quoting follows
RFC 4180, and short records are padded."""

import gridkit_cli as cli


class CsvInput(cli.CliTestCase):
    def test_records_become_rows(self):
        # The fixture starts with a UTF-8 byte order mark and mixes CR LF and
        # LF line ends.
        ws = self.export("--csv", cli.fixture("quoted.csv"), "--locale", "en_GB")
        self.assertEqual(cli.row_values(ws, 1), ["Name", "Address", "Amount", "Remark", None])
        self.assertEqual([c.font.b for c in ws[1]][:4], [True] * 4)
        self.assertEqual(cli.row_values(ws, 2),
                         ["Smith, John", "12 High St, Leeds", 1234, 'said "hello"', None])
        self.assertEqual(cli.row_values(ws, 3), ["Jones", "line one\nline two", 12.5, None, None])
        self.assertEqual(cli.row_values(ws, 4), ["Short", None, None, None, None])
        self.assertEqual(cli.row_values(ws, 6), ["Last", "Road", 1234.5, "ok", "extra"])
        self.assertEqual(ws.max_row, 6)
        self.assertFalse(ws["A2"].font.b)
        self.assertEqual(ws["C3"].number_format, "#,##0.00")


if __name__ == "__main__":
    cli.main()
