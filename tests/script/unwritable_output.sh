#!/usr/bin/env bash
# mahjongg-script writing to an output that fails, a full device and a reader that has gone
# away: the run ends with a non-zero status and says why on standard error.
set -u
runner=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT

check() { # check WHAT STATUS
    if [[ $2 -eq 0 ]]; then
        echo "$1: exit status 0"
        exit 1
    fi
    if ! grep -q 'the output cannot be written' "$errors"; then
        echo "$1: no message on standard error: $(cat "$errors")"
        exit 1
    fi
}

printf 'dump\n' | "$runner" >/dev/full 2>"$errors"
check "a full device" $?

# Fifty dumps are far more than a pipe holds, so the writes meet the closed pipe.
yes dump | head -n 50 | "$runner" 2>"$errors" | true
check "a closed pipe" "${PIPESTATUS[2]}"
