#!/bin/bash
# Real screenshots for the software centre and a release page: the program
# starts in English on its own X server with fresh settings, and the selector
# and three games (chosen from the keyboard, as a player does) are captured
# window by window into OUTDIR as PNG files.
#   screenshots.sh QUILLANE OUTDIR      (run inside xvfb-run)
set -u
quillane=$1
out=$2
mkdir -p "$out"

scratch=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch XDG_STATE_HOME=$scratch/state
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LANGUAGE=
unset LC_ALL LC_MESSAGES

fail() { echo "screenshots: $*" >&2; exit 1; }

# The id of the mapped window titled exactly $1, waiting up to 15 s.
window() {
    local id
    for _ in $(seq 150); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

shoot() {
    sleep 1 # the deal and its animation settle
    import -window "$1" "$out/$2.png" || fail "cannot capture $2"
    echo "$out/$2.png"
}

"$quillane" &
pid=$!
selector=$(window 'Quillane!') || fail "the selector did not open"
shoot "$selector" selector
# A letter typed in the selector's list chooses the first game of that name.
for game in Klondike:k "Forty Thieves:f" Pyramid:p; do
    name=${game%%:*}
    xdotool windowfocus --sync "$selector" key --window "$selector" "${game##*:}"
    id=$(window "$name") || { xdotool search --onlyvisible --name . getwindowname %@ >&2; fail "$name did not open"; }
    shoot "$id" "$(echo "$name" | tr -d " " | tr "A-Z" "a-z")"
done
