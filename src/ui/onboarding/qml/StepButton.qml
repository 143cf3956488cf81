// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A round minus or plus.
Rectangle {
    id: button
    property string glyph
    property color ink
    property string accessibleName
    property bool available: true
    signal clicked()
    width: Theme.space.l + 2; height: width; radius: width / 2
    color: mouse.containsMouse && available ? Qt.rgba(ink.r, ink.g, ink.b, 0.15) : "transparent"
    border.width: 1.5
    border.color: Qt.rgba(ink.r, ink.g, ink.b, available ? 0.6 : 0.25)
    Accessible.role: Accessible.Button
    Accessible.name: accessibleName
    Accessible.onPressAction: if (available) clicked()
    Text {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -1
        text: button.glyph
        color: button.ink
        opacity: button.available ? 1 : 0.35
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.title
        font.weight: Font.DemiBold
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        anchors.margins: -Theme.grid / 2
        hoverEnabled: true
        enabled: button.available
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
