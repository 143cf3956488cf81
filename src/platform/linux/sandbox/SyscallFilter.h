// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/sandbox/CameraHelperSandbox.h"

namespace qv::sandbox {

// Refuses, with EPERM, the system calls a camera helper has no use for and that would let it
// reach the network or run another program: sockets other than local and netlink ones,
// execve/execveat, and io_uring (whose operations open sockets without passing the filter).
// Everything else stays allowed. Calls of another processor mode (32-bit on a 64-bit kernel)
// end the process: their numbers mean different calls. Applies to every thread.
void filterSystemCalls(SandboxReport& report);

} // namespace qv::sandbox
