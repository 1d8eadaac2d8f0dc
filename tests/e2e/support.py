"""Drives the installed program as a user does: a virtual display with a window manager,
the accessibility bus, widgets found by role and accessible name, real keys and clicks
at the widgets' own extents."""

import os
import shutil
import signal
import subprocess
import time

ROLE_NAMES = {}


class StepFailed(Exception):
    """A scenario step that did not see what a user would see."""


def _atspi():
    # Imported late: the accessibility bus must be running first.
    import pyatspi

    return pyatspi


class Session:
    """Xvfb, openbox and the accessibility bus, inside the caller's dbus-run-session."""

    def __init__(self, program_dir, shots_dir):
        self.program_dir = program_dir
        self.shots_dir = shots_dir
        self.procs = []
        self.program = None
        self.display = None

    # --- the desktop --------------------------------------------------------------------

    def start(self):
        read_fd, write_fd = os.pipe()
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read_fd, 16)
            if not chunk:
                raise StepFailed("Xvfb did not start")
            number += chunk
        os.close(read_fd)
        self.procs.append(xvfb)
        self.display = ":" + number.decode().strip()
        os.environ["DISPLAY"] = self.display
        os.environ["NO_AT_BRIDGE"] = "0"
        os.environ["GTK_MODULES"] = ""
        self.procs.append(subprocess.Popen(
            ["openbox", "--sm-disable"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self.procs.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        wait_until(lambda: _bus_ready(), 30, "the accessibility bus starts")
        wait_until(lambda: _window_manager_ready(), 30, "the window manager starts")

    def stop(self):
        self.kill_program()
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(3)
                except subprocess.TimeoutExpired:
                    proc.kill()
        self.procs = []

    # --- the program --------------------------------------------------------------------

    def launch(self, *args):
        env = dict(os.environ)
        env.update({
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_ACCESSIBILITY": "1",
            "LC_ALL": "C.UTF-8",
        })
        self.program = subprocess.Popen(
            [os.path.join(self.program_dir, "corvane38"), *args], cwd=self.program_dir, env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.app = wait_until(lambda: self._find_app(), 15, "the program appears on the bus")
        return self.app

    def _find_app(self):
        if self.program.poll() is not None:
            raise StepFailed("the program ended: " + self.program.stderr.read().decode(
                errors="replace")[-2000:])
        desktop = _atspi().Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app and app.get_process_id() == self.program.pid:
                    return app
            except Exception:
                continue
        return None

    def wait_exit(self, timeout=10):
        try:
            return self.program.wait(timeout)
        except subprocess.TimeoutExpired:
            raise StepFailed("the program is still running %ss after it was closed" % timeout)

    def kill_program(self):
        if self.program is not None and self.program.poll() is None:
            self.program.kill()
            self.program.wait()
        self.program = None

    def screenshot(self, name):
        os.makedirs(self.shots_dir, exist_ok=True)
        path = os.path.join(self.shots_dir, name + ".png")
        subprocess.run(["import", "-display", self.display, "-window", "root", path],
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, timeout=20)
        return path


def _bus_ready():
    try:
        out = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
             "org.a11y.Bus.GetAddress"], capture_output=True, timeout=5)
        return out.returncode == 0
    except subprocess.TimeoutExpired:
        return False


def _window_manager_ready():
    out = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True,
                         text=True)
    return out.returncode == 0 and "window id" in out.stdout


def wait_until(probe, timeout, what, interval=0.05):
    end = time.monotonic() + timeout
    last_error = None
    while True:
        try:
            value = probe()
            if value:
                return value
        except StepFailed:
            raise
        except Exception as error:  # the tree changes under our feet
            last_error = error
        if time.monotonic() > end:
            detail = " (%s)" % last_error if last_error else ""
            raise StepFailed("timed out waiting until " + what + detail)
        time.sleep(interval)


# --- the accessibility tree -----------------------------------------------------------------

def role(acc):
    return acc.getRoleName()


def name(acc):
    return acc.name or ""


def states(acc):
    return acc.getState()


def has_state(acc, state_name):
    pyatspi = _atspi()
    return acc.getState().contains(getattr(pyatspi, "STATE_" + state_name.upper()))


def showing(acc):
    return has_state(acc, "showing")


def children(acc):
    out = []
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            out.append(child)
    return out


def walk(acc, only_showing=True):
    stack = [acc]
    while stack:
        node = stack.pop()
        yield node
        if only_showing and node is not acc and not showing(node):
            continue
        kids = children(node)
        stack.extend(reversed(kids))


def labels(acc):
    """The names of the labels the widget is labelled by (its buddy label, its group box):
    on Linux a drop-down list's own name is the text it shows, its caption is here."""
    pyatspi = _atspi()
    out = []
    for relation in acc.getRelationSet():
        if relation.getRelationType() != pyatspi.RELATION_LABELLED_BY:
            continue
        for i in range(relation.getNTargets()):
            target = relation.getTarget(i)
            if target is not None:
                out.append(name(target))
    return out


def called(acc, acc_name):
    """A widget is called by its own name or by the caption that labels it."""
    return name(acc) == acc_name or acc_name in labels(acc)


def find_all(root, role_name, acc_name=None, only_showing=True):
    out = []
    for node in walk(root, only_showing):
        if role(node) != role_name:
            continue
        if only_showing and not showing(node):
            continue
        if acc_name is None or called(node, acc_name):
            out.append(node)
    return out


def find(root, role_name, acc_name=None, timeout=5, only_showing=True):
    def probe():
        found = find_all(root, role_name, acc_name, only_showing)
        return found[0] if found else None

    return wait_until(probe, timeout, "a %s named %r shows" % (role_name, acc_name))


def window(app, title, timeout=5, prefix=False):
    """The top-level window (frame or dialog) of the program with this title (or one
    that begins with it)."""

    def probe():
        for top in children(app):
            shown = name(top)
            if (shown == title or prefix and shown.startswith(title)) and showing(top):
                return top
        return None

    return wait_until(probe, timeout, "the window %r shows" % title)


def window_gone(app, title, timeout=5, prefix=False):
    def probe():
        return not any((name(top) == title or prefix and name(top).startswith(title)) and
                       showing(top) for top in children(app))

    wait_until(probe, timeout, "the window %r closes" % title)


def top_windows(app):
    return [(role(top), name(top)) for top in children(app) if showing(top)]


def text_of(acc):
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return name(acc)


def value_of(acc):
    return acc.queryValue().currentValue


def dump(acc, depth=0, out=None):
    out = [] if out is None else out
    try:
        extra = ""
        try:
            extra = " text=%r" % text_of(acc) if role(acc) in ("text", "spin button") else ""
        except Exception:
            pass
        caption = labels(acc)
        if caption:
            extra += " labelled-by=%r" % caption
        out.append("%s%s %r%s" % ("  " * depth, role(acc), name(acc), extra))
        if depth == 0 or showing(acc):
            for child in children(acc):
                dump(child, depth + 1, out)
    except Exception as error:
        out.append("%s<gone: %s>" % ("  " * depth, error))
    return out


# --- input as a user gives it -----------------------------------------------------------

def centre(acc):
    pyatspi = _atspi()
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    if box.width <= 0 or box.height <= 0:
        raise StepFailed("%s %r has no extents on screen" % (role(acc), name(acc)))
    return box.x + box.width // 2, box.y + box.height // 2


def click(acc, button=1, at=None):
    """A mouse click at the middle of the widget (or at a point of its own extents)."""
    x, y = centre(acc) if at is None else at
    subprocess.run(["xdotool", "mousemove", str(x), str(y), "click", str(button)],
                   check=True)


def extents(acc):
    pyatspi = _atspi()
    box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "25", text], check=True)


def focused(app):
    for node in walk(app):
        if has_state(node, "focused"):
            return node
    return None


def wait_focus(app, role_name, acc_name=None, timeout=5):
    def probe():
        # A window under a modal one may still report its own focused control.
        for node in walk(app):
            if has_state(node, "focused") and role(node) == role_name and \
                    (acc_name is None or called(node, acc_name)):
                return node
        return None

    return wait_until(probe, timeout, "the focus is on a %s named %r" % (role_name, acc_name))


def wait_text(acc, expected, timeout=5):
    wait_until(lambda: text_of(acc) == expected, timeout,
               "%s %r reads %r (it reads %r)" % (role(acc), name(acc), expected, text_of(acc)))
