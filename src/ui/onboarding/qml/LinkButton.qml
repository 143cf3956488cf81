// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A quiet action in running text.
Text {
    id: link
    signal clicked()
    color: Theme.window.accent
    font.family: Theme.fontFamily
    font.pixelSize: Theme.type.body
    font.weight: Font.DemiBold
    font.underline: mouse.containsMouse || activeFocus
    activeFocusOnTab: true
    Accessible.role: Accessible.Link
    Accessible.name: text
    Accessible.onPressAction: clicked()
    Keys.onSpacePressed: clicked()
    Keys.onReturnPressed: clicked()
    MouseArea {
        id: mouse
        anchors.fill: parent
        anchors.margins: -Theme.grid
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: link.clicked()
    }
}
