// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme

// One work-interval choice: a large number over its unit.
Rectangle {
    id: tile
    property string number
    property string unit
    property bool selected: false
    property string accessibleName
    signal chosen()

    height: Theme.space.xxl * 2 + Theme.space.s
    radius: Theme.radius
    color: selected ? Theme.window.accent : Theme.window.surface
    border.width: selected ? 0 : 1
    border.color: mouse.containsMouse ? Theme.window.accent : Theme.window.separator
    activeFocusOnTab: true
    Accessible.role: Accessible.RadioButton
    Accessible.name: accessibleName
    Accessible.checkable: true
    Accessible.checked: selected
    Accessible.onPressAction: chosen()
    Keys.onSpacePressed: chosen()

    readonly property color ink: selected ? Theme.window.textOnAccent : Theme.window.text

    Column {
        anchors.centerIn: parent
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: tile.number
            color: tile.ink
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.display
            font.weight: Font.Bold
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: tile.unit
            color: tile.ink
            opacity: 0.75
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
            font.weight: Font.DemiBold
            font.letterSpacing: 1.6
        }
    }
    FocusRing { visible: tile.activeFocus; cornerRadius: tile.radius }
    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: tile.chosen()
    }
}
