// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/linux/screenhelper/ScreenProcessLock.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

namespace qv {

namespace {

// Packets read per wake-up, so a process flooding the socket cannot hold the main thread.
constexpr int packetsPerWakeUp = 16;
// A process not yet heard from is loading its libraries and connecting to the display; on a
// loaded machine, or under a tracer, that takes a while.
constexpr double startupSilenceSeconds = 10.0;

} // namespace

ScreenProcessLock::ScreenProcessLock(TimeSource& time, ScreenHelperLaunch launch,
                                     LockController& fallback)
    : time_(time)
    , launch_(std::move(launch))
    , fallback_(fallback) {}

ScreenProcessLock::~ScreenProcessLock() {
    unfollow();
    shutDown(0);
}

void ScreenProcessLock::lock(BreakOverlayModel& model) {
    if (locked_ && model_ == &model) {
        return;
    }
    locked_ = true;
    follow(model);
    if (fallingBack_) {
        fallback_.lock(model);
        return;
    }
    // A break that starts while the last one's process still fades out takes that process over.
    retirement_.cancel();
    if (!socket_.isOpen() && !startHelper()) {
        return;
    }
    sendState(true);
}

void ScreenProcessLock::release(bool animated) {
    if (locked_) {
        unfollow();
        endBreak(animated);
    }
}

void ScreenProcessLock::endBreak(bool animated) {
    locked_ = false;
    if (fallingBack_) {
        fallingBack_ = false;
        fallback_.release(animated);
    }
    if (socket_.isOpen()) {
        send(breakscreen::Release{animated});
        retirement_ = time_.after(animated ? retireDelaySeconds : 0, [this] { retire(); });
    }
}

void ScreenProcessLock::follow(BreakOverlayModel& model) {
    unfollow();
    model_ = &model;
    previewChanged_ = true;
    // Every property the views read reaches the process, whichever one changes.
    following_ = std::make_unique<ModelChanges>(model, [this] { scheduleUpdate(); });
    QObject::connect(&model, &BreakOverlayModel::previewChanged, following_.get(),
                     [this] { previewChanged_ = true; });
    QObject::connect(&model, &QObject::destroyed, following_.get(), [this] {
        // The application model ends a break before it lets go of its model; should it not,
        // the screen must not stay covered by a break nobody runs.
        following_.release()->deleteLater();
        model_ = nullptr;
        endBreak(false);
    });
}

void ScreenProcessLock::unfollow() {
    if (model_) {
        model_->reportPreviewSide(&previewViewer_, 0);
    }
    following_.reset();
    model_ = nullptr;
    updatePending_ = false;
}

bool ScreenProcessLock::startHelper() {
    if (!QFileInfo(launch_.program).isExecutable()) {
        fail(QStringLiteral("The break screen's program %1 is missing.").arg(launch_.program));
        return false;
    }
    auto [ours, theirs] = PacketSocket::makePair();
    Result<ChildProcess> child =
        ours.isValid()
            ? ChildProcess::start(time_, launch_.program, launch_.arguments, theirs.get())
            : Result<ChildProcess>(
                  Failure{QStringLiteral("The break screen's socket could not be made.")});
    if (!child) {
        fail(child.error());
        return false;
    }
    child_ = std::move(*child);
    socket_ = PacketSocket(std::move(ours));
    generation_ = std::make_shared<int>(0);
    readable_ = std::make_unique<QSocketNotifier>(socket_.fd(), QSocketNotifier::Read);
    QObject::connect(readable_.get(), &QSocketNotifier::activated, readable_.get(),
                     [this] { readPackets(); });
    lastHeardAt_ =
        time_.monotonicSeconds() + startupSilenceSeconds - breakscreen::silenceLimitSeconds;
    silenceCheck_ = time_.every(breakscreen::heartbeatSeconds, [this] { checkSilence(); });
    return true;
}

void ScreenProcessLock::scheduleUpdate() {
    if (updatePending_ || fallingBack_ || !socket_.isOpen()) {
        return;
    }
    // One apply changes several properties at once: they travel together, on the next turn.
    updatePending_ = true;
    pendingUpdate_ = time_.after(0, [this] {
        updatePending_ = false;
        sendState(false);
    });
}

void ScreenProcessLock::sendState(bool show) {
    if (!model_ || !socket_.isOpen()) {
        return;
    }
    const std::optional<PreviewRef> preview = sharePreview();
    if (show) {
        send(breakscreen::Show{model_->state(), preview});
    } else {
        send(breakscreen::Update{model_->state(), preview});
    }
}

std::optional<PreviewRef> ScreenProcessLock::sharePreview() {
    const std::optional<Image>& picture = model_->preview();
    if (!picture || picture->isNull()) {
        previewChanged_ = false;
        lastPreview_.reset();
        return std::nullopt;
    }
    // An unchanged picture is not copied again: the process still has it.
    if (previewChanged_ && ensurePreviewMemory(*picture)) {
        lastPreview_ = previews_.write(*picture);
    }
    previewChanged_ = false;
    return lastPreview_;
}

bool ScreenProcessLock::ensurePreviewMemory(const Image& picture) {
    const std::size_t needed =
        SharedPreviewSlots::bytesFor(std::max(picture.width(), picture.height()));
    if (previewMemory_ && previewMemory_->size() >= needed) {
        return true;
    }
    previews_ = SharedPreviewSlots();
    lastPreview_.reset();
    previewMemory_ = SharedMemory::create(needed);
    if (!previewMemory_) {
        qWarning("quorvantel: no memory could be shared for the break screen's preview.");
        return false;
    }
    previews_ = SharedPreviewSlots(previewMemory_->data(), previewMemory_->size());
    return send(breakscreen::PreviewMemory{}, previewMemory_->fd());
}

bool ScreenProcessLock::send(const breakscreen::ToScreen& message, int passedFd) {
    // Every update carries the whole state, so one dropped on a full socket is made good by
    // the next; a process that stopped reading altogether stops answering too.
    const PacketSocket::Sent sent = socket_.send(breakscreen::encode(message), passedFd);
    if (sent == PacketSocket::Sent::closed) {
        fail(QStringLiteral("The break screen's process ended unexpectedly."));
    }
    return sent == PacketSocket::Sent::sent;
}

void ScreenProcessLock::readPackets() {
    const std::weak_ptr<int> current = generation_;
    for (int i = 0; i < packetsPerWakeUp && socket_.isOpen(); ++i) {
        PacketSocket::Received received = socket_.receive(breakscreen::maxMessageBytes);
        using Outcome = PacketSocket::Received::Status;
        if (received.status == Outcome::none) {
            return;
        }
        if (received.status == Outcome::closed) {
            fail(QStringLiteral("The break screen's process ended unexpectedly."));
            return;
        }
        if (received.status == Outcome::refused || received.fd.isValid()) {
            fail(QStringLiteral("The break screen's process sent a packet no message fits in."));
            return;
        }
        Result<breakscreen::FromScreen> message = breakscreen::decodeFromScreen(received.bytes);
        if (!message) {
            fail(message.error());
            return;
        }
        lastHeardAt_ = time_.monotonicSeconds();
        handle(*message);
        if (current.expired()) {
            return;
        }
    }
}

void ScreenProcessLock::handle(const breakscreen::FromScreen& message) {
    // What the user did on a break that has ended meanwhile is of no more use.
    if (!model_ || fallingBack_) {
        return;
    }
    if (const auto* action = std::get_if<breakscreen::Action>(&message)) {
        // In the order of Action::Kind, whose range the decoder has checked.
        using Model = BreakOverlayModel;
        static constexpr std::array<void (Model::*)(), 5> calls = {
            &Model::allowCamera, &Model::useHonorTimer, &Model::openCameraSettings,
            &Model::switchToOverheadRaise, &Model::emergencyEscape};
        (model_->*calls.at(static_cast<std::size_t>(action->kind)))();
    } else if (const auto* key = std::get_if<breakscreen::EmergencyKey>(&message)) {
        model_->setEmergencyKeyHeld(key->held);
    } else if (const auto* side = std::get_if<breakscreen::PreviewSide>(&message)) {
        model_->reportPreviewSide(&previewViewer_, side->longerSide);
    }
}

void ScreenProcessLock::checkSilence() {
    // After this thread was held up itself, what waits on the socket counts before silence.
    readPackets();
    if (socket_.isOpen() &&
        time_.monotonicSeconds() - lastHeardAt_ >= breakscreen::silenceLimitSeconds) {
        fail(QStringLiteral("The break screen's process stopped answering."));
    }
}

void ScreenProcessLock::fail(const QString& logLine) {
    qWarning("quorvantel: %s", qPrintable(logLine));
    // Whatever state it is in, it is of no more use: no grace.
    child_.kill();
    shutDown(0);
    if (!locked_ || !model_ || fallingBack_) {
        return;
    }
    qWarning("quorvantel: the break screen is drawn by Quorvantel itself for the rest of this "
             "break.");
    fallingBack_ = true;
    model_->reportPreviewSide(&previewViewer_, 0);
    fallback_.lock(*model_);
}

void ScreenProcessLock::retire() {
    shutDown(endGraceSeconds);
}

void ScreenProcessLock::shutDown(double graceSeconds) {
    // Possibly from inside its own signal: deleted once that has returned.
    if (readable_) {
        readable_->setEnabled(false);
        readable_.release()->deleteLater();
    }
    silenceCheck_.cancel();
    pendingUpdate_.cancel();
    retirement_.cancel();
    updatePending_ = false;
    generation_ = std::make_shared<int>(0);
    // The process leaves when its end of the socket reads as closed; the grace is for one busy
    // inside a library call.
    socket_.close();
    child_.end(graceSeconds);
    previews_ = SharedPreviewSlots();
    previewMemory_.reset();
    lastPreview_.reset();
}

} // namespace qv
