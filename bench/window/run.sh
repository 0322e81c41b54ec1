#!/bin/sh
# Prints the window's figures: start-up, memory and title-pause CPU of the
# program (median of 5 runs after a warm-up), then the in-process click and
# resize timings. Everything runs on its own Xvfb screen of 1920x1080.
#   bench/window/run.sh <build-dir> [runs]
# With SOUNDFONT=<file.sf2> (as root) the program's figures are taken a second
# time with that SoundFont standing in for default-GM.sf2, for the program only.
set -eu
build=${1:?usage: run.sh <build-dir> [runs]}
runs=${2:-5}
build=$(cd "$build" && pwd)
program=$build/bin/belvane
avvio=$build/bench/window/bench_avvio
window=$build/bench/window/bench_window
for f in "$program" "$avvio" "$window"; do
  [ -x "$f" ] || { echo "missing $f: build the belvane, bench_avvio and bench_window targets" >&2; exit 2; }
done
command -v xvfb-run >/dev/null || { echo "xvfb-run not found (Debian package xvfb)" >&2; exit 2; }

# The window must go to a real X server, whatever the caller's environment says.
unset QT_QPA_PLATFORM
echo "default-GM.sf2 is $(readlink -f /usr/share/sounds/sf2/default-GM.sf2); load average $(cut -d' ' -f1-3 /proc/loadavg)"
exec xvfb-run -a -s "-screen 0 1920x1080x24" sh -c '
  echo "== The program, from outside (bench_avvio)"
  "$1" --runs "$2" --warmup 1 "$3"
  if [ -n "${SOUNDFONT:-}" ]; then
    echo
    echo "== The program with $SOUNDFONT as the default SoundFont"
    "$1" --runs "$2" --warmup 1 "$5" "$3"
  fi
  echo
  echo "== The paint path, in-process (bench_window)"
  "$4"
' sh "$avvio" "$runs" "$program" "$window" "$(cd "$(dirname "$0")" && pwd)/con_soundfont.sh"
