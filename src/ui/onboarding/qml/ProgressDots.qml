// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme

// One dot per act: the current one stretched into a pill, the ones behind filled. Each jumps
// to its act.
Row {
    id: dotsRow
    property var dots: []
    signal jump(int step)
    spacing: Theme.space.xs

    Repeater {
        model: dotsRow.dots
        delegate: Item {
            id: dot
            required property var modelData
            width: shape.width + Theme.space.xs
            height: Theme.hitTarget
            activeFocusOnTab: true
            Accessible.role: Accessible.Button
            Accessible.name: modelData.accessibleName
            Accessible.focusable: true
            Accessible.onPressAction: dotsRow.jump(modelData.step)
            Keys.onSpacePressed: dotsRow.jump(modelData.step)
            Keys.onReturnPressed: dotsRow.jump(modelData.step)

            Rectangle {
                id: shape
                anchors.centerIn: parent
                height: Theme.grid + 2
                width: dot.modelData.isCurrent ? Theme.space.l : height
                radius: height / 2
                color: dot.modelData.isCurrent || dot.modelData.isDone
                       ? Theme.window.accent : Theme.window.separator
                opacity: dot.modelData.isDone ? 0.55 : 1
            }
            FocusRing {
                anchors.fill: shape
                visible: dot.activeFocus
                cornerRadius: shape.radius
            }
            MouseArea {
                anchors.fill: parent
                cursorShape: Qt.PointingHandCursor
                onClicked: dotsRow.jump(dot.modelData.step)
            }
        }
    }
}
