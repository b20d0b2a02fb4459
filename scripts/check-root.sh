#!/usr/bin/env bash
# Checks that the top folder of the repository holds only the project's own entries: files the
# scripts or a run leave there (pictures, logs, scratch folders) do not belong in it. Build
# folders and the rest of .gitignore are left alone.
# Usage: scripts/check-root.sh [source-root]
set -euo pipefail
cd "${1:-"$(dirname "$0")/.."}"

known=(.ci .clang-format .gitignore CMakeLists.txt CMakePresets.json README.md bench cmake data
       documents drawlib engine fuzz gifconv groups mainwin output platform ratecalc scripts tests)

# What the repository holds at the top, and what lies there besides, untracked and not ignored.
bad=0
while IFS= read -r entry; do
  if [[ " ${known[*]} " != *" $entry "* ]]; then
    echo "unexpected entry at the top of the repository: $entry"
    bad=1
  fi
done < <( (git -c core.quotePath=false ls-files
           git -c core.quotePath=false ls-files --others --exclude-standard) | sed 's@/.*@@' |
         sort -u)
if [ "$bad" -ne 0 ]; then
  echo "move it into its folder, remove it, or name it in scripts/check-root.sh"
  exit 1
fi
echo "the top of the repository holds only its known entries"
