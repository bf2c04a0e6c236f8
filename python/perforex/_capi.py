"""The C interface of the library, declared once for ctypes, and the step that loads it."""

import ctypes
import ntpath
import os
import sys
from ctypes import POINTER, Structure, c_char_p, c_double, c_int, c_int32, c_size_t, c_uint, c_void_p

from . import _config

# Statuses of a read call.
OK = 0
ERROR_ARGUMENT = 1
ERROR_NOT_FOUND = 2
ERROR_IS_DIRECTORY = 3
ERROR_PERMISSION = 4
ERROR_UNREADABLE = 5
ERROR_MACHINE_FORMAT = 6
ERROR_INTERNAL = 7
ERROR_NOT_A_PROGRAM = 8
ERROR_UNWRITABLE = 9
ERROR_FORMAT_CANNOT_HOLD = 10
ERROR_NOTHING_TO_WRITE = 11

# How the machine format argument of a read call is taken.
FORMAT_DETECT = 0
FORMAT_FILE = 1
FORMAT_TEXT = 2

# Plating codes of a tool.
PLATING_UNKNOWN = 0
PLATED = 1
NON_PLATED = 2

# Flags of a contour and kinds of a message.
CONTOUR_CLOSED = 1
MESSAGE_ERROR = 1
MESSAGE_WARNING = 2


class Tool(Structure):
    _fields_ = [("number", c_int32), ("hole_type", c_int32), ("diameter", c_int32),
                ("width", c_int32), ("height", c_int32), ("angle", c_double),
                ("holes_before", c_size_t), ("contours_before", c_size_t), ("plating", c_int32)]


class Contour(Structure):
    _fields_ = [("tool", c_int32), ("kind", c_int32), ("width", c_int32), ("flags", c_int32),
                ("vertex_count", c_size_t), ("vertices", POINTER(c_int32)),
                ("holes_before", c_size_t)]


class Message(Structure):
    _fields_ = [("number", c_int32), ("line", c_int32), ("kind", c_int32),
                ("text", c_void_p), ("text_size", c_size_t)]


class EvidenceItem(Structure):
    _fields_ = [("item", c_char_p), ("value", c_char_p), ("reason", c_char_p), ("line", c_int32),
                ("text", c_char_p)]


class Rounding(Structure):
    _fields_ = [("value", c_int32), ("item", c_int32), ("vertex", c_int32), ("given", c_int32),
                ("written", c_int32)]


Result = c_void_p
Writer = c_void_p

# Each function of the C interface: name, result type, argument types.
FUNCTIONS = (
    ("pfx_version_number", c_uint, ()),
    ("pfx_version_string", c_char_p, ()),
    ("pfx_read_file", c_int, (c_char_p, c_char_p, c_int, POINTER(Result))),
    ("pfx_read_memory", c_int, (c_char_p, c_size_t, c_char_p, c_char_p, c_int, POINTER(Result))),
    ("pfx_result_free", None, (Result,)),
    ("pfx_error_text", c_char_p, (Result,)),
    ("pfx_result_code", c_int, (Result,)),
    ("pfx_tool_count", c_size_t, (Result,)),
    ("pfx_tools", POINTER(Tool), (Result,)),
    ("pfx_hole_count", c_size_t, (Result,)),
    ("pfx_holes", c_void_p, (Result,)),
    ("pfx_contour_count", c_size_t, (Result,)),
    ("pfx_contours", POINTER(Contour), (Result,)),
    ("pfx_message_count", c_size_t, (Result,)),
    ("pfx_messages", POINTER(Message), (Result,)),
    ("pfx_machine_format", c_char_p, (Result,)),
    ("pfx_evidence_count", c_size_t, (Result,)),
    ("pfx_evidence_items", POINTER(EvidenceItem), (Result,)),
    ("pfx_writer_new", Writer, ()),
    ("pfx_writer_free", None, (Writer,)),
    ("pfx_writer_set_machine_format", c_int, (Writer, c_char_p, c_int)),
    ("pfx_writer_add_tool", c_int,
     (Writer, c_int32, c_int32, c_int32, c_int32, c_int32, c_double, c_int32)),
    ("pfx_writer_add_hits", c_int, (Writer, c_void_p, c_size_t)),
    ("pfx_writer_add_contour", c_int, (Writer, c_int32, c_int32, POINTER(c_int32), c_size_t)),
    ("pfx_writer_write", c_int, (Writer, c_char_p)),
    ("pfx_writer_error_text", c_char_p, (Writer,)),
    ("pfx_writer_rounding_count", c_size_t, (Writer,)),
    ("pfx_writer_roundings", POINTER(Rounding), (Writer,)),
)


def find_library(platform, package, configured, exists, add_dll_directory):
    """Returns the path of the shared library to load, given the folder of this package and the
    path _config names (absolute, or relative to the package), and the handle that keeps the
    DLL's folder searched on Windows for as long as it is held (None elsewhere)."""
    if platform != "win32":
        return os.path.normpath(os.path.join(package, configured)), None
    return _windows_library_path(package, configured, exists, add_dll_directory)


def _windows_library_path(package, configured, exists, add_dll_directory):
    # A host may ship the DLL inside the package folder; that copy goes before the configured one.
    places = [ntpath.join(package, ntpath.basename(configured)),
              ntpath.normpath(ntpath.join(package, configured))]
    found = next((place for place in places if exists(place)), None)
    if found is None:
        raise ImportError("perforex: the PerforexReader DLL is not in any of " + ", ".join(places))
    # Python 3.8+ no longer searches PATH for the DLL's dependencies, such as libstdc++-6.dll.
    directory = add_dll_directory(ntpath.dirname(found)) if add_dll_directory else None
    return found, directory


def library_path():
    """Returns the path of the shared library: the one built or installed with this package."""
    return _path


def load(path=None):
    """Loads the library and declares every function of the C interface on it."""
    library = ctypes.CDLL(path or library_path())
    for name, result, arguments in FUNCTIONS:
        function = getattr(library, name)
        function.restype = result
        function.argtypes = arguments
    return library


# _dll_directory lives as long as the module: closing it drops the DLL's folder from the search.
_path, _dll_directory = find_library(sys.platform, os.path.dirname(os.path.abspath(__file__)),
                                     _config.LIBRARY, os.path.isfile,
                                     getattr(os, "add_dll_directory", None))
lib = load()
