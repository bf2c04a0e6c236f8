"""Tests of the Python package perforex, run by ctest with the package of the build tree; the
C++ tests prove the readings themselves, these what the package makes of them."""

import gc
import glob
import importlib.util
import os
import subprocess
import sys
import tempfile
import unittest

import perforex
from perforex._capi import find_library

SOURCE = os.environ["PERFOREX_SOURCE"]
# Millimetres, three decimal digits, leading zeros left out: X4000 is 4 mm.
FORMAT = ".Unit MM\n.DataFormat 3,3\n.ZeroTruncation LEADING\n"
# Two tools, two holes, a contour of a line and a clockwise half circle of radius 1.5 mm, and a
# code without an effect on line 15.
PROGRAM = (b"M48\nT01C1.000\nT02 Slot 2.000x1.000 R90\n%\nT01\nX1000Y2000\nX-500Y250\nT02\n"
           b"G00X0Y0\nM15\nG01X4000Y0\nG02X4000Y3000A1500\nM16\nT01\nG70\nM30\n")


def temporary_file(data, mode=0o600):
    handle, path = tempfile.mkstemp(prefix="perforex_python_")
    os.write(handle, data)
    os.close(handle)
    os.chmod(path, mode)
    return path


class ReadTest(unittest.TestCase):
    def setUp(self):
        self.program = temporary_file(PROGRAM)
        self.format = temporary_file(FORMAT.encode())
        self.addCleanup(os.remove, self.program)
        self.addCleanup(os.remove, self.format)

    def check_board(self, board):
        self.assertEqual(board.result, 0)
        self.assertEqual(board.tools, [perforex.Tool(1, 0, 1000000, 0, 0, 0.0),
                                       perforex.Tool(2, 2, 0, 2000000, 1000000, 90.0)])
        self.assertEqual(list(board.holes), [(1000000, 2000000, 1), (-500000, 250000, 1)])
        self.assertEqual((board.holes[-1], board.holes[:1]), ((-500000, 250000, 1),
                                                               [(1000000, 2000000, 1)]))
        self.assertEqual(board.contours, [perforex.Contour(2, 7, 1000000, False, [
            (0, 0, 0), (4000000, 0, 0), (4000000, 1500000, 1500000), (4000000, 3000000, 0)])])
        self.assertEqual(board.messages[0], perforex.Message(
            17, 15, "error", "Unknown Token found in drill file at line no 15:\n"))
        self.assertEqual([m.kind for m in board.messages[1:]], [None])
        self.assertEqual((board.machine_format, board.evidence), (FORMAT, []))

    def test_a_path_and_bytes_give_the_same_board(self):
        self.check_board(perforex.read(self.program, machine_format=self.format))
        self.check_board(perforex.read(PROGRAM, machine_format=FORMAT, name="board.drl"))
        self.check_board(perforex.read(bytearray(PROGRAM), machine_format=FORMAT.encode()))

    def test_the_holes_are_a_view_of_the_librarys_array(self):
        holes = perforex.read(PROGRAM, machine_format=FORMAT).holes
        array = holes.array
        self.assertEqual((array.format, array.shape, array.readonly), ("i", (2, 3), True))
        self.assertEqual(array.tolist(), [[1000000, 2000000, 1], [-500000, 250000, 1]])
        # The view is over the result's own array, which it keeps alive.
        del holes
        gc.collect()
        self.assertEqual(array[1, 0], -500000)

    @unittest.skipUnless(importlib.util.find_spec("numpy"), "numpy is not installed")
    def test_numpy_takes_the_holes_without_a_copy(self):
        import numpy
        board = perforex.read(PROGRAM, machine_format=FORMAT)
        first = numpy.asarray(board.holes.array)
        self.assertTrue(numpy.shares_memory(first, numpy.asarray(board.holes.array)))

    def test_a_closed_board_lets_its_holes_go(self):
        with perforex.read(PROGRAM, machine_format=FORMAT) as board:
            self.assertEqual(len(board.holes), 2)
        self.assertEqual((len(board.holes), board.holes.array.shape), (0, (0, 3)))

    def test_tools_carry_what_the_name_of_their_program_states(self):
        board = perforex.read(PROGRAM, machine_format=FORMAT, name="gerber/board-NPTH.drl")
        self.assertEqual([t.plating for t in board.tools], ["non-plated"] * 2)


# One hole of 1.5 x -2.5 mm, which whole millimetres round half away from zero to 2 x -3 mm.
HALVES = b"M48\nMETRIC\nT1C1.0\n%\nT1\nX1.5Y-2.5\nM30\n"
WHOLE_MM = ".Unit MM\n.DataFormat 3,0\n.ZeroTruncation LEADING\n"


def content(board):
    return board.tools, list(board.holes), board.contours, board._contour_places


class WriteTest(unittest.TestCase):
    def setUp(self):
        self.target = temporary_file(b"old")
        self.addCleanup(os.remove, self.target)

    def test_a_written_board_reads_back_as_it_was_or_as_rounded(self):
        board = perforex.read(PROGRAM, machine_format=FORMAT)
        for machine_format, read_back in ((FORMAT, FORMAT), (None, None)):
            self.assertEqual(perforex.write(board, self.target, machine_format), [])
            self.assertEqual(content(perforex.read(self.target, read_back)), content(board))
        self.assertEqual(perforex.write(perforex.read(HALVES), self.target, WHOLE_MM), [
            perforex.Rounding("hole_x", 0, None, 1500000, 2000000),
            perforex.Rounding("hole_y", 0, None, -2500000, -3000000)])

    def test_each_bad_write_raises_and_leaves_the_target_alone(self):
        board = perforex.read(PROGRAM, machine_format=FORMAT)
        table = [
            ("missing folder", board, "/nonexistent/board.drl", None, FileNotFoundError),
            ("directory", board, SOURCE, None, IsADirectoryError),
            ("a value the format cannot hold", board, self.target, ".Unit MM\n.DataFormat 0,3\n",
             ValueError),
            ("empty board", perforex.read(b"M48\n%\nM30\n", FORMAT), self.target, None, ValueError),
        ]
        for what, source, path, machine_format, exception in table:
            with self.subTest(what), self.assertRaises(exception):
                perforex.write(source, path, machine_format)
            with open(self.target, "rb") as target:
                self.assertEqual(target.read(), b"old")
            self.assertFalse(os.path.exists(self.target + ".partial"))


# Tools of 1 and 0.5 mm with a hole each and a route of the second; tools of 0.5 and 3 mm.
FIRST = b"M48\nMETRIC\nT1C1.0\nT2C0.5\n%\nT1\nX1.0Y1.0\nT2\nX2.0Y1.0\nG00X0Y0\nM15\nG01X1.0Y0\nM16\nM30\n"
SECOND = b"M48\nMETRIC\nT1C0.5\nT2C3.0\n%\nT2\nX5.0Y5.0\nT1\nX6.0Y5.0\nM30\n"
MM = 1000000


class MergeAndStepTest(unittest.TestCase):
    def test_merge_keeps_one_tool_per_definition_and_the_order_of_the_boards(self):
        merged = perforex.merge([perforex.read(FIRST), perforex.read(SECOND)])
        self.assertEqual(merged.tools, [perforex.Tool(1, 0, MM, 0, 0, 0.0),
                                        perforex.Tool(2, 0, MM // 2, 0, 0, 0.0),
                                        perforex.Tool(3, 0, 3 * MM, 0, 0, 0.0)])
        self.assertEqual(list(merged.holes), [(MM, MM, 1), (2 * MM, MM, 2), (5 * MM, 5 * MM, 3),
                                              (6 * MM, 5 * MM, 2)])
        self.assertEqual((merged.contours[0].tool, merged._contour_places), (2, [2]))
        target = temporary_file(b"")
        self.addCleanup(os.remove, target)
        perforex.write(merged, target)
        self.assertEqual(content(perforex.read(target)), content(merged))

    def test_merge_keeps_tools_apart_whose_plating_differs(self):
        first, second = perforex.read(FIRST), perforex.read(SECOND)
        first.tools = [tool._replace(plating="plated") for tool in first.tools]
        second.tools = [tool._replace(plating="non-plated") for tool in second.tools]
        merged = perforex.merge([first, second])
        self.assertEqual([(t.number, t.diameter, t.plating) for t in merged.tools],
                         [(1, MM, "plated"), (2, MM // 2, "plated"), (3, MM // 2, "non-plated"),
                          (4, 3 * MM, "non-plated")])
        self.assertEqual([hole[2] for hole in merged.holes], [1, 2, 4, 3])

    def test_step_copies_row_by_row(self):
        board = perforex.read(FIRST)
        stepped = board.stepped(2, 2, 10 * MM, 20 * MM)
        self.assertEqual(stepped.tools, board.tools)
        self.assertEqual([hole[:2] for hole in stepped.holes][::2],
                         [(MM, MM), (11 * MM, MM), (MM, 21 * MM), (11 * MM, 21 * MM)])
        self.assertEqual([c.vertices[1] for c in stepped.contours],
                         [(MM, 0, 0), (11 * MM, 0, 0), (MM, 20 * MM, 0), (11 * MM, 20 * MM, 0)])
        self.assertEqual(stepped._contour_places, [2, 4, 6, 8])
        for columns, rows, dx in ((2, 1, 2 ** 31 - MM), (1, 2, -2 ** 31), (0, 1, 0)):
            with self.subTest(columns=columns, rows=rows, dx=dx), self.assertRaises(ValueError):
                board.stepped(columns, rows, dx, -dx)


def exception_name(path):
    try:
        perforex.read(path, machine_format=FORMAT)
        return "nothing"
    except Exception as error:
        return type(error).__name__


def exception_as_other_user(path):
    """Returns the name of what a read of path raises for a user other than root, who reads any
    file."""
    if os.geteuid() != 0:
        return exception_name(path)
    child = os.fork()
    if child == 0:
        os.setuid(65534)
        os._exit(3 if exception_name(path) == "PermissionError" else 4)
    return {3: "PermissionError"}.get(os.waitstatus_to_exitcode(os.waitpid(child, 0)[1]))


class BadInputTest(unittest.TestCase):
    def test_each_bad_input_raises_its_exception(self):
        program = temporary_file(PROGRAM)
        locked = temporary_file(PROGRAM, 0)
        self.addCleanup(os.remove, program)
        self.addCleanup(os.remove, locked)
        table = [
            ("missing file", "/nonexistent/board.drl", FORMAT, FileNotFoundError),
            ("directory", SOURCE, FORMAT, IsADirectoryError),
            ("machine format that does not parse", program, ".Unit FURLONG\n", ValueError),
            ("missing machine format file", program, "/nonexistent.fmt", ValueError),
            ("bytes that are no program", b"\x7fELF\x00\x01\x02", None, ValueError),
        ]
        for what, source, machine_format, exception in table:
            with self.subTest(what), self.assertRaises(exception):
                perforex.read(source, machine_format=machine_format)
        self.assertEqual(exception_as_other_user(locked), "PermissionError")


def transcript(command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout.splitlines()


def escaped(text):
    return "".join("\\n" if c == "\n" else "\\\\" if c == "\\" else
                   "\\x%02x" % ord(c) if ord(c) < 0x20 or c == "\x7f" else c for c in text)


def python_transcript(board):
    codes = {"plated": " plating 1", "non-plated": " plating 2", "unknown": ""}
    lines = ["tool %d %d %d %d %d %g%s" % (t[:6] + (codes[t.plating],)) for t in board.tools]
    lines += ["hit %d %d %d" % hole for hole in board.holes]
    lines += ["contour %d %d %d %d:%s" % (c.tool, c.kind, c.width, c.closed, "".join(
        " %d %d %d" % vertex for vertex in c.vertices)) for c in board.contours]
    lines += ["message %d %d %d %s" % (m.number, m.line, {"error": 1, "warning": 2}.get(m.kind, 0),
                                       escaped(m.text)) for m in board.messages]
    return lines + ["result %d" % board.result]


def by_kind(lines):
    return sorted(lines, key=lambda line: ["tool", "hit", "contour", "message",
                                           "result"].index(line.split()[0]))


EXAMPLES = os.path.join(SOURCE, "examples")
PROGRAMS = sorted(glob.glob(os.path.join(EXAMPLES, "*.drl")) +
                  glob.glob(os.path.join(EXAMPLES, "cad", "*.drl")) +
                  [os.path.join(EXAMPLES, "allegro", "drill.drl"),
                   os.path.join(EXAMPLES, "eagle", "board.drd")])
# The examples read with a machine format file besides the one detected.
FORMATS = {"board.drl": "default.fmt", "holes.drl": "default.fmt", "outline.drl": "default.fmt",
           "faults.drl": "default.fmt", "metric.drl": "metric.fmt"}


class ExamplesTest(unittest.TestCase):
    """Every example program gives the same callbacks through C, Python and C++."""

    def test_every_example_reads_alike_three_ways(self):
        reads = [(program, None) for program in PROGRAMS] + [
            (os.path.join(EXAMPLES, name), os.path.join(EXAMPLES, machine_format))
            for name, machine_format in FORMATS.items()]
        for program, machine_format in reads:
            with self.subTest(program=program, machine_format=machine_format):
                given = [machine_format] if machine_format else []
                c = transcript([os.environ["PERFOREX_CAPI_TEST"], "transcript", program] + given)
                cpp = transcript([os.environ["PERFOREX_TRANSCRIPT"], program] + given)
                self.assertEqual(c, cpp)
                # Python keeps each kind of callback in its own list, in delivery order.
                board = perforex.read(program, machine_format=machine_format)
                self.assertEqual(python_transcript(board), by_kind(cpp))
                self.assertGreater(len(board.holes) + len(board.contours), 0)
                self.assertEqual(board.evidence == [], machine_format is not None)


# Holes before and after a tool is defined again, a rotated rectangle, a slot turned to route
# with its height, arcs that reach beyond their ends, and a tool never defined.
RICH_PROGRAM = (b"M48\nMETRIC\nT1C1.0\nT2 Rectangle 2.0x1.0 R30\nT3 Slot 1.5x0.5 R90\n%\nT1\nX0Y0\n"
                b"T2\nX10.0Y5.0\nT3\nG00X20.0Y0\nM15\nG01X25.0Y0\nG03X25.0Y10.0A5.0\n"
                b"G02X25.0Y0I0J-5.0\nM16\nT4\nX40.0Y40.0\nT1C2.0\nX50.0Y50.0\nM30\n")


@unittest.skipUnless(os.environ.get("PERFOREX_DUMP"), "perforex-dump is not built")
class MainTest(unittest.TestCase):
    def test_the_summary_is_the_one_perforex_dump_prints(self):
        rich = temporary_file(RICH_PROGRAM)
        self.addCleanup(os.remove, rich)
        files = PROGRAMS + [rich, "/nonexistent/board.drl"]
        dump = subprocess.run([os.environ["PERFOREX_DUMP"]] + files, capture_output=True)
        python = subprocess.run([sys.executable, "-m", "perforex"] + files, capture_output=True)
        self.assertEqual(python.stdout.decode(), dump.stdout.decode())
        self.assertEqual((python.returncode, dump.returncode), (2, 2))


# A package installed into a Windows Python whose prefix also holds the DLL, in bin.
PACKAGE = "C:\\Py\\Lib\\site-packages\\perforex"
BESIDE = PACKAGE + "\\libperforexreader.dll"
INSTALLED = "C:\\Py\\bin\\libperforexreader.dll"
CONFIGURED = "../../../bin/libperforexreader.dll"


class LibraryLookupTest(unittest.TestCase):
    def test_windows_looks_beside_the_package_then_where_configured(self):
        build_tree = "C:\\build\\perforexreader.dll"
        table = [
            ("a copy beside the package first", CONFIGURED, {BESIDE, INSTALLED}, BESIDE, PACKAGE),
            ("else the installed one", CONFIGURED, {INSTALLED}, INSTALLED, "C:\\Py\\bin"),
            ("the build tree's, absolute", "C:/build/perforexreader.dll", {build_tree}, build_tree,
             "C:\\build"),
        ]
        for what, configured, present, path, folder in table:
            with self.subTest(what):
                added = []
                found = find_library("win32", PACKAGE, configured, present.__contains__,
                                     lambda place: added.append(place) or ("handle", place))
                self.assertEqual((found, added), ((path, ("handle", folder)), [folder]))
        # Before Python 3.8 there is no os.add_dll_directory, and PATH is searched instead.
        self.assertEqual(find_library("win32", PACKAGE, CONFIGURED, {INSTALLED}.__contains__, None),
                         (INSTALLED, None))

    def test_windows_names_every_place_looked_at_when_no_dll_is_there(self):
        with self.assertRaises(ImportError) as raised:
            find_library("win32", PACKAGE, CONFIGURED, lambda path: False, None)
        for place in (BESIDE, INSTALLED):
            self.assertIn(place, str(raised.exception))

    def test_other_systems_load_the_configured_path_unchecked(self):
        def unexpected(path):
            self.fail("consulted " + path)
        self.assertEqual(find_library("linux", "/usr/lib/python3/dist-packages/perforex",
                                      "../../../libperforexreader.so.1", unexpected, unexpected),
                         ("/usr/lib/libperforexreader.so.1", None))


if __name__ == "__main__":
    unittest.main()
