#!/usr/bin/env bash
# End-to-end harness.
#   run-scenario.sh template ROOT
#       a template Wine prefix under ROOT/template (made once per test run)
#   run-scenario.sh run ROOT SCENARIO ROBOT_EXE PROGRAM_DIR
#       copies the template, starts its own Xvfb and Wine server, runs the
#       robot on the scenario, then the Linux-side checks of SCENARIO's
#       companion file SCENARIO%.scn.check (bash, sourced) if there is one.
#   run-scenario.sh expect-failure ROOT SCENARIO ROBOT_EXE PROGRAM_DIR TEXT
#       the scenario must fail, and its output must contain TEXT.
# Output of a scenario lands in ROOT/NAME/out: robot.log, *.png, registry.diff.
# Whatever happens, the scenario's Wine server and Xvfb are ended on exit.
set -u
here=$(dirname "$(readlink -f "$0")")
. "$here/../wine/env.sh"
action=$1 root=$2

winpath() { local p=$1; printf 'Z:%s' "${p//\//\\}"; }

start_xvfb() {  # $1: scenario root
  local fifo=$1/displayfd number
  rm -f "$fifo"; mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 </dev/null &
  echo $! >"$1/xvfb.pid"
  read -r -t 20 number <"$fifo"
  rm -f "$fifo"
  echo ":$number" >"$1/display"
}

stop_scenario() {  # $1: scenario root
  if [ -d "$1/prefix" ]; then (wine_env "$1"; wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1) || true; fi
  if [ -f "$1/xvfb.pid" ]; then kill "$(cat "$1/xvfb.pid")" 2>/dev/null || true; rm -f "$1/xvfb.pid"; fi
  if mountpoint -q "$1/full-drive" 2>/dev/null; then umount "$1/full-drive"; fi
}

# "harness full-temp-drive": the user's temporary folder on drive T:, a real
# drive (a small tmpfs) filled to the last byte. Needs root, as the rest of
# the set-up does; a machine that cannot mount fails the scenario.
full_temp_drive() {  # $1: scenario root
  local drive=$1/full-drive
  mkdir -p "$drive"
  mount -t tmpfs -o size=64k,mode=0777 tmpfs "$drive" || { echo "cannot mount a small drive here"; return 1; }
  dd if=/dev/zero of="$drive/filler" bs=4k >/dev/null 2>&1
  ln -sfn "$drive" "$WINEPREFIX/dosdevices/t:"
  printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Environment]\r\n"TEMP"="T:\\\\"\r\n"TMP"="T:\\\\"\r\n\r\n' >"$1/temp.reg"
  wine regedit /S "$(winpath "$1/temp.reg")" >/dev/null 2>&1
  wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1
  setsid wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1
}

# The registry as the server last saved it, without the timestamps it adds.
registry_text() { cat "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" | grep -v -e '^#time=' | sed 's/^\(\[.*\]\) [0-9]*$/\1/'; }

# Ends every Wine process of the prefix; the server writes the registry as it goes.
flush_prefix() { wineserver -k >/dev/null 2>&1; wineserver -w >/dev/null 2>&1; true; }

# Helpers for the *.check files.
check_fail=0
expect_file() { if [ -e "$WINEPREFIX/drive_c/$1" ]; then echo "ok: file C:/$1"; else echo "FAIL: no file C:/$1"; check_fail=1; fi; }
expect_no_file() { if [ ! -e "$WINEPREFIX/drive_c/$1" ]; then echo "ok: no file C:/$1"; else echo "FAIL: file C:/$1 still there"; check_fail=1; fi; }
expect_file_text() { if grep -qF -- "$2" "$WINEPREFIX/drive_c/$1" 2>/dev/null; then echo "ok: C:/$1 has $2"; else echo "FAIL: C:/$1 lacks $2"; check_fail=1; fi; }
expect_registry() { if grep -qF -- "$1" "$out/registry.diff"; then echo "ok: registry gained $1"; else echo "FAIL: registry did not gain $1"; check_fail=1; fi; }
expect_lnk() {  # PATH-UNDER-DRIVE_C TEXT-IN-LNKINFO-OUTPUT
  local info; info=$(lnkinfo "$WINEPREFIX/drive_c/$1" 2>&1)
  printf '%s\n' "$info" >"$out/$(basename "$1").lnkinfo.txt"
  if printf '%s\n' "$info" | grep -qF -- "$2"; then echo "ok: shortcut $1 has $2"; else echo "FAIL: shortcut $1 lacks $2"; check_fail=1; fi
}
# wineboot -r carries out both restart queues (PendingFileRenameOperations and wininit.ini).
simulate_restart() { wineboot -r >/dev/null 2>&1; wine cmd /c exit >/dev/null 2>&1; flush_prefix; echo "restart simulated"; }

# "harness planted-dlls PROGRAM DLL NAME...": PROGRAM (from the program
# folder) copied into C:\downloads beside copies of DLL named NAME.dll, and
# those names made native-first, which is how Windows searches them: the
# program's own folder before the System directory.
plant_dlls() {  # PROGRAM_DIR PROGRAM DLL NAME...
  local programs=$1 program=$2 dll=$3 downloads=$WINEPREFIX/drive_c/downloads names
  shift 3
  mkdir -p "$downloads"
  cp "$programs/$program" "$downloads/" || return 1
  for name in "$@"; do cp "$programs/$dll" "$downloads/$name.dll" || return 1; done
  names=$(IFS=,; echo "$*")
  # A program that breaks on a planted copy ends instead of waiting in the debugger.
  export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;$names=n,b;winedbg.exe=d"
}

copy_beside() {  # PROGRAM_DIR PROGRAM FILE NAME
  local downloads=$WINEPREFIX/drive_c/downloads
  mkdir -p "$downloads"
  cp "$1/$2" "$downloads/" && cp "$1/$3" "$downloads/$4"
}

# The planted DLLs leave C:\planted\NAME.loaded when anything loads them.
expect_no_planted_dll_loaded() {
  local loaded; loaded=$(ls "$WINEPREFIX/drive_c/planted" 2>/dev/null | tr 'A-Z\n' 'a-z ')
  if [ -z "$loaded" ]; then echo "ok: no planted DLL was loaded"; else echo "FAIL: planted DLLs loaded: $loaded"; check_fail=1; fi
}

run_scenario() {  # SCENARIO ROBOT PROGRAM_DIR
  local scenario=$1 robot=$2 programs=$3 name version
  # Global: the EXIT trap runs after this function has returned.
  name=$(basename "$scenario" .scn)
  sroot=$root/$name
  out=$sroot/out
  stop_scenario "$sroot"; rm -rf "$sroot"
  mkdir -p "$sroot" "$out"
  trap 'stop_scenario "$sroot"' EXIT
  trap 'exit 130' INT TERM
  cp -a "$root/template/prefix" "$root/template/home" "$sroot/"
  mkdir -p "$sroot/runtime"; chmod 700 "$sroot/runtime"
  # The user folders link into the template's home; point them at ours.
  find "$sroot/prefix/drive_c/users" -maxdepth 2 -type l | while read -r link; do
    target=$(readlink "$link"); ln -sfn "${target/#$root\/template/$sroot}" "$link"
  done
  start_xvfb "$sroot"
  wine_env "$sroot"
  setsid wineserver -p >/dev/null 2>&1 </dev/null
  wine cmd /c exit >/dev/null 2>&1
  version=$(sed -n 's/^harness windows \([a-z0-9]*\).*/\1/p' "$scenario")
  if [ -n "$version" ]; then
    printf 'REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software\\Wine]\r\n"Version"="%s"\r\n\r\n' "$version" >"$sroot/version.reg"
    wine regedit /S "$(winpath "$sroot/version.reg")" >/dev/null 2>&1
  fi
  if grep -q '^harness full-temp-drive' "$scenario"; then full_temp_drive "$sroot" || return 1; fi
  # "harness obstacle PATH": a folder at PATH (under drive C) where a file
  # of the installation would go, so that writing that file fails.
  local obstacle; obstacle=$(sed -n 's/^harness obstacle //p' "$scenario")
  if [ -n "$obstacle" ]; then mkdir -p "$WINEPREFIX/drive_c/$obstacle"; fi
  # "harness beside PROGRAM FILE NAME": PROGRAM copied into C:\downloads
  # with FILE (from the program folder) beside it as NAME.
  local beside; beside=$(sed -n 's/^harness beside //p' "$scenario")
  # shellcheck disable=SC2086 # a list of words
  if [ -n "$beside" ]; then copy_beside "$programs" $beside || return 1; fi
  local planted; planted=$(sed -n 's/^harness planted-dlls //p' "$scenario")
  # shellcheck disable=SC2086 # a list of words
  if [ -n "$planted" ]; then plant_dlls "$programs" $planted || return 1; fi
  cp "$root/template/registry.txt" "$out/registry-before.txt"
  export E2E_PROGRAMS E2E_OUT
  E2E_PROGRAMS=$(winpath "$programs"); E2E_OUT=$(winpath "$out")
  # Output to a file, never a pipe: Wine's background services would hold it open.
  timeout 300 wine "$robot" "$(winpath "$scenario")" "$E2E_OUT" >"$out/robot.log" 2>&1 </dev/null
  local rc=$?
  tr -d '\r' <"$out/robot.log"
  flush_prefix
  registry_text >"$out/registry-after.txt"
  diff "$out/registry-before.txt" "$out/registry-after.txt" >"$out/registry.diff"
  for bmp in "$out"/*.bmp; do
    [ -e "$bmp" ] && /usr/bin/convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp"
  done
  [ $rc = 0 ] || { echo "robot failed (exit $rc); output in $out"; return $rc; }
  if [ -f "${scenario%.scn}.check" ]; then
    . "${scenario%.scn}.check"
    [ $check_fail = 0 ] || { echo "Linux-side checks failed"; return 1; }
  fi
  # A passed scenario's prefix is a few hundred megabytes nobody needs: only
  # its output stays (unless E2E_KEEP_PREFIX is set). A failed one keeps
  # everything for a look.
  if [ -z "${E2E_KEEP_PREFIX:-}" ]; then
    stop_scenario "$sroot"
    rm -rf "$sroot/prefix" "$sroot/home" "$sroot/full-drive"
  fi
  echo "scenario $name passed; output in $out"
}

case $action in
  template)
    "$here/../wine/prefix.sh" setup "$root/template" || exit 1
    "$here/../wine/prefix.sh" teardown "$root/template"
    (wine_env "$root/template"; registry_text >"$root/template/registry.txt")
    rm -f "$root/template/display"
    ;;
  run)
    run_scenario "$3" "$4" "$5"
    ;;
  expect-failure)
    log=$(run_scenario "$3" "$4" "$5" 2>&1); rc=$?
    printf '%s\n' "$log"
    [ $rc != 0 ] || { echo "FAIL: the scenario passed, it should have failed"; exit 1; }
    printf '%s\n' "$log" | grep -qF -- "$6" || { echo "FAIL: the output lacks: $6"; exit 1; }
    echo "the scenario failed as it should, naming the step"
    ;;
  *) echo "usage: see the header of $0" >&2; exit 2 ;;
esac
