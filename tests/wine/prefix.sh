#!/usr/bin/env bash
# prefix.sh setup|teardown ROOT
# setup: a fresh Wine prefix and an Xvfb display under ROOT, with the Wine
# server and its services already running, so that later Wine processes
# never hand their output pipes to a long-lived background process.
# teardown: ends that Wine server and that Xvfb, and only those.
set -eu
here=$(dirname "$(readlink -f "$0")")
. "$here/env.sh"
action=$1 root=$2

stop_all() {
  if [ -d "$root/prefix" ]; then
    (wine_env "$root"; wineserver -k >/dev/null 2>&1 || true)
  fi
  if [ -f "$root/xvfb.pid" ]; then
    kill "$(cat "$root/xvfb.pid")" 2>/dev/null || true
    rm -f "$root/xvfb.pid" "$root/display"
  fi
}

start_xvfb() {
  local fifo=$root/displayfd
  rm -f "$fifo"; mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 < /dev/null &
  echo $! > "$root/xvfb.pid"
  local number
  read -r -t 20 number < "$fifo"
  rm -f "$fifo"
  echo ":$number" > "$root/display"
}

# Wine only recommends its own fonts, and this build does not read them from
# where Debian puts them: without them dialogs come out in DejaVu Sans, one
# pixel per character wider than Windows draws them. In the prefix's Fonts
# folder "MS Sans Serif" 8 and the default GUI font measure as on Windows.
install_fonts() {
  local fonts=/usr/share/wine/fonts
  [ -d "$fonts" ] || { echo "fonts-wine is missing ($fonts)" >&2; return 1; }
  cp "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"
}

write_settings() {
  # Without a window manager Wine must manage no windows itself, or every
  # hidden dialog stalls the program and a maximised window shrinks back.
  # Copies of the test programs named *_win98 and so on report that system.
  local reg=$root/settings.reg
  {
    printf 'REGEDIT4\r\n\r\n'
    printf '[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]\r\n"Managed"="N"\r\n\r\n'
    for v in win98 nt40 win2k winxp; do
      for exe in unit_tests robot AuctionTorvinSetup; do
        printf '[HKEY_CURRENT_USER\\Software\\Wine\\AppDefaults\\%s_%s.exe]\r\n"Version"="%s"\r\n\r\n' "$exe" "$v" "$v"
      done
    done
  } > "$reg"
  wine regedit /S "$(winepath -w "$reg" 2>/dev/null)" >/dev/null 2>&1
}

case $action in
  setup)
    stop_all
    rm -rf "$root"
    mkdir -p "$root/home/Desktop" "$root/runtime"
    chmod 700 "$root/runtime"
    start_xvfb
    wine_env "$root"
    mkdir -p "$WINEPREFIX"
    # A persistent server that outlives each Wine process, with no pipe of ours.
    setsid wineserver -p >/dev/null 2>&1 < /dev/null
    wineboot -i >/dev/null 2>&1
    wine cmd /c exit >/dev/null 2>&1
    install_fonts
    write_settings
    wine cmd /c exit >/dev/null 2>&1
    echo "prefix ready at $WINEPREFIX on display $DISPLAY"
    ;;
  teardown)
    stop_all
    ;;
  *)
    echo "usage: prefix.sh setup|teardown ROOT" >&2; exit 2 ;;
esac
