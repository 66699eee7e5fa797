#!/usr/bin/env bash
# check-release-files.sh SOURCE_DIR TOOLCHAIN_FILE WORK_DIR
# The release-files option in a second build of the project (kept in
# WORK_DIR, so that a second run only relinks): a folder lacking a release
# file stops the configuration naming it; a full folder of other files ends
# up, byte for byte, in the setup program (taken out with wrestool, expanded
# with msexpand); a file removed after configuring stops the build naming it.
set -u
source_dir=$1 toolchain=$2 work=$3
release=$work/release build=$work/build
fail=0
check() { if eval "$2"; then echo "ok: $1"; else echo "FAIL: $1"; fail=1; fi; }
declare -A payload=([8000]=AuctionTorvin.exe [8001]=AuctionTorvin.hlp [8002]=AuctionTorvin.cnt
                    [8003]=AuctionTorvinUninstall.exe [998]=NetTorvin.dll)

# Other files than the project's own, of sizes of their own.
rm -rf "$release"; mkdir -p "$release"
size=1000
for id in 8000 8001 8002 8003 998; do
  { echo "release file ${payload[$id]}"; head -c $size /dev/urandom; } >"$release/${payload[$id]}"
  size=$((size * 3))
done
configure() { cmake -S "$source_dir" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DAUCTIONTORVIN_RELEASE_DIR="$release" 2>&1; }

mv "$release/AuctionTorvin.cnt" "$release/NetTorvin.dll" "$work/"
log=$(configure); rc=$?
log=$(tr -s ' \n' ' ' <<<"$log")  # CMake wraps its messages
check "a folder without two of the files stops the configuration" "[ $rc != 0 ]"
check "naming both" "grep -q 'lacks: AuctionTorvin.cnt, NetTorvin.dll' <<<\"\$log\""
mv "$work/AuctionTorvin.cnt" "$work/NetTorvin.dll" "$release/"

log=$(configure && cmake --build "$build" --target AuctionTorvinSetup -- -j2 2>&1); rc=$?
[ $rc = 0 ] || { printf '%s\n' "$log" | tail -30; echo "FAIL: the build with the release files failed"; exit 1; }
exe=$build/AuctionTorvinSetup.exe
for id in 8000 8001 8002 8003 998; do
  check "resource $id expands to the release folder's ${payload[$id]}" \
    "wrestool -x --raw --type=CUSTOM --name=$id \"$exe\" | msexpand | cmp -s - \"$release/${payload[$id]}\""
done

rm "$release/AuctionTorvin.hlp"
log=$(cmake --build "$build" --target AuctionTorvinSetup -- -j2 2>&1); rc=$?
check "a release file removed after configuring stops the build" "[ $rc != 0 ]"
check "naming it" "grep -q 'AuctionTorvin.hlp' <<<\"\$log\""
exit $fail
