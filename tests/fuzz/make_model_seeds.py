#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the model loader fuzzer's seeds: small graphs with the six heads the decoder reads,
each as the graph's JSON, a NUL byte and the weights. Run from anywhere; rewrites the seeds."""
import base64
import json
import pathlib
import random
import struct

HEADS = [("Sigmoid", 1), ("Sigmoid_1", 17), ("kpt_regress_0/conv2d_8/BiasAdd", 34),
         ("kpt_offset_0/conv2d_9/BiasAdd", 34), ("box_scale_0/conv2d_5/BiasAdd", 2),
         ("box_offset_0/conv2d_6/BiasAdd", 2)]
PREFIX = "StatefulPartitionedCall/"


class Graph:
    def __init__(self):
        self.nodes, self.weights, self.data = [], [], bytearray()
        self.random = random.Random(7)

    def node(self, name, op, inputs=(), attr=None):
        self.nodes.append({"name": name, "op": op, "input": list(inputs), "attr": attr or {}})

    def floats(self, name, shape):
        count = 1
        for dim in shape:
            count *= dim
        self.node(name, "Const")
        self.weights.append({"name": name, "shape": shape, "dtype": "float32"})
        self.data += struct.pack(f"<{count}f", *(self.random.uniform(-1, 1) for _ in range(count)))

    def ints(self, name, values):
        self.node(name, "Const")
        self.weights.append({"name": name, "shape": [len(values)], "dtype": "int32"})
        self.data += struct.pack(f"<{len(values)}i", *values)

    def conv(self, name, source, kernel, channels, out, stride, padding, fused, depthwise=False):
        self.floats(name + "/filter", [kernel, kernel, channels, 1 if depthwise else out])
        self.floats(name + "/bias", [out])
        op = "FusedDepthwiseConv2dNative" if depthwise else "_FusedConv2D"
        text = lambda s: base64.b64encode(s.encode()).decode()
        self.node(name, op, [source, name + "/filter", name + "/bias"], {
            "strides": {"list": {"i": ["1", str(stride), str(stride), "1"]}},
            "dilations": {"list": {"i": ["1", "1", "1", "1"]}},
            "padding": {"s": text(padding)},
            "fused_ops": {"list": {"s": [text(op) for op in fused]}}})

    def heads(self, source, channels):
        for name, out in HEADS:
            conv = PREFIX + name + ("/conv" if name.startswith("Sigmoid") else "")
            self.conv(conv, source, 1, channels, out, 1, "VALID", ["BiasAdd"])
            if name.startswith("Sigmoid"):
                self.node(PREFIX + name, "Sigmoid", [conv])

    def bytes(self):
        model = {"format": "graph-model",
                 "modelTopology": {"node": self.nodes},
                 "weightsManifest": [{"paths": ["movenet-multipose.bin"],
                                      "weights": self.weights}]}
        return json.dumps(model, separators=(",", ":")).encode() + b"\0" + bytes(self.data)


def plain():
    graph = Graph()
    graph.node("input", "Placeholder")
    graph.conv("stem", "input", 1, 3, 4, 4, "SAME", ["BiasAdd", "Relu"])
    graph.heads("stem", 4)
    return graph


def every_operation():
    graph = Graph()
    graph.node("input", "Placeholder")
    graph.node("cast", "Cast", ["input"])
    graph.floats("mean", [1, 1, 1, 3])
    graph.floats("scale", [1, 1, 1, 3])
    graph.node("centred", "Sub", ["cast", "mean"])
    graph.node("scaled", "Mul", ["centred", "scale"])
    graph.conv("conv", "scaled", 3, 3, 8, 2, "SAME", ["BiasAdd", "Relu6"])
    graph.conv("depth", "conv", 3, 8, 8, 2, "SAME", ["BiasAdd"], depthwise=True)
    graph.conv("down", "depth", 3, 8, 8, 2, "SAME", ["BiasAdd"], depthwise=True)
    graph.node("shape", "Shape", ["down"])
    graph.ints("begin", [1])
    graph.ints("end", [3])
    graph.ints("step", [1])
    graph.ints("two", [2])
    graph.node("side", "StridedSlice", ["shape", "begin", "end", "step"],
               {m: {"i": "0"} for m in ("begin_mask", "end_mask", "ellipsis_mask",
                                        "new_axis_mask", "shrink_axis_mask")})
    graph.node("size", "Mul", ["side", "two"])
    graph.node("up", "ResizeBilinear", ["down", "size"], {"half_pixel_centers": {"b": True}})
    graph.node("mix", "AddV2", ["depth", "up"])
    graph.node("same", "Identity", ["mix"])
    graph.heads("same", 8)
    return graph


folder = pathlib.Path(__file__).resolve().parent / "corpus" / "model_loader"
folder.mkdir(parents=True, exist_ok=True)
(folder / "plain.model").write_bytes(plain().bytes())
(folder / "every-operation.model").write_bytes(every_operation().bytes())
