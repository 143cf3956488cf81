// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Theme
import Quorvantel.Onboarding

// The first act: the deal in two lines, the loop it sets up, and what stays private.
Item {
    id: act
    required property OnboardingPresentation presentation

    Column {
        id: words
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors.topMargin: Theme.space.l
        spacing: Theme.space.l

        Column {
            spacing: 0
            Text {
                text: act.presentation.texts.dealTitle
                color: Theme.window.text
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.hero - 12
                font.weight: Font.Bold
            }
            Text {
                text: act.presentation.texts.dealTitleSecond
                color: Theme.window.accent
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.hero - 12
                font.weight: Font.Bold
            }
        }
        Text {
            width: Math.min(parent.width, 620)
            text: act.presentation.dealText
            wrapMode: Text.WordWrap
            lineHeight: 1.25
            color: Theme.window.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.subtitle + 1
        }
    }

    LoopIllustration {
        anchors { left: parent.left; right: parent.right; top: words.bottom }
        anchors.topMargin: Theme.space.xl
        steps: act.presentation.loopSteps
        accessibleName: act.presentation.loopAccessibleName
    }

    Row {
        anchors { left: parent.left; bottom: parent.bottom }
        spacing: Theme.space.s
        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: act.presentation.texts.dealFootnote
            color: Theme.window.text
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.body
            font.weight: Font.DemiBold
        }
        Item { width: Theme.space.xs; height: 1 }
        Repeater {
            model: act.presentation.texts.badges
            delegate: Badge {
                required property string modelData
                anchors.verticalCenter: parent.verticalCenter
                text: modelData
            }
        }
    }
}
