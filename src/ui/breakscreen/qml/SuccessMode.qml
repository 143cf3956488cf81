// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme
import Quorvantel.BreakScreen

// Done: one warm check mark, what was achieved and the streak (the screen adds confetti
// behind it all).
Item {
    id: mode
    property real s: 1
    property BreakScreenPresentation screen

    Column {
        anchors.centerIn: parent
        spacing: Theme.space.l * mode.s
        Picture {
            anchors.horizontalCenter: parent.horizontalCenter
            source: "../images/check-success.svg"
            width: 160 * mode.s; height: width
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            s: mode.s
            size: Theme.type.hero
            font.weight: Font.Bold
            text: qsTr("Break complete")
        }
        Label {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: text.length > 0
            s: mode.s
            size: Theme.type.headline
            color: Theme.breakScreen.textSecondary
            text: mode.screen.summaryText
        }
        Rectangle {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: mode.screen.streakText.length > 0
            color: Theme.breakScreen.streakChip
            border.color: Qt.rgba(1, 0.77, 0.42, 0.35)
            border.width: Math.max(1, mode.s)
            radius: height / 2
            width: streak.implicitWidth + Theme.space.xl * mode.s
            height: streak.implicitHeight + Theme.space.m * mode.s
            Row {
                id: streak
                anchors.centerIn: parent
                spacing: Theme.space.s * mode.s
                Picture {
                    anchors.verticalCenter: parent.verticalCenter
                    source: "../images/flame.svg"
                    width: Theme.space.l * 1.25 * mode.s; height: width
                }
                Label {
                    anchors.verticalCenter: parent.verticalCenter
                    s: mode.s
                    size: Theme.type.title
                    font.weight: Font.DemiBold
                    color: Theme.breakScreen.success
                    text: mode.screen.streakText
                }
            }
        }
    }
}
