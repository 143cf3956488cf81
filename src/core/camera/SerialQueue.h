#pragma once

#include <QObject>
#include <QString>
#include <QThread>
#include <functional>

namespace qv {

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
    QObject* context_; // lives on thread_
};

// Runs work on the thread that created this object's owner (the main thread), unless the
// owner is gone by then.
class MainThreadPoster {
public:
    void post(std::function<void()> work);

private:
    QObject context_;
};

} // namespace qv
