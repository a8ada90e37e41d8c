# SPDX-License-Identifier: GPL-3.0-or-later
"""What a screen reader finds in the real program, read through AT-SPI as Orca reads it.

Run inside a private D-Bus session (atspi-check.sh does that): starts Xvfb on a free display,
the AT-SPI bus and the program on a new database in a temporary folder, then walks the
program's accessibility tree on the editing screen shown at start, on the learning screen and
in Kids mode, moving between them through the same actions a screen reader offers. Exit 0
when every check holds, 1 with the list of faults otherwise.
"""

import os
import shutil
import signal
import socket
import subprocess
import sys
import tempfile
import time
import warnings

# get_action_name is the name Qt gives an action in every language; its deprecation in
# favour of the localized one is no concern here.
warnings.filterwarnings("ignore", category=DeprecationWarning)

WAIT = 15  # seconds for the program to appear or a screen to change
RUN_LIMIT = 40  # seconds for the whole run; the wrapper's timeout is the backstop past it

# The names the main window gives its controls, and the role a screen reader must announce.
NAMED = {
    ("table", "Cards of the set"),
    ("table", "Answers of the card"),
    ("table", "Answers you typed"),
    ("text", "Name for the new set"),
    ("text", "New name for the set"),
    ("text", "Answer"),
    ("push button", "Next"),
    ("push button", "Check"),
}
SET_LIST_DESCRIPTION = "The set to learn or edit"
# Kids mode's picture buttons shown on its learning screen.
KIDS_BUTTONS = {"Edit the set", "Rename the set", "Create a new set", "Learn the whole set",
                "Repeat", "Next", "Check"}

faults = []


def fault(message):
    faults.append(message)
    print("FAULT: " + message, flush=True)


def start_xvfb(log):
    """Xvfb on the first display that is free, so parallel runs never meet; (proc, ':N')."""
    for number in range(90, 190):
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            continue
        proc = subprocess.Popen(
            ["Xvfb", f":{number}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
             "-noreset"],
            stdout=log, stderr=log, start_new_session=True)
        # Ready once its socket takes connections (it exists a moment before); gone at once
        # when another server took the number meanwhile. -noreset: without it the probe's
        # leaving resets the server, and the program's connection would be refused meanwhile.
        deadline = time.monotonic() + WAIT
        while proc.poll() is None and time.monotonic() < deadline:
            with socket.socket(socket.AF_UNIX) as probe:
                try:
                    probe.connect(f"/tmp/.X11-unix/X{number}")
                    return proc, f":{number}"
                except OSError:
                    time.sleep(0.05)
        stop(proc)
    raise RuntimeError("Xvfb found no free display")


def start_sound(env, log):
    """A sound server with a silent output, private to this run: Kids mode starts only where
    the program can play sound. None where PulseAudio is not installed."""
    if not shutil.which("pulseaudio"):
        return None
    proc = subprocess.Popen(
        ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--disallow-exit",
         "--load=module-null-sink", "--load=module-native-protocol-unix"],
        env=env, stdout=log, stderr=log, start_new_session=True)
    native = os.path.join(env["XDG_RUNTIME_DIR"], "pulse", "native")
    deadline = time.monotonic() + 5
    while not os.path.exists(native) and time.monotonic() < deadline and proc.poll() is None:
        time.sleep(0.1)
    return proc


def stop(proc):
    """Ends a process and everything it started (each runs in a session of its own)."""
    if proc is None or proc.poll() is not None:
        return
    for sig, grace in ((signal.SIGTERM, 5), (signal.SIGKILL, 2)):
        try:
            os.killpg(proc.pid, sig)
        except ProcessLookupError:
            return
        try:
            proc.wait(grace)
            return
        except subprocess.TimeoutExpired:
            pass


def wait_for(what, condition, program):
    deadline = time.monotonic() + WAIT
    while time.monotonic() < deadline:
        if program.poll() is not None:
            raise RuntimeError(f"the program exited ({program.returncode}) waiting for {what}")
        try:
            found = condition()
        except Exception as e:  # a program busy playing a sound answers late; ask again
            if "reply" not in str(e):
                raise
            found = None
        if found:
            return found
        time.sleep(0.2)
    raise RuntimeError("timed out waiting for " + what)


class Tree:
    """The program's controls as AT-SPI gives them now (tables and lists not entered)."""

    def __init__(self, Atspi, app):
        self.Atspi = Atspi
        try:
            app.clear_cache()  # a screen change must be read afresh
        except AttributeError:
            pass
        self.nodes = []
        self._walk(app)

    def _walk(self, node):
        role = node.get_role()
        self.nodes.append(node)
        if role in (self.Atspi.Role.TABLE, self.Atspi.Role.LIST, self.Atspi.Role.MENU_BAR):
            return
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            if child is not None:
                self._walk(child)

    def find(self, role_name, name=None):
        return [n for n in self.nodes if n.get_role_name() == role_name and
                (name is None or n.get_name() == name)]

    def one(self, role_name, name):
        found = self.find(role_name, name)
        if len(found) != 1:
            fault(f'{len(found)} controls are a {role_name} named "{name}", not one')
            return None
        return found[0]

    def has(self, node, state):
        return node.get_state_set().contains(getattr(self.Atspi.StateType, state))


def press(Atspi, node, action):
    names = [node.get_action_name(i) for i in range(node.get_n_actions())]
    if action not in names:
        raise RuntimeError(f'"{node.get_name()}" offers {names}, not "{action}"')
    node.do_action(names.index(action))


def menu_entry(tree, menu, entry):
    """An entry of a menu of the menu bar, as a screen reader reaches it."""
    bars = tree.find("menu bar")
    items = [b.get_child_at_index(i) for b in bars for i in range(b.get_child_count())]
    for item in (i for i in items if i is not None and i.get_name() == menu):
        for popup in (item.get_child_at_index(i) for i in range(item.get_child_count())):
            for e in (popup.get_child_at_index(i) for i in range(popup.get_child_count())):
                if e.get_name() == entry:
                    return e
    raise RuntimeError(f"no menu entry {menu} > {entry}")


notes = set()


def note(message):
    if message not in notes:
        notes.add(message)
        print("NOTE: " + message, flush=True)


def check_names(tree):
    for role, name in sorted(NAMED):
        tree.one(role, name)
    combos = tree.find("combo box")
    if len(combos) != 1:
        fault(f"{len(combos)} combo boxes, not one (the set list)")
        return
    combo = combos[0]
    if combo.get_description() != SET_LIST_DESCRIPTION:
        fault(f'the set list\'s description is "{combo.get_description()}"')
    # Qt on Linux names a combo box by its current item; a label of the combo box reaches a
    # screen reader only as a labelled-by relation.
    labels = [r.get_target(i).get_name() for r in combo.get_relation_set()
              if r.get_relation_type() == tree.Atspi.RelationType.LABELLED_BY
              for i in range(r.get_n_targets())]
    if combo.get_name() != "Set list" and not labels:
        fault(f'the set list is announced only by its item "{combo.get_name()}": no label '
              "names it")


def expect_showing(tree, controls, showing):
    for role, name in controls:
        for node in tree.find(role, name):
            if tree.has(node, "SHOWING") != showing:
                fault(f'{role} "{name}" is {"not " if showing else ""}shown')


def run(Atspi, program):
    def application():
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == program.pid:
                return app
        return None

    app = wait_for("the program on the AT-SPI bus", application, program)
    print(f'application "{app.get_name()}" found, role {app.get_role_name()}', flush=True)
    if app.get_role() != Atspi.Role.APPLICATION:
        fault("the program's node is a " + app.get_role_name())

    def frame():
        frames = [f for f in Tree(Atspi, app).find("frame") if Tree(Atspi, f).has(f, "SHOWING")]
        return frames[0] if frames else None

    window = wait_for("the main window's frame", frame, program)
    print(f'frame "{window.get_name()}" shown', flush=True)

    # The editing screen shown at start: the set list and the cards' grid.
    tree = Tree(Atspi, app)
    check_names(tree)
    expect_showing(tree, [("combo box", None), ("table", "Cards of the set")], True)
    expect_showing(tree, [("text", "Answer"), ("push button", "Check")], False)
    print("editing screen checked", flush=True)

    # File > Learn, pressed as a screen reader presses a menu entry.
    press(Atspi, menu_entry(tree, "File", "Learn"), "Press")

    def learning_shown():
        t = Tree(Atspi, app)
        return t if any(t.has(b, "SHOWING") for b in t.find("push button", "Check")) else None

    tree = wait_for("the learning screen", learning_shown, program)
    check_names(tree)
    expect_showing(tree, [("text", "Answer"), ("push button", "Next"),
                          ("push button", "Check"), ("combo box", None)], True)
    expect_showing(tree, [("table", "Cards of the set"), ("text", "Name for the new set")], False)
    box = tree.one("text", "Answer")
    if box is not None and not tree.has(box, "EDITABLE"):
        fault('the text "Answer" is not editable')
    # The reply box tells the question shown and the progress (Silent mode, as at start).
    if box is not None and "Question: " not in (box.get_description() or ""):
        fault(f'the text "Answer" does not tell the question: "{box.get_description()}"')
    print("learning screen checked", flush=True)

    # Kids mode: its pictures are buttons, named, and pressed as buttons. Without sound the
    # program says so in a modal message, and AT-SPI's reply to the press waits for it.
    entry = menu_entry(tree, "Mode", "Kids")
    Atspi.set_timeout(3000, -1)
    try:
        press(Atspi, entry, "Press")
    except Exception as e:
        if "reply" not in str(e):
            raise

    def kids_or_message():
        t = Tree(Atspi, app)
        shown = {n.get_name() for n in t.find("push button") if t.has(n, "SHOWING")}
        dialogs = [n for n in t.find("dialog") + t.find("alert") if t.has(n, "SHOWING")]
        return t if KIDS_BUTTONS <= shown or dialogs else None

    try:
        tree = wait_for("Kids mode's picture buttons", kids_or_message, program)
    except RuntimeError as e:
        t = Tree(Atspi, app)
        shown = sorted(n.get_name() for n in t.find("push button") if t.has(n, "SHOWING"))
        fault(f"{e}; push buttons shown: {shown}")
        return
    dialogs = [n for n in tree.find("dialog") + tree.find("alert") if tree.has(n, "SHOWING")]
    if dialogs:
        texts = [n.get_name() for n in Tree(Atspi, dialogs[0]).find("label") if n.get_name()]
        note("Kids mode not checked, the program refused it: " + " / ".join(texts))
        for button in Tree(Atspi, dialogs[0]).find("push button"):
            press(Atspi, button, "Press")
            break
        return
    edit = tree.one("push button", "Edit the set")
    if edit is None:
        return
    press(Atspi, edit, "Press")

    def grid_shown():
        t = Tree(Atspi, app)
        grids = t.find("table", "Cards of the set")
        return t if grids and t.has(grids[0], "SHOWING") else None

    try:
        wait_for('the editing screen after pressing "Edit the set"', grid_shown, program)
    except RuntimeError as e:
        fault(str(e))
        return
    print('Kids mode checked: "Edit the set" pressed through AT-SPI', flush=True)


def main():
    # A hung run ends here, through the clean-up below, well before the wrapper's timeout
    # would end the process without it.
    def too_long(*_):
        raise TimeoutError(f"the run took more than {RUN_LIMIT} s")

    signal.signal(signal.SIGALRM, too_long)
    signal.alarm(RUN_LIMIT)
    binary = os.path.abspath(sys.argv[1])
    started = time.monotonic()
    work = tempfile.mkdtemp(prefix="memorant-a11y-")
    log_path = os.path.join(work, "log.txt")
    log = open(log_path, "w")
    xvfb = bus = sound = program = None
    status = 1
    try:
        xvfb, display = start_xvfb(log)
        env = dict(os.environ)
        runtime = os.path.join(work, "runtime")
        os.mkdir(runtime, 0o700)
        # Settings, data and the runtime folder of this run only: Kids mode chosen here must
        # not stay chosen for the person running the tests.
        env.update({
            "DISPLAY": display,
            "HOME": work,
            "XDG_CONFIG_HOME": os.path.join(work, "config"),
            "XDG_DATA_HOME": os.path.join(work, "data"),
            "XDG_CACHE_HOME": os.path.join(work, "cache"),
            "XDG_RUNTIME_DIR": runtime,
            "QT_QPA_PLATFORM": "xcb",
            # Qt exposes its tree only when it sees a screen reader, unless told to always.
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
        })
        os.environ.update(env)
        sound = start_sound(env, log)
        bus = subprocess.Popen(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"],
                               env=env, stdout=log, stderr=log, start_new_session=True)
        program = subprocess.Popen([binary, "--db", os.path.join(work, "VIze.mdb")], cwd=work,
                                   env=env, stdout=log, stderr=log, start_new_session=True)

        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi

        run(Atspi, program)
        status = 1 if faults else 0
    except Exception as e:  # what stopped the walk is a fault too, and the log says more
        fault(f"{type(e).__name__}: {e}")
    finally:
        signal.alarm(0)
        stop(program)
        stop(bus)
        stop(sound)
        stop(xvfb)
        log.close()
        if status != 0:
            with open(log_path) as f:
                print("--- output of Xvfb, the AT-SPI bus and the program:\n" + f.read())
        shutil.rmtree(work, ignore_errors=True)
    print(f"{'PASS' if status == 0 else 'FAIL'} in {time.monotonic() - started:.1f} s")
    return status


if __name__ == "__main__":
    sys.exit(main())
