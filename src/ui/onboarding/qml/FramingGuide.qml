// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Theme

// Four corners that mark where the body should be.
Item {
    id: guide
    property bool live: false
    readonly property real arm: Theme.space.l
    readonly property color ink: live ? Theme.breakScreen.accent : Theme.breakScreen.textDim

    Repeater {
        model: 4
        delegate: Item {
            required property int index
            readonly property bool isRight: index % 2 === 1
            readonly property bool isBottom: index >= 2
            x: isRight ? guide.width - guide.arm : 0
            y: isBottom ? guide.height - guide.arm : 0
            width: guide.arm; height: guide.arm
            Rectangle {
                width: guide.arm; height: 2; radius: 1
                y: parent.isBottom ? guide.arm - 2 : 0
                color: guide.ink
            }
            Rectangle {
                width: 2; height: guide.arm; radius: 1
                x: parent.isRight ? guide.arm - 2 : 0
                color: guide.ink
            }
        }
    }
}
