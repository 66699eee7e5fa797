#!/usr/bin/env bash
# Not a test: prints one table of the setup program's size (code, data,
# resources, each payload compressed and expanded) and two timings, start to
# the first page and Finish to the completion message, each the median of
# RUNS scripted runs (default 5) as a ratio to `wine cmd /c exit` measured in
# the same run: the machine's speed, and whether Wine runs through an
# emulator, cancel out.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-5}
bash "$top/tools/build.sh" >/dev/null
. "$top/tests/wine/env.sh"
root=$top/build/benchmark
rm -rf "$root"; mkdir -p "$root"
"$top/tests/e2e/run-scenario.sh" template "$root" >/dev/null
logs=()
for i in $(seq "$runs"); do
  PAYLOAD_DIR=$top/build/payload "$top/tests/e2e/run-scenario.sh" run "$root" "$top/tools/benchmark/timing.scn" \
    "$top/build/tests/robot/robot.exe" "$top/build" >"$root/run-$i.log" 2>&1
  cp "$root/timing/out/robot.log" "$root/robot-$i.log"
  logs+=("$root/robot-$i.log")
done
# The baseline in a copy of the same template, server already running.
base=$root/baseline
cp -a "$root/template" "$base"
(
  wine_env "$base"
  setsid wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1
  for i in $(seq "$runs"); do
    s=$(date +%s%N); wine cmd /c exit >/dev/null 2>&1; e=$(date +%s%N)
    echo $(( e - s ))  # nanoseconds
  done >"$root/baseline.txt"
  wineserver -k >/dev/null 2>&1 || true
)
python3 "$top/tools/benchmark/report.py" "$top/build/AuctionTorvinSetup.exe" "$top/build/payload" \
  "$root/baseline.txt" "${logs[@]}"
