#!/bin/bash
# Starts the accessibility bus and the real program on the X server and D-Bus
# session it is given, then lets the AT-SPI client check the game window.
#   atspi.sh QUILLANE BUS_LAUNCHER PYTHON CHECK   (inside xvfb-run and dbus-run-session)
set -u
quillane=$1 launcher=$2 python=$3 check=$4

work=$(mktemp -d)
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state XDG_RUNTIME_DIR=$work/runtime
mkdir -p -m 700 "$XDG_RUNTIME_DIR"
export SDL_AUDIODRIVER=dummy QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

"$launcher" --launch-immediately &
pids+=($!)
sleep 0.5
"$quillane" &
pids+=($!)
"$python" "$check"
