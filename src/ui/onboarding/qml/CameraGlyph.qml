// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A simple camera: body, lens and viewfinder bump.
Item {
    id: glyph
    property color color: "white"
    width: Theme.space.xxl; height: Theme.space.xl
    Rectangle {
        x: parent.width * 0.3; y: 0
        width: parent.width * 0.3; height: parent.height * 0.22
        radius: 2
        color: glyph.color
    }
    Rectangle {
        y: parent.height * 0.16
        width: parent.width; height: parent.height * 0.84
        radius: Theme.grid
        color: "transparent"
        border.width: 2.5
        border.color: glyph.color
        Rectangle {
            anchors.centerIn: parent
            width: parent.height * 0.56; height: width; radius: width / 2
            color: "transparent"
            border.width: 2.5
            border.color: glyph.color
        }
    }
}
