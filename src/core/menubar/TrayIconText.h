// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QString>

namespace qv {

// The title drawn into the tray icon. Above an hour the seconds are left out (rounded up to
// the minute) so the icon is redrawn once a minute there; below an hour it is the title itself.
QString trayIconTitle(const QString& menuBarTitle);

// For square tray slots, too narrow for a whole countdown: the minutes left rounded up ("13"
// for 12:30), whole hours with an "h" from an hour on ("2h" up to 2:59:59); empty when the title is
// no countdown, and the slot shows the mark alone.
QString compactIconText(const QString& menuBarTitle);

// Where the popover goes: below or above the icon when the tray reports where the icon is (and
// the pointer, when known, is on it), otherwise beside the pointer; always inside the screen's
// available area.
QPoint popoverPosition(const QRect& iconGeometry, const QPoint& pointer, const QSize& popover,
                       const QRect& available);

} // namespace qv
