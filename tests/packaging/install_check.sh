#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root and checks that every desktop file lands where the
# desktop looks for it and that the files agree with each other and with the project version.
# Usage: install_check.sh CMAKE BUILD_DIR STAGE_DIR APP_ID VERSION
set -uo pipefail
cmake=$1 build=$2 stage=$3 app_id=$4 version=$5

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$stage"
if ! DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >"$stage.log" 2>&1; then
  cat "$stage.log"
  echo "FAIL: cmake --install did not succeed"
  exit 1
fi
root=$stage/usr

bin=$root/bin/tilewarden
desktop=$root/share/applications/$app_id.desktop
metainfo=$root/share/metainfo/$app_id.metainfo.xml
manpage=$root/share/man/man6/tilewarden.6.gz
changelog=$root/share/doc/tilewarden/changelog.gz
copyright=$root/share/doc/tilewarden/copyright

[ -x "$bin" ] || fail "no executable at usr/bin/tilewarden"
for f in "$desktop" "$metainfo" "$manpage" "$changelog" "$copyright"; do
  [ -s "$f" ] || fail "missing ${f#"$stage"/}"
done

# The width and height of a PNG are the two big-endian words at bytes 16 and 20 of its header.
png_size() { od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216 + $2*65536 + $3*256 + $4 "x" $5*16777216 + $6*65536 + $7*256 + $8 }'; }
for size in 16 32 48 64 128 256; do
  icon=$root/share/icons/hicolor/${size}x${size}/apps/$app_id.png
  if [ ! -s "$icon" ]; then
    fail "missing icon ${icon#"$stage"/}"
  elif [ "$(head -c8 "$icon" | od -An -tx1 | tr -d ' \n')" != 89504e470d0a1a0a ]; then
    fail "${icon#"$stage"/} is not a PNG"
  elif [ "$(png_size "$icon")" != "${size}x${size}" ]; then
    fail "${icon#"$stage"/} is $(png_size "$icon"), not ${size}x${size}"
  fi
done

if [ -s "$desktop" ]; then
  exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
  [ -x "$root/bin/$exec_name" ] || fail "the desktop entry runs '$exec_name', which is not installed in usr/bin"
  icon_name=$(sed -n 's/^Icon=//p' "$desktop")
  [ "$icon_name" = "$app_id" ] || fail "the desktop entry's icon is '$icon_name', not $app_id"
fi

if [ -s "$metainfo" ]; then
  grep -q "<id>$app_id</id>" "$metainfo" || fail "the metainfo id is not $app_id"
  grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $app_id.desktop"
  grep -q "<binary>tilewarden</binary>" "$metainfo" || fail "the metainfo does not provide the tilewarden binary"
  newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
  [ "$newest" = "$version" ] || fail "the newest release in the metainfo is '$newest', the project is $version"
fi

if [ -s "$manpage" ]; then
  th_version=$(gzip -dc "$manpage" | sed -n 's/^\.TH .*"Tilewarden \([^"]*\)".*/\1/p')
  [ "$th_version" = "$version" ] || fail "the manual page is for version '$th_version', the project is $version"
fi

if [ -s "$changelog" ]; then
  logged=$(gzip -dc "$changelog" | sed -n '1s/^tilewarden (\([^)]*\)).*/\1/p')
  [ "$logged" = "$version" ] || fail "the change log's newest entry is '$logged', the project is $version"
fi

if ((failures)); then
  echo "$failures check(s) failed; installed files:"
  (cd "$stage" && find . -type f | sort)
  exit 1
fi
echo "installed tree in $stage is complete"
