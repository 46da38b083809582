#!/usr/bin/env bash
# The desktop's own validators accept the installed desktop entry, AppStream data and MIME
# package, and the desktop databases built from them open exchange files with Trevik. A
# validator that is not installed is left out; with none at all the test is skipped.
. "$(dirname "$0")/installed-tree.sh"

ran=0
have() {
    if command -v "$1" >/dev/null; then
        ran=$((ran + 1))
        return 0
    fi
    echo "not installed, not checked: $1"
    return 1
}

entry=$usr/share/applications/$desktop_file
metainfo=$usr/share/metainfo/$appstream_id.metainfo.xml
mime=$usr/share/mime/packages/$mime_package

if have desktop-file-validate; then
    desktop-file-validate "$entry" || fail "desktop-file-validate rejects $desktop_file"
fi

if have appstreamcli; then
    # It fails on errors and warnings. The one warning let through: the component id is not
    # a reversed domain name, as the project has no domain yet to reverse.
    appstream_overrides=()
    if [ "$appstream_id" = "${appstream_id//./}" ]; then
        appstream_overrides=(--override=cid-desktopapp-is-not-rdns=info)
    fi
    appstreamcli validate --no-net --no-color "${appstream_overrides[@]}" "$metainfo" ||
        fail "appstreamcli rejects $appstream_id.metainfo.xml"
fi

if have xmllint; then
    xmllint --noout "$mime" "$metainfo" || fail "xmllint rejects the MIME package or metainfo"
fi

# shared-mime-info compiles the package and maps the glob to the type.
if have update-mime-database; then
    mkdir -p "$scratch/mime/packages"
    cp "$mime" "$scratch/mime/packages/"
    if XDG_DATA_DIRS=$scratch update-mime-database "$scratch/mime" >"$scratch/mime.log" 2>&1 &&
        [ ! -s "$scratch/mime.log" ]; then
        grep -qF ":$mime_type:$mime_glob" "$scratch/mime/globs2" ||
            fail "update-mime-database does not map $mime_glob to $mime_type"
    else
        cat "$scratch/mime.log"
        fail "update-mime-database rejects $mime_package"
    fi
fi

# The desktop database lists Trevik as an application for the exchange type.
if have update-desktop-database; then
    mkdir -p "$scratch/applications"
    cp "$entry" "$scratch/applications/"
    update-desktop-database "$scratch/applications" ||
        fail "update-desktop-database rejects $desktop_file"
    grep -qx "$mime_type=$desktop_file;" "$scratch/applications/mimeinfo.cache" ||
        fail "the desktop database does not open $mime_type with $desktop_file"
fi

[ "$ran" -eq 0 ] && skip "no validator is installed"
finish
