#!/usr/bin/env bash
# Checks the order of the libraries over the #include lines: a folder includes headers of its own
# and of the folders below it, never of one above.
#   platform < drawlib < engine < documents < output < mainwin < groups
# gifconv (CORVID32) stands on platform alone, and output and the folders above may use it.
# ratecalc, the files holding a program's main() and the data-file tools in data/ stand on top.
# Usage: scripts/check-layering.sh [source-root]   Prints each include against the order.
set -euo pipefail
root=${1:-"$(dirname "$0")/.."}
cd "$root"

chain=(platform drawlib engine documents output mainwin groups)
project=(platform drawlib engine documents output mainwin groups gifconv ratecalc data tests bench
         fuzz)
order=$(IFS=,; echo "${chain[*]}" | sed 's/,/ < /g')
declare -A may
below=""
for folder in "${chain[@]}"; do
  below="$below $folder"
  may[$folder]=$below
done
for folder in output mainwin groups; do may[$folder]="${may[$folder]} gifconv"; done
may[gifconv]="platform gifconv"
top="${project[*]}"
may[ratecalc]=$top
may[data]=$top

# Folders a file may include: its folder's, or all when it holds a program's main().
allowed_for() {
  local file=$1 folder=${1%%/*}
  if grep -qE '^\s*int\s+main\s*\(' "$file"; then
    echo "$top"
  else
    echo "${may[$folder]}"
  fi
}

bad=0
for folder in "${!may[@]}"; do
  [ -d "$folder" ] || continue
  while IFS= read -r -d '' file; do
    allowed=" $(allowed_for "$file") "
    while IFS=: read -r line target; do
      [[ " $top " == *" $target "* ]] || continue  # a system or third-party header
      if [[ "$allowed" != *" $target "* ]]; then
        echo "$file:$line: $folder must not include $target/ (the order: $order)"
        bad=1
      fi
    done < <(grep -nE '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][a-z0-9_]+/' "$file" |
             sed -E 's@^([0-9]+):[^"<]*["<]([a-z0-9_]+)/.*@\1:\2@')
  done < <(find "$folder" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) -print0)
done
if [ "$bad" -ne 0 ]; then
  echo "includes against the order of the libraries (see scripts/check-layering.sh)"
  exit 1
fi
echo "includes follow the order of the libraries"
