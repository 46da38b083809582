#!/usr/bin/env bash
# trevik-cli with its standard output on a full device: status 1 and the reason on one line
# of standard error, whether it printed help or the id of a record it added.
set -uo pipefail
cli=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config"
mkdir -p "$XDG_CONFIG_HOME" "$work/data"
expected='cannot write to standard output: No space left on device'

check_full() {
    local status=0
    "$cli" "$@" >/dev/full 2>"$work/err" || status=$?
    [ "$status" -eq 1 ] || { echo "$* >/dev/full ended with $status"; cat "$work/err"; exit 1; }
    [ "$(wc -l <"$work/err")" -eq 1 ] || { echo "$*: not one line:"; cat "$work/err"; exit 1; }
    grep -qF "$expected" "$work/err" || { echo "$*: no reason:"; cat "$work/err"; exit 1; }
}

check_full --help
check_full --data-dir "$work/data" add-type Work
# The type was added: only its code could not be printed.
[ "$("$cli" --data-dir "$work/data" types)" = "$(printf '1\tWork')" ] ||
    { echo "types after the add did not list Work"; exit 1; }
echo "a full standard output ends trevik-cli with 1 and its reason"
