# Shared set-up of the start-up end-to-end tests: a private home for the
# program, an X display with a window manager, and window lookups by process.
# Sourced by the test scripts; the first argument of each script is the binary.

set -u
source "$(dirname "${BASH_SOURCE[0]}")/lib/display.sh"

E2E_STARTED_PIDS=()
E2E_TMP=""

e2e_cleanup() {
  local pid
  for pid in "${E2E_STARTED_PIDS[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${E2E_STARTED_PIDS[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
  [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# A missing tool skips the test on a developer's machine; in CI it fails it,
# since a test that did not run must not pass as one that did.
e2e_skip() {
  if [ "${CI:-}" = "true" ]; then
    echo "FAIL: (CI, would skip) $*" >&2
    exit 1
  fi
  echo "SKIP: $*" >&2
  exit 77
}

# A fresh home so no real settings, scores or instance lock are touched, and
# no sound server, so the greeting does not wait for audio.
e2e_private_home() {
  E2E_TMP=$(mktemp -d /tmp/lumo-e2e.XXXXXX)
  export HOME="$E2E_TMP/home"
  export XDG_CONFIG_HOME="$E2E_TMP/config"
  export XDG_DATA_HOME="$E2E_TMP/data"
  export XDG_CACHE_HOME="$E2E_TMP/cache"
  export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
  export PULSE_SERVER="unix:/nonexistent/lumo-e2e-no-sound"
  mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
  mkdir -m 700 "$XDG_RUNTIME_DIR"
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY
}

# Uses $DISPLAY when set; otherwise starts a private Xvfb with openbox.
e2e_display() {
  command -v xdotool >/dev/null || e2e_skip "xdotool is not installed"
  command -v xwininfo >/dev/null || e2e_skip "xwininfo is not installed"
  if [ -n "${DISPLAY:-}" ] && xdotool getdisplaygeometry >/dev/null 2>&1; then
    return 0
  fi
  local rc=0
  e2e_start_display "$@" || rc=$?
  [ "$rc" -eq 3 ] && e2e_skip "no DISPLAY, and no Xvfb with openbox to make one"
  [ "$rc" -eq 0 ] || e2e_fail "could not start a private display"
  E2E_STARTED_PIDS+=("${E2E_DISPLAY_PIDS[@]}")
}

# Milliseconds since the epoch.
e2e_now_ms() {
  date +%s%3N
}

# Visible windows of a process, one id per line (none: empty output).
e2e_windows_of() {
  xdotool search --all --onlyvisible --pid "$1" 2>/dev/null || true
}

# xwininfo of one window. Without an id xwininfo waits for a click on the
# screen, which nobody gives, so an empty id (a window that went away between
# lookup and query) yields nothing instead; a stuck server ends after 5 s.
e2e_xwininfo() {
  [ -n "${1:-}" ] || return 0
  timeout 5 xwininfo -id "$1" 2>/dev/null || true
}

# "x y width height" of a window, read in one query so the four belong together;
# empty when the window is gone.
e2e_geometry_of() {
  e2e_xwininfo "${1:-}" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4}
    /Width:/ {w=$2} /Height:/ {h=$2} END {if (w != "") print x, y, w, h}'
}

# "width height" of a window.
e2e_size_of() {
  e2e_xwininfo "${1:-}" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}

# "x y" of a window's top-left corner on the screen.
e2e_position_of() {
  e2e_xwininfo "${1:-}" | awk '/Absolute upper-left X:/ {x=$4} /Absolute upper-left Y:/ {y=$4} END {print x, y}'
}

e2e_map_state() {
  e2e_xwininfo "${1:-}" | awk '/Map State:/ {print $3}'
}

# The visible window of the process with the given size, or nothing.
e2e_window_sized() {
  local pid=$1 want=$2 id
  for id in $(e2e_windows_of "$pid"); do
    if [ "$(e2e_size_of "$id")" = "$want" ]; then
      echo "$id"
      return 0
    fi
  done
  return 0
}

# Polls a shell condition every 50 ms until it holds or the seconds run out.
e2e_wait_for() {
  local seconds=$1
  shift
  local deadline=$(( $(e2e_now_ms) + seconds * 1000 ))
  while [ "$(e2e_now_ms)" -lt "$deadline" ]; do
    if eval "$@"; then
      return 0
    fi
    sleep 0.05
  done
  return 1
}

# Starts the program in the background; its pid is in E2E_PID.
e2e_start_lumo() {
  "$LUMO" >"$E2E_TMP/lumo-$1.log" 2>&1 &
  E2E_PID=$!
  E2E_STARTED_PIDS+=("$E2E_PID")
}

BIRD_SIZE="57 80"
MAIN_SIZE="792 541"

LUMO=${1:?usage: $0 <path to Lumo>}
[ -x "$LUMO" ] || e2e_fail "not an executable: $LUMO"
