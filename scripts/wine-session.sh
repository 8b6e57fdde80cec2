# A Wine session for the Windows programs: a private prefix under the build folder, a virtual
# display of its own, and a wineserver kept alive for the session. Sourced by the project's scripts.
#   tolvex_wine_session BUILD_DIR [DISPLAY]   prepares the prefix and starts the session; with a
#                                             DISPLAY of the user's, the desktop's window manager
#                                             manages the windows
#   tolvex_wine_end                           stops it again (the scripts trap EXIT with it)

tolvex_wine_session() {
  local build_dir=$1 display=${2:-}
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEDEBUG=-all
  export WINEARCH=win64
  # A crash ends the program with an error code at once instead of waiting on the debugger.
  export WINEDLLOVERRIDES="winedbg.exe=d;mscoree=d;mshtml=d"
  mkdir -p "$build_dir"

  if [ -n "$display" ]; then
    export DISPLAY=$display
  else
    local fdfile
    fdfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
    TOLVEX_XVFB_PID=$!
    local waited=0
    while [ ! -s "$fdfile" ] && [ $waited -lt 100 ]; do sleep 0.1; waited=$((waited + 1)); done
    [ -s "$fdfile" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=":$(head -n1 "$fdfile")"
    rm -f "$fdfile"
  fi

  # The first process of a session fixes its display: no server from an earlier session may linger.
  wineserver -k >/dev/null 2>&1 || true
  if [ ! -f "$WINEPREFIX/.tolvex-ready-2" ]; then
    echo "Preparing the Wine prefix (once per build folder)"
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1 || true
    # On our own display there is no window manager: Wine manages windows itself, or else each
    # hide waits 2 s.
    [ -n "$display" ] || wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # Windows has Courier New, the main window's font; Wine draws it with its metric twin.
    wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Courier New' /d 'Liberation Mono' /f \
      >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.tolvex-ready-2"
  fi
  # One server for the whole session, so that each program starts in a fraction of a second.
  wineserver -p >/dev/null 2>&1 </dev/null
  # The first program of a session starts Wine's services, which outlive it and keep its output
  # open: start them here, detached, or whoever reads the first test's output waits for ever.
  wine cmd.exe /c exit >/dev/null 2>&1 </dev/null || true
}

tolvex_wine_end() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${TOLVEX_XVFB_PID:-}" ]; then
    kill "$TOLVEX_XVFB_PID" 2>/dev/null || true
    wait "$TOLVEX_XVFB_PID" 2>/dev/null || true
    TOLVEX_XVFB_PID=
  fi
}
