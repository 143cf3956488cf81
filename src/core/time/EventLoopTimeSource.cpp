// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/time/EventLoopTimeSource.h"

#include <QTimer>
#include <chrono>
#include <cmath>

namespace qv {

EventLoopTimeSource::EventLoopTimeSource() = default;
EventLoopTimeSource::~EventLoopTimeSource() = default;

QDateTime EventLoopTimeSource::now() const {
    return QDateTime::currentDateTimeUtc();
}

double EventLoopTimeSource::monotonicSeconds() const {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

ScheduledTask EventLoopTimeSource::after(double delaySeconds, std::function<void()> task) {
    return startTimer(delaySeconds, false, std::move(task));
}

ScheduledTask EventLoopTimeSource::every(double intervalSeconds, std::function<void()> task) {
    return startTimer(intervalSeconds, true, std::move(task));
}

ScheduledTask EventLoopTimeSource::startTimer(double seconds, bool repeating,
                                              std::function<void()> task) {
    auto token = std::make_shared<ScheduledTask::Token>();
    auto* timer = new QTimer(&timerOwner_);
    timer->setTimerType(Qt::PreciseTimer);
    timer->setSingleShot(!repeating);
    const double ms = std::ceil(std::max(0.0, seconds) * 1000.0);
    timer->setInterval(static_cast<int>(std::min(ms, 2147483647.0)));
    QObject::connect(timer, &QTimer::timeout, timer,
                     [timer, token, task = std::move(task), repeating] {
                         if (token->cancelled) {
                             timer->deleteLater();
                             return;
                         }
                         if (!repeating) {
                             token->cancelled = true;
                             timer->deleteLater();
                         }
                         task();
                     });
    timer->start();
    return ScheduledTask(token);
}

} // namespace qv
