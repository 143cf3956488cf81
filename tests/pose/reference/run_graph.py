#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs a TensorFlow.js graph model, the whole graph as written, with numpy.

An independent check of the pose engine: the engine compiles only the convolutional part of
the graph for XNNPACK and decodes the rest in C++; this script interprets every node of the
original graph, post-processing included, in single precision, and prints the graph's output.

    run_graph.py MODEL_DIR STEM INPUT.ppm > output.json

INPUT.ppm is the model's input square as `quorvantel-pose --model-input` writes it. Needs
numpy (Debian's python3-numpy; run with /usr/bin/python3). A test tool, never used at run
time.
"""
import base64
import json
import math
import sys

import numpy as np

F32 = np.float32
DTYPES = {"DT_FLOAT": np.float32, "DT_INT32": np.int32, "DT_BOOL": np.bool_}


def load_weights(model_dir, manifest):
    weights = {}
    for group in manifest:
        data = b"".join(open(f"{model_dir}/{path}", "rb").read() for path in group["paths"])
        offset = 0
        for spec in group["weights"]:
            shape = [int(d) for d in spec["shape"]]
            count = math.prod(shape) if shape else 1
            stored = (spec.get("quantization") or {}).get("dtype", spec["dtype"])
            kind = {"float16": "<f2", "float32": "<f4", "int32": "<i4"}[stored]
            size = np.dtype(kind).itemsize * count
            array = np.frombuffer(data, dtype=kind, count=count, offset=offset)
            offset += size
            target = np.int32 if spec["dtype"] == "int32" else F32
            weights[spec["name"]] = array.astype(target).reshape(shape)
        assert offset == len(data), "weights file does not match its manifest"
    return weights


def read_ppm(path):
    data = open(path, "rb").read()
    fields = data.split(maxsplit=4)
    assert fields[0] == b"P6" and fields[3] == b"255"
    width, height = int(fields[1]), int(fields[2])
    pixels = np.frombuffer(fields[4][: width * height * 3], dtype=np.uint8)
    return pixels.reshape(1, height, width, 3).astype(np.int32)


def attr(node, key, default=None):
    value = node.get("attr", {}).get(key)
    if value is None:
        return default
    if "s" in value:
        return base64.b64decode(value["s"]).decode()
    if "list" in value:
        items = value["list"]
        if "s" in items:
            return [base64.b64decode(s).decode() for s in items["s"]]
        return [int(i) for i in items.get("i", [])]
    if "i" in value:
        return int(value["i"])
    if "f" in value:
        return float(value["f"])
    if "b" in value:
        return bool(value["b"])
    if "type" in value:
        return value["type"]
    return default


def same_padding(size, kernel, stride):
    out = -(-size // stride)
    total = max((out - 1) * stride + kernel - size, 0)
    return out, total // 2, total - total // 2


def pad_input(x, kh, kw, strides, padding, value=0.0):
    if padding == "VALID":
        return x
    _, h, w, _ = x.shape
    _, top, bottom = same_padding(h, kh, strides[1])
    _, left, right = same_padding(w, kw, strides[2])
    return np.pad(x, ((0, 0), (top, bottom), (left, right), (0, 0)), constant_values=value)


def windows(x, kh, kw, sh, sw):
    """[1, oh, ow, kh, kw, c] views of the padded input."""
    _, h, w, c = x.shape
    oh, ow = (h - kh) // sh + 1, (w - kw) // sw + 1
    s = x.strides
    return np.lib.stride_tricks.as_strided(
        x, (1, oh, ow, kh, kw, c), (s[0], s[1] * sh, s[2] * sw, s[1], s[2], s[3]))


def conv2d(x, f, strides, padding):
    kh, kw, cin, cout = f.shape
    x = pad_input(x, kh, kw, strides, padding)
    patches = windows(x, kh, kw, strides[1], strides[2])
    out = np.tensordot(patches.astype(np.float64), f.astype(np.float64), axes=([3, 4, 5], [0, 1, 2]))
    return out.astype(F32)


def depthwise(x, f, strides, padding):
    kh, kw, cin, mult = f.shape
    assert mult == 1
    x = pad_input(x, kh, kw, strides, padding)
    patches = windows(x, kh, kw, strides[1], strides[2]).astype(np.float64)
    out = np.einsum("nhwijc,ijc->nhwc", patches, f[:, :, :, 0].astype(np.float64))
    return out.astype(F32)


def fused(x, node, bias):
    ops = attr(node, "fused_ops", [])
    assert ops[0] == "BiasAdd"
    x = (x + bias).astype(F32)
    for op in ops[1:]:
        if op == "Relu6":
            x = np.clip(x, 0, 6)
        elif op == "Relu":
            x = np.maximum(x, 0)
        else:
            raise NotImplementedError(op)
    return x


def resize_bilinear(x, size, node):
    assert attr(node, "half_pixel_centers") and not attr(node, "align_corners")
    _, h, w, _ = x.shape
    out_h, out_w = int(size[0]), int(size[1])

    def axis(in_size, out_size):
        scale = in_size / out_size
        position = (np.arange(out_size, dtype=np.float64) + 0.5) * scale - 0.5
        floor = np.floor(position)
        lower = np.maximum(floor, 0).astype(int)
        upper = np.minimum(np.ceil(position), in_size - 1).astype(int)
        return lower, upper, (position - floor).astype(F32)

    y0, y1, fy = axis(h, out_h)
    x0, x1, fx = axis(w, out_w)
    top = x[:, y0][:, :, x0] + (x[:, y0][:, :, x1] - x[:, y0][:, :, x0]) * fx[None, None, :, None]
    bottom = x[:, y1][:, :, x0] + (x[:, y1][:, :, x1] - x[:, y1][:, :, x0]) * fx[None, None, :, None]
    return (top + (bottom - top) * fy[None, :, None, None]).astype(F32)


def max_pool(x, node):
    _, kh, kw, _ = attr(node, "ksize")
    strides = attr(node, "strides")
    x = pad_input(x, kh, kw, strides, attr(node, "padding"), value=-np.inf)
    return windows(x, kh, kw, strides[1], strides[2]).max(axis=(3, 4)).astype(F32)


def strided_slice(x, begin, end, stride, node):
    index = []
    for i in range(len(begin)):
        bit = 1 << i
        if attr(node, "new_axis_mask", 0) & bit:
            index.append(np.newaxis)
        elif attr(node, "shrink_axis_mask", 0) & bit:
            index.append(int(begin[i]))
        else:
            b = None if attr(node, "begin_mask", 0) & bit else int(begin[i])
            e = None if attr(node, "end_mask", 0) & bit else int(end[i])
            index.append(slice(b, e, int(stride[i])))
    assert attr(node, "ellipsis_mask", 0) == 0
    return np.asarray(x[tuple(index)])


def gather_nd(params, indices):
    depth = indices.shape[-1]
    return params[tuple(indices[..., i] for i in range(depth))]


def top_k(x, k):
    order = np.argsort(-x, axis=-1, kind="stable")[..., :k]
    return np.take_along_axis(x, order, axis=-1), order.astype(np.int32)


def reduce(fn, x, axes, node):
    axes = tuple(int(a) for a in np.atleast_1d(axes))
    return np.asarray(fn(x, axis=axes, keepdims=bool(attr(node, "keep_dims", False))))


def evaluate(node, args):
    op = node["op"]
    a = args
    if op == "Cast":
        return [a[0].astype(DTYPES[attr(node, "DstT")])]
    if op in ("Identity",):
        return [a[0]]
    if op == "_FusedConv2D":
        return [fused(conv2d(a[0], a[1], attr(node, "strides"), attr(node, "padding")), node, a[2])]
    if op == "FusedDepthwiseConv2dNative":
        return [fused(depthwise(a[0], a[1], attr(node, "strides"), attr(node, "padding")), node, a[2])]
    if op == "DepthwiseConv2dNative":
        return [depthwise(a[0], a[1], attr(node, "strides"), attr(node, "padding"))]
    binary = {
        "AddV2": np.add, "Sub": np.subtract, "Mul": np.multiply, "RealDiv": np.true_divide,
        "Maximum": np.maximum, "Minimum": np.minimum, "FloorDiv": np.floor_divide,
        "Less": np.less, "Greater": np.greater, "GreaterEqual": np.greater_equal,
        "Equal": np.equal, "LogicalAnd": np.logical_and,
        "SquaredDifference": lambda x, y: (x - y) * (x - y),
    }
    if op in binary:
        result = np.asarray(binary[op](a[0], a[1]))
        if result.dtype == np.float64:
            result = result.astype(F32)
        return [result]
    unary = {
        "Sigmoid": lambda x: (1 / (1 + np.exp(-x))).astype(F32),
        "Exp": lambda x: np.exp(x).astype(F32),
        "Abs": np.abs,
        "Reciprocal": lambda x: (F32(1) / x).astype(F32),
    }
    if op in unary:
        return [np.asarray(unary[op](a[0]))]
    if op == "ResizeBilinear":
        return [resize_bilinear(a[0], a[1], node)]
    if op == "MaxPool":
        return [max_pool(a[0], node)]
    if op == "Shape":
        return [np.array(a[0].shape, dtype=np.int32)]
    if op == "Size":
        return [np.int32(a[0].size)]
    if op == "StridedSlice":
        return [strided_slice(a[0], a[1], a[2], a[3], node)]
    if op == "Reshape":
        return [a[0].reshape([int(d) for d in np.atleast_1d(a[1])])]
    if op == "Squeeze":
        return [np.squeeze(a[0], axis=tuple(attr(node, "squeeze_dims")))]
    if op == "ExpandDims":
        return [np.expand_dims(a[0], int(a[1]))]
    if op == "Pack":
        return [np.stack(a, axis=attr(node, "axis", 0))]
    if op == "Unpack":
        axis = attr(node, "axis", 0)
        return [np.take(a[0], i, axis=axis) for i in range(a[0].shape[axis])]
    if op == "ConcatV2":
        return [np.concatenate(a[:-1], axis=int(a[-1]))]
    if op == "Split":
        return np.split(a[1], attr(node, "num_split"), axis=int(a[0]))
    if op == "Tile":
        return [np.tile(a[0], a[1])]
    if op == "Range":
        return [np.arange(a[0], a[1], a[2]).astype(a[0].dtype)]
    if op == "Fill":
        return [np.full([int(d) for d in a[0]], a[1])]
    if op == "GatherNd":
        return [gather_nd(a[0], a[1])]
    if op == "TopKV2":
        return list(top_k(a[0], int(a[1])))
    if op == "ArgMax":
        return [np.argmax(a[0], axis=int(a[1])).astype(np.int32)]
    if op == "Sum":
        return [reduce(np.sum, a[0], a[1], node).astype(a[0].dtype)]
    if op == "Max":
        return [reduce(np.max, a[0], a[1], node)]
    if op == "Select":
        return [np.where(a[0], a[1], a[2])]
    if op == "AddN":
        total = a[0]
        for term in a[1:]:
            total = total + term
        return [total]
    raise NotImplementedError(f"{op} ({node['name']})")


def run(model_dir, stem, image):
    model = json.load(open(f"{model_dir}/{stem}.json"))
    weights = load_weights(model_dir, model["weightsManifest"])
    nodes = {n["name"]: n for n in model["modelTopology"]["node"]}
    values = {}

    def value(reference):
        name, _, port = reference.partition(":")
        if name not in values:
            node = nodes[name]
            if node["op"] == "Const":
                values[name] = [weights[name]]
            elif node["op"] == "Placeholder":
                values[name] = [image]
            else:
                values[name] = evaluate(node, [value(r) for r in node.get("input", [])])
        return values[name][int(port or 0)]

    sys.setrecursionlimit(10000)
    output = model["signature"]["outputs"]
    name = next(iter(output.values()))["name"]
    return value(name)


def main():
    model_dir, stem, ppm = sys.argv[1:4]
    result = run(model_dir, stem, read_ppm(ppm))
    json.dump([[float(v) for v in row] for row in result[0]], sys.stdout)
    print()


if __name__ == "__main__":
    main()
