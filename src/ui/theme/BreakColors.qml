// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The break screen's colours: always dark, whatever the desktop prefers.
SurfaceColors {
    readonly property color backgroundTop: "#0d1321"
    readonly property color backgroundBottom: "#060912"
    // A surface lifted off the screen: a key cap, a control while pressed.
    readonly property color raised: "#1d2740"
    readonly property color textDim: "#7d889d"
    readonly property color accentSoft: "#1f4a63"
    readonly property color warning: "#ff9e7a"
    readonly property color live: "#5fd39a"
    readonly property color glow: "#123a57"
    readonly property color chip: "#142a3d"
    readonly property color checkOff: "#4a5670"
    readonly property color streakChip: "#2a2517"
    // The success screen's confetti: the accent, the warm success, a mint and the text.
    readonly property color confettiMint: "#9be8c4"

    background: backgroundBottom
    surface: "#151d2e"
    hover: raised
    pressed: raised
    text: "#f2f5fa"
    textSecondary: "#a9b4c8"
    accent: "#5cc8ff"
    accentPressed: "#49a9dd"
    textOnAccent: "#06121c"
    separator: "#2a3550"
    success: "#ffc46b"
    focusRing: "#9bdcff"
    switchTrack: "#4a5365"
}
