#!/usr/bin/env bash
# Builds the setup program and runs it under Wine in its own prefix
# (build/run), on the current display or, without one, on a private Xvfb.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/build.sh"
root=$top/build/run
. "$top/tests/wine/env.sh"
had_display=${DISPLAY:-}
if [ ! -d "$root/prefix" ] || [ -z "$had_display" ]; then
  "$top/tests/wine/prefix.sh" setup "$root" >/dev/null
fi
wine_env "$root"
[ -n "$had_display" ] && export DISPLAY=$had_display
status=0
wine "$top/build/AuctionTorvinSetup.exe" || status=$?
echo "AuctionTorvinSetup.exe exited with $status"
[ -n "$had_display" ] || "$top/tests/wine/prefix.sh" teardown "$root"
exit $status
