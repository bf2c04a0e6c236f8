"""Checks perforex-dump's contract as a user meets it. Expected numbers are worked out by hand
from the example programs (outline.drl: 0.001 in per digit; metric.drl: mm, 3,3, LZ)."""

import glob
import json
import os
import re
import shlex
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree

DUMP, SOURCE = (os.environ["PERFOREX_" + name] for name in ("DUMP", "SOURCE"))
# What runs a program built for another system (Wine for Windows), or nothing.
RUN = shlex.split(os.environ.get("PERFOREX_RUN", ""))
# Windows names hold no control characters; there the odd name is one beyond ASCII.
ODD_NAME = "odd-\u20ac.drl" if os.environ.get("PERFOREX_SYSTEM") == "Windows" else "odd\t\x01.drl"
SVG = "{http://www.w3.org/2000/svg}"
OUTLINE = os.path.join(SOURCE, "examples", "outline.drl")
# The lines on the unit, zero suppression and digits that a read without -f starts with.
EVIDENCE = r"(perforex-dump: [^\n]*: (unit|zero suppression|digits): [^\n]*\n){3}"


def read(*path):
    with open(os.path.join(*path), encoding="utf-8") as file:
        return file.read()


def example(name):
    return os.path.join(SOURCE, "examples", name)


def run(*arguments, program=DUMP):
    result = subprocess.run([*RUN, program, *arguments], capture_output=True, check=False)
    result.out, result.err = result.stdout.decode(), result.stderr.decode()
    return result


SCHEMA = json.loads(read(SOURCE, "docs", "perforex-dump.schema.json"))
TYPES = {"object": dict, "array": list, "string": str, "boolean": bool, "null": type(None),
         "integer": int, "number": (int, float)}


def validate(value, schema, path="$"):
    """Validates against the subset of JSON Schema that the schema file uses; any other keyword
    is refused, so that nothing in the schema goes unchecked."""
    for key, rule in schema.items():
        if key == "$ref":
            validate(value, SCHEMA["$defs"][rule.rsplit("/", 1)[1]], path)
        elif key == "type":
            names = [rule] if isinstance(rule, str) else rule
            assert any(isinstance(value, TYPES[name]) and (name == "boolean") == isinstance(
                value, bool) for name in names), path
        elif key in ("enum", "const"):
            options = rule if key == "enum" else [rule]
            assert any(value == o and type(value) is type(o) for o in options), path
        elif key == "required":
            assert set(rule) <= set(value), (path, set(rule) - set(value))
        elif key == "properties":
            for name in set(rule) & set(value):
                validate(value[name], rule[name], path + "." + name)
        elif key == "additionalProperties":
            assert rule is False and set(value) <= set(schema["properties"]), path
        elif key == "items":
            for index, item in enumerate(value):
                validate(item, rule, "%s[%d]" % (path, index))
        elif key in ("minItems", "maxItems", "minimum"):
            size = value if key == "minimum" else len(value)
            assert size <= rule if key == "maxItems" else size >= rule, path
        elif key == "oneOf":
            assert [valid(value, option) for option in rule].count(True) == 1, path
        elif key not in ("$schema", "$defs", "title", "description"):
            raise ValueError("keyword the validator does not check: " + key)


def valid(value, schema):
    try:
        validate(value, schema)
        return True
    except AssertionError:
        return False


class Scratch(unittest.TestCase):
    def setUp(self):
        self.directory = tempfile.TemporaryDirectory()
        self.addCleanup(self.directory.cleanup)

    def write(self, name, data=b""):
        path = os.path.join(self.directory.name, name)
        with open(path, "wb") as file:
            file.write(data)
        return path

    def picture(self, *drill_files):
        path = self.write("picture.svg")
        self.assertEqual(run("--svg", path, *drill_files).returncode, 0)
        return ElementTree.parse(path).getroot()


def find(element, tag, kind):
    return element.findall("%s%s[@class='%s']" % (SVG, tag, kind))


def frame(drawing):
    return [find(drawing, "rect", "frame")[0].get(key) for key in ("x", "y", "width", "height")]


def title(drawing):
    return find(drawing, "text", "title")[0].text


def legend(drawing):
    (group,) = find(drawing, "g", "legend")
    return group, [text.text for text in group.iter(SVG + "text")]


class Golden(Scratch):
    def test_summary_of_the_outline_as_the_readme_shows_it(self):
        # T2 0.094 in = 2.3876 mm; length 2 pi 7.62 + 203.2 + 2 pi 6.35 mm; extents the 3 x 2 in
        # board grown by half the route width, 1.1938 mm; 290.9761 / 25.4 = 11.45575.
        result = run(OUTLINE)
        readme = read(SOURCE, "README.md")
        evidence = re.search(r"for `examples/outline.drl`[^`]*```\n(.*?)```", readme, re.S).group(1)
        self.assertEqual((result.returncode, result.err),
                         (0, evidence.replace("examples/outline.drl", OUTLINE)))
        shown = re.search(r"It prints, besides[^`]*```\n(.*?)```", readme, re.S).group(1)
        self.assertIn("290.9761 mm (11.45575 in)\n  extents: x -1.1938 .. 77.3938 mm", shown)
        self.assertEqual(result.out, shown.replace("examples/outline.drl", OUTLINE, 1) + "\n")

    def test_json_of_the_metric_example(self):
        result = run("-f", example("metric.fmt"), "--json", example("metric.drl"))
        document = json.loads(result.out)
        self.assertEqual(document["machineFormat"], example("metric.fmt"))
        (entry,) = document["reads"]
        self.assertEqual((entry["machineFormat"], entry["evidence"]),
                         ({"file": example("metric.fmt")}, []))
        *tools_and_hits, contour = entry["callbacks"]
        self.assertEqual(
            [(c["tool"], c.get("diameter"), c.get("x"), c.get("y")) for c in tools_and_hits],
            [(1, 800000, None, None), (2, 1000000, None, None), (3, 2000000, None, None)]
            + [(tool, None, x * 500000, y * 1000000) for x, y, tool in (
                (20, 10, 1), (30, 10, 1), (40, 10, 1), (81, 20, 2), (91, 20, 2), (101, 20, 2),
                (111, 20, 2))])
        vertices = [[0, 0, 0], [60000000, 0, 0], [60000000, 30000000, 0], [0, 30000000, 0],
                    [0, 0, 0]]
        self.assertEqual([contour[key] for key in ("callback", "tool", "kind", "kindCode",
                                                   "closed", "vertices", "record")],
                         ["AddContour", 3, "polyarcPath", 7, False, vertices,
                          [7, 2000000] + sum(vertices, [])])
        self.assertEqual(entry["result"], 1)

    def test_picture_of_the_outline(self):
        root = self.picture(OUTLINE)
        (drawing,) = find(root, "g", "drawing")
        self.assertEqual(title(drawing), OUTLINE)
        self.assertEqual(frame(drawing), ["-1.1938", "-51.9938", "78.5876", "53.1876"])
        lines = legend(drawing)[1]
        self.assertEqual(lines, ["T1 Round 3.1750 mm: 4 holes, 0 contours",
                                 "T2 Round 2.3876 mm: 0 holes, 2 contours"])
        cutout, outline = [e.get("d") for e in find(drawing, "g/*", "contour c1")]
        # Clockwise with y up is SVG's sweep 1; the rounded corners turn the other way.
        self.assertEqual(re.findall(r"A(\S+ \S+ 0 \d \d)", cutout), ["7.6200 7.6200 0 0 1"] * 2)
        self.assertEqual(re.findall(r"A(\S+ \S+ 0 \d \d)", outline), ["6.3500 6.3500 0 0 0"] * 4)


class Picture(Scratch):
    def test_an_overlay_draws_a_drill_and_a_rout_program_in_one_frame(self):
        drill = self.write("drill.drl", b"M48\nMETRIC\nT1C1.0\n%\nT1\nX10.0Y10.0\nX90.0Y50.0\n"
                                         b"X110.0Y30.0\nM30\n")
        rout = self.write("rout.drl", b"M48\nMETRIC\nT1C2.0\n%\nT1\nG00X0.0Y0.0\nM15\n"
                                       b"G01X100.0Y0.0\nX100.0Y60.0\nX0.0Y60.0\nX0.0Y0.0\nM16\nM30\n")
        (drawing,) = find(self.picture("--overlay", drill, rout), "g", "drawing")
        self.assertEqual(title(drawing), drill + " + " + rout)
        # The holes reach x 110.5 mm, the 2 mm wide route x and y -1 mm and y 61 mm.
        self.assertEqual(frame(drawing), ["-1.0000", "-61.0000", "111.5000", "62.0000"])
        drilled, routed = find(drawing, "g", "board")
        self.assertEqual([(e.get("class"), e.get("cx"), e.get("cy")) for e in drilled],
                         [("hole c0", "10.0000", "-10.0000"), ("hole c0", "90.0000", "-50.0000"),
                          ("hole c0", "110.0000", "-30.0000")])
        self.assertEqual([(e.get("class"), e.get("d")) for e in routed], [(
            "contour c1", "M0.0000 0.0000 L100.0000 0.0000 L100.0000 -60.0000 L0.0000 -60.0000 "
                          "L0.0000 0.0000")])
        self.assertEqual(legend(drawing)[1], [drill, "T1 Round 1.0000 mm: 3 holes, 0 contours",
                                              rout, "T1 Round 2.0000 mm: 0 holes, 1 contour"])


class Json(Scratch):
    def test_tools_say_whether_they_are_plated(self):
        named = self.write("board-NPTH.drl", b"M48\nT1C0.1\nT2C0.2\n%\nT1\nX1Y1\n")
        (read,) = json.loads(run("--json", named).out)["reads"]
        self.assertEqual([c.get("plating") for c in read["callbacks"]], ["non-plated"] * 2 + [None])
        self.assertTrue(run(named).out.splitlines()[2].endswith(" 0.0000 non-plated"))

    def test_output_follows_the_schema(self):
        drills = [example(name + ".drl") for name in ("board", "holes", "outline", "metric")]
        odd = self.write(ODD_NAME, b"M48\nT1C0.1\n%\nT1\nX1Y1\n")  # escaped in JSON
        result = run("--json", "/nonexistent.drl", *drills, self.write("empty.drl"), odd)
        self.assertEqual(result.returncode, 2)
        document = json.loads(result.out)
        validate(document, SCHEMA)
        # Without -f each file names the format it was read with: the built-in auto.fmt with the
        # settings detected for it after it (board.drl states INCH, TZ and 000.000 on line 2).
        self.assertIsNone(document["machineFormat"])
        reads = document["reads"]
        text = reads[1]["machineFormat"]["text"]
        self.assertTrue(text.startswith(read(SOURCE, "examples", "auto.fmt")))
        self.assertTrue(text.endswith("\n.DataType AUTO\n.Unit IN\n.DataFormat 3,3\n"
                                      ".ZeroTruncation LEADING\n.StepMode ABSOLUTE\n"))
        self.assertEqual(reads[1]["evidence"][0], {"item": "unit", "value": "inch", "line": 2,
                                                   "reason": "from INCH on line 2",
                                                   "text": "unit: inch, from INCH on line 2"})
        self.assertEqual(reads[0], {"file": "/nonexistent.drl",
                                    "notRead": "cannot read drill file: No such file or directory"})
        self.assertEqual([read.get("result") for read in reads], [None, 1, 1, 1, 1, 1, 1])
        self.assertEqual((reads[-2]["checks"], reads[-1]["file"]), (["the file is empty"], odd))
        # metric.drl's T1 of 0.8 mm: read after three inch files, with a format of its own.
        self.assertEqual(reads[4]["callbacks"][0]["diameter"], 800000)
        reads[3]["callbacks"][-1]["kind"] = 7
        self.assertFalse(valid(document, SCHEMA))

    def test_messages_arrive_among_the_callbacks_where_the_reader_wrote_them(self):
        # G91 on line 6 warns (message 14); then X1000Y1000 at 3,3 steps 1 in = 25400000 nm each
        # way; the totals (message 22) name no line and count as neither.
        drill = self.write("steps.drl", b"M48\nINCH,TZ\nT01C0.035\n%\nT01\nG91\nX1000Y1000\nM30\n")
        result = run("-f", example("default.fmt"), "--json", drill)
        document = json.loads(result.out)
        validate(document, SCHEMA)
        (entry,) = document["reads"]
        step = "Warning: Change of step mode wanted from input gerb file at line number 6 and doing " \
               "the change\n"
        totals = "\n The Total number of Errors: 0 Warnings:1 in parsing\n\n  "
        message = lambda number, line, kind, text: {"callback": "AddMessage", "number": number,
                                                    "line": line, "kind": kind, "text": text}
        self.assertEqual(entry["callbacks"][1:], [
            message(14, 6, "warning", step),
            {"callback": "AddHit", "x": 25400000, "y": 25400000, "tool": 1},
            message(22, 0, None, totals)])
        self.assertEqual((entry["callbacks"][0]["diameter"], entry["warnings"], entry["messages"]),
                         (889000, 1, 1))
        self.assertEqual(result.err, step + totals + "\n")


class ExitStatus(Scratch):
    def check(self, arguments, status, stderr, stdout=None, program=DUMP):
        result = run(*arguments, program=program)
        self.assertEqual(result.returncode, status, result.err)
        self.assertRegex(result.err, stderr)
        if stdout is not None:
            self.assertEqual(result.out, stdout)
        return result

    def test_statuses_and_messages(self):
        board, examples = example("board.drl"), os.path.dirname(OUTLINE)
        gerber = self.write("top.gbr", b"%FSLAX26Y26*%\n%MOMM*%\n%ADD10C,0.100*%\nD10*\n"
                                       b"X0Y0D02*\nX1000000Y0D01*\nM02*\n")
        typo = self.write("typo.fmt", b".FILETYPE DRILL_MACHINE_FILE\n.Unit INCHES\n")
        mm24 = self.write("mm24.fmt", b".Unit MM\n.DataFormat 2,4\n")
        one = "^perforex-dump: %s.*\n$"
        # A bad command line: its reason, then the usage exactly as --help begins.
        bad = "^perforex-dump: %s\n" + re.escape(run("--help").out.split("\n\n")[0]) + "\n$"
        warned = r"^perforex-dump: .*%s: warning: the header states %s\nperforex-dump: .*%s: warn" \
                 r"ing: the header states %s\n$"
        cases = [
            ([], 2, bad % "no drill file given", ""),
            (["--verbose", board], 2, bad % "unknown option '--verbose'", ""),
            (["--overlay", board], 2, bad % "--overlay draws the picture of --svg, which is not "
                                            "given", ""),
            (["--svg", "/nonexistent/x.svg", board], 2, one % "cannot write picture", ""),
            (["/nonexistent/x.drl"], 2, one % "cannot read drill file '/nonexistent/x.drl': No "
                                              "such file or directory", None),
            ([examples], 2, one % "cannot read drill file '.*': Is a directory", None),
            (["-f", examples, board], 2, one % "cannot read machine format file '.*': Is a", ""),
            (["-f", "/nonexistent.fmt", board], 2, one % "cannot read machine format file '/none",
             ""),
            (["-f", typo, board], 2, r"Bad constant value <INCHES>[^$]*\nperforex-dump: the "
                                     "machine format file '.*typo.fmt' cannot be used: see the "
                                     "messages above; nothing read\n$", ""),
            ([self.write("empty.drl")], 1, "^%sperforex-dump: .*empty.drl: warning: the file is "
                                           "empty\n$" % EVIDENCE, None),
            ([gerber], 1, r"\nError: Unknown character F found at line number 1\n[^$]*\n"
                          r"perforex-dump: .*top.gbr: warning: the file "
                          r"yields no tool, hole or contour: is it a drill program\?\n$", None),
            (["-f", example("default.fmt"), example("metric.drl")], 1, warned % (
                "metric.drl", "METRIC but the machine format has .Unit IN: the numbers are 25.4 "
                "times off", "metric.drl", r"LZ \(.ZeroTruncation TRAILING\) but the machine "
                "format has .ZeroTruncation LEADING"), None),
            (["-f", mm24, board], 1, warned % (
                "board.drl", "INCH but the machine format has .Unit MM: the numbers are 25.4 times "
                "off", "board.drl", "the digits 3,3 but the machine format has .DataFormat 2,4"),
             None),
            # A header that states no unit leaves it to a later M71, which the check still sees.
            (["-f", example("default.fmt"), self.write("late.drl", b"M48\nT01C0.8\n%\nM71\nT01\n"
                                                                   b"X10000Y10000\nM30\n")], 1,
             one % ".*late.drl: warning: the header states METRIC but the machine format has "
                   ".Unit IN", None),
            (["-f", example("auto.fmt"), example("metric.drl")], 0, "^$", None),
            (["--suggest-format", example("default.fmt")], 0, one % "no M48 header in '.*'; the "
             "suggestion is for the AUTO reading", None),
            (["--suggest-format", self.write("nothing.drl")], 0, one % "no M48 header in '.*'; the "
             "suggestion is for the EXCELLON reading", None),
        ]
        for arguments, status, stderr, stdout in cases:
            with self.subTest(arguments):
                self.check(arguments, status, stderr, stdout)

    def test_no_machine_format_file_is_needed_beside_the_executable(self):
        alone = shutil.copy(DUMP, self.write(os.path.basename(DUMP)))
        # Windows finds a program's DLLs beside it only.
        for dll in glob.glob(os.path.join(os.path.dirname(DUMP), "*.dll")):
            shutil.copy(dll, self.write(os.path.basename(dll)))
        beside = run(OUTLINE)
        self.check([OUTLINE], 0, "^%s$" % re.escape(beside.err), beside.out, program=alone)

    def test_messages_are_escaped_counted_and_their_line_ended(self):
        drill = self.write("bad.drl", b"M48\nINCH,TZ\nT01C0.035\n%\nT01\nX1000Y1000\n\x1b\nG99\n")
        # The reader counts one error; three error lines are shown. Its totals end with two
        # spaces, after which the tool ends the line.
        result = self.check(["-f", example("default.fmt"), drill], 1,
                            r"^Error: Unknown character \\x1B found at line number "
                            r"7\nError: Unknown token G99 found at the line 8\nError: Unknown "
                            r"character G found at line number 8\n\n The Total number of Errors: 1 "
                            r"Warnings:0 in parsing\n\n  \n$")
        self.assertTrue(result.out.endswith("  result: 0 (3 errors, 0 warnings in 3 messages)\n\n"))

    def test_each_file_s_messages_follow_a_line_naming_it(self):
        bad = self.write("bad.drl", b"M48\nINCH,TZ\nT01C0.035\n%\nT01\nX1000Y1000\nG99\n")
        board, missing = example("board.drl"), "/nonexistent.drl"
        self.check(["-f", example("default.fmt"), board, missing, bad], 2, "^%s$" % re.escape(
            "perforex-dump: ==> %s <==\nperforex-dump: ==> %s <==\nperforex-dump: cannot read "
            "drill file '%s': No such file or directory\nperforex-dump: ==> %s <==\nError: "
            "Unknown token G99 found at the line 7\nError: Unknown character G found at line "
            "number 7\n\n The Total number of Errors: 1 Warnings:0 in parsing\n\n  \n"
            % (board, missing, missing, bad)))

    def test_a_long_message_line_keeps_its_ends_and_its_count(self):
        digits = "1" * 1000
        drill = self.write("long.drl", b"M48\nINCH,TZ\nT01C0.035\n%%\nT01\nX%sY1000\nM30\n"
                           % digits.encode())
        # The first and last 100 bytes of the message that echoes the number are kept.
        line = ("Warning: Length of co-ordinate data %s is found to be greater than M+N length 6 "
                "at line number 6 Which may cause loss of data" % digits)
        result = self.check(["-f", example("default.fmt"), drill], 1, "^%s\n" % re.escape(
            "%s...[%d bytes left out]...%s" % (line[:100], len(line) - 200, line[-100:])))
        self.assertIn("  result: 0 (1 error, 1 warning in 2 messages)\n", result.out)

    def test_help_and_version(self):
        result = self.check(["--help"], 0, "^$")
        self.assertEqual(run("-h").out, result.out)
        self.assertRegex(run("-V").out, r"^perforex-dump \(PerforexReader\) \d+\.\d+\.\d+\n$")


class NoFormatFile(Scratch):
    def test_standard_input_reads_as_the_file_does(self):
        kicad = example("cad/kicad.drl")
        with open(kicad, "rb") as file:
            piped = subprocess.run([*RUN, DUMP, "-"], input=file.read(), capture_output=True,
                                   check=False)
        named = run(kicad)
        self.assertEqual((piped.returncode, piped.stdout.decode(), piped.stderr.decode()),
                         (named.returncode, named.out.replace(kicad, "-"),
                          named.err.replace(kicad, "-")))

    def test_cad_programs_read_to_their_holes_slots_and_contours(self):
        # Worked out from the programs by hand: the counts of tools, holes and slots or contours,
        # and the first hole in nanometres (inch 25400000, mm 1000000 per unit, exact).
        examples = {
            "allegro": (3, 6, 0, [41910000, 58420000, 1]),
            "altium": (4, 6, 1, [59690000, 25400000, 1]),
            "diptrace": (2, 5, 0, [30480000, 21590000, 1]),
            "eagle": (3, 9, 0, [13335000, 8255000, 1]),
            "easyeda": (2, 4, 0, [33655000, -30861000, 1]),
            "fritzing": (3, 5, 0, [3175000, 3175000, 1]),
            "geda": (2, 3, 0, [31750000, 15875000, 99]),
            "kicad": (4, 7, 1, [112500000, -84250000, 1]),
            "orcad": (2, 6, 0, [25400000, 12700000, 1]),
            "pads": (3, 6, 0, [31750000, 12700000, 1]),
            "target3001": (3, 3, 1, [12700000, 7620000, 1]),
            "upverter": (2, 3, 0, [25400000, 50800000, 1]),
            "zuken": (2, 4, 0, [12700000, 5080000, 1]),
        }
        for name, (tools, holes, contours, first) in examples.items():
            with self.subTest(name):
                result = run("--json", example("cad/%s.drl" % name))
                self.assertEqual(result.returncode, 0, result.err)
                callbacks = json.loads(result.out)["reads"][0]["callbacks"]
                kinds = [c["callback"] for c in callbacks]
                hits = [[c["x"], c["y"], c["tool"]] for c in callbacks if c["callback"] == "AddHit"]
                self.assertEqual((kinds.count("AddTool"), len(hits), kinds.count("AddContour"),
                                  hits[0]),
                                 (tools, holes, contours, first))


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1] + sys.argv[1:])
