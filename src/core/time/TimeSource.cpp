// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/TimeSource.h"

namespace qv {

ScheduledTask& ScheduledTask::operator=(ScheduledTask&& other) noexcept {
    if (this != &other) {
        cancel();
        token_ = std::move(other.token_);
    }
    return *this;
}

void ScheduledTask::cancel() {
    if (token_) {
        token_->cancelled = true;
        token_.reset();
    }
}

} // namespace qv
