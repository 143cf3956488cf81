// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/linux/wayland/WaylandBreakHold.h"

#include <QString>
#include <QTemporaryDir>

namespace qv {

// KWin gives focus to new windows and lets Alt+Tab raise others above a full-screen one, and
// offers clients nothing to stay above (its Plasma shell roles are kept for Plasma's own
// shell). What it does offer is scripting over D-Bus: for the length of a break a small
// script keeps this process's break windows above the rest and hands them focus back the
// moment another window gets it, inside KWin, before a key can reach that window.
class KWinBreakHold final : public WaylandBreakHold {
public:
    KWinBreakHold();
    ~KWinBreakHold() override;

    BreakHoldStatus status() const override;
    void begin(const std::vector<QObject*>& windows) override;
    void end() override;

    // The script for a process: only windows of that process with the break title count.
    static QString script(qint64 processId);

private:
    bool loadScript();
    void unloadScript();

    QTemporaryDir folder_;
    bool loaded_ = false;
};

} // namespace qv
