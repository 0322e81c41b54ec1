#!/bin/sh
# The window's four figures side by side with AisleRiot (Gaps) and KPat
# (Klondike), in one run, on one Xvfb screen of 1920x1080 without a window
# manager; each program starts with an empty configuration folder.
#   bench/window/peers.sh <build-dir> [runs]
# Needs (installs nothing): xvfb, dbus-daemon, and the peers from the Debian
# packages aisleriot and kpat. Each program is started once as a warm-up and
# then `runs` times (default 3); start-up, memory and idle CPU are medians
# over the runs, resize the median over every run's three timed resizes
# (each run's first resize is a warm-up), with the earliest time the pixel
# readings could have seen it (see bench_confronto). Belvane is sent Ctrl+W (music off)
# before its idle figure; the peers play no music.
# The resizes are then timed finely by damagewait (DAMAGE events, pixels read
# through MIT-SHM: a change is seen within about a millisecond): in each run
# the window goes three times to a size never shown before (1200x750, then
# 16x10 smaller each time) and back; the first of a run and the later ones are
# reported apart, since only the first finds nothing prepared. damagewait is
# built from DAMAGEWAIT_SRC (default: shared/tools/damagewait.c beside the
# repository; needs gcc, libx11-dev, libxext-dev, libxdamage-dev).
set -eu
build=${1:?usage: peers.sh <build-dir> [runs]}
runs=${2:-3}
build=$(cd "$build" && pwd)
program=$build/bin/belvane
tool=$build/bench/window/bench_confronto
[ -x "$program" ] && [ -x "$tool" ] || { echo "missing: build the belvane and bench_confronto targets" >&2; exit 2; }
for f in /usr/games/sol /usr/games/kpat; do
  [ -x "$f" ] || { echo "missing $f: apt-get install aisleriot kpat" >&2; exit 2; }
done
command -v Xvfb >/dev/null && command -v dbus-daemon >/dev/null || { echo "needs Xvfb and dbus-daemon" >&2; exit 2; }

damagewait_src=${DAMAGEWAIT_SRC:-$(cd "$(dirname "$0")/../../.." && pwd)/shared/tools/damagewait.c}
[ -r "$damagewait_src" ] || { echo "missing $damagewait_src: set DAMAGEWAIT_SRC" >&2; exit 2; }

work=$(mktemp -d)
gcc -O2 -o "$work/damagewait" "$damagewait_src" -lX11 -lXext -lXdamage || { echo "cannot build damagewait" >&2; exit 2; }
trap 'kill $xpid $dpid 2>/dev/null || true; rm -rf "$work"' EXIT INT TERM
n=99
while [ -e /tmp/.X$n-lock ] || [ -e /tmp/.X11-unix/X$n ]; do n=$((n + 1)); done
Xvfb :$n -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xpid=$!
export DISPLAY=:$n
sleep 1
bus=$(dbus-daemon --session --fork --print-address=1 --print-pid=1)
dpid=$(echo "$bus" | sed -n 2p)
export DBUS_SESSION_BUS_ADDRESS=$(echo "$bus" | sed -n 1p)
unset QT_QPA_PLATFORM SESSION_MANAGER
echo "load average $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) cores"

# run <name> <tool options> -- <program and args>: one line per run into $work/<name>
run() {
  name=$1
  shift
  i=0
  while [ $i -le "$runs" ]; do
    cfg=$work/config-$name-$i
    mkdir -p "$cfg"
    if [ $i -eq 0 ]; then extra=--solo-avvio; else extra=; fi
    XDG_CONFIG_HOME=$cfg "$tool" $extra "$@" >>"$work/$name" 2>/dev/null || echo "error run $i" >>"$work/$name"
    i=$((i + 1))
  done
}
run belvane --ctrl-w -- "$program"
run aisleriot -- /usr/games/sol --variation gaps
run kpat -- /usr/games/kpat --gametype klondike

# fine <name> <program and args>: damagewait's resizes, one line per run into $work/<name>.fine
fine() {
  name=$1
  shift
  i=0
  while [ $i -le "$runs" ]; do
    cfg=$work/fine-$name-$i
    mkdir -p "$cfg"
    XDG_CONFIG_HOME=$cfg "$work/damagewait" -r 1200x750 -n 3 -- "$@" >>"$work/$name.fine" 2>/dev/null ||
      echo "error run $i" >>"$work/$name.fine"
    i=$((i + 1))
  done
}
fine belvane "$program"
fine aisleriot /usr/games/sol --variation gaps
fine kpat /usr/games/kpat --gametype klondike

python3 - "$work" <<'PY'
import os, statistics, sys
work = sys.argv[1]
names = [("belvane", "Belvane"), ("aisleriot", "AisleRiot Gaps"), ("kpat", "KPat Klondike")]
fig = {}
for key, _ in names:
    lines = [l.split() for l in open(os.path.join(work, key))][1:]  # the first run is a warm-up
    kv = [dict(p.split("=", 1) for p in l if "=" in p) for l in lines]
    kv = [k for k in kv if "resize_ms" in k]
    if not kv:
        print(f"{key}: no complete run", file=sys.stderr)
        fig[key] = None
        continue
    resize = [float(x) for k in kv for x in k["resize_ms"].split(",")[1:]]
    floor = [float(x) for k in kv if "floor_ms" in k for x in k["floor_ms"].split(",")[1:]]
    fig[key] = {
        "floor": statistics.median(floor) if floor else None,
        "map": statistics.median(float(k["map_ms"]) for k in kv),
        "rss": statistics.median(float(k["rss_kib"]) for k in kv) / 1024,
        "resize": statistics.median(resize),
        "idle": statistics.median(float(k["idle_pct"]) for k in kv),
        "n": len(kv),
    }
rows = [("map", "start to window mapped", "ms"), ("rss", "resident memory 3 s after start", "MiB"),
        ("resize", "resize to 1200x750, to the last pixel change", "ms"),
        ("floor", "  the earliest the readings can see it (end of the second)", "ms"),
        ("idle", "CPU over 5 s after the deal (Belvane: music off)", "%")]
def cell(v, unit):
    return "-" if v is None else (f"{v:.2f} %" if unit == "%" else f"{v:.1f} {unit}")
def ratio(a, b):
    if a is None or b is None: return "-"
    if b == 0: return "0/0" if a == 0 else "inf"
    return f"{a / b:.2f}"
print(f"runs per program: {', '.join(str(fig[k]['n']) if fig[k] else '0' for k, _ in names)}")
print(f"| figure | {' | '.join(n for _, n in names)} | Belvane/AisleRiot | Belvane/KPat |")
print("|---|---|---|---|---|---|")
for key, label, unit in rows:
    vals = [fig[k][key] if fig[k] else None for k, _ in names]
    print(f"| {label} | {' | '.join(cell(v, unit) for v in vals)} | {ratio(vals[0], vals[1])} | {ratio(vals[0], vals[2])} |")
# damagewait: each run's resizes as time/slowest read; the first run is a warm-up.
fine = {}
for key, _ in names:
    first, later = [], []
    for l in list(open(os.path.join(work, key + ".fine")))[1:]:
        kv = dict(p.split("=", 1) for p in l.split() if "=" in p)
        times = [float(x.split("/")[0]) for x in kv.get("resizes", "").split(",") if x]
        if times:
            first.append(times[0])
            later.extend(times[1:])
    fine[key] = (first, later)
print()
print("resize to a new size, to the final picture (damagewait), ms")
print(f"| | {' | '.join(n for _, n in names)} |")
print("|---|---|---|---|")
def spread(v):
    return "-" if not v else f"{statistics.median(v):.1f} ({min(v):.1f}-{max(v):.1f})"
print(f"| first resize of a run, median (range) | {' | '.join(spread(fine[k][0]) for k, _ in names)} |")
print(f"| later resizes, median (range) | {' | '.join(spread(fine[k][1]) for k, _ in names)} |")
print(f"| all, median | {' | '.join(spread(fine[k][0] + fine[k][1]) for k, _ in names)} |")
print("raw runs:")
for key, _ in names:
    for suffix in ("", ".fine"):
        for l in open(os.path.join(work, key + suffix)):
            print(f"  {key}{suffix}: {l.strip()}")
PY
