// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQuick

// One look for every window. Sizes come from one type scale and one 6 px grid; the break
// screen is always dark, the other windows follow the desktop's light or dark preference.
QtObject {
    // Type scale (pixels at scale 1).
    readonly property var type: ({
        "caption": 12, "body": 14, "subtitle": 17, "title": 22,
        "headline": 28, "display": 40, "hero": 64, "giant": 128
    })
    // Spacing grid.
    readonly property int grid: 6
    readonly property var space: ({ "xs": 6, "s": 12, "m": 18, "l": 24, "xl": 36, "xxl": 48 })
    readonly property int hitTarget: 36
    readonly property int radius: 12

    readonly property string fontFamily: Qt.application.font.family
    readonly property string fixedFontFamily: "monospace"

    // The break screen: deep, calm, one accent for progress, a warm one for success.
    readonly property QtObject breakScreen: QtObject {
        readonly property color backgroundTop: "#0d1321"
        readonly property color backgroundBottom: "#060912"
        readonly property color surface: "#151d2e"
        readonly property color surfaceRaised: "#1d2740"
        readonly property color text: "#f2f5fa"
        readonly property color textSecondary: "#a9b4c8"
        readonly property color textDim: "#7d889d"
        readonly property color accent: "#5cc8ff"
        readonly property color accentSoft: "#1f4a63"
        readonly property color success: "#ffc46b"
        readonly property color warning: "#ff9e7a"
        readonly property color outline: "#2a3550"
    }

    // ---- Break screen additions ----------------------------------------------------------
    // The repetition counter and the timed break's seconds: read from across a room.
    readonly property int counterSize: 176
    readonly property int cardRadius: 24
    readonly property QtObject breakMotion: QtObject {
        readonly property int fadeInMs: 250
        readonly property int fadeOutMs: 200
        readonly property int settleMs: 180
    }
    readonly property QtObject breakExtra: QtObject {
        readonly property color glow: "#123a57"
        readonly property color chip: "#142a3d"
        readonly property color checkOff: "#4a5670"
        readonly property color buttonPrimaryText: "#06121d"
        readonly property color confetti1: "#5cc8ff"
        readonly property color confetti2: "#ffc46b"
        readonly property color confetti3: "#9be8c4"
        readonly property color confetti4: "#f2f5fa"
    }
    // ---------------------------------------------------------------------------------------

    // The desktop windows (popover, settings, onboarding), light and dark.
    // Qt 6.4 has no colour-scheme hint (Qt.styleHints.colorScheme is undefined there, which
    // made every desktop read as dark): the desktop's own window colour tells instead.
    readonly property SystemPalette desktopPalette: SystemPalette {}
    readonly property bool darkDesktop: desktopPalette.window.hslLightness < 0.5
    readonly property QtObject window: QtObject {
        readonly property color background: Theme.darkDesktop ? "#1b1f27" : "#f6f7f9"
        readonly property color surface: Theme.darkDesktop ? "#242a35" : "#ffffff"
        readonly property color text: Theme.darkDesktop ? "#eef1f6" : "#1a1d23"
        readonly property color textSecondary: Theme.darkDesktop ? "#a6afbf" : "#5b6372"
        readonly property color accent: Theme.darkDesktop ? "#5cc8ff" : "#0a72b8"
        readonly property color separator: Theme.darkDesktop ? "#333b49" : "#e1e4ea"
        readonly property color success: Theme.darkDesktop ? "#ffc46b" : "#b86e00"
    }

    // ---- Tray popover (the tray item's card) ----
    readonly property QtObject popover: QtObject {
        readonly property color onAccent: Theme.darkDesktop ? "#0b1a26" : "#ffffff"
        readonly property color accentPressed: Theme.darkDesktop ? "#49a9dd" : "#085d96"
        readonly property color hover: Theme.darkDesktop ? "#2b3240" : "#f0f2f5"
        readonly property color pressed: Theme.darkDesktop ? "#323a4a" : "#e6e9ee"
        readonly property color chip: Theme.darkDesktop ? "#1f3444" : "#e6f1f9"
        readonly property color track: Theme.darkDesktop ? "#333b49" : "#e1e4ea"
    }

    // The settings window: its side list, status symbols and the statistics chart.
    readonly property QtObject settingsWindow: QtObject {
        readonly property color sidebar: Theme.darkDesktop ? "#15191f" : "#eceff3"
        readonly property color selection: Theme.darkDesktop ? "#26384c" : "#d6e6f4"
        readonly property color selectionText: Theme.darkDesktop ? "#ffffff" : "#0b4f80"
        readonly property var symbolColors: ({
            "ready": Theme.darkDesktop ? "#3fb26f" : "#24884d",
            "warning": Theme.darkDesktop ? "#e0a03a" : "#c27414",
            "info": Theme.window.accent,
            "question": "#8a93a3",
            "lock": Theme.window.accent
        })
        readonly property color chartToday: Theme.darkDesktop ? "#ffc46b" : "#e08a00"
        readonly property color chartPlaceholder: Theme.window.separator
        readonly property color streak: Theme.darkDesktop ? "#ffc46b" : "#c76e00"
        readonly property color switchTrack: Theme.darkDesktop ? "#4a5365" : "#c3c8d1"
        readonly property color focusRing: Theme.darkDesktop ? "#9bdcff" : "#063f66"
    }
}
