#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the expected model outputs in tests/pose/data/ from the reference run of the
# whole original graph (run_graph.py). The model input square is written by the engine's own
# letterboxing (quorvantel-pose --model-input), so the comparison covers the graph, not the
# resampling. Run after a change to the letterboxing or the model version:
#   tests/pose/reference/make_fixtures.sh build/dev/tools/pose/quorvantel-pose
set -euo pipefail
tool="${1:?path to quorvantel-pose}"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
model_dir="${QV_MODEL_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/quorvantel/models/human-models-3.0.4}"
photos=/usr/share/doc/opencv-doc/examples/data
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# photo and input size; a photo with nobody in it belongs here too
for entry in basketball1.png:256 messi5.jpg:256 building.jpg:256 basketball2.png:192; do
    photo="${entry%%:*}"
    size="${entry##*:}"
    "$tool" --model-dir "$model_dir" --input-size "$size" --model-input "$work/input.ppm" \
        "$photos/$photo" >/dev/null
    output="$(/usr/bin/python3 "$here/run_graph.py" "$model_dir" movenet-multipose "$work/input.ppm")"
    printf '{"photo": "%s", "inputSize": %s, "output": %s}\n' "$photo" "$size" "$output" \
        >"$here/../data/${photo%.*}-$size.json"
    echo "wrote tests/pose/data/${photo%.*}-$size.json"
done
