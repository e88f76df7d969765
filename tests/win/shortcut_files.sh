#!/usr/bin/env bash
# Shortcut files made by the shell's own link object under Wine: our reader's target for each must
# be the file it was made for, and, wherever lnkinfo (an independent reader) can name the local path
# in full, the same as lnkinfo's.
#   shortcut_files.sh WINE_RUN PREFIX MAKE_LINKS.exe READ_SHORTCUT.exe
set -euo pipefail
run=$1 prefix=$2 maker=$3 reader=$4
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
win="Z:${dir//\//\\}"

timeout 60 "$run" --prefix "$prefix" "$maker" "$win" 2>/dev/null
mapfile -t names < <(cut -f1 "$dir/links.txt")
mapfile -t expected < <(cut -f2 "$dir/links.txt")
paths=()
for name in "${names[@]}"; do paths+=("$win\\$name"); done
mapfile -t got < <(timeout 60 "$run" --prefix "$prefix" "$reader" "${paths[@]}" 2>/dev/null)

failures=0
for i in "${!names[@]}"; do
    name=${names[$i]}
    ours=${got[$i]:-(nothing)}
    local_path=""
    if [ -f "$dir/$name" ]; then
        local_path=$(lnkinfo "$dir/$name" 2>/dev/null | sed -n 's/^[[:space:]]*Local path[[:space:]]*: //p' | head -1 || true)
    fi
    verdict=ok
    if [ "$ours" != "${expected[$i]}" ]; then
        verdict="FAIL: expected ${expected[$i]}"
    elif [ -n "$local_path" ] && [[ "$local_path" != *\?* ]] && [ "$ours" != "$local_path" ]; then
        verdict="FAIL: lnkinfo says $local_path"
    fi
    note=""
    if [[ "$local_path" == *\?* ]]; then note=" (lnkinfo: $local_path)"; fi
    echo "$name -> $ours$note: $verdict"
    [ "$verdict" = ok ] || failures=$((failures + 1))
done
[ "${#got[@]}" -eq "${#names[@]}" ] || { echo "the reader answered ${#got[@]} of ${#names[@]}"; failures=$((failures + 1)); }
exit $((failures > 0))
