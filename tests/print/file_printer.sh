#!/usr/bin/env bash
# A printer that writes PDF files, for printing end to end under Wine: a private
# CUPS scheduler of the build folder (its own socket, configuration and spool
# under BUILD/printer; nothing of the system's CUPS is touched) with one queue,
# "VarnelPdf", that turns each job into BUILD/printer/out/job.pdf.
#   file_printer.sh start BUILD        start the scheduler and add the queue (the default printer)
#   file_printer.sh check ARCH BUILD   print through the print dialog (the FilePrinter test of
#                                      print_win_tests) and check the PDF: pages and address lines
#   file_printer.sh stop BUILD         stop the scheduler started here
# Without the CUPS scheduler (scripts/setup.sh installs it) start makes no printer and check
# exits with 77 (skipped).
set -euo pipefail

readonly SKIP=77
cmd=${1:?usage: $0 start BUILD | check ARCH BUILD | stop BUILD}
if [ "$cmd" = check ]; then arch=${2:?ARCH}; shift; fi
build=$(cd "${2:?BUILD folder missing}" && pwd)
root="$build/printer"
socket="$root/run/cups.sock"
export CUPS_SERVER="$socket"

start() {
  if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
    echo "no file printer: the CUPS scheduler is not installed (run scripts/setup.sh); its check is skipped"
    exit 0
  fi
  stop
  rm -rf "$root"
  mkdir -p "$root"/{conf,spool,cache,state,log,run,tmp,out}
  # The scheduler's filters run as the lp user: the folders must be open to it.
  chmod 755 "$root" "$root"/*
  chmod 1777 "$root/out" "$root/tmp"
  cat >"$root/conf/cupsd.conf" <<CONF
LogLevel warn
Listen $socket
Browsing No
WebInterface No
DefaultAuthType None
Printcap $root/run/printcap
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
  cat >"$root/conf/cups-files.conf" <<CONF
ServerRoot $root/conf
RequestRoot $root/spool
CacheDir $root/cache
StateDir $root/state
TempDir $root/tmp
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
FileDevice Yes
CONF
  setsid cupsd -f -c "$root/conf/cupsd.conf" -s "$root/conf/cups-files.conf" </dev/null >"$root/log/cupsd.out" 2>&1 &
  echo $! >"$root/run/cupsd.pid"
  for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
  if [ ! -S "$socket" ]; then
    echo "FAILED: the CUPS scheduler did not start (see $root/log)" >&2
    exit 1
  fi
  lpadmin -p VarnelPdf -E -v "file://$root/out/job.pdf" -m lsb/usr/cupsfilters/Generic-PDF_Printer-PDF.ppd 2>/dev/null
  lpadmin -d VarnelPdf
  echo "file printer VarnelPdf ready: CUPS_SERVER=$socket, output $root/out/job.pdf"
}

stop() {
  if [ -f "$root/run/cupsd.pid" ]; then
    kill "$(cat "$root/run/cupsd.pid")" 2>/dev/null || true
    rm -f "$root/run/cupsd.pid"
  fi
}

# Prints a dump of 4096 bytes (256 lines, several pages at a margin of 92) and
# reads the PDF back: more than one page, and every line's address in order.
check() {
  if [ ! -S "$socket" ]; then
    echo "SKIPPED: no file printer (file_printer.sh start did not run or was skipped)"
    exit $SKIP
  fi
  local pdf="$root/out/job.pdf" here
  here=$(cd "$(dirname "$0")" && pwd)
  rm -f "$pdf"
  VARNEL_TEST_PRINTER=VarnelPdf "$here/../../scripts/wine-test.sh" run "$arch" "$build" \
    "$build/tests/print_win_tests.exe" --gtest_filter='FilePrinter.*'
  for _ in $(seq 600); do [ -s "$pdf" ] && break; sleep 0.1; done
  # The queue writes the file while it converts: wait until its size settles.
  local size=-1
  while [ -s "$pdf" ] && [ "$(stat -c %s "$pdf")" != "$size" ]; do size=$(stat -c %s "$pdf"); sleep 0.5; done
  if [ ! -s "$pdf" ]; then
    echo "FAILED: no PDF came out of the printer (see $root/log)" >&2
    exit 1
  fi
  local pages addresses expected
  pages=$(pdfinfo "$pdf" | awk '/^Pages:/ {print $2}')
  # The data are lower-case letters, so the only upper-case hexadecimal words are the addresses.
  addresses=$(pdftotext -layout "$pdf" - | grep -oE '\b[0-9A-F]{8}\b' | tr '\n' ' ')
  expected=$(for ((i = 0; i < 4096; i += 16)); do printf '%08X ' "$i"; done)
  if [ "${pages:-0}" -lt 2 ] || [ "$addresses" != "$expected" ]; then
    echo "FAILED: $pages pages; addresses printed: $addresses" >&2
    exit 1
  fi
  echo "printed $pages pages with the 256 addresses 00000000 .. 00000FF0 in order"
}

case "$cmd" in
  start) start ;;
  stop) stop ;;
  check) check ;;
  *) echo "usage: $0 start BUILD | check ARCH BUILD | stop BUILD" >&2; exit 2 ;;
esac
