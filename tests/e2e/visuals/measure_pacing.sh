#!/usr/bin/env bash
# Benchmark, not a test: how long the deal and the tip lift of the real
# program take on the screen, from frames read out of Xvfb's framebuffer
# (-fbdir) in a tight loop while xdotool plays, under openbox. Works with any
# build of Lumo, also one without the test route, so that builds can be
# compared:  measure_pacing.sh <Lumo> [runs]
source "$(dirname "$0")/../startup_common.sh"
RUNS=${2:-3}
source "$(dirname "$0")/recording.sh"

e2e_private_home
mkdir -p "$XDG_CONFIG_HOME/vemu" "$E2E_TMP/fb"
printf '[General]\nOptAni=0\nOptMidi=0\nOptSound=0\n' >"$XDG_CONFIG_HOME/vemu/LUMO.conf"
# A display of its own: frames are read from its framebuffer file.
e2e_start_display -fbdir "$E2E_TMP/fb" -screen 0 1280x1024x24 || e2e_fail "could not start a private display"
E2E_STARTED_PIDS+=("${E2E_DISPLAY_PIDS[@]}")
FB="$E2E_TMP/fb/Xvfb_screen0"

for run in $(seq 1 "$RUNS"); do
  # A fresh start each run, so the menu is found as a new player finds it.
  e2e_start_lumo "bench$run"
  PID=$E2E_PID
  e2e_wait_for 25 '[ -n "$(e2e_window_sized $PID "$MAIN_SIZE")" ]' || e2e_fail "the main window did not appear"
  read -r MX MY < <(e2e_position_of "$(e2e_window_sized "$PID" "$MAIN_SIZE")")
  sleep 1.5
  TABLE="$(( MX + 2 )) $(( MY + 40 )) 788 483"
  # A new game from the menu: "Menü" opens under the pointer, then
  # "Neues Spiel" at the panel's top, reached straight from the button.
  xdotool mousemove $(( MX + 2 + 46 + 30 )) $(( MY + 2 + 19 + 9 ))
  sleep 0.5
  record_start "$E2E_TMP/deal.frames" 4 $TABLE
  xdotool mousemove $(( MX + 2 + 6 + 40 )) $(( MY + 40 + 6 + 10 )) click 1
  wait $REC
  # The tip: a right click over the table's right edge, away from the cards.
  xdotool mousemove $(( MX + 760 )) $(( MY + 300 ))
  sleep 2.5
  record_start "$E2E_TMP/tip.frames" 2.5 $TABLE
  xdotool click 3
  wait $REC
  python3 - "$E2E_TMP" "$run" <<'PY'
import os, sys
sys.path.insert(0, os.environ["HERE"])
import frames
tmp, run = sys.argv[1], sys.argv[2]

def pile(p):
    return (25 + 120 * ((p - 1) % 6) + 10, 125 + 115 * ((p - 1) // 6) + 10, 60, 80)

def changes(shots, rect):
    return [shots[i][0] for i in range(1, len(shots))
            if shots[i][1].crop(*rect).data != shots[i - 1][1].crop(*rect).data]

_, _, deal, reads = frames.load(os.path.join(tmp, "deal.frames"))
first, last = changes(deal, pile(1)), changes(deal, pile(18))
if len(first) >= 1 and len(last) >= 2:
    # Pile 1 empties when the table is cleared; pile 18 empties then and
    # takes the 52nd card at the end of the deal.
    print(f"run {run}: deal {(last[1] - first[0]) * 1000:.0f} ms ({len(deal)} frames of {reads} reads)")
else:
    print(f"run {run}: deal not seen")
_, _, tip, reads = frames.load(os.path.join(tmp, "tip.frames"))
# The rows of piles only: the score box above them shows the play time.
moved = changes(tip, (0, 110, 788, 373))
if len(moved) >= 2:
    print(f"run {run}: tip lift {(moved[-1] - moved[0]) * 1000:.0f} ms, {len(moved)} frames")
else:
    print(f"run {run}: no tip lift seen (a deal without a move?)")
PY
  kill "$PID" 2>/dev/null
  wait "$PID" 2>/dev/null
done
