"""Reads a drill file from Python with its format detected, as perforex-dump reads it, and prints
its tools, its holes and how the format was decided. The holes stay in the library's array:
numpy.asarray(board.holes.array) gives them as an (n, 3) array without copying."""
import sys

import perforex

board = perforex.read(sys.argv[1])
for decision in board.evidence:
    print("format", decision)
for tool in board.tools:
    print(f"tool {tool.number}: diameter {tool.diameter} nm")
for x, y, tool in board.holes:
    print(f"hole {x} {y} tool {tool}")
for message in board.messages:
    print(f"line {message.line}, {message.kind or 'note'} {message.number}: {message.text}", end="")
print(f"{len(board.contours)} contours, result {board.result}")
