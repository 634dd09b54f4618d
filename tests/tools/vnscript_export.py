#!/usr/bin/env python3
"""vnscript export: the example game as a Debian package (its paths, modes,
control fields, desktop entry and icon; no player saves shipped), a game
with an error refused, bad names and versions rejected.

usage: vnscript_export.py VNSCRIPT DEMO_FOLDER [PLAYER_DEB]

With PLAYER_DEB (or $VN_PLAYER_DEB), a built vnsuite-player package, and
when running as root, install_and_play() also installs both packages, starts
the desktop entry's Exec line under xvfb-run and removes them again. A CI
script may also import this module and call install_and_play(GAME_DEB,
PLAYER_DEB, NAME) on packages of its own; `failures` then lists what failed.
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile

TOOL = DEMO = ""  # set by main()
failures = []


def run(*args):
    return subprocess.run([TOOL, *args], capture_output=True, timeout=120)


def expect(condition, what, proc=None):
    if not condition:
        detail = (f"\n  status {proc.returncode}\n  stdout {proc.stdout!r}"
                  f"\n  stderr {proc.stderr!r}") if proc is not None else ""
        failures.append(what + detail)


def listing(deb):
    """{path: (mode, owner)} of the package's data."""
    out = subprocess.run(["dpkg-deb", "-c", deb], capture_output=True, text=True, check=True).stdout
    entries = {}
    for line in out.splitlines():
        mode, owner, _size, _date, _time, path = line.split(None, 5)
        entries[path.rstrip("/").removeprefix(".")] = (mode, owner)
    return entries


def field(deb, name):
    return subprocess.run(["dpkg-deb", "-f", deb, name], capture_output=True, text=True,
                          check=True).stdout.strip()


def desktop_entry(root, ident):
    with open(os.path.join(root, f"usr/share/applications/{ident}.desktop"), encoding="utf-8") as f:
        return dict(line.split("=", 1) for line in f.read().splitlines() if "=" in line)


def install_and_play(game_deb, player_deb, ident):
    """Installs the player and the game with apt-get, runs the desktop entry's
    Exec line under xvfb-run until the player shows a window, removes both."""
    subprocess.run(["apt-get", "install", "-y", os.path.abspath(player_deb),
                    os.path.abspath(game_deb)], check=True, timeout=600)
    try:
        exec_line = desktop_entry("/", ident)["Exec"]
        script = (f"{exec_line} & pid=$!; timeout 30 xdotool search --sync --onlyvisible "
                  "--pid $pid >/dev/null; found=$?; kill $pid; wait $pid; exit $found")
        with tempfile.TemporaryDirectory() as data:  # the play folder goes here
            played = subprocess.run(["xvfb-run", "-a", "sh", "-c", script], timeout=120,
                                    env={**os.environ, "XDG_DATA_HOME": data})
            saves = os.path.join(data, "vnsuite-games", ident, "save")
            expect(os.path.isfile(os.path.join(saves, "global.flg")) and os.access(saves, os.W_OK),
                   "the launcher made no writable save folder")
        expect(played.returncode == 0, f"{exec_line} opened no window", played)
    finally:
        subprocess.run(["apt-get", "remove", "-y", ident, "vnsuite-player"], timeout=600)


def main():
    global TOOL, DEMO
    TOOL, DEMO = os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2])
    with tempfile.TemporaryDirectory() as tmp:
        # The demo under a folder name that needs turning into a package name,
        # with a Shift-JIS title and a player's save slot that must stay home.
        game = os.path.join(tmp, "My Demo_Game")
        shutil.copytree(DEMO, game)
        with open(os.path.join(game, "game.ini"), "wb") as f:
            f.write("[game]\r\nTitle=駅前の再会\r\n".encode("shift_jis"))
        for slot in ("save3.sav", "save3.flg"):
            shutil.copy(os.path.join(game, "save", "local.flg"), os.path.join(game, "save", slot))
        shipped = {os.path.relpath(os.path.join(d, n), game) for d, _, names in os.walk(game)
                   for n in names if os.path.relpath(d, game).split(os.sep)[0] != "save"}
        shipped |= {"save/global.flg", "save/local.flg"}

        # options, package name, title in the desktop entry, version
        for options, ident, title, version in (
                ([], "my-demo-game", "駅前の再会", "1.0"),
                (["--name", "station.2", "--title", "Back\\slash", "--package-version", "2.1~b"],
                 "station.2", "Back\\\\slash", "2.1~b")):
            out = os.path.join(tmp, "out", ident)
            proc = run("export", *options, game, out)
            deb = os.path.join(out, f"{ident}_{version}_all.deb")
            expect(proc.returncode == 0 and proc.stdout.decode().strip().endswith(deb)
                   and os.listdir(out) == [os.path.basename(deb)], f"export {options}", proc)
            if proc.returncode != 0:
                continue
            entries = listing(deb)
            expected = {f"/usr/share/games/{ident}/{p}": "-rw-r--r--" for p in shipped}
            expected.update({f"/usr/games/{ident}": "-rwxr-xr-x",
                             f"/usr/share/applications/{ident}.desktop": "-rw-r--r--",
                             f"/usr/share/icons/hicolor/128x128/apps/{ident}.png": "-rw-r--r--"})
            files = {p: m for p, (m, _) in entries.items() if not m.startswith("d")}
            expect(files == expected, f"{ident}: files {sorted(set(files) ^ set(expected))}")
            expect(all(o == "root/root" and (m == "drwxr-xr-x" or not m.startswith("d"))
                       for m, o in entries.values()), f"{ident}: owners and folder modes")
            for name, value in (("Package", ident), ("Version", version), ("Architecture", "all"),
                                ("Depends", "vnsuite-player")):
                expect(field(deb, name) == value, f"{ident}: {name} is {field(deb, name)!r}")

            root = os.path.join(tmp, "root", ident)
            os.makedirs(root)
            subprocess.run(["dpkg-deb", "-x", deb, root], check=True)
            for path in shipped:
                with open(os.path.join(game, path), "rb") as a, \
                        open(os.path.join(root, f"usr/share/games/{ident}", path), "rb") as b:
                    expect(a.read() == b.read(), f"{ident}: {path} changed")
            entry = desktop_entry(root, ident)
            for key, value in (("Name", title), ("Exec", f"/usr/games/{ident}"), ("Icon", ident),
                               ("Categories", "Game;AdventureGame;"), ("Type", "Application")):
                expect(entry.get(key) == value, f"{ident}: desktop {key} is {entry.get(key)!r}")
            if shutil.which("desktop-file-validate"):
                check = subprocess.run(["desktop-file-validate", os.path.join(
                    root, f"usr/share/applications/{ident}.desktop")], capture_output=True)
                expect(check.returncode == 0 and not check.stdout, f"{ident}: desktop entry", check)
            icon = os.path.join(root, f"usr/share/icons/hicolor/128x128/apps/{ident}.png")
            with open(icon, "rb") as f:
                head = f.read(24)
            expect(head[:8] == b"\x89PNG\r\n\x1a\n"
                   and struct.unpack(">II", head[16:24]) == (128, 128),
                   f"{ident}: icon is no 128x128 PNG")

        # Refusals: non-zero status, the reason on standard error, nothing written.
        broken = os.path.join(tmp, "broken")
        shutil.copytree(DEMO, broken)
        with open(os.path.join(tmp, "broken.txt"), "w", encoding="utf-8") as f:
            f.write("@jump nil nowhere 0 seen\n")
        assert run("compile", os.path.join(tmp, "broken.txt"),
                   os.path.join(broken, "event", "start.evt")).returncode == 0
        for options, folder, says in (
                ([], broken, "error"),
                (["--name", "Demo"], game, "no package name"),
                (["--name", "a"], game, "no package name"),
                (["--name", "-demo"], game, "no package name"),
                (["--name", "de_mo"], game, "no package name"),
                (["--package-version", "v1"], game, "no package version"),
                ([], os.path.join(tmp, "missing"), "not a game folder")):
            out = os.path.join(tmp, "refused")
            proc = run("export", *options, folder, out)
            expect(proc.returncode != 0 and says in proc.stderr.decode()
                   and not os.path.exists(out),
                   f"export {options} {os.path.basename(folder)} refused", proc)
        proc = run("export", broken, os.path.join(tmp, "refused"))
        expect(b": error: " in proc.stdout, "the broken game's findings printed", proc)

        player = sys.argv[3] if len(sys.argv) > 3 else os.environ.get("VN_PLAYER_DEB", "")
        if os.geteuid() != 0 or not os.path.isfile(player):
            print("note: install-and-play part skipped (needs root and a vnsuite-player .deb, "
                  "given as PLAYER_DEB or $VN_PLAYER_DEB; scripts/package builds it)")
        else:
            install_and_play(os.path.join(tmp, "out", "my-demo-game", "my-demo-game_1.0_all.deb"),
                             player, "my-demo-game")

    for failure in failures:
        print("FAIL:", failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
