// SPDX-License-Identifier: GPL-3.0-or-later
import QtQuick

// A side-view stick figure between standing (depth 0) and the bottom of a squat (depth 1).
Canvas {
    id: figure
    property real depth: 0
    property bool animated: true
    property color color: "white"

    Behavior on depth {
        enabled: figure.animated
        NumberAnimation { duration: 420; easing.type: Easing.InOutQuad }
    }
    onDepthChanged: requestPaint()
    onColorChanged: requestPaint()
    onWidthChanged: requestPaint()
    onHeightChanged: requestPaint()

    // Joint positions as fractions of the box, standing and squatting; drawn in between.
    readonly property var standing: ({
        "head": [0.48, 0.08], "neck": [0.48, 0.2], "hip": [0.48, 0.52], "knee": [0.5, 0.76],
        "ankle": [0.48, 0.99], "toe": [0.64, 0.99], "hand": [0.5, 0.5]
    })
    readonly property var squatting: ({
        "head": [0.58, 0.34], "neck": [0.52, 0.44], "hip": [0.26, 0.7], "knee": [0.66, 0.74],
        "ankle": [0.48, 0.99], "toe": [0.64, 0.99], "hand": [0.92, 0.48]
    })

    onPaint: {
        const ctx = getContext("2d");
        ctx.reset();
        const at = (name) => {
            const a = standing[name], b = squatting[name];
            return [(a[0] + (b[0] - a[0]) * depth) * width, (a[1] + (b[1] - a[1]) * depth) * height];
        };
        const line = (from, to) => {
            const p = at(from), q = at(to);
            ctx.moveTo(p[0], p[1]);
            ctx.lineTo(q[0], q[1]);
        };
        ctx.strokeStyle = color;
        ctx.lineWidth = Math.max(3, width * 0.075);
        ctx.lineCap = "round";
        ctx.lineJoin = "round";
        ctx.beginPath();
        line("neck", "hip");
        line("hip", "knee");
        line("knee", "ankle");
        line("ankle", "toe");
        line("neck", "hand");
        ctx.stroke();
        const head = at("head");
        ctx.beginPath();
        ctx.fillStyle = color;
        ctx.arc(head[0], head[1], width * 0.12, 0, Math.PI * 2);
        ctx.fill();
    }
}
