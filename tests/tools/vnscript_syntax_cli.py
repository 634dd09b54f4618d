#!/usr/bin/env python3
"""vnscript syntax: one entry for each event type, codes 1 to 23, each with an
example line that compiles with --strict into one event of that code; an
entry asked for by its keyword is the same entry; an unknown keyword fails.

usage: vnscript_syntax_cli.py VNSCRIPT
"""

import os
import re
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import vnformats  # noqa: E402

TOOL = os.path.abspath(sys.argv[1])
HEAD = re.compile(r"^(?P<keyword>[a-z0-9]+) \(code (?P<code>\d+)\)$")
failures = []


def run(*args):
    return subprocess.run([TOOL, *args], capture_output=True, timeout=60)


def expect(condition, what, proc=None):
    if not condition:
        detail = f"\n  status {proc.returncode}\n  stderr {proc.stderr!r}" if proc else ""
        failures.append(what + detail)


def entries(text):
    """The entries of the output: (keyword, code, example line, the entry's lines)."""
    found, current = [], None
    for line in text.split("\n"):
        head = HEAD.match(line)
        if head:
            current = [head["keyword"], int(head["code"]), None, [line]]
            found.append(current)
        elif current and line.startswith("  "):
            current[3].append(line)
            if line.startswith("  example: "):
                current[2] = line[len("  example: "):]
    return found


def first_code(path):
    with open(path, "rb") as f:
        reader = vnformats.ItemReader(f.read())
    assert reader.read_string() == b"eventdata"
    return reader.read_int(), reader.read_int()


proc = run("syntax")
expect(proc.returncode == 0 and proc.stderr == b"", "syntax", proc)
listed = entries(proc.stdout.decode())
expect(sorted(code for _, code, _, _ in listed) == list(range(1, 24)),
       "one entry for each code from 1 to 23: " + repr([e[:2] for e in listed]))

with tempfile.TemporaryDirectory() as tmp:
    for keyword, code, example, lines in listed:
        source, out = os.path.join(tmp, keyword + ".txt"), os.path.join(tmp, keyword + ".evt")
        with open(source, "w", encoding="utf-8") as f:
            f.write((example or "") + "\n")
        proc = run("compile", "--strict", source, out)
        expect(example is not None and proc.returncode == 0 and proc.stderr == b"" and
               first_code(out) == (1, code), f"the example of {keyword}: {example!r}", proc)
        proc = run("syntax", keyword)
        expect(proc.returncode == 0 and proc.stdout.decode() == "\n".join(lines) + "\n",
               f"syntax {keyword}", proc)

proc = run("syntax", "nosuchevent")
expect(proc.returncode == 1 and proc.stdout == b"" and b"nosuchevent" in proc.stderr,
       "syntax of an unknown keyword", proc)

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
