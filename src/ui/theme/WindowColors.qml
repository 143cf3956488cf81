// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The desktop windows' colours (popover, settings, onboarding), light or dark as the desktop
// prefers.
SurfaceColors {
    required property bool dark

    // Small filled labels and notices.
    readonly property color chip: dark ? "#1f3444" : "#e6f1f9"
    // The empty part of a progress bar.
    readonly property color track: separator
    readonly property color sidebar: dark ? "#15191f" : "#eceff3"
    readonly property color selection: dark ? "#26384c" : "#d6e6f4"
    readonly property color selectionText: dark ? "#ffffff" : "#0b4f80"
    readonly property color ready: dark ? "#3fb26f" : "#24884d"
    readonly property color warning: dark ? "#e0a03a" : "#c27414"
    readonly property color neutral: "#8a93a3"
    readonly property color chartToday: dark ? "#ffc46b" : "#e08a00"

    background: dark ? "#1b1f27" : "#f6f7f9"
    surface: dark ? "#242a35" : "#ffffff"
    hover: dark ? "#2b3240" : "#f0f2f5"
    pressed: dark ? "#323a4a" : "#e6e9ee"
    text: dark ? "#eef1f6" : "#1a1d23"
    textSecondary: dark ? "#a6afbf" : "#5b6372"
    accent: dark ? "#5cc8ff" : "#0a72b8"
    accentPressed: dark ? "#49a9dd" : "#085d96"
    textOnAccent: dark ? "#06121c" : "#ffffff"
    separator: dark ? "#333b49" : "#e1e4ea"
    success: dark ? "#ffc46b" : "#b86e00"
    focusRing: dark ? "#9bdcff" : "#063f66"
    switchTrack: dark ? "#4a5365" : "#c3c8d1"
}
