#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quibbet developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Reports where the title art sits in menu.png and fails if any of it leaves its band.

Usage: tools/art/check_menu.py [assets/menu.png]   (needs ImageMagick's `convert`)
"""
import subprocess
import sys

WIDTH, HEIGHT = 989, 751
WORD_X, NUMERAL_X, ART_Y = (162, 590), (624, 698), (158, 304)


def bbox(points):
    if not points:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return min(xs), min(ys), max(xs), max(ys)


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else "assets/menu.png"
    size = subprocess.run(["identify", "-format", "%w %h %[channels]", path],
                          check=True, capture_output=True, text=True).stdout
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"],
                         check=True, capture_output=True).stdout
    assert len(raw) == WIDTH * HEIGHT * 3, f"unexpected size: {size}"

    dark, red, stray = [], [], []
    for i in range(WIDTH * HEIGHT):
        r, g, b = raw[3 * i:3 * i + 3]
        if r == g == b == 255:
            continue
        x, y = i % WIDTH, i // WIDTH
        in_y = ART_Y[0] <= y <= ART_Y[1]
        if r == g == b:  # black, grey shadow and their anti-aliasing
            dark.append((x, y))
            ok = in_y and WORD_X[0] <= x <= WORD_X[1]
        elif r > g == b:  # red, its dark shade and their pink anti-aliasing
            red.append((x, y))
            ok = in_y and NUMERAL_X[0] <= x <= NUMERAL_X[1]
        else:  # any other hue does not belong in the picture
            ok = False
        if not ok:
            stray.append((x, y, r, g, b))

    print(f"{path}: {size}")
    print(f"black/grey art bbox (x0, y0, x1, y1): {bbox(dark)}  allowed x {WORD_X} y {ART_Y}")
    print(f"red art bbox        (x0, y0, x1, y1): {bbox(red)}  allowed x {NUMERAL_X} y {ART_Y}")
    if stray:
        print(f"FAIL: {len(stray)} pixels outside their band, e.g. {stray[:5]}")
        return 1
    print("OK: all non-white pixels inside their bands")
    return 0


if __name__ == "__main__":
    sys.exit(main())
