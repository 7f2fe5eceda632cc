#!/bin/sh
# How screening grows with the size of a portfolio: for 1,000, 10,000 and 100,000 generated
# buildings, the time (wall and CPU) and the peak memory of the whole plenara-cli process,
# which writes its CSV results to a file.
#
# Usage: bench/portfolio-scale.sh [PLENARA_CLI] [SIZES...]
set -eu
here=$(dirname "$0")
cli=${1:-$here/../build/bin/plenara-cli}
[ $# -gt 0 ] && shift
sizes=${*:-1000 10000 100000}
work=${TMPDIR:-/tmp}/plenara-scale
mkdir -p "$work"
printf '%10s %9s %9s %9s %12s %10s\n' buildings wall_s user_s sys_s buildings/s peak_MB
for n in $sizes; do
    [ -f "$work/$n/bills.csv" ] || "$here/make-portfolio.sh" "$n" "$work/$n"
    /usr/bin/time -f '%e %U %S %M' -o "$work/time" \
        "$cli" screen "$work/$n" -o "$work/$n/results.csv" 2>/dev/null
    read -r wall user sys kb < "$work/time"
    awk -v n="$n" -v w="$wall" -v u="$user" -v s="$sys" -v kb="$kb" 'BEGIN {
        printf "%10d %9.2f %9.2f %9.2f %12.0f %10.1f\n", n, w, u, s, (w > 0 ? n / w : 0), kb / 1024 }'
done
