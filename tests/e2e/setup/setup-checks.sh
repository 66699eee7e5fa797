# The Linux-side checks of a full installation (sourced after install-checks.sh
# with windows_version and wants_desktop set).
. "$(dirname "${BASH_SOURCE[0]}")/setup-registry.sh"

expect_installed_files
expect_registry_exactly "after the installation"
link="users/$(id -un)/Desktop/AuctionTorvin.LNK"
if [ "$wants_desktop" = 1 ]; then
  expect_lnk "$link" 'Local path			: C:\Program Files\VididiDuvo\AuctionTorvin\AuctionTorvin.exe'
  expect_lnk "$link" 'Description			: AuctionTorvin'
else
  expect_no_file "$link"
fi
if [ "$windows_version" = win98 ] && grep -qi 'AUCT\|NETTOR' "$WINEPREFIX/drive_c/windows/wininit.ini" 2>/dev/null; then
  echo "FAIL: wininit.ini queues a file of ours"; check_fail=1
fi
simulate_restart
expect_installed_files
expect_registry_exactly "after a restart"
