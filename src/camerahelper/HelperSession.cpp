// SPDX-License-Identifier: GPL-3.0-or-later
#include "camerahelper/HelperSession.h"

#include <cstdio>

namespace qv {

namespace {

constexpr int packetsPerWakeUp = 16;

} // namespace

HelperSession::HelperSession(UniqueFd channel, CameraBackend& cameras,
                             PoseDetectorLoader loadDetector, TimeSource& time,
                             std::function<void()> onEnded)
    : socket_(std::move(channel))
    , cameras_(cameras)
    , loadDetector_(std::move(loadDetector))
    , onEnded_(std::move(onEnded)) {
    readable_ = std::make_unique<QSocketNotifier>(socket_.fd(), QSocketNotifier::Read);
    QObject::connect(readable_.get(), &QSocketNotifier::activated, readable_.get(),
                     [this] { readPackets(); });
    heartbeat_ = time.every(camerahelper::heartbeatSeconds, [this] {
        send(camerahelper::Heartbeat{capture_ && capture_->isBusy()});
    });
    send(camerahelper::Heartbeat{false});
}

HelperSession::~HelperSession() {
    if (capture_) {
        capture_->stop();
    }
}

void HelperSession::readPackets() {
    for (int i = 0; i < packetsPerWakeUp && !ended_; ++i) {
        PacketSocket::Received received = socket_.receive(camerahelper::maxMessageBytes);
        using Outcome = PacketSocket::Received::Status;
        if (received.status == Outcome::none) {
            return;
        }
        if (received.status != Outcome::packet) {
            end();
            return;
        }
        Result<camerahelper::ToHelper> message = camerahelper::decodeToHelper(received.bytes);
        if (!message) {
            std::fprintf(stderr, "quorvantel-camera: %s\n", qPrintable(message.error()));
            end();
            return;
        }
        handle(*message, std::move(received.fd));
    }
}

void HelperSession::handle(const camerahelper::ToHelper& message, UniqueFd passedFd) {
    if (const auto* start = std::get_if<camerahelper::StartCapture>(&message)) {
        startCapture(*start);
    } else if (const auto* preview = std::get_if<camerahelper::SetPreview>(&message)) {
        setPreview(*preview, std::move(passedFd));
    } else {
        end();
    }
}

void HelperSession::startCapture(const camerahelper::StartCapture& message) {
    if (capture_) {
        return; // one run per helper
    }
    capture_ = std::make_unique<CameraCaptureService>(cameras_, loadDetector_);
    using Kind = camerahelper::RunReport::Kind;
    CameraRun::Handlers handlers;
    handlers.frame = [this](const PoseSnapshot& pose, const Image& preview) {
        sendFrame(pose, preview);
    };
    handlers.error = [this](const QString& text) { report(Kind::error, text); };
    handlers.notice = [this](const QString& text) { report(Kind::notice, text); };
    handlers.interruption = [this](const QString& text) { report(Kind::interruption, text); };
    handlers.interruptionEnded = [this] { report(Kind::interruptionEnded, {}); };
    handlers.diagnostic = [this](const QString& text) {
        std::fprintf(stderr, "quorvantel-camera: %s\n", qPrintable(text));
        report(Kind::diagnostic, text);
    };
    capture_->setHandlers(std::move(handlers));
    capture_->setPreviewSize(previewSide_);
    capture_->start(message.deviceID, message.exercise);
}

void HelperSession::setPreview(const camerahelper::SetPreview& message, UniqueFd memory) {
    if (memory.isValid()) {
        previews_ = SharedPreviewSlots();
        previewMemory_ = SharedMemory::map(std::move(memory));
        if (previewMemory_) {
            previews_ = SharedPreviewSlots(previewMemory_->data(), previewMemory_->size());
        }
    }
    // Without memory to put them in, previews are not made at all.
    previewSide_ = previews_.isNull() ? 0 : message.longerSide;
    if (capture_) {
        capture_->setPreviewSize(previewSide_);
    }
}

void HelperSession::sendFrame(const PoseSnapshot& pose, const Image& preview) {
    camerahelper::FrameAnalysed frame{pose, std::nullopt};
    if (!preview.isNull()) {
        frame.preview = previews_.write(preview);
    }
    send(frame);
}

void HelperSession::report(camerahelper::RunReport::Kind kind, const QString& text) {
    send(camerahelper::RunReport{kind, text});
}

void HelperSession::send(const camerahelper::FromHelper& message) {
    if (ended_) {
        return;
    }
    // A full socket drops the packet: the application reads the next one, and a frame late
    // is worth less than a frame now.
    if (socket_.send(camerahelper::encode(message)) == PacketSocket::Sent::closed) {
        end();
    }
}

void HelperSession::end() {
    if (ended_) {
        return;
    }
    ended_ = true;
    heartbeat_.cancel();
    // Possibly from inside its own signal: deleted once that has returned.
    if (readable_) {
        readable_->setEnabled(false);
        readable_.release()->deleteLater();
    }
    if (capture_) {
        capture_->stop();
    }
    socket_.close();
    onEnded_();
}

} // namespace qv
