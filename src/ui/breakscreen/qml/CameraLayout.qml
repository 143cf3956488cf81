// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import Quorvantel.Theme
import Quorvantel.BreakScreen

// The camera card on the left and a column of content beside it, centred and sized to fit.
Item {
    id: layout
    property real s: 1
    property BreakOverlayModel model
    property BreakScreenPresentation screen
    default property alias column: side.data
    readonly property real gap: Theme.space.xxl * s
    readonly property real sideWidth: 520 * s

    CameraCard {
        id: card
        s: layout.s
        model: layout.model
        accessibleName: layout.screen.cameraAccessibleName
        height: Math.min(layout.height, 640 * layout.s,
                         (layout.width - layout.sideWidth - layout.gap - 2 * Theme.space.xl * layout.s) * 3 / 4)
        width: height * 4 / 3
        x: (layout.width - width - layout.gap - layout.sideWidth) / 2
        anchors.verticalCenter: parent.verticalCenter
    }
    Column {
        id: side
        x: card.x + card.width + layout.gap
        width: layout.sideWidth
        anchors.verticalCenter: parent.verticalCenter
        spacing: Theme.space.l * layout.s
    }
}
