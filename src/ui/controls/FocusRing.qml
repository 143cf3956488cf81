// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// Shows where the keyboard is: a ring just outside the control it belongs to. The control
// sets its own corner radius; the ring follows it at its distance.
Rectangle {
    property real cornerRadius: 0
    property SurfaceColors colors: Theme.window
    readonly property real gap: 3

    anchors.fill: parent
    anchors.margins: -gap
    radius: cornerRadius > 0 ? cornerRadius + gap : 0
    color: "transparent"
    border.width: 2
    border.color: colors.focusRing
}
