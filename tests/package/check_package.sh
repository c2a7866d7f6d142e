#!/usr/bin/env bash
# The Debian package as a user meets it: cpack builds it, lintian,
# desktop-file-validate and appstreamcli check it, apt-get installs it, and
# /usr/games/Lumo starts from the read-only install under Xvfb with openbox as
# an ordinary user (nobody) with a private home: the window appears, the
# high-score list is looked for in the user's data folder and not beside the
# program, and a second start ends with 0. The package is removed at the end,
# also when a step fails.
#   check_package.sh BUILD_DIR
set -u
BUILD=${1:?usage: $0 <build folder>}
# startup_common.sh wants a program; the installed one is checked below.
source "$(dirname "$0")/../e2e/startup_common.sh" /bin/true

for tool in cpack lintian desktop-file-validate appstreamcli dpkg-deb dpkg-shlibdeps fakeroot strace setpriv; do
  command -v "$tool" >/dev/null || e2e_skip "$tool is not installed"
done
[ "$(id -u)" -eq 0 ] || e2e_skip "installing the package needs root"
if dpkg-query -W -f='${Status}' lumo 2>/dev/null | grep -q "install ok installed"; then
  e2e_fail "a lumo package is installed already; this test would replace and remove it"
fi

e2e_private_home
OUT="$E2E_TMP/package"
mkdir -p "$OUT"

# 1. The package.
START=$(e2e_now_ms)
(cd "$BUILD" && cpack -G DEB -B "$OUT" >"$OUT/cpack.log" 2>&1) || e2e_fail "cpack failed: $(tail -20 "$OUT/cpack.log")"
DEB=$(ls "$OUT"/lumo_*.deb 2>/dev/null | head -1)
[ -n "$DEB" ] || e2e_fail "cpack wrote no lumo_*.deb: $(tail -20 "$OUT/cpack.log")"
echo "built $(basename "$DEB"), $(stat -c %s "$DEB") bytes, in $(( $(e2e_now_ms) - START )) ms"
dpkg-deb -f "$DEB" Package Version Section Depends

# 2. Its checks. Lintian's overrides ship in the package, each with its reason.
# --show-overrides counts the overridden tags as failures, so the verdict is
# read from the tags: no error and no warning.
lintian --display-info --show-overrides "$DEB" >"$OUT/lintian.log" 2>&1
cat "$OUT/lintian.log"
grep -q '^[IO]: \|^N: ' "$OUT/lintian.log" || e2e_fail "lintian printed nothing it knows: did it run?"
! grep -q '^[EWX]: ' "$OUT/lintian.log" || e2e_fail "lintian found errors or warnings"
dpkg-deb -x "$DEB" "$OUT/root"
DESKTOP=$(ls "$OUT"/root/usr/share/applications/*.desktop)
METAINFO=$(ls "$OUT"/root/usr/share/metainfo/*.metainfo.xml)
desktop-file-validate "$DESKTOP" || e2e_fail "desktop-file-validate: $DESKTOP"
appstreamcli validate --no-net --pedantic "$METAINFO" || e2e_fail "appstreamcli validate: $METAINFO"
for size in 16 22 24 32 48 64 128 256; do
  icon=$(ls "$OUT"/root/usr/share/icons/hicolor/${size}x${size}/apps/*.png 2>/dev/null)
  [ -n "$icon" ] || e2e_fail "no ${size}x${size} icon"
  file "$icon" | grep -q "PNG image data, $size x $size" || e2e_fail "not a $size px PNG: $(file "$icon")"
done

lumo_pid() { pgrep -n -u nobody -x Lumo; }

# 3. Installed as a user would, removed whatever happens next.
remove_package() {
  local pid
  pid=$(lumo_pid)
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  DEBIAN_FRONTEND=noninteractive apt-get remove -y --purge lumo >"$OUT/remove.log" 2>&1 \
    || echo "could not remove the package: $(tail -5 "$OUT/remove.log")" >&2
}
trap 'remove_package; e2e_cleanup' EXIT
DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "$DEB" >"$OUT/install.log" 2>&1 \
  || e2e_fail "apt-get install failed: $(tail -20 "$OUT/install.log")"
[ -x /usr/games/Lumo ] || e2e_fail "/usr/games/Lumo is not installed"
[ "$(readlink /usr/games/lumo)" = "Lumo" ] || e2e_fail "/usr/games/lumo does not point at Lumo"
man -w 6 lumo >/dev/null || e2e_fail "man 6 lumo finds no page"
# The menu starts what its entry names.
EXEC=$(sed -n "s/^Exec=//p" "/usr/share/applications/$(basename "$DESKTOP")")
[ "$EXEC" = "/usr/games/Lumo" ] || e2e_fail "the menu entry starts '$EXEC', not /usr/games/Lumo"

# 4. The installed program as an ordinary user, for whom /usr/games is read-only.
RUN_AS=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
chown -R nobody:nogroup "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
chmod 755 "$E2E_TMP"
e2e_display

strace -f -qq -e trace=%file -o "$OUT/files.log" "${RUN_AS[@]}" "$EXEC" >"$E2E_TMP/lumo-first.log" 2>&1 &
TRACER=$!
E2E_STARTED_PIDS+=("$TRACER")
e2e_wait_for 15 '[ -n "$(lumo_pid)" ]' || e2e_fail "the installed program did not start: $(cat "$E2E_TMP/lumo-first.log")"
PID=$(lumo_pid)
e2e_wait_for 30 '[ -n "$(e2e_window_sized $PID "$MAIN_SIZE")" ]' \
  || e2e_fail "no main window ($MAIN_SIZE) appeared; log: $(cat "$E2E_TMP/lumo-first.log")"
echo "main window of /usr/games/Lumo appeared"

SCORES="$XDG_DATA_HOME/Lumo/Lumo.HSC"
grep -q "\"$SCORES\"" "$OUT/files.log" || e2e_fail "the high-score list was not looked for at $SCORES"
! grep -q '"/usr/games/Lumo.HSC"' "$OUT/files.log" || e2e_fail "the program looked for /usr/games/Lumo.HSC"
echo "high-score list looked for at $SCORES: $(grep -c "\"$SCORES\"" "$OUT/files.log") access(es)"

"${RUN_AS[@]}" /usr/games/lumo >"$E2E_TMP/lumo-second.log" 2>&1 &
SECOND=$!
e2e_wait_for 10 '! kill -0 '"$SECOND"' 2>/dev/null' || e2e_fail "the second start did not end"
wait "$SECOND"
RC=$?
[ "$RC" -eq 0 ] || e2e_fail "the second start ended with $RC: $(cat "$E2E_TMP/lumo-second.log")"
kill -0 "$PID" 2>/dev/null || e2e_fail "the first program ended at the second start"
echo "second start (through /usr/games/lumo) ended with 0"

kill "$PID"
e2e_wait_for 10 '! kill -0 '"$PID"' 2>/dev/null' || e2e_fail "the program did not end on SIGTERM"
ls /usr/games/Lumo.* 2>/dev/null && e2e_fail "the program wrote beside itself in /usr/games"
echo "PASS"
