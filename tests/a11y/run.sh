#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plays the program through the accessibility bus: an X server and a D-Bus session of their own,
# the session's accessibility bus, and a pyatspi client. Exits 77 when a tool is missing.
# usage: run.sh PROGRAM
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
skip() { echo "SKIPPED: $* (scripts/setup --tests installs it)"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb is missing: package xvfb"
command -v dbus-run-session >/dev/null || skip "dbus-run-session is missing: package dbus"
[ -x /usr/libexec/at-spi-bus-launcher ] || skip "the accessibility bus is missing: package at-spi2-core"
/usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0"); import pyatspi' 2>/dev/null ||
  skip "pyatspi is missing: packages python3-pyatspi gir1.2-atspi-2.0"

work=$(mktemp -d)
chmod 700 "$work"
xvfb=""
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 200); do [ -s "$work/display" ] && break; sleep 0.05; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }

export DISPLAY=":$(head -n1 "$work/display")" XDG_RUNTIME_DIR=$work
unset QT_QPA_PLATFORM AT_SPI_BUS_ADDRESS
# Under AddressSanitizer: libxkbcommon-x11 gives strndup() a bounded buffer with no final zero,
# which strict string checks take for an overflow.
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
dbus-run-session -- /usr/bin/python3 -B "$here/play_by_bus.py" "$program"
