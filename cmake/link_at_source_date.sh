#!/usr/bin/env bash
# Runs a link command with SOURCE_DATE_EPOCH set to the date in FILE (when it holds one): ld
# then writes that time into the PE header. Usage: link_at_source_date.sh FILE COMMAND...
set -euo pipefail
epoch=$(<"$1")
shift
if [[ -n $epoch ]]; then
    export SOURCE_DATE_EPOCH=$epoch
fi
exec "$@"
