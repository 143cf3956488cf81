// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A time of day, stored as minutes after midnight; it steps by a quarter hour and runs on
// past midnight.
StepperRow {
    id: row
    property int minute
    required property var viewModel
    signal chosen(int minute)

    value: minute
    from: 0
    to: 1439
    stepSize: 15
    wrap: true
    valueText: row.viewModel.timeLabel(row.minute)
    onStepped: value => row.chosen(value)
}
