"""python3 -m perforex FILE...: prints for each drill file, read with the format the library
detects, the summary perforex-dump prints; the reader's messages and how the format was detected
go to standard error. Exit status 0: every file read cleanly; 1: a file read with errors or
warnings; 2: a file that cannot be read, or that is no drill program (empty, binary, a Gerber
file), which perforex-dump reads with the fallback format and warns of."""

import os
import sys

from . import _summary, read

USAGE = "usage: python3 -m perforex DRILL_FILE..."


def not_read(path, reason):
    """Reports a file that was not read; returns the exit status it gives."""
    sys.stdout.write("%s\n  not read: %s\n\n" % (path, reason))
    print("perforex: %s: %s" % (path, reason), file=sys.stderr)
    return 2


def main(arguments):
    if not arguments or arguments[0] in ("-h", "--help"):
        print(USAGE, file=sys.stdout if arguments else sys.stderr)
        return 0 if arguments else 2
    status = 0
    for path in arguments:
        try:
            board = read(path)
        except OSError as error:
            reason = os.strerror(error.errno) if error.errno else str(error)
            status = not_read(path, "cannot read drill file: " + reason)
            continue
        except ValueError as error:
            named = "'%s': " % path
            reason = str(error)
            status = not_read(path, reason[len(named):] if reason.startswith(named) else reason)
            continue
        for decision in board.evidence:
            print("perforex: %s: %s" % (path, decision), file=sys.stderr)
        messages = "".join(message.text for message in board.messages)
        sys.stderr.write(messages if messages.endswith("\n") or not messages else messages + "\n")
        _summary.write(sys.stdout, path, board)
        status = max(status, 0 if board.result == 1 else 1)
    return status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
