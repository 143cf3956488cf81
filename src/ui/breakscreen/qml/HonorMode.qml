// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.BreakScreen

// The timed break: a countdown in a filling ring, and a quiet card beside it.
Item {
    id: mode
    property real s: 1
    property BreakOverlayModel model
    property BreakScreenPresentation screen

    Row {
        anchors.centerIn: parent
        spacing: Theme.space.xxl * 1.5 * mode.s

        Column {
            anchors.verticalCenter: parent.verticalCenter
            spacing: Theme.space.l * mode.s
            Label {
                anchors.horizontalCenter: parent.horizontalCenter
                s: mode.s
                size: Theme.type.hero
                font.weight: Font.Bold
                // Longer words in other languages shrink the line instead of pushing the
                // ring and the card apart.
                width: Math.min(implicitWidth, 460 * mode.s)
                wrapMode: Text.NoWrap
                fontSizeMode: Text.HorizontalFit
                minimumPixelSize: Theme.type.display * mode.s
                text: qsTr("Step away")
            }
            Item {
                anchors.horizontalCenter: parent.horizontalCenter
                width: 380 * mode.s
                height: width
                ProgressRing {
                    anchors.fill: parent
                    progress: mode.screen.honorProgress
                    thickness: 16 * mode.s
                    Accessible.role: Accessible.ProgressBar
                    Accessible.name: qsTr("Break progress")
                    Accessible.description: mode.screen.honorPercentText
                }
                Digits {
                    anchors.centerIn: parent
                    s: mode.s
                    text: mode.screen.secondsRemainingText
                    Accessible.role: Accessible.StaticText
                    Accessible.name: mode.screen.secondsRemainingAccessibleText
                }
            }
        }

        Column {
            id: side
            anchors.verticalCenter: parent.verticalCenter
            width: 460 * mode.s
            spacing: Theme.space.l * mode.s
            // The illustration gives way when the status and its button need the room.
            readonly property real others: cardTexts.height + 2 * Theme.space.l * mode.s
                + card.spacing
                + (status.visible ? status.height + spacing : 0)
                + (settingsButton.visible ? settingsButton.height + spacing : 0)
                + (caption.visible ? caption.height + spacing : 0)
            Rectangle {
                width: parent.width
                height: card.implicitHeight + 2 * Theme.space.l * mode.s
                radius: Theme.cardRadius * mode.s
                color: Theme.breakScreen.surface
                border.color: Theme.breakScreen.separator
                border.width: Math.max(1, mode.s)
                Column {
                    id: card
                    anchors { fill: parent; margins: Theme.space.l * mode.s }
                    spacing: Theme.space.s * mode.s
                    Picture {
                        anchors.horizontalCenter: parent.horizontalCenter
                        height: Math.max(0, Math.min(parent.width * 280 / 360, mode.height - side.others))
                        width: height * 360 / 280
                        visible: height > 60 * mode.s
                        source: "../images/chair.svg"
                    }
                    Column {
                        id: cardTexts
                        width: parent.width
                        spacing: Theme.space.s * mode.s
                        Label {
                            s: mode.s
                            size: Theme.type.headline
                            font.weight: Font.DemiBold
                            text: qsTr("While you wait")
                        }
                        Label {
                            width: parent.width
                            s: mode.s
                            size: Theme.type.subtitle
                            color: Theme.breakScreen.textSecondary
                            text: qsTr("No camera is used during a timed break.")
                        }
                    }
                }
            }
            Label {
                id: status
                width: parent.width
                visible: text.length > 0
                s: mode.s
                size: Theme.type.subtitle
                color: Theme.breakScreen.textSecondary
                text: mode.screen.statusLine
            }
            Button {
                id: settingsButton
                size: Button.Huge
                colors: Theme.breakScreen
                visible: mode.screen.showsOpenCameraSettings
                sizeScale: mode.s
                text: qsTr("End break & open Camera Settings")
                onClicked: mode.model.openCameraSettings()
            }
            Label {
                id: caption
                visible: mode.screen.showsOpenCameraSettings
                s: mode.s
                size: Theme.type.body
                color: Theme.breakScreen.textDim
                text: qsTr("This break will be recorded as skipped.")
            }
        }
    }
}
