"""gridkit keys: a person types into the decimal text box on a headless form;
the command reports the box's text, caret and value and every event the
control raised, in order."""

import json
import os

import gridkit_cli as cli


def follows(events, run):
    """True when the events hold run as consecutive entries."""
    return any(events[i:i + len(run)] == run for i in range(len(events) - len(run) + 1))


class KeysTestCase(cli.CliTestCase):
    def keys(self, keys, *options):
        result, doc = cli.run_json("keys", "feskadel", *options, "--keys", keys)
        self.assertEqual((result.returncode, result.stderr), (0, ""), "the command failed")
        return doc


class Typing(KeysTestCase):
    def test_a_fresh_box(self):
        doc = self.keys("{focus}12.5")
        self.assertEqual(list(doc), ["Text", "SelStart", "SelLength", "Value", "events"])
        # "5" overtypes the first decimal and leaves the caret behind it.
        self.assertEqual((doc["Text"], doc["SelStart"], doc["SelLength"], doc["Value"]),
                         ("12.50", 4, 0, 12.5))
        events = doc["events"]
        # The life cycle is seen, then the ".00" of the focus entry.
        self.assertEqual(events[:2], ["Resize", "Change"])
        self.assertTrue(
            follows(events, ["KeyDown(49, 0)", "KeyPress(49)", "Change", "KeyUp(49, 0)"]), events)
        # The point types nothing; the keys it queues come after its KeyUp,
        # without KeyPress.
        self.assertTrue(follows(events, ["KeyPress(46)", "KeyUp(190, 0)", "KeyDown(36, 0)",
                                         "KeyUp(36, 0)", "KeyDown(39, 0)"]), events)

    def test_the_point_and_the_decimals(self):
        cases = [
            ("{focus}12.50", [], "12.50", 12.5),
            ("{focus}{end}7", ["--set", "Text=12.50"], "12.70", 12.7),
            ("{focus}{end}.5", ["--set", "Text=3"], "3.5", 3.5),
        ]
        for keys, options, text, value in cases:
            with self.subTest(keys=keys, options=options):
                doc = self.keys(keys, *options)
                self.assertEqual((doc["Text"], doc["Value"]), (text, value))

    def test_max_length_set_on_the_command_line(self):
        # ".00" takes three of the five characters.
        doc = self.keys("{focus}1234", "--set", "MaxLength=5")
        self.assertEqual((doc["Text"], doc["Value"]), ("12.00", 12))
        self.assertTrue(follows(doc["events"], ["KeyPress(51)", "KeyUp(51, 0)"]), doc["events"])

    def test_letters_are_discarded_but_the_host_sees_them(self):
        doc = self.keys("{focus}1a2")
        self.assertEqual((doc["Text"], doc["Value"]), ("12.00", 12))
        self.assertTrue(follows(doc["events"], ["KeyDown(65, 0)", "KeyPress(97)", "KeyUp(65, 0)"]),
                        doc["events"])

    def test_braced_keys(self):
        doc = self.keys("{focus}{{}{}}{F5}{Home}")
        self.assertEqual(doc["events"][2:], [
            "KeyDown(219, 1)", "KeyPress(123)", "KeyUp(219, 1)",
            "KeyDown(221, 1)", "KeyPress(125)", "KeyUp(221, 1)",
            "KeyDown(116, 0)", "KeyUp(116, 0)",
            "KeyDown(36, 0)", "KeyUp(36, 0)",
        ])

    def test_tab_moves_the_focus_to_the_next_box(self):
        typed = self.keys("{focus}1")
        doc = self.keys("{focus}1{tab}5")
        # Leaving validates; what is typed afterwards goes to the other box.
        self.assertEqual(doc["events"], typed["events"] + ["Validate(False)"])
        self.assertEqual((doc["Text"], doc["Value"]), ("1.00", 1))

    def test_saved_properties_come_back(self):
        saved = self.path("feskadel.json")
        doc = self.keys("{focus}12.5", "--set", "MaxLength=8", "--save", saved)
        self.assertEqual(doc["events"][-1], "WriteProperties")
        with open(saved) as f:
            bag = json.load(f)
        self.assertEqual((bag["Text"], bag["Value"], bag["MaxLength"]), ("12.50", 12.5, 8))

        doc = self.keys("", "--load", saved)
        self.assertEqual((doc["Text"], doc["Value"]), ("12.50", 12.5))
        self.assertEqual(doc["events"][0], "ReadProperties")
        self.assertIn("Resize", doc["events"])
        # MaxLength came back too: the eighth character is the last.
        doc = self.keys("{focus}{home}9999", "--load", saved)
        self.assertEqual(doc["Text"], "99912.50")


class Errors(cli.CliTestCase):
    def test_bad_command_lines_and_inputs(self):
        missing = self.path("missing.json")
        unwritable = self.path("no-folder/out.json")
        cases = {
            "unknown key": (["feskadel", "--keys", "{nope}"], "'{nope}'", True),
            "unclosed brace": (["feskadel", "--keys", "1{home"], "'{home'", True),
            "unknown control": (["number", "--keys", "1"],
                                "unknown control 'number' (known controls: feskadel)", True),
            "no keys": (["feskadel"], "--keys", True),
            "set without a value": (["feskadel", "--set", "MaxLength", "--keys", "1"],
                                    "NAME=VALUE", True),
            "set refused": (["feskadel", "--set", "MaxLength=-1", "--keys", "1"],
                            "--set MaxLength=-1: Invalid property value", False),
            "unknown property": (["feskadel", "--set", "Colour=1", "--keys", "1"],
                                 "--set Colour=1: Object doesn't support", False),
            "missing load": (["feskadel", "--load", missing, "--keys", "1"], missing, False),
            "unwritable save": (["feskadel", "--save", unwritable, "--keys", "1"], unwritable,
                                False),
        }
        for name, (args, message, usage) in cases.items():
            with self.subTest(name):
                result = cli.run("keys", *args)
                self.assertEqual((result.returncode, result.stdout), (2, ""), result.stderr)
                self.assertIn(message, result.stderr)
                self.assertEqual("Usage:" in result.stderr, usage)
        self.assertFalse(os.path.exists(unwritable))

    def test_a_load_file_that_is_no_property_bag(self):
        path = self.path("bag.json")
        with open(path, "w") as f:
            f.write("[1, 2]")
        result = cli.run("keys", "feskadel", "--load", path, "--keys", "")
        self.assertEqual((result.returncode, result.stdout), (2, ""))
        self.assertIn(path + ": Invalid property value", result.stderr)

    def test_help(self):
        result = cli.run("keys", "--help")
        self.assertEqual((result.returncode, result.stderr), (0, ""))
        self.assertIn("gridkit keys feskadel [--set NAME=VALUE]...", result.stdout)


if __name__ == "__main__":
    cli.main()
