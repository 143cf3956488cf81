// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Theme
import Quorvantel.BreakScreen

// The way out that is always there: press and hold (or hold the chord) for three seconds.
// Quiet until pressed; the ring fills while it is held.
Rectangle {
    id: control
    property real s: 1
    property EmergencyEscapeHold hold

    width: Math.max(420 * s, texts.implicitWidth + 120 * s)
    height: 84 * s
    radius: height / 2
    color: area.pressed && hold.isAvailable ? Theme.breakScreen.raised : Theme.breakScreen.surface
    border.color: hold.isHolding ? Theme.breakScreen.accent : Theme.breakScreen.separator
    border.width: Math.max(1, 2 * s)
    opacity: hold.isAvailable ? 1 : 0.8

    // Parts the hint's line, drawn so it needs no glyph of the desktop's font either.
    component HintDot: Rectangle {
        property real s: 1
        anchors.verticalCenter: parent.verticalCenter
        width: Math.max(2, 3 * s); height: width
        radius: width / 2
        color: Theme.breakScreen.textDim
    }

    Accessible.role: Accessible.Button
    Accessible.name: hold.accessibleName
    Accessible.description: hold.accessibleDescription

    Label {
        anchors { bottom: parent.top; bottomMargin: Theme.space.s * control.s; horizontalCenter: parent.horizontalCenter }
        visible: text.length > 0
        s: control.s
        size: Theme.type.subtitle
        color: Theme.breakScreen.textSecondary
        text: control.hold.statusMessage
    }

    Item {
        id: badge
        anchors { left: parent.left; leftMargin: Theme.space.s * control.s; verticalCenter: parent.verticalCenter }
        width: 64 * control.s; height: width
        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: Theme.breakScreen.backgroundBottom
        }
        ProgressRing {
            anchors.fill: parent
            thickness: 5 * control.s
            progress: control.hold.progress
            trackColor: Theme.breakScreen.separator
        }
        Picture {
            anchors.centerIn: parent
            source: "../images/" + control.hold.icon + ".svg"
            width: 28 * control.s; height: width
        }
    }

    Column {
        id: texts
        anchors { left: badge.right; leftMargin: Theme.space.m * control.s; verticalCenter: parent.verticalCenter }
        spacing: 2 * control.s
        Label {
            s: control.s
            size: Theme.type.subtitle
            font.weight: Font.Bold
            font.letterSpacing: 2 * control.s
            color: control.hold.isHolding ? Theme.breakScreen.accent : Theme.breakScreen.text
            text: control.hold.title
        }
        Row {
            id: hint
            spacing: Theme.space.xs * control.s
            Label {
                anchors.verticalCenter: parent.verticalCenter
                s: control.s
                size: Theme.type.body
                color: Theme.breakScreen.textSecondary
                text: control.hold.subtitle
            }
            HintDot { visible: keys.count > 0; s: control.s }
            Repeater {
                id: keys
                model: control.hold.chordKeys
                delegate: KeyCap {
                    required property string modelData
                    s: control.s
                    text: modelData
                }
            }
            HintDot { visible: remaining.text.length > 0; s: control.s }
            Label {
                id: remaining
                anchors.verticalCenter: parent.verticalCenter
                visible: text.length > 0
                s: control.s
                size: Theme.type.body
                color: Theme.breakScreen.textSecondary
                text: control.hold.remainingText
            }
        }
    }

    MouseArea {
        id: area
        anchors.fill: parent
        property point pressedAt
        onPressed: (mouse) => { pressedAt = Qt.point(mouse.x, mouse.y); control.hold.pressPointer() }
        onPositionChanged: (mouse) => control.hold.movePointer(mouse.x - pressedAt.x,
                                                                mouse.y - pressedAt.y)
        onReleased: control.hold.releasePointer()
        onCanceled: control.hold.releasePointer()
    }
}
