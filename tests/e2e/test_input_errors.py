"""Command lines gridkit cannot follow and inputs it cannot read end with
status 2, a message on standard error and no workbook."""

import json
import os

import gridkit_cli as cli


class UsageErrors(cli.CliTestCase):
    def test_usage_errors_show_the_usage(self):
        out = self.path("out.xlsx")
        grid = cli.fixture("small.json")
        cases = {
            "no command": ([], "no command"),
            "unknown command": (["export"], "unknown command 'export'"),
            "no source": (["excel", "--out", out], "exactly one of"),
            "two sources": (["excel", "--grid", grid, "--csv", grid, "--out", out], "exactly one of"),
            "sqlite without query": (["excel", "--sqlite", "x.db", "--out", out], "--query"),
            "query without sqlite": (["excel", "--grid", grid, "--query", "select 1", "--out", out],
                                     "--query"),
            "no out": (["excel", "--grid", grid], "--out"),
            "unknown option": (["excel", "--grid", grid, "--colour", "red", "--out", out],
                               "unknown option '--colour'"),
            "missing value": (["excel", "--grid", grid, "--out"], "needs a value"),
            "repeated option": (["excel", "--grid", grid, "--grid", grid, "--out", out], "twice"),
            "stray argument": (["excel", grid, "--out", out], "unexpected argument"),
            "demo option": (["demo", "--out", out], "unknown option '--out'"),
        }
        for name, (args, message) in cases.items():
            with self.subTest(name):
                result = cli.run(*args)
                self.assertEqual(result.returncode, 2)
                self.assertIn(message, result.stderr)
                self.assertIn("Usage:", result.stderr)
                self.assertNoWorkbook()

    def test_help(self):
        for args in (["--help"], ["excel", "--help"], ["demo", "-h"]):
            with self.subTest(args=args):
                result = cli.run(*args)
                self.assertEqual((result.returncode, result.stderr), (0, ""))
                self.assertIn("gridkit excel (--grid FILE.json | --csv FILE.csv", result.stdout)


class UnreadableInput(cli.CliTestCase):
    def fails(self, args, *messages):
        result = cli.run("excel", *args, "--out", self.path("out.xlsx"))
        self.assertEqual(result.returncode, 2, result.stderr)
        for message in messages:
            self.assertIn(message, result.stderr)
        self.assertNotIn("Usage:", result.stderr)
        self.assertFalse(os.path.exists(self.path("out.xlsx")))

    def test_missing_files_are_named(self):
        for option in ("--grid", "--csv"):
            with self.subTest(option):
                missing = self.path("missing.input")
                self.fails([option, missing], missing, "No such file")
        with self.subTest("a folder"):
            self.fails(["--grid", self.dir], self.dir, "directory")

    def test_an_unclosed_quote_in_a_csv_file(self):
        path = self.path("open.csv")
        with open(path, "w") as f:
            f.write('Name,Remark\nSmith,"never closed\nJones,x\n')
        self.fails(["--csv", path], path + ": ", "quoted field is not closed")

    def test_malformed_grid_descriptions(self):
        cells = [["a", "b"], ["1", "2"]]
        cases = [
            ('{"cells": [["a"]', "not valid JSON"),
            ("[]", "must be a JSON object"),
            ({"cells": [["a", 1]]}, "cells[0][1] must be a text"),
            ({"cells": "a,b"}, "cells must be an array"),
            ({"rows": -1}, "rows must be a non-negative integer"),
            ({"cols": "2"}, "cols must be a non-negative integer"),
            ({"rows": 1, "cells": cells}, "cells has 2 rows, more than rows (1)"),
            ({"cols": 1, "cells": cells}, "more than cols (1)"),
            ({"rows": 2, "fixedRows": 3}, "fixedRows (3) is more than rows (2)"),
            ({"cells": cells, "cellStyle": [{"row": 2, "col": 0, "bold": True}]},
             "cellStyle[0] styles cell (2, 0), outside the 2 x 2 grid"),
            ({"cells": cells, "cellStyle": [{"row": 0, "col": -1}]}, "cellStyle[0].col"),
            ({"cells": cells, "cellStyle": [{"col": 0}]}, "needs both row and col"),
            ({"cells": cells, "cellStyle": [{"row": 0, "col": 0, "bold": "yes"}]},
             "cellStyle[0].bold must be true or false"),
            ({"cells": cells, "cellStyle": [{"row": 0, "col": 0, "colour": 1}]},
             'unknown key "colour" in cellStyle[0]'),
            ({"cells": cells, "colWidth": [960, -1]}, "colWidth[1]"),
            ({"cells": cells, "colWidth": [1, 2, 3]}, "colWidth has 3 entries for 2 columns"),
            ({"cells": cells, "colAlignment": [10]}, "colAlignment[0] must be an integer from 0 to 9"),
            ({"cells": cells, "mergeRow": [True, 1]}, "mergeRow[1] must be true or false"),
            ({"cells": cells, "mergeCol": [True, True, True]}, "more than cols (2)"),
            ({"cells": cells, "font": {"size": 0}}, "font.size"),
            ({"cells": cells, "font": {"name": ""}}, "font.name"),
            ({"cells": cells, "foreColor": -1}, "foreColor must be a colour"),
            ({"cells": cells, "forecolor": 0}, 'unknown key "forecolor"'),
        ]
        for doc, message in cases:
            with self.subTest(message):
                path = self.path("grid.json")
                with open(path, "w") as f:
                    f.write(doc if isinstance(doc, str) else json.dumps(doc))
                self.fails(["--grid", path], path + ": ", message)
                os.remove(path)


if __name__ == "__main__":
    cli.main()
