// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/media/SharedPreviewSlots.h"

#include <atomic>
#include <cstring>

namespace qv {

namespace {

constexpr std::size_t slotAlignment = 64;

std::size_t roundUp(std::size_t bytes) {
    return (bytes + slotAlignment - 1) / slotAlignment * slotAlignment;
}

std::atomic_ref<std::uint32_t> sequenceOf(std::byte* slot) {
    return std::atomic_ref<std::uint32_t>(*reinterpret_cast<std::uint32_t*>(slot));
}

} // namespace

std::size_t SharedPreviewSlots::bytesFor(int longerSide) {
    const auto side = static_cast<std::size_t>(std::max(1, longerSide));
    return slotCount * roundUp(headerBytes + side * side * 3);
}

SharedPreviewSlots::SharedPreviewSlots(void* memory, std::size_t size)
    : memory_(static_cast<std::byte*>(memory))
    , slotBytes_(size / slotCount / slotAlignment * slotAlignment) {
    if (memory_ == nullptr || slotBytes_ <= headerBytes ||
        reinterpret_cast<std::uintptr_t>(memory_) % alignof(std::uint32_t) != 0) {
        memory_ = nullptr;
        slotBytes_ = 0;
    }
}

std::byte* SharedPreviewSlots::slot(std::uint32_t index) const {
    return memory_ + static_cast<std::size_t>(index) * slotBytes_;
}

std::optional<PreviewRef> SharedPreviewSlots::write(const Image& picture) {
    const auto bytes = static_cast<std::size_t>(picture.rgb().size());
    if (isNull() || picture.isNull() || bytes > pixelBytes()) {
        return std::nullopt;
    }
    const std::uint32_t index = written_ % slotCount;
    const std::uint32_t done = 2 * (written_ + 1);
    ++written_;
    std::byte* target = slot(index);
    // A read-modify-write with acquire keeps the pixel writes below from moving above it, so
    // no reader sees new pixels under the old, even number.
    sequenceOf(target).exchange(done - 1, std::memory_order_acq_rel);
    std::memcpy(target + headerBytes, picture.rgb().constData(), bytes);
    sequenceOf(target).store(done, std::memory_order_release);
    return PreviewRef{index, done, picture.width(), picture.height()};
}

std::optional<Image> SharedPreviewSlots::read(const PreviewRef& ref) const {
    const auto bytes =
        static_cast<std::size_t>(ref.width) * static_cast<std::size_t>(ref.height) * 3;
    if (isNull() || ref.slot >= slotCount || ref.width <= 0 || ref.height <= 0 ||
        bytes > pixelBytes() || ref.sequence % 2 != 0) {
        return std::nullopt;
    }
    std::byte* source = slot(ref.slot);
    if (sequenceOf(source).load(std::memory_order_acquire) != ref.sequence) {
        return std::nullopt;
    }
    QByteArray rgb(static_cast<qsizetype>(bytes), Qt::Uninitialized);
    std::memcpy(rgb.data(), source + headerBytes, bytes);
    // Adding nothing with release keeps the copy's reads from moving below this second look.
    if (sequenceOf(source).fetch_add(0, std::memory_order_acq_rel) != ref.sequence) {
        return std::nullopt;
    }
    return Image(ref.width, ref.height, std::move(rgb));
}

} // namespace qv
