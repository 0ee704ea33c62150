#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tilewarden the way the README's Install section tells users to, in a clean folder, makes
# the .deb from that build, has lintian check it, then installs the build into a scratch DESTDIR and
# unpacks the .deb, and starts both installed programs.
# Exits 77 (skipped) when the Debian tools are absent.
# Usage: deb_check.sh CMAKE CPACK SOURCE_DIR SCRATCH_DIR APP_ID
set -uo pipefail
cmake=$1 cpack=$2 src=$3 scratch=$4 app_id=$5

for tool in dpkg-deb dpkg-shlibdeps file lintian timeout; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$scratch"
mkdir -p "$scratch"
build=$scratch/build

# The Install section's configure and build commands, run word for word with the source folder
# "." and the build folder "build" moved to this test's own.
mapfile -t commands < <(sed -n '/^## Install/,/^## [^#]/p' "$src/README.md" |
                        grep -E '^    cmake (-S \. -B build|--build build)( |$)')
if [ ${#commands[@]} -ne 2 ]; then
  printf '%s\n' "${commands[@]}"
  echo "FAIL: expected the README's Install section to give one configure and one build command"
  exit 1
fi
for command in "${commands[@]}"; do
  read -ra words <<<"$command"
  for i in "${!words[@]}"; do
    case ${words[i]} in
      cmake) words[i]=$cmake ;;
      .) words[i]=$src ;;
      build) words[i]=$build ;;
    esac
  done
  echo "+ $command"
  if ! "${words[@]}" >>"$scratch/build.log" 2>&1; then
    tail -n 40 "$scratch/build.log"
    echo "FAIL: the README's command '${command# *}' did not succeed"
    exit 1
  fi
done
# A user needs Qt alone: the build must not even look for the test and benchmark libraries.
looked=$(grep -E '^(GTest|benchmark|Qt6Test)_DIR:' "$build/CMakeCache.txt")
[ -z "$looked" ] || fail "the users' build looked for test or benchmark packages: $looked"

if ! (cd "$build" && "$cpack" -G DEB) >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack -G DEB did not succeed"
  exit 1
fi
debs=("$build"/tilewarden_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -s "${debs[0]}" ]; then
  ls -l "$build"
  echo "FAIL: expected one tilewarden_*.deb"
  exit 1
fi
deb=${debs[0]}
echo "built ${deb##*/}"

dpkg-deb -f "$deb" Package Version Architecture Section Maintainer Depends
[ "$(dpkg-deb -f "$deb" Package)" = tilewarden ] || fail "the package is not named tilewarden"
[ "$(dpkg-deb -f "$deb" Section)" = games ] || fail "the package is not in section games"
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends was not computed from the program's libraries: '$depends'"

lintian --fail-on error,warning --display-level '>=warning' "$deb" >"$scratch/lintian.log" 2>&1 ||
  fail "lintian found errors or warnings"
grep -v '^running with root privileges' "$scratch/lintian.log"

# The program runs until closed, so still running after 3 s means it started; start-up creates
# the best-times file, so its presence shows the game got past building its window.
starts() {
  local program=$1 data=$scratch/data-$2 rc
  mkdir -p "$data"
  HOME=$scratch XDG_DATA_HOME=$data QT_QPA_PLATFORM=offscreen timeout 3 "$program" >"$data.log" 2>&1
  rc=$?
  if [ "$rc" -ne 124 ]; then
    cat "$data.log"
    fail "the $2 program ended by itself with exit code $rc instead of running"
  fi
  [ -s "$data/tilewarden/minebs.txt" ] || fail "the $2 program did not create its best-times file"
}

destdir=$scratch/destdir
if DESTDIR=$destdir "$cmake" --install "$build" >"$scratch/install.log" 2>&1; then
  starts "$(find "$destdir" -path '*/bin/tilewarden' -type f)" installed
else
  cat "$scratch/install.log"
  fail "cmake --install into a DESTDIR did not succeed"
fi

root=$scratch/root
dpkg-deb -x "$deb" "$root"
for f in usr/bin/tilewarden "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
         usr/share/man/man6/tilewarden.6.gz "usr/share/icons/hicolor/48x48/apps/$app_id.png" \
         usr/share/doc/tilewarden/copyright usr/share/doc/tilewarden/changelog.gz; do
  [ -e "$root/$f" ] || fail "the package lacks /$f"
done
[ -x "$root/usr/bin/tilewarden" ] && starts "$root/usr/bin/tilewarden" unpacked

if ((failures)); then
  echo "$failures check(s) failed"
  exit 1
fi
echo "the README's build packages cleanly, installs and starts"
