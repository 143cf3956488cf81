// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The spacing grid, in steps of six pixels.
QtObject {
    readonly property int xs: 6
    readonly property int s: 12
    readonly property int m: 18
    readonly property int l: 24
    readonly property int xl: 36
    readonly property int xxl: 48
}
