#!/usr/bin/env bash
# Every file an installation needs is in the installed tree, under the names the program
# itself uses for its per-user entries, and says what the desktop needs to know.
. "$(dirname "$0")/installed-tree.sh"

expect_file() {
    [ -f "$usr/$1" ] || fail "missing: /usr/$1"
}
expect_executable() {
    [ -x "$usr/$1" ] && [ -f "$usr/$1" ] || fail "missing or not executable: /usr/$1"
}

expect_executable bin/trevik
expect_executable bin/trevik-cli
expect_file share/applications/$desktop_file
expect_file share/icons/hicolor/scalable/apps/$icon_name.svg
expect_file share/mime/packages/$mime_package
expect_file share/metainfo/$appstream_id.metainfo.xml
expect_file share/trevik/manual/index.html
expect_file share/man/man1/trevik.1.gz
expect_file share/man/man1/trevik-cli.1.gz
expect_file share/doc/trevik/copyright
expect_file share/doc/trevik/changelog.gz

# Each PNG is as large as the folder it is in says: width and height from its IHDR chunk.
for size in 16 32 48 64 128 256; do
    png=$usr/share/icons/hicolor/${size}x${size}/apps/$icon_name.png
    if [ ! -f "$png" ]; then
        fail "missing: ${png#"$TREVIK_ROOT"}"
        continue
    fi
    signature=$(od -An -tx1 -N8 "$png" | tr -d ' \n')
    [ "$signature" = 89504e470d0a1a0a ] || fail "not a PNG: ${png#"$TREVIK_ROOT"}"
    width=$((16#$(od -An -tx1 -j16 -N4 "$png" | tr -d ' \n')))
    height=$((16#$(od -An -tx1 -j20 -N4 "$png" | tr -d ' \n')))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] ||
        fail "${png#"$TREVIK_ROOT"} is ${width}x${height}, not ${size}x${size}"
done

# The desktop entry: one key per line in its [Desktop Entry] group.
entry=$usr/share/applications/$desktop_file
key() {
    sed -n '/^\[Desktop Entry\]/,/^\[/p' "$entry" | sed -n "s/^$1=//p"
}
if [ -f "$entry" ]; then
    [ "$(key Type)" = Application ] || fail "desktop entry: Type is '$(key Type)'"
    [ "$(key Name)" = "Trevik Diary" ] || fail "desktop entry: Name is '$(key Name)'"
    [ "$(key GenericName)" = "Personal organizer" ] ||
        fail "desktop entry: GenericName is '$(key GenericName)'"
    [ -n "$(key Comment)" ] || fail "desktop entry: no Comment"
    [ "$(key Icon)" = "$icon_name" ] || fail "desktop entry: Icon is '$(key Icon)'"
    [ "$(key Categories)" = "Office;Calendar;ContactManagement;Qt;" ] ||
        fail "desktop entry: Categories are '$(key Categories)'"
    [ "$(key MimeType)" = "$mime_type;" ] || fail "desktop entry: MimeType is '$(key MimeType)'"
    case "$(key Exec)" in
    *trevik*%f) ;;
    *) fail "desktop entry: Exec '$(key Exec)' does not start trevik with %f" ;;
    esac
fi

# The MIME package declares the exchange type with its glob.
mime=$usr/share/mime/packages/$mime_package
if [ -f "$mime" ]; then
    grep -q "<mime-type type=\"$mime_type\">" "$mime" || fail "$mime_package lacks $mime_type"
    grep -qF "<glob pattern=\"$mime_glob\"/>" "$mime" || fail "$mime_package lacks $mime_glob"
fi

# The AppStream data launches the desktop entry, describes the program and names a release.
metainfo=$usr/share/metainfo/$appstream_id.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -q "<id>$appstream_id</id>" "$metainfo" || fail "metainfo: id is not $appstream_id"
    grep -q "<launchable type=\"desktop-id\">$desktop_file</launchable>" "$metainfo" ||
        fail "metainfo does not launch $desktop_file"
    grep -q "<description>" "$metainfo" || fail "metainfo has no description"
    grep -q "<release version=\"[0-9.]*\" date=\"[0-9-]*\"" "$metainfo" ||
        fail "metainfo names no release"
    grep -q "<mediatype>$mime_type</mediatype>" "$metainfo" ||
        fail "metainfo does not provide $mime_type"
fi

# The licence travels with the program: the copyright file holds LICENSE's terms.
while IFS= read -r line; do
    [ -z "$line" ] && continue
    grep -qF -- " $line" "$usr/share/doc/trevik/copyright" 2>/dev/null ||
        { fail "the copyright file lacks the licence line '$line'"; break; }
done < <(sed -n '/^Permission/,$p' "$TREVIK_SOURCE/LICENSE")

finish
