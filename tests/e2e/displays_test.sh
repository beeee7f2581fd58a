#!/usr/bin/env bash
# The virtual displays of scripts/lib/display.sh, which every Windows test runs on: several
# started at the same moment come up on numbers of their own and all answer at once; each ends
# with display_stop; an Xvfb that cannot start makes display_start fail at once, not wait (with
# a wait set longer than the test's own limit, the test ends only if it does not wait).
source "$(dirname "$0")/../../scripts/lib/display.sh"
failed=0
fail() { echo "FAIL $*"; failed=1; }
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT

# Each display stays up until all three have started, then checks that its own still answers.
for i in 1 2 3; do
    (
        display_start "$dir/xvfb-$i.log" || exit 1
        echo "$DISPLAY $VERBALO_XVFB_PID" >"$dir/display-$i"
        for ((t = 0; t < 100; t++)); do
            [[ -f $dir/display-1 && -f $dir/display-2 && -f $dir/display-3 ]] && break
            sleep 0.1
        done
        timeout 60 xdpyinfo >/dev/null 2>&1 || exit 2
        display_stop
    ) &
done
for job in $(jobs -p); do
    wait "$job" || fail "a display did not start or did not answer while the others ran (status $?)"
done
numbers=$(cut -d' ' -f1 "$dir"/display-* | sort -u | wc -l)
((numbers == 3)) || fail "three displays at once got $numbers numbers: $(cat "$dir"/display-*)"
for record in "$dir"/display-*; do
    read -r display pid <"$record"
    [[ -d /proc/$pid ]] && fail "the Xvfb of $display (PID $pid) still runs after display_stop"
done

# An Xvfb that ends at once, without a display number.
mkdir "$dir/bin"
printf '#!/bin/sh\nexit 1\n' >"$dir/bin/Xvfb"
chmod +x "$dir/bin/Xvfb"
before=${DISPLAY-unset}
if PATH=$dir/bin:$PATH VERBALO_XVFB_WAIT=100000 display_start 2>/dev/null; then
    fail "display_start succeeded though Xvfb ended"
fi
[[ ${DISPLAY-unset} == "$before" ]] || fail "a failed display_start changed DISPLAY to $DISPLAY"
[[ -z $VERBALO_XVFB_PID ]] || fail "a failed display_start left VERBALO_XVFB_PID=$VERBALO_XVFB_PID"

((failed == 0)) && echo "displays: passed"
exit "$failed"
