// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/StillImageSource.h"

#include "platform/common/VideoFrameConversion.h"

#include <QFileInfo>
#include <QImageReader>
#include <chrono>

namespace qv {

StillImageSource::StillImageSource(QString path, double framesPerSecond,
                                   std::function<double()> clock)
    : path_(std::move(path))
    , framesPerSecond_(framesPerSecond > 0 ? framesPerSecond : 30)
    , clock_(std::move(clock)) {}

StillImageSource::~StillImageSource() {
    stop();
}

Status StillImageSource::start(FrameSourceCallbacks callbacks) {
    if (thread_.joinable()) {
        return Failure{QStringLiteral("The picture is already shown.")};
    }
    QImageReader reader(path_);
    reader.setAutoTransform(true); // upright, as a camera would see it
    const QImage picture = reader.read();
    if (picture.isNull()) {
        return Failure{QStringLiteral("The picture %1 cannot be read: %2")
                           .arg(QFileInfo(path_).fileName(), reader.errorString())};
    }
    Image image = imageFromQImage(picture);
    isStopping_ = false;
    thread_ = std::thread([this, image = std::move(image), callbacks = std::move(callbacks)] {
        const auto period = std::chrono::duration<double>(1.0 / framesPerSecond_);
        std::unique_lock lock(mutex_);
        while (!isStopping_) {
            if (callbacks.onFrame) {
                callbacks.onFrame(Frame::fromImage(image, clock_()));
            }
            wake_.wait_for(lock, period, [this] { return isStopping_; });
        }
    });
    return {};
}

void StillImageSource::stop() {
    {
        std::lock_guard lock(mutex_);
        isStopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) {
        thread_.join();
    }
}

} // namespace qv
