// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/camerahelper/SharedMemory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <utility>

namespace qv {

namespace {

void* mapShared(int fd, std::size_t size) {
    void* data = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    return data == MAP_FAILED ? nullptr : data;
}

} // namespace

std::optional<SharedMemory> SharedMemory::create(std::size_t size) {
    UniqueFd fd(memfd_create("quorvantel-preview", MFD_CLOEXEC | MFD_ALLOW_SEALING));
    if (!fd.isValid() || size == 0 || ftruncate(fd.get(), static_cast<off_t>(size)) != 0 ||
        fcntl(fd.get(), F_ADD_SEALS, F_SEAL_SHRINK | F_SEAL_GROW | F_SEAL_SEAL) != 0) {
        return std::nullopt;
    }
    void* data = mapShared(fd.get(), size);
    if (data == nullptr) {
        return std::nullopt;
    }
    return SharedMemory(std::move(fd), data, size);
}

std::optional<SharedMemory> SharedMemory::map(UniqueFd fd) {
    struct stat status {};
    if (!fd.isValid() || fstat(fd.get(), &status) != 0 || status.st_size <= 0) {
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(status.st_size);
    void* data = mapShared(fd.get(), size);
    if (data == nullptr) {
        return std::nullopt;
    }
    return SharedMemory(std::move(fd), data, size);
}

SharedMemory::SharedMemory(UniqueFd fd, void* data, std::size_t size)
    : fd_(std::move(fd))
    , data_(data)
    , size_(size) {}

SharedMemory::SharedMemory(SharedMemory&& other) noexcept
    : fd_(std::move(other.fd_))
    , data_(std::exchange(other.data_, nullptr))
    , size_(std::exchange(other.size_, 0)) {}

SharedMemory& SharedMemory::operator=(SharedMemory&& other) noexcept {
    if (this != &other) {
        unmap();
        fd_ = std::move(other.fd_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
    }
    return *this;
}

SharedMemory::~SharedMemory() {
    unmap();
}

void SharedMemory::unmap() {
    if (data_ != nullptr) {
        munmap(data_, size_);
        data_ = nullptr;
    }
}

} // namespace qv
