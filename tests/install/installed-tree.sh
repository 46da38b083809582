# The tree a test looks at: the root that `cmake --install` filled (DESTDIR, prefix /usr),
# named by the test's first argument; the second names the source tree.
TREVIK_ROOT=$1
TREVIK_SOURCE=$2
. "$(dirname "${BASH_SOURCE[0]}")/test-lib.sh"
usr=$TREVIK_ROOT/usr
[ -d "$usr" ] || { echo "no installed tree at $usr" >&2; exit 1; }
