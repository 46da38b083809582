#!/usr/bin/env bash
# Starts the program twice: the second start must end at once with status 0 and leave the
# first one running.
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'kill "$first" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"' EXIT

export QT_QPA_PLATFORM=offscreen
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run" XDG_DATA_HOME="$work/data"
mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$work/diary"
printf '[Display]\nSplashScreen=0\n' > "$XDG_CONFIG_HOME/Trevik.Ini"
cd "$work/diary"

"$program" & first=$!
# Wait until the first instance has started and written its UID.
for _ in $(seq 100); do
    grep -q '^UID=' "$XDG_CONFIG_HOME/Trevik.Ini" && break
    sleep 0.1
done
grep -q '^UID=' "$XDG_CONFIG_HOME/Trevik.Ini" || { echo "first instance did not start"; exit 1; }
# The start made the exchange files' association under the user's data directory.
grep -q '^MimeType=application/x-trevik-exchange;' "$XDG_DATA_HOME/applications/trevik.desktop" ||
    { echo "no desktop entry for exchange files"; exit 1; }
grep -q 'glob pattern="\*.tvx"' "$XDG_DATA_HOME/mime/packages/trevik-tvx.xml" ||
    { echo "no MIME package for exchange files"; exit 1; }

start=$(date +%s%N)
status=0
timeout 10 "$program" || status=$?
elapsed_ms=$(( ($(date +%s%N) - start) / 1000000 ))
[ "$status" -eq 0 ] || { echo "second start exited with $status"; exit 1; }
[ "$elapsed_ms" -lt 5000 ] || { echo "second start took ${elapsed_ms} ms"; exit 1; }
kill -0 "$first" || { echo "first instance is gone"; exit 1; }
echo "second start ended with 0 after ${elapsed_ms} ms; the first still runs"
