// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Tray

// The card that opens from the tray icon: where the cycle stands, what can be done about it,
// and today's numbers. Everything shown comes from the popover model as it stands.
Window {
    id: root
    objectName: "trayPopover"

    required property MenuPopoverModel popover

    readonly property WindowColors colors: Theme.window

    flags: Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    title: "Quorvantel"
    width: 324
    height: content.implicitHeight + 2 * Theme.space.m
    color: colors.background

    component Tile: Card {
        id: tile
        property string value
        property string label
        property bool emphasised: false
        Layout.fillWidth: true
        implicitHeight: tileColumn.implicitHeight + 2 * Theme.space.s
        radius: Theme.controlRadius
        Column {
            id: tileColumn
            anchors.centerIn: parent
            spacing: 2
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: tile.value
                font.pixelSize: Theme.type.title
                font.bold: true
                color: tile.emphasised ? Theme.window.success : Theme.window.text
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: tile.label
                font.pixelSize: Theme.type.caption - 1
                font.letterSpacing: 0.8
                color: Theme.window.textSecondary
            }
        }
    }

    // One line of the pause menu.
    component MenuChoice: Button {
        width: parent.width
        kind: Button.Quiet
        size: Button.Compact
        pill: false
        horizontalAlignment: Text.AlignLeft
        Accessible.role: Accessible.MenuItem
    }

    Rectangle {
        anchors.fill: parent
        color: "transparent"
        border.width: 1
        border.color: root.colors.separator
    }

    Item {
        id: keys
        anchors.fill: parent
        focus: true
        Keys.onEscapePressed: root.popover.dismiss()
    }
    Shortcut {
        sequence: "Ctrl+Q"
        onActivated: root.popover.quit()
    }
    Shortcut {
        sequence: "Ctrl+,"
        onActivated: root.popover.openSettings()
    }

    ColumnLayout {
        id: content
        x: Theme.space.m
        y: Theme.space.m
        width: root.width - 2 * Theme.space.m
        spacing: Theme.space.s
        // From a button that has the keyboard, too.
        Keys.onEscapePressed: root.popover.dismiss()

        RowLayout {
            Layout.fillWidth: true
            spacing: Theme.space.s
            Image {
                source: "Mark.svg"
                sourceSize.width: 30
                sourceSize.height: 30
                Layout.preferredWidth: 30
                Layout.preferredHeight: 30
            }
            Text {
                Layout.fillWidth: true
                text: "Quorvantel"
                font.pixelSize: Theme.type.subtitle
                font.bold: true
                color: root.colors.text
            }
            Rectangle {
                implicitWidth: stateText.implicitWidth + 2 * Theme.space.xs + 4
                implicitHeight: stateText.implicitHeight + Theme.space.xs
                radius: height / 2
                color: root.colors.chip
                Text {
                    id: stateText
                    objectName: "stateLabel"
                    anchors.centerIn: parent
                    text: root.popover.stateLabel
                    font.pixelSize: Theme.type.caption - 1
                    font.bold: true
                    font.letterSpacing: 0.8
                    color: root.colors.accent
                }
            }
        }

        Card {
            Layout.fillWidth: true
            Layout.topMargin: Theme.grid
            implicitHeight: card.implicitHeight + 2 * Theme.space.m
            ColumnLayout {
                id: card
                x: Theme.space.m
                y: Theme.space.m
                width: parent.width - 2 * Theme.space.m
                spacing: Theme.grid
                Text {
                    Layout.fillWidth: true
                    text: root.popover.caption
                    font.pixelSize: Theme.type.caption
                    font.letterSpacing: 1
                    font.bold: true
                    color: root.colors.textSecondary
                    // Longer languages take a second line rather than lose the end.
                    wrapMode: Text.WordWrap
                }
                Text {
                    objectName: "countdown"
                    Layout.fillWidth: true
                    text: root.popover.countdown
                    font.family: Theme.fixedFontFamily
                    font.pixelSize: Theme.type.display
                    font.bold: true
                    color: root.popover.countdownLive ? root.colors.text : root.colors.textSecondary
                    Accessible.name: root.popover.caption + " " + root.popover.countdown
                }
                Rectangle {
                    visible: root.popover.hasProgress
                    Layout.fillWidth: true
                    Layout.topMargin: 2
                    implicitHeight: 4
                    radius: 2
                    color: root.colors.track
                    Rectangle {
                        width: parent.width * root.popover.progress
                        height: parent.height
                        radius: 2
                        color: root.colors.accent
                    }
                }
            }
        }

        Button {
            objectName: "startBreak"
            Layout.fillWidth: true
            kind: Button.Primary
            pill: false
            text: qsTr("Start break now")
            enabled: root.popover.canStartBreak
            onClicked: root.popover.startBreak()
        }
        Button {
            objectName: "snooze"
            Layout.fillWidth: true
            pill: false
            visible: root.popover.canSnooze
            text: qsTr("+5 min")
            detail: root.popover.snoozeText
            Accessible.name: root.popover.snoozeAccessibleName
            onClicked: root.popover.snooze()
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: Theme.grid
            spacing: Theme.space.xs
            Accessible.role: Accessible.Grouping
            Accessible.name: root.popover.todayAccessibleName
            Tile { value: root.popover.repetitionsText; label: qsTr("REPS") }
            Tile { value: root.popover.breaksText; label: root.popover.breaksLabel }
            Tile {
                value: root.popover.streakText
                label: qsTr("STREAK")
                emphasised: root.popover.streakEmphasised
            }
        }

        Card {
            Layout.fillWidth: true
            Layout.topMargin: Theme.grid
            implicitHeight: schedule.implicitHeight + 2 * Theme.space.s
            ColumnLayout {
                id: schedule
                x: Theme.space.s
                y: Theme.space.s
                width: parent.width - 2 * Theme.space.s
                spacing: Theme.space.xs

                Rectangle {
                    objectName: "notice"
                    visible: root.popover.hasNotice
                    Layout.fillWidth: true
                    implicitHeight: notice.implicitHeight + Theme.space.s
                    radius: 6
                    color: root.colors.chip
                    Column {
                        id: notice
                        x: Theme.space.s
                        anchors.verticalCenter: parent.verticalCenter
                        width: parent.width - 2 * Theme.space.s
                        Text {
                            text: root.popover.noticeTitle
                            font.pixelSize: Theme.type.caption
                            font.bold: true
                            color: root.colors.accent
                        }
                        Text {
                            width: parent.width
                            text: root.popover.noticeText
                            font.pixelSize: Theme.type.body
                            color: root.colors.text
                            wrapMode: Text.Wrap
                        }
                    }
                }

                RowLayout {
                    Layout.fillWidth: true
                    Layout.leftMargin: Theme.grid
                    Layout.rightMargin: Theme.grid
                    implicitHeight: Theme.hitTarget - Theme.grid
                    Text {
                        Layout.fillWidth: true
                        text: qsTr("Work interval")
                        font.pixelSize: Theme.type.body
                        color: root.colors.textSecondary
                    }
                    Text {
                        text: root.popover.workIntervalText
                        font.pixelSize: Theme.type.body
                        font.bold: true
                        color: root.colors.text
                    }
                }

                Button {
                    objectName: "resume"
                    Layout.fillWidth: true
                    pill: false
                    visible: root.popover.canResume
                    text: qsTr("▶  Resume breaks")
                    detail: root.popover.pausedUntilText
                    Accessible.name: qsTr("Resume breaks now")
                    onClicked: root.popover.resume()
                }
                Button {
                    id: pauseButton
                    Layout.fillWidth: true
                    pill: false
                    objectName: "pause"
                    visible: !root.popover.canResume
                    enabled: root.popover.canPause
                    text: qsTr("Pause breaks  ▾")
                    onClicked: pauseMenu.open()
                }
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.topMargin: Theme.grid
            Button {
                objectName: "settings"
                kind: Button.Quiet
                size: Button.Compact
                pill: false
                text: qsTr("⚙  Settings…")
                onClicked: root.popover.openSettings()
            }
            Item { Layout.fillWidth: true }
            Button {
                objectName: "quit"
                kind: Button.Quiet
                size: Button.Compact
                pill: false
                text: qsTr("Quit")
                Accessible.name: qsTr("Quit Quorvantel")
                onClicked: root.popover.quit()
            }
        }
    }

    // A click beside the open menu closes it, as with any menu.
    MouseArea {
        anchors.fill: parent
        visible: pauseMenu.visible
        onClicked: pauseMenu.close()
    }

    Rectangle {
        id: pauseMenu
        objectName: "pauseMenu"
        visible: false
        width: pauseButton.width
        height: choices.implicitHeight + 2 * Theme.space.xs
        radius: 8
        color: root.colors.surface
        border.width: 1
        border.color: root.colors.separator
        Accessible.role: Accessible.PopupMenu

        // Below its button, kept inside the window.
        function open() {
            const below = pauseButton.mapToItem(root.contentItem, 0, pauseButton.height + 2);
            x = below.x;
            y = Math.min(below.y, root.height - height - Theme.space.xs);
            visible = true;
            firstChoice.forceActiveFocus();
        }
        function close() {
            visible = false;
            pauseButton.forceActiveFocus();
        }
        // Closes the menu for a choice made; the choice then acts.
        function closeForChoice() {
            visible = false;
            keys.forceActiveFocus();
        }
        Keys.onEscapePressed: close()

        Column {
            id: choices
            x: Theme.space.xs
            y: Theme.space.xs
            width: parent.width - 2 * Theme.space.xs
            MenuChoice {
                id: firstChoice
                objectName: "pauseForOneHour"
                text: qsTr("For 1 hour")
                KeyNavigation.down: lastChoice // and up again from there
                onClicked: {
                    pauseMenu.closeForChoice();
                    root.popover.pauseForOneHour();
                }
            }
            MenuChoice {
                id: lastChoice
                objectName: "pauseUntilTomorrow"
                text: qsTr("Until tomorrow")
                onClicked: {
                    pauseMenu.closeForChoice();
                    root.popover.pauseUntilTomorrow();
                }
            }
        }
    }
}
