#!/usr/bin/env python3
"""Writes the toolbar, window, file and folder pictures as SVG (38 x 24 for buttons).

One style for all: a slate name bar or sheet, and one coloured sign per command."""
import pathlib

HERE = pathlib.Path(__file__).parent
INK = "#37474f"
BLUE = "#1e6fd9"
GREEN = "#2e9d4a"
RED = "#d93025"
ORANGE = "#e67e00"


def svg(body, w=38, h=24):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" '
            f'viewBox="0 0 {w} {h}">{body}</svg>\n')


def bar(x=6, y=8, w=26, h=8, fill="#eceff1"):
    """A file name: a rounded bar with a dot before its extension."""
    return (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2" fill="{fill}" '
            f'stroke="{INK}" stroke-width="1.5"/>'
            f'<circle cx="{x + w - 8}" cy="{y + h - 2.5}" r="1.2" fill="{INK}"/>')


def sheet(x=11, y=2, w=16, h=20):
    return (f'<path d="M{x} {y}h{w - 5}l5 5v{h - 5}h-{w}z" fill="#eceff1" stroke="{INK}" '
            f'stroke-width="1.5" stroke-linejoin="round"/>'
            f'<path d="M{x + w - 5} {y}v5h5" fill="none" stroke="{INK}" stroke-width="1.2"/>')


def folder(x, y, w=14, h=10, fill="#f6c344"):
    return (f'<path d="M{x} {y + 2}h{w * 0.4}l2 -2h{w * 0.6 - 2}v{h}h-{w}z" fill="{fill}" '
            f'stroke="{INK}" stroke-width="1.2" stroke-linejoin="round"/>')


def plus(cx, cy, r=4, color=GREEN):
    return (f'<path d="M{cx - r} {cy}h{2 * r}M{cx} {cy - r}v{2 * r}" stroke="{color}" '
            f'stroke-width="2.4" stroke-linecap="round"/>')


def minus(cx, cy, r=4, color=RED):
    return f'<path d="M{cx - r} {cy}h{2 * r}" stroke="{color}" stroke-width="2.4" stroke-linecap="round"/>'


def cross(cx, cy, r=3.5, color=RED):
    return (f'<path d="M{cx - r} {cy - r}l{2 * r} {2 * r}M{cx + r} {cy - r}l-{2 * r} {2 * r}" '
            f'stroke="{color}" stroke-width="2.2" stroke-linecap="round"/>')


def arrow(d, color=BLUE, width=2):
    return (f'<path d="{d}" fill="none" stroke="{color}" stroke-width="{width}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def lines(x, ys, w, color=INK):
    return "".join(f'<path d="M{x} {y}h{w}" stroke="{color}" stroke-width="1.6" '
                   f'stroke-linecap="round"/>' for y in ys)


ICONS = {
    # apply renames: a sheet with a check mark
    "apply-renames": sheet() + arrow("M14 13l3.5 3.5l7 -8", GREEN, 2.6),
    # replace string: two marks exchanged by arrows
    "replace-string": (f'<rect x="5" y="6" width="9" height="12" rx="2" fill="#eceff1" stroke="{INK}" stroke-width="1.5"/>'
            f'<rect x="24" y="6" width="9" height="12" rx="2" fill="#dbe8fb" stroke="{BLUE}" stroke-width="1.5"/>'
            + arrow("M16 9h6m-2 -2l2 2l-2 2") + arrow("M22 15h-6m2 -2l-2 2l2 2")),
    # add prefix: a plus in front of a name
    "add-prefix": bar(x=14, w=20) + plus(7, 12),
    # add suffix: a plus behind the name, before its extension
    "add-suffix": bar(x=4, w=20) + plus(31, 12),
    # erase name: the name struck out, the extension kept
    "erase-name": bar() + arrow("M8 12h14", RED, 2.4),
    # delete by position: a marked stretch cut out of the name
    "delete-by-position": bar() + f'<rect x="12" y="6" width="8" height="12" fill="none" stroke="{RED}" stroke-width="1.8" stroke-dasharray="2 1.5"/>',
    # delete enclosed: brackets with a cross between them
    "delete-enclosed": arrow("M11 5q-4 7 0 14M27 5q4 7 0 14", INK, 2) + cross(19, 12),
    # keep digits only: a number sign
    "keep-digits-only": arrow("M15 5l-2 14M23 5l-2 14M10 9.5h16M9 14.5h16", BLUE, 2),
    # pad digits: zeros in front of a digit
    "pad-digits": (f'<ellipse cx="9" cy="12" rx="3" ry="5" fill="none" stroke="{ORANGE}" stroke-width="1.8"/>'
            f'<ellipse cx="18" cy="12" rx="3" ry="5" fill="none" stroke="{ORANGE}" stroke-width="1.8"/>'
            + arrow("M26 9l3 -2v10", INK, 2)),
    # numbering: a list with growing numbers
    "number-rows": ('<circle cx="9" cy="6" r="1.6" fill="%s"/><circle cx="9" cy="12" r="2" fill="%s"/>'
            '<circle cx="9" cy="18" r="2.4" fill="%s"/>' % (BLUE, BLUE, BLUE)) + lines(14, [6, 12, 18], 16),
    # revert: an arrow turning back
    "revert-new-names": sheet() + arrow("M23 15a5 5 0 1 0 -6 -6m0 -3v3h3", ORANGE, 2.2),
    # clear list: list lines with a cross
    "clear-list": lines(7, [6, 12, 18], 16) + cross(29, 12, 4),
    # direct rename: a pencil over a name
    "direct-rename": bar() + (f'<path d="M15 19l2 -5l9 -9l3 3l-9 9z" fill="#fff3c4" stroke="{BLUE}" '
                    f'stroke-width="1.5" stroke-linejoin="round"/>'),
    # sort: bars in order beside a downward arrow
    "sort-list": lines(6, [6], 6) + lines(6, [12], 11) + lines(6, [18], 16) + arrow("M29 4v16m-4 -4l4 4l4 -4"),
    # folder name in front
    "prefix-folder-name": folder(3, 7) + bar(x=19, w=16),
    # folder name behind
    "suffix-folder-name": bar(x=3, w=16) + folder(21, 7),
    # unify folder: arrows gathering into one folder
    "unify-folder": arrow("M4 5l8 5M4 12h8M4 19l8 -5", BLUE, 2) + folder(16, 6, 18, 13),
    # delete extension
    "delete-extension": bar(x=4, w=22) + minus(31, 12),
    # add extension
    "add-extension": bar(x=4, w=22) + plus(31, 12),
    # change extension: the extension with a turning arrow
    "change-extension": bar(x=4, w=22) + arrow("M28 9a4 4 0 1 1 -1 6m1 -9v3h-3", BLUE, 1.8),
}

WINDOW = svg(
    '<rect x="2" y="2" width="44" height="44" rx="9" fill="#1e6fd9"/>'
    '<rect x="9" y="13" width="30" height="9" rx="2" fill="#ffffff"/>'
    '<rect x="9" y="27" width="30" height="9" rx="2" fill="#bcd4f6"/>'
    '<path d="M24 22v4m-3 -2l3 3l3 -3" stroke="#ffffff" stroke-width="2.2" fill="none" '
    'stroke-linecap="round" stroke-linejoin="round"/>', 48, 48)

FILE = svg(sheet(3, 1, 10, 14).replace('stroke-width="1.5"', 'stroke-width="1"'), 16, 16)
FOLDER = svg(folder(1, 3, 14, 10), 16, 16)

for name, body in ICONS.items():
    (HERE / f"{name}.svg").write_text(svg(body))
(HERE / "morvalent.svg").write_text(WINDOW)
(HERE / "file.svg").write_text(FILE)
(HERE / "folder.svg").write_text(FOLDER)
