#!/usr/bin/env python3
"""The authors' guides: every ```vnscript block compiles with
`vnscript compile --strict`, and each guide's script section (from the
<!-- script-text --> mark to the next "## " heading) names every event type
that `vnscript syntax` lists.

usage: guide_examples.py VNSCRIPT SOURCE_DIR
"""

import os
import re
import subprocess
import sys
import tempfile

TOOL, SOURCE = os.path.abspath(sys.argv[1]), sys.argv[2]
BLOCK = re.compile(r"^```vnscript\n(.*?)^```$", re.M | re.S)
syntax = subprocess.run([TOOL, "syntax"], capture_output=True, text=True, check=True).stdout
keywords = re.findall(r"^([a-z0-9]+) \(code \d+\)$", syntax, re.M)
failures = [] if len(keywords) == 23 else [f"vnscript syntax lists {len(keywords)} types"]

with tempfile.TemporaryDirectory() as tmp:
    for name in ("guide.md", "guide.ja.md"):
        with open(os.path.join(SOURCE, "docs", name), encoding="utf-8") as f:
            text = f.read()
        blocks = BLOCK.findall(text) or failures.append(f"{name}: no vnscript block") or []
        for n, block in enumerate(blocks, 1):
            source = os.path.join(tmp, f"{name}.{n}.txt")
            with open(source, "w", encoding="utf-8") as f:
                f.write(block)
            proc = subprocess.run([TOOL, "compile", "--strict", source, source + ".evt"],
                                  capture_output=True, text=True, timeout=60)
            if proc.returncode != 0:
                failures.append(f"{name}: block {n} does not compile:\n{proc.stderr}")
        start = text.index("<!-- script-text -->")
        section = text[start:text.find("\n## ", start)]
        missing = [k for k in keywords if not re.search(rf"\b{k}\b", section)]
        if missing:
            failures.append(f"{name}: the script section lacks {', '.join(missing)}")

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
