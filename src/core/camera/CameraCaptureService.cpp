// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/camera/CameraCaptureService.h"

#include "core/camera/AnalysisPacer.h"
#include "core/camera/CameraSelection.h"
#include "core/camera/FrameAnalysis.h"
#include "core/camera/MotionGauge.h"
#include "core/camera/SerialQueue.h"
#include "core/verification/SubjectTracker.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <mutex>
#include <type_traits>

namespace qv {

namespace {

// Translated when sent, so they follow the language chosen by then. Sentences built around a
// backend's or the pose engine's own reason stay English, as that reason is.
QString noCameraText() {
    return QCoreApplication::translate("Camera", "No camera was found.");
}
QString busyText() {
    return QCoreApplication::translate(
        "Camera", "Camera is busy in another app. Continuing with the honor timer.");
}
QString disconnectedText() {
    return QCoreApplication::translate("Camera", "Camera disconnected.");
}
QString interruptedText() {
    return QCoreApplication::translate("Camera", "Camera was interrupted.");
}
QString runtimeErrorText() {
    return QCoreApplication::translate("Camera", "Camera reported an error.");
}

} // namespace

struct CameraCaptureService::Core : std::enable_shared_from_this<Core> {
    CameraBackend& backend;
    PoseDetectorLoader loadDetector;
    AnalysisObserver observer;

    // Where work is posted; cleared when the service goes, so late callbacks from a
    // device watcher post nothing.
    std::mutex queueMutex;
    SerialQueue* queue = nullptr;
    MainThreadPoster* main = nullptr;
    // For the thread checks only: set once, before any work is posted.
    const SerialQueue* ownQueue = nullptr;
    QThread* const ownerThread = QThread::currentThread();

    // Held while a frame is analysed and handed on; stop() takes it, so once stop() returns
    // neither the observer nor a delivery sees anything more of this run.
    std::mutex analysisMutex;
    bool isStopped = false;

    // Touched on the queue only (state is also read elsewhere, hence atomic).
    std::atomic<State> state{State::idle};
    std::unique_ptr<FrameSource> source;
    std::optional<CameraDevice> activeDevice;
    std::unique_ptr<PoseDetector> detector;
    SubjectTracker subjectTracker;
    SubjectFollower subjectFollower;
    AnalysisPacer pacer;
    const double analysisRate;
    MotionGauge motion;
    std::shared_ptr<void> devicesWatch;
    bool hasReportedUnreadableFrame = false;
    std::atomic<int> previewSide{0}; // set from any thread

    // The newest frame from the source not yet taken by the queue: a frame that arrives
    // while an older one waits replaces it, as a camera drops late frames.
    std::mutex incomingMutex;
    std::optional<Frame> incoming;
    bool isAnalysisScheduled = false;

    // deliveryLock guards these four; it is held only to swap them, never while calling out.
    mutable std::mutex deliveryLock;
    Handlers handlers;
    struct DeliveredFrame {
        AnalysedFrame analysed;
        std::shared_ptr<const void> hold; // lets a paced source go on once delivered
    };
    std::optional<DeliveredFrame> pendingFrame;
    bool frameDeliveryScheduled = false;
    bool busyFlag = false;

    Core(CameraBackend& cameras, PoseDetectorLoader loader, AnalysisObserver watcher, double rate)
        : backend(cameras)
        , loadDetector(std::move(loader))
        , observer(std::move(watcher))
        , pacer(rate)
        , analysisRate(rate) {}

    void postToQueue(std::function<void()> work) {
        std::lock_guard lock(queueMutex);
        if (queue != nullptr) {
            queue->post(std::move(work));
        }
    }

    template <typename Method, typename... Args> void onQueue(Method method, Args... args) {
        postToQueue([weak = weak_from_this(), method, args...] {
            if (auto self = weak.lock()) {
                ((*self).*method)(args...);
            }
        });
    }

    bool isOnQueue() const { return ownQueue->isCurrent(); }
    bool isOnOwnerThread() const { return QThread::currentThread() == ownerThread; }

    // --- on the queue ---

    void startSequence(const std::optional<QString>& requestedID, ExerciseKind exercise) {
        Q_ASSERT(isOnQueue());
        if (state != State::idle) {
            return;
        }
        state = State::starting;
        subjectTracker.reset();
        subjectFollower.reset();
        pacer.reset();
        pacer.setRate(analysisRate);
        motion.reset();
        motion.watch(exercise);

        const QList<CameraDevice> devices = backend.devices();
        std::vector<CameraSelection::DeviceInfo> infos;
        for (const CameraDevice& device : devices) {
            infos.push_back({device.id, device.name, device.isBuiltIn});
        }
        const auto resolution = CameraSelection::resolve(requestedID, infos);
        if (resolution.outcome.kind == CameraSelection::Outcome::Kind::unavailable) {
            return fail(noCameraText());
        }
        if (resolution.outcome.kind == CameraSelection::Outcome::Kind::substituted) {
            sendMessage(&Handlers::notice, QCoreApplication::translate(
                                               "Camera", "Selected camera not found. Using %1.")
                                               .arg(resolution.outcome.usedName));
        }
        const auto device = std::find_if(devices.begin(), devices.end(), [&](const auto& d) {
            return d.id == resolution.deviceID;
        });
        if (device == devices.end()) {
            return fail(noCameraText());
        }
        activeDevice = *device;
        setBusyFlag(backend.isInUseByAnotherProcess(device->id));

        if (!detector) {
            PoseDetectorLoad load = loadDetector ? loadDetector() : PoseDetectorLoad{Failure{}};
            if (!load || !*load) {
                return fail(
                    load.error().isEmpty()
                        ? QCoreApplication::translate("Camera",
                                                      "On-device pose tracking is not available. "
                                                      "Continuing with the honor timer.")
                        : load.error() + QStringLiteral(" Continuing with the honor timer."));
            }
            detector = std::move(*load);
        }

        auto opened = backend.open(device->id);
        if (!opened || !*opened) {
            return failToStart(opened.error());
        }
        if (const Status started = (*opened)->start(sourceCallbacks()); !started) {
            return failToStart(started.error());
        }
        source = std::move(*opened);
        devicesWatch = backend.watchDevices([weak = weak_from_this()] {
            if (auto self = weak.lock()) {
                self->onQueue(&Core::checkStillConnected);
            }
        });
        sendMessage(
            &Handlers::diagnostic,
            QStringLiteral("device=%1 type=%2 rotation=0 mirrored=%3")
                .arg(device->name,
                     device->isBuiltIn ? QStringLiteral("builtIn") : QStringLiteral("external"),
                     device->isBuiltIn ? QStringLiteral("true") : QStringLiteral("false")));
        state = State::running;
    }

    void fail(const QString& text) {
        state = State::stopped;
        sendMessage(&Handlers::error, text);
    }

    void failToStart(const QString& problem) {
        state = State::stopped;
        const bool isBusy = backend.isInUseByAnotherProcess(activeDevice->id);
        setBusyFlag(isBusy);
        sendMessage(
            &Handlers::error,
            isBusy ? busyText()
            : problem.isEmpty()
                ? QCoreApplication::translate("Camera", "Camera could not start: unknown error.")
                : QCoreApplication::translate("Camera", "Camera could not start: %1").arg(problem));
    }

    void stopSequence() {
        Q_ASSERT(isOnQueue());
        state = State::stopped;
        devicesWatch.reset();
        if (source) {
            source->stop();
            source.reset();
        }
        activeDevice.reset();
        detector.reset();
        std::lock_guard lock(incomingMutex);
        incoming.reset();
    }

    FrameSourceCallbacks sourceCallbacks() {
        FrameSourceCallbacks callbacks;
        auto weak = weak_from_this();
        callbacks.onFrame = [weak](Frame frame) {
            if (auto self = weak.lock()) {
                self->receive(std::move(frame));
            }
        };
        callbacks.onError = [weak](const QString& text) {
            if (auto self = weak.lock()) {
                self->onQueue(&Core::runtimeError, text);
            }
        };
        callbacks.onInterrupted = [weak](const QString&) {
            if (auto self = weak.lock()) {
                self->onQueue(&Core::interrupted);
            }
        };
        callbacks.onInterruptionEnded = [weak] {
            if (auto self = weak.lock()) {
                self->onQueue(&Core::interruptionEnded);
            }
        };
        return callbacks;
    }

    void runtimeError(const QString& text) {
        Q_ASSERT(isOnQueue());
        if (state == State::running) {
            setBusyFlag(backend.isInUseByAnotherProcess(activeDevice->id));
            sendMessage(&Handlers::error, text.isEmpty() ? runtimeErrorText() : text);
        }
    }

    void interrupted() {
        if (state == State::running) {
            sendMessage(&Handlers::interruption, interruptedText());
        }
    }

    void interruptionEnded() { sendSignal(&Handlers::interruptionEnded); }

    void checkStillConnected() {
        Q_ASSERT(isOnQueue());
        if (state != State::running) {
            return;
        }
        const QList<CameraDevice> devices = backend.devices();
        const bool isPresent = std::any_of(devices.begin(), devices.end(),
                                           [&](const auto& d) { return d.id == activeDevice->id; });
        if (!isPresent) {
            sendMessage(&Handlers::error, disconnectedText());
        }
    }

    // --- frames: from the source's thread to the queue to the main thread ---

    void receive(Frame frame) {
        std::lock_guard lock(incomingMutex);
        incoming = std::move(frame);
        if (!isAnalysisScheduled) {
            isAnalysisScheduled = true;
            onQueue(&Core::analyseIncoming);
        }
    }

    void analyseIncoming() {
        Q_ASSERT(isOnQueue());
        std::optional<Frame> frame;
        {
            std::lock_guard lock(incomingMutex);
            frame.swap(incoming);
            isAnalysisScheduled = false;
        }
        if (frame) {
            analyse(std::move(*frame));
        }
    }

    void analyse(Frame frame) {
        const std::lock_guard analysing(analysisMutex);
        if (isStopped || state != State::running) {
            return;
        }
        if (!pacer.admit(frame.capturedAt)) {
            return;
        }
        Result<FramePicture> picture =
            FrameAnalysis::pictureOf(frame, subjectFollower, detector->inputSide(), previewSide);
        if (!picture) {
            return reportUnreadableFrame(picture.error());
        }
        AnalysedFrame analysed = FrameAnalysis::analyse(
            std::move(picture->image), picture->shrink, activeDevice->isBuiltIn, frame.capturedAt,
            previewSide, *detector, subjectTracker, subjectFollower, observer);
        // Fewer frames while the person stands still or moves slowly: the frame that shows a
        // movement raises the rate for the next slot already.
        motion.add(analysed.pose);
        pacer.setRate(motion.rate(analysisRate));
        handOver({std::move(analysed), std::move(frame.hold)});
    }

    // A camera whose pictures cannot be read is as good as none: the run is told once.
    void reportUnreadableFrame(const QString& reason) {
        if (!hasReportedUnreadableFrame) {
            hasReportedUnreadableFrame = true;
            sendMessage(&Handlers::error,
                        reason + QStringLiteral(" Continuing with the honor timer."));
        }
    }

    void handOver(DeliveredFrame delivered) {
        bool needsDrain = false;
        {
            std::lock_guard lock(deliveryLock);
            if (!handlers.frame) {
                return;
            }
            pendingFrame = std::move(delivered);
            needsDrain = !frameDeliveryScheduled;
            frameDeliveryScheduled = true;
        }
        if (needsDrain) {
            main->post([weak = weak_from_this()] {
                if (auto self = weak.lock()) {
                    self->drain();
                }
            });
        }
    }

    // --- on the main thread ---

    void drain() {
        Q_ASSERT(isOnOwnerThread());
        std::optional<DeliveredFrame> frame;
        std::function<void(const PoseSnapshot&, const Image&)> handler;
        {
            std::lock_guard lock(deliveryLock);
            frame.swap(pendingFrame);
            frameDeliveryScheduled = false;
            handler = handlers.frame;
        }
        if (frame && handler) {
            handler(frame->analysed.pose, frame->analysed.preview);
        }
    }

    // The handler is looked up when the message arrives on the main thread, not when it is
    // sent: a message still on its way when stop() clears the handlers is dropped.
    template <typename Member, typename... Args> void send(Member member, Args... args) {
        main->post([weak = weak_from_this(), member, args...] {
            const auto self = weak.lock();
            if (!self) {
                return;
            }
            Q_ASSERT(self->isOnOwnerThread());
            std::remove_cvref_t<decltype(self->handlers.*member)> handler;
            {
                std::lock_guard lock(self->deliveryLock);
                handler = self->handlers.*member;
            }
            if (handler) {
                handler(args...);
            }
        });
    }

    template <typename Member> void sendMessage(Member member, const QString& text) {
        send(member, text);
    }

    template <typename Member> void sendSignal(Member member) { send(member); }

    void setBusyFlag(bool isBusy) {
        std::lock_guard lock(deliveryLock);
        busyFlag = isBusy;
    }
};

CameraCaptureService::CameraCaptureService(CameraBackend& backend, PoseDetectorLoader loadDetector,
                                           AnalysisObserver observer, double analysisRate)
    : core_(std::make_shared<Core>(backend, std::move(loadDetector), std::move(observer),
                                   analysisRate)) {
    Q_ASSERT(analysisRate > 0);
    core_->queue = new SerialQueue(QStringLiteral("quorvantel-camera"));
    core_->ownQueue = core_->queue;
    core_->main = new MainThreadPoster;
}

CameraCaptureService::~CameraCaptureService() {
    Q_ASSERT(core_->isOnOwnerThread());
    stop();
    SerialQueue* queue = nullptr;
    {
        std::lock_guard lock(core_->queueMutex);
        std::swap(queue, core_->queue);
    }
    delete queue; // runs the stop sequence still waiting there
    delete core_->main;
}

void CameraCaptureService::setHandlers(Handlers handlers) {
    Q_ASSERT(core_->isOnOwnerThread());
    std::lock_guard lock(core_->deliveryLock);
    core_->handlers = std::move(handlers);
}

void CameraCaptureService::start(const std::optional<QString>& deviceID, ExerciseKind exercise) {
    Q_ASSERT(core_->isOnOwnerThread());
    core_->backend.prepare();
    core_->onQueue(&Core::startSequence, deviceID, exercise);
}

void CameraCaptureService::stop() {
    Q_ASSERT(core_->isOnOwnerThread());
    {
        // Waits for a frame being analysed (one inference at most), and turns away the rest.
        std::lock_guard analysing(core_->analysisMutex);
        core_->isStopped = true;
    }
    {
        std::lock_guard lock(core_->deliveryLock);
        core_->handlers = {};
        core_->pendingFrame.reset();
        core_->frameDeliveryScheduled = false;
    }
    core_->onQueue(&Core::stopSequence);
}

void CameraCaptureService::setPreviewSize(int longerSide) {
    core_->previewSide = std::max(0, longerSide);
}

bool CameraCaptureService::isBusy() const {
    std::lock_guard lock(core_->deliveryLock);
    return core_->busyFlag;
}

CameraCaptureService::State CameraCaptureService::state() const {
    return core_->state;
}

} // namespace qv
