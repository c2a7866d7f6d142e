# Shared set-up of the tests that record the real program's sound: run inside
# private_pulse.sh, they get a display (a private Xvfb with openbox when none
# answers), private settings and folders with the stored settings given, and
# helpers to find the main window and record the null sink's monitor.
#
#   sound_setup LUMO_BINARY "OptSound=1 OptAni=0 OptMidi=0"

work=$(mktemp -d /tmp/lumo-sound-e2e.XXXXXX)
started=()
sound_cleanup() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap sound_cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$work/lumo.log" ] && sed 's/^/  lumo: /' "$work/lumo.log" >&2; exit 1; }

now_ms() { date +%s%3N; }
wait_for() {  # wait_for SECONDS CONDITION...
  local deadline=$(( $(now_ms) + $1 * 1000 )); shift
  while [ "$(now_ms)" -lt "$deadline" ]; do eval "$@" && return 0; sleep 0.1; done
  return 1
}

sound_setup() {
  local settings=$2 pair
  command -v xdotool >/dev/null || fail "xdotool is not installed"
  command -v xwininfo >/dev/null || fail "xwininfo is not installed"
  if [ -z "${DISPLAY:-}" ] || ! xdotool getdisplaygeometry >/dev/null 2>&1; then
    source "$(dirname "${BASH_SOURCE[0]}")/../lib/display.sh"
    e2e_start_display || fail "no display, and no private Xvfb with openbox could be started"
    started=("${E2E_DISPLAY_PIDS[@]}")
  fi
  export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache TMPDIR=$work/tmp
  mkdir -p "$XDG_CONFIG_HOME/vemu" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$TMPDIR"
  {
    printf '[General]\n'
    for pair in $settings; do printf '%s\n' "$pair"; done
  } >"$XDG_CONFIG_HOME/vemu/LUMO.conf"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

main_window() {
  local id
  for id in $(xdotool search --all --onlyvisible --pid "$lumo_pid" 2>/dev/null); do
    if xwininfo -id "$id" 2>/dev/null | grep -q 'Width: 792' && xwininfo -id "$id" | grep -q 'Height: 541'; then
      echo "$id"; return 0
    fi
  done
  return 0
}

# Starts the program and waits for its main window to be active: $lumo_pid, $win.
start_lumo() {
  "$1" >"$work/lumo.log" 2>&1 &
  lumo_pid=$!
  started=("$lumo_pid" "${started[@]}")
  wait_for 30 '[ -n "$(main_window)" ]' || fail "the main window did not appear"
  win=$(main_window)
  timeout 5 xdotool windowactivate --sync "$win" >/dev/null 2>&1 || timeout 5 xdotool windowfocus --sync "$win" >/dev/null 2>&1
  wait_for 10 '[ "$(xdotool getactivewindow 2>/dev/null)" = "$win" ]' || fail "the main window did not become active"
}

start_recording() {  # start_recording FILE
  parec --latency-msec=20 -d lumo_check.monitor --format=s16le --channels=1 --rate=44100 --raw >"$1" &
  recorder=$!
  sleep 0.3
}
stop_recording() {
  sleep 0.5
  kill "$recorder" 2>/dev/null
  wait "$recorder" 2>/dev/null
}

# Presses space the given number of times, 150 ms apart.
press_keys() {
  for _ in $(seq 1 "$1"); do
    xdotool key --window "$win" --clearmodifiers space >/dev/null 2>&1 || xdotool key space
    sleep 0.15
  done
}

# Clicks the music label, which switches the music on or off.
click_music_label() {
  local wx wy
  read -r wx wy < <(xwininfo -id "$win" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}')
  [ -n "${wy:-}" ] || fail "the main window went away"
  xdotool mousemove $(( wx + 396 )) $(( wy + 531 )) click 1
}
