// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.CameraPreview
import Quorvantel.Onboarding

// The practice run's camera card: dark like the break screen, with the live picture and
// skeleton, a framing guide, the coaching cue while counting, and the result once counted.
Rectangle {
    id: card
    required property OnboardingPresentation presentation
    readonly property OnboardingModel model: presentation.model

    radius: Theme.radius + 4
    color: Theme.breakScreen.surface
    border.width: 1
    border.color: Theme.breakScreen.separator
    clip: true

    Rectangle {
        anchors.fill: parent
        anchors.margins: 1
        radius: card.radius
        gradient: Gradient {
            GradientStop { position: 0; color: Theme.breakScreen.backgroundTop }
            GradientStop { position: 1; color: Theme.breakScreen.backgroundBottom }
        }
    }
    CameraPreviewItem {
        id: preview
        anchors.fill: parent
        anchors.margins: 1
        visible: card.presentation.isCameraLive
        model: card.model
        boneColor: Theme.breakScreen.accent
        jointColor: Theme.breakScreen.text
        Accessible.role: Accessible.Graphic
        Accessible.name: card.presentation.texts.previewAccessibleName
    }
    // Rounds the picture's corners with the card's own colour.
    Rectangle {
        anchors.fill: parent
        anchors.margins: -Theme.grid + 1
        radius: card.radius + Theme.grid
        color: "transparent"
        border.width: Theme.grid
        border.color: Theme.window.background
    }

    FramingGuide {
        anchors.fill: parent
        anchors.margins: Theme.space.xl
        anchors.topMargin: Theme.space.xxl + Theme.space.s
        anchors.bottomMargin: Theme.space.xxl + Theme.space.l
        visible: !card.presentation.isCounted
        live: card.presentation.isCameraLive
    }

    // Status of the camera, top left.
    Rectangle {
        anchors { left: parent.left; top: parent.top; margins: Theme.space.m }
        height: Theme.space.l + 2
        width: status.implicitWidth + Theme.space.m * 2
        radius: height / 2
        color: Qt.rgba(0.02, 0.04, 0.07, 0.72)
        Row {
            id: status
            anchors.centerIn: parent
            spacing: Theme.grid
            Rectangle {
                anchors.verticalCenter: parent.verticalCenter
                width: Theme.grid + 1; height: width; radius: width / 2
                color: card.presentation.isFailed ? Theme.breakScreen.warning
                     : card.presentation.isCameraReady ? Theme.breakScreen.live : Theme.breakScreen.textDim
            }
            Text {
                text: card.presentation.cameraStatusLabel
                color: Theme.breakScreen.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption - 1
                font.weight: Font.DemiBold
                font.letterSpacing: 1.4
            }
        }
    }

    // Before the run: the one button that starts it, or the way to the settings.
    Column {
        anchors.centerIn: parent
        spacing: Theme.space.m
        visible: !card.presentation.isCameraLive
        CameraGlyph {
            anchors.horizontalCenter: parent.horizontalCenter
            color: Theme.breakScreen.textSecondary
        }
        Button {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: card.presentation.isCameraButtonShown
            enabled: card.presentation.isCameraButtonEnabled
            kind: Button.Primary
            size: Button.Large
            colors: Theme.breakScreen
            text: card.presentation.cameraButtonText
            onClicked: card.model.requestCamera()
        }
        Button {
            anchors.horizontalCenter: parent.horizontalCenter
            visible: card.presentation.isDenied
            size: Button.Large
            colors: Theme.breakScreen
            text: card.presentation.texts.openCameraSettings
            onClicked: card.presentation.openCameraSettings()
        }
    }

    // While the camera runs: the one cue to follow, large, over a shade that keeps it legible.
    Rectangle {
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 1 }
        height: parent.height * 0.4
        radius: card.radius
        visible: cue.visible
        gradient: Gradient {
            GradientStop { position: 0; color: "transparent" }
            GradientStop { position: 1; color: Qt.rgba(0.02, 0.04, 0.07, 0.78) }
        }
    }
    Column {
        id: cue
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: Theme.space.m }
        visible: card.presentation.isCameraLive && !card.presentation.isCounted
        spacing: 0
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: card.presentation.guidanceHeading
            color: Theme.breakScreen.accent
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
            font.weight: Font.DemiBold
            font.letterSpacing: 1.2
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: card.presentation.coachingCue
            color: Theme.breakScreen.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.headline + 4
            font.weight: Font.Bold
        }
    }

    // Counted.
    Rectangle {
        anchors.fill: parent
        anchors.margins: 1
        radius: card.radius
        visible: card.presentation.isCounted
        color: Qt.rgba(0.02, 0.04, 0.07, 0.74)
        // The last picture and its skeleton stay in view around the result, but no bone runs
        // through the words.
        Rectangle {
            anchors.centerIn: result
            width: result.width + Theme.space.xl * 2
            height: result.height + Theme.space.l * 2
            radius: Theme.radius + 4
            color: Theme.breakScreen.surface
        }
        Column {
            id: result
            anchors.centerIn: parent
            spacing: Theme.space.xs
            Rectangle {
                anchors.horizontalCenter: parent.horizontalCenter
                width: Theme.space.xxl + Theme.space.s; height: width; radius: width / 2
                color: Theme.breakScreen.success
                Text {
                    anchors.centerIn: parent
                    text: "✓"
                    color: Theme.breakScreen.backgroundBottom
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.headline
                    font.weight: Font.Bold
                }
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: card.presentation.texts.successTitle
                color: Theme.breakScreen.success
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption + 1
                font.weight: Font.Bold
                font.letterSpacing: 3
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: card.presentation.texts.successText
                color: Theme.breakScreen.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.display
                font.weight: Font.Bold
            }
        }
    }
}
