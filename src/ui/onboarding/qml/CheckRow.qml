// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// One item of the framing checklist, ticked once the camera sees it. Nothing to press: the
// camera ticks it, so it reads as a list item with its state.
Row {
    id: row
    property string text
    property bool met: false
    spacing: Theme.space.s
    Accessible.role: Accessible.ListItem
    Accessible.name: text
    Accessible.checkable: true
    Accessible.checked: met

    Rectangle {
        width: Theme.space.l - 2; height: width; radius: width / 2
        anchors.verticalCenter: parent.verticalCenter
        color: row.met ? Theme.window.accent : "transparent"
        border.width: row.met ? 0 : 1.5
        border.color: Theme.window.separator
        Text {
            anchors.centerIn: parent
            visible: row.met
            text: "✓"
            color: Theme.window.textOnAccent
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
            font.weight: Font.Bold
        }
    }
    Text {
        anchors.verticalCenter: parent.verticalCenter
        width: row.width - Theme.space.l - Theme.space.s
        text: row.text
        elide: Text.ElideRight
        color: row.met ? Theme.window.text : Theme.window.textSecondary
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.body
    }
}
