// SPDX-License-Identifier: GPL-3.0-or-later
#include "screenhelper/ScreenSession.h"

#include <cstdio>

namespace qv {

namespace {

constexpr int packetsPerWakeUp = 16;

} // namespace

ScreenSession::ScreenSession(UniqueFd channel, LockController& lock, TimeSource& time,
                             std::function<void()> onEnded)
    : socket_(std::move(channel))
    , lock_(lock)
    , onEnded_(std::move(onEnded))
    // No sound here: the application plays the break's sounds from its own copy.
    , model_(BreakOverlayModel::Initial{}, nullptr) {
    wireModel();
    readable_ = std::make_unique<QSocketNotifier>(socket_.fd(), QSocketNotifier::Read);
    QObject::connect(readable_.get(), &QSocketNotifier::activated, readable_.get(),
                     [this] { readPackets(); });
    heartbeat_ =
        time.every(breakscreen::heartbeatSeconds, [this] { send(breakscreen::Heartbeat{}); });
    send(breakscreen::Heartbeat{});
}

ScreenSession::~ScreenSession() {
    lock_.release(false);
}

void ScreenSession::wireModel() {
    using Kind = breakscreen::Action::Kind;
    const auto action = [this](Kind kind) {
        return [this, kind] { send(breakscreen::Action{kind}); };
    };
    model_.onAllowCamera = action(Kind::allowCamera);
    model_.onUseHonorTimer = action(Kind::useHonorTimer);
    model_.onOpenCameraSettings = action(Kind::openCameraSettings);
    model_.onSwitchToOverheadRaise = action(Kind::switchToOverheadRaise);
    model_.onEmergencyEscape = action(Kind::emergencyEscape);
    model_.onEmergencyKeyStateChanged = [this](bool held) {
        send(breakscreen::EmergencyKey{held});
    };
    QObject::connect(&model_, &BreakOverlayModel::previewSideChanged, &model_,
                     [this] { send(breakscreen::PreviewSide{model_.previewSide()}); });
}

void ScreenSession::readPackets() {
    for (int i = 0; i < packetsPerWakeUp && !ended_; ++i) {
        PacketSocket::Received received = socket_.receive(breakscreen::maxMessageBytes);
        using Outcome = PacketSocket::Received::Status;
        if (received.status == Outcome::none) {
            return;
        }
        if (received.status != Outcome::packet) {
            end();
            return;
        }
        Result<breakscreen::ToScreen> message = breakscreen::decodeToScreen(received.bytes);
        if (!message) {
            std::fprintf(stderr, "quorvantel-breakscreen: %s\n", qPrintable(message.error()));
            end();
            return;
        }
        handle(*message, std::move(received.fd));
    }
}

void ScreenSession::handle(const breakscreen::ToScreen& message, UniqueFd passedFd) {
    if (const auto* update = std::get_if<breakscreen::Update>(&message)) {
        restore(update->state, update->preview);
    } else if (const auto* shown = std::get_if<breakscreen::Show>(&message)) {
        show(shown->state, shown->preview);
    } else if (const auto* release = std::get_if<breakscreen::Release>(&message)) {
        lock_.release(release->animated);
    } else if (std::holds_alternative<breakscreen::PreviewMemory>(message)) {
        mapPreviews(std::move(passedFd));
    }
}

void ScreenSession::show(const BreakOverlayModel::State& state,
                         const std::optional<PreviewRef>& preview) {
    restore(state, preview);
    // Building the windows keeps this thread for a while: beat once on either side of it.
    send(breakscreen::Heartbeat{});
    lock_.lock(model_);
    send(breakscreen::Heartbeat{});
}

void ScreenSession::restore(const BreakOverlayModel::State& state,
                            const std::optional<PreviewRef>& preview) {
    if (!preview) {
        preview_.reset();
    } else if (preview != shownPreview_) {
        // A picture overwritten while it was read is dropped; the next update brings another.
        if (std::optional<Image> picture = previews_.read(*preview)) {
            preview_ = std::move(picture);
        }
    }
    shownPreview_ = preview;
    model_.restore(state, preview_);
}

void ScreenSession::mapPreviews(UniqueFd memory) {
    previews_ = SharedPreviewSlots();
    shownPreview_.reset();
    previewMemory_ = memory.isValid() ? SharedMemory::map(std::move(memory)) : std::nullopt;
    if (previewMemory_) {
        previews_ = SharedPreviewSlots(previewMemory_->data(), previewMemory_->size());
    }
}

void ScreenSession::send(const breakscreen::FromScreen& message) {
    if (ended_) {
        return;
    }
    // A full socket drops the packet: heartbeats come again, and the application hears a hung
    // reader as silence.
    if (socket_.send(breakscreen::encode(message)) == PacketSocket::Sent::closed) {
        end();
    }
}

void ScreenSession::end() {
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
    socket_.close();
    lock_.release(false);
    onEnded_();
}

} // namespace qv
