// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme

// Counting: the count, readable from across the room, and one short coaching cue.
CameraLayout {
    id: mode

    Row {
        id: counter
        spacing: Theme.space.s * mode.s
        Accessible.role: Accessible.StaticText
        Accessible.name: mode.screen.counterAccessibleText
        Digits {
            id: count
            s: mode.s
            text: mode.screen.repetitionsText
            color: Theme.breakScreen.accent
        }
        Digits {
            anchors.baseline: count.baseline
            s: mode.s * 0.5
            text: "/" + mode.screen.targetText
            color: Theme.breakScreen.textDim
        }
        Picture {
            anchors.bottom: count.bottom
            anchors.bottomMargin: count.height * 0.22
            source: "../images/" + mode.screen.exerciseIcon + ".svg"
            width: Theme.space.xxl * 1.25 * mode.s; height: width
        }
    }
    Label {
        width: mode.sideWidth
        s: mode.s
        size: Theme.type.hero
        font.weight: Font.Bold
        // One line at any length: a cue that wraps would push the buttons into the escape.
        wrapMode: Text.NoWrap
        fontSizeMode: Text.HorizontalFit
        minimumPixelSize: Theme.type.display * mode.s
        text: mode.screen.coachingHeadline
        Accessible.name: mode.screen.coachingAccessibleText
    }
    Row {
        spacing: Theme.space.s * mode.s
        Picture {
            anchors.verticalCenter: parent.verticalCenter
            source: "../images/" + mode.screen.soundIcon + ".svg"
            width: Theme.space.l * mode.s; height: width
        }
        Label {
            anchors.verticalCenter: parent.verticalCenter
            s: mode.s
            size: Theme.type.subtitle
            color: Theme.breakScreen.textDim
            text: mode.screen.soundLine
        }
    }
    Flow {
        width: mode.sideWidth
        spacing: Theme.space.s * mode.s
        Button {
            size: Button.Huge
            colors: Theme.breakScreen
            sizeScale: mode.s
            visible: mode.screen.showsCantSquat
            text: qsTr("Can't squat — use arms")
            onClicked: mode.model.switchToOverheadRaise()
        }
        Button {
            size: Button.Huge
            colors: Theme.breakScreen
            sizeScale: mode.s
            visible: mode.screen.showsSwitchToTimedBreak
            text: qsTr("Switch to a timed break")
            onClicked: mode.model.useHonorTimer()
        }
    }
}
