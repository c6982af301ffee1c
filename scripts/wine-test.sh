#!/usr/bin/env bash
# Runs Windows programs of a build folder under Wine with code page 932.
#   wine-test.sh can-run  ARCH              exit 0 when this machine can run ARCH-bit Wine, else say why
#   wine-test.sh machine-runs ARCH          exit 0 when this machine can run ARCH-bit programs, else say why
#   wine-test.sh start    ARCH BUILD        create the prefix, a display and a persistent wineserver,
#                                           then prove them by running BUILD/tests/wine_probe.exe
#   wine-test.sh run      ARCH BUILD EXE [ARGS]  run one program in that environment, exit with its code
#   wine-test.sh desktop  ARCH BUILD EXE [ARGS]  the same, for a person to use (output to the terminal)
#   wine-test.sh stop     ARCH BUILD        stop the wineserver and the display started here
# ARCH is 32 (i686 build, 32-bit Wine) or 64 (x86_64 build, wine64). The prefix
# lives in BUILD/wineprefix and is reused across runs.
# A 32-bit run on a machine that cannot run 32-bit programs exits with 77, the
# code ctest reports as skipped, after saying why; every other failure is a failure.
set -euo pipefail

readonly SKIP=77
readonly WINE_LIB=/usr/lib/wine

cmd=${1:?usage: $0 can-run|machine-runs|start|run|desktop|stop ARCH [BUILD [EXE ARGS...]]}
arch=${2:?ARCH is 32 or 64}
case "$arch" in
  32) loader=$WINE_LIB/wine; export WINEARCH=win32 ;;
  64) loader=$WINE_LIB/wine64; export WINEARCH=win64 ;;
  *) echo "ARCH must be 32 or 64, not $arch" >&2; exit 2 ;;
esac
shift 2

# A minimal i386 Linux program that only exits with 0. Some kernels run 64-bit
# user code only (execve of a 32-bit program fails with ENOEXEC); 32-bit Wine
# cannot start there, whatever is installed.
readonly ELF32_EXIT0='f0VMRgEBAQAAAAAAAAAAAAIAAwABAAAAVIAECDQAAAAAAAAAAAAAADQAIAABAAAAAAAAAAEAAAAAAAAAAIAECACABAhdAAAAXQAAAAUAAAAAEAAAuAEAAAAx282A'

# Prints why this machine cannot run 32-bit programs and returns 1, or returns 0.
machine_runs_32bit() {
  if [ -n "${VARNEL_NO_32BIT:-}" ]; then
    echo "this machine cannot run 32-bit programs (VARNEL_NO_32BIT is set)"
    return 1
  fi
  local probe out status=0
  probe=$(mktemp)
  echo "$ELF32_EXIT0" | base64 -d > "$probe"
  chmod +x "$probe"
  out=$("$probe" 2>&1) || status=$?
  rm -f "$probe"
  if [ "$status" -ne 0 ]; then
    echo "this machine cannot run 32-bit programs (${out:-exit status $status})"
    return 1
  fi
}

# Prints why ARCH-bit Wine cannot run here and returns 1, or returns 0.
why_not_runnable() {
  if [ "$arch" = 32 ]; then
    machine_runs_32bit || return 1
  fi
  if [ ! -x "$loader" ]; then
    echo "the Wine loader $loader is missing (run scripts/setup.sh)"
    return 1
  fi
  return 0
}

# 32-bit runs that cannot happen here are skipped with the reason; a missing
# 64-bit loader is a broken set-up and fails.
require_runnable() {
  local reason
  if ! reason=$(why_not_runnable); then
    if [ "$arch" = 32 ] && [[ "$reason" == "this machine cannot run"* ]]; then
      echo "SKIPPED (32-bit Windows build): $reason"
      exit $SKIP
    fi
    echo "FAILED: $reason" >&2
    exit 1
  fi
}

case "$cmd" in
  can-run) why_not_runnable; exit ;;
  machine-runs) [ "$arch" = 64 ] || machine_runs_32bit; exit ;;
esac

build=$(cd "${1:?BUILD folder missing}" && pwd)
shift

export WINEPREFIX="$build/wineprefix"
export WINELOADER="$loader"
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
state="$build/wine-state"
wineserver=$WINE_LIB/wineserver

ensure_display() {
  if [ -f "$state/display" ]; then
    local pid
    local display
    pid=$(cat "$state/xvfb.pid" 2>/dev/null || echo)
    display=$(cat "$state/display")
    # A display someone else started counts only while it still answers.
    if { [ -z "$pid" ] && DISPLAY=$display xdotool getdisplaygeometry >/dev/null 2>&1; } ||
      { [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; }; then
      export DISPLAY=$display
      return
    fi
    rm -f "$state/display" "$state/xvfb.pid"
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
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  if [ ! -e "/tmp/.X11-unix/X$n" ]; then
    echo "FAILED: Xvfb did not start on :$n (see $state/xvfb.log)" >&2
    exit 1
  fi
  echo ":$n" > "$state/display"
  export DISPLAY=":$n"
}

# Waits (at most 60 s) for the prefix's server to end.
wait_server() {
  timeout 60 "$wineserver" -w || { echo "FAILED: wineserver did not end within 60 s" >&2; exit 1; }
}

ensure_prefix() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX" "$state"
    if ! timeout 300 "$loader" wineboot -i </dev/null >"$state/wineboot.log" 2>&1; then
      echo "FAILED: wineboot could not create $WINEPREFIX (see $state/wineboot.log)" >&2
      exit 1
    fi
    wait_server
  fi
  # Every program runs inside one 1200x900 virtual desktop: windows are then not
  # X11 top-levels, so destroying one does not wait on the X server.
  if [ ! -f "$WINEPREFIX/.varnel-desktop" ]; then
    timeout 120 "$loader" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
    timeout 120 "$loader" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1200x900 /f \
      </dev/null >/dev/null 2>&1
    # The desktop process started by these calls is not a virtual one yet: end it.
    "$wineserver" -k 2>/dev/null || true
    wait_server
    touch "$WINEPREFIX/.varnel-desktop"
  fi
  ensure_fonts
}

# Debian's wine64 looks for its own fonts (Marlett draws the caption buttons,
# the others the dialogs) in the wrong folder, so captions showed "0 1 r": link
# them into the prefix's Fonts folder, where both loaders find them.
ensure_fonts() {
  if [ ! -f "$WINEPREFIX/.varnel-fonts" ]; then
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    mkdir -p "$fonts"
    if [ -d /usr/share/wine/fonts ]; then
      ln -sf /usr/share/wine/fonts/* "$fonts/"
    fi
    touch "$WINEPREFIX/.varnel-fonts"
  fi
}

ensure_server() {
  # A persistent server keeps every test binary from paying Wine's start-up again.
  # The services Wine starts with the first program live as long as the server and
  # keep that program's output open, so the first program writes nowhere.
  # (A server that already runs refuses a second one; the check below proves it either way.)
  setsid "$wineserver" -p </dev/null >/dev/null 2>&1 || true
  if ! timeout 120 setsid "$loader" cmd.exe /c exit 0 </dev/null >/dev/null 2>&1; then
    echo "FAILED: Wine could not run cmd.exe in $WINEPREFIX within 120 s" >&2
    exit 1
  fi
}

# Runs the probe program and insists on code page 932 in a process of the right width.
prove() {
  local probe="$build/tests/wine_probe.exe" out
  if [ ! -f "$probe" ]; then
    echo "FAILED: $probe is missing (build the tests of $build)" >&2
    exit 1
  fi
  if ! out=$(timeout 120 "$loader" "$probe" </dev/null 2>&1); then
    echo "FAILED: the probe did not run under $arch-bit Wine: $out" >&2
    exit 1
  fi
  if ! grep -q "acp=932 bits=$arch" <<<"$out"; then
    echo "FAILED: the probe reported '$out', expected code page 932 in a $arch-bit process" >&2
    exit 1
  fi
  echo "$arch-bit Wine ready: $out DISPLAY=$DISPLAY prefix=$WINEPREFIX"
}

case "$cmd" in
  start)
    require_runnable
    mkdir -p "$state"
    ensure_display
    ensure_prefix
    ensure_server
    prove
    ;;
  run)
    require_runnable
    ensure_display
    ensure_prefix
    exec "$loader" "$@" </dev/null
    ;;
  desktop)
    require_runnable
    ensure_display
    ensure_prefix
    exec "$loader" "$@"
    ;;
  stop)
    if why_not_runnable >/dev/null; then
      "$wineserver" -k 2>/dev/null || true
    fi
    if [ -f "$state/xvfb.pid" ]; then
      kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
      rm -f "$state/xvfb.pid" "$state/display"
    fi
    ;;
  *)
    echo "usage: $0 can-run|machine-runs|start|run|desktop|stop ARCH [BUILD [EXE ARGS...]]" >&2
    exit 2
    ;;
esac
