#!/usr/bin/env python3
"""The authors' guides' script examples: every ```vnscript block of each
guide compiles with `vnscript compile --strict`, and the script section of
each guide (from the heading followed by <!-- script-text --> to the next
"## " heading) names every event type keyword of the event-type table, in
both keyword columns (the players' and the editor's).

usage: guide_examples.py VNSCRIPT SOURCE_DIR
"""

import os
import re
import subprocess
import sys
import tempfile

TOOL = os.path.abspath(sys.argv[1])
SOURCE = sys.argv[2]
GUIDES = [os.path.join(SOURCE, "docs", name) for name in ("guide.md", "guide.ja.md")]
BLOCK = re.compile(r"^```vnscript\n(.*?)^```$", re.M | re.S)
# A row of the table: {EVENTCODE_..., "keyword", argc, "letters", "editor keyword" or nullptr,
ROW = re.compile(r'\{EVENTCODE_\w+, "(\w+)", \d+, "[IS]*", (?:"(\w+)"|nullptr),')


def table_keywords():
    with open(os.path.join(SOURCE, "scenario", "VNEventType.cpp"), encoding="utf-8") as f:
        rows = ROW.findall(f.read())
    return sorted({word for row in rows for word in row if word})


def script_section(text):
    start = text.index("<!-- script-text -->")
    end = text.find("\n## ", start)
    return text[start:] if end < 0 else text[start:end]


def main():
    failures = []
    keywords = table_keywords()
    if len(keywords) < 23:
        failures.append(f"only {len(keywords)} keywords read from the event-type table")
    with tempfile.TemporaryDirectory() as tmp:
        for guide in GUIDES:
            with open(guide, encoding="utf-8") as f:
                text = f.read()
            name = os.path.basename(guide)
            blocks = BLOCK.findall(text)
            if not blocks:
                failures.append(f"{name}: no vnscript block")
            for n, block in enumerate(blocks, 1):
                source = os.path.join(tmp, f"{name}.{n}.txt")
                with open(source, "w", encoding="utf-8") as f:
                    f.write(block)
                proc = subprocess.run([TOOL, "compile", "--strict", source, source + ".evt"],
                                      capture_output=True, text=True, timeout=60)
                if proc.returncode != 0:
                    failures.append(f"{name}: block {n} does not compile:\n{proc.stderr}")
            section = script_section(text)
            missing = [k for k in keywords if not re.search(rf"\b{k}\b", section)]
            if missing:
                failures.append(f"{name}: the script section lacks {', '.join(missing)}")
    for failure in failures:
        print("FAIL:", failure)
    print(f"{len(GUIDES)} guides, {len(keywords)} keywords: {'failed' if failures else 'passed'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
