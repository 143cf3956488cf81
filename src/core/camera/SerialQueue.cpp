// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/SerialQueue.h"

#include <QCoreApplication>
#include <QEvent>

namespace qv {

WorkInbox::~WorkInbox() {
    // The thread that ran the work has ended (QThread::wait) or is this one; taking the lock
    // once more lets the sanitizer see that order, which Qt's own join does not show it.
    const std::lock_guard lock(mutex_);
    pending_.clear();
}

void WorkInbox::post(std::function<void()> work) {
    {
        std::lock_guard lock(mutex_);
        pending_.push_back(std::move(work));
    }
    // One wake-up per item, so items interleave with the thread's other events as before.
    QCoreApplication::postEvent(this, new QEvent(QEvent::User));
}

void WorkInbox::customEvent(QEvent* /*event*/) {
    std::function<void()> work;
    {
        std::lock_guard lock(mutex_);
        if (pending_.empty()) {
            return;
        }
        work = std::move(pending_.front());
        pending_.pop_front();
    }
    work();
}

SerialQueue::SerialQueue(const QString& name)
    : inbox_(new WorkInbox) {
    thread_.setObjectName(name);
    inbox_->moveToThread(&thread_);
    thread_.start();
}

SerialQueue::~SerialQueue() {
    // Queued after everything posted so far, so the posted work runs before the loop ends.
    inbox_->post([this] { thread_.quit(); });
    thread_.wait();
    delete inbox_;
}

void SerialQueue::post(std::function<void()> work) {
    inbox_->post(std::move(work));
}

void MainThreadPoster::post(std::function<void()> work) {
    inbox_.post(std::move(work));
}

} // namespace qv
