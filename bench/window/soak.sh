#!/bin/sh
# The window soak: the real program on its own Xvfb screen with openbox takes
# random clicks (table, cards, panels), F2, Ctrl+W/R/T, menus, resizes from
# 50x50 to 3000x2000, minimize and restore, and Yes or No at random to its
# questions; the table it shows is checked after every event, its exit
# status and its memory at the end.
#   bench/window/soak.sh <build-dir> [events (10000)] [seed (1)] [seconds at most]
# Needs xvfb, openbox, xdotool and python3. Prints the figures; exits 1 on
# a broken table, a crash or a non-zero exit status.
set -eu
build=${1:?usage: soak.sh <build-dir> [events] [seed]}
program=$(cd "$build" && pwd)/bin/belvane
[ -x "$program" ] || { echo "missing $program: build the belvane target" >&2; exit 2; }
for t in Xvfb openbox xdotool python3; do
  command -v $t >/dev/null || { echo "$t not found" >&2; exit 2; }
done
unset QT_QPA_PLATFORM
# A screen of its own, large enough for a 3000x2000 window, with a window manager.
schermo=:$((100 + $$ % 800))
Xvfb "$schermo" -screen 0 3200x2200x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$schermo
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm $xvfb 2>/dev/null' EXIT
sleep 1
python3 "$(dirname "$0")/soak.py" "$program" "${2:-10000}" "${3:-1}" ${4:-}
