#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Merges the program's current texts into a copy of every shipped translation source and fails
# when that leaves a message unfinished (a new or changed text) or obsolete (a text gone).
# usage: complete_check.sh CMAKE LUPDATE SOURCE_DIR LANGUAGE...
set -euo pipefail
cmake=$1 lupdate=$2 src=$3
shift 3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
args=()
for language in "$@"; do
  cp "$src/translations/tilewarden_$language.ts" "$work/"
  args+=("$work/tilewarden_$language.ts")
done
"$lupdate" -silent -I "$src" -locations none -tr-function-alias QT_TRANSLATE_NOOP+=translatable \
  "$src/toolkit" "$src/app" -ts "${args[@]}"
"$cmake" "-DTS=$(IFS=';'; echo "${args[*]}")" -P "$src/translations/check_ts.cmake"
