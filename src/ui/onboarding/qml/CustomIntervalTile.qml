// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme

// The custom interval: minus and plus around the number, five minutes a press; the arrow keys
// do the same.
Rectangle {
    id: custom
    property var tile: ({})
    signal adjust(int direction)

    readonly property bool selected: custom.tile.isSelected === true
    readonly property color ink: selected ? Theme.window.textOnAccent : Theme.window.text
    height: Theme.space.xxl * 2 + Theme.space.s
    radius: Theme.radius
    color: selected ? Theme.window.accent : Theme.window.surface
    border.width: selected ? 0 : 1
    border.color: Theme.window.separator
    activeFocusOnTab: true
    Accessible.role: Accessible.SpinBox
    Accessible.name: custom.tile.accessibleName || ""
    Accessible.description: custom.tile.accessibleDescription || ""
    Accessible.onDecreaseAction: custom.adjust(-1)
    Accessible.onIncreaseAction: custom.adjust(1)
    Keys.onLeftPressed: custom.adjust(-1)
    Keys.onDownPressed: custom.adjust(-1)
    Keys.onRightPressed: custom.adjust(1)
    Keys.onUpPressed: custom.adjust(1)

    Text {
        anchors { top: parent.top; topMargin: Theme.space.s; horizontalCenter: parent.horizontalCenter }
        text: custom.tile.label || ""
        color: custom.ink
        opacity: 0.75
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.caption - 1
        font.weight: Font.DemiBold
        font.letterSpacing: 1.6
    }
    Text {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: Theme.grid
        text: custom.tile.number || ""
        color: custom.ink
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.headline
        font.weight: Font.Bold
    }
    StepButton {
        anchors { left: parent.left; leftMargin: Theme.space.s; verticalCenter: parent.verticalCenter; verticalCenterOffset: Theme.grid }
        glyph: "−"
        ink: custom.ink
        enabled: custom.tile.canDecrease === true
        onClicked: custom.adjust(-1)
    }
    StepButton {
        anchors { right: parent.right; rightMargin: Theme.space.s; verticalCenter: parent.verticalCenter; verticalCenterOffset: Theme.grid }
        glyph: "+"
        ink: custom.ink
        enabled: custom.tile.canIncrease === true
        onClicked: custom.adjust(1)
    }
    FocusRing { visible: custom.activeFocus; cornerRadius: custom.radius }
}
