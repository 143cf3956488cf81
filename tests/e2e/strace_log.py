# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads what an `strace -f -y` log says a process tree wrote and which sockets it opened."""

import os
import re

TRACED_CALLS = ("open,openat,openat2,creat,rename,renameat,renameat2,link,linkat,symlink,"
                "symlinkat,unlink,unlinkat,mkdir,mkdirat,truncate,socket")

_LINE = re.compile(r"^(\d+)\s+(.*)$")
_CALL = re.compile(r"^(\w+)\((.*)\)\s+=\s+(-?\d+|\?)")
_UNFINISHED = " <unfinished ...>"
_RESUMED = re.compile(r"^<\.\.\. (\w+) resumed>(.*)$")
# A directory argument: AT_FDCWD, or a descriptor that -y shows with its path.
_DIRFD = r"(?:AT_FDCWD|-?\d+)(?:<([^>]*)>)?"
_STRING = r'"((?:[^"\\]|\\.)*)"'
_WRITE_FLAGS = ("O_WRONLY", "O_RDWR", "O_CREAT", "O_TRUNC", "O_APPEND", "O_TMPFILE")


def _unescape(text):
    return text.encode("latin-1", "backslashreplace").decode("unicode_escape").encode(
        "latin-1").decode("utf-8", "replace")


def _absolute(path, base, cwd):
    if not path.startswith("/"):
        path = os.path.join(base if base else cwd, path)
    return os.path.normpath(path)


def _joined_lines(lines):
    """Puts each call split by another process's call (unfinished ... resumed) back together."""
    pending = {}
    for line in lines:
        match = _LINE.match(line.rstrip("\n"))
        if not match:
            continue
        pid, rest = match.groups()
        if rest.endswith(_UNFINISHED):
            pending[pid] = rest[: -len(_UNFINISHED)]
            continue
        resumed = _RESUMED.match(rest)
        if resumed and pid in pending:
            rest = pending.pop(pid) + resumed.group(2)
        yield pid, rest


class Trace:
    def __init__(self, path, cwd):
        # (call, absolute path, the call's text) of every successful call that wrote.
        self.writes = []
        # (family, the call's text) of every socket() asked for, successful or not.
        self.sockets = []
        self.exit_codes = {}
        with open(path, errors="replace") as file:
            for pid, text in _joined_lines(file):
                exited = re.match(r"^\+\+\+ exited with (\d+) \+\+\+", text)
                if exited:
                    self.exit_codes[pid] = int(exited.group(1))
                    continue
                killed = re.match(r"^\+\+\+ killed by (\w+)", text)
                if killed:
                    self.exit_codes[pid] = killed.group(1)
                    continue
                call = _CALL.match(text)
                if call:
                    self._add(call.group(1), call.group(2), call.group(3), text, cwd)

    def _add(self, name, args, result, text, cwd):
        if name == "socket":
            self.sockets.append((args.split(",")[0].strip(), text))
            return
        if result == "?" or int(result) < 0:
            return
        paths = self._paths(name, args, cwd)
        if paths is None:
            paths = ["<unparsed>"]
        for path in paths:
            # The source of a link from an unnamed temporary file is that file, not a path.
            if not re.match(r"^/proc/self/fd/\d+$", path):
                self.writes.append((name, path, text))

    @staticmethod
    def _paths(name, args, cwd):
        """The paths a successful call wrote; None when the call's text was not understood."""
        def match(*parts):
            return re.match(", ".join(parts), args)

        if name in ("open", "creat", "truncate", "mkdir", "unlink"):
            m = match(_STRING + r"(.*)")
            if not m:
                return None
            writes = name != "open" or _writes(m.group(2))
            return [_absolute(_unescape(m.group(1)), None, cwd)] if writes else []
        if name in ("openat", "openat2", "mkdirat", "unlinkat"):
            m = match(_DIRFD, _STRING + r"(.*)")
            if not m:
                return None
            writes = not name.startswith("open") or _writes(m.group(3))
            return [_absolute(_unescape(m.group(2)), m.group(1), cwd)] if writes else []
        if name in ("rename", "link", "symlink"):
            m = match(_STRING, _STRING)
            return [_absolute(_unescape(m.group(i)), None, cwd) for i in (1, 2)] if m else None
        if name in ("renameat", "renameat2", "linkat"):
            m = match(_DIRFD, _STRING, _DIRFD, _STRING)
            if not m:
                return None
            return [_absolute(_unescape(m.group(2)), m.group(1), cwd),
                    _absolute(_unescape(m.group(4)), m.group(3), cwd)]
        if name == "symlinkat":
            m = match(_STRING, _DIRFD, _STRING)
            return [_absolute(_unescape(m.group(3)), m.group(2), cwd)] if m else None
        return None

    def network_sockets(self):
        return [text for family, text in self.sockets if family in ("AF_INET", "AF_INET6")]


def _writes(flags_and_mode):
    flags = flags_and_mode.lstrip(", ").removeprefix("{flags=").split(",")[0]
    return any(flag in flags.split("|") for flag in _WRITE_FLAGS)
