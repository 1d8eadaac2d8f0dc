"""Drives the installed program as a user does: a virtual display with a window manager,
the accessibility bus, widgets found by role and accessible name, real keys and clicks
at the widgets' own extents."""

import os
import subprocess
import time


class StepFailed(Exception):
    """A scenario step that did not see what a user would see."""


def _atspi():
    import pyatspi  # imported late: the accessibility bus must be running first

    return pyatspi


QUIET = {"stdout": subprocess.DEVNULL, "stderr": subprocess.DEVNULL}


class Session:
    """Xvfb, openbox and the accessibility bus, inside the caller's dbus-run-session."""

    def __init__(self, program_dir, shots_dir):
        self.program_dir, self.shots_dir = program_dir, shots_dir
        self.procs, self.program, self.display = [], None, None

    def start(self):
        read_fd, write_fd = os.pipe()
        self.procs.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp"], pass_fds=(write_fd,), **QUIET))
        os.close(write_fd)
        with os.fdopen(read_fd) as pipe:
            number = pipe.readline().strip()
        expect(number, "Xvfb did not start")
        self.display = os.environ["DISPLAY"] = ":" + number
        os.environ.update({"NO_AT_BRIDGE": "0", "GTK_MODULES": ""})
        self.procs.append(subprocess.Popen(["openbox", "--sm-disable"], **QUIET))
        self.procs.append(subprocess.Popen(
            ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], **QUIET))
        wait_until(lambda: _succeeds(["dbus-send", "--session", "--print-reply",
                                      "--dest=org.a11y.Bus", "/org/a11y/bus",
                                      "org.a11y.Bus.GetAddress"]),
                   30, "the accessibility bus starts")
        wait_until(lambda: _succeeds(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                     "window id"), 30, "the window manager starts")

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

    def launch(self):
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   QT_ACCESSIBILITY="1", LC_ALL="C.UTF-8")
        self.program = subprocess.Popen(
            [os.path.join(self.program_dir, "corvane38")], cwd=self.program_dir, env=env,
            stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        return wait_until(self._find_app, 15, "the program appears on the bus")

    def _find_app(self):
        if self.program.poll() is not None:
            raise StepFailed("the program ended: " + self.program.stderr.read().decode(
                errors="replace")[-2000:])
        for app in children(_atspi().Registry.getDesktop(0)):
            try:
                if app.get_process_id() == self.program.pid:
                    return app
            except Exception:  # noqa: BLE001 -- an application that is going away
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
                       timeout=20, **QUIET)
        return path


def _succeeds(command, needle=""):
    try:
        out = subprocess.run(command, capture_output=True, text=True, timeout=5)
    except subprocess.TimeoutExpired:
        return False
    return out.returncode == 0 and needle in out.stdout


def expect(holds, complaint):
    if not holds:
        raise StepFailed(complaint)


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



def role(acc):
    return acc.getRoleName()


def name(acc):
    return acc.name or ""


def has_state(acc, state_name):
    return acc.getState().contains(getattr(_atspi(), "STATE_" + state_name.upper()))


def showing(acc):
    return has_state(acc, "showing")


def children(acc):
    return [c for c in map(acc.getChildAtIndex, range(acc.childCount)) if c is not None]


def walk(acc):
    """The node and all it holds, except what hidden nodes hold."""
    stack = [acc]
    while stack:
        node = stack.pop()
        yield node
        if node is acc or showing(node):
            stack.extend(reversed(children(node)))


def labels(acc):
    """The names of the labels the widget is labelled by (its buddy label, its group box):
    on Linux a drop-down list's own name is the text it shows, its caption is here."""
    return [name(relation.getTarget(i)) for relation in acc.getRelationSet()
            if relation.getRelationType() == _atspi().RELATION_LABELLED_BY
            for i in range(relation.getNTargets()) if relation.getTarget(i) is not None]


def called(acc, acc_name):
    """A widget is called by its own name or by the caption that labels it."""
    return name(acc) == acc_name or acc_name in labels(acc)


def find_all(root, role_name, acc_name=None):
    return [node for node in walk(root) if role(node) == role_name and showing(node) and
            (acc_name is None or called(node, acc_name))]


def find(root, role_name, acc_name=None, timeout=5):
    return wait_until(lambda: (find_all(root, role_name, acc_name) or [None])[0], timeout,
                      "a %s named %r shows" % (role_name, acc_name))


def _titled(top, titles, prefix):
    shown = name(top)
    return any(shown == t or prefix and shown.startswith(t) for t in titles) and showing(top)


def window(app, title, timeout=5, prefix=False):
    """The top-level window (frame, dialog or message box) of the program with this title
    (or one that begins with it, or one of a tuple of titles)."""
    titles = title if isinstance(title, tuple) else (title,)

    def probe():
        return next((top for top in children(app) if _titled(top, titles, prefix)), None)

    return wait_until(probe, timeout, "the window %r shows" % (title,))


def window_if(app, title, timeout):
    """The window if it shows within the time, else None."""
    try:
        return window(app, title, timeout)
    except StepFailed:
        return None


def window_gone(app, title, timeout=5, prefix=False):
    wait_until(lambda: not any(_titled(top, (title,), prefix) for top in children(app)),
               timeout, "the window %r closes" % title)


def text_of(acc):
    try:
        text = acc.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return name(acc)


def dump(acc, depth=0):
    """The tree as text, for a failure's report."""
    try:
        text = " text=%r" % text_of(acc) if role(acc) in ("text", "spin button") else ""
        return ["%s%s %r%s labelled-by=%r" % ("  " * depth, role(acc), name(acc), text,
                                              labels(acc))] + \
            [line for child in (children(acc) if depth == 0 or showing(acc) else [])
             for line in dump(child, depth + 1)]
    except Exception as error:  # noqa: BLE001 -- the tree changes under our feet
        return ["%s<gone: %s>" % ("  " * depth, error)]



def extents(acc):
    box = acc.queryComponent().getExtents(_atspi().DESKTOP_COORDS)
    if box.width <= 0 or box.height <= 0:
        raise StepFailed("%s %r has no extents on screen" % (role(acc), name(acc)))
    return box.x, box.y, box.width, box.height


def click(acc, button=1, at=None):
    """A mouse click at the middle of the widget (or at a point of its own extents)."""
    if at is None:
        x, y, w, h = extents(acc)
        at = (x + w // 2, y + h // 2)
    subprocess.run(["xdotool", "mousemove", str(at[0]), str(at[1]), "click", str(button)],
                   check=True)


def key(*names):
    subprocess.run(["xdotool", "key", "--delay", "30", *names], check=True)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "25", text], check=True)


def retype(text, acc=None):
    """Replaces the text of the focused box (of `acc`, clicked into first) with `text`."""
    if acc is not None:
        click(acc)
    key("ctrl+a")
    type_text(text)


def read(path, binary=False):
    with open(path, "rb") as f:
        data = f.read()
    return data if binary else data.decode("cp1252")


def focused(app, role_name=None, acc_name=None):
    # A window under a modal one may still report its own focused control.
    return next((node for node in walk(app) if has_state(node, "focused") and
                 (role_name is None or role(node) == role_name) and
                 (acc_name is None or called(node, acc_name))), None)


def wait_focus(app, role_name, acc_name=None, timeout=5):
    return wait_until(lambda: focused(app, role_name, acc_name), timeout,
                      "the focus is on a %s named %r" % (role_name, acc_name))


def wait_text(acc, expected, timeout=5):
    wait_until(lambda: text_of(acc) == expected, timeout,
               "%s %r reads %r (it reads %r)" % (role(acc), name(acc), expected, text_of(acc)))
