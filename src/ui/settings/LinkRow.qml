// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Controls.Fusion
import QtQuick.Layouts
import Quorvantel.Theme

// A link with a title: the address opens in the desktop's browser or mail program.
RowLayout {
    id: link
    property string title
    property string address
    signal activated()

    Layout.fillWidth: true
    spacing: Theme.space.s

    Text {
        text: link.title
        Layout.fillWidth: true
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.body
        font.weight: Font.Medium
        color: Theme.window.text
    }
    Button {
        text: link.address
        id: button
        flat: true
        onClicked: link.activated()
        contentItem: Text {
            text: button.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            font.underline: button.hovered || button.visualFocus
            color: Theme.window.accent
        }
        Accessible.role: Accessible.Link
        Accessible.name: link.title + ": " + link.address
    }
}
