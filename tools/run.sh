#!/usr/bin/env bash
# Builds the setup program and runs it under Wine in its own prefix.
# On a display: the interactive setup (prefix build/run).
# Without one: a scripted full installation on a private Xvfb, driven by the
# end-to-end robot; it leaves a picture of every window in build/demo/pictures
# and prints where the product went and what was written to the registry.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bash "$top/tools/build.sh"
. "$top/tests/wine/env.sh"

if [ -n "${DISPLAY:-}" ]; then
  root=$top/build/run
  had_display=$DISPLAY
  [ -d "$root/prefix" ] || "$top/tests/wine/prefix.sh" setup "$root" >/dev/null
  wine_env "$root"
  export DISPLAY=$had_display
  status=0
  wine "$top/build/AuctionTorvinSetup.exe" || status=$?
  echo "AuctionTorvinSetup.exe exited with $status"
  exit $status
fi

root=$top/build/demo
name=setup_full_win7
echo "No display: running one scripted installation on a private Xvfb (about a minute)..."
"$top/tests/e2e/run-scenario.sh" template "$root" >/dev/null
status=0
E2E_KEEP_PREFIX=1 PAYLOAD_DIR=$top/build/payload "$top/tests/e2e/run-scenario.sh" run "$root" \
  "$top/build/tests/e2e/setup/scenarios/$name.scn" "$top/build/tests/robot/robot.exe" "$top/build" \
  >"$root/run.log" 2>&1 || status=$?
out=$root/$name/out
pictures=$root/pictures
rm -rf "$pictures"; mkdir -p "$pictures"
cp "$out"/*.png "$pictures/" 2>/dev/null || true
if [ $status != 0 ]; then
  echo "The scripted installation failed; its log: $root/run.log"
  exit $status
fi
drive_c=$root/$name/prefix/drive_c
cat <<MSG
AuctionTorvinSetup.exe installed AuctionTorvin: license accepted, registered as
"Robot User", proxy cache.corp:3128, desktop shortcut on.

Pictures of every window, in order (backdrop, license, registration,
install options, proxy, completion message):
  $pictures
$(ls "$pictures" | sed 's/^/    /')

Installed files (C: is $drive_c):
$(cd "$drive_c" && ls -l "Program Files/VididiDuvo/AuctionTorvin" windows/AuctionTorvinUninstall.exe \
   windows/system32/NetTorvin.dll "users/$(id -un)/Desktop/AuctionTorvin.LNK" | sed 's/^/    /')

Written to the registry (key, value=data; HKEY_CLASSES_ROOT is Software\\Classes):
$(sed 's/^/    /' "$out/registry-changes.txt")

Full log: $root/run.log
MSG
