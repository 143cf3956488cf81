// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme

// The small spaced capitals that name a group.
Text {
    color: Theme.window.textSecondary
    font.family: Theme.fontFamily
    font.pixelSize: Theme.type.caption
    font.weight: Font.DemiBold
    font.letterSpacing: 1.6
}
