// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/sandbox/CameraHelperSandbox.h"

#include "platform/linux/sandbox/Landlock.h"
#include "platform/linux/sandbox/SyscallFilter.h"

#include <cstring>
#include <dirent.h>
#include <sys/prctl.h>

namespace qv::sandbox {

namespace {

std::vector<std::string> entriesOf(const char* folder) {
    std::vector<std::string> names;
    if (DIR* dir = opendir(folder)) {
        while (const dirent* entry = readdir(dir)) {
            if (entry->d_name[0] != '.') {
                names.emplace_back(entry->d_name);
            }
        }
        closedir(dir);
    }
    return names;
}

bool isVideoNodeName(const std::string& name) {
    return name.size() > 5 && name.starts_with("video") &&
           name.find_first_not_of("0123456789", 5) == std::string::npos;
}

// Capture needs the libraries and plugins it loads (and the loader's cache to find them), the
// device tree udev and V4L2 describe cameras with, the processor's description the pose
// engine sizes its threads by, and entropy.
std::vector<std::string> readablePaths(const SandboxPaths& paths) {
    std::vector<std::string> readable{"/usr/lib",   "/usr/lib64",       "/lib",        "/lib64",
                                      "/usr/share", "/etc/ld.so.cache", "/sys",        "/run/udev",
                                      "/proc/self", "/proc/cpuinfo",    "/dev/urandom"};
    if (!paths.modelFolder.empty()) {
        readable.push_back(paths.modelFolder);
    }
    readable.insert(readable.end(), paths.readOnly.begin(), paths.readOnly.end());
    return readable;
}

// The cameras present now; one plugged in later is for the next helper.
std::vector<std::string> deviceNodes() {
    std::vector<std::string> nodes{"/dev/null"};
    for (const std::string& name : entriesOf("/dev")) {
        if (isVideoNodeName(name)) {
            nodes.push_back("/dev/" + name);
        }
    }
    return nodes;
}

int threadCount() {
    return static_cast<int>(entriesOf("/proc/self/task").size());
}

const char* describe(Mechanism mechanism) {
    switch (mechanism) {
    case Mechanism::applied:
        return "on";
    case Mechanism::missing:
        return "missing from the kernel";
    case Mechanism::failed:
        return "FAILED";
    }
    return "?";
}

} // namespace

bool SandboxReport::isConfined() const {
    return noNewPrivileges && otherThreads == 0 && fileAccess != Mechanism::failed &&
           syscallFilter != Mechanism::failed;
}

std::string SandboxReport::summary() const {
    std::string line = std::string("Camera helper sandbox: no new privileges ") +
                       (noNewPrivileges ? "on" : "FAILED") + "; file rules " + describe(fileAccess);
    if (fileAccess == Mechanism::applied) {
        line += " (Landlock ABI " + std::to_string(landlockAbi) + ")";
    }
    line += std::string("; system call filter ") + describe(syscallFilter) + ".";
    for (const std::string& note : notes) {
        line += ' ' + note;
    }
    return line;
}

SandboxReport enterCameraHelperSandbox(const SandboxPaths& paths) {
    SandboxReport report;
    report.otherThreads = threadCount() - 1;
    if (report.otherThreads > 0) {
        report.notes.push_back("Threads were already running: the file rules miss them.");
    }
    // Both the file rules and the filter require it of an unprivileged process.
    report.noNewPrivileges = prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0;
    // The media framework lists the device folder to tell whether its cache of plugins is
    // still good: without the listing it would rebuild that cache on every start.
    restrictFileAccess({readablePaths(paths), {"/dev"}, deviceNodes()}, report);
    filterSystemCalls(report);
    return report;
}

} // namespace qv::sandbox
