#!/usr/bin/env bash
# Runs a command against a private PulseAudio server with one null sink
# ("lumo_check"), whose monitor source "lumo_check.monitor" records everything
# played. The server lives in a temporary runtime folder and is stopped
# afterwards; the user's own sound server is never touched.
#
#   private_pulse.sh COMMAND [ARGS...]
#
# Exit status: the command's, or 77 (skip) when no server can be started here.
set -uo pipefail

if ! command -v pulseaudio >/dev/null 2>&1 || ! command -v parec >/dev/null 2>&1; then
  echo "SKIP: pulseaudio or parec is not installed"
  exit 77
fi

runtime=$(mktemp -d /tmp/lumo-pulse.XXXXXX)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
export PULSE_RUNTIME_PATH=$runtime/pulse
export PULSE_SERVER=unix:$runtime/pulse/native
export HOME=$runtime  # cookie and state stay in the temporary folder
unset PULSE_SINK PULSE_SOURCE

# Stops the server and waits for it to go; the command may call it too
# (with start_pulse_server after it) to restart the server under a program.
stop_pulse_server() {
  pulseaudio --kill >/dev/null 2>&1
  # pulseaudio --kill finds the server through the runtime folder; wait for it to go.
  for _ in $(seq 1 20); do
    [ -S "$PULSE_RUNTIME_PATH/native" ] || break
    sleep 0.1
  done
}
# Starts the server with its null sink as the default; false when it does not answer.
start_pulse_server() {
  pulseaudio -D --exit-idle-time=-1 --system=false -n --disallow-exit=false \
    --load="module-null-sink sink_name=lumo_check rate=44100 norewinds=1" \
    --load="module-native-protocol-unix" --log-target=file:"$XDG_RUNTIME_DIR/pulse.log" >/dev/null 2>&1 || return 1
  for _ in $(seq 1 50); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
  done
  pactl info >/dev/null 2>&1 || return 1
  pactl set-default-sink lumo_check >/dev/null 2>&1
}
export -f stop_pulse_server start_pulse_server
trap 'stop_pulse_server; rm -rf "$runtime"' EXIT

if ! start_pulse_server; then
  echo "SKIP: a private PulseAudio server could not be started or does not answer"
  exit 77
fi

"$@"
