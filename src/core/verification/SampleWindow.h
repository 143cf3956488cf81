// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>

namespace qv {

// The last N values in arrival order, in fixed storage: classifiers keep a few of these and
// update them on every camera frame without allocating.
template <typename T, std::size_t N> class SampleWindow {
public:
    static_assert(N > 0);

    void push(const T& value) {
        if (count_ < N) {
            items_[(start_ + count_) % N] = value;
            ++count_;
        } else {
            items_[start_] = value;
            start_ = (start_ + 1) % N;
        }
    }
    void clear() {
        start_ = 0;
        count_ = 0;
    }

    std::size_t size() const { return count_; }
    bool empty() const { return count_ == 0; }
    bool full() const { return count_ == N; }
    // Oldest first.
    const T& operator[](std::size_t i) const { return items_[(start_ + i) % N]; }
    const T& back() const { return (*this)[count_ - 1]; }

    // Mean of field(value), summed oldest first; none while empty.
    template <typename Field> std::optional<double> meanOf(Field field) const {
        if (empty()) {
            return std::nullopt;
        }
        double sum = 0;
        for (std::size_t i = 0; i < count_; ++i) {
            sum += field((*this)[i]);
        }
        return sum / static_cast<double>(count_);
    }
    std::optional<double> mean() const {
        return meanOf([](const T& value) { return static_cast<double>(value); });
    }

private:
    std::array<T, N> items_{};
    std::size_t start_ = 0;
    std::size_t count_ = 0;
};

} // namespace qv
