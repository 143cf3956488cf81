// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// A round minus or plus inside a number control. The control around it takes the keyboard and
// speaks for it (its arrow keys and its increase and decrease actions do the same), so the
// button itself is neither a Tab stop nor an accessible object of its own. Held down, it
// repeats.
Rectangle {
    id: button

    property string glyph
    property color ink: Theme.window.text
    signal clicked()

    width: Theme.space.l + 2
    height: width
    radius: width / 2
    color: pointer.containsMouse && enabled ? Qt.rgba(ink.r, ink.g, ink.b, 0.15) : "transparent"
    border.width: 1.5
    border.color: Qt.rgba(ink.r, ink.g, ink.b, enabled ? 0.6 : 0.25)
    Accessible.ignored: true

    Text {
        anchors.centerIn: parent
        anchors.verticalCenterOffset: -1
        text: button.glyph
        color: button.ink
        opacity: button.enabled ? 1 : 0.35
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.title
        font.weight: Font.DemiBold
    }

    MouseArea {
        id: pointer
        anchors.fill: parent
        anchors.margins: -Theme.grid / 2
        hoverEnabled: true
        cursorShape: Qt.PointingHandCursor
        onClicked: button.clicked()
        onPressAndHold: repeat.start()
        onReleased: repeat.stop()
        onCanceled: repeat.stop()
    }
    Timer {
        id: repeat
        interval: 80
        repeat: true
        onTriggered: if (button.enabled) button.clicked(); else stop()
    }
}
