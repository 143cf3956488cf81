// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A small outlined promise with a tick.
Rectangle {
    id: badge
    property string text
    implicitWidth: row.implicitWidth + Theme.space.m
    implicitHeight: Theme.space.l + 2
    width: implicitWidth
    height: implicitHeight
    radius: height / 2
    color: "transparent"
    border.width: 1
    border.color: Theme.window.separator
    Accessible.role: Accessible.StaticText
    Accessible.name: text

    Row {
        id: row
        anchors.centerIn: parent
        spacing: Theme.grid
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: Theme.grid; height: width; radius: width / 2
            color: Theme.window.accent
        }
        Text {
            text: badge.text
            color: Theme.window.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption - 1
            font.weight: Font.DemiBold
            font.letterSpacing: 1.2
        }
    }
}
