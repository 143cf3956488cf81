// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/VirtualTimeSource.h"

#include <algorithm>
#include <cmath>

namespace qv {

VirtualTimeSource::VirtualTimeSource(QDateTime start)
    : wallOffsetMs_(start.toMSecsSinceEpoch()) {}

QDateTime VirtualTimeSource::now() const {
    return QDateTime::fromMSecsSinceEpoch(wallOffsetMs_ + elapsedMs_, Qt::UTC);
}

double VirtualTimeSource::monotonicSeconds() const {
    // Offset so that code never relies on the monotonic clock starting at zero.
    return 1000.0 + static_cast<double>(elapsedMs_) / 1000.0;
}

std::int64_t VirtualTimeSource::toMs(double seconds) {
    return std::max<std::int64_t>(0, std::llround(seconds * 1000.0));
}

ScheduledTask VirtualTimeSource::after(double delaySeconds, std::function<void()> task) {
    return enqueue(elapsedMs_ + toMs(delaySeconds),
                   Entry{std::make_shared<ScheduledTask::Token>(), std::move(task), 0});
}

ScheduledTask VirtualTimeSource::every(double intervalSeconds, std::function<void()> task) {
    // A zero interval would spin forever inside one advance.
    const std::int64_t interval = std::max<std::int64_t>(1, toMs(intervalSeconds));
    return enqueue(elapsedMs_ + interval,
                   Entry{std::make_shared<ScheduledTask::Token>(), std::move(task), interval});
}

ScheduledTask VirtualTimeSource::enqueue(std::int64_t dueMs, Entry entry) {
    auto token = entry.token;
    queue_.emplace(Key{dueMs, nextSequence_++}, std::move(entry));
    return ScheduledTask(token);
}

void VirtualTimeSource::advance(double seconds) {
    advanceMs(toMs(seconds));
}

void VirtualTimeSource::advanceMs(std::int64_t milliseconds) {
    const std::int64_t target = elapsedMs_ + std::max<std::int64_t>(0, milliseconds);
    while (!queue_.empty() && queue_.begin()->first.first <= target) {
        auto node = queue_.extract(queue_.begin());
        Entry& entry = node.mapped();
        if (entry.token->cancelled) {
            continue;
        }
        elapsedMs_ = std::max(elapsedMs_, node.key().first);
        if (entry.intervalMs > 0) {
            // Re-queued before it runs, so that the task may cancel itself; map nodes stay put
            // while the task schedules others.
            const Key next{elapsedMs_ + entry.intervalMs, nextSequence_++};
            auto it = queue_.emplace(next, std::move(entry)).first;
            it->second.task();
        } else {
            entry.token->cancelled = true;
            entry.task();
        }
    }
    elapsedMs_ = target;
}

void VirtualTimeSource::jumpWallClock(double seconds) {
    wallOffsetMs_ += std::llround(seconds * 1000.0);
}

void VirtualTimeSource::setWallClock(const QDateTime& date) {
    wallOffsetMs_ = date.toMSecsSinceEpoch() - elapsedMs_;
}

std::size_t VirtualTimeSource::pendingTaskCount() const {
    return static_cast<std::size_t>(std::count_if(
        queue_.begin(), queue_.end(), [](const auto& e) { return !e.second.token->cancelled; }));
}

} // namespace qv
