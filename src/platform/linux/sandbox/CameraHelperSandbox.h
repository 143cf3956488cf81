// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// The rights the camera helper gives up before it touches a camera or the pose model. Plain
// C++ and system calls, no Qt: the helper enters it first thing, before any library starts a
// thread.
namespace qv::sandbox {

// What the helper may still read once confined, beyond the system's libraries, plugins and
// device information.
struct SandboxPaths {
    std::string modelFolder;
    // Anything else the run needs to read: a video file standing in for the camera, the media
    // framework's plugin cache.
    std::vector<std::string> readOnly;
};

enum class Mechanism {
    applied,
    missing, // the running kernel does not offer it
    failed,  // offered, but refused: the helper is not confined by it
};

struct SandboxReport {
    bool noNewPrivileges = false;
    Mechanism fileAccess = Mechanism::failed; // Landlock
    int landlockAbi = 0;
    Mechanism syscallFilter = Mechanism::failed; // seccomp
    // Threads that were running already: they escape the file rules.
    int otherThreads = 0;
    // Sentences for the log: what the kernel lacked, what went wrong.
    std::vector<std::string> notes;

    // Every mechanism the kernel offers is in force for the whole process.
    bool isConfined() const;
    // One line for the log.
    std::string summary() const;
};

// Call while the process still has a single thread: the no-new-privileges bit and the file
// rules reach only the calling thread and what it starts later. Never fails outright; the
// report says what holds.
SandboxReport enterCameraHelperSandbox(const SandboxPaths& paths);

} // namespace qv::sandbox
