#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A private desktop for the tests: an X server, a session bus, a window manager, the accessibility
bus, weston on the X server, or Orca speaking to speech-dispatcher's dummy module. Each part is
waited for until it answers, and every process is ended by its own id at the end.

usage: desktop.py [--a11y] WM PROGRAM [ARGUMENT...]
Runs the program under the window manager WM (openbox, xfwm4, metacity, kwin_x11, icewm, fluxbox or
none), with the accessibility bus too given --a11y; exits with its status, 77 (skipped) when a tool
is missing.
"""
import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
WINDOW_MANAGERS = {"openbox": ["openbox", "--sm-disable"], "xfwm4": ["xfwm4", "--compositor=off"],
                   "metacity": ["metacity"], "kwin_x11": ["kwin_x11"], "icewm": ["icewm"], "fluxbox": ["fluxbox"]}
BUS_LAUNCHER = "/usr/libexec/at-spi-bus-launcher"
# Orca unchanged, but its debug log opened line-buffered so that what it says arrives at once.
ORCA = """import builtins, runpy, sys
_open = builtins.open
def _lb(f, mode='r', *a, **k):
    if isinstance(f, str) and f.endswith('orca-debug.out') and 'w' in mode and not a and 'buffering' not in k:
        k['buffering'] = 1
    return _open(f, mode, *a, **k)
builtins.open = _lb
sys.argv[0] = '/usr/bin/orca'
runpy.run_path('/usr/bin/orca', run_name='__main__')
"""


class Missing(Exception):
    """A tool the desktop needs is not installed: the test is skipped."""


def need(*tools):
    missing = [t for t in tools if not (os.access(t, os.X_OK) if t.startswith("/") else shutil.which(t))]
    if missing:
        raise Missing("missing " + ", ".join(missing) + " (scripts/setup --tests installs it)")


def started(*steps):
    """Runs the start-up steps in order; exits 77 (skipped), saying why, where a tool is missing."""
    try:
        for step in steps:
            step()
    except Missing as missing:
        print("SKIP:", missing)
        sys.exit(SKIP)


def wait_for(predicate, seconds):
    """Polls until predicate() holds; whether it did within the time."""
    deadline = time.monotonic() + seconds
    while not predicate():
        if time.monotonic() > deadline:
            return False
        time.sleep(0.02)
    return True


class Desktop:
    """Parts started in order (x, then bus, then the others); stop() ends them in reverse."""

    def __init__(self):
        self.dir = tempfile.mkdtemp(prefix="tilewarden-desktop-")
        os.chmod(self.dir, 0o700)
        self.procs = []
        # Ended from outside (a test's time out), the desktop still ends what it started.
        signal.signal(signal.SIGTERM, lambda *_: sys.exit(128 + signal.SIGTERM))
        self.env = {k: v for k, v in os.environ.items() if not k.startswith(("XDG_", "DBUS_", "AT_SPI_")) and
                    k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        self.env.update(HOME=self.dir, XDG_RUNTIME_DIR=self.dir)
        if "ASAN_OPTIONS" in self.env:
            # The X keyboard library reads the server's key names without their ends, which the
            # sanitizer's strict string check would take for an overflow.
            self.env["ASAN_OPTIONS"] += ":strict_string_checks=0"

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.stop()

    def start(self, *command, log=None, **options):
        """A process of the desktop, leading a process group of its own; its output goes to `log`
        in the desktop's folder."""
        out = open(os.path.join(self.dir, log + ".log"), "w") if log else subprocess.DEVNULL
        proc = subprocess.Popen(command, start_new_session=True, **{"stdout": out, "stderr": out, "env": self.env,
                                                                    **options})
        self.procs.append(proc)
        return proc

    def ready(self, what, proc, predicate, seconds=20):
        if not wait_for(lambda: predicate() or proc.poll() is not None, seconds) or proc.poll() is not None:
            path = os.path.join(self.dir, what + ".log")
            said = open(path, errors="replace").read()[-1000:] if os.path.exists(path) else ""
            raise RuntimeError(f"{what} did not start: {said}")

    def stop(self):
        for proc in reversed(self.procs):
            try:
                os.killpg(proc.pid, signal.SIGTERM)
                proc.wait(5)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
            except ProcessLookupError:
                proc.wait()
        self.procs = []
        shutil.rmtree(self.dir, ignore_errors=True)

    def x(self, size="1024x768"):
        """Xvfb, which writes its display's number once it takes clients."""
        need("Xvfb", "xdotool", "wmctrl")
        read, write = os.pipe()
        xvfb = self.start("Xvfb", "-displayfd", str(write), "-screen", "0", size + "x24", "-nolisten", "tcp",
                          "-noreset", pass_fds=[write], log="Xvfb")
        os.close(write)
        with os.fdopen(read) as displayfd:
            self.env["DISPLAY"] = ":" + displayfd.readline().strip()
        self.ready("Xvfb", xvfb, lambda: self.env["DISPLAY"] != ":", 0)

    def bus(self):
        """A session bus, which prints its address once it listens."""
        need("dbus-daemon")
        bus = self.start("dbus-daemon", "--session", "--nofork", "--print-address", log="dbus", stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.ready("dbus", bus, lambda: self.env["DBUS_SESSION_BUS_ADDRESS"], 0)

    def window_manager(self, name):
        """The window manager, once it has said it manages the screen."""
        need(WINDOW_MANAGERS[name][0])
        if name == "fluxbox":
            # Without a background of its own, a first fluxbox run opens a message about the
            # wallpaper, which takes the keys from the game.
            os.makedirs(os.path.join(self.dir, ".fluxbox"))
            with open(os.path.join(self.dir, ".fluxbox", "overlay"), "w") as f:
                f.write("background: none\n")
        wm = self.start(*WINDOW_MANAGERS[name], log=name)
        self.ready(name, wm, lambda: subprocess.run(["wmctrl", "-m"], env=self.env, stdout=subprocess.DEVNULL,
                                                    stderr=subprocess.DEVNULL).returncode == 0)

    def a11y(self):
        """The accessibility bus, once its registry answers."""
        need(BUS_LAUNCHER, "dbus-send")
        launcher = self.start(BUS_LAUNCHER, "--launch-immediately", log="at-spi")

        def call(*args):
            return subprocess.run(["dbus-send", "--print-reply=literal", *args], env=self.env, text=True,
                                  stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)

        def answers():
            # Asking org.a11y.Bus before the launcher owns the name would have the session bus start
            # a second launcher, and the first one, losing the race, would leave.
            if "true" not in call("--session", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus").stdout:
                return False
            bus = call("--session", "--dest=org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress")
            return bus.returncode == 0 and bus.stdout.strip() != "" and call(
                "--bus=" + bus.stdout.strip(), "--dest=org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
                "org.freedesktop.DBus.Peer.Ping").returncode == 0

        self.ready("at-spi", launcher, answers)

    def weston(self, width, height):
        """weston with its X11 backend, one output window over the whole X screen, once its socket
        is there; WAYLAND_DISPLAY names it."""
        need("weston")
        config = os.path.join(self.dir, "weston.ini")
        # No key repeats: a key a test holds down until the game has answered it stays one press.
        with open(config, "w") as f:
            f.write("[shell]\npanel-position=none\nbackground-color=0xff002244\nanimation=none\n"
                    "close-animation=none\nstartup-animation=none\n[input-method]\npath=\n"
                    "[keyboard]\nrepeat-rate=0\n")
        self.env["WAYLAND_DISPLAY"] = "wayland-tilewarden"
        weston = self.start("weston", "--backend=x11-backend.so", f"--width={width}", f"--height={height}",
                            "--socket=wayland-tilewarden", "--idle-time=0", f"--config={config}", log="weston")
        self.ready("weston", weston, lambda: os.path.exists(os.path.join(self.dir, "wayland-tilewarden")))

    def orca(self, debug_log):
        """speech-dispatcher with its dummy module and Orca, once Orca has said it is on; what Orca
        says goes to `debug_log`, line by line."""
        need("orca", "speech-dispatcher", "gsettings")
        for key in (("org.gnome.desktop.interface", "toolkit-accessibility"),
                    ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")):
            subprocess.run(["gsettings", "set", *key, "true"], env=self.env, stderr=subprocess.DEVNULL)
        conf = os.path.join(self.dir, "speechd")
        os.makedirs(conf)
        # The dummy module plays its message through libao's null driver: no sound device needed.
        with open(os.path.join(conf, "speechd.conf"), "w") as f:
            f.write('LogLevel 3\nAddModule "dummy" "sd_dummy" ""\nDefaultModule dummy\nAudioOutputMethod "libao"\n')
        with open(os.path.join(self.dir, ".libao"), "w") as f:
            f.write("default_driver=null\n")
        speechd = self.start("speech-dispatcher", "-s", "-t", "0", "-C", conf, "-L", conf, log="speechd")
        path = os.path.join(self.dir, "speech-dispatcher", "speechd.sock")
        self.ready("speechd", speechd, lambda: socket.socket(socket.AF_UNIX).connect_ex(path) == 0)
        prefs = os.path.join(self.dir, "orca-prefs")
        os.makedirs(prefs)
        orca = self.start("/usr/bin/python3", "-c", ORCA, "-u", prefs, "--debug-file", debug_log,
                          "-d", "braille", "-d", "braille-monitor", log="orca")
        self.ready("orca", orca, lambda: os.path.exists(debug_log) and
                   "SPEECH OUTPUT: 'Screen reader on" in open(debug_log, errors="replace").read(), 60)


def main(args):
    a11y = args[:1] == ["--a11y"]
    wm, *program = args[a11y:]
    with Desktop() as desktop:
        started(lambda: desktop.x(os.environ.get("TILEWARDEN_TEST_SCREEN", "1024x768")), desktop.bus,
                desktop.a11y if a11y else lambda: None, lambda: wm == "none" or desktop.window_manager(wm))
        return subprocess.run(program, env=dict(desktop.env, QT_QPA_PLATFORM="xcb", TILEWARDEN_TEST_WM=wm)).returncode


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
