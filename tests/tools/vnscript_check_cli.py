#!/usr/bin/env python3
"""vnscript check and compile from the command line: exit statuses, the
FILE:LINE form of the findings and warnings, the JSON form, --strict.

usage: vnscript_check_cli.py VNSCRIPT
"""

import json
import os
import re
import subprocess
import sys
import tempfile

TOOL = os.path.abspath(sys.argv[1])
LINE = re.compile(r"^(?P<file>[^:]+):(?:(?P<line>\d+):)? (?P<severity>error|warning): (?P<message>.+)$")
failures = []


def run(*args, stdin=b""):
    return subprocess.run([TOOL, *args], input=stdin, capture_output=True, timeout=60)


def expect(condition, what, proc=None):
    if not condition:
        detail = f"\n  status {proc.returncode}\n  stdout {proc.stdout!r}\n  stderr {proc.stderr!r}" \
            if proc is not None else ""
        failures.append(what + detail)


def compile_to(folder, name, text):
    path = os.path.join(folder, "in.txt")
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
    proc = run("compile", path, os.path.join(folder, name))
    assert proc.returncode == 0, proc.stderr


def make_game(root, start, params="seen\t0\n"):
    for table, text in (("global", params), ("local", "")):
        os.makedirs(os.path.join(root, "save"), exist_ok=True)
        proc = run("mkflg", "-", os.path.join(root, "save", table + ".flg"), stdin=text.encode())
        assert proc.returncode == 0, proc.stderr
    compile_to(root, "event/start.evt", start)


with tempfile.TemporaryDirectory() as tmp:
    # Not a game: status 2, nothing on standard output.
    for folder in (os.path.join(tmp, "missing"), tmp):
        proc = run("check", folder)
        expect(proc.returncode == 2 and proc.stdout == b"" and b"not a game folder" in proc.stderr,
               f"check {folder}: no game", proc)

    # A clean game: status 0, nothing printed; JSON an empty array. The
    # current folder is checked when none is given.
    clean = os.path.join(tmp, "clean")
    make_game(clean, "*top\n@setflag seen 0\n@jump nil top 1 seen\nおしまい\n")
    proc = run("check", clean)
    expect(proc.returncode == 0 and proc.stdout == b"", "clean game", proc)
    proc = run("check", "--json", clean)
    expect(proc.returncode == 0 and json.loads(proc.stdout) == [], "clean game as JSON", proc)
    proc = subprocess.run([TOOL, "check"], cwd=clean, capture_output=True, timeout=60)
    expect(proc.returncode == 0 and proc.stdout == b"", "clean game as the current folder", proc)

    # Only warnings: status 0, one line each.
    warned = os.path.join(tmp, "warned")
    make_game(warned, "@pcm rain.wav 0\n@jump nil end 0 nil\n@wait 5\n*end\n")
    proc = run("check", warned)
    lines = proc.stdout.decode().splitlines()
    expect(proc.returncode == 0 and len(lines) == 2 and
           all(LINE.match(line) and LINE.match(line)["severity"] == "warning" for line in lines) and
           lines[0].startswith(warned + "/event/start.evt:1: ") and
           lines[1].startswith(warned + "/event/start.evt:3: "), "warnings only", proc)

    # An error and a warning: status 1; the JSON holds the same findings.
    broken = os.path.join(tmp, "broken")
    make_game(broken, "@setflag sene 0\n@jump nil end 0 nil\n@wait 5\n*end\n")
    proc = run("check", broken)
    lines = [LINE.match(line) for line in proc.stdout.decode().splitlines()]
    expect(proc.returncode == 1 and len(lines) == 2 and all(lines), "error and warning", proc)
    if proc.returncode == 1 and len(lines) == 2 and all(lines):
        expect(lines[0]["file"] == broken + "/event/start.evt" and lines[0]["line"] == "1" and
               lines[0]["severity"] == "error" and '"sene"' in lines[0]["message"] and
               lines[0]["message"].endswith("[▽ フラグ設定　ＯＮ　sene]"), "the error's line", proc)
    proc = run("check", "--json", broken)
    found = json.loads(proc.stdout) if proc.returncode == 1 else []
    expect([(f["file"], f["line"], f["severity"], f["kind"]) for f in found] ==
           [(broken + "/event/start.evt", 1, "error", "parameter"),
            (broken + "/event/start.evt", 3, "warning", "unreached")] and
           found[0]["summary"] == "▽ フラグ設定　ＯＮ　sene", "the JSON findings", proc)

    # A whole-file finding has no line number.
    os.remove(os.path.join(broken, "save", "local.flg"))
    proc = run("check", "--json", broken)
    found = json.loads(proc.stdout) if proc.returncode == 1 else []
    expect(any(f["file"] == broken + "/save/local.flg" and f["line"] is None for f in found),
           "a file's finding", proc)

    # Without any font the lengths of messages go unchecked, said once.
    fonts = os.path.join(tmp, "fonts.conf")
    with open(fonts, "w") as f:
        f.write(f"<?xml version='1.0'?><fontconfig><cachedir>{tmp}/fc</cachedir></fontconfig>\n")
    two = os.path.join(tmp, "two")
    make_game(two, "はじめ\nおわり\n")
    proc = subprocess.run([TOOL, "check", two], env=dict(os.environ, FONTCONFIG_FILE=fonts),
                          capture_output=True, timeout=60)
    lines = proc.stdout.decode().splitlines()
    expect(proc.returncode == 0 and len(lines) == 1 and
           lines[0].startswith(two + "/game.ini: warning: no installed font"), "no font", proc)

    # Usage mistakes.
    for args in (("check", "--sjis", clean), ("check", clean, clean), ("check", "--strict")):
        proc = run(*args)
        expect(proc.returncode == 1 and proc.stdout == b"" and b"try vnscript --help" in proc.stderr,
               f"usage {args}", proc)

    # compile warns in FILE:LINE form and still writes what the rules give.
    text = "@wiat 500\n@wait five\n@wait 99999999999\n@jump\n@wait 5\n"
    source = os.path.join(tmp, "warn.txt")
    with open(source, "w") as f:
        f.write(text)
    out = os.path.join(tmp, "warn.evt")
    proc = run("compile", source, out)
    warnings = [LINE.match(line) for line in proc.stderr.decode().splitlines()]
    expect(proc.returncode == 0 and [(w["file"], w["line"], w["severity"]) for w in warnings
                                     if w] ==
           [(source, "1", "warning"), (source, "2", "warning"), (source, "3", "warning"),
            (source, "4", "warning")], "compile warnings", proc)
    proc = run("text", out)
    expect(proc.stdout == b";@wiat 500\r\n@wait 0\r\n@wait 2147483647\r\n@jump nil nil 0 nil\r\n"
           b"@wait 5\r\n", "compile output", proc)

    # --strict: the same as errors, nothing written; standard input is
    # named <stdin>.
    strict = os.path.join(tmp, "strict.evt")
    proc = run("compile", "--strict", "-", strict, stdin=text.encode())
    expect(proc.returncode == 1 and not os.path.exists(strict) and
           proc.stderr.decode().startswith("<stdin>:1: error: "), "compile --strict", proc)
    proc = run("compile", "--strict", "-", strict, stdin=b"@wait 5\n")
    expect(proc.returncode == 0 and os.path.exists(strict) and proc.stderr == b"",
           "compile --strict of a clean text", proc)

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
