#!/usr/bin/env bash
# Idle cost of Quick Launch: with the program running and no compatible
# window in front it should use under 1 % of one core and under 60 MB of
# memory. Runs lumetra for 30 s on a private Xvfb display with jwm and
# measures the CPU time it took (from /proc) against the wall time, and its
# resident memory at the end.
#   usage: bench/quicklaunch_idle.sh [path/to/lumetra] [seconds]
set -euo pipefail

program=${1:-build/bin/lumetra}
seconds=${2:-30}
for tool in Xvfb jwm; do
  command -v "$tool" >/dev/null || { echo "quicklaunch_idle: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  # The program saves its settings as it ends: let it finish first.
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export HOME="$work" XDG_RUNTIME_DIR="$work" XDG_CONFIG_HOME="$work/config"
jwm >/dev/null 2>&1 &
pids+=($!)
sleep 1
mkdir -p "$work/app"
cp "$program" "$work/app/lumetra"
env -u QT_QPA_PLATFORM "$work/app/lumetra" autorun >/dev/null 2>&1 &
lumetra=$!
pids+=("$lumetra")
sleep 2 # start-up is not idle time

ticks() { awk '{print $14 + $15}' "/proc/$lumetra/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$seconds"
after=$(ticks)
rss_kb=$(awk '/^VmRSS/ {print $2}' "/proc/$lumetra/status")

cpu=$(awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" 'BEGIN {printf "%.2f", 100 * t / hz / s}')
mb=$(awk -v k="$rss_kb" 'BEGIN {printf "%.1f", k / 1024}')
verdict() { awk -v v="$1" -v goal="$2" 'BEGIN {print (v < goal ? "ok" : "short")}'; }
echo "quicklaunch idle cpu: ${cpu} % of one core (goal < 1)  $(verdict "$cpu" 1)"
echo "quicklaunch idle memory: ${mb} MB resident (goal < 60)  $(verdict "$mb" 60)"
