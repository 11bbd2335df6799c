#!/bin/bash
# Starts the real program on a bare X server with a fresh settings folder,
# checks the window titles as the window manager reads them, opens Klondike
# from the keyboard, closes the selector and checks that the program ended
# cleanly and saved its settings.
#   smoke.sh QUILLANE WM_CLOSE       (run inside xvfb-run)
#   SMOKE_WM_CLASS=Class smoke.sh ...  also checks the selector's window class
set -u
quillane=$1
wm_close=$2

config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export XDG_CONFIG_HOME=$config
export XDG_STATE_HOME=$config/state
export SDL_AUDIODRIVER=dummy
# make test runs everything else offscreen; this one needs the X server.
export QT_QPA_PLATFORM=xcb

fail() { echo "smoke: $*" >&2; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null; exit 1; }

# Waits up to $2 tenths of a second (default 150) for a mapped window whose
# title is exactly $1; prints its id.
wait_window() {
    local id
    for _ in $(seq "${2:-150}"); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        kill -0 "$pid" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# Both title properties must hold exactly the caption: window managers show
# _NET_WM_NAME, older tools read WM_NAME.
check_title() {
    local prop got
    for prop in WM_NAME _NET_WM_NAME; do
        got=$(xprop -id "$1" "$prop") || fail "cannot read $prop of window $1"
        [ "${got#*= }" = "\"$2\"" ] || fail "expected $prop \"$2\", got: $got"
    done
}

"$quillane" &
pid=$!

selector=$(wait_window 'Quillane!') || fail "no \"Quillane!\" window"
check_title "$selector" 'Quillane!'
# The task bar groups the program's windows by their class, not their title.
class=$(xprop -id "$selector" WM_CLASS)
[ "${class#*= }" = '"quillane", "Quillane"' ] || fail "unexpected window class: $class"
# With SMOKE_WM_CLASS set, that class must also be the one a launcher
# entry's StartupWMClass names.
if [ -n "${SMOKE_WM_CLASS:-}" ]; then
    [ "${class##*, }" = "\"$SMOKE_WM_CLASS\"" ] || fail "$class, not class \"$SMOKE_WM_CLASS\""
fi
# Typing a letter selects the first game starting with it: Klondike. A key
# sent before the new window has taken the focus is lost, so try again.
opened=
for _ in 1 2 3 4 5; do
    xdotool windowfocus --sync "$selector" || fail "cannot focus the selector"
    xdotool key --clearmodifiers k
    game=$(wait_window 'Klondike' 30) && { opened=1; break; }
done
[ -n "$opened" ] || fail "no \"Klondike\" window"
check_title "$game" 'Klondike'

"$wm_close" "$selector" || fail "cannot send the close request"
for _ in $(seq 150); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "still running 15 s after the selector was closed"
wait "$pid"
rc=$?
pid=
[ "$rc" = 0 ] || fail "exit status $rc"

ini=$config/Quillane/Solitaire.ini
[ -f "$ini" ] || fail "no $ini"
grep -qi '^\[Preferences\]' "$ini" || fail "no [Preferences] in Solitaire.ini"
grep -qi '^\[MainWindow\]' "$ini" || fail "no [MainWindow] in Solitaire.ini"
echo "smoke: ok"
