# What a full installation writes to the registry, and the check that the
# registry holds exactly that (sourced after install-checks.sh with
# windows_version set).

# Every registry change a full installation makes, as registry-changes.py
# lists them; the pages' values are those the full-installation scenario enters.
expected_installation_registry() {
  local d='C:\Program Files\VididiDuvo\AuctionTorvin' menu='For &Auctions...' nt=yes
  case $windows_version in win98|nt40) menu='&Auctions...';; esac
  [ "$windows_version" = win98 ] && nt=no
  local classes='Software\\Classes' explorer='Software\\Microsoft\\Windows\\CurrentVersion'
  local suite='Software\\VididiDuvo\\NetTorvin\\CurrentVersion' clsid='{5d1e83a2-47c9-4b06-a1f3-9e2c7d846b50}'
  {
    echo "$classes\\.AuctionTorvinSearch  @=\"AuctionTorvinSearchFile\""
    echo "$classes\\AuctionTorvinSearchFile  @=\"AuctionTorvin Search\""
    echo "$classes\\AuctionTorvinSearchFile  \"NeverShowExt\"=\"\""
    echo "$classes\\AuctionTorvinSearchFile  \"EditFlags\"=hex:00,00,01,00"
    echo "$classes\\AuctionTorvinSearchFile\\DefaultIcon  @=\"$d\\\\AuctionTorvin.exe,-10000\""
    echo "$classes\\AuctionTorvinSearchFile\\shell\\open\\command  @=\"$d\\\\AuctionTorvin.exe /load:%1\""
    echo "$suite\\Auction  \"Distributor\"=\"VididiDuvo\""
    echo "$classes\\CLSID\\$clsid  @=\"NetTorvin Find Menu Extension\""
    echo "$classes\\CLSID\\$clsid\\InProcServer32  \"ThreadingModel\"=\"Apartment\""
    echo "$classes\\CLSID\\$clsid\\InProcServer32  @=\"C:\\\\windows\\\\system32\\\\NetTorvin.dll\""
    echo "$explorer\\Explorer\\FindExtensions\\Torvins  @=\"$clsid\""
    echo "$explorer\\Explorer\\FindExtensions\\Torvins\\AuctionTorvin  \"Path\"=\"$d\\\\AuctionTorvin.exe\""
    echo "$explorer\\Explorer\\FindExtensions\\Torvins\\AuctionTorvin  \"MenuText\"=\"$menu\""
    echo "$explorer\\Explorer\\FindExtensions\\Torvins\\AuctionTorvin  \"HelpText\"=\"Find auctions on the Internet\""
    [ $nt = yes ] && echo "$explorer\\Shell Extensions\\Approved  \"$clsid\"=\"NetTorvin\""
    echo "$explorer\\Uninstall\\AuctionTorvin  \"DisplayName\"=\"AuctionTorvin\""
    echo "$explorer\\Uninstall\\AuctionTorvin  \"UninstallString\"=\"C:\\\\windows\\\\AuctionTorvinUninstall.exe $d\""
    [ $nt = yes ] && echo 'System\\CurrentControlSet\\Control\\Session Manager\\FileRenameOperations  (new key)'
    echo "$suite\\Updates  \"username\"=\"Robot User\""
    echo "$suite\\Updates  \"company\"=\"Robot Works\""
    echo "$suite\\Updates  \"email\"=\"robot@example.com\""
    echo "$suite\\Updates  \"zip\"=\"12345\""
    echo "$suite\\Updates  \"country\"=\"Germany\""
    echo "$suite\\Updates  \"Subscribe\"=dword:00000038"
    echo "$suite\\Updates  \"HTTPProxyType\"=dword:00000001"
    echo "$suite\\Updates  \"HTTPProxyServer\"=\"cache.corp\""
    echo "$suite\\Updates  \"HTTPProxyPort\"=dword:00000c38"
  } | sed 's/\\\\/\\/g; s/\\/\\\\/g' | LC_ALL=C sort
}

# The registry's changes since the template are exactly what FUNCTION prints
# (by default the installation's entries), one "KEY  NAME=DATA" a line.
expect_registry_exactly() {  # WHEN [FUNCTION]
  "${2:-expected_installation_registry}" | LC_ALL=C sort >"$out/registry-expected.txt"
  registry_changes_now | LC_ALL=C sort >"$out/registry-changes.txt"
  if diff "$out/registry-expected.txt" "$out/registry-changes.txt" >"$out/registry-mismatch.txt"; then
    echo "ok: the registry holds exactly the expected entries $1"
  else
    echo "FAIL: the registry differs from the expected entries $1 (< expected, > found):"
    cat "$out/registry-mismatch.txt"; check_fail=1
  fi
}
