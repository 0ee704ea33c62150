#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb again from a copy of the sources in another folder, its files dated years back,
# and compares it byte for byte with the one packaging.deb built from the sources themselves at
# another time: the package must not depend on where or when it is built, nor name the folders.
# Usage: reproducible_check.sh CMAKE CPACK SOURCE_DIR SCRATCH_DIR FIRST_BUILD_DIR
set -euo pipefail
cmake=$1 cpack=$2 src=$3 scratch=$4 first=$5
first_deb=$(echo "$first"/tilewarden_*.deb)
[ -s "$first_deb" ] || { echo "SKIP: packaging.deb made no package in $first"; exit 77; }
rm -rf "$scratch"
copy=$scratch/another/place/tilewarden
build=$scratch/another/build
mkdir -p "$copy"
git -C "$src" ls-files -co --exclude-standard -z | (cd "$src" && xargs -0 cp --parents -t "$copy")
find "$copy" -exec touch -h -d '2001-02-03 04:05:06' {} +
"$cmake" -S "$copy" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTILEWARDEN_TESTS=OFF -DTILEWARDEN_BENCH=OFF >"$scratch/build.log"
"$cmake" --build "$build" -j2 >>"$scratch/build.log"
(cd "$build" && "$cpack" -G DEB) >>"$scratch/build.log"
second_deb=$(echo "$build"/tilewarden_*.deb)
failed=0
for deb in "$first_deb" "$second_deb"; do
  tree=$scratch/unpacked-${deb//\//_}
  dpkg-deb -x "$deb" "$tree"
  for folder in "$src" "$first" "$copy" "$build"; do
    ! grep -rqaF "$folder" "$tree" || { echo "FAIL: $deb names the folder $folder"; failed=1; }
  done
done
cmp "$first_deb" "$second_deb" || { diff -rq "$scratch"/unpacked-* || true; failed=1; }
exit $failed
