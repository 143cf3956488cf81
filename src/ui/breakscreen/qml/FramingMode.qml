// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme

// Getting into the picture: what to fix, what is already right, and the way out if it fails.
CameraLayout {
    id: mode

    Label {
        width: mode.sideWidth
        s: mode.s
        size: Theme.type.hero
        font.weight: Font.Bold
        text: mode.screen.framingHint
    }
    Column {
        spacing: Theme.space.m * mode.s
        Repeater {
            model: mode.screen.framingChecklist
            ChecklistRow {
                required property var modelData
                s: mode.s
                text: modelData.text
                met: modelData.met
            }
        }
    }
    Item { width: 1; height: Theme.space.s * mode.s }
    Label {
        width: mode.sideWidth
        visible: mode.screen.showsOtherWaysLine
        s: mode.s
        size: Theme.type.subtitle
        color: Theme.breakScreen.textDim
        text: mode.screen.otherWaysText
        Accessible.name: mode.screen.otherWaysAccessibleText
    }
    Flow {
        width: mode.sideWidth
        spacing: Theme.space.s * mode.s
        visible: mode.screen.showsUseTimedBreak || mode.screen.showsSwitchToOverheadRaise
        Button {
            size: Button.Huge
            colors: Theme.breakScreen
            sizeScale: mode.s
            kind: Button.Primary
            visible: mode.screen.showsSwitchToOverheadRaise
            text: qsTr("Switch to Overhead Raises")
            onClicked: mode.model.switchToOverheadRaise()
        }
        Button {
            size: Button.Huge
            colors: Theme.breakScreen
            sizeScale: mode.s
            kind: mode.screen.showsSwitchToOverheadRaise ? Button.Secondary : Button.Primary
            visible: mode.screen.showsUseTimedBreak
            text: qsTr("Use the timed break")
            onClicked: mode.model.useHonorTimer()
        }
    }
}
