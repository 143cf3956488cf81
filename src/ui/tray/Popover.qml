// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import QtQuick.Window
import Quorvantel.Theme

// The card that opens from the tray icon: where the cycle stands, what can be done about it,
// and today's numbers. Everything shown comes from the popover model as it stands.
Window {
    id: root
    objectName: "trayPopover"

    required property QtObject popover

    readonly property QtObject colors: Theme.window
    readonly property QtObject tone: Theme.popover

    flags: Qt.Tool | Qt.FramelessWindowHint | Qt.WindowStaysOnTopHint
    title: "Quorvantel"
    width: 324
    height: content.implicitHeight + 2 * Theme.space.m
    color: colors.background

    // The buttons are drawn and handled here rather than taken from Qt Quick Controls: the
    // popover opens often, and the Controls' libraries and types would stay in memory all day
    // after it closed.
    component ButtonBase: Item {
        id: base
        property string text
        readonly property bool down: pointer.pressed
        readonly property bool hovered: pointer.containsMouse
        readonly property bool visualFocus: activeFocus
        signal clicked()
        activeFocusOnTab: true
        Accessible.role: Accessible.Button
        Accessible.name: text
        Accessible.onPressAction: if (enabled) clicked()
        Keys.onSpacePressed: clicked()
        Keys.onReturnPressed: clicked()
        Keys.onEnterPressed: clicked()
        MouseArea {
            id: pointer
            anchors.fill: parent
            hoverEnabled: true
            onClicked: base.clicked()
        }
    }

    component ActionButton: ButtonBase {
        id: control
        property bool primary: false
        property string detail: ""
        implicitHeight: Theme.hitTarget + (detail.length > 0 ? Theme.space.s : 0)
        Layout.fillWidth: true
        Rectangle {
            anchors.fill: parent
            radius: 8
            color: control.primary ? (control.down ? root.tone.accentPressed : root.colors.accent)
                                   : (control.down ? root.tone.pressed
                                                   : control.hovered ? root.tone.hover
                                                                     : root.colors.surface)
            border.width: control.primary ? 0 : 1
            border.color: root.colors.separator
            opacity: control.enabled ? 1 : 0.5
            Rectangle {
                anchors.fill: parent
                anchors.margins: -2
                radius: 10
                color: "transparent"
                border.width: 2
                border.color: root.colors.accent
                visible: control.visualFocus
            }
        }
        Column {
            anchors.verticalCenter: parent.verticalCenter
            x: Theme.space.xs
            width: parent.width - 2 * x
            spacing: 0
            Text {
                width: parent.width
                text: control.text
                font.pixelSize: Theme.type.body
                font.bold: control.primary
                horizontalAlignment: Text.AlignHCenter
                color: control.primary ? root.tone.onAccent : root.colors.text
                opacity: control.enabled ? 1 : 0.45
            }
            Text {
                visible: control.detail.length > 0
                width: parent.width
                text: control.detail
                font.pixelSize: Theme.type.caption
                horizontalAlignment: Text.AlignHCenter
                color: root.colors.textSecondary
            }
        }
    }

    component FlatButton: ButtonBase {
        id: flat
        implicitHeight: Theme.hitTarget - Theme.grid
        implicitWidth: flatLabel.implicitWidth + 2 * Theme.space.s
        Rectangle {
            anchors.fill: parent
            radius: 6
            color: flat.down ? root.tone.pressed : flat.hovered ? root.tone.hover : "transparent"
            border.width: flat.visualFocus ? 2 : 0
            border.color: root.colors.accent
        }
        Text {
            id: flatLabel
            x: Theme.space.s
            anchors.verticalCenter: parent.verticalCenter
            text: flat.text
            font.pixelSize: Theme.type.body
            color: root.colors.text
        }
    }

    component MenuChoice: ButtonBase {
        id: choice
        width: parent.width
        implicitHeight: Theme.hitTarget - Theme.grid
        Accessible.role: Accessible.MenuItem
        Rectangle {
            anchors.fill: parent
            radius: 6
            color: choice.down ? root.tone.pressed
                               : choice.hovered || choice.activeFocus ? root.tone.hover
                                                                      : "transparent"
        }
        Text {
            x: Theme.space.s
            anchors.verticalCenter: parent.verticalCenter
            text: choice.text
            font.pixelSize: Theme.type.body
            color: root.colors.text
        }
    }

    component Tile: Rectangle {
        id: tile
        property string value
        property string label
        property bool emphasised: false
        Layout.fillWidth: true
        implicitHeight: tileColumn.implicitHeight + 2 * Theme.space.s
        radius: 8
        color: root.colors.surface
        border.width: 1
        border.color: root.colors.separator
        Column {
            id: tileColumn
            anchors.centerIn: parent
            spacing: 2
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: tile.value
                font.pixelSize: Theme.type.title
                font.bold: true
                color: tile.emphasised ? root.colors.success : root.colors.text
            }
            Text {
                anchors.horizontalCenter: parent.horizontalCenter
                text: tile.label
                font.pixelSize: Theme.type.caption - 1
                font.letterSpacing: 0.8
                color: root.colors.textSecondary
            }
        }
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
                sourceSize: Qt.size(30, 30)
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
                color: root.tone.chip
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

        Rectangle {
            Layout.fillWidth: true
            Layout.topMargin: Theme.grid
            implicitHeight: card.implicitHeight + 2 * Theme.space.m
            radius: Theme.radius
            color: root.colors.surface
            border.width: 1
            border.color: root.colors.separator
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
                    color: root.tone.track
                    Rectangle {
                        width: parent.width * root.popover.progress
                        height: parent.height
                        radius: 2
                        color: root.colors.accent
                    }
                }
            }
        }

        ActionButton {
            objectName: "startBreak"
            primary: true
            text: qsTr("Start break now")
            enabled: root.popover.canStartBreak
            onClicked: root.popover.startBreak()
        }
        ActionButton {
            objectName: "snooze"
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

        Rectangle {
            Layout.fillWidth: true
            Layout.topMargin: Theme.grid
            implicitHeight: schedule.implicitHeight + 2 * Theme.space.s
            radius: Theme.radius
            color: root.colors.surface
            border.width: 1
            border.color: root.colors.separator
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
                    color: root.tone.chip
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

                ActionButton {
                    objectName: "resume"
                    visible: root.popover.canResume
                    text: qsTr("▶  Resume breaks")
                    detail: root.popover.pausedUntilText
                    Accessible.name: qsTr("Resume breaks now")
                    onClicked: root.popover.resume()
                }
                ActionButton {
                    id: pauseButton
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
            FlatButton {
                objectName: "settings"
                text: qsTr("⚙  Settings…")
                onClicked: root.popover.openSettings()
            }
            Item { Layout.fillWidth: true }
            FlatButton {
                objectName: "quit"
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
        function choose(action) {
            visible = false;
            keys.forceActiveFocus();
            action();
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
                onClicked: pauseMenu.choose(root.popover.pauseForOneHour)
            }
            MenuChoice {
                id: lastChoice
                objectName: "pauseUntilTomorrow"
                text: qsTr("Until tomorrow")
                onClicked: pauseMenu.choose(root.popover.pauseUntilTomorrow)
            }
        }
    }
}
