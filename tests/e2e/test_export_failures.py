"""A failing export: each message box's exact text on its own line of
standard error, and exit status 1."""

import os

import openpyxl

import gridkit_cli as cli


class ExportFailures(cli.CliTestCase):
    def test_grid_without_visible_column(self):
        # No visible column leaves no last column letter: the sheet-font step
        # names the range "A:" and the sheet refuses it. The other steps run.
        out = self.path("out.xlsx")
        result = cli.run("excel", "--grid", cli.fixture("all_hidden.json"), "--head1", "Title",
                         "--out", out)
        self.assertEqual(result.returncode, 1)
        self.assertEqual(result.stderr.splitlines()[0],
                         "Error : 1004 - Method 'Range' of object '_Worksheet' failed")
        for line in result.stderr.splitlines():
            self.assertTrue(line.startswith("Error : "), line)
        self.assertEqual(result.stdout, "")
        # The export went on to show (and so save) the workbook.
        self.assertEqual(openpyxl.load_workbook(out).active["A1"].value, "Title")

    def test_unwritable_out(self):
        blocker = self.path("a-file")
        open(blocker, "w").close()
        cases = {
            "folder that does not exist": self.path("missing/out.xlsx"),
            "a folder as the file": self.dir,
            "below a file": os.path.join(blocker, "out.xlsx"),
        }
        for name, out in cases.items():
            with self.subTest(name):
                result = cli.run("excel", "--grid", cli.fixture("small.json"), "--out", out)
                self.assertEqual(result.returncode, 1, result.stderr)
                lines = result.stderr.splitlines()
                self.assertEqual(len(lines), 1, "one box and nothing else: " + result.stderr)
                self.assertTrue(lines[0].startswith("Error : 75 - Path/File access error"), lines[0])
                self.assertEqual(sorted(os.listdir(self.dir)), ["a-file"], "no file may be left")


if __name__ == "__main__":
    cli.main()
