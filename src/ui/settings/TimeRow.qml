// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Controls
import Quorvantel.Settings

// A time of day, stored as minutes after midnight; it steps by a quarter hour and runs on
// past midnight.
StepperRow {
    id: row
    property int minute
    required property SettingsViewModel viewModel
    signal chosen(int minute)

    value: minute
    stepSize: 15
    wrap: true
    valueText: row.viewModel.timeLabel(row.minute)
    onStepped: value => row.chosen(value)
}
