#!/usr/bin/env bash
# The real program's mail to the author and web link, with the desktop's real
# xdg-mime and xdg-open in a private XDG home where a fake mail program and a
# fake browser are registered; each records the link it gets.
# 1. A mail handler registered: "E-Mail an den Autor" is in the menu and the
#    handler gets the exact mailto link.
# 2. The handler's desktop entry missing: the entry is hidden.
# 3. No network (a network namespace of its own, so root): the logo shows the
#    connection message and starts no browser.
source "$(dirname "$0")/startup_common.sh"

e2e_private_home
e2e_display
command -v xdg-mime >/dev/null || e2e_fail "xdg-mime (xdg-utils) is not installed"
command -v unshare >/dev/null || e2e_fail "unshare (util-linux) is not installed"
export XDG_CONFIG_DIRS="$E2E_TMP/no-config-dirs" XDG_DATA_DIRS="$E2E_TMP/no-data-dirs"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION BROWSER DEFAULT_BROWSER

PROG_DIR="$E2E_TMP/prog"
mkdir -p "$PROG_DIR" "$XDG_DATA_HOME/applications"
cp "$LUMO" "$PROG_DIR/Lumo"
LUMO="$PROG_DIR/Lumo"
GOT_MAIL="$E2E_TMP/mail-got"
GOT_WEB="$E2E_TMP/web-got"

register() { # scheme record-file
  printf '#!/bin/sh\nprintf "%%s" "$1" > "%s"\n' "$2" >"$E2E_TMP/$1-handler.sh"
  chmod +x "$E2E_TMP/$1-handler.sh"
  printf '[Desktop Entry]\nType=Application\nName=Fake %s\nExec=%s %%u\nMimeType=x-scheme-handler/%s;\n' \
    "$1" "$E2E_TMP/$1-handler.sh" "$1" >"$XDG_DATA_HOME/applications/fake-$1.desktop"
  [ -f "$XDG_CONFIG_HOME/mimeapps.list" ] || printf '[Default Applications]\n' >"$XDG_CONFIG_HOME/mimeapps.list"
  printf 'x-scheme-handler/%s=fake-%s.desktop\n' "$1" "$1" >>"$XDG_CONFIG_HOME/mimeapps.list"
}

main_window() {
  e2e_wait_for 25 '[ -n "$(e2e_window_sized $E2E_PID "$MAIN_SIZE")" ]' \
    || e2e_fail "the main window did not appear; log: $(cat "$E2E_TMP"/lumo-*.log)"
  MAIN=$(e2e_window_sized "$E2E_PID" "$MAIN_SIZE")
  read -r MX MY < <(e2e_position_of "$MAIN")
  # The menu entry's visibility is decided at the end of the settings, after the first deal.
  sleep 3
}

# Hovering "Menü" opens the menu; bt_mail is 144 x 20 at (6, 135) of the
# menu, which lies at the card table's corner (2, 40).
click_mail_entry() {
  xdotool mousemove "$(( MX + 2 + 46 + 30 ))" "$(( MY + 2 + 19 + 9 ))"
  sleep 0.7
  xdotool mousemove "$(( MX + 2 + 6 + 72 ))" "$(( MY + 40 + 135 + 10 ))"
  sleep 0.3
  xdotool click 1
}

# The message dialog, by its title (balloons are windows of the program too).
message_window() {
  xdotool search --all --onlyvisible --pid "$E2E_PID" --name '^Informationen zu ' 2>/dev/null | head -1
}

end_lumo() {
  kill "$E2E_PID"
  e2e_wait_for 10 '! kill -0 $E2E_PID 2>/dev/null' || e2e_fail "the program did not end ($1)"
}

# 1.
register mailto "$GOT_MAIL"
e2e_start_lumo mail
main_window
click_mail_entry
WANT='mailto:lumo@example.org?subject=Programm%20Lumo%20Vers.26.4.6.0&body=Hier%20Ihren%20Text%20%28Meinungen%2CAnfragen%20e.t.c%29%3A'
e2e_wait_for 15 '[ -s "$GOT_MAIL" ]' || e2e_fail "the mail program got nothing; log: $(cat "$E2E_TMP"/lumo-mail.log)"
[ "$(cat "$GOT_MAIL")" = "$WANT" ] || e2e_fail "the mail program got: $(cat "$GOT_MAIL")"
[ -z "$(message_window)" ] || e2e_fail "a message came although the mail program started"
end_lumo "mail"

# 2.
rm -f "$GOT_MAIL" "$XDG_DATA_HOME/applications/fake-mailto.desktop"
e2e_start_lumo hidden
main_window
click_mail_entry
sleep 3
[ ! -e "$GOT_MAIL" ] || e2e_fail "a hidden menu entry started the mail program"
[ -z "$(message_window)" ] || e2e_fail "the hidden menu entry answered with a window"
end_lumo "hidden"

# 3. The logo: 30 x 36 at (1, 1) of the title bar.
register https "$GOT_WEB"
unshare --net "$LUMO" >"$E2E_TMP/lumo-offline.log" 2>&1 &
E2E_PID=$!
E2E_STARTED_PIDS+=("$E2E_PID")
main_window
xdotool mousemove "$(( MX + 2 + 1 + 15 ))" "$(( MY + 2 + 1 + 18 ))" click 1
e2e_wait_for 10 '[ -n "$(message_window)" ]' || e2e_fail "no connection message after the logo click offline"
sleep 2
[ ! -e "$GOT_WEB" ] || e2e_fail "the browser was started offline: $(cat "$GOT_WEB")"
kill "$E2E_PID"

echo "mail link as expected; offline logo click showed a message and started nothing"
echo "PASS"
