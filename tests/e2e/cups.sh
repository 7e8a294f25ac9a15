# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The VOVORUDOROZ.1 authors
# shellcheck shell=bash
# A private CUPS for the end-to-end cases: its own configuration, spool, logs and socket in
# one folder, and one default queue "vovo" whose backend (ours, in the private ServerBin)
# keeps every job's file unchanged: Qt sends PDF, so each job becomes one PDF file.
#
#   start_cups FOLDER pdf|failing OUTPUT_FOLDER
# Needs: CUPS_SERVER (the socket, inside FOLDER), `mark`, and from scripts/desktop.sh the array
# `started` and wait_for.
# shellcheck disable=SC2154 # mark and started belong to the sourcing script

start_cups() {
    local root="$1" kind="$2" output="$3"
    mkdir -p "$root/etc" "$root/spool/tmp" "$root/log" "$root/cache" "$root/state" \
        "$root/bin/backend"
    # The scheduler's own helpers stay the system's; only the backend folder is ours.
    local helper
    for helper in daemon filter notifier driver; do
        [ -e "/usr/lib/cups/$helper" ] && ln -s "/usr/lib/cups/$helper" "$root/bin/$helper"
    done

    # Mode 0700: the scheduler runs such a backend as the user it runs as itself.
    if [ "$kind" = failing ]; then
        cat >"$root/bin/backend/vovopdf" <<'BACKEND'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct vovopdf "Unknown" "Failing test printer"'; exit 0; }
echo "ERROR: the test printer is out of order" >&2
exit 1
BACKEND
    else
        cat >"$root/bin/backend/vovopdf" <<'BACKEND'
#!/bin/sh
# argv: job-id user title copies options [file]; without a file the job comes on stdin.
[ $# -eq 0 ] && { echo 'direct vovopdf "Unknown" "PDF keeping test printer"'; exit 0; }
out="${DEVICE_URI#vovopdf:}"
if [ $# -ge 6 ]; then cat "$6"; else cat; fi >"$out/.job-$1.part" || exit 1
mv "$out/.job-$1.part" "$out/job-$1.pdf"
BACKEND
    fi
    chmod 0700 "$root/bin/backend/vovopdf"

    local identity=""
    # As root the scheduler refuses User root and drops to lp for all but 0700 backends;
    # otherwise it runs as the calling user.
    if [ "$(id -u)" -ne 0 ]; then
        identity="User $(id -un)
Group $(id -gn)"
    fi
    cat >"$root/etc/cups-files.conf" <<CONF
ServerRoot $root/etc
ServerBin $root/bin
DataDir /usr/share/cups
CacheDir $root/cache
StateDir $root/state
RequestRoot $root/spool
TempDir $root/spool/tmp
AccessLog $root/log/access_log
ErrorLog $root/log/error_log
PageLog $root/log/page_log
Printcap $root/printcap
SystemGroup $(id -gn)
FileDevice No
$identity
CONF
    cat >"$root/etc/cupsd.conf" <<CONF
Listen $CUPS_SERVER
Browsing No
WebInterface No
LogLevel info
PreserveJobHistory Yes
PreserveJobFiles No
DefaultAuthType None
ErrorPolicy abort-job
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
    env "$mark" cupsd -f -c "$root/etc/cupsd.conf" -s "$root/etc/cups-files.conf" \
        >"$root/log/cupsd.log" 2>&1 &
    started+=($!)
    wait_for 20 test -S "$CUPS_SERVER" || {
        echo "cupsd did not start" >&2
        return 1
    }
    # A raw queue: no filter between the program's PDF and the backend.
    lpadmin -p vovo -E -v "vovopdf:$output" 2>>"$root/log/cupsd.log"
    lpadmin -d vovo
    chmod 0777 "$output"
}
