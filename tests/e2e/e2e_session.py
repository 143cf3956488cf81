# SPDX-License-Identifier: GPL-3.0-or-later
"""One user's Quorvantel, run as the built executable inside the private desktop; the helpers
the GNOME session's test shares with the scripts here.

Each Session has home, configuration, data and cache folders of its own, so a run leaves no
trace outside its temporary folder and starts from exactly the state the test writes.
"""

import configparser
import contextlib
import json
import os
import signal
import subprocess
import sys
import tempfile
import time

SKIP = 77  # ctest's SKIP_RETURN_CODE

# A user who finished the welcome, wants five squats per break, and turned off active hours
# and smart pause: without the last two the run would depend on the hour of day and on how
# long the virtual desktop has been idle.
WARM_SETTINGS = {
    "settings.hasCompletedOnboarding": "true",
    "settings.squatRepetitions": "5",
    "settings.activeHoursEnabled": "false",
    "settings.smartPauseEnabled": "false",
}

# Counted to 5 or more by the pose engine at the camera's own pace (six true squats).
SQUAT_CLIP = "real/squat-front-home-6.mp4"


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def clip_or_skip(testdata_dir, name=SQUAT_CLIP):
    path = os.path.join(testdata_dir, name)
    if not os.path.isfile(path):
        print("SKIP: no test clip at " + path, flush=True)
        sys.exit(SKIP)
    return path


def poll(condition, timeout, step=0.1):
    """Polls until condition() gives something true or timeout passes; returns its last value."""
    deadline = time.monotonic() + timeout
    while True:
        value = condition()
        if value or time.monotonic() > deadline:
            return value
        time.sleep(step)


def write_settings(folder, values):
    """The settings file as QSettings reads it, with these values under [General]."""
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, "Quorvantel.ini"), "w") as file:
        file.write("[General]\n" + "".join(f"{k}={v}\n" for k, v in values.items()))


def proc_stat(path):
    """The name in a /proc stat file (of a process or a thread) and the fields after it, the
    state first; None when the process or thread has gone."""
    try:
        with open(path) as file:
            stat = file.read()
    except OSError:
        return None
    return stat[stat.index("(") + 1:stat.rindex(")")], stat[stat.rindex(")") + 2:].split()


def children_named(pid, program):
    """The live processes named program that the process pid started (zombies included:
    unreaped)."""
    found = []
    for entry in os.listdir("/proc"):
        stat = proc_stat(f"/proc/{entry}/stat") if entry.isdigit() else None
        # The kernel keeps the first 15 characters of a program's name.
        if stat and int(stat[1][1]) == pid and program.startswith(stat[0]):
            found.append(int(entry))
    return found


def has_ended(pid):
    """The process is gone, or a zombie whose parent has not reaped it yet."""
    try:
        with open(f"/proc/{pid}/stat") as file:
            return file.read().rsplit(")", 1)[1].split()[0] == "Z"
    except OSError:
        return True


class Session:
    def __init__(self, binary, root):
        self.binary = binary
        self.root = root
        self.env = dict(os.environ)
        for name, folder in [("HOME", "home"), ("XDG_CONFIG_HOME", "config"),
                             ("XDG_DATA_HOME", "data"), ("XDG_CACHE_HOME", "cache")]:
            path = os.path.join(root, folder)
            os.makedirs(path, exist_ok=True)
            self.env[name] = path
        self.config_dir = os.path.join(self.env["XDG_CONFIG_HOME"], "Quorvantel")
        self.data_dir = os.path.join(self.env["XDG_DATA_HOME"], "Quorvantel")
        self.settings_path = os.path.join(self.config_dir, "Quorvantel.ini")
        self.stats_path = os.path.join(self.data_dir, "stats.json")
        self.app = None
        self.log_path = os.path.join(root, "app.log")

    @classmethod
    @contextlib.contextmanager
    def temporary(cls, binary, settings=None):
        """A session in a fresh temporary folder, its settings written; what it left running
        is ended when the block is left."""
        with tempfile.TemporaryDirectory(prefix="qv-e2e-") as root:
            session = cls(binary, root)
            try:
                if settings is not None:
                    session.write_settings(settings)
                yield session
            finally:
                session.close()

    def write_settings(self, values):
        write_settings(self.config_dir, values)

    def settings(self):
        """The settings file as QSettings wrote it; fails the test if it cannot be read."""
        parser = configparser.ConfigParser(interpolation=None, strict=True)
        parser.optionxform = str
        try:
            with open(self.settings_path) as file:
                parser.read_file(file)
        except (OSError, configparser.Error) as error:
            fail(f"the settings file cannot be read: {error}")
        if not parser.has_section("General"):
            fail("the settings file has no [General] section")
        return dict(parser["General"])

    def stats(self):
        """The statistics table; fails the test if the file is not whole JSON of days."""
        try:
            with open(self.stats_path) as file:
                days = json.load(file)
        except (OSError, ValueError) as error:
            fail(f"the statistics file cannot be read: {error}")
        if not isinstance(days, dict):
            fail(f"the statistics file holds no table of days: {days!r}")
        return days

    def breaks(self, kind="verifiedBreaks"):
        if not os.path.exists(self.stats_path):
            return 0
        return sum(day.get(kind, 0) for day in self.stats().values())

    def launch(self, args, prefix=()):
        log = open(self.log_path, "a")
        self.app = subprocess.Popen(list(prefix) + [self.binary] + list(args), env=self.env,
                                    stdout=log, stderr=subprocess.STDOUT,
                                    start_new_session=True)
        log.close()
        return self.app

    def close(self):
        """Ends what a failed check left running (strace and its quorvantel too) before the
        folders go."""
        if self.app is not None and self.app.poll() is None:
            os.killpg(self.app.pid, signal.SIGKILL)
            self.app.wait()

    def command(self, *args, timeout=30):
        """Runs a second quorvantel that hands a request to the running one."""
        done = subprocess.run([self.binary] + list(args), env=self.env, capture_output=True,
                              text=True, timeout=timeout)
        return done.returncode, done.stdout.strip() or done.stderr.strip()

    def call(self, method, *args):
        """Calls the running instance over the session bus, as the command line does, but
        never becomes an instance itself when none runs (a plain second launch would)."""
        done = subprocess.run(
            ["dbus-send", "--session", "--print-reply", "--reply-timeout=20000",
             "--dest=com.tamsorek.Quorvantel", "/com/tamsorek/Quorvantel",
             "com.tamsorek.Quorvantel1." + method] + list(args),
            env=self.env, capture_output=True, text=True, timeout=30)
        return done.returncode == 0

    def start_break(self, waits_for, found_by, timeout):
        """Asks the running instance for a break; returns found_by() once it gives something."""
        if not self.call("StartBreakNow"):
            fail("the running instance did not take the break request")
        return self.wait_for(waits_for, found_by, timeout)

    def status(self):
        code, text = self.command("--status")
        return text if code == 0 else None

    def released(self):
        """A break is recorded and over: the screen after it has gone too."""
        return os.path.exists(self.stats_path) and (self.status() or "").startswith("Next ")

    def wait_for(self, what, predicate, timeout):
        """Polls predicate() until it gives something true; fails with what after timeout."""
        deadline = time.monotonic() + timeout
        while True:
            value = predicate()
            if value:
                return value
            if self.app is not None and self.app.poll() is not None:
                fail(f"quorvantel ended (exit {self.app.returncode}) while waiting for {what}; "
                     f"its output:\n{self.output()}")
            if time.monotonic() > deadline:
                fail(f"no {what} within {timeout} s; status {self.status()!r}; its output:\n"
                     f"{self.output()}")
            time.sleep(0.2)

    def wait_until_running(self, timeout=60):
        return self.wait_for("running instance", self.status, timeout)

    def output(self):
        try:
            with open(self.log_path, errors="replace") as file:
                return file.read()[-4000:]
        except OSError:
            return ""


@contextlib.contextmanager
def warm_camera_app(binary, video):
    """A returning user's Quorvantel with video as its camera, running, for the benchmarks: the
    session and the application's process, ended when the block is left."""
    with Session.temporary(binary, WARM_SETTINGS) as session:
        app = session.launch(["--camera-video", video])
        session.wait_until_running()
        yield session, app
