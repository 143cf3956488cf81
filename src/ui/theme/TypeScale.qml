// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// Type sizes in pixels at scale 1.
QtObject {
    readonly property int caption: 12
    readonly property int body: 14
    readonly property int subtitle: 17
    readonly property int title: 22
    readonly property int headline: 28
    readonly property int display: 40
    readonly property int hero: 64
    readonly property int giant: 128
}
