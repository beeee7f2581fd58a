# The time every release file is stamped with: SOURCE_DATE_EPOCH when it is set, else the time
# of the source tree's last commit (seconds since 1970, UTC). Source it.
#
#   source_date_epoch ROOT   prints that time for the checkout ROOT; fails (printing nothing)
#                            when SOURCE_DATE_EPOCH is not set and ROOT has no commit.

source_date_epoch() {
    if [[ -n ${SOURCE_DATE_EPOCH:-} ]]; then
        printf '%s\n' "$SOURCE_DATE_EPOCH"
        return 0
    fi
    git -C "$1" log -1 --format=%ct 2>/dev/null | grep -E '^[0-9]+$'
}
