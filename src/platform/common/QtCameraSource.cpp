// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/common/QtCameraSource.h"

#include "core/camera/CameraFormatChoice.h"
#include "platform/common/VideoFrameConversion.h"

#include <QCamera>
#include <QMediaCaptureSession>
#include <QVideoSink>

namespace qv {

namespace {

// The format that serves the analysis and the preview with the least work (see
// chooseCameraFormat); none when the device lists nothing readable, leaving Qt's default.
std::optional<QCameraFormat> cheapestFormat(const QCameraDevice& device) {
    std::vector<QCameraFormat> readable;
    std::vector<CameraFormatOffer> offers;
    for (const QCameraFormat& format : device.videoFormats()) {
        if (isReadableCameraFormat(format.pixelFormat())) {
            readable.push_back(format);
            offers.push_back({format.resolution().width(), format.resolution().height(),
                              format.minFrameRate(), format.maxFrameRate(),
                              format.pixelFormat() == QVideoFrameFormat::Format_Jpeg});
        }
    }
    const auto chosen = chooseCameraFormat(offers);
    return chosen ? std::optional(readable[*chosen]) : std::nullopt;
}

} // namespace

// The session goes first, letting go of the camera and the sink before they go.
struct QtCameraSource::Objects {
    QCamera camera;
    QVideoSink sink;
    QMediaCaptureSession session;

    explicit Objects(const QCameraDevice& device)
        : camera(device) {}
};

QtCameraSource::QtCameraSource(QCameraDevice device, std::function<double()> clock)
    : device_(std::move(device))
    , clock_(std::move(clock)) {}

QtCameraSource::~QtCameraSource() {
    stop();
}

Status QtCameraSource::start(FrameSourceCallbacks callbacks) {
    if (objects_) {
        return Failure{QStringLiteral("The camera is already running.")};
    }
    {
        std::lock_guard lock(*mutex_);
        callbacks_ = std::make_shared<FrameSourceCallbacks>(std::move(callbacks));
    }
    objects_ = std::make_unique<Objects>(device_);
    if (const auto format = cheapestFormat(device_)) {
        objects_->camera.setCameraFormat(*format);
    }
    objects_->session.setCamera(&objects_->camera);
    objects_->session.setVideoSink(&objects_->sink);

    // Frames come on the backend's streaming thread; the picture is made later, and only if
    // the frame is analysed.
    QObject::connect(
        &objects_->sink, &QVideoSink::videoFrameChanged, &objects_->sink,
        [mutex = mutex_, callbacks = callbacks_, clock = clock_](const QVideoFrame& frame) {
            if (!frame.isValid()) {
                return; // Qt's "no picture any more" when the camera stops
            }
            std::lock_guard lock(*mutex);
            if (callbacks->onFrame) {
                Frame picture{clock(), [frame] { return pictureFromVideoFrame(frame); }, {}};
                picture.shrunkPicture = [frame](int shrink) {
                    return pictureFromVideoFrame(frame, shrink);
                };
                picture.width = frame.width();
                picture.height = frame.height();
                callbacks->onFrame(std::move(picture));
            }
        },
        Qt::DirectConnection);
    QObject::connect(
        &objects_->camera, &QCamera::errorOccurred, &objects_->camera,
        [mutex = mutex_, callbacks = callbacks_](QCamera::Error error, const QString& text) {
            std::lock_guard lock(*mutex);
            if (error != QCamera::NoError && callbacks->onError) {
                callbacks->onError(text);
            }
        });
    objects_->camera.start();
    if (objects_->camera.error() != QCamera::NoError) {
        const QString text = objects_->camera.errorString();
        stop();
        return Failure{text.isEmpty() ? QStringLiteral("the camera refused to start.") : text};
    }
    return {};
}

void QtCameraSource::stop() {
    {
        std::lock_guard lock(*mutex_);
        if (callbacks_) {
            *callbacks_ = {};
        }
    }
    if (objects_) {
        objects_->camera.stop();
        objects_.reset();
    }
}

} // namespace qv
