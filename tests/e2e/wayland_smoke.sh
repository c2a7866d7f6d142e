#!/usr/bin/env bash
# The real program on Wayland: under weston's headless backend with
# QT_QPA_PLATFORM=wayland it starts, deals (the card faces appear in the
# compositor's screenshot), a second start ends with 0, and it ends on SIGTERM
# without a crash report. What Wayland does not allow (placing windows,
# moving the pointer, the X11 title) is skipped without a word: the program
# prints no warning about it.
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
command -v weston >/dev/null || e2e_skip "weston is not installed"
command -v weston-screenshooter >/dev/null || e2e_skip "weston-screenshooter is not installed"
command -v convert >/dev/null || e2e_skip "ImageMagick's convert is not installed"
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 \
  || e2e_skip "Qt's Wayland platform (qt6-wayland) is not installed"
unset DISPLAY

SOCKET=lumo-e2e-wayland
weston --backend=headless-backend.so --socket="$SOCKET" --width=1280 --height=1024 \
  --use-pixman --debug --idle-time=0 >"$E2E_TMP/weston.log" 2>&1 &
E2E_STARTED_PIDS+=("$!")
e2e_wait_for 10 '[ -S "$XDG_RUNTIME_DIR/$SOCKET" ]' || e2e_fail "weston did not start: $(tail -5 "$E2E_TMP/weston.log")"
export WAYLAND_DISPLAY=$SOCKET QT_QPA_PLATFORM=wayland

# Pixels of the card faces' colour in the compositor's picture: the dealt cards.
face_pixels() {
  local shots="$E2E_TMP/shots-$1"
  mkdir -p "$shots"
  (cd "$shots" && timeout 10 weston-screenshooter >/dev/null 2>&1) || return 0
  convert "$shots"/wayland-screenshot-*.png -fuzz 4% -fill white -opaque "#F1EEEA" \
    -fill black +opaque white -format '%[fx:round(mean*w*h)]' info: 2>/dev/null
}

BEFORE=$(face_pixels before)
e2e_start_lumo first
FIRST=$E2E_PID
# The greeting lasts a little over two seconds, the silent deal follows.
DEALT=""
for i in $(seq 1 30); do
  sleep 1
  kill -0 "$FIRST" 2>/dev/null || e2e_fail "the program ended: $(cat "$E2E_TMP/lumo-first.log")"
  FACES=$(face_pixels "$i")
  # A face shows some 5000 such pixels; 18 top cards show about 90000.
  if [ "${FACES:-0}" -gt 40000 ]; then DEALT=$FACES; break; fi
done
[ -n "$DEALT" ] || e2e_fail "no dealt cards in the screenshot (card-face pixels: before ${BEFORE:-?}, last ${FACES:-?})"
echo "dealt: $DEALT card-face pixels on the screen (before the start: ${BEFORE:-?})"
cp "$E2E_TMP"/shots-"$i"/wayland-screenshot-*.png "$E2E_TMP/dealt.png"
[ -n "${LUMO_SCREENSHOT:-}" ] && cp "$E2E_TMP/dealt.png" "$LUMO_SCREENSHOT"

SECOND_START=$(e2e_now_ms)
e2e_start_lumo second
SECOND=$E2E_PID
e2e_wait_for 10 '! kill -0 '"$SECOND"' 2>/dev/null' || e2e_fail "the second start did not end"
wait "$SECOND"
RC=$?
[ "$RC" -eq 0 ] || e2e_fail "the second start ended with $RC: $(cat "$E2E_TMP/lumo-second.log")"
echo "second start ended with 0 after $(( $(e2e_now_ms) - SECOND_START )) ms"
kill -0 "$FIRST" 2>/dev/null || e2e_fail "the first program ended at the second start"

kill -TERM "$FIRST"
e2e_wait_for 10 '! kill -0 '"$FIRST"' 2>/dev/null' || e2e_fail "the program did not end on SIGTERM"
wait "$FIRST"
RC=$?
[ "$RC" -eq 143 ] || [ "$RC" -eq 0 ] || e2e_fail "the program ended with $RC: $(cat "$E2E_TMP/lumo-first.log")"
ERR=$(find "$(dirname "$LUMO")" "$XDG_DATA_HOME" -maxdepth 2 -name Lumo.ERR -newer "$E2E_TMP/weston.log" 2>/dev/null)
[ -z "$ERR" ] || e2e_fail "a crash report was written: $ERR"
if grep -Ei "wayland|cursor position|warning|critical" "$E2E_TMP/lumo-first.log"; then
  e2e_fail "the program complained on Wayland (above)"
fi
echo "PASS"
