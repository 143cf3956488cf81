// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes
import Quorvantel.Theme

// Deep blue-black with a faint glow from above: calm, and never pure black.
Rectangle {
    id: backdrop
    gradient: Gradient {
        GradientStop { position: 0; color: Theme.breakScreen.backgroundTop }
        GradientStop { position: 1; color: Theme.breakScreen.backgroundBottom }
    }
    Shape {
        anchors.fill: parent
        ShapePath {
            strokeWidth: -1
            strokeColor: "transparent"
            fillGradient: RadialGradient {
                centerX: backdrop.width / 2; centerY: -backdrop.height * 0.2
                centerRadius: Math.max(backdrop.width, backdrop.height) * 0.7
                focalX: centerX; focalY: centerY
                GradientStop { position: 0; color: Qt.rgba(0.09, 0.29, 0.42, 0.55) }
                GradientStop { position: 1; color: "transparent" }
            }
            startX: 0; startY: 0
            PathLine { x: backdrop.width; y: 0 }
            PathLine { x: backdrop.width; y: backdrop.height }
            PathLine { x: 0; y: backdrop.height }
            PathLine { x: 0; y: 0 }
        }
    }
}
