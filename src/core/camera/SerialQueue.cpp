#include "core/camera/SerialQueue.h"

namespace qv {

SerialQueue::SerialQueue(const QString& name)
    : context_(new QObject) {
    thread_.setObjectName(name);
    context_->moveToThread(&thread_);
    thread_.start();
}

SerialQueue::~SerialQueue() {
    // Queued after everything posted so far, so the posted work runs before the loop ends.
    QMetaObject::invokeMethod(
        context_, [this] { thread_.quit(); }, Qt::QueuedConnection);
    thread_.wait();
    delete context_;
}

void SerialQueue::post(std::function<void()> work) {
    QMetaObject::invokeMethod(context_, std::move(work), Qt::QueuedConnection);
}

void MainThreadPoster::post(std::function<void()> work) {
    QMetaObject::invokeMethod(&context_, std::move(work), Qt::QueuedConnection);
}

} // namespace qv
