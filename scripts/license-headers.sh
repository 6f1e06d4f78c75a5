#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Maroleta developers
# Gives every source file of the repository its licence line and copyright line at the top (after a
# shebang or an XML declaration), in the file's own comment syntax. Files that already name their licence
# are left alone, so it can be run again after new files come in.
# Usage: scripts/license-headers.sh
set -euo pipefail

cd "$(dirname "$0")/.."
copyright="SPDX-FileCopyrightText: 2026 Maroleta developers"

# add_header FILE OPEN CLOSE LICENCE
add_header() {
    local file=$1 open=$2 close=$3 licence=$4
    awk 'NR <= 5 && /SPDX-License-Identifier/ { found = 1 } END { exit !found }' "$file" && return 0
    HEADER="$open SPDX-License-Identifier: $licence$close"$'\n'"$open $copyright$close" \
        awk 'NR == 1 && /^(#!|<\?xml)/ { print; print ENVIRON["HEADER"]; next }
             NR == 1 { print ENVIRON["HEADER"] }
             { print }' "$file" >"$file.header"
    cat "$file.header" >"$file"
    rm "$file.header"
    echo "$file"
}

while IFS= read -r file; do
    case "$file" in
    *.cpp | *.h) add_header "$file" '//' '' GPL-3.0-or-later ;;
    # AppStream wants the metadata itself under a permissive licence (its metadata_license).
    *.metainfo.xml.in) add_header "$file" '<!--' ' -->' FSFAP ;;
    *.svg) add_header "$file" '<!--' ' -->' GPL-3.0-or-later ;;
    *.1.in) add_header "$file" '.\"' '' GPL-3.0-or-later ;;
    *) add_header "$file" '#' '' GPL-3.0-or-later ;;
    esac
done < <(git ls-files '*.cpp' '*.h' '*CMakeLists.txt' '*.sh' '*.py' .ci/run packaging/debian/postinst.in \
    packaging/debian/prerm.in '*.desktop' '*.metainfo.xml.in' '*.svg' '*.1.in' .clang-format .gitignore)
