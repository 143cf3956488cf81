// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick

// The side list's small line icons, built from rectangles so they are crisp and look alike
// under every icon theme: 0 general (gear), 1 breaks (timer), 2 movement (figure),
// 3 stats (bars), 4 about (info).
Item {
    id: icon
    property int pane
    property color color
    readonly property real stroke: 1.6

    implicitWidth: 18
    implicitHeight: 18
    Accessible.ignored: true

    component Ring: Rectangle {
        property real size
        width: size; height: size; radius: size / 2
        x: (icon.width - size) / 2; y: (icon.height - size) / 2
        color: "transparent"
        border.width: icon.stroke
        border.color: icon.color
        antialiasing: true
    }
    // A stroke from the centre outwards at an angle (degrees, clockwise from twelve o'clock).
    component Spoke: Rectangle {
        id: spoke
        property real direction
        property real inner
        property real reach
        width: icon.stroke; height: reach; radius: width / 2
        x: icon.width / 2 - width / 2; y: icon.height / 2 - inner - reach
        color: icon.color
        antialiasing: true
        transform: Rotation { origin.x: icon.stroke / 2; origin.y: spoke.inner + spoke.reach; angle: spoke.direction }
    }

    Item {
        anchors.fill: parent
        visible: icon.pane === 0
        Ring { size: 10 }
        Ring { size: 3.6 }
        Repeater {
            model: 8
            Spoke { required property int index; direction: index * 45; inner: 5; reach: 3 }
        }
    }
    Item {
        anchors.fill: parent
        visible: icon.pane === 1
        Ring { size: 15 }
        Spoke { direction: 0; inner: -0.8; reach: 5.5 }
        Spoke { direction: 120; inner: -0.8; reach: 4 }
    }
    Item {
        anchors.fill: parent
        visible: icon.pane === 2
        Rectangle { x: 6.8; y: 0.5; width: 4.4; height: 4.4; radius: 2.2; color: icon.color; antialiasing: true }
        Rectangle { x: 2; y: 6.6; width: 14; height: icon.stroke; radius: 0.8; color: icon.color; antialiasing: true }
        Rectangle { x: 8.2; y: 6.2; width: icon.stroke; height: 6.5; radius: 0.8; color: icon.color; antialiasing: true }
        Rectangle {
            x: 8.2; y: 11.6; width: icon.stroke; height: 6.4; radius: 0.8; color: icon.color; antialiasing: true
            transform: Rotation { origin.x: 0.8; origin.y: 0; angle: 28 }
        }
        Rectangle {
            x: 8.2; y: 11.6; width: icon.stroke; height: 6.4; radius: 0.8; color: icon.color; antialiasing: true
            transform: Rotation { origin.x: 0.8; origin.y: 0; angle: -28 }
        }
    }
    Item {
        anchors.fill: parent
        visible: icon.pane === 3
        Rectangle { x: 2; y: 10; width: 3.6; height: 7; radius: 1; color: icon.color }
        Rectangle { x: 7.2; y: 3; width: 3.6; height: 14; radius: 1; color: icon.color }
        Rectangle { x: 12.4; y: 7; width: 3.6; height: 10; radius: 1; color: icon.color }
    }
    Item {
        anchors.fill: parent
        visible: icon.pane === 4
        Ring { size: 16 }
        Rectangle { x: 8; y: 4.2; width: 2; height: 2; radius: 1; color: icon.color; antialiasing: true }
        Rectangle { x: 8.2; y: 7.6; width: icon.stroke; height: 6; radius: 0.8; color: icon.color; antialiasing: true }
    }
}
