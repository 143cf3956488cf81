// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Layouts
import Quorvantel.Controls
import Quorvantel.Theme
import Quorvantel.Settings

PaneScroll {
    id: pane
    // Null when this window has no statistics to show.
    required property StatsPaneModel stats
    property string damagedFileNotice: ""

    title: qsTr("Stats")

    Text {
        visible: pane.stats === null
        text: qsTr("Stats are unavailable in this window.")
        font.family: Theme.fontFamily
        font.pixelSize: Theme.type.body
        color: Theme.window.textSecondary
    }

    StatusRow {
        objectName: "damagedFileNotice"
        visible: pane.damagedFileNotice.length > 0
        symbol: SettingsViewModel.Warning
        text: pane.damagedFileNotice
    }

    Card {
        objectName: "todayCard"
        visible: pane.stats !== null
        Layout.fillWidth: true
        implicitHeight: today.implicitHeight + 2 * Theme.space.l
        Accessible.role: Accessible.StaticText
        Accessible.name: pane.stats ? pane.stats.todayAccessibleLabel : ""

        ColumnLayout {
            id: today
            anchors.fill: parent
            anchors.margins: Theme.space.l
            spacing: 0
            Text {
                text: qsTr("TODAY")
                font.family: Theme.fontFamily
                font.pixelSize: Theme.type.caption
                font.weight: Font.DemiBold
                font.letterSpacing: 0.6
                color: Theme.window.textSecondary
            }
            Row {
                spacing: Theme.space.s
                Text {
                    id: todayNumber
                    text: pane.stats ? pane.stats.todayRepetitions : ""
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.hero
                    font.weight: Font.Bold
                    color: Theme.window.accent
                }
                Text {
                    text: qsTr("reps")
                    anchors.baseline: todayNumber.baseline
                    font.family: Theme.fontFamily
                    font.pixelSize: Theme.type.title
                    color: Theme.window.textSecondary
                }
            }
        }
    }

    RowLayout {
        visible: pane.stats !== null
        Layout.fillWidth: true
        spacing: Theme.space.s
        StatTile {
            objectName: "streakTile"
            caption: qsTr("DAY STREAK")
            value: pane.stats ? pane.stats.streakDays : ""
            valueColor: pane.stats && pane.stats.isStreakEmphasised ? Theme.window.success
                                                                     : Theme.window.text
        }
        StatTile {
            objectName: "breaksTodayTile"
            caption: pane.stats ? pane.stats.breaksTodayCaption : ""
            value: pane.stats ? pane.stats.breaksToday : ""
        }
    }

    RecentDaysChart {
        visible: pane.stats !== null
        stats: pane.stats
    }

    RowLayout {
        visible: pane.stats !== null
        Layout.fillWidth: true
        spacing: Theme.space.s
        StatTile {
            caption: qsTr("TOTAL REPS")
            valueSize: Theme.type.title
            value: pane.stats ? pane.stats.totalRepetitions : ""
        }
        StatTile {
            caption: qsTr("BREAKS DONE")
            valueSize: Theme.type.title
            value: pane.stats ? pane.stats.totalCompletedBreaks : ""
        }
        StatTile {
            caption: qsTr("BREAKS SKIPPED")
            valueSize: Theme.type.title
            value: pane.stats ? pane.stats.totalSkippedBreaks : ""
        }
    }

    Note {
        visible: pane.stats !== null
        text: qsTr("Counted on this computer only. No accounts, nothing uploaded.")
    }
}
