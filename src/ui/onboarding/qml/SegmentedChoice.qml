// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A row of mutually exclusive choices in one rounded track.
Rectangle {
    id: track
    property var choices: []
    signal chosen(var value)
    height: Theme.hitTarget + Theme.grid
    radius: height / 2
    color: Theme.window.surface
    border.width: 1
    border.color: Theme.window.separator

    Row {
        anchors.fill: parent
        anchors.margins: 3
        Repeater {
            model: track.choices
            delegate: Rectangle {
                id: segment
                required property var modelData
                width: (track.width - 6) / Math.max(1, track.choices.length)
                height: parent.height
                radius: height / 2
                color: modelData.isSelected ? Theme.window.accent : (mouse.containsMouse ? Theme.window.background : "transparent")
                activeFocusOnTab: true
                Accessible.role: Accessible.RadioButton
                Accessible.name: modelData.accessibleName
                Accessible.checkable: true
                Accessible.checked: modelData.isSelected
                Accessible.onPressAction: track.chosen(modelData.seconds)
                Keys.onSpacePressed: track.chosen(modelData.seconds)
                Text {
                    anchors.centerIn: parent
                    text: segment.modelData.label
                    color: segment.modelData.isSelected ? (Theme.darkDesktop ? "#06121c" : "#ffffff") : Theme.window.text
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.body
                    font.weight: segment.modelData.isSelected ? Font.Bold : Font.Normal
                }
                FocusRing { visible: segment.activeFocus }
                MouseArea {
                    id: mouse
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: track.chosen(segment.modelData.seconds)
                }
            }
        }
    }
}
