// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Onboarding

// The first-launch window's content: the act's kicker and progress dots on top, one act at a
// time in the middle, Back and the act's forward button at the bottom.
Rectangle {
    id: root
    required property OnboardingPresentation presentation
    // What this desktop can promise about a break; null where nothing needs saying.
    property BreakHoldNotice breakHold: null
    readonly property OnboardingModel model: presentation.model

    width: 880
    height: 620
    color: Theme.window.background

    // A soft wash of the accent behind the top left, so the window does not read as a form.
    Rectangle {
        width: parent.width * 0.9; height: width
        x: -width * 0.45; y: -height * 0.62
        radius: width / 2
        color: Theme.window.accent
        opacity: Theme.darkDesktop ? 0.07 : 0.05
    }

    Item {
        id: header
        anchors { left: parent.left; right: parent.right; top: parent.top }
        anchors.margins: Theme.space.xl
        height: Theme.hitTarget

        Text {
            anchors.verticalCenter: parent.verticalCenter
            text: root.presentation.kicker
            color: Theme.window.accent
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
            font.weight: Font.DemiBold
            font.letterSpacing: 2
        }
        ProgressDots {
            anchors { right: parent.right; verticalCenter: parent.verticalCenter }
            dots: root.presentation.progressDots
            onJump: (step) => root.model.goToStep(step)
        }
    }

    Item {
        id: stage
        anchors {
            left: parent.left; right: parent.right; top: header.bottom; bottom: footer.top
            leftMargin: Theme.space.xl; rightMargin: Theme.space.xl
            topMargin: Theme.space.l; bottomMargin: Theme.space.l
        }
        DealAct {
            anchors.fill: parent
            visible: root.presentation.act === OnboardingPresentation.Deal
            presentation: root.presentation
        }
        RehearsalAct {
            anchors.fill: parent
            visible: root.presentation.act === OnboardingPresentation.Rehearsal
            presentation: root.presentation
        }
        TermsAct {
            anchors.fill: parent
            visible: root.presentation.act === OnboardingPresentation.Terms
            presentation: root.presentation
            breakHold: root.breakHold
        }
        ProofAct {
            anchors.fill: parent
            visible: root.presentation.act === OnboardingPresentation.Proof
            presentation: root.presentation
        }
    }

    Item {
        id: footer
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        anchors.margins: Theme.space.xl
        height: forward.height

        Button {
            anchors { left: parent.left; verticalCenter: parent.verticalCenter }
            visible: root.presentation.canGoBack
            kind: Button.Quiet
            size: Button.Large
            text: root.presentation.texts.back
            onClicked: root.model.goBack()
        }
        Button {
            id: forward
            anchors { right: parent.right; verticalCenter: parent.verticalCenter }
            kind: Button.Primary
            size: Button.Large
            text: root.presentation.forwardText
            showArrow: true
            onClicked: root.model.advance()
        }
    }
}
