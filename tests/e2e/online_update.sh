#!/usr/bin/env bash
# The real program's internet update against a real HTTP server process on
# 127.0.0.1 (tests/widget/online/update_server.py), pointed at by the
# tests-only variable LUMO_TEST_UPDATE_BASE: the title-bar button finds a
# newer version, the setup comes with a progress bar (a picture is kept),
# "Ja" starts it, and the program ends without storing its settings.
# Optional second argument: where to keep the picture (default: the private
# folder, which goes at the end).
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
# The update's files go to the temporary folder; a private one, so leftovers are ours.
export TMPDIR="$E2E_TMP/tmp"
mkdir -m 700 "$TMPDIR"
e2e_display
command -v import >/dev/null || e2e_fail "ImageMagick's import is not installed"
command -v python3 >/dev/null || e2e_fail "python3 is not installed"
SHOT=${2:-$E2E_TMP/update-progress.png}

PROG_DIR="$E2E_TMP/prog"
mkdir -p "$PROG_DIR"
cp "$LUMO" "$PROG_DIR/Lumo"
LUMO="$PROG_DIR/Lumo"
STORE="$XDG_CONFIG_HOME/vemu/LUMO.conf"
MARKER="$E2E_TMP/setup-ran"

# The server: the information file and a setup script, sent slowly enough to
# be seen on its way.
SERVED="$E2E_TMP/served"
mkdir -p "$SERVED/downloads/Spiele"
printf '[VEMU]\r\nVersion=26470\r\nNewVersion=26.4.7.0\r\n' >"$SERVED/downloads/Spiele/lumo.ini"
{
  printf '#!/bin/sh\necho "$0" > "%s"\nexit 0\n' "$MARKER"
  for i in $(seq 1 1200); do printf '# padding line %04d of the test setup\n' "$i"; done
} >"$SERVED/downloads/Spiele/Lumo"
printf '{"chunk": 1024, "pause": 0.2}' >"$SERVED/downloads/Spiele/Lumo.behave"
# It ends when this script's end closes the pipe it reads, or after 110 s.
mkfifo "$E2E_TMP/server.in"
python3 "$(dirname "$0")/../widget/online/update_server.py" "$SERVED" 110 >"$E2E_TMP/server.out" 2>&1 <"$E2E_TMP/server.in" &
E2E_STARTED_PIDS+=("$!")
exec 9>"$E2E_TMP/server.in"
e2e_wait_for 15 'grep -q "^PORT " "$E2E_TMP/server.out"' || e2e_fail "update server did not start: $(cat "$E2E_TMP/server.out")"
PORT=$(awk '/^PORT/ {print $2}' "$E2E_TMP/server.out")
export LUMO_TEST_UPDATE_BASE="http://127.0.0.1:$PORT/"

e2e_start_lumo update
e2e_wait_for 25 '[ -n "$(e2e_window_sized $E2E_PID "$MAIN_SIZE")" ]' \
  || e2e_fail "the main window did not appear; log: $(cat "$E2E_TMP"/lumo-*.log)"
MAIN=$(e2e_window_sized "$E2E_PID" "$MAIN_SIZE")
read -r MX MY < <(e2e_position_of "$MAIN")
sleep 2

# btn_InternetUpdate: 25 x 25 at (702, 7) of the title bar, which is at (2, 2).
xdotool mousemove "$(( MX + 2 + 702 + 12 ))" "$(( MY + 2 + 7 + 12 ))" click 1
e2e_wait_for 15 '[ -n "$(e2e_window_sized $E2E_PID "295 155")" ]' || e2e_fail "the update window did not appear"
UPDATE=$(e2e_window_sized "$E2E_PID" "295 155")
e2e_wait_for 15 'grep -q "Spiele/Lumo$" "$SERVED/requests.log" 2>/dev/null' || e2e_fail "the setup was not asked for"
sleep 1.5
UX=""
e2e_wait_for 10 'UPDATE=$(e2e_window_sized $E2E_PID "295 155"); read -r UX UY < <(e2e_position_of "$UPDATE"); [ -n "$UX" ]' \
  || e2e_fail "the update window has no place on the screen"
import -window root -crop "295x155+$UX+$UY" "$SHOT" || e2e_fail "no picture of the update window"
[ -s "$SHOT" ] || e2e_fail "the picture of the update window is empty: $SHOT"

# The question comes once the setup is whole; "j" answers "Ja".
question() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name '^Informationen zu ' 2>/dev/null | head -1
}
e2e_wait_for 40 '[ -n "$(question)" ] && [ -z "$(e2e_window_sized $E2E_PID "295 155")" ]' \
  || e2e_fail "no question after the download"
DIALOG=$(question)
timeout 5 xdotool windowactivate --sync "$DIALOG" >/dev/null 2>&1 || true
xdotool key --window "$DIALOG" j

e2e_wait_for 20 '[ -s "$MARKER" ]' || e2e_fail "the setup did not run"
e2e_wait_for 15 '! kill -0 $E2E_PID 2>/dev/null' || e2e_fail "the program did not end after starting the setup"
[ ! -e "$STORE" ] || e2e_fail "starting the setup stored the settings: $(cat "$STORE")"
SETUP=$(cat "$MARKER")
case "$(basename "$SETUP")" in
  '$$$TEMP'*Lumo) ;;
  *) e2e_fail "the setup ran from an unexpected file: $SETUP" ;;
esac
# Once the setup has ended its file goes.
e2e_wait_for 15 '[ ! -e "$SETUP" ]' || e2e_fail "the setup file stayed: $SETUP"
leftover=$(find "$(dirname "$SETUP")" -maxdepth 1 -name '$$$TEMP*' | head -1)
[ -z "$leftover" ] || e2e_fail "an update file stayed: $leftover"

echo "setup ran from $SETUP; picture: $SHOT"
echo "PASS"
