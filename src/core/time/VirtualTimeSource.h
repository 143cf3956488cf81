// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/time/TimeSource.h"

#include <cstdint>
#include <map>
#include <utility>

namespace qv {

// Time that moves only when told to. Due tasks run in order of their due time (ties in the
// order they were scheduled), with the clocks set to that due time while they run; a task may
// schedule further tasks, which run within the same advance when they fall due in it.
class VirtualTimeSource final : public TimeSource {
public:
    explicit VirtualTimeSource(QDateTime start = QDateTime::fromMSecsSinceEpoch(
                                   1'767'225'600'000, Qt::UTC)); // 2026-01-01 00:00 UTC

    QDateTime now() const override;
    double monotonicSeconds() const override;
    ScheduledTask after(double delaySeconds, std::function<void()> task) override;
    ScheduledTask every(double intervalSeconds, std::function<void()> task) override;

    // Moves both clocks forward, running every task that falls due on the way.
    void advance(double seconds);
    void advanceMs(std::int64_t milliseconds);
    // Runs the tasks due now (delays of zero) without moving time.
    void runDueTasks() { advanceMs(0); }
    // Moves the wall clock alone, as a suspended machine or a clock change does; no task runs.
    void jumpWallClock(double seconds);
    void setWallClock(const QDateTime& date);

    std::size_t pendingTaskCount() const;

private:
    struct Entry {
        std::shared_ptr<ScheduledTask::Token> token;
        std::function<void()> task;
        std::int64_t intervalMs = 0; // 0 for a one-shot task
    };
    using Key = std::pair<std::int64_t, std::uint64_t>; // due time, order of scheduling

    ScheduledTask enqueue(std::int64_t dueMs, Entry entry);
    static std::int64_t toMs(double seconds);

    std::int64_t wallOffsetMs_;
    std::int64_t elapsedMs_ = 0;
    std::uint64_t nextSequence_ = 0;
    std::map<Key, Entry> queue_;
};

} // namespace qv
