#!/usr/bin/env bash
# Shows that a release can be made again byte for byte: clones the current commit into two folders
# of different names (one with a space in it), runs tools/release.sh in each, one after the other
# (so at different times), and compares every file of the two dist/ folders and the two Pictavo.exe.
# Takes twice as long as one release; not part of tools/test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

commit=$(git rev-parse HEAD)
work=$(mktemp -d "${TMPDIR:-/tmp}/pictavo-reproducible.XXXXXX")
trap 'rm -rf "$work"' EXIT

for copy in first "second folder"; do
    git clone -q --no-hardlinks . "$work/$copy"
    git -C "$work/$copy" checkout -q --detach "$commit"
    started=$SECONDS
    "$work/$copy/tools/release.sh"
    echo "tools/release.sh in a fresh clone ($copy) took $((SECONDS - started)) s"
done

differ=0
compare() {
    if cmp -s "$work/first/$1" "$work/second folder/$1"; then
        echo "identical  $(sha256sum <"$work/first/$1" | cut -c1-16)...  $1"
    else
        echo "DIFFERENT                      $1"
        differ=1
    fi
}
for file in "$work"/first/dist/*; do
    compare "dist/${file##*/}"
done
compare build/release-files/windows/Pictavo.exe
[ "$differ" -eq 0 ] || { echo "FAIL: the two releases of $commit differ" >&2; exit 1; }
echo "PASS: both releases of $commit are identical"
