#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the .deb with CPack, unpacks it into a scratch root and starts the unpacked program.
# Exits 77 (skipped) when the Debian tools are absent.
# Usage: deb_check.sh CPACK BUILD_DIR SCRATCH_DIR APP_ID
set -uo pipefail
cpack=$1 build=$2 scratch=$3 app_id=$4

for tool in dpkg-deb dpkg-shlibdeps file timeout; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$scratch"
mkdir -p "$scratch"
if ! "$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack -G DEB did not succeed"
  exit 1
fi
debs=("$scratch"/out/tilewarden_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -s "${debs[0]}" ]; then
  ls -l "$scratch/out"
  echo "FAIL: expected one tilewarden_*.deb"
  exit 1
fi
deb=${debs[0]}
echo "built ${deb##*/}"

dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends
[ "$(dpkg-deb -f "$deb" Package)" = tilewarden ] || fail "the package is not named tilewarden"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
[ -n "$(dpkg-deb -f "$deb" Maintainer)" ] || fail "the package has no maintainer"
[ -n "$(dpkg-deb -f "$deb" Description)" ] || fail "the package has no description"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends was not computed from the program's libraries: '$depends'"
grep -q 'libc6' <<<"$depends" || fail "Depends lacks the C library: '$depends'"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/tilewarden "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
         usr/share/man/man6/tilewarden.6.gz "usr/share/icons/hicolor/48x48/apps/$app_id.png"; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done

if [ -x "$root/usr/bin/tilewarden" ]; then
  data=$scratch/data
  mkdir -p "$data"
  # The program has no command line and runs until closed, so still running after 3 s means it started.
  HOME=$scratch XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen \
    timeout 3 "$root/usr/bin/tilewarden" >"$scratch/run.log" 2>&1
  rc=$?
  if [ "$rc" -ne 124 ]; then
    cat "$scratch/run.log"
    fail "the unpacked program ended by itself with exit code $rc instead of running"
  fi
  # Start-up creates the best-times file, so its presence shows the game got past building its window.
  [ -s "$data/tilewarden/minebs.txt" ] || fail "the unpacked program did not create its best-times file"
fi

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "the package installs and starts"
