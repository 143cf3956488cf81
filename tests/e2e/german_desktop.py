#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""german_desktop.py QUORVANTEL DESKTOP_SERVICES CATALOGUE

A German user's desktop: Quorvantel started with LANG=de_DE.UTF-8 and LANGUAGE=de, a break a
few seconds away. The heads-up notification the desktop is asked to show, and the labels of
the tray menu a panel reads over the bus, must be the catalogue's German for them.

No generated de_DE locale is needed: Qt reads the language from LANGUAGE and LANG itself, so
this runs on a machine whose C library knows only the C locale.
"""

import json
import os
import queue
import re
import subprocess
import sys
import tempfile
import threading
import time
import xml.etree.ElementTree as ElementTree
from datetime import datetime, timedelta, timezone

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from e2e_session import WARM_SETTINGS, Session, fail  # noqa: E402

PLACEHOLDER = re.compile(r"%L?\d+|%n")


def catalogue(path):
    """(context, English source, [German forms]) of every finished message."""
    messages = []
    for context in ElementTree.parse(path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            forms = [f.text for f in translation.iter("numerusform")] or [translation.text]
            messages.append((name, message.findtext("source"), [f for f in forms if f]))
    return messages


def german(messages, context, source):
    for name, english, forms in messages:
        if name == context and english == source and forms:
            return forms[0]
    fail(f"the catalogue has no German for {context}/{source!r}")


def as_pattern(text):
    """The text with whatever the program fills in left open."""
    pieces = PLACEHOLDER.split(text)
    return re.compile(".+?".join(re.escape(piece) for piece in pieces), re.DOTALL)


def desktop_date(date):
    return date.astimezone(timezone.utc).strftime("%Y-%m-%dT%H:%M:%S.000Z")


def german_session(binary, root):
    session = Session(binary, root)
    for name in ("QUORVANTEL_LANGUAGE", "LC_ALL", "LC_MESSAGES"):
        session.env.pop(name, None)
    session.env.update(LANG="de_DE.UTF-8", LANGUAGE="de")
    # A cycle that started long ago: the break is due within the heads-up's minute, so the
    # heads-up is due at once, with time to spare for a slow start.
    now = datetime.now(timezone.utc)
    settings = dict(WARM_SETTINGS)
    settings.update({"scheduler.state": "working",
                     "scheduler.startedAt": desktop_date(now - timedelta(minutes=49, seconds=5)),
                     "scheduler.deadline": desktop_date(now + timedelta(seconds=55))})
    session.write_settings(settings)
    return session


class DesktopServices:
    """The notification server and tray host, whose reports arrive on a queue."""

    def __init__(self, program, env):
        self.process = subprocess.Popen([program], env=env, stdout=subprocess.PIPE, text=True)
        self.reports = queue.Queue()
        self.seen = []
        threading.Thread(target=self.read, daemon=True).start()
        self.next("ready", 30)

    def read(self):
        for line in self.process.stdout:
            self.reports.put(json.loads(line))

    def next(self, kind, timeout):
        """The first report of that kind not yet taken; reports of other kinds wait their turn,
        whichever order they came in."""
        deadline = time.monotonic() + timeout
        while True:
            for report in self.seen:
                if kind in report:
                    self.seen.remove(report)
                    return report[kind]
            try:
                self.seen.append(
                    self.reports.get(timeout=max(0.1, deadline - time.monotonic())))
            except queue.Empty:
                fail(f"the desktop saw no {kind} within {timeout} s")

    def close(self):
        self.process.kill()
        self.process.wait()


def check_notification(shown, messages):
    summary = german(messages, "Notification", "Break in one minute")
    if shown["summary"] != summary:
        fail(f"the heads-up's summary is {shown['summary']!r}, not {summary!r}")
    body = german(messages, "Notification",
                  "Wrap up what you are doing. Quorvantel will start the break at %1.")
    if not as_pattern(body).fullmatch(shown["body"]):
        fail(f"the heads-up's body {shown['body']!r} is not the catalogue's {body!r}")
    titles = shown["actions"][1::2]
    wanted = [german(messages, "Notification", "Start now"),
              german(messages, "Notification", "+5 min")]
    if titles != wanted:
        fail(f"the heads-up's buttons are {titles!r}, not {wanted!r}")


def check_menu(labels, messages):
    translated = [as_pattern(form) for _, english, forms in messages for form in forms
                  if form != english and re.search(r"[^\W\d_]{3}", PLACEHOLDER.sub("", form))]
    if len(labels) < 4:
        fail(f"the tray menu shows only {labels!r}")
    for label in labels:
        if not any(pattern.fullmatch(label) for pattern in translated):
            fail(f"the tray menu's {label!r} is none of the catalogue's German")


def main():
    binary, services_program, catalogue_path = sys.argv[1:4]
    messages = catalogue(catalogue_path)
    with tempfile.TemporaryDirectory(prefix="qv-german-") as root:
        session = german_session(binary, root)
        services = DesktopServices(services_program, session.env)
        try:
            session.launch([])
            session.wait_until_running()
            check_menu(services.next("menu", 60), messages)
            check_notification(services.next("notify", 60), messages)
        finally:
            session.close()
            services.close()
    print("PASS", flush=True)


if __name__ == "__main__":
    main()
