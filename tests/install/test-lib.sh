# Shared by the install and package tests: the failure count, skipping, a scratch folder
# with its own home, and the desktop names as src/core/shell/DesktopNames.h gives them.
# Set TREVIK_SOURCE to the source tree before sourcing.
set -uo pipefail

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}
finish() {
    if [ "$failures" -ne 0 ]; then
        echo "$failures check(s) failed" >&2
        exit 1
    fi
    echo "all checks passed"
    exit 0
}
# ctest reads 77 as "skipped" (SKIP_RETURN_CODE).
skip() {
    echo "SKIP: $*"
    exit 77
}

# A name the program and the installation share, as src/core/shell/DesktopNames.h gives it.
desktop_name() {
    sed -n "s/.*$1 = \"\\([^\"]*\\)\".*/\\1/p" "$TREVIK_SOURCE/src/core/shell/DesktopNames.h"
}
desktop_file=$(desktop_name kDesktopFileName)
icon_name=$(desktop_name kIconName)
mime_type=$(desktop_name kExchangeMimeType)
mime_glob=$(desktop_name kExchangeGlob)
mime_package=$(desktop_name kMimePackageFileName)
appstream_id=$(desktop_name kAppStreamId)
for name in desktop_file icon_name mime_type mime_glob mime_package appstream_id; do
    [ -n "${!name}" ] || { echo "DesktopNames.h gives no $name" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export XDG_CONFIG_HOME=$scratch/config XDG_DATA_HOME=$scratch/data HOME=$scratch/home
mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$HOME"
