# Checks after a removal by the uninstaller (sourced after install-checks.sh
# and setup-registry.sh, with windows_version set).
uninstaller_file=windows/AuctionTorvinUninstall.exe

# What a removal leaves in the registry: the empty FindExtensions key that
# registering the suite's find-menu entry created above its own key (removal
# takes the suite's key, not the shell's), and on NT the key the installation
# made for the restart queue and the uninstaller waiting in it.
registry_after_removal_and_restart() {
  echo 'Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FindExtensions  (new key)'
  [ "$windows_version" = win98 ] && return
  echo 'System\\CurrentControlSet\\Control\\Session Manager\\FileRenameOperations  (new key)'
}

registry_after_removal() {
  registry_after_removal_and_restart
  [ "$windows_version" = win98 ] && return
  echo 'System\\CurrentControlSet\\Control\\Session Manager  "PendingFileRenameOperations"=str(7):"\\??\\C:\\windows\\AuctionTorvinUninstall.exe\0\0"'
}

expect_only_the_queued_uninstaller() {
  local files
  files=$(files_of_ours | grep -v -x -F "$WINEPREFIX/drive_c/$uninstaller_file")
  if [ -z "$files" ]; then echo "ok: no file of ours but the uninstaller"; else echo "FAIL: files of ours left:"; echo "$files"; check_fail=1; fi
  expect_file "$uninstaller_file"
  expect_registry_exactly "after the removal" registry_after_removal
  if [ "$windows_version" = win98 ]; then
    # The uninstaller's short form, as Wine makes it (AUCT~xxx.EXE), and no temporary key.
    expect_file_text windows/wininit.ini 'NUL=C:\windows\AUCT'
    if grep -q QX "$WINEPREFIX/drive_c/windows/wininit.ini"; then echo "FAIL: a QX key is left"; check_fail=1; fi
  fi
}
