// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme
import Quorvantel.Onboarding

// The second act: one break played out in miniature.
Item {
    id: act
    required property OnboardingPresentation presentation

    Headline {
        id: headline
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: act.presentation.texts.rehearsalTitle
        subtitle: act.presentation.texts.rehearsalSubtitle
    }
    RehearsalStageView {
        anchors { left: parent.left; right: parent.right; top: headline.bottom; bottom: parent.bottom }
        anchors.topMargin: Theme.space.l
        stage: act.presentation.rehearsal
        label: act.presentation.texts.rehearsalLabel
        accessibleName: act.presentation.texts.rehearsalAccessibleName
        nextBreakText: act.presentation.nextBreakText
    }
}
