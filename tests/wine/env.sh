# Sourced: the environment of every Wine process of a test run, rooted in one
# folder of the build ($1 of the calling script).
wine_env() {
  local root=$1
  export WINEPREFIX=$root/prefix
  export WINEARCH=win32
  export WINEDEBUG=-all
  # winemenubuilder would turn every shortcut into a .desktop file in $HOME;
  # Mono and Gecko are never needed and would be offered for download.
  export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="
  export HOME=$root/home
  export XDG_CONFIG_HOME=$root/home/.config
  export XDG_DATA_HOME=$root/home/.local/share
  export XDG_CACHE_HOME=$root/home/.cache
  export XDG_RUNTIME_DIR=$root/runtime
  if [ -f "$root/display" ]; then
    DISPLAY=$(cat "$root/display")
    export DISPLAY
  fi
}
