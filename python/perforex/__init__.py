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

from . import _capi

__all__ = ["Board", "Contour", "Holes", "Message", "Tool", "read", "__version__"]

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
            array = array_type.from_address(_capi.lib.pfx_holes(result.handle))
            # Every view of the array keeps the array, and with it the result, alive.
            array.owner = result
        else:
            array = array_type()
        whole = memoryview(array).toreadonly()
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
