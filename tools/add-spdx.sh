#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence's SPDX line at the top of every source, build and script
# file that lacks it, in the comment syntax of its kind: after a "#!" line or
# an XML declaration, otherwise as the first line. Files that are data (the
# info text, fuzz corpora, icons, test files) are left as they are. Running
# it again changes nothing.
# Usage: tools/add-spdx.sh [--check]
#   --check  change nothing; list the files without the line, fail if any
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$here"
check=false
[ "${1:-}" = --check ] && check=true

tag='SPDX-License-Identifier: GPL-3.0-or-later'

# The comment that carries the line in the given file; nothing for data.
comment_for() {
  local file=$1
  case "$file" in
    fuzz/corpus/*) return ;;
    *.cpp | *.h) echo "// $tag" ;;
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.desktop) echo "# $tag" ;;
    # The description is copied into catalogues, so it carries a licence
    # that lets them (its metadata_license).
    *.metainfo.xml) echo "<!-- SPDX-License-Identifier: FSFAP -->" ;;
    *.[1-8]) echo ".\\\" $tag" ;;
    *)
      # Scripts without a suffix, such as .ci/run, by their "#!" line.
      if [ "$(head -c 2 "$file")" = '#!' ]; then echo "# $tag"; fi
      ;;
  esac
}

# The line goes below a "#!" line or an XML declaration, which must stay first.
keeps_first_line() {
  local first
  first=$(head -n 1 "$1")
  [[ $first == '#!'* || $first == '<?xml'* ]]
}

missing=()
added=0
while IFS= read -r -d '' file; do
  [ -f "$file" ] && [ ! -L "$file" ] || continue
  line=$(comment_for "$file")
  [ -n "$line" ] || continue
  head -n 3 "$file" | grep -qF "${line#* }" && continue
  if $check; then
    missing+=("$file")
    continue
  fi
  content=$(cat "$file"; echo x)
  content=${content%x}
  if keeps_first_line "$file"; then
    first=${content%%$'\n'*}
    rest=${content#"$first"}
    rest=${rest#$'\n'}
    printf '%s\n%s\n%s' "$first" "$line" "$rest" >"$file"
  else
    printf '%s\n%s' "$line" "$content" >"$file"
  fi
  added=$((added + 1))
done < <(git ls-files -z --cached --others --exclude-standard | sort -zu)

if $check; then
  if [ ${#missing[@]} -gt 0 ]; then
    echo "spdx: ${#missing[@]} files without their SPDX line (tools/add-spdx.sh adds it):" >&2
    printf '  %s\n' "${missing[@]}" >&2
    exit 1
  fi
  echo "spdx: every source, build and script file names the licence"
else
  echo "spdx: line added to $added files"
fi
