#!/usr/bin/env bash
# Runs Windows programs of a win32 build folder under 32-bit Wine with code page 932.
#   wine-test.sh start BUILD            create the prefix, a display and a persistent wineserver
#   wine-test.sh run   BUILD EXE [ARGS] run one program in that environment, exit with its code
#   wine-test.sh desktop BUILD EXE [ARGS] the same, for a person to use (output to the terminal)
#   wine-test.sh stop  BUILD            stop the wineserver and the display started here
# The prefix lives in BUILD/wineprefix and is reused across runs.
set -euo pipefail

cmd=$1
build=$(cd "$2" && pwd)
shift 2

export WINEPREFIX="$build/wineprefix"
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
state="$build/wine-state"

ensure_display() {
  if [ -f "$state/display" ]; then
    local pid
    pid=$(cat "$state/xvfb.pid" 2>/dev/null || echo)
    if [ -z "$pid" ] || kill -0 "$pid" 2>/dev/null; then
      export DISPLAY=$(cat "$state/display")
      return
    fi
  fi
  mkdir -p "$state"
  if [ -n "${DISPLAY:-}" ]; then
    echo "$DISPLAY" > "$state/display"
    rm -f "$state/xvfb.pid"
    return
  fi
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >"$state/xvfb.log" 2>&1 &
  echo $! > "$state/xvfb.pid"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  echo ":$n" > "$state/display"
  export DISPLAY=":$n"
}

ensure_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i </dev/null >"$state/wineboot.log" 2>&1 || true
    wineserver -w
  fi
  # Every program runs inside one 1200x900 virtual desktop: windows are then not
  # X11 top-levels, so destroying one does not wait on the X server.
  if [ ! -f "$WINEPREFIX/.varnel-desktop" ]; then
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1 || true
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1200x900 /f </dev/null >/dev/null 2>&1 || true
    # The desktop process started by these calls is not a virtual one yet: end it.
    wineserver -k 2>/dev/null || true
    touch "$WINEPREFIX/.varnel-desktop"
  fi
}

ensure_server() {
  # A persistent server keeps every test binary from paying Wine's start-up again.
  # The services Wine starts with the first program live as long as the server and
  # keep that program's output open, so the first program writes nowhere.
  setsid wineserver -p </dev/null >/dev/null 2>&1 || true
  setsid wine cmd.exe /c exit 0 </dev/null >/dev/null 2>&1 || true
}

case "$cmd" in
  start)
    mkdir -p "$state"
    ensure_display
    ensure_prefix
    ensure_server
    # Prove the environment: the test binaries check the code page themselves.
    echo "wine ready: DISPLAY=$DISPLAY prefix=$WINEPREFIX"
    ;;
  run)
    ensure_display
    ensure_prefix
    exec wine "$@" </dev/null
    ;;
  desktop)
    ensure_display
    ensure_prefix
    exec wine "$@"
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    if [ -f "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
      rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
  *)
    echo "usage: $0 start|run|desktop|stop BUILD [EXE ARGS...]" >&2
    exit 2
    ;;
esac
