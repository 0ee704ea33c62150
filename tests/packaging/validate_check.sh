#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the desktop's own validator on one installed file; exits 77 (skipped) when the tool is absent.
# Usage: validate_check.sh desktop|metainfo|manpage FILE
set -uo pipefail
kind=$1 file=$2
skip=77

need() {
  command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit "$skip"; }
}

[ -s "$file" ] || { echo "FAIL: $file is missing"; exit 1; }

case $kind in
  desktop)
    need desktop-file-validate
    out=$(desktop-file-validate "$file" 2>&1)
    rc=$?
    ;;
  metainfo)
    need appstreamcli
    out=$(appstreamcli validate --no-net --no-color "$file" 2>&1)
    rc=$?
    # Warnings let the validator succeed, but a store would still show them to the user.
    grep -q '^[EW]:' <<<"$out" && rc=1
    ;;
  manpage)
    need groff
    out=$(gzip -dc "$file" | LC_ALL=C.UTF-8 groff -man -t -Tutf8 -ww -z 2>&1)
    rc=$?
    [ -n "$out" ] && rc=1
    ;;
  *)
    echo "unknown kind $kind"
    exit 2
    ;;
esac

[ -n "$out" ] && echo "$out"
if ((rc)); then
  echo "FAIL: $kind check of $file"
  exit 1
fi
echo "$kind check of $file passed"
