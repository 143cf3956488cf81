// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.BreakScreen

// No camera permission yet: explain, and offer the timed break for now.
Item {
    id: mode
    property real s: 1
    property BreakOverlayModel model
    property BreakScreenPresentation screen

    Row {
        anchors.centerIn: parent
        spacing: Theme.space.xxl * 1.5 * mode.s
        Picture {
            anchors.verticalCenter: parent.verticalCenter
            source: "../images/chair.svg"
            width: 360 * mode.s; height: 280 * mode.s
        }
        Column {
            anchors.verticalCenter: parent.verticalCenter
            width: 620 * mode.s
            spacing: Theme.space.l * mode.s
            Label {
                width: parent.width
                s: mode.s
                size: Theme.type.display
                font.weight: Font.Bold
                text: qsTr("Camera setup happens before a break")
            }
            Label {
                width: parent.width
                s: mode.s
                size: Theme.type.title
                color: Theme.breakScreen.textSecondary
                lineHeight: 1.25
                text: qsTr("This screen never covers your system's permission dialog. Use the timed break now, then enable camera verification in Settings.")
            }
            Button {
                size: Button.Huge
                colors: Theme.breakScreen
                sizeScale: mode.s
                kind: Button.Primary
                visible: mode.screen.showsUseTimedBreak
                text: qsTr("Use the timed break")
                onClicked: mode.model.useHonorTimer()
            }
            Row {
                spacing: Theme.space.s * mode.s
                Picture {
                    anchors.verticalCenter: parent.verticalCenter
                    source: "../images/shield.svg"
                    width: Theme.space.l * mode.s; height: width
                }
                Label {
                    anchors.verticalCenter: parent.verticalCenter
                    s: mode.s
                    size: Theme.type.subtitle
                    color: Theme.breakScreen.textSecondary
                    text: qsTr("Nothing is recorded or uploaded")
                }
            }
        }
    }
}
