// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/camerahelper/UniqueFd.h"

#include <cstddef>
#include <optional>

namespace qv {

// Anonymous memory two processes map through one descriptor (memfd), mapped read-write.
class SharedMemory {
public:
    // A new region of this size, sealed so that no process holding it can shrink it under
    // the others' mappings (which would fault them) or grow it.
    static std::optional<SharedMemory> create(std::size_t size);
    // A region another process made; its size is what the descriptor says.
    static std::optional<SharedMemory> map(UniqueFd fd);

    SharedMemory(SharedMemory&& other) noexcept;
    SharedMemory& operator=(SharedMemory&& other) noexcept;
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;
    ~SharedMemory();

    void* data() const { return data_; }
    std::size_t size() const { return size_; }
    int fd() const { return fd_.get(); }

private:
    SharedMemory(UniqueFd fd, void* data, std::size_t size);
    void unmap();

    UniqueFd fd_;
    void* data_ = nullptr;
    std::size_t size_ = 0;
};

} // namespace qv
