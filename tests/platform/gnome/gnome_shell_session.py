# SPDX-License-Identifier: GPL-3.0-or-later
"""A headless GNOME Shell of the test's own: two virtual monitors, a private session bus (and a
second private bus standing in for the system bus, since the shell waits for logind where
/run/systemd/seats exists), the break-screen extension and the test probe enabled. Everything
runs as an unprivileged user when the test is root: the shell's bus accepts only its owner.
"""

import json
import os
import shutil
import signal
import subprocess
import tempfile

from e2e_session import poll

HOLD_UUID = "quorvantel-break@tamsorek.com"
PROBE_UUID = "probe@quorvantel-tests"
DISPLAY_NAME = "wayland-qv"
MONITOR = "1280x720"

SHELL_SCRIPT = """
dbus-daemon --session --fork --print-address=3 --print-pid=4 \
    3>"$XDG_RUNTIME_DIR/system-bus" 4>"$XDG_RUNTIME_DIR/system-bus.pid" >/dev/null
export DBUS_SYSTEM_BUS_ADDRESS=$(head -n1 "$XDG_RUNTIME_DIR/system-bus")
gsettings set org.gnome.shell enabled-extensions "$ENABLED_EXTENSIONS"
echo "$DBUS_SESSION_BUS_ADDRESS" > "$XDG_RUNTIME_DIR/session-bus.tmp"
mv "$XDG_RUNTIME_DIR/session-bus.tmp" "$XDG_RUNTIME_DIR/session-bus"
exec gnome-shell --headless --wayland --no-x11 --wayland-display "$DISPLAY_NAME" \
    --virtual-monitor $MONITOR --virtual-monitor $MONITOR
"""


class GnomeShell:
    def __init__(self, hold_extension_dir, probe_dir):
        self.root = tempfile.mkdtemp(prefix="qv-gnome-")
        os.chmod(self.root, 0o755)
        self.runtime = self.folder("run", 0o700)
        self.data = self.folder("data")
        self.home = self.folder("home")
        self.config = self.folder("config")
        extensions = os.path.join(self.data, "gnome-shell", "extensions")
        shutil.copytree(hold_extension_dir, os.path.join(extensions, HOLD_UUID))
        shutil.copytree(probe_dir, os.path.join(extensions, PROBE_UUID))
        self.as_user = []
        if os.geteuid() == 0:
            subprocess.run(["chown", "-R", "65534:65534", self.root], check=True)
            self.as_user = ["setpriv", "--reuid=65534", "--regid=65534", "--clear-groups"]
        self.process = None
        self.bus = None
        self.log = open(os.path.join(self.root, "shell.log"), "wb")

    def folder(self, name, mode=0o755):
        path = os.path.join(self.root, name)
        os.makedirs(path, mode=mode, exist_ok=True)
        os.chmod(path, mode)
        return path

    def hand_over(self, path):
        """Gives a file the test made to the user the desktop runs as."""
        if self.as_user:
            os.chown(path, 65534, 65534)

    def base_environment(self):
        return {"HOME": self.home, "PATH": "/usr/bin:/bin", "XDG_RUNTIME_DIR": self.runtime,
                "XDG_DATA_HOME": self.data, "XDG_CONFIG_HOME": self.config,
                "XDG_CACHE_HOME": os.path.join(self.home, ".cache"),
                "XDG_SESSION_TYPE": "wayland", "XDG_CURRENT_DESKTOP": "GNOME"}

    def client_environment(self):
        env = self.base_environment()
        env.update({"WAYLAND_DISPLAY": DISPLAY_NAME, "DBUS_SESSION_BUS_ADDRESS": self.bus})
        return env

    def user_command(self, arguments, env):
        return self.as_user + ["env", "-i"] + [f"{k}={v}" for k, v in env.items()] + arguments

    def start(self, enabled=(PROBE_UUID, HOLD_UUID), timeout=180):
        """Starts the shell; False when it did not come up (the log says why)."""
        env = self.base_environment()
        env.update({"ENABLED_EXTENSIONS": str(list(enabled)), "DISPLAY_NAME": DISPLAY_NAME,
                    "MONITOR": MONITOR})
        self.process = subprocess.Popen(
            self.user_command(["dbus-run-session", "--", "sh", "-c", SHELL_SCRIPT], env),
            stdout=self.log, stderr=subprocess.STDOUT, start_new_session=True)
        address = os.path.join(self.runtime, "session-bus")
        if not poll(lambda: os.path.exists(address) or self.process.poll() is not None,
                        60):
            return False
        if self.process.poll() is not None:
            return False
        with open(address) as file:
            self.bus = file.read().strip()
        def started():
            state = self.state()
            return state is not None and not state["startingUp"]
        if not poll(started, timeout, step=0.5):
            return False
        # The shell opens in the overview once its start-up animation is over.
        def overview_hidden():
            self.probe("HideOverview")
            return not self.state()["overview"]
        return poll(overview_hidden, 60, step=1.0)

    def stop(self):
        pid_file = os.path.join(self.runtime, "system-bus.pid")
        if self.process and self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGTERM)
            try:
                self.process.wait(10)
            except subprocess.TimeoutExpired:
                os.killpg(self.process.pid, signal.SIGKILL)
                self.process.wait()
        if os.path.exists(pid_file):
            with open(pid_file) as file:
                try:
                    os.kill(int(file.read().strip()), signal.SIGTERM)
                except (ValueError, ProcessLookupError):
                    pass
        self.log.close()

    def remove(self):
        shutil.rmtree(self.root, ignore_errors=True)

    def log_tail(self, lines=30):
        with open(os.path.join(self.root, "shell.log"), errors="replace") as file:
            return "".join(file.readlines()[-lines:])

    def run_as_user(self, arguments, timeout=30, env=None):
        return subprocess.run(self.user_command(arguments, env or self.client_environment()),
                              capture_output=True, text=True, timeout=timeout)

    def spawn_as_user(self, arguments, env=None, **options):
        return subprocess.Popen(self.user_command(arguments, env or self.client_environment()),
                                start_new_session=True, **options)

    def call(self, destination, path, interface, method, signature="", *arguments):
        """One method call on the shell's bus; the decoded reply, or None on an error."""
        # "--": an argument such as "-29" (a key release) is not an option.
        command = ["busctl", "--address=" + self.bus, "--json=short", "call", "--", destination,
                   path, interface, method]
        if signature:
            command += [signature] + [str(a) for a in arguments]
        result = self.run_as_user(command)
        if result.returncode != 0:
            self.last_error = result.stderr.strip()
            return None
        return json.loads(result.stdout)["data"] if result.stdout.strip() else []

    def probe(self, method, signature="", *arguments):
        return self.call("org.gnome.Shell", "/com/tamsorek/QuorvantelTests/Probe",
                         "com.tamsorek.QuorvantelTests.Probe", method, signature, *arguments)

    def state(self):
        reply = self.probe("State")
        return json.loads(reply[0]) if reply else None

    def keys(self, steps):
        self.probe("Keys", "s", steps)

    def holding(self):
        reply = self.call("org.gnome.Shell", "/com/tamsorek/Quorvantel/Shell",
                          "org.freedesktop.DBus.Properties", "Get", "ss",
                          "com.tamsorek.Quorvantel.Shell1", "Holding")
        return bool(reply and reply[0]["data"])

    def screenshot(self, name):
        """The whole stage as raw RGB rows (width, height, bytes)."""
        path = os.path.join(self.root, name + ".png")
        if self.probe("Screenshot", "s", path) is None:
            return None
        converted = subprocess.run(["/usr/bin/convert", path, "-depth", "8", "rgb:-"],
                                   capture_output=True, check=True)
        monitors = self.state()["monitors"]
        width = max(m["x"] + m["width"] for m in monitors)
        height = max(m["y"] + m["height"] for m in monitors)
        return width, height, converted.stdout
