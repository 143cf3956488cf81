// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Onboarding

// The last act: a practice run in which one real squat must be counted.
Item {
    id: act
    required property OnboardingPresentation presentation
    readonly property OnboardingModel model: presentation.model

    Headline {
        id: headline
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: act.presentation.texts.proofTitle
        subtitle: act.presentation.trialSubtitle
    }

    CameraStage {
        id: card
        anchors { left: parent.left; top: headline.bottom; bottom: parent.bottom; topMargin: Theme.space.m }
        width: Math.min(height * 4 / 3, parent.width * 0.56)
        presentation: act.presentation
    }

    Column {
        id: side
        anchors {
            left: card.right; right: parent.right; top: card.top
            leftMargin: Theme.space.l
        }
        spacing: Theme.space.s

        Column {
            width: parent.width
            spacing: Theme.grid
            Repeater {
                model: act.presentation.checklist
                delegate: CheckRow {
                    required property var modelData
                    width: side.width
                    text: modelData.text
                    met: modelData.isMet
                }
            }
        }

        Column {
            width: parent.width
            spacing: 2
            visible: !act.presentation.isCounted
            SectionLabel {
                text: act.presentation.guidanceHeading
                color: Theme.window.accent
            }
            Text {
                width: parent.width
                text: act.presentation.guidanceDetail
                wrapMode: Text.WordWrap
                color: Theme.window.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.body
            }
            Text {
                width: parent.width
                visible: act.presentation.helpTitle.length === 0
                text: act.presentation.texts.repRule
                wrapMode: Text.WordWrap
                color: Theme.window.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption + 1
            }
        }

        // Why the camera is not running, and the ways on.
        Rectangle {
            width: parent.width
            visible: act.presentation.helpTitle.length > 0
            height: help.implicitHeight + Theme.space.s * 2
            radius: Theme.radius
            color: Theme.window.surface
            border.width: 1
            border.color: act.presentation.canSkipCamera ? Theme.window.success : Theme.window.separator
            Column {
                id: help
                anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.space.s }
                anchors.leftMargin: Theme.space.m
                anchors.rightMargin: Theme.space.m
                spacing: 4
                Text {
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: act.presentation.helpTitle
                    color: Theme.window.text
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.body
                    font.weight: Font.DemiBold
                }
                Text {
                    width: parent.width
                    wrapMode: Text.WordWrap
                    text: act.presentation.helpText
                    color: Theme.window.textSecondary
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.caption + 1
                }
                Button {
                    visible: act.presentation.canSkipCamera
                    kind: Button.Link
                    text: act.presentation.texts.skip
                    onClicked: act.model.skipCamera()
                }
            }
        }
    }

    Rectangle {
        id: privacyNote
        anchors { left: side.left; right: parent.right; bottom: parent.bottom }
        height: privacy.implicitHeight + Theme.space.s * 2
        // The note gives way when the help above needs its room (longer languages).
        visible: side.y + side.height + Theme.space.s <= y
        radius: Theme.radius
        color: "transparent"
        border.width: 1
        border.color: Theme.window.separator
        Column {
            id: privacy
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: Theme.space.s }
            anchors.leftMargin: Theme.space.m
            anchors.rightMargin: Theme.space.m
            spacing: 4
            SectionLabel { text: act.presentation.texts.privacyTitle }
            Text {
                width: parent.width
                wrapMode: Text.WordWrap
                text: act.presentation.texts.privacyText
                color: Theme.window.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption + 1
            }
        }
    }
}
