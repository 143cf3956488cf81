// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/sandbox/SyscallFilter.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <optional>
#include <string>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace qv::sandbox {

namespace {

// The architecture the kernel reports for this build's own system calls.
constexpr std::optional<std::uint32_t> nativeArch() {
#if defined(__x86_64__) && defined(__ILP32__)
    return std::nullopt; // x32 shares x86-64's number; its calls are told apart by a bit
#elif defined(__x86_64__)
    return AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    return AUDIT_ARCH_AARCH64;
#elif defined(__i386__)
    return AUDIT_ARCH_I386;
#elif defined(__arm__) && defined(__ARMEL__)
    return AUDIT_ARCH_ARM;
#elif defined(__riscv) && __riscv_xlen == 64
    return AUDIT_ARCH_RISCV64;
#elif defined(__powerpc64__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
    return AUDIT_ARCH_PPC64LE;
#elif defined(__s390x__)
    return AUDIT_ARCH_S390X;
#else
    return std::nullopt;
#endif
}

constexpr std::uint32_t refuse = SECCOMP_RET_ERRNO | (EPERM & SECCOMP_RET_DATA);

// The socket family is an int: the low half of the first argument, wherever the byte order
// puts it.
constexpr std::uint32_t firstArgumentLowWord =
    offsetof(seccomp_data, args) +
    (__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__ ? 0 : sizeof(std::uint32_t));

sock_filter statement(std::uint16_t code, std::uint32_t k) {
    return BPF_STMT(code, k);
}

sock_filter jumpIfEqual(std::uint32_t value, std::uint8_t ifEqual, std::uint8_t otherwise) {
    return BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, value, ifEqual, otherwise);
}

class Program {
public:
    explicit Program(std::uint32_t arch) {
        add(statement(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)));
        add(jumpIfEqual(arch, 1, 0));
        add(statement(BPF_RET | BPF_K, SECCOMP_RET_KILL_PROCESS));
        add(statement(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)));
#if defined(__x86_64__)
        // x32 calls: same architecture, numbers with this bit set.
        add(BPF_JUMP(BPF_JMP | BPF_JGE | BPF_K, __X32_SYSCALL_BIT, 0, 1));
        add(statement(BPF_RET | BPF_K, refuse));
#endif
    }

    void refuseCall(long number) {
        add(jumpIfEqual(static_cast<std::uint32_t>(number), 0, 1));
        add(statement(BPF_RET | BPF_K, refuse));
    }

    // Allowed only for local and netlink sockets, which device discovery uses.
    void refuseForeignSockets(long number) {
        add(jumpIfEqual(static_cast<std::uint32_t>(number), 0, 5));
        add(statement(BPF_LD | BPF_W | BPF_ABS, firstArgumentLowWord));
        add(jumpIfEqual(AF_UNIX, 2, 0));
        add(jumpIfEqual(AF_NETLINK, 1, 0));
        add(statement(BPF_RET | BPF_K, refuse));
        add(statement(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    }

    sock_fprog finish() {
        add(statement(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
        return {static_cast<unsigned short>(code_.size()), code_.data()};
    }

private:
    void add(sock_filter instruction) {
        code_.push_back(instruction);
    }

    std::vector<sock_filter> code_;
};

bool install(const sock_fprog& program) {
    if (syscall(SYS_seccomp, SECCOMP_SET_MODE_FILTER, SECCOMP_FILTER_FLAG_TSYNC, &program) == 0) {
        return true;
    }
    // Kernels before seccomp(2) take the filter through prctl, for the calling thread only.
    return errno == ENOSYS && prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program, 0, 0) == 0;
}

} // namespace

void filterSystemCalls(SandboxReport& report) {
    const std::optional<std::uint32_t> arch = nativeArch();
    if (!arch) {
        report.syscallFilter = Mechanism::missing;
        report.notes.push_back("No system call filter is written for this processor.");
        return;
    }
    Program program(*arch);
    program.refuseForeignSockets(SYS_socket);
    program.refuseForeignSockets(SYS_socketpair);
#if defined(SYS_socketcall)
    // The multiplexed socket call hides its family behind a pointer: refused whole.
    program.refuseCall(SYS_socketcall);
#endif
    program.refuseCall(SYS_execve);
    program.refuseCall(SYS_execveat);
    program.refuseCall(SYS_io_uring_setup);
    const sock_fprog code = program.finish();
    if (install(code)) {
        report.syscallFilter = Mechanism::applied;
        return;
    }
    const int error = errno;
    // A kernel built without filters answers EINVAL to both ways of asking.
    report.syscallFilter = error == EINVAL ? Mechanism::missing : Mechanism::failed;
    report.notes.push_back(std::string("Cannot filter system calls: ") + std::strerror(error) +
                           ".");
}

} // namespace qv::sandbox
