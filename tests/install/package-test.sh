#!/usr/bin/env bash
# The Debian package of the build tree: its control data, dependencies computed from the
# binaries, the same files as an installation, binaries that run from it, and no lintian
# error or warning. Arguments: the build tree and the source tree.
build_dir=$1
TREVIK_SOURCE=$2
here=$(dirname "$0")
. "$here/test-lib.sh"

command -v dpkg-deb >/dev/null && command -v dpkg-shlibdeps >/dev/null ||
    skip "dpkg-deb and dpkg-shlibdeps (dpkg-dev) are not installed"

# A package for /usr, whatever prefix the build tree was configured with.
cpack -G DEB -B "$scratch/out" --config "$build_dir/CPackConfig.cmake" \
    -D CPACK_PACKAGING_INSTALL_PREFIX=/usr >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack failed"; finish; }
debs=("$scratch"/out/trevik_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || { fail "cpack made no single trevik_*.deb"; finish; }
deb=${debs[0]}
echo "package: ${deb##*/}, $(stat -c %s "$deb") bytes"

field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = trevik ] || fail "Package is '$(field Package)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
depends=$(field Depends)
echo "Depends: $depends"
# What dpkg-shlibdeps reads off the binaries, and the plugins the window loads unlinked.
for dependency in libc6 libstdc++6 libqt6core6 libqt6widgets6 libqt6multimedia6 qt6-qpa-plugins; do
    [[ ", $depends," == *", $dependency "* || ", $depends," == *", $dependency,"* ]] ||
        fail "Depends lacks $dependency"
done

# Owned by root, no file outside /usr.
if dpkg-deb -c "$deb" | awk '$2 != "root/root"' | grep -q .; then
    fail "files not owned by root in the package"
fi
if dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./usr/' | grep -q .; then
    fail "files outside /usr in the package"
fi

# Unpacked, it holds the installed tree that install-tree-test.sh checks, and it runs.
dpkg-deb -x "$deb" "$scratch/root" || fail "dpkg-deb -x failed"
"$here/install-tree-test.sh" "$scratch/root" "$TREVIK_SOURCE" >"$scratch/tree.log" 2>&1 ||
    { cat "$scratch/tree.log"; fail "the unpacked package lacks installed files"; }
"$scratch/root/usr/bin/trevik-cli" --help >"$scratch/help.txt" 2>&1 ||
    fail "the packaged trevik-cli --help ends with status $?"
grep -q '^Usage: trevik-cli' "$scratch/help.txt" || fail "the packaged trevik-cli prints no usage"
for binary in trevik trevik-cli; do
    if ldd "$scratch/root/usr/bin/$binary" | grep -q 'not found'; then
        ldd "$scratch/root/usr/bin/$binary"
        fail "the packaged $binary lacks libraries"
    fi
done

if command -v lintian >/dev/null; then
    lintian --fail-on error,warning --no-tag-display-limit "$deb" >"$scratch/lintian.txt" 2>&1
    status=$?
    grep -v 'running with root privileges' "$scratch/lintian.txt"
    [ "$status" -eq 0 ] || fail "lintian finds errors or warnings"
else
    echo "not installed, not checked: lintian"
fi

finish
