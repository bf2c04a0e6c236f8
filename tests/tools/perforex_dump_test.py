"""Runs perforex-dump on the bundled examples and checks its summary, its JSON (parsed) and its
SVG picture (parsed as XML). Every expected number is worked out by hand from the example
programs: coordinates are the digits over 10^3 (inches, leading zeros left out) or as aligned for
trailing zeros (millimetres), times 25400000 or 1000000 nm, truncated; round tool diameters pass
through single precision first; repeats add their step in double precision."""

import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

DUMP = os.environ["PERFOREX_DUMP"]
EXAMPLES = os.environ["PERFOREX_EXAMPLES"]
SVG_NS = "{http://www.w3.org/2000/svg}"


def example(name):
    return os.path.join(EXAMPLES, name)


def run(*arguments):
    return subprocess.run([DUMP, *arguments], capture_output=True, text=True, check=False)


def round_tool(tool, diameter):
    return {"tool": tool, "holeType": 0, "holeTypeName": "Round", "diameter": diameter,
            "width": 0, "height": 0, "angle": 0, "trailing": [0, 0, 0, 0, 0]}


# The outline's arcs: a clockwise circle of radius 0.3 in about (1.5, 1.0) in two halves, then a
# 3 x 2 in board with corners of radius 0.25 in, routed counter-clockwise.
CUTOUT = [[30480000, 25400000, 0], [38100000, 25400000, 7620000], [45720000, 25400000, 0],
          [38100000, 25400000, 7620000], [30480000, 25400000, 0]]
OUTLINE = [[6350000, 0, 0], [69850000, 0, 0], [69850000, 6350000, -6350000],
           [76200000, 6350000, 0], [76200000, 44450000, 0], [69850000, 44450000, -6350000],
           [69850000, 50800000, 0], [6350000, 50800000, 0], [6350000, 44450000, -6350000],
           [0, 44450000, 0], [0, 6350000, 0], [6350000, 6350000, -6350000], [6350000, 0, 0]]

CASES = {
    "board": {
        "format": "default.fmt",
        "tools": [round_tool(1, 889000), round_tool(2, 3175000)],
        "hits": [(25400000, 25400000, 1), (50800000, 25400000, 1), (76200000, 25400000, 1),
                 (12700000, 12700000, 2), (88900000, 63500000, 2)],
        "contours": [],
        "rows": {"T1": ("Round", 3, 0), "T2": ("Round", 2, 0)},
        "length": 0.0,
        "extents": (11.1125, 90.4875, 11.1125, 65.0875),
    },
    "holes": {
        "format": "default.fmt",
        "tools": [round_tool(1, 507999), round_tool(2, 1015999), round_tool(3, 3175000),
                  {"tool": 4, "holeType": 2, "holeTypeName": "Slot", "diameter": 0,
                   "width": 1270000, "height": 2540000, "angle": 90,
                   "trailing": [0, 0, 0, 0, 0]}],
        # 0.5 + 0.1 + 0.1 + 0.1 + 0.1 in double precision is just below 0.9.
        "hits": [(12700000, 12700000, 1), (15240000, 12700000, 1), (17780000, 12700000, 1),
                 (20320000, 12700000, 1), (22859999, 12700000, 1), (12700000, 25400000, 1),
                 (15240000, 25400000, 1), (17780000, 25400000, 1), (20320000, 25400000, 1),
                 (22859999, 25400000, 1), (38100000, 12700000, 2), (38100000, 25400000, 2),
                 (50800000, 19050000, 2), (50800000, 12700000, 2), (50800000, 6350000, 2),
                 (50800000, 0, 2), (5080000, 45720000, 3), (58419999, 45720000, 3),
                 (31750000, 38100000, 4)],
        "contours": [],
        "rows": {"T1": ("Round", 10, 0), "T2": ("Round", 6, 0), "T3": ("Round", 2, 0),
                 "T4": ("Slot", 1, 0)},
        "length": 0.0,
        "extents": (3.4925, 60.007499, -0.5079995, 47.3075),
    },
    "outline": {
        "format": "default.fmt",
        "tools": [round_tool(1, 3175000), round_tool(2, 2387599)],
        "hits": [(3810000, 3810000, 1), (72390000, 3810000, 1), (72390000, 46990000, 1),
                 (3810000, 46990000, 1)],
        "contours": [(2, 2387599, CUTOUT), (2, 2387599, OUTLINE)],
        "rows": {"T1": ("Round", 4, 0), "T2": ("Round", 0, 2)},
        # 2 pi 7.62 mm, plus 203.2 mm of straight sides and four quarter circles of 6.35 mm.
        "length": 2 * math.pi * 7.62 + 203.2 + 2 * math.pi * 6.35,
        "extents": (-1.1937995, 77.3937995, -1.1937995, 51.9937995),
    },
    "metric": {
        "format": "metric.fmt",
        "tools": [round_tool(1, 800000), round_tool(2, 1000000), round_tool(3, 2000000)],
        "hits": [(10000000, 10000000, 1), (15000000, 10000000, 1), (20000000, 10000000, 1),
                 (40500000, 20000000, 2), (45500000, 20000000, 2), (50500000, 20000000, 2),
                 (55500000, 20000000, 2)],
        "contours": [(3, 2000000, [[0, 0, 0], [60000000, 0, 0], [60000000, 30000000, 0],
                                   [0, 30000000, 0], [0, 0, 0]])],
        "rows": {"T1": ("Round", 3, 0), "T2": ("Round", 4, 0), "T3": ("Round", 0, 1)},
        "length": 180.0,
        "extents": (-1.0, 61.0, -1.0, 31.0),
    },
}


def dump(name, *options):
    case = CASES[name]
    return run("-f", example(case["format"]), *options, example(name + ".drl"))


class Summary(unittest.TestCase):
    def parse(self, text):
        rows = {}
        totals = {}
        for line in text.splitlines():
            tokens = line.split()
            if tokens and re.fullmatch(r"T\d+|none", tokens[0]):
                rows[tokens[0]] = (tokens[1], int(tokens[-3]), int(tokens[-2]))
            elif tokens and tokens[0].endswith(":"):
                totals[tokens[0][:-1]] = line
        return rows, totals

    def test_summaries_of_the_examples(self):
        for name, case in CASES.items():
            with self.subTest(name):
                result = dump(name)
                self.assertEqual(result.returncode, 0, result.stderr)
                self.assertEqual(result.stderr, "")
                rows, totals = self.parse(result.stdout)
                self.assertEqual(rows, case["rows"])
                self.assertIn("holes: %d" % len(case["hits"]), totals["holes"])
                contours = re.search(r"contours: (\d+), length ([-\d.]+) mm", totals["contours"])
                self.assertEqual(int(contours.group(1)), len(case["contours"]))
                self.assertAlmostEqual(float(contours.group(2)), case["length"], delta=6e-5)
                numbers = re.findall(r"-?\d+\.\d+", totals["extents"])[:4]
                x_min, x_max, y_min, y_max = (float(number) for number in numbers)
                for actual, expected in zip((x_min, x_max, y_min, y_max), case["extents"]):
                    self.assertAlmostEqual(actual, expected, delta=6e-5)
                self.assertTrue(totals["result"].strip().startswith("result: 1 "))


class Json(unittest.TestCase):
    def test_callbacks_of_the_examples_in_order(self):
        for name, case in CASES.items():
            with self.subTest(name):
                result = dump(name, "--json")
                self.assertEqual(result.returncode, 0, result.stderr)
                document = json.loads(result.stdout)
                self.assertEqual(document["machineFormat"], example(case["format"]))
                (read,) = document["reads"]
                self.assertEqual(read["file"], example(name + ".drl"))
                self.assertEqual(read["result"], 1)
                callbacks = read["callbacks"]
                kinds = [callback.pop("callback") for callback in callbacks]
                tools = len(case["tools"])
                hits = len(case["hits"])
                self.assertEqual(kinds, ["AddTool"] * tools + ["AddHit"] * hits
                                 + ["AddContour"] * len(case["contours"]))
                self.assertEqual(callbacks[:tools], case["tools"])
                self.assertEqual([(hit["x"], hit["y"], hit["tool"])
                                  for hit in callbacks[tools:tools + hits]], case["hits"])
                for contour, (tool, width, vertices) in zip(callbacks[tools + hits:],
                                                            case["contours"]):
                    self.assertEqual((contour["tool"], contour["kind"], contour["width"]),
                                     (tool, 7, width))
                    self.assertEqual(contour["vertices"], vertices)
                    self.assertEqual(contour["record"],
                                     [7, width] + [word for vertex in vertices for word in vertex])
                    self.assertFalse(any(contour[flag] for flag in (
                        "closed", "breaks", "counterClockwise", "userFlag", "auxFlag")))

    def test_several_files_make_one_document(self):
        result = run("--json", example("board.drl"), example("holes.drl"))
        self.assertEqual(result.returncode, 0, result.stderr)
        reads = json.loads(result.stdout)["reads"]
        self.assertEqual([read["file"] for read in reads],
                         [example("board.drl"), example("holes.drl")])
        self.assertEqual([len(read["callbacks"]) for read in reads], [7, 23])

    def test_names_that_need_escaping(self):
        with tempfile.TemporaryDirectory() as directory:
            odd = os.path.join(directory, 'we"ird & <caf\u00e9>\\.drl')
            shutil.copy(example("board.drl"), odd)
            picture = os.path.join(directory, "odd.svg")
            result = run("--json", "--svg", picture, odd)
            self.assertEqual(result.returncode, 0, result.stderr)
            self.assertEqual(json.loads(result.stdout)["reads"][0]["file"], odd)
            title = ElementTree.parse(picture).getroot().find(SVG_NS + "title").text
            self.assertTrue(title.endswith(odd))


class Svg(unittest.TestCase):
    def picture(self, *arguments):
        with tempfile.TemporaryDirectory() as directory:
            path = os.path.join(directory, "board.svg")
            result = run(*arguments[:-1], "--svg", path, arguments[-1])
            self.assertEqual(result.returncode, 0, result.stderr)
            return ElementTree.parse(path).getroot()

    @staticmethod
    def classes(element):
        return element.get("class", "").split()

    def test_pictures_of_the_examples(self):
        for name, case in CASES.items():
            with self.subTest(name):
                root = self.picture("-f", example(case["format"]), example(name + ".drl"))
                board = root.find(SVG_NS + "g[@id='board']")
                holes = [e for e in board if "hole" in self.classes(e)]
                contours = [e for e in board if "contour" in self.classes(e)]
                self.assertEqual(len(holes), len(case["hits"]))
                self.assertEqual(len(contours), len(case["contours"]))
                legend = root.find(SVG_NS + "g[@id='legend']")
                self.assertEqual(len(legend.findall(SVG_NS + "text")), len(case["tools"]))
                scale = root.find(SVG_NS + "g[@id='scale-bar']")
                self.assertRegex(scale.find(SVG_NS + "text").text, r"^\d+(\.\d+)? mm$")
                self.check_holes_point_up(holes, case)
                self.check_view_holds_everything(root, case)

    def check_holes_point_up(self, holes, case):
        round_holes = [(float(e.get("cx")), -float(e.get("cy"))) for e in holes
                       if e.tag == SVG_NS + "circle"]
        expected = [(x / 1e6, y / 1e6) for x, y, tool in case["hits"]
                    if case["tools"][tool - 1]["holeType"] == 0]
        self.assertEqual(len(round_holes), len(expected))
        for (x, y), (ex, ey) in zip(round_holes, expected):
            self.assertAlmostEqual(x, ex, delta=6e-5)
            self.assertAlmostEqual(y, ey, delta=6e-5)

    def check_view_holds_everything(self, root, case):
        view_x, view_y, width, height = (float(v) for v in root.get("viewBox").split())
        x_min, x_max, y_min, y_max = case["extents"]
        self.assertLess(view_x, x_min)
        self.assertGreater(view_x + width, x_max)
        self.assertLess(view_y, -y_max)
        self.assertGreater(view_y + height, -y_min)

    def test_arcs_are_true_arcs_turning_the_right_way(self):
        root = self.picture(example("outline.drl"))
        cutout, outline = [e.get("d") for e in root.iter(SVG_NS + "path")
                           if "contour" in self.classes(e)]
        arcs = re.findall(r"A([-\d.]+) ([-\d.]+) 0 ([01]) ([01]) ([-\d.]+) ([-\d.]+)", cutout)
        # Two clockwise half circles of radius 7.62 mm; clockwise with y up is SVG's sweep 1.
        self.assertEqual([(r, large, sweep) for r, _, large, sweep, _, _ in arcs],
                         [("7.6200", "0", "1")] * 2)
        arcs = re.findall(r"A([-\d.]+) ([-\d.]+) 0 ([01]) ([01]) ([-\d.]+) ([-\d.]+)", outline)
        self.assertEqual([(r, large, sweep) for r, _, large, sweep, _, _ in arcs],
                         [("6.3500", "0", "0")] * 4)
        self.assertEqual(arcs[0][4:], ("76.2000", "-6.3500"))

    def test_several_files_share_one_picture(self):
        root = self.picture(example("board.drl"), example("holes.drl"))
        holes = [e for e in root.iter() if "hole" in self.classes(e)]
        self.assertEqual(len(holes), 5 + 19)
        labels = [e.text for e in root.find(SVG_NS + "g[@id='legend']")
                  if e.tag == SVG_NS + "text"]
        self.assertEqual([label.split()[:2] for label in labels],
                         [["board.drl", "T1"], ["board.drl", "T2"], ["holes.drl", "T1"],
                          ["holes.drl", "T2"], ["holes.drl", "T3"], ["holes.drl", "T4"]])


class SuggestFormat(unittest.TestCase):
    def test_suggestions_read_the_examples_like_their_own_formats(self):
        for name in ("board", "metric"):
            with self.subTest(name), tempfile.TemporaryDirectory() as directory:
                suggestion = run("--suggest-format", example(name + ".drl"))
                self.assertEqual(suggestion.returncode, 0, suggestion.stderr)
                path = os.path.join(directory, "suggested.fmt")
                with open(path, "w", encoding="utf-8") as file:
                    file.write(suggestion.stdout)
                own = json.loads(dump(name, "--json").stdout)["reads"][0]
                suggested = run("-f", path, "--json", example(name + ".drl"))
                self.assertEqual(suggested.returncode, 0, suggested.stderr)
                self.assertEqual(json.loads(suggested.stdout)["reads"][0], own)

    def test_a_program_without_header_gets_the_defaults(self):
        result = run("--suggest-format", example("default.fmt"))
        self.assertEqual(result.returncode, 1)
        self.assertIn(".DataFormat 2,4\n", result.stdout)
        self.assertEqual(result.stderr.count("\n"), 1)


class ExitStatus(unittest.TestCase):
    def assert_one_line(self, result, status, start):
        self.assertEqual(result.returncode, status)
        self.assertEqual(result.stdout, "")
        self.assertEqual(result.stderr.count("\n"), 1, result.stderr)
        self.assertTrue(result.stderr.startswith("perforex-dump: " + start), result.stderr)

    def test_usage_errors_and_unreadable_arguments(self):
        board = example("board.drl")
        self.assert_one_line(run(), 2, "no drill file given (usage: ")
        self.assert_one_line(run("--verbose", board), 2, "unknown option '--verbose'")
        self.assert_one_line(run(board, "--svg"), 2, "option --svg needs a file name")
        self.assert_one_line(run("/nonexistent/x.drl"), 2,
                             "cannot read drill file '/nonexistent/x.drl'")
        self.assert_one_line(run("-f", "/nonexistent/m.fmt", board), 2,
                             "cannot read machine format file '/nonexistent/m.fmt'")
        self.assert_one_line(run("--svg", "/nonexistent/dir/x.svg", board), 2,
                             "cannot write picture '/nonexistent/dir/x.svg'")

    def test_a_machine_format_with_errors_fails_every_read(self):
        with tempfile.TemporaryDirectory() as directory:
            machine_format = os.path.join(directory, "bad.fmt")
            with open(machine_format, "w", encoding="ascii") as file:
                file.write(".FILETYPE DRILL_MACHINE_FILE\n.Comments TRAILING\n")
            result = run("-f", machine_format, "--json", example("board.drl"),
                         example("holes.drl"))
            self.assertEqual(result.returncode, 1)
            totals = ('\nError, There were 2 machine format errors detected\n'
                      '  in file \\"%s\\"\n' % machine_format)
            self.assertEqual(result.stderr.count(totals), 2, result.stderr)
            reads = json.loads(result.stdout)["reads"]
            self.assertEqual([(read["callbacks"], read["result"]) for read in reads],
                             [([], 0), ([], 0)])

    def test_the_default_format_is_found_next_to_the_executable_only(self):
        result = run("--json", example("board.drl"))
        self.assertEqual(json.loads(result.stdout)["machineFormat"],
                         os.path.join(os.path.dirname(os.path.realpath(DUMP)), "auto.fmt"))
        with tempfile.TemporaryDirectory() as directory:
            alone = os.path.join(directory, "perforex-dump")
            shutil.copy(DUMP, alone)
            result = subprocess.run([alone, example("board.drl")], capture_output=True,
                                    text=True, check=False)
            self.assertEqual(result.returncode, 2)
            self.assertTrue(result.stderr.startswith("perforex-dump: no default machine format"))


class NoFormatFile(unittest.TestCase):
    def test_the_nc_param_beside_a_drill_file_gives_its_format(self):
        drill = example("allegro/drill.drl")
        with tempfile.TemporaryDirectory() as scratch:
            result = subprocess.run([DUMP, "--json", drill], capture_output=True, text=True,
                                    check=False, env=dict(os.environ, TMPDIR=scratch))
            self.assertEqual(os.listdir(scratch), [])
        self.assertEqual(result.returncode, 0, result.stderr)
        # Millimetres, 3,3, every zero written; without the side file it would be inches.
        self.assertEqual(result.stderr, "perforex-dump: %s: fallback format from %s: MM 3,3 NONE "
                         "ABSOLUTE\n" % (drill, example("allegro/nc_param.txt")))
        callbacks = json.loads(result.stdout)["reads"][0]["callbacks"]
        self.assertEqual([(c["tool"], c["diameter"]) for c in callbacks[:2]],
                         [(1, 800000), (2, 3000000)])
        self.assertEqual([(c["x"], c["y"], c["tool"]) for c in callbacks[2:]],
                         [(10000000, 5000000, 1), (12540000, 5000000, 1), (15080000, 5000000, 1),
                          (3000000, 3000000, 2), (57000000, 37000000, 2)])


class ReadErrors(unittest.TestCase):
    def test_a_read_with_errors_exits_with_1_and_passes_the_messages_on(self):
        with tempfile.TemporaryDirectory() as directory:
            drill = os.path.join(directory, "bad.drl")
            with open(drill, "w", encoding="ascii") as file:
                file.write("M48\nINCH,TZ\nT01C0.035\n%\nT01\nX1000Y1000\nG99\nM30\n")
            result = run("-f", example("default.fmt"), "--json", drill)
            self.assertEqual(result.returncode, 1)
            self.assertEqual(result.stderr,
                             "Error: Unknown token G99 found at the line 7\n"
                             "Error: Unknown character G found at line number 7\n"
                             "\n The Total number of Errors: 1 Warnings:0 in parsing\n\n  ")
            (read,) = json.loads(result.stdout)["reads"]
            self.assertEqual(read["result"], 0)
            self.assertEqual(len(read["callbacks"]), 2)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[1:])
