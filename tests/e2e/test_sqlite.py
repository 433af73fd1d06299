"""An SQLite query: its field names are the bold header row, its records
the data rows with their values typed."""

import os
import sqlite3

import gridkit_cli as cli


class SqliteInput(cli.CliTestCase):
    def setUp(self):
        super().setUp()
        self.db = self.path("shop.db")
        with sqlite3.connect(self.db) as con:
            con.execute("create table sales (product text, qty integer, price real, sold text, note text)")
            con.executemany("insert into sales values (?, ?, ?, ?, ?)", [
                ("Tea, green", 3, 2.5, "05/03/2004", None),
                ("Cake", 1200, 0.1, "31/12/2004", "=1+1"),
            ])
        con.close()

    def test_query_becomes_grid(self):
        ws = self.export("--sqlite", self.db, "--query",
                         "select product, qty, price * 2 as doubled, sold, note from sales order by qty",
                         "--locale", "en_GB")
        self.assertEqual(cli.row_values(ws, 1), ["product", "qty", "doubled", "sold", "note"])
        self.assertEqual([c.font.b for c in ws[1]], [True] * 5)
        tea = cli.row_values(ws, 2)
        self.assertEqual(tea[:3], ["Tea, green", 3, 5])
        self.assertEqual((tea[3].year, tea[3].month, tea[3].day), (2004, 3, 5))
        self.assertIsNone(tea[4])  # NULL is an empty cell
        self.assertEqual(cli.row_values(ws, 3)[1:3], [1200, 0.2])
        self.assertEqual(ws["E3"].value, "=1+1")
        self.assertEqual((ws["B3"].number_format, ws["C3"].number_format), ("#,##0", "#,##0.0"))
        self.assertEqual(ws.max_row, 3)

    def test_failing_query_names_the_database(self):
        result = cli.run("excel", "--sqlite", self.db, "--query", "select * from missing",
                         "--out", self.path("out.xlsx"))
        self.assertEqual(result.returncode, 2)
        self.assertIn(self.db, result.stderr)
        self.assertIn("missing", result.stderr)
        self.assertFalse(os.path.exists(self.path("out.xlsx")))

    def test_missing_database_is_not_created(self):
        absent = self.path("absent.db")
        result = cli.run("excel", "--sqlite", absent, "--query", "select 1",
                         "--out", self.path("out.xlsx"))
        self.assertEqual(result.returncode, 2)
        self.assertIn(absent, result.stderr)
        self.assertEqual(sorted(os.listdir(self.dir)), ["shop.db"])


if __name__ == "__main__":
    cli.main()
