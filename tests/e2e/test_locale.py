"""--locale chooses the regional settings under which dates are read."""

import datetime

import gridkit_cli as cli


class Locale(cli.CliTestCase):
    def test_date_order_follows_the_locale(self):
        D = datetime.datetime
        # dates.csv: 5/3/2004, 31/12/2004, 12/31/2004 under a "Date" header.
        cases = {
            "en_GB": [D(2004, 3, 5), D(2004, 12, 31), "12/31/2004"],
            "en_US": [D(2004, 5, 3), "31/12/2004", D(2004, 12, 31)],
        }
        for locale, expected in cases.items():
            with self.subTest(locale):
                ws = self.export("--csv", cli.fixture("dates.csv"), "--locale", locale)
                self.assertEqual([ws.cell(r, 1).value for r in (2, 3, 4)], expected)
                for r, value in zip((2, 3, 4), expected):
                    if isinstance(value, D):
                        self.assertEqual(ws.cell(r, 1).number_format, "d-MM-yyyy")

    def test_unknown_locale_is_a_usage_error(self):
        result = cli.run("excel", "--csv", cli.fixture("dates.csv"), "--locale", "xx_NOPE",
                         "--out", self.path("out.xlsx"))
        self.assertEqual(result.returncode, 2)
        self.assertIn("xx_NOPE", result.stderr)
        self.assertNoWorkbook()


if __name__ == "__main__":
    cli.main()
