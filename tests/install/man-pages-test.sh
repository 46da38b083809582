#!/usr/bin/env bash
# The installed manual pages format without a warning, have the sections a reader looks for,
# and trevik-cli's names every command and option that its --help and each COMMAND --help
# print.
. "$(dirname "$0")/installed-tree.sh"

command -v man >/dev/null || skip "man is not installed"

cli=$usr/bin/trevik-cli
cli_page=$usr/share/man/man1/trevik-cli.1.gz
window_page=$usr/share/man/man1/trevik.1.gz

# The page as a reader sees it, on lines long enough that no synopsis wraps.
render() {
    MANWIDTH=400 LC_ALL=C.UTF-8 man --warnings -l "$1" 2>"$scratch/warnings" | col -b
}

for page in "$cli_page" "$window_page"; do
    render "$page" >"$scratch/page.txt"
    if [ -s "$scratch/warnings" ]; then
        cat "$scratch/warnings"
        fail "${page##*/} formats with warnings"
    fi
    for section in NAME SYNOPSIS DESCRIPTION FILES "SEE ALSO"; do
        grep -qx "$section" "$scratch/page.txt" || fail "${page##*/} has no $section section"
    done
done

render "$cli_page" >"$scratch/cli.txt"
for section in OPTIONS COMMANDS "EXIT STATUS" EXAMPLES; do
    grep -qx "$section" "$scratch/cli.txt" || fail "trevik-cli.1 has no $section section"
done

"$cli" --help >"$scratch/help.txt" || fail "trevik-cli --help ends with status $?"
# The commands are the indented first words of the lines under "Commands:".
mapfile -t commands < <(sed -n '/^Commands:/,/^$/p' "$scratch/help.txt" |
    sed -n 's/^  \([a-z][a-z-]*\).*/\1/p')
[ "${#commands[@]}" -gt 0 ] || fail "trevik-cli --help lists no commands"

cp "$scratch/help.txt" "$scratch/all-help.txt"
for command in "${commands[@]}"; do
    grep -qE "^ +trevik-cli $command( |$)" "$scratch/cli.txt" ||
        fail "trevik-cli.1 has no synopsis of '$command'"
    "$cli" "$command" --help >>"$scratch/all-help.txt" ||
        fail "trevik-cli $command --help ends with status $?"
done

# Every option any help names: "--word" and "-x", where they start a word.
mapfile -t options < <(grep -oE '(^|[^A-Za-z0-9-])--?[a-z][a-z-]*' "$scratch/all-help.txt" |
    sed 's/^[^-]*//' | sort -u)
[ "${#options[@]}" -gt 0 ] || fail "the help names no options"
for option in "${options[@]}"; do
    grep -qE -- "(^|[^A-Za-z0-9-])$option([^A-Za-z0-9-]|$)" "$scratch/cli.txt" ||
        fail "trevik-cli.1 does not name the option $option"
done
echo "checked ${#commands[@]} commands and ${#options[@]} options"

finish
