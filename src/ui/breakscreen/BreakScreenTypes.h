// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/breakscreen/BreakOverlayModel.h"
#include "core/breakscreen/BreakScreenPresentation.h"
#include "core/breakscreen/EmergencyEscapeHold.h"

#include <QtQml/qqml.h>

// The break screen's objects as its QML knows them: typed, so that every binding to them is
// checked, and never made by QML itself: each window hands them in.
namespace qv::breakscreenqml {

struct ModelType {
    Q_GADGET
    QML_FOREIGN(qv::BreakOverlayModel)
    QML_NAMED_ELEMENT(BreakOverlayModel)
    QML_UNCREATABLE("Handed in by the break screen's window.")
};

struct PresentationType {
    Q_GADGET
    QML_FOREIGN(qv::BreakScreenPresentation)
    QML_NAMED_ELEMENT(BreakScreenPresentation)
    QML_UNCREATABLE("Handed in by the break screen's window.")
};

struct HoldType {
    Q_GADGET
    QML_FOREIGN(qv::EmergencyEscapeHold)
    QML_NAMED_ELEMENT(EmergencyEscapeHold)
    QML_UNCREATABLE("Handed in by the break screen's window.")
};

} // namespace qv::breakscreenqml
