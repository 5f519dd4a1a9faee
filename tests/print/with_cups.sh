#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Zeziru Ridaz team <team@zeziru-ridaz.example>
#
# SPDX-License-Identifier: MIT

# Runs COMMAND... against a private CUPS scheduler with one default queue, ZeziruPDF, that keeps
# every job's document. The scheduler listens only on a socket in its own temporary folder, so a
# system cupsd (running or not) is neither used nor touched. Needs root: cupsd starts as root and
# hands jobs to filters as the lp user. Exports to the command:
#   CUPS_SERVER     the scheduler's socket
#   ZR_CUPS_SPOOL   the folder where the job documents (d<job>-001) are kept
#   ZR_CUPS_LOG     the scheduler's log, which tells how each job ended
#   ZR_CUPS_PID     the scheduler's process id, for a test that stops it
# With ZR_CUPS_NO_DEFAULT set, the queue is not made the default printer. With ZR_CUPS_BODY_LIMIT
# set, the scheduler refuses any request (a job's document included) larger than that many bytes.
# Exits with the command's status, or 2 when the scheduler cannot be set up.
set -euo pipefail
# cupsd, lpadmin and lpinfo live in sbin, which a non-login PATH may lack.
export PATH=$PATH:/usr/sbin:/sbin

if [[ $# -eq 0 ]]; then
  echo "usage: $0 COMMAND [ARG...]" >&2
  exit 2
fi
if [[ $(id -u) -ne 0 ]]; then
  echo "$0: must run as root to start cupsd" >&2
  exit 2
fi

# Under /tmp, not $TMPDIR: the socket path must stay short, and filters running as lp must be
# able to reach the folder.
work=$(mktemp -d /tmp/zr-cups.XXXXXX)
chmod 0755 "$work"
cupsd_pid=
# shellcheck disable=SC2317  # called by the trap
cleanup() {
  if [[ -n $cupsd_pid ]]; then
    kill "$cupsd_pid" 2>/dev/null || true
    wait "$cupsd_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM INT HUP

socket=$work/cups.sock
mkdir -p "$work"/{conf,log,spool,cache,state}
# Filters run as the lp group and write their temporary files here; cupsd does not fix this one.
install -d -m 01770 -g lp "$work/tmp"

cat >"$work/cups-files.conf" <<CONF
ServerRoot $work/conf
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
TempDir $work/tmp
ServerKeychain $work/conf/ssl
CreateSelfSignedCerts no
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
SystemGroup root
FileDevice Yes
Printcap $work/state/printcap
CONF

# Anyone on the socket may do anything: it lives in a root-only folder for one test run.
cat >"$work/cupsd.conf" <<CONF
Listen $socket
Browsing No
BrowseLocalProtocols none
WebInterface No
LogLevel info
PreserveJobFiles Yes
PreserveJobHistory Yes
MaxJobs 0
LimitRequestBody ${ZR_CUPS_BODY_LIMIT:-0}
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

show_log() {
  echo "--- cupsd error log ---" >&2
  cat "$work/log/error_log" >&2 2>/dev/null || true
}

cupsd -t -c "$work/cupsd.conf" -s "$work/cups-files.conf" >&2 || { show_log; exit 2; }
cupsd -f -c "$work/cupsd.conf" -s "$work/cups-files.conf" &
cupsd_pid=$!

export CUPS_SERVER=$socket
# Client settings (client.conf, lpoptions) come from the private folder, not from /etc/cups.
export CUPS_SERVERROOT=$work/conf
unset PRINTER LPDEST

for ((i = 0; i < 100; i++)); do
  if lpstat -r 2>/dev/null | grep -q 'is running'; then break; fi
  if ! kill -0 "$cupsd_pid" 2>/dev/null; then
    echo "$0: cupsd exited" >&2; cupsd_pid=; show_log; exit 2
  fi
  sleep 0.2
done
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  echo "$0: cupsd did not start" >&2; show_log; exit 2
fi

# The queue runs the CUPS-PDF printer's filters (so the job must be a printable document) and
# writes the result to /dev/null: the cups-pdf backend itself would leave its PDFs and logs in
# /root/PDF, /var/spool/cups-pdf and /var/log/cups, outside this run's folder.
model=$(lpinfo -m 2>/dev/null | awk '$1 ~ /CUPS-PDF_noopt\.ppd$/ { print $1; exit }') || true
if [[ -n $model ]]; then
  echo "$0: queue ZeziruPDF: file:///dev/null, model $model" >&2
  lpadmin -p ZeziruPDF -E -v file:///dev/null -m "$model" || { show_log; exit 2; }
else
  echo "$0: queue ZeziruPDF: file:///dev/null, raw (no CUPS-PDF model found)" >&2
  lpadmin -p ZeziruPDF -E -v file:///dev/null || { show_log; exit 2; }
fi
# A failed job must end as aborted, not stop the queue and leave the test waiting.
lpadmin -p ZeziruPDF -o printer-error-policy=abort-job || { show_log; exit 2; }
[[ -n ${ZR_CUPS_NO_DEFAULT:-} ]] || lpadmin -d ZeziruPDF || { show_log; exit 2; }
lpstat -t >&2 || true

export ZR_CUPS_SPOOL=$work/spool
export ZR_CUPS_LOG=$work/log/error_log
export ZR_CUPS_PID=$cupsd_pid
status=0
"$@" || status=$?
lpstat -W all -o >&2 || true
exit "$status"
