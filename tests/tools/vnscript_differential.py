#!/usr/bin/env python3
"""Checks vnscript against the independent implementation in vnformats.py.

Random event lists (every code, double-byte text including characters whose
second byte is 0x5C, empty strings, extreme integers) must give byte-identical
script text, list lines and event files on both sides; random parameter
tables the same flag dumps and flag-data files; malformed files must make
vnscript fail with status 1, quickly and within a memory limit.

usage: vnscript_differential.py VNSCRIPT [--sanitized] [--seed N]
"""

import os
import random
import resource
import struct
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import vnformats as vf  # noqa: E402

MEMORY_LIMIT = 256 << 20

# Pieces of text. The double-byte ones include "ソ" 0x835C, "表" 0x955C,
# "能" 0x945C and "―" 0x815C, whose second byte is the code of "\".
ASCII_PIECES = [b"a", b"Z", b"0", b"-7", b".", b"@", b"\\", b"*", b";", b"nil", b" ", b"\t",
                b"/", b",", b'"']
DOUBLE_PIECES = [b"\x83\x5c", b"\x95\x5c", b"\x94\x5c", b"\x81\x5c", b"\x82\xa0", b"\x8a\xbf",
                 b"\x81\x40", b"\x93\xfa\x96\x7b"]
# Codes that read back as their standard twin through the wide form, and
# bytes that are no Shift-JIS character at all (Shift-JIS mode only).
ODD_PIECES = [b"\x87\x90", b"\xee\xef", b"\xfa\x40", b"\xff", b"\xa0", b"\x80"]
INTS = [0, 1, -1, 2**31 - 1, -2**31, 500, 1000, 12, 13, -5, 3]


class Runner:
    def __init__(self, tool, sanitized):
        self.tool = tool
        self.sanitized = sanitized
        # A run that fails properly takes milliseconds; the limits leave room
        # for a loaded machine.
        self.slow = 4.0 if sanitized else 1.0
        self.timeout = 20.0 if sanitized else 5.0
        self.env = dict(os.environ)
        if sanitized:
            # ASan reserves a large address space, so bound single allocations instead.
            options = [self.env.get("ASAN_OPTIONS", ""),
                       "max_allocation_size_mb=256:allocator_may_return_null=0"]
            self.env["ASAN_OPTIONS"] = ":".join(o for o in options if o)
        self.failures = []
        self.runs = 0

        if not sanitized:
            # Inherited by every run of the tool (this script needs far less).
            resource.setrlimit(resource.RLIMIT_AS, (MEMORY_LIMIT, MEMORY_LIMIT))

    def run(self, *args, stdin=b""):
        self.runs += 1
        start = time.monotonic()
        proc = subprocess.run([self.tool, *args], input=stdin, capture_output=True,
                              timeout=self.timeout, env=self.env)
        return proc, time.monotonic() - start

    def fail(self, message):
        self.failures.append(message)
        if len(self.failures) <= 20:
            print("FAIL:", message, file=sys.stderr)

    def expect_output(self, what, args, expected, stdin=b""):
        proc, _ = self.run(*args, stdin=stdin)
        if proc.returncode != 0:
            self.fail(f"{what}: status {proc.returncode}: {proc.stderr!r}")
        elif proc.stdout != expected:
            self.fail(f"{what}: output differs\n  ours:     {proc.stdout[:300]!r}\n"
                      f"  expected: {expected[:300]!r}")
        return proc

    def expect_status_1(self, what, args):
        proc, seconds = self.run(*args)
        lines = proc.stderr.decode("utf-8", "replace").strip().split("\n")
        if proc.returncode != 1:
            self.fail(f"{what}: status {proc.returncode}, stderr {proc.stderr[:300]!r}")
        elif len(lines) != 1 or not lines[0]:
            self.fail(f"{what}: expected one line on stderr, got {proc.stderr!r}")
        elif b"out of memory" in proc.stderr:
            self.fail(f"{what}: ran out of memory instead of refusing the file")
        if seconds > self.slow:
            self.fail(f"{what}: took {seconds:.2f}s")
        return proc


def random_text(rng, pieces):
    return b"".join(rng.choice(pieces) for _ in range(rng.choice([0, 0, 1, 2, 3, 5])))


def random_events(rng, pieces):
    events = []
    codes = list(range(1, 24))
    rng.shuffle(codes)
    codes += [rng.randint(1, 23) for _ in range(rng.randint(0, 20))]
    for code in codes:
        letters = vf.EVENT_TYPES[code][1]
        args = [rng.choice(INTS) if l == "I" else random_text(rng, pieces) for l in letters]
        events.append((code, args))
    return events


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def read(path):
    with open(path, "rb") as f:
        return f.read()


def check_event_lists(r, rng, folder, rounds):
    utf8_pieces = ASCII_PIECES + DOUBLE_PIECES
    sjis_pieces = utf8_pieces + ODD_PIECES
    evt = os.path.join(folder, "in.evt")
    txt = os.path.join(folder, "in.txt")
    out = os.path.join(folder, "out.evt")
    for round_ in range(rounds):
        utf8 = round_ % 2 == 0
        events = random_events(rng, utf8_pieces if utf8 else sjis_pieces)
        write(evt, vf.write_event_file(events))
        loaded = vf.read_event_file(read(evt))  # the older MIDI form turned into MIDI
        text = vf.script_text(loaded)
        mode = [] if utf8 else ["--sjis"]
        shown = text.decode("cp932").encode("utf-8") if utf8 else text

        r.expect_output(f"text #{round_}", ["text", *mode, evt], shown)
        lines = vf.list_lines(loaded)
        r.expect_output(f"list #{round_}", ["list", *mode, evt],
                        lines.decode("cp932").encode("utf-8") if utf8 else lines)

        # Compiling the text must give the event file of the text's events.
        expected = vf.write_event_file(vf.read_script_text(text))
        write(txt, shown)
        proc, _ = r.run("compile", *mode, txt, out)
        if proc.returncode != 0:
            r.fail(f"compile #{round_}: status {proc.returncode}: {proc.stderr!r}")
        elif read(out) != expected:
            r.fail(f"compile #{round_}: event file differs")
        # The same through standard input.
        proc, _ = r.run("compile", *mode, "-", out, stdin=shown)
        if proc.returncode != 0 or read(out) != expected:
            r.fail(f"compile - #{round_}: status {proc.returncode} or event file differs")


def check_script_lines(r, rng, folder, rounds):
    """Hand-made and random lines through compile: the reading rules."""
    fixed = [b"@narration @a b\tc", b"  \t;x\ty", b"\\\x83\x5c\\t\tx", b"@wait  5", b"@",
             b"@ wait", b"@setparamX a b 3 c d", b"@midiold m 7", b"   ", b"", b"@bogus 1",
             b"*\x95\x5c", b"\t@jump nil nil 1 f", b"plain\ttext", b"@narration"]
    pieces = [b"@", b"\\", b"*", b";", b" ", b"\t", b"nil", b"wait", b"midi", b"narration",
              b"chara", b"1", b"-2", b"x", b"\x83\x5c", b"\r"]
    txt = os.path.join(folder, "lines.txt")
    out = os.path.join(folder, "lines.evt")
    for round_ in range(rounds):
        lines = fixed if round_ == 0 else [
            b"".join(rng.choice(pieces) for _ in range(rng.randint(0, 8))) for _ in range(30)]
        text = b"\n".join(lines) + rng.choice([b"", b"\n", b"\r\n"])
        write(txt, text)
        proc, _ = r.run("compile", "--sjis", txt, out)
        if proc.returncode != 0:
            r.fail(f"lines #{round_}: status {proc.returncode}: {proc.stderr!r}")
        elif read(out) != vf.write_event_file(vf.read_script_text(text)):
            r.fail(f"lines #{round_}: event file differs for {text!r}")


def check_flags(r, rng, folder, rounds):
    flg = os.path.join(folder, "in.flg")
    txt = os.path.join(folder, "flags.txt")
    out = os.path.join(folder, "out.flg")
    # Tabs and carriage returns inside a name survive the dump: the value
    # follows the last tab, and mkflg drops a carriage return only at a line's end.
    pieces = [b"a", b"B", b"_", b"1", b"\x83\x5c", b"\x82\xa0", b" ", b"\x81\x40",
              b"\t", b"\r"]
    for round_ in range(rounds):
        params, seen = [], set()
        for _ in range(rng.randint(0, 12)):
            name = b"".join(rng.choice(pieces) for _ in range(rng.randint(1, 4)))
            if name not in seen:
                seen.add(name)
                params.append((name, rng.choice(INTS)))
        data = vf.write_flag_file(params)
        write(flg, data)
        dump = vf.flag_lines(params)
        r.expect_output(f"flg #{round_}", ["flg", "--sjis", flg], dump)
        r.expect_output(f"flg utf8 #{round_}", ["flg", flg], dump.decode("cp932").encode())
        write(txt, dump)
        proc, _ = r.run("mkflg", "--sjis", txt, out)
        if proc.returncode != 0 or read(out) != data:
            r.fail(f"mkflg #{round_}: status {proc.returncode} {proc.stderr!r} or file differs")
    # A line feed in a name cannot come back through mkflg, so the dump
    # refuses the file and prints nothing.
    for name in (b"a\nb", b"\n", b"x\r\n"):
        write(flg, vf.write_flag_file([(b"ok", 1), (name, 2)]))
        for mode in (["--sjis"], []):
            proc = r.expect_status_1(f"flg of name {name!r} {mode}", ["flg", *mode, flg])
            if proc.stdout or b"parameter 2" not in proc.stderr:
                r.fail(f"flg of name {name!r}: stdout {proc.stdout!r}, stderr {proc.stderr!r}")
    write(txt, b"a\t1\nb\t2\na\t3\n")
    r.expect_status_1("mkflg duplicate", ["mkflg", txt, out])
    write(txt, b"a\t12x\n")
    r.expect_status_1("mkflg bad value", ["mkflg", txt, out])
    write(txt, b"a\t2147483648\n")
    r.expect_status_1("mkflg value too large", ["mkflg", txt, out])


def malformed_event_files(rng):
    events = random_events(rng, ASCII_PIECES + DOUBLE_PIECES)[:8]
    good = vf.write_event_file(events)
    header = vf.string_item(b"eventdata")
    yield "truncated at 0", b""
    for cut in range(1, len(good)):
        yield f"truncated at {cut}", good[:cut]
    for code in (0, 24, -1, 2**31 - 1, -2**31):
        yield f"code {code}", header + vf.int_item(1) + vf.int_item(code)
    for count in (2, 1000, 2**31 - 1):
        yield f"count {count}", header + vf.int_item(count) + vf.int_item(13)
    for length in (2**31 - 1, 2**30, 100, -1):
        yield f"string length {length}", header + vf.int_item(1) + vf.int_item(1) + \
            b"\x03" + struct.pack("<i", length) + b"abc"
    yield "signature length huge", b"\x03" + struct.pack("<i", 2**31 - 1) + b"x" * 20
    yield "bad tag", header + vf.int_item(1) + vf.int_item(4) + b"\x04" + struct.pack("<i", 0)
    yield "signature case", vf.string_item(b"EventData") + vf.int_item(0)
    yield "flag file given", vf.write_flag_file([(b"a", 1)])


def malformed_flag_files():
    header = vf.string_item(b"flagdata")
    good = vf.write_flag_file([(b"abc", 1), (b"\x83\x5c", -2)])
    for cut in range(0, len(good)):
        yield f"flag truncated at {cut}", good[:cut]
    yield "flag duplicate", vf.write_flag_file([(b"a", 1), (b"a", 2)])
    yield "flag count huge", header + vf.int_item(2**31 - 1)
    yield "flag name length huge", header + vf.int_item(1) + b"\x03" + \
        struct.pack("<i", 2**31 - 1)
    yield "event file given", vf.write_event_file([])


def check_malformed(r, rng, folder):
    path = os.path.join(folder, "bad.evt")
    for i, (what, data) in enumerate(malformed_event_files(rng)):
        try:
            vf.read_event_file(data)
            r.fail(f"{what}: the reference reader accepts it")  # a test generator fault
            continue
        except vf.FormatError:
            pass
        write(path, data)
        command = ["text", "--sjis"] if i % 2 else ["list"]
        r.expect_status_1(f"{command[0]}: {what}", [*command, path])
    for what, data in malformed_flag_files():
        write(path, data)
        r.expect_status_1(f"flg: {what}", ["flg", path])
    # A negative count reads as no events.
    write(path, vf.string_item(b"eventdata") + vf.int_item(-5))
    r.expect_output("negative count", ["list", path], b"1    \n")


def check_usage(r, folder):
    evt = os.path.join(folder, "usage.evt")
    write(evt, vf.write_event_file([(13, [])]))
    proc, _ = r.run("--help")
    if proc.returncode != 0 or b"compile" not in proc.stdout:
        r.fail(f"--help: status {proc.returncode}")
    for args in ([], ["bogus"], ["text"], ["text", evt, evt], ["compile", evt],
                 ["list", "--nope", evt], ["text", os.path.join(folder, "missing.evt")],
                 ["compile", evt, os.path.join(folder, "no", "such", "dir", "x.evt")]):
        r.expect_status_1(f"usage {args}", args)
    # --check: events that change through the text are listed, status 2.
    write(evt, vf.write_event_file([(10, [b"a b", 0]), (6, [b"ok"]), (1, [b""])]))
    proc, _ = r.run("text", "--check", evt)
    if proc.returncode != 2 or proc.stderr.count(b"\n") != 2:
        r.fail(f"--check: status {proc.returncode}, stderr {proc.stderr!r}")
    write(evt, vf.write_event_file([(6, [b"ok"])]))
    r.expect_output("--check clean", ["text", "--check", evt], b"*ok\r\n")
    # Plain string items (tag 2) and integer items with any tag byte are accepted.
    plain = lambda data: b"\x02" + struct.pack("<i", len(data)) + data
    write(evt, plain(b"eventdata") + b"\x00" + struct.pack("<i", 2) + b"\x07" +
          struct.pack("<i", 6) + plain(b"\x83\x5c") + vf.int_item(8) + plain(b"m") +
          vf.int_item(-3))
    r.expect_output("plain items", ["text", "--sjis", evt], b"*\x83\x5c\r\n@midi m -3 0\r\n")
    # Not valid Shift-JIS: no UTF-8 form.
    write(evt, vf.write_event_file([(6, [b"\xff"])]))
    r.expect_status_1("text of undecodable bytes", ["text", evt])
    # A leading byte order mark is not part of the first line.
    txt = os.path.join(folder, "usage.txt")
    write(txt, b"\xef\xbb\xbf*a\r\n")
    proc, _ = r.run("compile", txt, evt)
    if proc.returncode != 0 or read(evt) != vf.write_event_file([(6, [b"a"])]):
        r.fail(f"compile with a byte order mark: status {proc.returncode}")
    # A character without a Shift-JIS form.
    txt = os.path.join(folder, "usage.txt")
    write(txt, "*\u00e9\n".encode())
    r.expect_status_1("compile of unconvertible text", ["compile", txt, evt])


def main():
    args = sys.argv[1:]
    tool = args[0]
    sanitized = "--sanitized" in args
    seed = int(args[args.index("--seed") + 1]) if "--seed" in args else 20261207
    rng = random.Random(seed)
    r = Runner(tool, sanitized)
    start = time.monotonic()
    with tempfile.TemporaryDirectory() as folder:
        check_usage(r, folder)
        check_malformed(r, rng, folder)
        check_script_lines(r, rng, folder, 40)
        check_flags(r, rng, folder, 40)
        check_event_lists(r, rng, folder, 30 if sanitized else 80)
    print(f"{r.runs} runs of vnscript in {time.monotonic() - start:.1f}s, seed {seed}, "
          f"{len(r.failures)} failures")
    return 1 if r.failures else 0


if __name__ == "__main__":
    sys.exit(main())
