#!/usr/bin/env bash
# The installed desktop entry, launched as a desktop launches it, starts trevik in the data
# directory under $XDG_DATA_HOME with the opened file as its one argument, whatever blanks
# the paths hold. A stand-in trevik on PATH records how it was started.
. "$(dirname "$0")/installed-tree.sh"

command -v gio >/dev/null || skip "gio (libglib2.0-bin) is not installed"

entry=$usr/share/applications/$desktop_file
mkdir -p "$scratch/bin"
cat >"$scratch/bin/trevik" <<'STANDIN'
#!/bin/sh
{ pwd; echo "$#"; for a in "$@"; do echo "$a"; done; } > "$TREVIK_LAUNCH_RECORD"
STANDIN
chmod +x "$scratch/bin/trevik"
export TREVIK_LAUNCH_RECORD=$scratch/record PATH=$scratch/bin:$PATH

launch() {
    rm -f "$TREVIK_LAUNCH_RECORD"
    gio launch "$entry" "$@" || fail "gio launch $* failed"
    for _ in $(seq 50); do
        [ -s "$TREVIK_LAUNCH_RECORD" ] && break
        sleep 0.1
    done
}

export XDG_DATA_HOME="$scratch/data home"
exchange_file="$scratch/from the laptop.tvx"
: >"$exchange_file"
launch "$exchange_file"
printf '%s\n' "$XDG_DATA_HOME/trevik" 1 "$exchange_file" >"$scratch/expected"
diff "$scratch/expected" "$TREVIK_LAUNCH_RECORD" ||
    fail "opening an exchange file did not start trevik as expected"

unset XDG_DATA_HOME
launch
printf '%s\n' "$HOME/.local/share/trevik" 0 >"$scratch/expected"
diff "$scratch/expected" "$TREVIK_LAUNCH_RECORD" ||
    fail "starting from the menu did not start trevik as expected"

finish
