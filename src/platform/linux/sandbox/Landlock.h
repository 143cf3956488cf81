// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/sandbox/CameraHelperSandbox.h"

namespace qv::sandbox {

struct FileRules {
    std::vector<std::string> readOnly;
    // Folders whose entries may be listed, and nothing more.
    std::vector<std::string> listOnly;
    // Device nodes: read, written and driven with ioctls.
    std::vector<std::string> readWrite;
};

// Confines the calling thread's file access to the rules; TCP is refused too where the kernel
// can filter it. Needs no-new-privileges set first. The report's file-access fields and notes
// are filled in.
void restrictFileAccess(const FileRules& rules, SandboxReport& report);

} // namespace qv::sandbox
