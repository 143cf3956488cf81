// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakOverlayModel.h"
#include "core/breakscreen/BreakScreenMessages.h"
#include "core/breakscreen/LockController.h"
#include "core/media/SharedPreviewSlots.h"
#include "core/time/TimeSource.h"
#include "platform/linux/camerahelper/PacketSocket.h"
#include "platform/linux/camerahelper/SharedMemory.h"

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <optional>

namespace qv {

// The break screen process's side of the socket: shows the application's break on every
// screen with a copy of its model, sends back what the user does there, and beats a heart so
// the application can tell a hung screen from a quiet one. The session ends (onEnded) when the
// application closes its end or sends what no message is; the screen is let go first.
class ScreenSession {
public:
    ScreenSession(UniqueFd channel, LockController& lock, TimeSource& time,
                  std::function<void()> onEnded);
    ~ScreenSession();

private:
    void readPackets();
    void handle(const breakscreen::ToScreen& message, UniqueFd passedFd);
    void show(const BreakOverlayModel::State& state, const std::optional<PreviewRef>& preview);
    void restore(const BreakOverlayModel::State& state, const std::optional<PreviewRef>& preview);
    void mapPreviews(UniqueFd memory);
    void wireModel();
    void send(const breakscreen::FromScreen& message);
    void end();

    PacketSocket socket_;
    LockController& lock_;
    std::function<void()> onEnded_;
    BreakOverlayModel model_;
    std::unique_ptr<QSocketNotifier> readable_;
    ScheduledTask heartbeat_;
    std::optional<SharedMemory> previewMemory_;
    SharedPreviewSlots previews_;
    std::optional<PreviewRef> shownPreview_;
    std::optional<Image> preview_;
    bool ended_ = false;
};

} // namespace qv
