// SPDX-License-Identifier: GPL-3.0-or-later
// Enters the camera helper's sandbox and tries what a helper may and may not do, one line per
// attempt: "NAME: allowed" or "NAME: refused" (or "NAME: failed ERROR" for anything else).
// Usage: sandbox_probe MODEL_FILE [--thread-first]; writes and reads under $HOME.
#include "platform/linux/sandbox/CameraHelperSandbox.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/mman.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

// result is what the call returned: negative for a failure described by errno.
void report(const char* name, long result) {
    const int error = errno;
    if (result >= 0) {
        std::printf("%s: allowed\n", name);
        if (result > 2) {
            close(static_cast<int>(result));
        }
    } else if (error == EPERM || error == EACCES) {
        std::printf("%s: refused\n", name);
    } else {
        std::printf("%s: failed %s\n", name, std::strerror(error));
    }
}

long openFile(const std::string& path, int flags) {
    return open(path.c_str(), flags | O_CLOEXEC, 0600);
}

long execTrue() {
    const pid_t child = fork();
    if (child == 0) {
        char* const argv[] = {const_cast<char*>("/bin/true"), nullptr};
        execve("/bin/true", argv, environ);
        _exit(errno == EPERM ? 100 : 101);
    }
    int status = 0;
    waitpid(child, &status, 0);
    errno = WIFEXITED(status) && WEXITSTATUS(status) == 100 ? EPERM : EIO;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : -1;
}

long sharedPicture() {
    const int fd = memfd_create("preview", MFD_CLOEXEC);
    if (fd < 0 || ftruncate(fd, 1 << 20) != 0) {
        return -1;
    }
    void* pixels = mmap(nullptr, 1 << 20, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (pixels == MAP_FAILED) {
        return -1;
    }
    std::memset(pixels, 0x80, 1 << 20);
    munmap(pixels, 1 << 20);
    return fd;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return 2;
    }
    const std::string model = argv[1];
    const std::string home = std::getenv("HOME");
    std::thread early;
    if (argc > 2 && std::string(argv[2]) == "--thread-first") {
        early = std::thread([] { pause(); });
        early.detach();
    }
    const qv::sandbox::SandboxReport entered = qv::sandbox::enterCameraHelperSandbox(
        {std::filesystem::path(model).parent_path().string(), {}});
    std::printf("summary: %s\n", entered.summary().c_str());
    std::printf("file rules: %s\n",
                entered.fileAccess == qv::sandbox::Mechanism::applied ? "applied" : "absent");
    std::printf("confined: %s\n", entered.isConfined() ? "yes" : "no");

    report("inet socket", socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0));
    report("inet6 socket", socket(AF_INET6, SOCK_DGRAM | SOCK_CLOEXEC, 0));
    report("exec", execTrue());
    report("home write", openFile(home + "/written-by-helper", O_WRONLY | O_CREAT));
    report("home read", openFile(home + "/private", O_RDONLY));
    report("model write", openFile(model, O_WRONLY));
    int pair[2];
    report("unix socketpair", socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair));
    report("netlink socket", socket(AF_NETLINK, SOCK_RAW | SOCK_CLOEXEC, 15)); // kobject uevents
    report("model read", openFile(model, O_RDONLY));
    report("library read", openFile("/usr/lib/os-release", O_RDONLY));
    report("shared picture", sharedPicture());
    return 0;
}
