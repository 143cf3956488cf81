// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A surface that groups what belongs together: rounded, with a hairline border.
Rectangle {
    property SurfaceColors colors: Theme.window

    radius: Theme.radius
    color: colors.surface
    border.width: 1
    border.color: colors.separator
}
