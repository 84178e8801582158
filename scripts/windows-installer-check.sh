#!/usr/bin/env bash
# The Windows installer end to end, under Wine on an X server of its own with a
# window manager: installs silently into a fresh Wine prefix, works the
# installed program with real keys, reads what it stored in the registry,
# starts it again, tries an upgrade while it runs, installs over it, and
# uninstalls silently.
#
#   scripts/windows-installer-check.sh build-windows/woordorakelaar-1.0.4-setup.exe
#
# Prints one line a check and ends with "N checks passed" (exit 0) or the
# first failure (exit 1).
set -uo pipefail

setup=$(realpath "$1")
version=${2:-1.0.4}
title="Woordorakelaar v1.0"
timeout=60

work=$(mktemp -d)
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
program_pid=""
server_pid=""
wm_pid=""
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    wineserver -k 2>/dev/null
    [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
    [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

passed=0
pass() {
    passed=$((passed + 1))
    echo "ok $passed - $*"
}
fail() {
    echo "not ok - $*"
    exit 1
}
# Asks a command again and again, for at most `timeout` seconds.
wait_for() {
    local end=$((SECONDS + timeout))
    until "$@"; do
        [ $SECONDS -ge $end ] && return 1
        sleep 0.1
    done
}

folder="$WINEPREFIX/drive_c/Program Files/Woordorakelaar"
exe='C:\Program Files\Woordorakelaar\woordorakelaar.exe'
menu_entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Woordorakelaar.lnk"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Woordorakelaar'
settings_key='HKCU\Software\WLK-Velde\Woordorakelaar'

# One value of a registry key, as `wine reg query` prints it.
reg_value() {
    wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^  /, ""); print }'
}

# --- the desktop
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
server_pid=$!
wait_for test -s "$work/display" || fail "the X server did not start"
export DISPLAY=":$(cat "$work/display")"
openbox --sm-disable >/dev/null 2>&1 &
wm_pid=$!
wait_for sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id"' \
    || fail "the window manager did not start"

wine wineboot -i >/dev/null 2>&1
wineserver -w
[ -f "$WINEPREFIX/system.reg" ] || fail "no Wine prefix"
pass "a fresh Wine prefix"

# --- installing
wine "$setup" /S >/dev/null 2>&1 || fail "the silent install ended with $?"
wineserver -w
for file in woordorakelaar.exe woordorakelaar.wod woordorakelaar.htm verwijderen.exe Qt6Core.dll Qt6Gui.dll \
    Qt6Widgets.dll platforms/qwindows.dll styles/qwindowsvistastyle.dll imageformats/qico.dll \
    imageformats/qgif.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll; do
    [ -f "$folder/$file" ] || fail "the program folder lacks $file"
done
pass "installed silently into Program Files\\Woordorakelaar"
[ -f "$menu_entry" ] || fail "no Start menu entry"
pass "a Start menu entry Woordorakelaar"
[ "$(reg_value "$uninstall_key" DisplayName)" = Woordorakelaar ] || fail "Apps does not list the program"
[ "$(reg_value "$uninstall_key" Publisher)" = WLK-Velde ] || fail "Apps names no publisher"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "Apps names no version $version"
[ -n "$(reg_value "$uninstall_key" DisplayIcon)" ] || fail "Apps shows no icon"
[ -n "$(reg_value "$uninstall_key" EstimatedSize)" ] || fail "Apps gives no size"
pass "Apps lists it: Woordorakelaar, WLK-Velde, $version, icon and size"

# --- the installed program
window=""
find_window() {
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [ -n "$window" ]
}
start_program() {
    wine "$exe" >/dev/null 2>&1 &
    program_pid=$!
    wait_for find_window || fail "no window titled $title"
    xdotool windowactivate --sync "$window" >/dev/null 2>&1
    wait_for sh -c "[ \"\$(xdotool getactivewindow 2>/dev/null)\" = $window ]" || fail "the window takes no focus"
}
# The window's outer corner on the screen, frame included.
corner() {
    local info extents
    info=$(xwininfo -id "$window" 2>/dev/null) || return 1
    extents=$(xprop -id "$window" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= \([0-9]*\), [0-9]*, \([0-9]*\), .*/\1 \2/p')
    [ -n "$extents" ] || return 1
    set -- $extents
    echo "$(($(echo "$info" | awk '/Absolute upper-left X/ { print $4 }') - $1))" \
        "$(($(echo "$info" | awk '/Absolute upper-left Y/ { print $4 }') - $2))"
}
# The current term as the window draws it, in its raised box under the menu.
term_picture="-crop 600x36+20+24 +repage rgb:-"
picture() {
    import -window "$window" $term_picture 2>/dev/null | md5sum
}
end_program() {
    local end=$((SECONDS + timeout))
    while kill -0 "$program_pid" 2>/dev/null; do
        [ $SECONDS -ge $end ] && fail "the program did not end"
        sleep 0.1
    done
    wait "$program_pid"
    local status=$?
    program_pid=""
    wineserver -w
    return $status
}

start_program
pass "the installed program shows its window \"$title\""

before=$(picture)
xdotool key --clearmodifiers F6
wait_for sh -c "[ \"\$(import -window $window $term_picture 2>/dev/null | md5sum)\" != '$before' ]" \
    || fail "F6 changed nothing in the window"
xdotool key --clearmodifiers F5
wait_for sh -c "[ \"\$(import -window $window $term_picture 2>/dev/null | md5sum)\" = '$before' ]" \
    || fail "F5 did not bring back the first term"
pass "F6 shows the next term, F5 the one before it again"

xdotool key --clearmodifiers ctrl+f
search_shown() { xdotool search --onlyvisible --name '^Zoeken - Typ tekst en druk op Enter$' >/dev/null 2>&1; }
wait_for search_shown || fail "Ctrl+F shows no search window"
xdotool key --clearmodifiers Escape
wait_for sh -c '! xdotool search --onlyvisible --name "^Zoeken - Typ tekst en druk op Enter\$" >/dev/null 2>&1' \
    || fail "Escape leaves the search window open"
pass "Ctrl+F opens the search window, Escape closes it"

# A place of the user's own, then closed as a user closes it.
xdotool windowmove --sync "$window" 180 140 >/dev/null 2>&1
wait_for sh -c "[ \"\$(xwininfo -id $window | awk '/Absolute upper-left X/ { print \$4 }')\" != 0 ]"
sleep 0.5
place=$(corner) || fail "the window's place cannot be read"
xdotool key --clearmodifiers alt+F4
end_program || fail "the program ended with $? after Alt+F4"
pass "Alt+F4 closes it (exit code 0)"

[ "$(reg_value "$settings_key" gebruik)" = 2 ] || fail "gebruik is $(reg_value "$settings_key" gebruik), not 2"
[ "$(reg_value "$settings_key" versie)" = "$version" ] || fail "versie is not $version"
[ "$(reg_value "$settings_key" exenaam)" = woordorakelaar ] || fail "exenaam is not woordorakelaar"
[ "$(reg_value "$settings_key" datamap)" = 'C:\Program Files\Woordorakelaar\' ] || fail "datamap is not the program folder"
links=$(reg_value "$settings_key" links)
boven=$(reg_value "$settings_key" boven)
# In twips, 15 to a pixel. Wine reckons the window's frame by Windows's own
# sizes while the window manager draws a frame of its own: the two corners
# differ by the difference in frame sizes, a few pixels.
set -- $place
near() { local d=$(($1 - $2)); [ ${d#-} -le 10 ]; }
near $((links / 15)) "$1" && near $((boven / 15)) "$2" \
    || fail "links $links and boven $boven (twips) are not the window's place $1, $2 (pixels)"
pass "the registry holds gebruik 2, versie $version, exenaam woordorakelaar, links $links and boven $boven"

start_program
wait_for sh -c "[ \"\$(xwininfo -id $window 2>/dev/null | awk '/Map State/ { print \$3 }')\" = IsViewable ]"
again=$(corner) || fail "the window's place cannot be read"
[ "$again" = "$place" ] || fail "the window came back at $again, not at $place"
pass "started again, the window comes back at $place"

# --- upgrading
wine "$setup" /S >/dev/null 2>&1
status=$?
[ $status -eq 2 ] || fail "an upgrade while the program runs ended with $status, not 2"
[ -f "$folder/woordorakelaar.exe" ] || fail "the refused upgrade removed the program"
pass "an upgrade while the program runs asks to close it first and changes nothing"
# In its own folder (_?=), the uninstaller runs there and its exit code is its own.
# NSIS reads _?= only unquoted, as the last word of its command line: a batch
# file passes it on as it is written.
printf '@"%s" /S _?=%s\r\n@exit /b %%ERRORLEVEL%%\r\n' 'C:\Program Files\Woordorakelaar\verwijderen.exe' \
    'C:\Program Files\Woordorakelaar' >"$WINEPREFIX/drive_c/verwijderen-hier.bat"
wine cmd /c 'C:\verwijderen-hier.bat' >/dev/null 2>&1
status=$?
[ $status -eq 2 ] || fail "an uninstall while the program runs ended with $status, not 2"
[ -f "$folder/woordorakelaar.exe" ] && [ -f "$menu_entry" ] || fail "the refused uninstall removed the program"
pass "an uninstall while the program runs asks to close it first and changes nothing"
xdotool key --clearmodifiers alt+F4
end_program || fail "the program ended with $? after Alt+F4"

echo "an older install" >"$folder/woordorakelaar.htm"
wine "$setup" /S >/dev/null 2>&1 || fail "installing over the earlier install ended with $?"
wineserver -w
cmp -s "$folder/woordorakelaar.htm" "$(dirname "$setup")/Woordorakelaar/woordorakelaar.htm" \
    || fail "the earlier install was not replaced"
pass "installing over an earlier install replaces it"

# --- uninstalling
wine "$folder/verwijderen.exe" /S >/dev/null 2>&1 || fail "the silent uninstall ended with $?"
# The uninstaller runs on from a copy of itself in the temporary folder.
wineserver -w
wait_for sh -c "[ ! -e \"$folder\" ]" || fail "the program folder is still there"
[ ! -e "$menu_entry" ] || fail "the Start menu entry is still there"
wine reg query "$uninstall_key" >/dev/null 2>&1 && fail "Apps still lists the program"
[ "$(reg_value "$settings_key" exenaam)" = woordorakelaar ] || fail "uninstalling removed the user's settings"
pass "uninstalled silently: the folder, the menu entry and the Apps entry gone, the settings kept"

echo "$passed checks passed"
