// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// The colours a control needs from the surface it sits on; the break screen and the desktop
// windows each fill one in, and the controls draw with whichever they are given.
QtObject {
    property color background
    property color surface
    // A surface under the pointer, and while pressed.
    property color hover
    property color pressed
    property color text
    property color textSecondary
    property color accent
    property color accentPressed
    // Text and marks on an accent fill.
    property color textOnAccent
    property color separator
    property color success
    property color focusRing
    // A switch that is off.
    property color switchTrack
    // Marks on a coloured fill: a switch's knob, a status symbol's glyph.
    readonly property color onFill: "#ffffff"
}
