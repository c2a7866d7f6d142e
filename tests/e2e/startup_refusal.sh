#!/usr/bin/env bash
# Without a display the first start refuses in German on the terminal and ends
# with 1: the variable unset, and a display named that nobody serves (Qt would
# abort there with its own English text).
source "$(dirname "$0")/startup_common.sh"

e2e_private_home

# A display number nobody serves: no socket, no lock.
FREE=""
for n in $(seq 99 139); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
    FREE=":$n"
    break
  fi
done
[ -n "$FREE" ] || e2e_fail "no free display number between 99 and 139"

# case label | how DISPLAY is set
while IFS='|' read -r label display; do
  if [ "$display" = "unset" ]; then
    timeout 20 env -u DISPLAY "$LUMO" >"$E2E_TMP/out" 2>"$E2E_TMP/err"
  else
    timeout 20 env DISPLAY="$display" "$LUMO" >"$E2E_TMP/out" 2>"$E2E_TMP/err"
  fi
  rc=$?
  [ "$rc" -eq 1 ] || e2e_fail "$label: ended with $rc, not 1; stderr: $(cat "$E2E_TMP/err")"
  grep -qx 'Programm wird nicht ausgeführt.' "$E2E_TMP/err" \
    && grep -q '^Es ist keine grafische Anzeige verfügbar.$' "$E2E_TMP/err" \
    || e2e_fail "$label: no German refusal; stderr: $(cat "$E2E_TMP/err")"
  echo "$label: rc 1 with the refusal"
done <<CASES
DISPLAY unset|unset
DISPLAY=$FREE with no X server|$FREE
CASES
echo "PASS"
