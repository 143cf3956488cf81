// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls
import Quorvantel.Theme

// A large, quiet button; the primary one is filled with the accent.
Button {
    id: button
    property real s: 1
    property bool primary: false
    font.family: Theme.fontFamily
    font.pixelSize: Theme.type.subtitle * s
    font.weight: Font.DemiBold
    leftPadding: Theme.space.l * s
    rightPadding: Theme.space.l * s
    topPadding: Theme.space.s * s
    bottomPadding: Theme.space.s * s
    implicitHeight: Math.max(Theme.hitTarget, Theme.space.xxl * s + Theme.space.xs * s)
    Accessible.name: text

    contentItem: Text {
        text: button.text
        font: button.font
        color: button.primary ? Theme.breakExtra.buttonPrimaryText : Theme.breakScreen.text
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
    }
    background: Rectangle {
        radius: height / 2
        color: button.primary
               ? (button.down ? Qt.darker(Theme.breakScreen.accent, 1.2) : Theme.breakScreen.accent)
               : (button.down ? Theme.breakScreen.surfaceRaised : Theme.breakScreen.surface)
        border.color: button.primary ? "transparent"
                      : (button.visualFocus ? Theme.breakScreen.accent : Theme.breakScreen.outline)
        border.width: Math.max(1, 2 * button.s)
    }
}
