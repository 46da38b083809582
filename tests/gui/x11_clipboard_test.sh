#!/usr/bin/env bash
# Runs the X11 clipboard test under a private X server (xvfb-run) with Qt's xcb platform. Ends
# with 77 (skipped) only when no X server can be started here.
set -uo pipefail
test_program=$1

if ! command -v xclip >/dev/null 2>&1; then
    echo "xclip is missing (scripts/install-deps installs it)" >&2
    exit 1
fi
if ! command -v xvfb-run >/dev/null 2>&1; then
    echo "SKIPPED: xvfb-run is missing, so no X server can be started for the clipboard test" >&2
    exit 77
fi
started=$(xvfb-run -a -s "-screen 0 1024x768x24" sh -c 'echo started' 2>&1)
if [ "$started" != "started" ]; then
    echo "SKIPPED: no X server could be started for the clipboard test: $started" >&2
    exit 77
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$work"
chmod 700 "$work"
exec xvfb-run -a -s "-screen 0 1024x768x24" "$test_program"
