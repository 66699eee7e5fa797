# Checks of an installation's files and registry, sourced by the checks of
# the engine and setup scenarios (inside run-scenario.sh, which provides
# WINEPREFIX, out, scenario and the expect_* helpers). The sourcing check sets
# install_dir (under drive_c) first.
e2e_dir=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")
payload_dir=$PAYLOAD_DIR  # set for every scenario by tests/e2e/CMakeLists.txt

# A placed file equals the payload it was made from.
expect_same_as_payload() {  # PATH-UNDER-DRIVE_C PAYLOAD-NAME
  if cmp -s "$WINEPREFIX/drive_c/$1" "$payload_dir/$2"; then echo "ok: C:/$1 equals $2"
  else echo "FAIL: C:/$1 differs from $2 or is missing"; check_fail=1; fi
}

expect_installed_files() {
  expect_same_as_payload "$install_dir/AuctionTorvin.exe" AuctionTorvin.exe
  expect_same_as_payload "$install_dir/AuctionTorvin.hlp" AuctionTorvin.hlp
  expect_same_as_payload "$install_dir/AuctionTorvin.cnt" AuctionTorvin.cnt
  expect_same_as_payload windows/AuctionTorvinUninstall.exe AuctionTorvinUninstall.exe
  expect_same_as_payload windows/system32/NetTorvin.dll NetTorvin.dll
}

# Files of ours anywhere on drive C, one a line.
files_of_ours() {
  find "$WINEPREFIX/drive_c" \( -iname '*AuctionTorvin*' -o -iname 'NetTorvin.dll' -o -iname 'Vidi Duvo' -o -iname 'VididiDuvo' \) -print
}

# Every registry change since the template, as the server has it now, but
# Wine's own bookkeeping (named in registry-changes.py).
registry_changes_now() {
  flush_prefix
  registry_text >"$out/registry-now.txt"
  python3 "$e2e_dir/registry-changes.py" "$out/registry-before.txt" "$out/registry-now.txt"
}

registry_of_ours() {
  registry_changes_now | grep -i -E 'VididiDuvo|AuctionTorvin|NetTorvin|5d1e83a2|Torvins|PendingFileRename'
}

expect_nothing_of_ours() {  # WHEN
  local files keys
  files=$(files_of_ours); keys=$(registry_of_ours)
  if [ -z "$files" ]; then echo "ok: no file of ours $1"; else echo "FAIL: files of ours $1:"; echo "$files"; check_fail=1; fi
  if [ -z "$keys" ]; then echo "ok: no registry entry of ours $1"; else echo "FAIL: registry entries of ours $1:"; echo "$keys"; check_fail=1; fi
}

# The registry rows of an installation into install_dir.
expect_registration() {  # MENU-TEXT APPROVED(yes|no)
  expect_registry '@="AuctionTorvinSearchFile"'
  expect_registry '@="AuctionTorvin Search"'
  expect_registry '"NeverShowExt"=""'
  expect_registry '"EditFlags"=hex:00,00,01,00'
  expect_registry '@="C:\\Program Files\\Vidi Duvo\\AuctionTorvin\\AuctionTorvin.exe,-10000"'
  expect_registry '@="C:\\Program Files\\Vidi Duvo\\AuctionTorvin\\AuctionTorvin.exe /load:%1"'
  expect_registry '"Distributor"="VididiDuvo"'
  expect_registry '@="NetTorvin Find Menu Extension"'
  expect_registry '"ThreadingModel"="Apartment"'
  expect_registry '@="C:\\windows\\system32\\NetTorvin.dll"'
  expect_registry '@="{5d1e83a2-47c9-4b06-a1f3-9e2c7d846b50}"'
  expect_registry '"Path"="C:\\Program Files\\Vidi Duvo\\AuctionTorvin\\AuctionTorvin.exe"'
  expect_registry "\"MenuText\"=\"$1\""
  expect_registry '"HelpText"="Find auctions on the Internet"'
  expect_registry '"DisplayName"="AuctionTorvin"'
  expect_registry '"UninstallString"="C:\\windows\\AuctionTorvinUninstall.exe C:\\Program Files\\Vidi Duvo\\AuctionTorvin"'
  if [ "$2" = yes ]; then expect_registry '"{5d1e83a2-47c9-4b06-a1f3-9e2c7d846b50}"="NetTorvin"'
  elif grep -qF '"{5d1e83a2-47c9-4b06-a1f3-9e2c7d846b50}"="NetTorvin"' "$out/registry.diff"; then
    echo "FAIL: approved on Windows 9x"; check_fail=1
  else echo "ok: no approval on Windows 9x"; fi
}
