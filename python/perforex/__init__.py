"""Reads Excellon NC drill and rout programs with the PerforexReader library.

    import perforex
    board = perforex.read("board.drl")          # the format detected, as perforex-dump does
    print(len(board.holes), board.result)

Lengths are nanometres. The holes stay in the library's own array: board.holes.array is a
memoryview of int32 with shape (n, 3), and numpy.asarray(board.holes.array) copies nothing.
"""

import collections
import collections.abc
import ctypes
import errno
import os

from . import _capi, _operations

__all__ = ["Board", "Contour", "Holes", "Message", "Rounding", "Tool", "merge", "read", "write",
           "__version__"]

__version__ = _capi.lib.pfx_version_string().decode()

Tool = collections.namedtuple("Tool", "number hole_type diameter width height angle plating",
                              defaults=("unknown",))
Tool.__doc__ = "A tool definition: sizes in nanometres, hole_type 0 round, 1 square, 2 slot, " \
               "3 rectangle, angle in degrees, plating 'plated', 'non-plated' or 'unknown'."
_PLATINGS = {1: "plated", 2: "non-plated"}
Contour = collections.namedtuple("Contour", "tool kind width closed vertices")
Contour.__doc__ = "A routed contour: vertices a list of (x, y, r); r != 0 is the centre of an " \
                  "arc of radius |r| (clockwise for r > 0) from the vertex before to the one after."
Message = collections.namedtuple("Message", "number line kind text")
Message.__doc__ = "A message of the read; kind is 'error', 'warning' or None, as the read " \
                  "counted it."

Rounding = collections.namedtuple("Rounding", "value item vertex given written")
Rounding.__doc__ = "A value that the machine format written in could not hold exactly: value " \
                   "names it ('hole_x' ...), item is the index of its tool, hole or contour, " \
                   "vertex its vertex in the contour (None for tools and holes), given and " \
                   "written the value given and the one the program reads back as, in nanometres."

_ROUNDED_VALUES = ("tool_diameter", "tool_width", "tool_height", "hole_x", "hole_y", "vertex_x",
                   "vertex_y", "vertex_radius", "contour_width")
_PLATING_CODES = {"unknown": _capi.PLATING_UNKNOWN, "plated": _capi.PLATED,
                  "non-plated": _capi.NON_PLATED}

_MESSAGE_KINDS = {_capi.MESSAGE_ERROR: "error", _capi.MESSAGE_WARNING: "warning"}

# The exception of each failed read call, with the errno it stands for.
_ERRORS = {
    _capi.ERROR_ARGUMENT: (ValueError, None),
    _capi.ERROR_NOT_FOUND: (FileNotFoundError, errno.ENOENT),
    _capi.ERROR_IS_DIRECTORY: (IsADirectoryError, errno.EISDIR),
    _capi.ERROR_PERMISSION: (PermissionError, errno.EACCES),
    _capi.ERROR_UNREADABLE: (OSError, None),
    _capi.ERROR_MACHINE_FORMAT: (ValueError, None),
    _capi.ERROR_INTERNAL: (RuntimeError, None),
    _capi.ERROR_NOT_A_PROGRAM: (ValueError, None),
    _capi.ERROR_UNWRITABLE: (OSError, None),
    _capi.ERROR_FORMAT_CANNOT_HOLD: (ValueError, None),
    _capi.ERROR_NOTHING_TO_WRITE: (ValueError, None),
}


class _Result:
    """Owns one result of the C interface and frees it when the last object that uses it goes."""

    def __init__(self, handle):
        self.handle = handle

    def __del__(self):
        _capi.lib.pfx_result_free(self.handle)


class Holes(collections.abc.Sequence):
    """The holes of a board, (x, y, tool) in the order drilled, kept in the library's array.

    .array is a read-only memoryview of int32 with shape (n, 3) over that array. Only iterating
    or indexing makes Python objects.
    """

    def __init__(self, result=None):
        count = _capi.lib.pfx_hole_count(result.handle) if result else 0
        array_type = type("HoleArray", ((ctypes.c_int32 * 3) * count,), {})
        if count:
            values = array_type.from_address(_capi.lib.pfx_holes(result.handle))
            # Every view of the array keeps the array, and with it the result, alive.
            values.owner = result
        else:
            values = array_type()
        self._view(values, count)

    @classmethod
    def _of(cls, values):
        """Returns the holes of an array.array of int32 values: x, y, tool, x, y, tool ..."""
        if not len(values):
            return cls()
        holes = cls.__new__(cls)
        holes._view(values, len(values) // 3)
        return holes

    def _view(self, values, count):
        # The buffer the library reads holes from when they are written.
        self._values = values
        whole = memoryview(values).toreadonly()
        # A view with a zero in its shape cannot be cast, but then holds nothing to read.
        self.array = whole.cast("B").cast("i", (count, 3)) if count else whole
        self._flat = whole.cast("B").cast("i") if count else ()

    def __len__(self):
        return len(self.array)

    def __getitem__(self, index):
        if isinstance(index, slice):
            return [self[i] for i in range(*index.indices(len(self)))]
        row = range(len(self))[index]
        return self._flat[3 * row], self._flat[3 * row + 1], self._flat[3 * row + 2]

    def __iter__(self):
        values = iter(self._flat)
        return zip(values, values, values)

    def __repr__(self):
        return "<perforex.Holes of %d>" % len(self)


class Board:
    """What one read delivered: result, tools, holes, contours, messages, machine_format and
    evidence. Closing the board (or leaving its with block) lets the library free the holes once
    no view of them is left."""

    def __init__(self, result):
        lib, handle = _capi.lib, result.handle
        self.result = lib.pfx_result_code(handle)
        tools = lib.pfx_tools(handle)[:lib.pfx_tool_count(handle)]
        self.tools = [Tool(t.number, t.hole_type, t.diameter, t.width, t.height, t.angle,
                           _PLATINGS.get(t.plating, "unknown")) for t in tools]
        self.holes = Holes(result)
        contours = lib.pfx_contours(handle)[:lib.pfx_contour_count(handle)]
        self.contours = [Contour(c.tool, c.kind, c.width, bool(c.flags & _capi.CONTOUR_CLOSED),
                                 _triples(c.vertices[:3 * c.vertex_count])) for c in contours]
        messages = lib.pfx_messages(handle)[:lib.pfx_message_count(handle)]
        self.messages = [Message(m.number, m.line, _MESSAGE_KINDS.get(m.kind),
                                 _text(ctypes.string_at(m.text, m.text_size))) for m in messages]
        self.machine_format = _text(lib.pfx_machine_format(handle))
        evidence = lib.pfx_evidence_items(handle)[:lib.pfx_evidence_count(handle)]
        self.evidence = [_text(item.text) for item in evidence]
        # Where each tool stood among the holes and contours, for hosts that replay the order.
        self._tool_places = [(t.holes_before, t.contours_before) for t in tools]
        self._contour_places = [c.holes_before for c in contours]

    @classmethod
    def _of(cls, content, sources):
        """Returns a board of content made from the boards sources: it holds no messages, and
        the result and machine format of its sources."""
        board = cls.__new__(cls)
        board.result = min(source.result for source in sources)
        board.tools = content.tools
        board.holes = Holes._of(content.holes)
        board.contours = content.contours
        board.messages = []
        board.machine_format = sources[0].machine_format
        board.evidence = []
        board._tool_places = content.tool_places
        board._contour_places = content.contour_places
        return board

    def _content(self):
        return _operations.Content(self.tools, self._tool_places, self.holes._flat, self.contours,
                                   self._contour_places)

    def stepped(self, columns, rows, dx, dy):
        """Returns a new Board of columns x rows copies of this one, made row by row (the copies
        of row 0 first, each row from column 0), copy (c, r) moved by (c * dx, r * dy)
        nanometres: the holes copy by copy, each in this board's order, likewise the contours;
        the tools unchanged. Raises ValueError when a place leaves the 32-bit range of
        nanometres."""
        return Board._of(_operations.step(self._content(), columns, rows, dx, dy), [self])

    def close(self):
        self.holes = Holes()

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()

    def __repr__(self):
        return "<perforex.Board result %d: %d tools, %d holes, %d contours, %d messages>" % (
            self.result, len(self.tools), len(self.holes), len(self.contours), len(self.messages))


def read(source, machine_format=None, name=None):
    """Reads a drill program and returns its Board.

    source is a path (str or os.PathLike) or the program's bytes; name stands for bytes in the
    messages. machine_format is None (the format is detected, as perforex-dump does), a path, or
    the text of a machine format file (a str holding a line feed, or bytes).

    Raises FileNotFoundError, IsADirectoryError or PermissionError for a path that cannot be
    read, ValueError for a machine format that cannot be read and, when the format is to be
    detected, for bytes that are no drill program (empty, binary, a Gerber file). A program with
    errors raises nothing: its board has result 0 and the errors among its messages.
    """
    format_argument, format_kind = _machine_format(machine_format)
    handle = _capi.Result()
    if isinstance(source, (str, os.PathLike)):
        status = _capi.lib.pfx_read_file(os.fsencode(source), format_argument, format_kind,
                                         ctypes.byref(handle))
    else:
        data = source if isinstance(source, bytes) else bytes(memoryview(source))
        status = _capi.lib.pfx_read_memory(data, len(data),
                                           None if name is None else os.fsencode(name),
                                           format_argument, format_kind, ctypes.byref(handle))
    if not handle:
        raise MemoryError("the library could not make a result")
    result = _Result(handle)
    if status != _capi.OK:
        exception, code = _ERRORS.get(status, (RuntimeError, None))
        text = _text(_capi.lib.pfx_error_text(handle))
        raise exception(code, text) if code else exception(text)
    return Board(result)


def merge(boards):
    """Returns a new Board holding the boards in order: one tool for each distinct definition
    (hole type, sizes, angle and plating alike), numbered 1, 2, 3 ... in the order first
    defined, so that tools whose plating differs stay apart; the holes of each board after those
    of the board before, each with its merged tool; likewise the contours. A tool that a board
    uses but never defines gets a number of its own after the defined ones."""
    boards = list(boards)
    if not boards:
        raise ValueError("no board to merge")
    return Board._of(_operations.merge([board._content() for board in boards]), boards)


class _Writer:
    """Owns one writer of the C interface and frees it when it goes."""

    def __init__(self):
        self.handle = _capi.lib.pfx_writer_new()
        if not self.handle:
            raise MemoryError("the library could not make a writer")

    def __del__(self):
        _capi.lib.pfx_writer_free(self.handle)

    def check(self, status):
        if status != _capi.OK:
            exception, code = _ERRORS.get(status, (RuntimeError, None))
            text = _text(_capi.lib.pfx_writer_error_text(self.handle))
            raise exception(code, text) if code else exception(text)

    def add_holes(self, holes, start, end):
        if end > start:
            address = ctypes.addressof(holes) + 3 * ctypes.sizeof(ctypes.c_int32) * start
            self.check(_capi.lib.pfx_writer_add_hits(self.handle, address, end - start))


def write(board, path, machine_format=None):
    """Writes the board's tools, holes and contours, in their order, to the file at path as one
    program in a machine format, such that reading it with that format gives them back: exactly
    where the format holds a value, otherwise rounded to its step. Returns the values that moved,
    as a list of Rounding.

    machine_format is a path or the text of a machine format file, as for read; None writes in
    the AUTO format built into the library (inch, with decimal points). The file is replaced only
    once the new program is complete. Raises ValueError for a machine format that cannot be used,
    for a value it cannot hold (too many integer digits) and for a board without holes or
    contours; FileNotFoundError, IsADirectoryError, PermissionError or OSError for a path that
    cannot be written.
    """
    writer = _Writer()
    format_argument, format_kind = _machine_format(machine_format)
    writer.check(_capi.lib.pfx_writer_set_machine_format(writer.handle, format_argument,
                                                         format_kind))
    for tool in board.tools:
        plating = _PLATING_CODES.get(getattr(tool, "plating", "unknown"))
        if plating is None:
            raise ValueError("tool %d: plating %r is none of %s" % (
                tool.number, tool.plating, ", ".join(_PLATING_CODES)))
        writer.check(_capi.lib.pfx_writer_add_tool(writer.handle, tool.number, tool.hole_type,
                                                   tool.diameter, tool.width, tool.height,
                                                   tool.angle, plating))
    holes = _int32_buffer(board.holes)
    if any(place > len(board.holes) for place in board._contour_places):
        raise ValueError("the board's contours follow holes it no longer holds: it was closed")
    written = 0
    for contour, place in zip(board.contours, board._contour_places):
        writer.add_holes(holes, written, place)
        written = place
        vertices = [value for vertex in contour.vertices for value in vertex]
        writer.check(_capi.lib.pfx_writer_add_contour(
            writer.handle, contour.tool, contour.width, (ctypes.c_int32 * len(vertices))(*vertices),
            len(contour.vertices)))
    writer.add_holes(holes, written, len(board.holes))
    writer.check(_capi.lib.pfx_writer_write(writer.handle, os.fsencode(path)))
    roundings = _capi.lib.pfx_writer_roundings(writer.handle)
    return [Rounding(_ROUNDED_VALUES[r.value], r.item, None if r.vertex < 0 else r.vertex,
                     r.given, r.written)
            for r in roundings[:_capi.lib.pfx_writer_rounding_count(writer.handle)]]


def _int32_buffer(holes):
    """Returns a ctypes array over the flat values of holes, without a copy."""
    values = holes._values
    if isinstance(values, ctypes.Array):
        return values
    return (ctypes.c_int32 * len(values)).from_buffer(values)


def _machine_format(machine_format):
    if machine_format is None:
        return None, _capi.FORMAT_DETECT
    if isinstance(machine_format, bytes):
        return machine_format, _capi.FORMAT_TEXT
    if isinstance(machine_format, str) and "\n" in machine_format:
        return machine_format.encode(), _capi.FORMAT_TEXT
    return os.fsencode(machine_format), _capi.FORMAT_FILE


def _triples(values):
    values = iter(values)
    return list(zip(values, values, values))


def _text(data):
    return data.decode("utf-8", "backslashreplace") if data else ""
