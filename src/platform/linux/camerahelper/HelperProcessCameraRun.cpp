// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/camerahelper/HelperProcessCameraRun.h"

#include <QCoreApplication>
#include <algorithm>

namespace qv {

namespace {

// Packets read per wake-up, so a helper flooding the socket cannot hold the main thread.
constexpr int packetsPerWakeUp = 16;
// A helper not yet heard from is starting its process and libraries; under a tracer on a
// loaded machine that takes a while, and the camera engine's own silence limit still applies.
constexpr double startupSilenceSeconds = 10.0;
// No view draws a camera preview larger; it bounds the memory shared for previews.
constexpr int largestPreviewSide = 1280;

QString stoppedRespondingText() {
    return QCoreApplication::translate(
        "Camera", "Camera stopped responding. Continuing with the honor timer.");
}

} // namespace

HelperProcessCameraRun::HelperProcessCameraRun(TimeSource& time, CameraHelperLaunch launch)
    : time_(time)
    , launch_(std::move(launch)) {}

HelperProcessCameraRun::~HelperProcessCameraRun() {
    stop();
}

void HelperProcessCameraRun::setHandlers(Handlers handlers) {
    handlers_ = std::move(handlers);
}

void HelperProcessCameraRun::start(const std::optional<QString>& deviceID, ExerciseKind exercise) {
    if (stopped_ || child_.isRunning()) {
        return;
    }
    auto [ours, theirs] = PacketSocket::makePair();
    Result<ChildProcess> child =
        ours.isValid()
            ? ChildProcess::start(time_, launch_.program, launch_.arguments, theirs.get())
            : Result<ChildProcess>(
                  Failure{QStringLiteral("The camera helper's socket could not be made.")});
    if (!child) {
        // Told on the next turn of the loop, as a run that fails to start always is.
        const QString problem = child.error();
        silenceCheck_ = time_.after(0, [this, problem] { fail(problem); });
        return;
    }
    child_ = std::move(*child);
    socket_ = PacketSocket(std::move(ours));
    readable_ = std::make_unique<QSocketNotifier>(socket_.fd(), QSocketNotifier::Read);
    QObject::connect(readable_.get(), &QSocketNotifier::activated, readable_.get(),
                     [this] { readPackets(); });
    lastHeardAt_ =
        time_.monotonicSeconds() + startupSilenceSeconds - camerahelper::silenceLimitSeconds;
    silenceCheck_ = time_.every(camerahelper::heartbeatSeconds, [this] { checkSilence(); });
    send(camerahelper::StartCapture{deviceID, exercise});
    if (previewSide_ > 0) {
        sendPreviewSize();
    }
}

void HelperProcessCameraRun::stop() {
    if (stopped_) {
        return;
    }
    stopped_ = true;
    if (child_.isRunning()) {
        send(camerahelper::StopCapture{});
    }
    shutDown();
}

void HelperProcessCameraRun::shutDown() {
    // Possibly from inside its own signal: deleted once that has returned.
    if (readable_) {
        readable_->setEnabled(false);
        readable_.release()->deleteLater();
    }
    silenceCheck_.cancel();
    // The helper leaves when its end of the socket reads as closed; the grace is for a helper
    // busy inside a library call.
    socket_.close();
    child_.end(endGraceSeconds);
    previews_ = SharedPreviewSlots();
    previewMemory_.reset();
}

void HelperProcessCameraRun::setPreviewSize(int longerSide) {
    const int side = std::clamp(longerSide, 0, largestPreviewSide);
    if (side == previewSide_) {
        return;
    }
    previewSide_ = side;
    if (socket_.isOpen()) {
        sendPreviewSize();
    }
}

void HelperProcessCameraRun::sendPreviewSize() {
    const std::size_t needed = SharedPreviewSlots::bytesFor(previewSide_);
    if (previewSide_ > 0 && (!previewMemory_ || previewMemory_->size() < needed)) {
        previews_ = SharedPreviewSlots();
        previewMemory_ = SharedMemory::create(needed);
        if (previewMemory_) {
            previews_ = SharedPreviewSlots(previewMemory_->data(), previewMemory_->size());
            send(camerahelper::SetPreview{previewSide_}, previewMemory_->fd());
            return;
        }
        qWarning("quorvantel: no memory could be shared for the camera preview.");
    }
    send(camerahelper::SetPreview{previewMemory_ ? previewSide_ : 0});
}

bool HelperProcessCameraRun::send(const camerahelper::ToHelper& message, int passedFd) {
    // A full socket means a helper that stopped reading; the silence check ends it.
    return socket_.send(camerahelper::encode(message), passedFd) == PacketSocket::Sent::sent;
}

void HelperProcessCameraRun::readPackets() {
    const std::weak_ptr<int> alive = lifetime_;
    for (int i = 0; i < packetsPerWakeUp && !stopped_; ++i) {
        PacketSocket::Received received = socket_.receive(camerahelper::maxMessageBytes);
        using Outcome = PacketSocket::Received::Status;
        if (received.status == Outcome::none) {
            return;
        }
        if (received.status == Outcome::closed) {
            fail(QStringLiteral("The camera helper ended unexpectedly."));
            return;
        }
        if (received.status == Outcome::refused || received.fd.isValid()) {
            fail(QStringLiteral("The camera helper sent a packet no message fits in."));
            return;
        }
        Result<camerahelper::FromHelper> message = camerahelper::decodeFromHelper(received.bytes);
        if (!message) {
            fail(message.error());
            return;
        }
        lastHeardAt_ = time_.monotonicSeconds();
        handle(*message);
        if (alive.expired()) {
            return;
        }
    }
}

void HelperProcessCameraRun::handle(const camerahelper::FromHelper& message) {
    if (const auto* frame = std::get_if<camerahelper::FrameAnalysed>(&message)) {
        handleFrame(*frame);
    } else if (const auto* report = std::get_if<camerahelper::RunReport>(&message)) {
        handleReport(*report);
    } else if (const auto* heartbeat = std::get_if<camerahelper::Heartbeat>(&message)) {
        cameraBusy_ = heartbeat->cameraBusy;
    }
}

void HelperProcessCameraRun::handleFrame(const camerahelper::FrameAnalysed& frame) {
    Image preview;
    if (frame.preview && previewSide_ > 0) {
        // A picture overwritten while it was read is dropped; the next frame brings another.
        preview = previews_.read(*frame.preview).value_or(Image());
    }
    if (handlers_.frame) {
        handlers_.frame(frame.pose, preview);
    }
}

void HelperProcessCameraRun::handleReport(const camerahelper::RunReport& report) {
    using Kind = camerahelper::RunReport::Kind;
    const auto call = [&report](const std::function<void(const QString&)>& handler) {
        if (handler) {
            handler(report.text);
        }
    };
    switch (report.kind) {
    case Kind::error:
        call(handlers_.error);
        break;
    case Kind::notice:
        call(handlers_.notice);
        break;
    case Kind::interruption:
        call(handlers_.interruption);
        break;
    case Kind::interruptionEnded:
        if (handlers_.interruptionEnded) {
            handlers_.interruptionEnded();
        }
        break;
    case Kind::diagnostic:
        call(handlers_.diagnostic);
        break;
    }
}

void HelperProcessCameraRun::checkSilence() {
    if (time_.monotonicSeconds() - lastHeardAt_ >= camerahelper::silenceLimitSeconds) {
        fail(QStringLiteral("The camera helper stopped answering."));
    }
}

void HelperProcessCameraRun::fail(const QString& logLine) {
    if (stopped_) {
        return;
    }
    qWarning("quorvantel: %s", qPrintable(logLine));
    stopped_ = true;
    // Whatever state it is in, it is of no more use: no grace.
    child_.kill();
    shutDown();
    if (handlers_.error) {
        handlers_.error(stoppedRespondingText());
    }
}

} // namespace qv
