# Frames of the private display, read from its framebuffer file ($FB) by
# frames.py. Sourced after ../startup_common.sh.
HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd); export HERE
FRAMES="python3 $HERE/frames.py"
# Starts recording a region in the background (pid in REC) and returns once
# the recorder reads the screen:  record_start OUT SECONDS X Y W H
record_start() {
  rm -f "$E2E_TMP/recording"
  $FRAMES record "$FB" "$1" "$2" "$3" "$4" "$5" "$6" "$E2E_TMP/recording" >/dev/null &
  REC=$!
  e2e_wait_for 20 '[ -e "$E2E_TMP/recording" ]' || e2e_fail "the frame recorder did not start"
}
