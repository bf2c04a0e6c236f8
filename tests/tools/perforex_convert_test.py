"""Checks perforex-convert as a user meets it, reading what it writes with perforex-dump. Expected
programs and numbers are worked out by hand from the example programs (KiCad's millimetres with
points; default.fmt: inch 3,3, a step of 25400 nm)."""

import json
import os
import shlex
import subprocess
import tempfile
import unittest

CONVERT, DUMP, SOURCE = (os.environ["PERFOREX_" + name] for name in ("CONVERT", "DUMP", "SOURCE"))
RUN = shlex.split(os.environ.get("PERFOREX_RUN", ""))
PTH, NPTH = (os.path.join(SOURCE, "examples", "kicad", "board-%s.drl" % kind)
             for kind in ("PTH", "NPTH"))
KICAD = os.path.join(SOURCE, "examples", "cad", "kicad.drl")
DEFAULT = os.path.join(SOURCE, "examples", "default.fmt")


def run(program, *arguments):
    result = subprocess.run([*RUN, program, *arguments], capture_output=True, check=False)
    result.out, result.err = result.stdout.decode(), result.stderr.decode()
    return result


def callbacks(path, *options):
    """The tools (number, diameter), holes (x, y, tool) and contours (tool, vertices) that
    perforex-dump reads from path."""
    read = json.loads(run(DUMP, "--json", *options, path).out)["reads"][0]["callbacks"]
    tools = [(c["tool"], c["diameter"]) for c in read if c["callback"] == "AddTool"]
    holes = [(c["x"], c["y"], c["tool"]) for c in read if c["callback"] == "AddHit"]
    contours = [(c["tool"], [v[:2] for v in c["vertices"]]) for c in read
                if c["callback"] == "AddContour"]
    return tools, holes, contours


class Scratch(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def convert(self, *arguments, status=0):
        result = run(CONVERT, *arguments)
        self.assertEqual(result.returncode, status, result.err)
        return result


class DoneWhen(Scratch):
    def test_kicad_for_the_default_machine_reads_to_its_holes_within_half_a_step(self):
        out = self.path("out.drl")
        result = self.convert(KICAD, "-o", out, "-f", DEFAULT, status=1)
        self.assertRegex(result.err, r"warning: \d+ values rounded to the machine format's step")
        tools, holes, contours = callbacks(KICAD)
        read_tools, read_holes, read_contours = callbacks(out, "-f", DEFAULT)
        self.assertEqual([t for t, _ in read_tools], [1, 2, 3, 4])
        self.assertEqual([h[2] for h in read_holes], [h[2] for h in holes])
        # Half a thousandth of an inch, and the nanometre the strict reading's arithmetic may add.
        for hole, read in zip(holes + [v for c in contours for v in c[1]],
                              read_holes + [v for c in read_contours for v in c[1]]):
            self.assertLessEqual(max(abs(read[0] - hole[0]), abs(read[1] - hole[1])), 12701)
        self.assertEqual(len(read_holes), 7)

    def test_kicad_for_a_metric_machine_reads_to_the_same_callbacks_exactly(self):
        out = self.path("out.drl")
        metric = os.path.join(SOURCE, "examples", "metric.fmt")
        self.assertEqual(self.convert(KICAD, "-o", out, "-f", metric).err, "")
        self.assertEqual(callbacks(out, "-f", metric), callbacks(KICAD))

    def test_plated_and_non_plated_programs_merge_with_plating_kept_per_tool(self):
        out = self.path("board.drl")
        self.convert(PTH, NPTH, "--merge", "-o", out)
        # 1 mm is drilled plated and not: two tools. The AUTO format is modal, so a Y the
        # hole before had is left out.
        with open(out, encoding="ascii") as written:
            self.assertEqual(
                written.read(),
                "M48\nMETRIC\n;TYPE=PLATED\nT01C0.4\nT02C1.0\n;TYPE=NON_PLATED\nT03C1.0\n"
                "T04C3.2\n%\nT01\nG05\nX110.0Y-80.0\nX115.5\nT02\nX120.0Y-85.0\nX122.54\nT03\n"
                "X130.0Y-90.0\nT04\nX105.0Y-75.0\nX135.0\nM30\n")
        union = [(x, y, {1: 1, 2: 2}[t]) for x, y, t in callbacks(PTH)[1]]
        union += [(x, y, {1: 3, 2: 4}[t]) for x, y, t in callbacks(NPTH)[1]]
        self.assertEqual(callbacks(out)[1], union)


class Operations(Scratch):
    def test_a_panel_repeats_the_holes_row_by_row_at_the_pitches(self):
        out = self.path("panel.drl")
        self.convert(PTH, "--step", "2x2@2in,-30", "-o", out)
        holes = callbacks(PTH)[1]
        shifts = [(0, 0), (50800000, 0), (0, -30000000), (50800000, -30000000)]
        self.assertEqual(callbacks(out)[1],
                         [(x + dx, y + dy, t) for dx, dy in shifts for x, y, t in holes])
        # Half a nanometre is one, away from zero on either side.
        self.convert(PTH, "--step", "2x2@0.0000005,-0.0000005mm", "-o", out)
        shifts = [(0, 0), (1, 0), (0, -1), (1, -1)]
        self.assertEqual(callbacks(out)[1],
                         [(x + dx, y + dy, t) for dx, dy in shifts for x, y, t in holes])

    def test_a_rack_moves_tools_onto_its_sizes_and_merges_those_made_equal(self):
        out = self.path("rack.drl")
        # 0.4 and 1.0 mm both lie 0.3 mm from 0.7 mm, and both are plated.
        self.convert(PTH, "--rack", "0.7", "--tolerance", "0.3", "-o", out)
        tools, holes, _ = callbacks(out)
        self.assertEqual(tools, [(1, 700000)])
        self.assertEqual([h[2] for h in holes], [1, 1, 1, 1])

    def test_tools_off_the_rack_keep_their_size_and_are_reported(self):
        out = self.path("rack.drl")
        result = self.convert(PTH, NPTH, "--merge", "--rack", "0.4,0.9,3", "-o", out, status=1)
        self.assertEqual(result.err.splitlines()[2:], [
            "perforex-convert: warning: tool %d of %s mm keeps its size: the nearest on the rack, "
            "%s mm, lies %s mm from it" % miss
            for miss in ((2, "1", "0.9", "0.1"), (3, "1", "0.9", "0.1"), (4, "3.2", "3", "0.2"))])
        self.assertEqual([d for _, d in callbacks(out)[0]], [400000, 1000000, 1000000, 3200000])


class ExitStatus(Scratch):
    def test_nothing_is_written_for_a_bad_command_line_or_input(self):
        out = self.path("out.drl")
        empty = self.path("empty.drl")
        open(empty, "wb").close()
        cases = [
            ([], "no drill file given"),
            ([KICAD], "no output file given: -o OUT"),
            ([PTH, NPTH, "-o", out], "several drill files make one program only with --merge"),
            ([KICAD, "-o", out, "--step", "2x@1,1"], "--step takes NXxNY@DX,DY"),
            ([KICAD, "-o", out, "--rack", "0.4,wide"], "'wide' is no length"),
            ([KICAD, "-o", out, "--tolerance", "0.1"], "--tolerance is for --rack"),
            ([KICAD, "-o", out, "--rack", "3000"], "'3000' lies beyond the 32-bit nanometre range"),
            ([self.path("none.drl"), "-o", out], "cannot read drill file"),
            ([empty, "-o", out], "yields no tool, hole or contour"),
            ([KICAD, "-o", out, "-f", self.path("none.fmt")], "the machine format file"),
            ([KICAD, "-o", self.path("no/such/folder.drl")], "cannot write"),
            # 142 mm, the contour's end, and 2147 mm beyond it.
            ([KICAD, "-o", out, "--step", "2x1@2147,0"],
             "cannot step the program: the panel reaches x 2289000000 nm"),
        ]
        for arguments, message in cases:
            result = self.convert(*arguments, status=2)
            self.assertTrue(result.err.startswith("perforex-convert: "), result.err)
            self.assertIn(message, result.err.splitlines()[0])
            self.assertFalse(os.path.exists(out), arguments)

    def test_help_names_the_units_and_the_statuses(self):
        result = self.convert("--help")
        self.assertTrue(result.out.startswith("usage: perforex-convert DRILL_FILE... -o OUT"))
        self.assertIn("inches with the suffix \"in\"", result.out)
        self.assertIn("  2  nothing was written", result.out)
        self.assertRegex(self.convert("-V").out, r"^perforex-convert \(PerforexReader\) \d")


if __name__ == "__main__":
    unittest.main()
