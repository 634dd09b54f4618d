"""Plays a small game under Xvfb with keys only (a backlog, a save, a choice),
reading the game view as a screen reader does through AT-SPI: each page once
complete, the choice as a list with the pointed line selected, the save
dialog's list by its name. Usage: screen_reader_game.py VNPLAY VNSCRIPT.
Exits 77 when Xvfb, D-Bus, AT-SPI, pyatspi or xdotool is missing."""
import os, random, shutil, subprocess, sys, tempfile, time

# "/" breaks the line, "\" ends the page; a speech shows "【name】/" first
# and its later pages are read with the name again.
SCRIPT = "ページ一/二行目\\ページ二\n\\案内\\こんにちは\\続きです\n@select 北へ north 南へ " \
         "south nil nil\n*north\n北の道。\n@jump nil end 0 nil\n*south\n南の道。\n*end\n"
# (what the view says, then keys; "@" focuses a window by its title, as Xvfb
# has no window manager, and "?" waits for a list of that accessible name)
STEPS = [("ページ一\n二行目", ["Return"]),
         ("ページ二", ["BackSpace", "@バックログ", "Escape", "@New game", "Return"]),
         ("【案内】\nこんにちは", ["ctrl+s", "@セーブ", "?セーブ", "Home", "Return", "@確認",
                                 "Return", "@New game", "Return"]),
         ("【案内】\n続きです", ["Return"]),
         (("北へ", "南へ", -1), ["Down"]), (("北へ", "南へ", 0), ["Down"]),
         (("北へ", "南へ", 1), ["Return"]), ("南の道。", ["Return"])]


def find(node, check):
    if check(node):
        return node
    return next((f for f in (find(c, check) for c in node if c) if f), None)


def until(what, read):
    seen, end = None, time.time() + 15
    while seen != what and time.time() < end:
        try:
            seen = read()
        except Exception as error:  # an object gone while being read
            seen = error
        time.sleep(0.1)
    if seen != what:
        sys.exit(f"expected {what!r}, read {seen!r}")


def inside(vnplay, vnscript, game):
    import pyatspi
    subprocess.run([vnscript, "new", "--size", "320x240", game], check=True)
    start = os.path.join(game, "event", "start")
    with open(start + ".txt", "w", encoding="utf-8") as f:
        f.write(SCRIPT)
    subprocess.run([vnscript, "compile", start + ".txt", start + ".evt"], check=True)
    player = subprocess.Popen([vnplay, game], env=dict(
        os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
        SDL_AUDIODRIVER="dummy"))
    desktop = pyatspi.Registry.getDesktop(0)
    is_view = lambda n: n.getRole() == pyatspi.ROLE_CANVAS
    until(True, lambda: find(desktop, is_view) is not None)
    view = find(desktop, is_view)
    choice = lambda: tuple(i.name for i in view[0]) + (next((n for n, i in enumerate(
        view[0]) if i.getState().contains(pyatspi.STATE_SELECTED)), -1),)
    for said, keys in STEPS:
        until(said, choice if isinstance(said, tuple) else lambda: view.name)
        for key in ["@New game"] * (said == STEPS[0][0]) + keys:
            if key[0] == "?":
                until(True, lambda: find(desktop, lambda n: n.getRole() == pyatspi.ROLE_LIST
                                         and n.name == key[1:]) is not None)
                continue
            subprocess.run(["xdotool", "search", "--sync", "--name", key[1:], "windowfocus",
                            "--sync"] if key[0] == "@" else ["xdotool", "key", key], check=True)
            time.sleep(0.3)
    status = player.wait(timeout=20)  # the game ends after its last page
    saved = os.path.exists(os.path.join(game, "save", "save0.sav"))
    return 0 if status == 0 and saved else f"vnplay ended with {status}, saved: {saved}"


if __name__ == "__main__":
    if sys.argv[1] == "--inside":
        with tempfile.TemporaryDirectory() as folder:
            sys.exit(inside(sys.argv[2], sys.argv[3], os.path.join(folder, "game")))
    if any(shutil.which(t) is None for t in ["xvfb-run", "dbus-run-session", "xdotool"]) \
            or not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        sys.exit(77)
    for python in (sys.executable, "/usr/bin/python3"):  # pyatspi is Debian's
        if subprocess.call([python, "-c", "import pyatspi"], stderr=subprocess.DEVNULL) == 0:
            # The bus launcher's visit to the display must not reset it.
            sys.exit(subprocess.call(["xvfb-run", "-a", "-n", str(random.randrange(100, 900)),
                                      "-s", "-screen 0 800x600x24 -noreset", "dbus-run-session", "--", python, __file__, "--inside",
                                      *sys.argv[1:3]], timeout=170))
    sys.exit(77)
