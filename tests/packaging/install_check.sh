#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root: every desktop file lands where the desktop looks for it,
# the files agree with each other and with the project version, and the desktop's own validators
# (where installed) pass the desktop entry, the metainfo and the manual page.
# Usage: install_check.sh CMAKE BUILD_DIR STAGE_DIR APP_ID VERSION
set -uo pipefail
cmake=$1 build=$2 stage=$3 app_id=$4 version=$5
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$stage"
DESTDIR="$stage" "$cmake" --install "$build" --prefix /usr >"$stage.log" 2>&1 || { cat "$stage.log"; exit 1; }
share=$stage/usr/share
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml
manpage=$share/man/man6/tilewarden.6.gz
changelog=$share/doc/tilewarden/changelog.gz
[ -x "$stage/usr/bin/tilewarden" ] || fail "no executable at usr/bin/tilewarden"
for f in "$desktop" "$metainfo" "$manpage" "$changelog" "$share/doc/tilewarden/copyright"; do
  [ -s "$f" ] || fail "missing ${f#"$stage"/}"
done
for size in 16 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x${size}/apps/$app_id.png
  file -b "$icon" | grep -q "^PNG image data, $size x $size," || fail "$icon is not a $size x $size PNG"
done

[ -x "$stage/usr/bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")" ] || fail "the desktop entry runs no installed program"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
for line in "<id>$app_id</id>" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
            "<binary>tilewarden</binary>"; do
  grep -qF "$line" "$metainfo" || fail "the metainfo lacks $line"
done
newest=$(grep -o '<release version="[^"]*"' "$metainfo" | head -n1 | cut -d'"' -f2)
[ "$newest" = "$version" ] || fail "the newest release in the metainfo is '$newest', the project is $version"
man_version=$(gzip -dc "$manpage" | sed -n 's/^\.TH .*"Tilewarden \([^"]*\)".*/\1/p')
[ "$man_version" = "$version" ] || fail "the manual page is for version '$man_version', the project is $version"
logged=$(gzip -dc "$changelog" | sed -n '1s/^tilewarden (\([^)]*\)).*/\1/p')
[ "$logged" = "$version" ] || fail "the change log's newest entry is '$logged', the project is $version"

# A validator must succeed and print no line matching FAULT (if given): a warning lets
# appstreamcli succeed, but a store would still show it to the user.
validate() {  # FAULT TOOL ARGUMENT...
  local fault=$1 out
  shift
  command -v "$1" >/dev/null || { echo "not checked: $1 is not installed"; return; }
  out=$("$@" 2>&1) && { [ -z "$fault" ] || ! grep -q "$fault" <<<"$out"; } || fail "$1: $out"
}
validate '^[EW]:' appstreamcli validate --no-net --no-color "$metainfo"
validate '' desktop-file-validate "$desktop"
gzip -dc "$manpage" >"$stage/tilewarden.6"
LC_ALL=C.UTF-8 validate . groff -man -t -Tutf8 -ww -z "$stage/tilewarden.6"
exit $((failures > 0))
