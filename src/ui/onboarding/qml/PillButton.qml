// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A rounded button: "primary" filled with the accent, "secondary" outlined, "quiet" text only.
Rectangle {
    id: button
    property string text
    property string kind: "secondary"
    property bool showArrow: false
    property bool available: true
    signal clicked()

    readonly property color foreground: kind === "primary" ? (Theme.darkDesktop ? "#06121c" : "#ffffff")
                                                           : Theme.window.accent
    implicitWidth: label.implicitWidth + (showArrow ? arrow.implicitWidth + Theme.space.xs : 0)
                   + Theme.space.l * 2
    implicitHeight: Theme.hitTarget + Theme.grid
    width: implicitWidth
    height: implicitHeight
    radius: height / 2
    opacity: available ? 1 : 0.5
    color: kind === "primary" ? (mouse.pressed ? Qt.darker(Theme.window.accent, 1.15) : Theme.window.accent)
                              : (mouse.containsMouse ? Theme.window.separator : "transparent")
    border.width: kind === "secondary" ? 1.5 : 0
    border.color: Theme.window.accent
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: text
    Accessible.onPressAction: if (available) clicked()
    Keys.onSpacePressed: if (available) clicked()
    Keys.onReturnPressed: if (available) clicked()

    Row {
        anchors.centerIn: parent
        spacing: Theme.space.xs
        Text {
            id: label
            text: button.text
            color: button.foreground
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body + 1
            font.weight: Font.DemiBold
        }
        Text {
            id: arrow
            visible: button.showArrow
            text: "→"
            color: button.foreground
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body + 1
            font.weight: Font.DemiBold
        }
    }
    Rectangle {
        anchors.fill: parent
        anchors.margins: -3
        radius: height / 2
        color: "transparent"
        border.width: 2
        border.color: Theme.window.accent
        visible: button.activeFocus
        opacity: 0.5
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        enabled: button.available
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
    }
}
