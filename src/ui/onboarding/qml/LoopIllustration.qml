// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Theme

// The deal as a loop: four stations joined by arrows, the squats in the accent, and a return
// line from the end back to the start.
Item {
    id: loop
    property var steps: []
    property string accessibleName
    implicitHeight: stations.height + Theme.space.l
    height: implicitHeight
    Accessible.role: Accessible.Graphic
    Accessible.name: accessibleName

    Row {
        id: stations
        width: parent.width
        spacing: 0
        readonly property real arrowWidth: Theme.space.xl
        readonly property real cardWidth: (width - arrowWidth * (loop.steps.length - 1)) / Math.max(1, loop.steps.length)

        Repeater {
            model: loop.steps
            delegate: Row {
                id: station
                required property string modelData
                required property int index
                readonly property bool isSquats: index === 2
                Rectangle {
                    width: stations.cardWidth
                    height: Theme.space.xxl + Theme.space.s
                    radius: Theme.radius
                    color: station.isSquats ? Theme.window.accent : Theme.window.surface
                    border.width: station.isSquats ? 0 : 1
                    border.color: Theme.window.separator
                    Column {
                        anchors.centerIn: parent
                        spacing: 2
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: "0" + (station.index + 1)
                            color: station.isSquats ? Theme.window.textOnAccent : Theme.window.textSecondary
                            opacity: 0.7
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.type.caption - 1
                        }
                        Text {
                            anchors.horizontalCenter: parent.horizontalCenter
                            text: station.modelData
                            color: station.isSquats ? Theme.window.textOnAccent : Theme.window.text
                            font.family: Theme.fontFamily
                            font.pixelSize: Theme.type.caption + 1
                            font.weight: Font.Bold
                            font.letterSpacing: 1.2
                        }
                    }
                }
                Item {
                    visible: station.index < loop.steps.length - 1
                    width: stations.arrowWidth
                    height: Theme.space.xxl + Theme.space.s
                    Text {
                        anchors.centerIn: parent
                        text: "→"
                        color: Theme.window.textSecondary
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.type.title
                    }
                }
            }
        }
    }
    // The way back from "screen's back" to "you work".
    Rectangle {
        id: returnLine
        anchors { top: stations.bottom; topMargin: Theme.space.s - 2 }
        x: stations.cardWidth / 2
        width: parent.width - stations.cardWidth
        height: 1.5
        color: Theme.window.separator
    }
    Rectangle {
        anchors { bottom: returnLine.top; left: returnLine.left }
        width: 1.5; height: Theme.space.s - 2
        color: Theme.window.separator
    }
    Rectangle {
        anchors { bottom: returnLine.top; right: returnLine.right }
        width: 1.5; height: Theme.space.s - 2
        color: Theme.window.separator
    }
}
