# The obstacle and each folder above it that the undo cannot remove while it
# is there, as files_of_ours lists them.
allowed_files() {
  local path=$obstacle
  while [ "$path" != . ] && [ -n "$path" ]; do
    case $path in *AuctionTorvin*|*NetTorvin.dll|*VididiDuvo*) echo "$path";; esac
    path=$(dirname "$path")
  done | sort
}

# Only the obstacle and its folders; the restart may take the obstacle too
# (an empty folder where a queued file was).
expect_only_the_obstacle() {  # WHEN
  local left extra; left=$(files_of_ours | sed "s|^$WINEPREFIX/drive_c/||" | sort)
  extra=$(comm -23 <(printf '%s\n' "$left" | grep .) <(allowed_files))
  if [ -z "$extra" ]; then echo "ok: no file of ours $1 but the obstacle"
  else echo "FAIL: files of ours $1:"; echo "$extra"; check_fail=1; fi
}

expect_only_the_obstacle "after the undo"
keys=$(registry_of_ours | grep -v 'PendingFileRenameOperations')
if [ -z "$keys" ]; then echo "ok: nothing of ours in the registry but the restart queue"
else echo "FAIL: registry entries of ours:"; echo "$keys"; check_fail=1; fi
if grep -q QX "$WINEPREFIX/drive_c/windows/wininit.ini" 2>/dev/null; then echo "FAIL: a QX key in wininit.ini"; check_fail=1; fi
simulate_restart
expect_only_the_obstacle "after a restart"
keys=$(registry_of_ours)
if [ -z "$keys" ]; then echo "ok: nothing of ours in the registry after a restart"
else echo "FAIL: registry entries of ours after a restart:"; echo "$keys"; check_fail=1; fi
