// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <optional>

namespace qv {

// The largest value pushed over the last one to two blocks of time, kept in two numbers
// instead of every sample: what the classifiers need of "the top of the recent motion".
class RecentMaximum {
public:
    explicit RecentMaximum(double blockSeconds)
        : blockSeconds_(blockSeconds) {}

    void push(double value, double now) {
        if (!blockStart_ || now - *blockStart_ >= blockSeconds_) {
            previous_ = current_;
            current_ = value;
            blockStart_ = now;
        } else {
            current_ = std::max(*current_, value);
        }
    }
    std::optional<double> value() const {
        if (!current_) {
            return std::nullopt;
        }
        return previous_ ? std::max(*previous_, *current_) : current_;
    }
    void clear() {
        blockStart_.reset();
        previous_.reset();
        current_.reset();
    }

private:
    double blockSeconds_;
    std::optional<double> blockStart_;
    std::optional<double> previous_;
    std::optional<double> current_;
};

} // namespace qv
