// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme
import Quorvantel.BreakScreen

// The whole break screen for one window: background, header, the current mode's content
// and the emergency control. Everything it shows comes from `screen` (texts, which buttons),
// `model` (numbers, callbacks) and `hold` (this window's emergency control).
Item {
    id: root
    required property BreakOverlayModel model
    required property BreakScreenPresentation screen
    required property EmergencyEscapeHold hold
    property bool reduceMotion: false

    readonly property real s: screen.layoutScale(width, height)

    Backdrop { anchors.fill: parent }

    // Behind every word on the screen: pieces drawn after the header fell across its
    // "BREAK COMPLETE".
    Confetti {
        anchors.fill: parent
        visible: root.screen.page === BreakScreenPresentation.Success && !root.reduceMotion
        running: visible
        s: root.s
    }

    Header {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        s: root.s
        heading: root.screen.heading
    }

    Item {
        id: content
        anchors {
            left: parent.left; right: parent.right
            top: header.bottom
            bottom: escapeControl.visible ? escapeControl.top : parent.bottom
            bottomMargin: Theme.space.m * root.s
        }

        PreparingMode {
            anchors.fill: parent
            visible: root.screen.page === BreakScreenPresentation.Preparing
            s: root.s
            reduceMotion: root.reduceMotion
        }
        PermissionMode {
            anchors.fill: parent
            visible: root.screen.page === BreakScreenPresentation.Permission
            s: root.s
            model: root.model
            screen: root.screen
        }
        FramingMode {
            anchors.fill: parent
            visible: root.screen.page === BreakScreenPresentation.Framing
            s: root.s
            model: root.model
            screen: root.screen
        }
        ExerciseMode {
            anchors.fill: parent
            visible: root.screen.page === BreakScreenPresentation.Exercise
            s: root.s
            model: root.model
            screen: root.screen
        }
        HonorMode {
            anchors.fill: parent
            visible: root.screen.page === BreakScreenPresentation.Honor
            s: root.s
            model: root.model
            screen: root.screen
        }
        SuccessMode {
            anchors.fill: parent
            visible: root.screen.page === BreakScreenPresentation.Success
            s: root.s
            screen: root.screen
        }
    }

    EscapeControl {
        id: escapeControl
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom }
        anchors.bottomMargin: Theme.space.l * root.s
        visible: root.screen.showsEscapeControl
        s: root.s
        hold: root.hold
    }
}
