"""python3 -m perforex FILE...: prints for each drill file, read with the format the library
detects, the summary perforex-dump prints; the reader's messages and how the format was detected
go to standard error. Exit status 0: every file read cleanly; 1: a file read with errors or
warnings; 2: a file that cannot be read."""

import os
import sys

from . import _summary, read

USAGE = "usage: python3 -m perforex DRILL_FILE..."


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
            sys.stdout.write("%s\n  not read: cannot read drill file: %s\n\n" % (path, reason))
            print("perforex: cannot read drill file '%s': %s" % (path, reason), file=sys.stderr)
            status = 2
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
