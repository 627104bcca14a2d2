#!/usr/bin/env python3
"""Turns the SVG pictures into what a Windows resource script takes.

    make_images.py OUT_DIR ICONS_DIR

writes into OUT_DIR:
  toolbar-100.bmp, toolbar-150.bmp, toolbar-200.bmp  one strip of every toolbar
      picture (38 x 24 at 100 %), 32-bit with premultiplied alpha, as image lists take it;
  ToolbarImages.h   the pictures' file names in strip order, for the window to
      find a command's picture;
  morvalent.ico     the program icon, 16 to 256 pixels.
Only rsvg-convert is needed: its PNG output is decoded here."""
import pathlib
import struct
import subprocess
import sys
import zlib

BUTTON_W, BUTTON_H = 38, 24
SCALES = (100, 150, 200)
ICON_SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
NOT_BUTTONS = {"file.svg", "folder.svg", "morvalent.svg"}


def render_png(svg, width, height):
    return subprocess.run(["rsvg-convert", "-w", str(width), "-h", str(height), str(svg)],
                          check=True, capture_output=True).stdout


def decode_rgba(png):
    """RGBA rows of an 8-bit, non-interlaced RGBA PNG (what rsvg-convert writes)."""
    assert png[:8] == b"\x89PNG\r\n\x1a\n", "not a PNG"
    pos, idat = 8, b""
    while pos < len(png):
        length, kind = struct.unpack(">I4s", png[pos:pos + 8])
        data = png[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", data)
            assert depth == 8 and colour == 6 and interlace == 0, "unexpected PNG form"
        elif kind == b"IDAT":
            idat += data
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = width * 4
    rows, prior = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - 4] if i >= 4 else 0
            up = prior[i]
            corner = prior[i - 4] if i >= 4 else 0
            if kind == 1:
                line[i] = (line[i] + left) & 255
            elif kind == 2:
                line[i] = (line[i] + up) & 255
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                pred = left if pa <= pb and pa <= pc else up if pb <= pc else corner
                line[i] = (line[i] + pred) & 255
        rows.append(bytes(line))
        prior = line
    return width, height, rows


def bgra(rows, premultiply):
    """Bottom-up BGRA pixel data, as a DIB stores it."""
    out = bytearray()
    for row in reversed(rows):
        for i in range(0, len(row), 4):
            r, g, b, a = row[i:i + 4]
            if premultiply:
                r, g, b = r * a // 255, g * a // 255, b * a // 255
            out += bytes((b, g, r, a))
    return bytes(out)


def info_header(width, height, size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 32, 0, size, 2835, 2835, 0, 0)


def write_strip(path, svgs, scale):
    w, h = BUTTON_W * scale // 100, BUTTON_H * scale // 100
    pictures = [decode_rgba(render_png(svg, w, h))[2] for svg in svgs]
    rows = [b"".join(p[y] for p in pictures) for y in range(h)]
    pixels = bgra(rows, premultiply=True)
    header = info_header(w * len(svgs), h, len(pixels))
    path.write_bytes(b"BM" + struct.pack("<IHHI", 14 + len(header) + len(pixels), 0, 0, 54) +
                     header + pixels)


def write_icon(path, svg):
    images = []
    for size in ICON_SIZES:
        png = render_png(svg, size, size)
        if size >= 256:
            images.append((size, png))  # large sizes are stored as PNG
            continue
        _, _, rows = decode_rgba(png)
        mask_stride = ((size + 31) // 32) * 4
        pixels = bgra(rows, premultiply=False)
        images.append((size, info_header(size, size * 2, 0) + pixels + bytes(mask_stride * size)))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    path.write_bytes(out + b"".join(data for _, data in images))


def main():
    out, icons = pathlib.Path(sys.argv[1]), pathlib.Path(sys.argv[2])
    out.mkdir(parents=True, exist_ok=True)
    svgs = sorted(p for p in icons.glob("*.svg") if p.name not in NOT_BUTTONS)
    for scale in SCALES:
        write_strip(out / f"toolbar-{scale}.bmp", svgs, scale)
    names = ",\n".join(f'    u"{p.name}"' for p in svgs)
    (out / "ToolbarImages.h").write_text(
        "#pragma once\n// Written by resources/win32/make_images.py: the toolbar strip's pictures in order.\n"
        f"inline constexpr const char16_t* kToolbarImageNames[] = {{\n{names}}};\n"
        f"inline constexpr int kToolbarScales[] = {{{', '.join(map(str, SCALES))}}};\n",
        encoding="utf-8")
    write_icon(out / "morvalent.ico", icons / "morvalent.svg")


if __name__ == "__main__":
    main()
