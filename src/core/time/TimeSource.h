// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QTimeZone>
#include <functional>
#include <memory>

namespace qv {

// A delayed or repeating task that stops when the handle is cancelled or destroyed, so an
// owner that goes away can never be called back.
class ScheduledTask {
public:
    struct Token {
        bool cancelled = false;
    };

    ScheduledTask() = default;
    explicit ScheduledTask(std::shared_ptr<Token> token)
        : token_(std::move(token)) {}
    ScheduledTask(ScheduledTask&&) noexcept = default;
    ScheduledTask& operator=(ScheduledTask&& other) noexcept;
    ScheduledTask(const ScheduledTask&) = delete;
    ScheduledTask& operator=(const ScheduledTask&) = delete;
    ~ScheduledTask() { cancel(); }

    void cancel();
    bool isActive() const { return token_ && !token_->cancelled; }

private:
    std::shared_ptr<Token> token_;
};

// The one source of time: the wall clock for dates, a monotonic clock for measuring
// durations, and delayed or repeating work on the main thread.
class TimeSource {
public:
    virtual ~TimeSource() = default;

    // The current date, in UTC.
    virtual QDateTime now() const = 0;
    // Seconds on a clock that never jumps; only differences are meaningful.
    virtual double monotonicSeconds() const = 0;

    // Runs task once after delaySeconds (0 or less: on the next turn of the loop).
    [[nodiscard]] virtual ScheduledTask after(double delaySeconds, std::function<void()> task) = 0;
    // Runs task every intervalSeconds until the handle is cancelled; the first run comes one
    // interval from now.
    [[nodiscard]] virtual ScheduledTask every(double intervalSeconds,
                                              std::function<void()> task) = 0;
};

} // namespace qv
