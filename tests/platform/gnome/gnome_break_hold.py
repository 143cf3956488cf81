# SPDX-License-Identifier: GPL-3.0-or-later
"""The break screen held on GNOME, proven from the shell's side.

One headless GNOME Shell with two monitors runs the real application on Qt's Wayland plugin;
breaks are begun over the application's session-bus interface. The shell's own screenshot,
window stacking and focus, and keys injected through the shell's input path show whether the
break covers every monitor, whether another window, a new window or a desktop shortcut can
take the user away, whether the escape chord and the safety bound let go, and whether a
killed application leaves the desktop held. Before that: without a tray host the top bar
carries the countdown and the menu.

usage: gnome_break_hold.py QUORVANTEL HOLD_EXTENSION_DIR PROBE_DIR
"""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import time

from e2e_session import SKIP, poll, write_settings
from gnome_shell_session import GnomeShell

BREAK_TITLE = "Quorvantel Break"
OTHER_TITLE = "Other"
SETTINGS = {
    "settings.hasCompletedOnboarding": "true",
    "settings.cameraVerificationEnabled": "false",
    "settings.honorDurationSeconds": "300",
    "settings.activeHoursEnabled": "false",
    "settings.smartPauseEnabled": "false",
}

# Evdev key codes, as the keyboard sends them.
KEY = {"Control_L": 29, "Shift_L": 42, "Alt_L": 56, "Super_L": 125, "Tab": 15, "E": 18,
       "Page_Down": 109, "Down": 108}

failures = []


def chord(steps):
    """"+Alt_L +Tab -Tab -Alt_L" in the probe's key codes."""
    return " ".join(step[0] + str(KEY[step[1:]]) for step in steps.split())


def check(condition, message):
    print(("ok:   " if condition else "FAIL: ") + message, flush=True)
    if not condition:
        failures.append(message)
    return condition


def break_windows(state):
    return [w for w in state["windows"] if w["title"] == BREAK_TITLE]


def share_of_pixels(shot, monitor, test, stride=7):
    """The share of the monitor's pixels (sampled) for which test(r, g, b) holds."""
    width, _, data = shot
    hits = total = 0
    for y in range(monitor["y"], monitor["y"] + monitor["height"], stride):
        row = y * width * 3
        for x in range(monitor["x"], monitor["x"] + monitor["width"], stride):
            at = row + x * 3
            total += 1
            hits += bool(test(data[at], data[at + 1], data[at + 2]))
    return hits / total


def magenta(r, g, b):
    return r > 215 and g < 40 and b > 215


# The break screen is a dark navy scene; the desktop's wallpaper here is a lighter teal.
def dark(r, g, b):
    return max(r, g, b) < 70


def covered(shot, monitors):
    """Whether the picture shows the break screen on every monitor and no other window."""
    return shot is not None and all(
        share_of_pixels(shot, m, dark) > 0.6 and share_of_pixels(shot, m, magenta) < 0.001
        for m in monitors)


def top_is_break_on_every_monitor(state):
    """Whether, on each monitor, the highest window there is a break window covering it."""
    for index, monitor in enumerate(state["monitors"]):
        on_monitor = [w for w in state["windows"] if w["monitor"] == index and not w["minimized"]]
        if not on_monitor or on_monitor[-1]["title"] != BREAK_TITLE:
            return False
        top = on_monitor[-1]
        if (top["x"], top["y"], top["width"], top["height"]) != (
                monitor["x"], monitor["y"], monitor["width"], monitor["height"]):
            return False
    return True


def held_again(shell, timeout=1.0):
    """Within the timeout: focus on a break window, each monitor topped by one."""
    def held():
        state = shell.state()
        return state["focus"] == BREAK_TITLE and top_is_break_on_every_monitor(state)
    return poll(held, timeout, step=0.05)


class Application:
    def __init__(self, shell, binary):
        self.shell = shell
        self.binary = binary
        self.env = shell.client_environment()
        self.env.update({"QT_QPA_PLATFORM": "wayland", "QT_QUICK_BACKEND": "software"})
        config = os.path.join(shell.config, "Quorvantel")
        write_settings(config, SETTINGS)
        shell.hand_over(config)
        self.process = None

    def start(self):
        self.process = self.shell.spawn_as_user([self.binary], env=self.env,
                                                stdout=subprocess_log(self.shell, "app"),
                                                stderr=subprocess.STDOUT)
        return poll(lambda: self.command("--status").returncode == 0, 60, step=0.5)

    def command(self, option):
        return self.shell.run_as_user([self.binary, option], env=self.env)

    def begin_break(self):
        self.command("--start-break-now")
        return poll(lambda: len(break_windows(self.shell.state())) == 2 and
                        self.shell.holding(), 30, step=0.2)

    def kill(self):
        os.killpg(self.process.pid, signal.SIGKILL)
        self.process.wait()

    def stop(self):
        if self.process and self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            self.process.wait(10)


def subprocess_log(shell, name):
    return open(os.path.join(shell.root, name + ".log"), "ab")


def other_window(shell, name):
    """A terminal painted magenta whose typed keys land in a file."""
    keys = os.path.join(shell.root, name + ".keys")
    open(keys, "w").close()
    shell.hand_over(keys)
    process = shell.spawn_as_user(
        ["foot", "-T", name, "-o", "colors.background=ff00ff", "sh", "-c",
         f"stty raw -echo; cat > {keys}"], stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    poll(lambda: any(w["title"] == name for w in shell.state()["windows"]), 20)
    return process, keys


def typed(keys_file):
    with open(keys_file) as file:
        return file.read()


def run(binary, hold_dir, probe_dir):
    shell = GnomeShell(hold_dir, probe_dir)
    if not shell.start():
        print("SKIP: the headless GNOME Shell did not start here:\n" + shell.log_tail())
        shell.stop()
        return SKIP
    app = Application(shell, binary)
    others = []
    try:
        if not check(app.start(), "the application starts on the shell's Wayland display"):
            return 1
        foot, before_keys = other_window(shell, OTHER_TITLE)
        others.append(foot)
        focus = poll(lambda: shell.state()["focus"], 5)
        check(focus == OTHER_TITLE, f"another application has focus before (it is {focus})")
        check_top_bar(shell, app)
        checks_while_held(shell, app, before_keys, others)
        checks_after_release(shell, before_keys)
        check_crash(shell, app)
        check_safety_bound(shell)
    finally:
        app.stop()
        for process in others:
            os.killpg(process.pid, signal.SIGTERM)
        shell.stop()
    if failures:
        print(f"{len(failures)} check(s) failed; logs and pictures in {shell.root}")
        return 1
    shell.remove()
    print("all checks passed")
    return 0


def top_bar(shell):
    reply = shell.probe("TopBar")
    return json.loads(reply[0]) if reply else {"shown": False}


def choose_in_top_bar(shell, label):
    """Clicks the item once the menu offers it (the menu follows the application's state)."""
    return poll(lambda: (shell.probe("ChooseInTopBar", "s", label) or [False])[0], 10)


def check_top_bar(shell, app):
    # Without a tray host the extension shows the countdown, and the application's menu works.
    def shown_with_menu():
        bar = top_bar(shell)
        return bar if bar["shown"] and bar["label"] and bar["items"] else None
    bar = poll(shown_with_menu, 20)
    check(bar and re.fullmatch(r"\d+(:\d\d)+", bar["label"]) is not None,
          f"top bar: the countdown is shown without a tray host ({bar})")
    check(choose_in_top_bar(shell, "For 1 hour"), "top bar: its menu offers a pause")
    check(poll(lambda: "paused" in app.command("--status").stdout.lower(), 10),
          "top bar: choosing the pause pauses the breaks")
    check(choose_in_top_bar(shell, "Resume breaks"), "top bar: its menu then offers to resume")
    check(poll(lambda: "paused" not in app.command("--status").stdout.lower(), 10),
          "top bar: choosing resume resumes them")
    # With a tray host on the bus the application's tray item is there; the top bar stays out.
    shell.probe("OwnName", "s", "org.kde.StatusNotifierWatcher")
    check(poll(lambda: not top_bar(shell)["shown"], 5),
          "top bar: nothing is shown while a tray host runs")
    shell.probe("ReleaseName", "s", "org.kde.StatusNotifierWatcher")


def checks_while_held(shell, app, other_keys, others):
    # 1. every monitor covered, in the shell's own picture
    began = time.monotonic()
    check(app.begin_break(), "a break window on each monitor and the shell holding them")
    monitors = shell.state()["monitors"]
    shown = poll(lambda: covered(shell.screenshot("covered"), monitors), 10, step=0.2)
    check(shown, "check 1: the shell's picture shows the break screen on every monitor and no "
                 f"other window ({time.monotonic() - began:.1f} s after the break was asked for)")
    check(held_again(shell, 2.0), "each monitor topped by a break window that has focus")

    # 2. a window opened during the break, and one activated by the shell, stay behind
    late, late_keys = other_window(shell, "Late")
    others.append(late)
    check(held_again(shell), "check 2: a window opened during the break is behind it within 1 s")
    shell.probe("Activate", "s", OTHER_TITLE)
    check(held_again(shell), "check 2: a window the shell activates is behind it within 1 s")
    check(covered(shell.screenshot("after-activation"), monitors),
          "check 2: the shell's picture shows only the break screen after activation")

    # 3. keys typed while another window asked for focus do not reach it
    shell.probe("Activate", "s", OTHER_TITLE)
    shell.keys("leaked")
    time.sleep(1)
    check(typed(other_keys) == "" and typed(late_keys) == "",
          "check 3: keys typed as another window asks for focus do not reach it")

    # 4. the desktop's own shortcuts
    workspace = shell.state()["workspace"]
    shell.keys(chord("+Super_L -Super_L"))
    time.sleep(1)
    check(not shell.state()["overview"], "check 4: Super does not open the overview")
    shell.keys(chord("+Alt_L +Tab -Tab -Alt_L"))
    check(held_again(shell, 1.5), "check 4: Alt+Tab does not leave the break")
    shell.keys(chord("+Super_L +Page_Down -Page_Down -Super_L +Control_L +Alt_L +Down -Down "
                     "-Alt_L -Control_L"))
    time.sleep(1)
    check(shell.state()["workspace"] == workspace, "check 4: workspace switching is ignored")
    check(held_again(shell), "check 4: the break still has focus after the shortcuts")


def checks_after_release(shell, other_keys):
    # 5. the escape chord held for three seconds lets go
    shell.keys(chord("+Control_L +Shift_L +E"))
    time.sleep(3.6)
    shell.keys(chord("-E -Shift_L -Control_L"))
    released = poll(lambda: not break_windows(shell.state()) and not shell.holding(), 10)
    check(released, "check 5: the escape chord held 3 s ends the break and the hold")
    shell.probe("Activate", "s", OTHER_TITLE)
    poll(lambda: shell.state()["focus"] == OTHER_TITLE, 5)
    shell.keys("back")
    check(poll(lambda: typed(other_keys) == "back", 5),
          "check 5: after the break, typing reaches the other window again")
    check(super_opens_overview(shell), "check 5: after the break, Super opens the overview again")


def super_opens_overview(shell):
    """Whether Super opens the overview, as on a desktop nothing holds; closes it again."""
    shell.keys(chord("+Super_L -Super_L"))
    opened = poll(lambda: shell.state()["overview"], 5)
    shell.probe("HideOverview")
    poll(lambda: not shell.state()["overview"], 10)
    return opened


def check_crash(shell, app):
    # 6. an application killed mid-break does not leave the desktop held
    if not check(app.begin_break(), "check 6: a second break begins"):
        return
    app.kill()
    check(poll(lambda: not shell.holding(), 2.0, step=0.05),
          "check 6: SIGKILL mid-break drops the hold within 2 s")
    check(super_opens_overview(shell), "check 6: the desktop's shortcuts work again after the crash")


def check_safety_bound(shell):
    # 5. the hold's own safety bound, for an application that hangs without leaving the bus
    shell.probe("BeginBreakFromShell", "su", BREAK_TITLE, 2)
    check(shell.holding(), "safety: a hold begun by a peer that never leaves is on")
    check(poll(lambda: not shell.holding(), 6, step=0.1),
          "check 5: the hold lets go by itself after its safety bound")
    check(super_opens_overview(shell), "check 5: the desktop's shortcuts work again after it")


if __name__ == "__main__":
    if len(sys.argv) != 4:
        print(__doc__)
        sys.exit(2)
    for program in ("gnome-shell", "foot", "busctl"):
        if shutil.which(program) is None:
            print(f"SKIP: {program} is not installed")
            sys.exit(SKIP)
    version = subprocess.run(["gnome-shell", "--version"], capture_output=True, text=True)
    major = re.search(r"(\d+)\.", version.stdout)
    if major and int(major.group(1)) >= 45:
        print(f"SKIP: the test probe is written for GNOME Shell 43 and 44 ({version.stdout.strip()})")
        sys.exit(SKIP)
    sys.exit(run(*sys.argv[1:]))
