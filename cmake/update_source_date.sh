#!/usr/bin/env bash
# Writes the source date of the checkout ROOT into FILE, touching FILE only when it changes (a
# change relinks the programs that ship). Usage: update_source_date.sh ROOT FILE
set -euo pipefail
source "$(dirname "$0")/../scripts/lib/source_date.sh"
epoch=$(source_date_epoch "$1") || epoch=""
if [[ ! -f $2 || $(<"$2") != "$epoch" ]]; then
    printf '%s' "$epoch" >"$2"
fi
