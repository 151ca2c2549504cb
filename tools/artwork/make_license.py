#!/usr/bin/env python3
"""Turn the readable licence source into the setup's licence resource.

    python3 tools/artwork/make_license.py [source] [output]

The source (tools/artwork/license_source.txt) holds one paragraph per line,
with empty lines between paragraphs. The resource (resources/license.txt)
is the same text with every line ended by CR LF, the last one included,
and one NUL byte after it: the licence page reads up to that byte and
shows the line breaks as they are, wrapping each paragraph at the width of
its text box. Anything outside printable 7-bit ASCII is refused rather than
passed on, because the page shows the bytes unconverted.
"""

import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
REPOSITORY = os.path.dirname(os.path.dirname(HERE))
DEFAULT_SOURCE = os.path.join(HERE, "license_source.txt")
DEFAULT_OUTPUT = os.path.join(REPOSITORY, "resources", "license.txt")


def read_paragraphs(path):
    with open(path, "rb") as source:
        text = source.read()
    lines = text.replace(b"\r\n", b"\n").split(b"\n")
    problems = []
    for number, line in enumerate(lines, start=1):
        for column, byte in enumerate(line, start=1):
            if not 0x20 <= byte <= 0x7E:
                problems.append(f"{path}:{number}:{column}: byte 0x{byte:02x} "
                                "is not printable 7-bit ASCII")
    if problems:
        raise SystemExit("\n".join(problems))
    lines = [line.rstrip(b" ") for line in lines]
    while lines and not lines[-1]:
        lines.pop()
    while lines and not lines[0]:
        lines.pop(0)
    return lines


def resource_bytes(lines):
    return b"".join(line + b"\r\n" for line in lines) + b"\0"


def main(argv):
    source = argv[1] if len(argv) > 1 else DEFAULT_SOURCE
    output = argv[2] if len(argv) > 2 else DEFAULT_OUTPUT
    lines = read_paragraphs(source)
    data = resource_bytes(lines)
    with open(output, "wb") as out:
        out.write(data)
    print(f"{output}: {len(data) - 1} characters of text in {len(lines)} "
          f"lines, longest line {max(map(len, lines), default=0)}, "
          f"{len(data)} bytes with the closing NUL")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
