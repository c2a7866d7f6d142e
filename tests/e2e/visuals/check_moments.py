#!/usr/bin/env python3
"""Reads the frames game_moments.sh recorded and checks what they show.

check_moments.py TMP SHOTS "FLIGHT_X Y W H" "STUCK_X Y W H"
The two rectangles are where the reference balloons' text areas stand on
the screen (TMP/flight.ppm and TMP/stuck.ppm hold their pixels).
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import frames  # noqa: E402

TMP, SHOTS = sys.argv[1], sys.argv[2]
FLIGHT_AT = list(map(int, sys.argv[3].split()))
STUCK_AT = list(map(int, sys.argv[4].split()))
failures = []


def fail(why):
    failures.append(why)
    print("FAIL:", why)


def read_ppm(path):
    with open(path, "rb") as f:
        data = f.read()
    parts = data.split(maxsplit=4)
    assert parts[0] == b"P6", path
    w, h = int(parts[1]), int(parts[2])
    pixels = parts[4][: w * h * 3]
    bgrx = bytearray()
    for i in range(0, len(pixels), 3):
        r, g, b = pixels[i], pixels[i + 1], pixels[i + 2]
        bgrx += bytes((b, g, r, 0))
    return frames.Image(w, h, bytes(bgrx))


def shows(image, at, origin, reference):
    """The screen rectangle `at` of a frame holds the reference picture."""
    x, y = at[0] - origin[0], at[1] - origin[1]
    if x < 0 or y < 0 or x + reference.w > image.w or y + reference.h > image.h:
        return False
    crop = image.crop(x, y, reference.w, reference.h)
    wrong = 0
    for yy in range(reference.h):
        for xx in range(reference.w):
            a, b = crop.pixel(xx, yy), reference.pixel(xx, yy)
            if sum(abs(p - q) for p, q in zip(a, b)) > 30:
                wrong += 1
    return wrong <= reference.w * reference.h // 100


def dark_red(r, g, b):
    return r > 90 and g < 40 and b < 40


# Recordings start 160 px above the window; the card table lies at (2, 40).
TX, TY = 2, 160 + 40


def pile(p):
    return (TX + 25 + 120 * ((p - 1) % 6), TY + 125 + 115 * ((p - 1) // 6), 86, 110)


# --- The flight and the stuck notice ---------------------------------------
ox, oy, shots, reads = frames.load(os.path.join(TMP, "flight.frames"))
flight_ref = read_ppm(os.path.join(TMP, "flight.ppm"))
stuck_ref = read_ppm(os.path.join(TMP, "stuck.ppm"))
final = shots[-1][1]
# The upper part of the first foundation: the As lands there; the blinking
# label below it stays out.
FOUNDATION = (TX + 160, TY + 5, 70, 85)
PILE13 = pile(13)


def same(a, b, rect):
    return a.crop(*rect).data == b.crop(*rect).data


in_flight = [i for i, (_, img) in enumerate(shots)
             if same(img, final, PILE13) and not same(img, final, FOUNDATION)]
if not in_flight:
    fail("no frame shows the As between its pile and its foundation")
else:
    first = in_flight[0]
    landed = next((i for i in range(first, len(shots)) if same(shots[i][1], final, FOUNDATION)), None)
    noticed = [i for i in in_flight if shows(shots[i][1], FLIGHT_AT, (ox, oy), flight_ref)]
    print(f"flight: {len(in_flight)} frames with the As on its way, "
          f"{(shots[landed][0] - shots[first][0]) * 1000:.0f} ms from leaving its pile to landing"
          if landed is not None else "flight: never landed")
    print(f"flight notice in the balloon in {len(noticed)} of those frames")
    if not noticed:
        fail("the flight notice is not in the balloon while the As flies")
    stuck_seen = [i for i in range(first, len(shots)) if shows(shots[i][1], STUCK_AT, (ox, oy), stuck_ref)]
    print(f"stuck notice in the balloon in {len(stuck_seen)} frames")
    if not stuck_seen:
        fail("the stuck notice never shows in the balloon")
# The stuck label, dark red, whole: its first line reaches over the first
# foundation's picture (Left 145) and the As lying on it (Left 152); the
# letters over the As must show.
label_frames = [img for _, img in shots if img.count(dark_red, TX + 24, TY + 94, 160, 32) > 150]
if not label_frames:
    fail("the stuck label never shows in dark red")
else:
    img = label_frames[-1]
    past = img.count(dark_red, TX + 152, TY + 94, 24, 16)
    print(f"stuck label: {past} dark red pixels over the As on the first foundation")
    if past == 0:
        fail("the stuck label's first line is cut at the first foundation")
    img.crop(TX, TY, 330, 135).png(os.path.join(SHOTS, "stuck-label.png"))

# --- The tip lift ------------------------------------------------------------
ox, oy, shots, reads = frames.load(os.path.join(TMP, "tip.frames"))
# The rows of piles only: the score box above them shows the play time.
TABLE = (TX, TY + 110, 788, 373)
changes = [shots[i][0] for i in range(1, len(shots))
           if not same(shots[i][1], shots[i - 1][1], TABLE)]
if len(changes) < 2:
    fail("the tip lifted no card")
else:
    print(f"tip lift: {(changes[-1] - changes[0]) * 1000:.0f} ms, {len(changes)} frames on the table")

# --- The dialog ---------------------------------------------------------------
_, _, ja, _ = frames.load(os.path.join(TMP, "ja.frames"))
green = ja[-1][1].count(lambda r, g, b: g > 150 and r < 100 and b < 120)
print(f"Ja under the pointer: {green} lime-lit pixels")
if green < 50:
    fail("the Ja button does not turn lime under the real pointer")
_, _, menu, _ = frames.load(os.path.join(TMP, "menu.frames"))
# The program's menu is a light blue panel closed by a dark blue frame; the
# desktop's plain menu has neither colour. The dialog behind it is light blue
# too, so the panel is the light area reached from just right of the click
# point (40, 20 in the picture) and of the pointer's arrow drawn there, and
# its frame is the ring around that area.
shot = menu[-1][1]
DARK, LIGHT = (51, 94, 168), (209, 225, 250)
seed = next(((x, 22) for x in range(44, 80) if shot.pixel(x, 22) == LIGHT), None)
panel = set()
if seed:
    todo = [seed]
    while todo and len(panel) < shot.w * shot.h:
        x, y = todo.pop()
        if (x, y) in panel or not (0 <= x < shot.w and 0 <= y < shot.h) or shot.pixel(x, y) != LIGHT:
            continue
        panel.add((x, y))
        todo += [(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)]
ring_dark = ring_seen = 0
if panel:
    left, right = min(x for x, _ in panel) - 1, max(x for x, _ in panel) + 1
    top, bottom = min(y for _, y in panel) - 1, max(y for _, y in panel) + 1
    ring = {(x, y) for x in range(left, right + 1) for y in (top, bottom)} | \
           {(x, y) for y in range(top, bottom + 1) for x in (left, right)}
    seen = [(x, y) for x, y in ring if 0 <= x < shot.w and 0 <= y < shot.h]
    ring_seen = len(seen)
    ring_dark = sum(1 for x, y in seen if shot.pixel(x, y) == DARK)
print(f"context menu: {len(panel)} light blue panel pixels, {ring_dark} of {ring_seen} frame pixels dark blue")
if len(panel) < 500 or ring_seen < 80 or ring_dark < 0.9 * ring_seen:
    fail("the dialog's context menu is not drawn in the program's colours")

sys.exit(1 if failures else 0)
