#!/usr/bin/env bash
# The task-bar title of the real program under a window manager: it scrolls
# one character to the left every 250 ms, each change a single _NET_WM_NAME
# write; and the title-bar button still minimizes after a restore through the
# window manager (the main window's property events are off, so Qt's own
# minimized mark goes stale there).
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
e2e_display
command -v xprop >/dev/null || e2e_skip "xprop is not installed"

e2e_start_lumo marquee
PID=$E2E_PID
e2e_wait_for 30 '[ -n "$(e2e_window_sized $PID "$MAIN_SIZE")" ]' || e2e_fail "no main window"
MAIN=$(e2e_window_sized "$PID" "$MAIN_SIZE")
# The marquee runs once the window has been activated.
xdotool windowactivate "$MAIN" 2>/dev/null || true
e2e_wait_for 10 '[ "$(xprop -id $MAIN _NET_WM_NAME 2>/dev/null)" != "$(sleep 0.3; xprop -id $MAIN _NET_WM_NAME 2>/dev/null)" ]' \
  || e2e_fail "the title does not change: $(xprop -id "$MAIN" _NET_WM_NAME)"

# Four seconds of title changes, each line stamped with the milliseconds it arrived at.
SPY="$E2E_TMP/spy.txt"
timeout 4 xprop -spy -id "$MAIN" _NET_WM_NAME WM_NAME 2>/dev/null | while IFS= read -r line; do
  echo "$(e2e_now_ms) $line"
done >"$SPY" || true

python3 - "$SPY" <<'EOF' || e2e_fail "the title does not scroll as it should (log above)"
import re, sys
rows = []
for line in open(sys.argv[1], encoding="utf-8"):
    stamp, _, rest = line.rstrip("\n").partition(" ")
    m = re.match(r'(_NET_WM_NAME|WM_NAME)\(\w+\) = "(.*)"$', rest)
    if m:
        rows.append((int(stamp), m.group(1), m.group(2)))
names = [r for r in rows if r[1] == "_NET_WM_NAME"]
# The first line of each property is xprop's reading at its start, not a change.
changes = names[1:]
other = [r for r in rows if r[1] != "_NET_WM_NAME"][1:]
print(f"{len(changes)} title changes in 4 s; first: {changes[0][2]!r}" if changes else "no title changes")
ok = True
if not 13 <= len(changes) <= 17:
    print(f"expected one change per 250 ms (about 16), saw {len(changes)}"); ok = False
for (t0, _, a), (t1, _, b) in zip(names, names[1:]):
    if b != a[1:] + a[:1]:
        print(f"not rotated by one character: {a!r} -> {b!r}"); ok = False
        break
gaps = [t1 - t0 for (t0, _, _), (t1, _, _) in zip(changes, changes[1:])]
if gaps:
    # Stamped when the shell read the line, so only a rough picture under load;
    # a second write in one tick shows in the rotation check above.
    print(f"gaps between changes as read: min {min(gaps)} ms, max {max(gaps)} ms")
if other:
    print(f"WM_NAME changed as well: {other[:2]}"); ok = False
sys.exit(0 if ok else 1)
EOF
cat "$SPY" | head -3

# Minimize with the title-bar button, restore through the window manager, minimize again.
read -r X Y _ _ <<<"$(e2e_geometry_of "$MAIN")"
iconic() { xprop -id "$MAIN" WM_STATE 2>/dev/null | grep -q "window state: Iconic"; }
click_minimize() {
  # bt_minimize: 25 x 25 at (729, 7) of the title bar, which starts 2 px inside the window.
  xdotool mousemove $((X + 2 + 729 + 12)) $((Y + 2 + 7 + 12)) click 1
}
for round in 1 2; do
  click_minimize
  e2e_wait_for 5 iconic || e2e_fail "round $round: the minimize button did not iconify the window"
  xdotool windowactivate "$MAIN" 2>/dev/null || true
  e2e_wait_for 5 '! iconic && [ "$(e2e_map_state $MAIN)" = "IsViewable" ]' \
    || e2e_fail "round $round: the window manager did not restore the window"
  sleep 0.5
done
echo "minimize button iconified the window twice, each after a restore by the window manager"
kill -0 "$PID" 2>/dev/null || e2e_fail "the program ended"
echo "PASS"
