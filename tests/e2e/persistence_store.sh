#!/usr/bin/env bash
# The real program's stores: the high-score file is read from beside the
# program, the settings are stored by the end button and only by it.
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
e2e_display
command -v import >/dev/null || e2e_skip "ImageMagick's import is not installed"

# A copy of the program in a folder of its own, so its list lies beside it
# and not in the build tree.
PROG_DIR="$E2E_TMP/prog"
mkdir -p "$PROG_DIR"
cp "$LUMO" "$PROG_DIR/Lumo"
LUMO="$PROG_DIR/Lumo"
STORE="$XDG_CONFIG_HOME/vemu/LUMO.conf"

# The list file for a plain text: every byte XOR (r | 0x80), r the top seven
# bits of the generator seeded with the length; then CR LF.
write_scores() {
  local plain=$1 out=$2 len=${#1} s i byte r
  s=$len
  : >"$out"
  for (( i = 0; i < len; i++ )); do
    s=$(( (s * 134775813 + 1) & 0xFFFFFFFF ))
    r=$(( s >> 25 ))
    printf -v byte '%d' "'${plain:i:1}"
    printf "\\$(printf '%03o' $(( byte ^ (r | 0x80) )))" >>"$out"
  done
  printf '\r\n' >>"$out"
}

main_window() {
  if ! e2e_wait_for 25 '[ -n "$(e2e_window_sized $E2E_PID "$MAIN_SIZE")" ]'; then
    local state="still running"
    if ! kill -0 "$E2E_PID" 2>/dev/null; then
      wait "$E2E_PID"
      state="ended with status $?"
    fi
    e2e_fail "the main window did not appear ($state, start ${E2E_CASE:-}); log: $(cat "$E2E_TMP"/lumo-*.log)"
  fi
  MAIN=$(e2e_window_sized "$E2E_PID" "$MAIN_SIZE")
  read -r MX MY < <(e2e_position_of "$MAIN")
  # The first deal and the stored settings come after the window is shown.
  sleep 2
}

# The high-score frame sh_bester: 187 x 72 at (600, 51) on the card table,
# which starts at (2, 40) in the window.
list_picture() {
  import -window root -crop "187x72+$(( MX + 602 ))+$(( MY + 91 ))" "$1"
}

wait_gone() {
  e2e_wait_for 10 '! kill -0 $E2E_PID 2>/dev/null' || e2e_fail "the program did not end ($1); windows: $(e2e_windows_of $E2E_PID); log: $(cat "$E2E_TMP"/lumo-*.log)"
}

# 1. No list, no store: closed through the window manager, nothing is stored.
E2E_CASE=empty
e2e_start_lumo empty
main_window
list_picture "$E2E_TMP/empty.png"
timeout 5 xdotool windowactivate --sync "$MAIN" >/dev/null 2>&1 || true
# The keys go to the focused window through the X server's test input. Sent
# with --window, xdotool could die of BadWindow when the window closed between
# press and release, leaving alt+F4 held on the server: the window manager
# then closed the next start's window at once.
xdotool key alt+F4
xdotool keyup alt F4 >/dev/null 2>&1 || true
wait_gone "after alt+F4"
[ ! -e "$STORE" ] || e2e_fail "closing by the window manager stored the settings: $(cat "$STORE")"
[ ! -e "$PROG_DIR/Lumo.HSC" ] || e2e_fail "a list file appeared without a won game"

# 2. A list beside the program shows on the table; bt_ende stores the settings.
write_scores $'1250;Anna;08.12.2026\r980;Ben;07.12.2026\r0;;' "$PROG_DIR/Lumo.HSC"
E2E_CASE=list
e2e_start_lumo list
main_window
list_picture "$E2E_TMP/list.png"
DIFF=$(compare -metric AE "$E2E_TMP/empty.png" "$E2E_TMP/list.png" null: 2>&1 || true)
[ "${DIFF%% *}" != "0" ] || e2e_fail "the list beside the program does not show on the table"

xdotool mousemove "$(( MX + 2 + 756 + 12 ))" "$(( MY + 2 + 7 + 12 ))" click 1
wait_gone "after bt_ende"
[ -f "$STORE" ] || e2e_fail "bt_ende did not store the settings"
for key in OptSound OptAni OptMidi; do
  grep -qx "$key=0" "$STORE" || e2e_fail "$key is not stored as 0 after a first run: $(cat "$STORE")"
done

# 3. A FIFO at both files counts as no file: the start does not hang on it,
#    and both FIFOs are left as they were.
rm -f "$PROG_DIR/Lumo.HSC" "$STORE"
mkfifo "$PROG_DIR/Lumo.HSC" "$STORE"
E2E_CASE=fifo
e2e_start_lumo fifo
main_window
# Ended without saving; the window manager's close needs the focus, which a
# window that just came up does not always have yet.
kill -TERM "$E2E_PID"
wait_gone "after SIGTERM with FIFOs"
[ -p "$PROG_DIR/Lumo.HSC" ] && [ -p "$STORE" ] || e2e_fail "a FIFO at a store path was replaced"

# 4. Stored 1/1/1 and a run without a sound server, which reads none of the
#    values: bt_ende stores them back as they were.
rm -f "$PROG_DIR/Lumo.HSC" "$STORE"
printf '[General]\nOptAni=1\nOptMidi=1\nOptSound=1\n' >"$STORE"
E2E_CASE=nosound
e2e_start_lumo nosound
main_window
xdotool mousemove "$(( MX + 2 + 756 + 12 ))" "$(( MY + 2 + 7 + 12 ))" click 1
wait_gone "after bt_ende without sound"
for key in OptSound OptAni OptMidi; do
  grep -qx "$key=1" "$STORE" || e2e_fail "$key stored 1 was overwritten by a run without sound: $(cat "$STORE")"
done

echo "list pixels changed by the file: ${DIFF%% *}"
echo "PASS"
