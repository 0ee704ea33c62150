#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's command line: --help and --version answer without a display and exit 0,
# --help-all adds Qt's own options, and an option it does not know is one line on the error
# output and exit status 2, also after Qt's own options have been taken off.
# Usage: cmdline_check.sh PROGRAM VERSION
set -uo pipefail
program=$1 version=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
out=$(mktemp) err=$(mktemp)
# Qt's own note about a missing runtime folder would be a second line of error output.
XDG_RUNTIME_DIR=$(mktemp -d)
export XDG_RUNTIME_DIR
trap 'rm -rf "$out" "$err" "$XDG_RUNTIME_DIR"' EXIT

# run EXPECTED_STATUS ARGS...: runs the program with no display at all.
run() {
  local want=$1; shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE LC_ALL=C QT_QPA_PLATFORM="${platform:-}" timeout 10 "$program" "$@" >"$out" 2>"$err"
  local rc=$?
  [ "$rc" -eq "$want" ] || fail "'$*' exits $rc, not $want: $(head -c 300 "$err")"
}

run 0 --help
grep -q -- '--version' "$out" || fail "--help does not list --version"
grep -q '^Usage: .*tilewarden \[options\]' "$out" || fail "--help has no usage line"
[ -s "$err" ] && fail "--help writes to the error output: $(cat "$err")"

for option in --version -v; do
  run 0 "$option"
  [ "$(cat "$out")" = "tilewarden $version" ] || fail "$option prints '$(cat "$out")'"
done

platform=offscreen
run 0 --help-all
grep -q -- '--platform' "$out" || fail "--help-all does not list Qt's own options"

for bad in --bogus "-platform offscreen --bogus" "-style fusion --bogus" "bogus"; do
  # shellcheck disable=SC2086
  run 2 $bad
  [ "$(wc -l <"$err")" -eq 1 ] || fail "'$bad' writes $(wc -l <"$err") lines of error: $(cat "$err")"
  grep -q "^tilewarden: .*'bogus'" "$err" || fail "'$bad' does not name the argument: $(cat "$err")"
done

# The language the player's locale asks for, as the real program wires it up: LC_ALL before
# LC_MESSAGES before LANG, the C locale meaning English whatever LANGUAGE says, and LANGUAGE's
# order of preference otherwise.
language() {
  local want=$1; shift
  env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" timeout 10 "$program" --help >"$out" 2>"$err"
  grep -q "$want" "$out" || fail "with $* --help says '$(sed -n 3p "$out")', not '$want'"
  env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES -u LANG "$@" QT_QPA_PLATFORM=offscreen \
    timeout 10 "$program" bogus >"$out" 2>"$err"
}
english='Mine-field logic puzzle' german='Minenfeld-Logikrätsel'
language "$german" LANG=de_DE.UTF-8
grep -q 'Unerwartetes Argument' "$err" || fail "a bad argument is not told in German: $(cat "$err")"
language "$english" LANGUAGE=de LC_ALL=C.UTF-8
language "$english" LANGUAGE=de LC_MESSAGES=C LANG=de_DE.UTF-8
language "$german" LC_ALL=de_DE.UTF-8 LANG=C
language "$english" LANGUAGE=en:de LANG=de_DE.UTF-8
language 'Quebra-cabeça lógico' LANG=pt_BR.UTF-8

exit $((failures > 0))
