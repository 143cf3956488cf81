// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
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
        kind: Button.Link
        text: link.address
        onClicked: link.activated()
        Accessible.name: link.title + ": " + link.address
    }
}
