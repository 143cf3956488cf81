// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <deque>
#include <functional>
#include <mutex>

namespace qv {

// Runs posted work, in order, on the thread it lives on. The work itself travels through a
// std::mutex and only a bare wake-up through Qt's event queue: Qt's own locks are invisible to
// the thread sanitizer, which would otherwise take every hand-over for a race.
class WorkInbox final : public QObject {
public:
    WorkInbox() = default;
    ~WorkInbox() override;
    WorkInbox(const WorkInbox&) = delete;
    WorkInbox& operator=(const WorkInbox&) = delete;

    void post(std::function<void()> work);

protected:
    void customEvent(QEvent* event) override;

private:
    std::mutex mutex_;
    std::deque<std::function<void()>> pending_;
};

// A thread of its own that runs posted work one item at a time, in order, with a Qt event
// loop (so objects that need one, like a camera, can live there).
class SerialQueue {
public:
    explicit SerialQueue(const QString& name);
    // Runs the work already posted, then ends the thread.
    ~SerialQueue();
    SerialQueue(const SerialQueue&) = delete;
    SerialQueue& operator=(const SerialQueue&) = delete;

    void post(std::function<void()> work);
    bool isCurrent() const { return QThread::currentThread() == &thread_; }

private:
    QThread thread_;
    WorkInbox* inbox_; // lives on thread_
};

// Runs work on the thread that created this object's owner (the main thread), unless the
// owner is gone by then.
class MainThreadPoster {
public:
    void post(std::function<void()> work);

private:
    WorkInbox inbox_;
};

} // namespace qv
