// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Settings

PaneScroll {
    id: pane
    required property SettingsStore settings
    required property SettingsViewModel viewModel
    property BreakHoldNotice breakHold: null

    title: qsTr("Breaks")

    Section {
        title: qsTr("Schedule")
        StepperRow {
            objectName: "workIntervalStepper"
            title: qsTr("Work interval")
            value: pane.settings.workIntervalMinutes
            from: pane.settings.workIntervalRange.lowest
            to: pane.settings.workIntervalRange.highest
            valueText: pane.viewModel.workIntervalText
            onStepped: value => pane.settings.workIntervalMinutes = value
        }
        Note {
            text: qsTr("How long you work before the chair interrupts. Pause from the tray when a meeting cannot move.")
        }
    }

    Section {
        title: qsTr("Active hours")
        ToggleRow {
            objectName: "activeHoursToggle"
            text: qsTr("Only interrupt between set hours")
            checked: pane.settings.activeHoursEnabled
            onToggled: checked => pane.settings.activeHoursEnabled = checked
        }
        TimeRow {
            objectName: "activeHoursStart"
            title: qsTr("From")
            enabled: pane.settings.activeHoursEnabled
            minute: pane.settings.activeHoursStartMinute
            from: pane.settings.minuteOfDayRange.lowest
            to: pane.settings.minuteOfDayRange.highest
            viewModel: pane.viewModel
            onChosen: minute => pane.settings.activeHoursStartMinute = minute
        }
        TimeRow {
            objectName: "activeHoursEnd"
            title: qsTr("Until")
            enabled: pane.settings.activeHoursEnabled
            minute: pane.settings.activeHoursEndMinute
            from: pane.settings.minuteOfDayRange.lowest
            to: pane.settings.minuteOfDayRange.highest
            viewModel: pane.viewModel
            onChosen: minute => pane.settings.activeHoursEndMinute = minute
        }
        ToggleRow {
            objectName: "weekdaysOnlyToggle"
            text: qsTr("Weekdays only")
            enabled: pane.settings.activeHoursEnabled
            checked: pane.settings.activeHoursWeekdaysOnly
            onToggled: checked => pane.settings.activeHoursWeekdaysOnly = checked
        }
        Note {
            objectName: "activeHoursExplanation"
            text: pane.viewModel.activeHoursExplanation
        }
    }

    Section {
        title: qsTr("Safe fallback")
        StepperRow {
            objectName: "timedBreakStepper"
            title: qsTr("Timed break length")
            value: pane.settings.honorDurationSeconds
            from: pane.settings.honorDurationRange.lowest
            to: pane.settings.honorDurationRange.highest
            stepSize: 5
            valueText: pane.viewModel.honorDurationText
            onStepped: value => pane.settings.honorDurationSeconds = value
        }
        Note {
            text: qsTr("If camera permission is unavailable or frames stop arriving, Quorvantel switches to this timed break. It never hard-locks you.")
        }
        StatusRow {
            objectName: "breakHoldNote"
            visible: text !== ""
            symbol: SettingsViewModel.Warning
            text: pane.breakHold ? pane.breakHold.sentence : ""
            buttonTitle: pane.breakHold && pane.breakHold.canEnable ? pane.breakHold.enableTitle : ""
            buttonName: "breakHoldEnable"
            onActivated: pane.breakHold.enable()
        }
    }

    Section {
        title: qsTr("Smart pause")
        ToggleRow {
            objectName: "smartPauseToggle"
            text: qsTr("Postpone while the microphone or camera is busy")
            checked: pane.settings.smartPauseEnabled
            onToggled: checked => pane.settings.smartPauseEnabled = checked
        }
        Note {
            text: qsTr("Meeting detection stays on this computer. If you have already been idle for more than three minutes, Quorvantel counts that time as the break and briefly explains it in the tray menu.")
        }
    }

    Section {
        title: qsTr("Emergency escape")
        StepperRow {
            objectName: "escapeLimitStepper"
            title: qsTr("Daily limit")
            value: pane.settings.emergencyEscapeLimit
            from: pane.settings.escapeLimitRange.lowest
            to: pane.settings.escapeLimitRange.highest
            valueText: pane.viewModel.escapeLimitText
            onStepped: value => pane.settings.emergencyEscapeLimit = value
        }
        Note {
            text: qsTr("Hold Ctrl-Shift-E for three seconds to skip a break. Skips are recorded locally and the limit resets each day.")
        }
    }
}
