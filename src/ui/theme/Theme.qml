// SPDX-License-Identifier: GPL-3.0-or-later
pragma Singleton
import QtQuick

// One look for every window. Sizes come from one type scale and one 6 px grid; the break
// screen is always dark, the other windows follow the desktop's light or dark preference.
QtObject {
    id: theme

    readonly property TypeScale type: TypeScale {}
    readonly property int grid: 6
    readonly property Spacing space: Spacing {}
    readonly property int hitTarget: 36
    readonly property int radius: 12
    // Buttons and small cards inside a card.
    readonly property int controlRadius: 8

    // The desktop's own font, as every Text starts with it.
    readonly property Text defaultText: Text {}
    readonly property string fontFamily: defaultText.font.family
    readonly property string fixedFontFamily: "monospace"

    // The break screen: deep, calm, one accent for progress, a warm one for success.
    readonly property BreakColors breakScreen: BreakColors {}
    // The repetition counter and the timed break's seconds: read from across a room.
    readonly property int counterSize: 176
    readonly property int cardRadius: 24

    // The desktop windows (popover, settings, onboarding), light and dark.
    // Qt 6.4 has no colour-scheme hint (Qt.styleHints.colorScheme is undefined there, which
    // made every desktop read as dark): the desktop's own window colour tells instead.
    readonly property SystemPalette desktopPalette: SystemPalette {}
    readonly property bool darkDesktop: desktopPalette.window.hslLightness < 0.5
    readonly property WindowColors window: WindowColors { dark: theme.darkDesktop }
}
