# A private X display with a window manager, the one way every end-to-end
# script and the test command get theirs. Sourced (bash).
#
#   e2e_start_display [Xvfb arguments...]   exports DISPLAY; default screen 1280x1024x24
#   e2e_stop_display                        ends openbox and Xvfb again
#
# Xvfb picks a free display number itself (-displayfd), so parallel tests never
# race for a lock file. Openbox is waited for until it has claimed the screen,
# since a window mapped before that is placed and decorated differently.

E2E_DISPLAY_PIDS=()

e2e_stop_display() {
  local pid
  for pid in "${E2E_DISPLAY_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${E2E_DISPLAY_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  E2E_DISPLAY_PIDS=()
}

e2e_start_display() {
  local tool
  for tool in Xvfb openbox xprop; do
    command -v "$tool" >/dev/null || { echo "display: $tool is not installed" >&2; return 3; }
  done
  local args=("$@")
  [ ${#args[@]} -eq 0 ] && args=(-screen 0 1280x1024x24)
  local number="" fifo_dir
  fifo_dir=$(mktemp -d /tmp/lumo-display.XXXXXX)
  mkfifo "$fifo_dir/fd"
  Xvfb -displayfd 3 -nolisten tcp "${args[@]}" 3>"$fifo_dir/fd" >/dev/null 2>&1 &
  E2E_DISPLAY_PIDS+=("$!")
  read -r -t 20 number <"$fifo_dir/fd" || true
  rm -rf "$fifo_dir"
  if [ -z "$number" ]; then
    e2e_stop_display
    echo "display: Xvfb did not start" >&2
    return 1
  fi
  export DISPLAY=":$number"
  openbox >/dev/null 2>&1 &
  E2E_DISPLAY_PIDS=("$!" "${E2E_DISPLAY_PIDS[@]}")
  local i
  for i in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.1
  done
  e2e_stop_display
  echo "display: openbox did not take the screen" >&2
  return 1
}
