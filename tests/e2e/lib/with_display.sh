#!/usr/bin/env bash
# Runs a command on a private X display with openbox (see display.sh):
#   with_display.sh [Xvfb arguments...] -- command [arguments...]
# Exits with the command's status; 3 when a tool for the display is missing.
set -u
source "$(dirname "$0")/display.sh"
xvfb_args=()
while [ $# -gt 0 ] && [ "$1" != "--" ]; do xvfb_args+=("$1"); shift; done
[ "${1:-}" = "--" ] && shift
[ $# -gt 0 ] || { echo "usage: with_display.sh [Xvfb arguments...] -- command..." >&2; exit 2; }
trap e2e_stop_display EXIT
e2e_start_display "${xvfb_args[@]}" || exit $?
"$@"
