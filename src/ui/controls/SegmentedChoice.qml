// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Theme

// A row of mutually exclusive choices in one rounded track. The model gives each choice its
// label, accessibleName and isSelected; a choice made is told by its index.
Rectangle {
    id: track

    property var choices: []
    property SurfaceColors colors: Theme.window
    signal chosen(int index)

    implicitHeight: Theme.hitTarget + Theme.grid
    radius: height / 2
    color: colors.surface
    border.width: 1
    border.color: colors.separator

    Row {
        anchors.fill: parent
        anchors.margins: 3
        Repeater {
            model: track.choices
            delegate: Rectangle {
                id: segment
                required property var modelData
                required property int index
                readonly property bool selected: modelData.isSelected === true
                width: (track.width - 6) / Math.max(1, track.choices.length)
                height: parent.height
                radius: height / 2
                color: selected ? track.colors.accent
                     : pointer.containsMouse ? track.colors.background : "transparent"
                activeFocusOnTab: true
                Accessible.role: Accessible.RadioButton
                Accessible.name: modelData.accessibleName
                Accessible.checkable: true
                Accessible.checked: selected
                Accessible.focusable: true
                Accessible.onPressAction: track.chosen(index)
                Keys.onSpacePressed: track.chosen(index)
                Keys.onReturnPressed: track.chosen(index)
                Text {
                    anchors.centerIn: parent
                    text: segment.modelData.label
                    color: segment.selected ? track.colors.textOnAccent : track.colors.text
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.body
                    font.weight: segment.selected ? Font.Bold : Font.Normal
                }
                FocusRing {
                    visible: segment.activeFocus
                    cornerRadius: segment.radius
                    colors: track.colors
                }
                MouseArea {
                    id: pointer
                    anchors.fill: parent
                    hoverEnabled: true
                    cursorShape: Qt.PointingHandCursor
                    onClicked: track.chosen(segment.index)
                }
            }
        }
    }
}
