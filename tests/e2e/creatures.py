#!/usr/bin/env python3
"""The creatures in the real program on a private X display with openbox.

Switches the animation on through the settings panel, then checks in
screenshots a second apart that the bee flies along the top of the table and the ladybird crawls up its column; switched off, neither shows.
Then waits for the hare to come up and clicks it: the points label, which
stays the same while nobody plays, changes (the window tests check that the
catch adds exactly 10).

  creatures.py <path to Lumo>
Exit 0 passed, 1 failed, 77 skipped (1 instead when CI=true).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time

TABLE = (2, 40)          # the card table inside the window
MAIN_SIZE = (792, 541)
LABEL_LEFT = 608         # lb_punkte on the table
POINTS_TOP = 7


def skip(why):
    print("SKIP: " + why, file=sys.stderr)
    sys.exit(1 if os.environ.get("CI") == "true" else 77)


def fail(why):
    print("FAIL: " + why, file=sys.stderr)
    sys.exit(1)


class Desktop:
    """A fresh home on the private display the test was started on."""

    def __init__(self):
        self.tmp = tempfile.mkdtemp(prefix="lumo-e2e-creatures.")
        self.procs = []
        env = dict(os.environ)
        for key in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR"):
            env.pop(key, None)
        for sub in ("home", "config", "data", "cache"):
            os.makedirs(os.path.join(self.tmp, sub))
        os.makedirs(os.path.join(self.tmp, "runtime"), mode=0o700)
        env.update(HOME=os.path.join(self.tmp, "home"),
                   XDG_CONFIG_HOME=os.path.join(self.tmp, "config"),
                   XDG_DATA_HOME=os.path.join(self.tmp, "data"),
                   XDG_CACHE_HOME=os.path.join(self.tmp, "cache"),
                   XDG_RUNTIME_DIR=os.path.join(self.tmp, "runtime"),
                   PULSE_SERVER="unix:/nonexistent/lumo-e2e-no-sound")
        self.env = env
        # The display comes from tests/e2e/lib/with_display.sh, one of its own.
        if not env.get("DISPLAY"):
            self.close()
            skip("no DISPLAY: run through tests/e2e/lib/with_display.sh")

    def run(self, *cmd, timeout=10):
        try:
            return subprocess.run(cmd, env=self.env, capture_output=True, timeout=timeout).stdout
        except subprocess.TimeoutExpired:
            return b""

    def start(self, binary):
        prog_dir = os.path.join(self.tmp, "prog")
        os.makedirs(prog_dir)
        prog = os.path.join(prog_dir, "Lumo")
        shutil.copy2(binary, prog)
        self.log = open(os.path.join(self.tmp, "lumo.log"), "w")
        proc = subprocess.Popen([prog], env=self.env, stdout=self.log, stderr=subprocess.STDOUT)
        self.procs.append(proc)
        return proc

    def close(self):
        for p in reversed(self.procs):
            if p.poll() is None:
                p.terminate()
        for p in self.procs:
            try:
                p.wait(timeout=5)
            except subprocess.TimeoutExpired:
                p.kill()
        shutil.rmtree(self.tmp, ignore_errors=True)


class Screen:
    def __init__(self, desk, origin):
        self.desk = desk
        self.ox, self.oy = origin[0] + TABLE[0], origin[1] + TABLE[1]

    def grab(self, left, top, width, height):
        """RGB rows of a rectangle given in card-table coordinates."""
        raw = self.desk.run("import", "-window", "root", "-crop",
                            f"{width}x{height}+{self.ox + left}+{self.oy + top}", "-depth", "8",
                            "rgb:-")
        if len(raw) != width * height * 3:
            fail(f"screenshot of {width}x{height} came back with {len(raw)} bytes")
        return [[tuple(raw[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
                for y in range(height)]

    def keep(self, name):
        """The whole screen into $LUMO_E2E_SHOTS, when that folder is given."""
        folder = os.environ.get("LUMO_E2E_SHOTS")
        if folder:
            os.makedirs(folder, exist_ok=True)
            self.desk.run("import", "-window", "root", os.path.join(folder, name + ".png"))

    def hover(self, left, top):
        self.desk.run("xdotool", "mousemove", str(self.ox + left), str(self.oy + top))
        time.sleep(0.3)

    def click(self, left, top, settle=0.3):
        self.hover(left, top)
        self.desk.run("xdotool", "click", "1")
        time.sleep(settle)


def centroid(rows, test):
    xs = ys = n = 0
    for y, row in enumerate(rows):
        for x, p in enumerate(row):
            if test(p):
                xs += x
                ys += y
                n += 1
    return (xs / n, ys / n, n) if n else (None, None, 0)


def bee_yellow(p):
    return p[0] > 200 and p[1] > 150 and p[2] < 100


def ladybird_red(p):
    return p[0] > 170 and p[1] < 90 and p[2] < 90


def hare_brown(p):
    return 120 < p[0] < 230 and 70 < p[1] < 170 and p[2] < 110 and p[0] > p[1] + 25


# The bee's strip along the top, right of the frames; the ladybird's column
# right of the cards of its pile column (its shell reaches 591..622).
BEE_STRIP = (600, 10, 188, 40)
LADYBIRD_COLUMN = (598, 0, 30, 483)
HARE_PLACE = (714, 410, 51, 71)


# One grab holds both: the bee's strip and the ladybird's column.
WATCH = (580, 0, 208, 483)


def sub(rows, area):
    left, top, width, height = area
    dx, dy = left - WATCH[0], top - WATCH[1]
    return [row[dx:dx + width] for row in rows[dy:dy + height]]


def bee_and_ladybird(screen):
    """(bee's x, ladybird's y) in one screenshot; None for one that does not show."""
    rows = screen.grab(*WATCH)
    x, _, nb = centroid(sub(rows, BEE_STRIP), bee_yellow)
    _, y, nl = centroid(sub(rows, LADYBIRD_COLUMN), ladybird_red)
    return (BEE_STRIP[0] + x if nb >= 60 else None, y if nl >= 40 else None)


def hare_up(screen):
    return centroid(screen.grab(*HARE_PLACE), hare_brown)[2] > 600


# --- the points label ----------------------------------------------------------

def points_label(screen):
    """The points label's pixels, taken when the bee is not flying over it."""
    deadline = time.monotonic() + 10
    while time.monotonic() < deadline:
        if bee_and_ladybird(screen)[0] is None:
            return screen.grab(LABEL_LEFT, POINTS_TOP, 178, 13)
        time.sleep(0.2)
    fail("the bee never left the points label")


def main():
    if len(sys.argv) != 2 or not os.access(sys.argv[1], os.X_OK):
        fail("usage: creatures.py <path to Lumo>")
    for tool in ("Xvfb", "openbox", "xdotool", "import"):
        if not shutil.which(tool):
            skip(f"{tool} is not installed")
    desk = Desktop()
    try:
        run(desk, sys.argv[1])
    finally:
        desk.close()
    print("PASS")


def run(desk, binary):
    proc = desk.start(binary)
    main_id = None
    deadline = time.monotonic() + 40
    while main_id is None and time.monotonic() < deadline:
        if proc.poll() is not None:
            fail(f"Lumo ended with status {proc.returncode}")
        for wid in desk.run("xdotool", "search", "--onlyvisible", "--pid", str(proc.pid)).split():
            geo = desk.run("xdotool", "getwindowgeometry", wid).decode()
            if f"{MAIN_SIZE[0]}x{MAIN_SIZE[1]}" in geo:
                main_id = wid.decode()
        time.sleep(0.1)
    if main_id is None:
        fail("no main window within 40 s")
    time.sleep(3)  # the first deal and the stored settings come after the window is shown
    geo = desk.run("xdotool", "getwindowgeometry", main_id).decode()
    pos = geo.split("Position:")[1].split()[0].split(",")
    screen = Screen(desk, (int(pos[0]), int(pos[1])))

    # Animation is off at a first run: nothing of the creatures shows.
    if bee_and_ladybird(screen) != (None, None) or hare_up(screen):
        fail("a creature shows while the animation is off")

    # Menü, Einstellungen, then the animation switch in the settings panel
    # (centred on the window: its left 313, top 172, bt_ani at 9, 122).
    def animation_button():
        # Coming onto "Menü" in the title bar opens the menu (a click would
        # close it again); the pointer then jumps straight onto bt_setup.
        screen.hover(46 + 30 - TABLE[0] + 2, 19 + 9 - TABLE[1] + 2)
        screen.click(6 + 72, 104 + 10)
        return (313 + 9 + 74 - TABLE[0], 172 + 122 + 12 - TABLE[1])

    button = animation_button()
    screen.keep("settings-panel")
    # The ladybird starts below the edge and the bee's flight lasts about
    # 2 s; a busy machine stretches both. Shot A once both show, shot B a
    # second later; a flight that ended meanwhile is started again.
    for attempt in range(4):
        screen.click(*button, settle=0)           # on: the bee sets off at 600
        deadline = time.monotonic() + 6
        bee1 = lady1 = None
        while (bee1 is None or lady1 is None) and time.monotonic() < deadline:
            first = time.monotonic()
            bee1, lady1 = bee_and_ladybird(screen)
        time.sleep(max(0.0, 1.0 - (time.monotonic() - first)))
        bee2, lady2 = bee_and_ladybird(screen)
        print(f"bee at x {bee1} then {bee2}; ladybird at y {lady1} then {lady2}")
        screen.keep(f"switched-on-{attempt + 1}")
        if None not in (bee1, bee2, lady1, lady2):
            break
        screen.click(*button)                     # off again, and once more
    else:
        fail("the bee or the ladybird did not show in both screenshots after switching on")
    # Its first flight goes right; after one that ended on the right it
    # starts there again and flies left.
    if not abs(bee2 - bee1) > 10 or (attempt == 0 and bee2 < bee1):
        fail(f"the bee did not fly along the top: {bee1} then {bee2} (attempt {attempt + 1})")
    if not lady2 < lady1 - 10:
        fail(f"the ladybird did not crawl up: {lady1} then {lady2}")

    # Off: gone. On again for the hare.
    screen.click(*button)
    time.sleep(0.3)
    if bee_and_ladybird(screen) != (None, None) or hare_up(screen):
        fail("a creature still shows after 'Animation ausschalten'")
    screen.click(*button)
    screen.click(50 + 32 + 313 - TABLE[0], 162 + 12 + 172 - TABLE[1])  # bt_setupok closes the panel

    # The label alone does not change while nobody plays.
    quiet = points_label(screen)
    time.sleep(1.0)
    if points_label(screen) != quiet:
        fail("the points label changed without a click")
    for attempt in range(3):
        deadline = time.monotonic() + 12
        while not hare_up(screen):
            if time.monotonic() > deadline:
                fail("the hare did not come up within 12 s")
            time.sleep(0.1)
        before = points_label(screen)
        x, y = screen.ox + HARE_PLACE[0] + 25, screen.oy + HARE_PLACE[1] + 35
        desk.run("xdotool", "mousemove", str(x), str(y), "click", "1")
        time.sleep(0.5)
        if points_label(screen) != before:
            print(f"the points label changed with the click on the hare (attempt {attempt + 1})")
            return
        print(f"no change after click {attempt + 1}: the hare may have ducked first")
    fail("catching the hare did not change the points")

if __name__ == "__main__":
    main()
