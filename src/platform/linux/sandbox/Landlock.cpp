// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/sandbox/Landlock.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <linux/landlock.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace qv::sandbox {

namespace {

// Rights of later kernels than the headers this builds with; the values are kernel ABI.
constexpr std::uint64_t accessFsTruncate = 1ULL << 14;   // ABI 3
constexpr std::uint64_t accessFsIoctlDev = 1ULL << 15;   // ABI 5
constexpr std::uint64_t accessNetBindTcp = 1ULL << 0;    // ABI 4
constexpr std::uint64_t accessNetConnectTcp = 1ULL << 1; // ABI 4
constexpr std::uint64_t scopeAbstractUnix = 1ULL << 0;   // ABI 6
constexpr std::uint64_t scopeSignal = 1ULL << 1;         // ABI 6

// The ruleset attribute grew with the ABI; the kernel takes the size of the part it knows.
struct RulesetAttr {
    std::uint64_t handledAccessFs = 0;
    std::uint64_t handledAccessNet = 0;
    std::uint64_t scoped = 0;
};

std::size_t rulesetAttrSize(int abi) {
    if (abi >= 6) {
        return sizeof(RulesetAttr);
    }
    return abi >= 4 ? 2 * sizeof(std::uint64_t) : sizeof(std::uint64_t);
}

int createRuleset(const RulesetAttr* attr, std::size_t size, std::uint32_t flags) {
    return static_cast<int>(syscall(SYS_landlock_create_ruleset, attr, size, flags));
}

std::uint64_t handledFileAccess(int abi) {
    std::uint64_t access = (LANDLOCK_ACCESS_FS_MAKE_SYM << 1) - 1; // ABI 1: bits 0 to 12
    if (abi >= 2) {
        access |= LANDLOCK_ACCESS_FS_REFER;
    }
    if (abi >= 3) {
        access |= accessFsTruncate;
    }
    if (abi >= 5) {
        access |= accessFsIoctlDev;
    }
    return access;
}

constexpr std::uint64_t fileOnlyAccess =
    LANDLOCK_ACCESS_FS_EXECUTE | LANDLOCK_ACCESS_FS_WRITE_FILE | LANDLOCK_ACCESS_FS_READ_FILE |
    accessFsTruncate | accessFsIoctlDev;

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }

private:
    int fd_;
};

void noteFailure(SandboxReport& report, const std::string& what, int error) {
    report.notes.push_back(what + ": " + std::strerror(error) + ".");
}

// A path that is not there (no /run/udev in a container) simply grants nothing.
void allow(int ruleset, const std::string& path, std::uint64_t access, SandboxReport& report) {
    const FileDescriptor fd(open(path.c_str(), O_PATH | O_CLOEXEC));
    if (fd.get() < 0) {
        const int error = errno;
        if (error != ENOENT && error != ENOTDIR) {
            noteFailure(report, "Cannot grant access to " + path, error);
        }
        return;
    }
    struct stat info {};
    if (fstat(fd.get(), &info) != 0) {
        return;
    }
    landlock_path_beneath_attr rule{};
    rule.allowed_access = S_ISDIR(info.st_mode) ? access : access & fileOnlyAccess;
    rule.parent_fd = fd.get();
    if (syscall(SYS_landlock_add_rule, ruleset, LANDLOCK_RULE_PATH_BENEATH, &rule, 0) != 0) {
        const int error = errno;
        noteFailure(report, "Cannot grant access to " + path, error);
    }
}

// The Landlock ABI the kernel offers, or why there is none.
int abiVersion(SandboxReport& report) {
    const int abi = createRuleset(nullptr, 0, LANDLOCK_CREATE_RULESET_VERSION);
    const int error = errno;
    if (abi > 0) {
        report.landlockAbi = abi;
        return abi;
    }
    if (error == ENOSYS || error == EOPNOTSUPP) {
        report.fileAccess = Mechanism::missing;
        report.notes.push_back(error == ENOSYS
                                   ? "The kernel has no Landlock: file access stays the user's."
                                   : "Landlock is turned off here: file access stays the user's.");
    } else {
        noteFailure(report, "Landlock did not answer", error);
    }
    return 0;
}

} // namespace

void restrictFileAccess(const FileRules& rules, SandboxReport& report) {
    const int abi = abiVersion(report);
    if (abi == 0) {
        return;
    }
    RulesetAttr attr;
    attr.handledAccessFs = handledFileAccess(abi);
    if (abi >= 4) {
        attr.handledAccessNet = accessNetBindTcp | accessNetConnectTcp;
    }
    if (abi >= 6) {
        attr.scoped = scopeAbstractUnix | scopeSignal;
    }
    const FileDescriptor ruleset(createRuleset(&attr, rulesetAttrSize(abi), 0));
    if (ruleset.get() < 0) {
        const int error = errno;
        noteFailure(report, "Cannot make the file rules", error);
        return;
    }
    const std::uint64_t read = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_READ_DIR;
    for (const std::string& path : rules.readOnly) {
        allow(ruleset.get(), path, read, report);
    }
    for (const std::string& path : rules.listOnly) {
        allow(ruleset.get(), path, LANDLOCK_ACCESS_FS_READ_DIR, report);
    }
    const std::uint64_t device = LANDLOCK_ACCESS_FS_READ_FILE | LANDLOCK_ACCESS_FS_WRITE_FILE |
                                 (abi >= 5 ? accessFsIoctlDev : 0);
    for (const std::string& path : rules.readWrite) {
        allow(ruleset.get(), path, device, report);
    }
    if (syscall(SYS_landlock_restrict_self, ruleset.get(), 0) != 0) {
        const int error = errno;
        noteFailure(report, "Cannot apply the file rules", error);
        return;
    }
    report.fileAccess = Mechanism::applied;
}

} // namespace qv::sandbox
