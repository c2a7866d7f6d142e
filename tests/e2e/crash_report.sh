#!/usr/bin/env bash
# The crash report of the real program: an exception caught inside a handler
# and one that escapes it, written to Lumo.ERR beside the program, shown in the
# message dialog, and the end of the program without its settings; a second
# crash replaces the first report; a segmentation fault still leaves one.
#
# The faults come through the program's test route, which no player meets:
#   LUMO_TEST_FAULT=<handler>:<action>[,<handler>:<action>...]
# makes the named handler of the main window fail on its next calls, one entry
# per call, with action throw (a std::runtime_error leaves the handler), catch
# (one is thrown and caught inside it), segv (a write through a null pointer)
# or abort. kopf_timerTimer is the main window's 250 ms tick, which runs by
# itself once the window is active, so no input is needed to reach it.
source "$(dirname "$0")/startup_common.sh"

# Under CI a missing tool is a failure, not a skip.
if [ "${CI:-}" = "true" ]; then
  e2e_skip() { e2e_fail "cannot run under CI: $*"; }
fi

e2e_private_home
e2e_display
command -v xclip >/dev/null || e2e_skip "xclip is not installed"
command -v import >/dev/null || e2e_skip "ImageMagick's import is not installed"
command -v python3 >/dev/null || e2e_skip "python3 is not installed"
ulimit -c 0

# A copy of the program in a folder of its own, so its report lies beside it.
PROG_DIR="$E2E_TMP/prog"
mkdir -p "$PROG_DIR"
cp "$LUMO" "$PROG_DIR/Lumo"
LUMO="$PROG_DIR/Lumo"
REPORT="$PROG_DIR/Lumo.ERR"
STORE="$XDG_CONFIG_HOME/vemu/LUMO.conf"
SHOTS="$(dirname "$(realpath "$1")")/e2e-shots"
mkdir -p "$SHOTS"

start_faulting() {
  LUMO_TEST_FAULT="$2" "$LUMO" >"$E2E_TMP/lumo-$1.log" 2>&1 &
  E2E_PID=$!
  E2E_STARTED_PIDS+=("$E2E_PID")
}

# The visible window of the process whose title starts with the dialog's.
dialog_window() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name '^Informationen zu Lumo Version ' 2>/dev/null | head -n1
}

wait_ended() {
  e2e_wait_for 20 '! kill -0 $E2E_PID 2>/dev/null' || e2e_fail "the program did not end ($1)"
  wait "$E2E_PID"
  STATUS=$?
}

# Checks the report's text; prints why not and fails when it is not right.
check_report() {
  python3 - "$REPORT" "$@" <<'PY'
import re
import sys
path, mode = sys.argv[1], sys.argv[2]
data = open(path, 'rb').read().decode('utf-8')
def fail(why):
    sys.exit(f"{why}\n--- {path} ---\n{data}")
if '\n' in data.replace('\r\n', ''):
    fail("a line does not end in CR LF")
if not data.endswith('\r\n'):
    fail("the file does not end in CR LF")
lines = data[:-2].split('\r\n')
if lines[0] != 'Es ist ein unerwarteter Fehler aufgetreten.':
    fail("first line")
if lines[-4:] != ['', '', 'Bitte informieren Sie den Autor!', 'Das Programm wird beendet.']:
    fail("closing lines: the block's empty line, the empty line, the request")
heads = [i for i, l in enumerate(lines) if l.startswith('Exception ')]
def block(i):
    end = lines.index('', i)
    return lines[i:end]
def check_block(b):
    if not re.fullmatch(r'  Exception occured at \$[0-9A-F]{16} \(Module "[^"]*", Procedure "[^"]*", Unit "[^"]*", Line \d+\)', b[1]):
        fail(f"location line of {b[0]}")
    if b[2] != '  Except frame-dump:':
        fail(f"frame heading of {b[0]}")
    frames = b[3:]
    if len(frames) == 0 or len(frames) % 3:
        fail(f"frames of {b[0]} are not three lines each")
    for k in range(0, len(frames), 3):
        if not (re.fullmatch(r'    Frame at \$[0-9A-F]{16} \(type: efkUnknown\)', frames[k])
                and re.fullmatch(r'      Code at \$[0-9A-F]{16}', frames[k + 1])
                and re.fullmatch(r'      Module "[^"]*", Procedure ".*", Unit "[^"]*", Line \d+', frames[k + 2])):
            fail(f"frame {k // 3} of {b[0]}")
    return '\n'.join(b)
caught = 'Exception std::runtime_error: Abgefangener Testfehler in kopf_timerTimer'
thrown = 'Exception std::runtime_error: Testfehler in kopf_timerTimer'
if mode == 'caught-then-thrown':
    if lines[1] != 'Fehlermeldung: "Testfehler in kopf_timerTimer"':
        fail("message line")
    if [lines[i] for i in heads] != [caught, thrown]:
        fail("the caught block and then the fatal one")
    check_block(block(heads[0]))
    fatal = check_block(block(heads[1]))
    # The throw itself, in the test route's fault helper, then the handler.
    for want in ['Procedure "lumo::(anonymous namespace)::Fault(char const*, lumo::TestFault::Action)", '
                 'Unit "src/shell/TestFault.cpp", Line ',
                 'Procedure "lumo::TLumoForm::kopf_timerTimer()"', 'Module "Lumo"', 'Module "libQt6Core.so.6',
                 'Procedure "lumo::LumoApplication::notify(QObject*, QEvent*)"']:
        if want not in fatal:
            fail(f"the fatal block lacks {want}")
    if not re.search(r'Procedure "lumo::TLumoForm::kopf_timerTimer\(\)", Unit "src/shell/\w+\.cpp", Line [1-9]', fatal):
        fail("the handler's own source file and line")
elif mode == 'thrown-only':
    if [lines[i] for i in heads] != [thrown]:
        fail("only the second run's block")
    check_block(block(heads[0]))
elif mode == 'segv':
    if lines[1] != 'Fehlermeldung: "Zugriffsverletzung bei Adresse $0000000000000000"':
        fail("message line")
    seg = 'Exception SIGSEGV: Zugriffsverletzung bei Adresse $0000000000000000 (OS Exception)'
    if [lines[i] for i in heads] != [caught, seg]:
        fail("the caught block and then the fault's")
    fault = check_block(block(heads[1]))
    # Named after the fault by the report's child process.
    if ('(Module "Lumo", Procedure "lumo::(anonymous namespace)::Fault(char const*, lumo::TestFault::Action)", '
            'Unit "src/shell/TestFault.cpp", Line ') not in fault.split('\n')[1]:
        fail("the fault's place in the program")
    if 'Procedure "lumo::TLumoForm::kopf_timerTimer()", Unit "src/shell/TLumoForm.cpp", Line ' not in fault:
        fail("the handler's frame of the fault")
PY
}

# 1. Caught once, then thrown out of the handler.
start_faulting first "kopf_timerTimer:catch,kopf_timerTimer:throw"
e2e_wait_for 40 '[ -n "$(dialog_window)" ]' || e2e_fail "no report dialog; log: $(cat "$E2E_TMP/lumo-first.log")"
DIALOG=$(dialog_window)
[ -f "$REPORT" ] || e2e_fail "no Lumo.ERR beside the program while the report shows"
check_report caught-then-thrown || e2e_fail "the first report is not right"

read -r DX DY DW DH < <(e2e_geometry_of "$DIALOG")
sleep 0.5
import -window root -crop "${DW}x${DH}+${DX}+${DY}" "$SHOTS/crash_report_dialog.png"
# The dialog's text, copied as a user would: click into it, select all, copy.
# A busy machine may take the first keys before the text has the focus.
: >"$E2E_TMP/shown.txt"
for attempt in 1 2 3 4 5; do
  timeout 5 xdotool windowactivate --sync "$DIALOG" >/dev/null 2>&1 || true
  xdotool mousemove "$(( DX + DW / 2 ))" "$(( DY + 20 ))" click 1
  sleep 0.3
  xdotool key ctrl+a ctrl+c
  sleep 0.5
  timeout 10 xclip -o -selection clipboard >"$E2E_TMP/shown.txt" 2>/dev/null || true
  [ -s "$E2E_TMP/shown.txt" ] && break
done
[ -s "$E2E_TMP/shown.txt" ] || e2e_fail "nothing was copied from the dialog"
python3 - "$REPORT" "$E2E_TMP/shown.txt" <<'PY' || e2e_fail "the dialog does not show the report's text"
import sys
report = open(sys.argv[1], 'rb').read().decode('utf-8').replace('\r\n', '\n').strip()
shown = open(sys.argv[2], 'rb').read().decode('utf-8').strip()
if report != shown:
    sys.exit(f"shown:\n{shown}\n--- report:\n{report}")
PY
kill -0 "$E2E_PID" 2>/dev/null || e2e_fail "the program ended before the dialog was closed"
xdotool key Escape
wait_ended "after the report was closed"
[ "$STATUS" -eq 3 ] || e2e_fail "the program ended with status $STATUS after a crash report, not 3"
[ ! -e "$STORE" ] || e2e_fail "the crash report stored the settings: $(cat "$STORE")"

# 2. A second crash: the file holds only its report.
start_faulting second "kopf_timerTimer:throw"
e2e_wait_for 40 '[ -n "$(dialog_window)" ]' || e2e_fail "no report dialog in the second run"
check_report thrown-only || e2e_fail "the second report is not right"
read -r DX DY DW DH < <(e2e_geometry_of "$(dialog_window)")
xdotool mousemove "$(( DX + DW / 2 ))" "$(( DY + DH - 22 ))" click 1
wait_ended "after the close button of the second report"
[ "$STATUS" -eq 3 ] || e2e_fail "second run ended with status $STATUS"
[ ! -e "$STORE" ] || e2e_fail "the second crash stored the settings"

# 3. A segmentation fault after a caught exception: the report is still written.
start_faulting segv "kopf_timerTimer:catch,kopf_timerTimer:segv"
e2e_wait_for 40 '! kill -0 $E2E_PID 2>/dev/null' || e2e_fail "the faulting program did not end"
wait "$E2E_PID"
STATUS=$?
[ "$STATUS" -eq $(( 128 + 11 )) ] || e2e_fail "the fault ended the program with status $STATUS, not by SIGSEGV"
check_report segv || e2e_fail "the fault's report is not right"
[ ! -e "$STORE" ] || e2e_fail "the fault stored the settings"
echo "crash report: caught and thrown, second run, segmentation fault: ok"
