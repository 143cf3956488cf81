// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick
import QtQuick.Shapes
import Quorvantel.Theme

// A circular track filled clockwise from the top to `progress` (0 … 1).
Shape {
    id: ring
    property real progress: 0
    property real thickness: 12
    property color trackColor: Theme.breakScreen.separator
    property color fillColor: Theme.breakScreen.accent
    readonly property real radius: Math.min(width, height) / 2 - thickness / 2
    // Smooth edges where the scene is drawn with the graphics card.
    layer.enabled: true
    layer.samples: 4

    ShapePath {
        strokeColor: ring.trackColor
        strokeWidth: ring.thickness
        fillColor: "transparent"
        PathAngleArc {
            centerX: ring.width / 2; centerY: ring.height / 2
            radiusX: ring.radius; radiusY: ring.radius
            startAngle: 0; sweepAngle: 360
        }
    }
    ShapePath {
        strokeColor: ring.progress > 0 ? ring.fillColor : "transparent"
        strokeWidth: ring.thickness
        fillColor: "transparent"
        capStyle: ShapePath.RoundCap
        PathAngleArc {
            centerX: ring.width / 2; centerY: ring.height / 2
            radiusX: ring.radius; radiusY: ring.radius
            startAngle: -90; sweepAngle: 360 * Math.min(1, Math.max(0, ring.progress))
        }
    }
}
