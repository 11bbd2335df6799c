#!/bin/bash
# Starts the real program on a bare X server with a fresh settings folder,
# checks the window titles as the window manager reads them, opens Klondike
# from the keyboard, closes the selector and checks that the program ended
# cleanly and saved its settings.
#   smoke.sh QUILLANE WM_CLOSE       (run inside xvfb-run)
#   SMOKE_WM_CLASS=Class smoke.sh ...  also checks the selector's window class
#   SMOKE_WM=openbox smoke.sh ...  also window placement and the quit question
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

if [ -n "${SMOKE_WM:-}" ]; then
    # Openbox runs its start-up command once it manages windows.
    "$SMOKE_WM" --startup "touch $config/wm-ready" >/dev/null 2>&1 &
    trap "kill $! 2>/dev/null; rm -rf '$config'" EXIT
    for _ in $(seq 100); do [ -e "$config/wm-ready" ] && break; sleep 0.1; done
fi
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

# Closes the selector (key $2 answers a quit question) and waits for a clean end.
close_selector() {
    "$wm_close" "$1" || fail "cannot send the close request"
    if [ -n "${2:-}" ]; then
        confirm=$(wait_window 'Confirm' 50) || fail "no quit question at closing"
        xdotool windowactivate --sync "$confirm" key "$2"
    fi
    for _ in $(seq 150); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "still running 15 s after the selector was closed"
    wait "$pid"
    local rc=$?
    pid=
    [ "$rc" = 0 ] || fail "exit status $rc"
}

if [ -n "${SMOKE_WM:-}" ]; then
    # Three starts: each must open where the last one was left.
    for run in 1 2 3; do
        "$quillane" &
        pid=$!
        selector=$(wait_window 'Quillane!') || fail "no \"Quillane!\" window"
        sleep 0.5
        [ "$run" = 1 ] && xdotool windowmove "$selector" 200 150 && sleep 0.3
        origin=$(xwininfo -id "$selector" -frame | awk '/upper-left [XY]/ {printf "%s ", $NF}')
        [ -z "${last:-}" ] || [ "$origin" = "$last" ] || fail "start $run: selector at $origin, left at $last"
        last=$origin
        close_selector "$selector"
    done
fi
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

if [ -n "${SMOKE_WM:-}" ]; then
    # The rows of the list drawn in the selection colour, as "first-last".
    selected_rows() {
        import -window "$selector" -crop 1x97+10+5 txt:- 2>/dev/null |
            sed -n 's/^0,\([0-9]*\):.*srgb(\([0-9]*\),\([0-9]*\),\([0-9]*\))$/\1 \2 \3 \4/p' |
            awk '$4 > 150 && $2 < 120 { if (first == "") first = $1; last = $1 } END { print first "-" last }'
    }
    # Six turns of the stock make a game worth asking about.
    for _ in 1 2 3 4 5 6; do xdotool mousemove --window "$game" 40 60 click 1; sleep 0.2; done
    xdotool windowactivate --sync "$selector"; sleep 0.3
    before=$(selected_rows)
    [ "$before" != "-" ] || fail "no selected entry in the list"
    # A real click on the first entry, then Cancel at the quit question.
    xdotool mousemove --window "$selector" 40 12 click 1
    confirm=$(wait_window 'Confirm' 50) || fail "no quit question"
    xdotool windowactivate --sync "$confirm" key Escape
    xdotool windowactivate --sync "$selector"; sleep 0.3
    after=$(selected_rows)
    [ "$after" = "$before" ] || fail "after Cancel the list selects rows $after, not $before"
    xdotool search --onlyvisible --name '^Klondike' >/dev/null || fail "the game closed on Cancel"
fi
close_selector "$selector" ${SMOKE_WM:+Return}

ini=$config/Quillane/Solitaire.ini
[ -f "$ini" ] || fail "no $ini"
grep -qi '^\[Preferences\]' "$ini" || fail "no [Preferences] in Solitaire.ini"
grep -qi '^\[MainWindow\]' "$ini" || fail "no [MainWindow] in Solitaire.ini"
echo "smoke: ok"
