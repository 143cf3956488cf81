// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme
import Quorvantel.CameraPreview
import Quorvantel.BreakScreen

// The live picture with the skeleton, framed as a rounded card with its on-device badge.
Rectangle {
    id: card
    property real s: 1
    property BreakOverlayModel model
    property string accessibleName
    readonly property real inset: Theme.space.s * s

    color: Theme.breakScreen.surface
    radius: Theme.cardRadius * s
    border.color: Theme.breakScreen.separator
    border.width: Math.max(1, s)
    Accessible.role: Accessible.Graphic
    Accessible.name: accessibleName

    Item {
        id: picture
        anchors.fill: parent
        anchors.margins: card.inset

        Rectangle {
            anchors.fill: parent
            color: Theme.breakScreen.backgroundBottom
            Column {
                anchors.centerIn: parent
                spacing: Theme.space.s * card.s
                visible: !preview.hasPicture
                Picture {
                    anchors.horizontalCenter: parent.horizontalCenter
                    source: "../images/camera.svg"
                    width: Theme.space.xxl * card.s; height: width
                }
                Text {
                    text: card.accessibleName
                    color: Theme.breakScreen.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.subtitle * card.s
                }
            }
        }
        CameraPreviewItem {
            id: preview
            anchors.fill: parent
            model: card.model
            boneColor: Theme.breakScreen.accent
            jointColor: Theme.breakScreen.text
        }
        // Rounds the picture's corners with the card's own colour (no masking effects in
        // this Qt): a frame whose inner edge is the rounded picture.
        Rectangle {
            anchors.fill: parent
            anchors.margins: -card.inset
            color: "transparent"
            radius: card.radius
            border.width: card.inset
            border.color: card.color
        }
    }
    Rectangle {
        anchors.fill: parent
        color: "transparent"
        radius: card.radius
        border.color: Theme.breakScreen.separator
        border.width: Math.max(1, card.s)
    }

    Rectangle {
        anchors { left: parent.left; top: parent.top; margins: Theme.space.l * card.s }
        color: Qt.rgba(0.02, 0.04, 0.07, 0.72)
        radius: height / 2
        width: badge.implicitWidth + Theme.space.l * card.s
        height: badge.implicitHeight + Theme.space.s * card.s
        Row {
            id: badge
            anchors.centerIn: parent
            spacing: Theme.space.xs * card.s
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: Theme.space.s * card.s * 0.75; height: width; radius: width / 2
                color: preview.hasPicture ? Theme.breakScreen.live : Theme.breakScreen.textDim
            }
            Text {
                text: qsTr("LIVE - ON DEVICE")
                color: Theme.breakScreen.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption * card.s
                font.weight: Font.DemiBold
                font.letterSpacing: 1.5 * card.s
            }
        }
    }
}
