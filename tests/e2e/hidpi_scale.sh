#!/usr/bin/env bash
# Scaled desktops: where the desktop's scale factor leaves too few logical
# pixels for the window but the screen has them, the program scales itself
# down to the largest factor that fits and starts; a screen truly too small
# still gets the refusal. Each case runs on an Xvfb screen of its own size.
#   LUMO_SCREENSHOT=file.png   keeps the picture of the 200 % start
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
command -v xprop >/dev/null || e2e_skip "xprop is not installed"

# A private Xvfb of the given size with openbox (the shared display helper).
start_screen() {
  unset DISPLAY
  e2e_display -screen 0 "$1x24"
}

stop_screen() {
  e2e_stop_display
}

# Starts the program and waits for a window of the given size (device pixels).
expect_main_window() {
  local label=$1 size=$2
  e2e_start_lumo "$label"
  e2e_wait_for 30 '[ -n "$(e2e_window_sized $E2E_PID "$size")" ]' \
    || e2e_fail "$label: no window of $size; windows: $(for w in $(e2e_windows_of $E2E_PID); do e2e_size_of $w; done | tr '\n' ','); log: $(cat "$E2E_TMP/lumo-$label.log")"
  echo "$label: main window $size"
}

end_program() {
  kill "$E2E_PID" 2>/dev/null
  e2e_wait_for 10 '! kill -0 '"$E2E_PID"' 2>/dev/null' || e2e_fail "the program did not end"
  wait "$E2E_PID" 2>/dev/null
}

# 1. 1920 x 1080 at 200 % through QT_SCALE_FACTOR: 960 x 540 logical pixels
#    are too few, 1080 / 600 = 1.8 fits: the 792 x 541 window is 1426 x 974.
start_screen 1920x1080
QT_SCALE_FACTOR=2 expect_main_window qt-scale-2 "1426 974"
if [ -n "${LUMO_SCREENSHOT:-}" ] && command -v import >/dev/null; then
  sleep 3
  MAIN=$(e2e_window_sized "$E2E_PID" "1426 974")
  read -r X Y < <(e2e_position_of "$MAIN")
  import -window root -crop "1426x974+$X+$Y" "$LUMO_SCREENSHOT"
fi
end_program

# 2. The same screen with the desktop's own 200 % (Xft.dpi 192), as a
#    desktop's settings leave it for every program.
xprop -root -format RESOURCE_MANAGER 8s -set RESOURCE_MANAGER "Xft.dpi:	192"
expect_main_window xft-dpi-192 "1426 974"
end_program
stop_screen

# 3. A screen that fits at 1: nothing changes.
start_screen 1280x1024
expect_main_window plain "792 541"
end_program
stop_screen

# 4. Truly too small: 640 x 480 at 100 % gets the refusal and no window.
start_screen 640x480
e2e_start_lumo small
e2e_wait_for 20 '[ -n "$(e2e_windows_of $E2E_PID)" ]' || e2e_fail "640x480: no refusal box; log: $(cat "$E2E_TMP/lumo-small.log")"
sleep 1
BOX=$(e2e_windows_of "$E2E_PID" | head -1)
[ -z "$(e2e_window_sized $E2E_PID "$MAIN_SIZE")" ] || e2e_fail "640x480: the main window appeared"
[ -z "$(e2e_window_sized $E2E_PID "$BIRD_SIZE")" ] || e2e_fail "640x480: the bird appeared"
xdotool windowactivate --sync "$BOX" key Return 2>/dev/null || xdotool key Return
e2e_wait_for 10 '! kill -0 '"$E2E_PID"' 2>/dev/null' || e2e_fail "640x480: the refusal did not end the program"
wait "$E2E_PID"
RC=$?
[ "$RC" -eq 1 ] || e2e_fail "640x480: the refusal ended with $RC, not 1"
echo "640x480: refused, ended with 1"
stop_screen
echo "PASS"
