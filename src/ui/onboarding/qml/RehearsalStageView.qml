// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme
import Quorvantel.Onboarding

// A small screen that goes through a break: the countdown on the desktop, the lock, three
// counted squats and the desktop again.
Item {
    id: view
    property RehearsalStage stage
    property string label
    property string accessibleName
    property string nextBreakText
    readonly property bool locked: stage.isLocked
    readonly property bool unlocked: stage.isUnlocked
    readonly property int fade: stage.reduceMotion ? 0 : 220
    Accessible.role: Accessible.Animation
    Accessible.name: accessibleName

    Row {
        id: caption
        anchors.horizontalCenter: parent.horizontalCenter
        spacing: Theme.space.xs
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: Theme.grid; height: width; radius: width / 2
            color: Theme.window.accent
        }
        SectionLabel { text: view.label }
    }

    Rectangle {
        id: screen
        anchors { top: caption.bottom; topMargin: Theme.space.s; horizontalCenter: parent.horizontalCenter }
        height: parent.height - caption.height - Theme.space.s - Theme.space.m
        width: Math.min(parent.width, height * 16 / 9)
        radius: Theme.radius + 4
        color: Theme.window.surface
        border.width: 1
        border.color: Theme.window.separator
        clip: true

        // The desktop, before and after the break.
        Item {
            anchors.fill: parent
            opacity: view.locked ? 0 : 1
            Behavior on opacity { NumberAnimation { duration: view.fade } }

            Rectangle {
                id: bar
                anchors { left: parent.left; right: parent.right; top: parent.top; margins: 1 }
                height: Theme.space.xl
                radius: screen.radius
                color: Theme.window.background
                Rectangle {
                    anchors { right: parent.right; rightMargin: Theme.space.m; verticalCenter: parent.verticalCenter }
                    width: barTimer.implicitWidth + Theme.space.m
                    height: Theme.space.l
                    radius: height / 2
                    color: view.unlocked ? Theme.window.separator : Theme.window.accent
                    Text {
                        id: barTimer
                        anchors.centerIn: parent
                        text: view.unlocked ? view.nextBreakText : view.stage.timerText
                        color: view.unlocked ? Theme.window.text : Theme.window.textOnAccent
                        font.family: Theme.fixedFontFamily
                        font.pixelSize: Theme.type.caption + 1
                        font.weight: Font.Bold
                    }
                }
            }
            // Two quiet windows stand for the user's work.
            Rectangle {
                x: parent.width * 0.08; y: bar.height + Theme.space.l
                width: parent.width * 0.38; height: parent.height * 0.5
                radius: Theme.grid
                color: Theme.window.background
                border.width: 1; border.color: Theme.window.separator
            }
            Rectangle {
                x: parent.width * 0.52; y: bar.height + Theme.space.xxl
                width: parent.width * 0.4; height: parent.height * 0.42
                radius: Theme.grid
                color: Theme.window.background
                border.width: 1; border.color: Theme.window.separator
            }
            Rectangle {
                anchors.centerIn: parent
                anchors.verticalCenterOffset: Theme.space.m
                width: desktopCue.implicitWidth + Theme.space.xxl
                height: desktopCue.implicitHeight + Theme.space.l
                radius: Theme.radius
                color: Theme.window.surface
                border.width: 1; border.color: Theme.window.separator
                Text {
                    id: desktopCue
                    anchors.centerIn: parent
                    text: view.stage.cue
                    color: view.unlocked ? Theme.window.success : Theme.window.text
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.headline
                    font.weight: Font.Bold
                }
            }
        }

        // The break screen in miniature.
        Rectangle {
            anchors.fill: parent
            radius: screen.radius
            opacity: view.locked ? 1 : 0
            Behavior on opacity { NumberAnimation { duration: view.fade } }
            gradient: Gradient {
                GradientStop { position: 0; color: Theme.breakScreen.backgroundTop }
                GradientStop { position: 1; color: Theme.breakScreen.backgroundBottom }
            }

            Text {
                anchors { top: parent.top; topMargin: Theme.space.m; horizontalCenter: parent.horizontalCenter }
                text: view.stage.timerText
                color: Theme.breakScreen.textSecondary
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption
                font.weight: Font.DemiBold
                font.letterSpacing: 3
            }
            SquatFigure {
                id: figure
                anchors { verticalCenter: parent.verticalCenter; verticalCenterOffset: Theme.space.s }
                x: parent.width * 0.16
                height: parent.height * 0.62
                width: height * 0.7
                depth: view.stage.isSquatDown ? 1 : 0
                animated: !view.stage.reduceMotion
                color: Theme.breakScreen.accent
            }
            Column {
                anchors { verticalCenter: parent.verticalCenter; verticalCenterOffset: Theme.space.s }
                x: parent.width * 0.5
                spacing: Theme.space.xs
                Text {
                    text: view.stage.counterText
                    color: Theme.breakScreen.text
                    font.family: Theme.fixedFontFamily
                    font.pixelSize: Theme.type.hero
                    font.weight: Font.Bold
                }
                Row {
                    spacing: Theme.space.s
                    Text {
                        visible: text.length > 0
                        text: view.stage.arrow
                        color: Theme.breakScreen.accent
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.type.title
                        font.weight: Font.Bold
                    }
                    Text {
                        text: view.stage.cue
                        color: Theme.breakScreen.accent
                        font.family: Theme.fontFamily
                        font.pixelSize: Theme.type.title
                        font.weight: Font.DemiBold
                    }
                }
            }
        }
    }
}
