"""check_excerpts.py DOCUMENT SOURCE_DIR: a fenced block of DOCUMENT whose first line is a
comment naming a file ("// examples/X.cpp") must stand, line for line, in that file."""
import pathlib
import re
import sys

NAMED = re.compile(r"^(?://|/\*|#) (examples/\S+?)(?: \*/)?$")


def blocks(text):
    lines = text.split("\n")
    index = 0
    while index < len(lines):
        if lines[index].startswith("```") and len(lines[index]) > 3:
            end = lines.index("```", index + 1)
            yield lines[index + 1:end]
            index = end
        index += 1


def main():
    document = pathlib.Path(sys.argv[1])
    source = pathlib.Path(sys.argv[2])
    checked, failures = 0, []
    for block in blocks(document.read_text()):
        named = NAMED.match(block[0]) if block else None
        if named is None:
            continue
        excerpt = "\n".join(block[1:]) + "\n"
        checked += 1
        if excerpt not in (source / named.group(1)).read_text():
            failures.append(f"{named.group(1)}: no longer holds\n{excerpt}")
    print("\n".join(failures + [f"{checked - len(failures)} passed, {len(failures)} failed"]))
    return 1 if failures or checked == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
