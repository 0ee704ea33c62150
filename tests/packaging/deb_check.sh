#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Tilewarden the way the README's Install section tells users to, in a clean folder, makes
# the .deb from that build, has lintian check it, unpacks it and starts the unpacked program.
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
[ ${#commands[@]} -eq 2 ] || { echo "FAIL: the README's Install section gives not one configure and one build command"; exit 1; }
for command in "${commands[@]}"; do
  read -ra words <<<"$command"
  for i in "${!words[@]}"; do
    case ${words[i]} in
      cmake) words[i]=$cmake ;;
      .) words[i]=$src ;;
      build) words[i]=$build ;;
    esac
  done
  "${words[@]}" >>"$scratch/build.log" 2>&1 || { tail -n 40 "$scratch/build.log"; echo "FAIL: $command"; exit 1; }
done
# A user needs Qt alone: the build must not even look for the test and benchmark libraries.
looked=$(grep -E '^(GTest|benchmark|Qt6Test)_DIR:' "$build/CMakeCache.txt")
[ -z "$looked" ] || fail "the users' build looked for test or benchmark packages: $looked"

(cd "$build" && "$cpack" -G DEB) >"$scratch/cpack.log" 2>&1 || { cat "$scratch/cpack.log"; exit 1; }
deb=$(echo "$build"/tilewarden_*.deb)
[ "$(dpkg-deb -f "$deb" Package Section)" = $'Package: tilewarden\nSection: games' ] ||
  fail "not the package tilewarden in section games: $(dpkg-deb -f "$deb" Package Section)"
grep -q 'libqt6widgets6' <<<"$(dpkg-deb -f "$deb" Depends)" || fail "Depends was not computed from the program's libraries"
lintian --fail-on error,warning --display-level '>=warning' "$deb" || fail "lintian found errors or warnings"

# The program runs until closed, so still running after 3 s means it started; start-up creates
# the best-times file, so its presence shows the game got past building its window.
dpkg-deb -x "$deb" "$scratch/root"
HOME=$scratch XDG_DATA_HOME=$scratch/data QT_QPA_PLATFORM=offscreen timeout 3 "$scratch/root/usr/bin/tilewarden"
rc=$?
[ "$rc" -eq 124 ] || fail "the unpacked program ended by itself with exit code $rc instead of running"
[ -s "$scratch/data/tilewarden/minebs.txt" ] || fail "the unpacked program did not create its best-times file"
exit $((failures > 0))
