// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// One key of a keyboard chord: its name in an outlined cap. Drawn, not a font's symbol, so it
// reads the same whatever fonts the desktop has.
Rectangle {
    id: cap
    property real s: 1
    property alias text: name.text

    implicitWidth: Math.max(height, name.implicitWidth + 2 * Theme.space.xs * s)
    implicitHeight: name.implicitHeight + 4 * s
    radius: 4 * s
    color: Theme.breakScreen.raised
    border.color: Theme.breakScreen.textDim
    border.width: Math.max(1, s)

    Label {
        id: name
        anchors.centerIn: parent
        s: cap.s
        size: Theme.type.body
        color: Theme.breakScreen.textSecondary
        wrapMode: Text.NoWrap
    }
}
