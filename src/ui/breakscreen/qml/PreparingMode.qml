// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes
import Quorvantel.Theme

// The camera is being opened: a slowly turning arc around the camera, one line of text.
Item {
    id: mode
    property real s: 1
    property bool reduceMotion: false

    Column {
        anchors.centerIn: parent
        spacing: Theme.space.xl * mode.s
        Item {
            anchors.horizontalCenter: parent.horizontalCenter
            width: 160 * mode.s; height: width
            Rectangle {
                anchors.fill: parent
                radius: width / 2
                color: Theme.breakScreen.surface
                border.color: Theme.breakScreen.separator
                border.width: Math.max(1, 2 * mode.s)
            }
            Picture {
                anchors.centerIn: parent
                source: "../images/camera.svg"
                width: 64 * mode.s; height: width
            }
            Shape {
                id: arc
                anchors.fill: parent
                visible: mode.visible
                ShapePath {
                    strokeColor: Theme.breakScreen.accent
                    strokeWidth: 6 * mode.s
                    fillColor: "transparent"
                    capStyle: ShapePath.RoundCap
                    PathAngleArc {
                        centerX: arc.width / 2; centerY: arc.height / 2
                        radiusX: arc.width / 2 - 3 * mode.s; radiusY: radiusX
                        startAngle: -90; sweepAngle: 80
                    }
                }
                RotationAnimation on rotation {
                    running: !mode.reduceMotion && mode.visible
                    from: 0; to: 360; duration: 1600; loops: Animation.Infinite
                }
            }
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            s: mode.s
            size: Theme.type.display
            font.weight: Font.DemiBold
            text: qsTr("Getting the camera ready")
        }
    }
}
