# Checks for the release tests, and readers of MSI files. Source it. Each check prints FAIL and
# what differs when it fails, and the test goes on; finish prints "N passed, M failed" and ends
# the test with its status.
passes=0
failures=0

check() {  # name, command...
    local name=$1
    shift
    if "$@"; then
        passes=$((passes + 1))
        return 0
    fi
    failures=$((failures + 1))
    echo "FAIL $name"
    return 1
}

check_eq() {  # name, expected, actual
    if [[ $2 == "$3" ]]; then
        passes=$((passes + 1))
        return 0
    fi
    failures=$((failures + 1))
    printf 'FAIL %s\n  expected: %q\n  actual:   %q\n' "$1" "$2" "$3"
    return 1
}

check_contains() {  # name, text, part
    if [[ $2 == *"$3"* ]]; then
        passes=$((passes + 1))
        return 0
    fi
    failures=$((failures + 1))
    printf 'FAIL %s\n  text:  %q\n  lacks: %q\n' "$1" "$2" "$3"
    return 1
}

# package_test_arguments ARCH BUILD_DIR WORK_DIR VERSION: the arguments of the package tests,
# into arch, build, work and version, with root the source tree; empties WORK_DIR.
package_test_arguments() {
    arch=$1 build=$2 work=$3 version=$4
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    rm -rf "$work"
    mkdir -p "$work"
}

# not COMMAND...: the command fails (its output goes nowhere).
not() { ! "$@" >/dev/null 2>&1; }

finish() {
    echo "$passes passed, $failures failed"
    [[ $failures -eq 0 ]]
    exit
}

seconds_since() { awk -v a="$1" -v b="$(date +%s.%N)" 'BEGIN { printf "%.1f", b - a }'; }

print_sizes() {  # file...
    local file
    for file in "$@"; do
        printf 'size %10d bytes  %s\n' "$(stat -c %s "$file")" "$(basename "$file")"
    done
}

# msi_table MSI TABLE: the table's rows, tab-separated, without the three header lines. Not for
# tables with binary data (Icon, Binary): msiinfo writes those into the current folder.
msi_table() { msiinfo export "$1" "$2" | tail -n +4 | tr -d '\r'; }

# msi_property MSI NAME: the value of a property.
msi_property() { msi_table "$1" Property | awk -F'\t' -v n="$2" '$1 == n { print $2 }'; }

