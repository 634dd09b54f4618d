#!/usr/bin/env python3
"""The compiled demo gives back its script text: vnscript text --check of
event/start.evt must equal start.txt with CR LF line ends and report no loss.

usage: demo_round_trip.py VNSCRIPT START.EVT START.TXT
"""
import subprocess
import sys

tool, evt, txt = sys.argv[1:4]
proc = subprocess.run([tool, "text", "--check", evt], capture_output=True, timeout=30)
with open(txt, "rb") as f:
    expected = f.read().replace(b"\r\n", b"\n").replace(b"\n", b"\r\n")
if proc.returncode != 0:
    sys.exit(f"vnscript text --check: status {proc.returncode}: {proc.stderr!r}")
if proc.stdout != expected:
    sys.exit("the script text of the compiled demo differs from start.txt")
