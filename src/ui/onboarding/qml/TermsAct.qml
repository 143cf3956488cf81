// SPDX-License-Identifier: GPL-3.0-or-later
pragma ComponentBehavior: Bound
import QtQuick
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Onboarding

// The third act: the work interval, the timed fallback and launch at login.
Item {
    id: act
    required property OnboardingPresentation presentation
    property BreakHoldNotice breakHold: null

    Headline {
        id: headline
        anchors { left: parent.left; right: parent.right; top: parent.top }
        title: act.presentation.texts.termsTitle
        subtitle: act.presentation.texts.termsSubtitle
    }

    Column {
        anchors { left: parent.left; right: parent.right; top: headline.bottom; topMargin: Theme.space.l }
        spacing: Theme.space.l

        Column {
            width: parent.width
            spacing: Theme.space.s
            SectionLabel { text: act.presentation.texts.intervalSection }
            Row {
                id: tiles
                spacing: Theme.space.s
                readonly property real tileWidth: (parent.width - spacing * 4) / 5
                Repeater {
                    model: act.presentation.intervalTiles
                    delegate: IntervalTile {
                        required property var modelData
                        width: tiles.tileWidth
                        number: modelData.number
                        unit: modelData.unit
                        selected: modelData.isSelected
                        accessibleName: modelData.accessibleName
                        onChosen: act.presentation.chooseInterval(modelData.minutes)
                    }
                }
                CustomIntervalTile {
                    width: tiles.tileWidth
                    tile: act.presentation.customTile
                    onAdjust: (direction) => act.presentation.adjustCustomInterval(direction)
                }
            }
        }

        Row {
            width: parent.width
            spacing: Theme.space.l
            Column {
                width: (parent.width - parent.spacing) * 0.56
                spacing: Theme.space.s
                SectionLabel { text: act.presentation.texts.honorSection }
                Text {
                    text: act.presentation.texts.honorDetail
                    color: Theme.window.text
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.body
                }
                SegmentedChoice {
                    width: parent.width
                    choices: act.presentation.honorChoices
                    onChosen: index => act.presentation.chooseHonorChoice(index)
                }
            }
            Column {
                width: (parent.width - parent.spacing) * 0.44
                spacing: Theme.space.s
                SectionLabel { text: act.presentation.texts.loginSection }
                ToggleRow {
                    width: parent.width
                    card: true
                    text: act.presentation.texts.loginToggle
                    detail: act.presentation.launchAtLoginMessage.length > 0
                            ? act.presentation.launchAtLoginMessage : act.presentation.texts.loginDetail
                    warning: act.presentation.launchAtLoginMessage.length > 0
                    checked: act.presentation.launchAtLoginOn
                    onToggled: on => act.presentation.setLaunchAtLogin(on)
                }
            }
        }
    }

    // Where this desktop lets a break be left by switching windows, the terms say so plainly,
    // with the one action that changes it.
    Row {
        objectName: "breakHoldNote"
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
        spacing: Theme.space.m
        visible: act.breakHold !== null && act.breakHold.sentence !== ""
        Text {
            width: parent.width - (enable.visible ? enable.width + parent.spacing : 0)
            anchors.verticalCenter: parent.verticalCenter
            text: act.breakHold ? act.breakHold.sentence : ""
            wrapMode: Text.WordWrap
            color: Theme.window.textSecondary
            font.family: Theme.fontFamily
            font.pixelSize: Theme.type.caption
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Button {
            id: enable
            kind: Button.Link
            objectName: "breakHoldEnable"
            anchors.verticalCenter: parent.verticalCenter
            visible: act.breakHold !== null && act.breakHold.canEnable
            text: act.breakHold ? act.breakHold.enableTitle : ""
            onClicked: act.breakHold.enable()
        }
    }
}
