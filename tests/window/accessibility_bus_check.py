#!/usr/bin/env python3
"""Reads the window through the desktop accessibility bus, as a screen reader does.

Starts its own X server (Xvfb), D-Bus session bus and accessibility bus, opens the program on
them, dumps the accessible tree (role, name, states, description) and checks what a screen-reader
user depends on: named controls, named groupings, the window's title, and states that follow
actions taken through the bus. Exits 77 when a piece it needs is not installed.

    accessibility_bus_check.py PROGRAM [DUMP_FILE]
"""

import ctypes
import importlib.util
import os
import select
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time

SKIP = 77
TIMEOUT = 60.0  # seconds for any one thing to appear; generous for a loaded machine
LAUNCHER_DIRS = ("/usr/libexec", "/usr/lib/at-spi2-core")
PR_SET_CHILD_SUBREAPER = 36


def skip(why):
    print(f"SKIP: {why}")
    sys.exit(SKIP)


def read_line(stream, what, deadline):
    """A line the child writes to stream, waiting until the deadline."""
    line = b""
    while not line.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or not select.select([stream], [], [], left)[0]:
            raise RuntimeError(f"no {what} within {TIMEOUT:.0f} s")
        chunk = os.read(stream.fileno(), 256)
        if not chunk:
            raise RuntimeError(f"{what}: the process ended before giving it")
        line += chunk
    return line.decode().strip()


def poll(what, probe):
    """Calls probe until it returns something true; fails after TIMEOUT."""
    deadline = time.monotonic() + TIMEOUT
    while True:
        try:
            found = probe()
        except Exception:  # the tree is still being built or torn down
            found = None
        if found:
            return found
        if time.monotonic() > deadline:
            raise RuntimeError(f"timed out waiting for {what}")
        time.sleep(0.1)


class Session:
    """Xvfb, a session bus and the accessibility bus, all in one process group of their own."""

    def __init__(self, runtime_dir):
        self.group = None
        self.env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
        for name in ("DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS", "WAYLAND_DISPLAY"):
            self.env.pop(name, None)

    def start(self, argv, **kwargs):
        process = subprocess.Popen(argv, env=self.env, process_group=self.group or 0, **kwargs)
        if self.group is None:
            self.group = process.pid
        return process

    def open(self):
        self.env["DISPLAY"] = self.open_display()
        deadline = time.monotonic() + TIMEOUT
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                         stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        # The accessibility bus is started on the first request for it, through the session
        # bus, so the program and the client share one whoever asks first.
        self.env["DBUS_SESSION_BUS_ADDRESS"] = read_line(bus.stdout, "bus address", deadline)

    def open_display(self):
        """Starts Xvfb on a display number nobody uses, its lock file, socket file and abstract
        socket all free: a server started in another file-system namespace leaves no lock file
        here yet holds the abstract socket that X clients try first. High numbers, spread by
        process id, keep clear of the displays that desktops and other checks take."""
        first = 100 + os.getpid() % 800
        for number in [*range(first, 1000), *range(100, first)]:
            socket_path = f"/tmp/.X11-unix/X{number}"
            if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(socket_path):
                continue
            if taken("\0" + socket_path):
                continue
            # -noreset: the probe's connection is the first client, and a server resetting
            # after it turns the program's connection away.
            xvfb = self.start(["Xvfb", f":{number}", "-screen", "0", "1024x768x24", "-noreset",
                               "-nolisten", "tcp"], stdout=subprocess.DEVNULL,
                              stderr=subprocess.DEVNULL)
            ready = poll(f"the X server on :{number}",
                         lambda xvfb=xvfb, path=socket_path: xvfb.poll() is not None or taken(path))
            if xvfb.poll() is None and ready:
                return f":{number}"
            if self.group == xvfb.pid:  # the group ended with it
                self.group = None
        raise RuntimeError("no free X display number")

    def close(self):
        if self.group is None:
            return
        for sig in (signal.SIGTERM, signal.SIGKILL):
            try:
                os.killpg(self.group, sig)
            except ProcessLookupError:
                break
            deadline = time.monotonic() + 5
            while time.monotonic() < deadline and reap():
                time.sleep(0.05)
        reap()


def taken(path):
    """Whether a server listens on the Unix socket path (a leading NUL: abstract)."""
    with socket.socket(socket.AF_UNIX) as client:
        try:
            client.connect(path)
        except OSError:
            return False
    return True


def reap():
    """Collects ended children, the orphaned grandchildren included; true while any remain."""
    while True:
        try:
            pid, _ = os.waitpid(-1, os.WNOHANG)
        except ChildProcessError:
            return False
        if pid == 0:
            return True


def describe_states(node, pyatspi):
    shown = [("focusable", pyatspi.STATE_FOCUSABLE), ("focused", pyatspi.STATE_FOCUSED),
             ("checkable", pyatspi.STATE_CHECKABLE), ("checked", pyatspi.STATE_CHECKED),
             ("editable", pyatspi.STATE_EDITABLE)]
    states = node.getState()
    words = [word for word, state in shown if states.contains(state)]
    if not states.contains(pyatspi.STATE_SHOWING):
        words.append("not showing")
    return words


def walk(node, depth, lines, by_name, pyatspi):
    role = node.getRoleName()
    name = node.name or ""
    states = describe_states(node, pyatspi)
    line = "  " * depth + f"[{role}] \"{name}\""
    if states:
        line += " (" + ", ".join(states) + ")"
    if node.description:
        line += f" — {node.description}"
    lines.append(line)
    by_name.setdefault(name, []).append(node)
    for k in range(node.childCount):
        walk(node.getChildAtIndex(k), depth + 1, lines, by_name, pyatspi)


def the(by_name, name, role):
    matches = [node for node in by_name.get(name, []) if node.getRoleName() == role]
    if len(matches) != 1:
        raise AssertionError(f"expected one [{role}] \"{name}\", found {len(matches)}")
    return matches[0]


def check(window, pyatspi, dump_file):
    lines, by_name = [], {}
    walk(window, 0, lines, by_name, pyatspi)
    dump = "\n".join(lines) + "\n"
    print(dump)
    if dump_file:
        with open(dump_file, "w", encoding="utf-8") as out:
            out.write(dump)

    if not window.name.startswith("澄数2D缩水软件V1.1"):
        raise AssertionError(f"window named \"{window.name}\"")
    for name, role in [("一位 3", "check box"), ("二位 0", "check box"), ("杀和值 10", "check box"),
                       ("杀012路 01", "check box"), ("大小 大小", "check box"),
                       ("奇偶 定", "radio button"), ("基本条件", "radio button"),
                       ("1、组号", "push button"), ("结果", "text"), ("共计", "text"),
                       ("组号", "panel"), ("杀和值", "panel"), ("基本条件", "panel")]:
        the(by_name, name, role)
    sum10 = the(by_name, "杀和值 10", "check box")
    if not sum10.description.startswith("杀和值 10：去掉两位数字之和为10的号码"):
        raise AssertionError(f"杀和值 10 described as \"{sum10.description}\"")

    def checked(node):
        node.clear_cache()
        return node.getState().contains(pyatspi.STATE_CHECKED)

    # Actions through the bus, as a screen reader's user takes them.
    sum10.queryAction().doAction(0)
    poll("杀和值 10 to read as checked", lambda: checked(sum10))
    fix, kill = the(by_name, "奇偶 定", "radio button"), the(by_name, "奇偶 杀", "radio button")
    kill.queryAction().doAction(0)
    poll("奇偶 杀 to read as checked and 奇偶 定 not",
         lambda: checked(kill) and not checked(fix))
    the(by_name, "1、组号", "push button").queryAction().doAction(0)
    count = the(by_name, "共计", "text").queryText()
    poll("the count line", lambda: count.getText(0, -1) == "       共计:100注")
    print("After the actions:")
    for node in (sum10, fix, kill):
        print(f"  [{node.getRoleName()}] \"{node.name}\" ({', '.join(describe_states(node, pyatspi))})")
    print(f"  [text] \"共计\" reads \"{count.getText(0, -1)}\"")


def main():
    if len(sys.argv) < 2:
        print(__doc__)
        return 2
    program, dump_file = sys.argv[1], (sys.argv[2] if len(sys.argv) > 2 else None)
    for tool in ("Xvfb", "dbus-daemon"):
        if shutil.which(tool) is None:
            skip(f"{tool} is not installed")
    launchers = [os.path.join(d, "at-spi-bus-launcher") for d in LAUNCHER_DIRS]
    if not any(os.access(path, os.X_OK) for path in launchers):
        skip("at-spi-bus-launcher (at-spi2-core) is not installed")
    if importlib.util.find_spec("pyatspi") is None:
        skip("the pyatspi module (python3-pyatspi) is not installed")

    # The buses the launcher starts outlive their parents for a moment; as the subreaper this
    # process collects them, where the container's init might leave them as zombies.
    ctypes.CDLL(None, use_errno=True).prctl(PR_SET_CHILD_SUBREAPER, 1)
    with tempfile.TemporaryDirectory(prefix="shrink2d-a11y-") as runtime_dir:
        os.chmod(runtime_dir, 0o700)
        session = Session(runtime_dir)
        program_log = os.path.join(runtime_dir, "program.log")
        try:
            session.open()
            # The client finds the accessibility bus through the session bus, as the program does.
            os.environ.update(DISPLAY=session.env["DISPLAY"], XDG_RUNTIME_DIR=runtime_dir,
                              DBUS_SESSION_BUS_ADDRESS=session.env["DBUS_SESSION_BUS_ADDRESS"])
            import pyatspi  # pylint: disable=import-outside-toplevel

            # As on a desktop where a screen reader runs, the accessibility bus is up before the
            # program starts, so Qt's bridge is active while the window is being built.
            poll("the accessibility bus", lambda: pyatspi.Registry.getDesktop(0).name is not None)
            session.env.update(QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            with open(program_log, "wb") as log:
                shown = session.start([program], stdout=log, stderr=subprocess.STDOUT)

            def window():
                if shown.poll() is not None:
                    return "ended"
                desktop = pyatspi.Registry.getDesktop(0)
                # The client caches what it has read; an application or window that registers
                # later is seen only once the cache is dropped.
                desktop.clear_cache()
                for app in (desktop.getChildAtIndex(k) for k in range(desktop.childCount)):
                    if app is not None and app.name == "shrink2d" and app.childCount > 0:
                        frame = app.getChildAtIndex(0)
                        if frame.getRoleName() in ("frame", "window") and frame.childCount > 0:
                            return frame
                return None

            found = poll("the window (a frame holding the controls) on the bus", window)
            if found == "ended":
                raise RuntimeError(f"the program ended early, status {shown.returncode}")
            check(found, pyatspi, dump_file)
        except (RuntimeError, AssertionError) as failure:
            print(f"FAIL: {failure}")
            if os.path.exists(program_log):
                with open(program_log, encoding="utf-8", errors="replace") as log:
                    print("The program's output:\n" + log.read())
            return 1
        finally:
            session.close()
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
