#!/usr/bin/env python3
"""Writes the SVG sources of the built-in skin "Default (black)" to resources/skins/default/.

One file per bitmap id (<id>.svg); the build renders each at 1x and 2x. Sizes are logical
pixels and must match the built-in skin's tables (src/skins/BuiltInSkin.cpp and
BuiltInBitmaps.h). Run it again after changing a drawing here; the SVGs are committed.
"""
import math
import os
import sys

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "skins",
                   "default")

INK = "#e4e9ef"
ACCENT = "#4fc3f7"
AMBER = "#ffb74d"


def svg(width, height, body, defs=""):
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{width}" height="{height}" '
            f'viewBox="0 0 {width} {height}">\n<defs>{defs}</defs>\n{body}\n</svg>\n')


def gradient(name, top, bottom, x2=0, y2=1):
    return (f'<linearGradient id="{name}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{top}"/><stop offset="1" stop-color="{bottom}"/>'
            f'</linearGradient>')


def well(x, y, w, h, fill="#0b0d10", r=4):
    return (f'<rect x="{x - 1}" y="{y - 1}" width="{w + 2}" height="{h + 2}" rx="{r + 1}" '
            f'fill="#454c55" opacity="0.55"/>'
            f'<rect x="{x}" y="{y}" width="{w}" height="{h - 0.5}" rx="{r}" fill="#030405"/>'
            f'<rect x="{x}" y="{y + 1}" width="{w}" height="{h - 1}" rx="{r}" fill="{fill}"/>')


def body(width, height):
    defs = gradient("bodyFill", "#3a4048", "#17191d") + gradient("rim", "#7b8591", "#2a2f35")
    shape = (f'<rect x="0.5" y="0.5" width="{width - 1}" height="{height - 1}" rx="14" '
             f'fill="url(#bodyFill)" stroke="url(#rim)" stroke-width="1"/>'
             f'<rect x="2" y="2" width="{width - 4}" height="{height - 4}" rx="12.5" '
             f'fill="none" stroke="#000" stroke-opacity="0.45" stroke-width="1"/>')
    return defs, shape


def grille(x, y, w, rows):
    return "".join(f'<rect x="{x}" y="{y + 3 * i}" width="{w}" height="1.4" rx="0.7" '
                   f'fill="#07080a"/><rect x="{x}" y="{y + 3 * i + 1.4}" width="{w}" '
                   f'height="0.6" fill="#4a525c" opacity="0.5"/>' for i in range(rows))


def graph_grid(x, y, w, h):
    lines = [f'<line x1="{x}" y1="{y + h / 2}" x2="{x + w}" y2="{y + h / 2}" '
             f'stroke="#1f4a2c" stroke-width="0.8"/>']
    for i in range(1, 8):
        gx = x + w * i / 8
        lines.append(f'<line x1="{gx}" y1="{y + 2}" x2="{gx}" y2="{y + h - 2}" '
                     f'stroke="#15301d" stroke-width="0.6"/>')
    return "".join(lines)


def wordmark(x, y, size=7.5):
    return (f'<text x="{x}" y="{y}" font-family="DejaVu Sans" font-weight="bold" '
            f'font-size="{size}" letter-spacing="0.9" fill="#9aa6b4">QUILLOPHONE</text>')


def standard_background():
    defs, shape = body(207, 248)
    parts = [shape,
             '<line x1="14" y1="27.5" x2="193" y2="27.5" stroke="#000" stroke-opacity="0.5"/>',
             '<line x1="14" y1="28.5" x2="193" y2="28.5" stroke="#5a636e" stroke-opacity="0.5"/>',
             wordmark(31, 19.5),
             well(10, 31, 184, 20, "#101318"),
             well(12, 57, 20, 75, "#15181c"),
             well(36, 54, 155, 78),
             well(36, 133, 155, 52, "#06100a"),
             graph_grid(38, 135, 151, 33),
             '<line x1="38" y1="170.5" x2="189" y2="170.5" stroke="#27313a"/>',
             well(8, 185, 166, 32, "#121519", 9),
             grille(14, 226, 76, 5),
             well(97, 226, 76, 14, "#050607", 3),
             '<circle cx="189" cy="231" r="11" fill="#0c0e11" stroke="#4a525c" '
             'stroke-opacity="0.6"/>',
             '<circle cx="22" cy="152" r="2.2" fill="#5a1010" stroke="#000" '
             'stroke-width="0.6"/>']
    return svg(207, 248, "".join(parts), defs)


def small_background():
    defs, shape = body(214, 100)
    parts = [shape, well(8, 24, 180, 46), well(188, 24, 20, 46, "#15181c"),
             well(6, 70, 130, 28, "#121519", 9), well(131, 80, 76, 14, "#050607", 3)]
    return svg(214, 100, "".join(parts), defs)


def side_panel(width):
    defs = gradient("panelFill", "#2c3138", "#16181c", 1, 0) + gradient("edge", "#6d7783",
                                                                          "#262a30")
    parts = [f'<path d="M0,0.5 H{width - 10.5} a10,10 0 0 1 10,10 V159.5 a10,10 0 0 1 -10,10 '
             f'H0 Z" fill="url(#panelFill)" stroke="url(#edge)"/>',
             '<rect x="0" y="1" width="2" height="168" fill="#0a0b0d"/>']
    if width > 20:
        parts += [well(6, 3, 66, 14, "#101318"), well(8, 16, 64, 78, "#121519", 6),
                  well(6, 108, 68, 18, "#0b0d10", 3),
                  f'<line x1="10" y1="140.5" x2="{width - 10}" y2="140.5" stroke="#000" '
                  f'stroke-opacity="0.5"/>']
    else:
        parts += [f'<rect x="6" y="{y}" width="5" height="1.2" rx="0.6" fill="#59626d"/>'
                  for y in list(range(40, 70, 4)) + list(range(104, 134, 4))]
    return svg(width, 170, "".join(parts), defs)


FACE_STYLES = {
    "normal": ("#4b525b", "#272b31", "#101215", None),
    "focused": ("#4f5862", "#2a3036", "#101215", ACCENT),
    "toggled": ("#6a5420", "#3a2d10", "#1a1406", AMBER),
    "pressed": ("#1c1f23", "#353b42", "#08090a", None),
    "disabled": ("#2b2e33", "#24272b", "#1a1c1f", None),
}


def face(size, style, round_face):
    top, bottom, border, ring = FACE_STYLES[style]
    defs = gradient("f", top, bottom)
    r = size / 2 - 0.5 if round_face else max(3, size * 0.22)
    rect = (f'x="0.5" y="0.5" width="{size - 1}" height="{size - 1}" rx="{r}"')
    parts = [f'<rect {rect} fill="url(#f)" stroke="{border}"/>']
    if style != "pressed" and style != "disabled":
        parts.append(f'<rect x="1.5" y="1.5" width="{size - 3}" height="{size - 3}" '
                     f'rx="{r - 1}" fill="none" stroke="#fff" stroke-opacity="0.13"/>')
    if ring:
        parts.append(f'<rect x="1.25" y="1.25" width="{size - 2.5}" height="{size - 2.5}" '
                     f'rx="{r - 0.75}" fill="none" stroke="{ring}" stroke-width="1.2" '
                     f'stroke-opacity="0.9"/>')
    opacity = ' opacity="0.55"' if style == "disabled" else ""
    return svg(size, size, f'<g{opacity}>{"".join(parts)}</g>', defs)


def stroke(d, width=2.6):
    return (f'<path d="{d}" fill="none" stroke="{INK}" stroke-width="{width}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>')


def fill(d, colour=INK):
    return f'<path d="{d}" fill="{colour}"/>'


RECORD = ('<circle cx="12" cy="12" r="8" fill="#e53935" stroke="#7f1010" stroke-width="1"/>'
          '<circle cx="9.5" cy="9.5" r="2.6" fill="#fff" fill-opacity="0.35"/>')
GEAR = "".join(
    f'<rect x="10.5" y="2.5" width="3" height="5" rx="1" fill="{INK}" '
    f'transform="rotate({a} 12 12)"/>' for a in range(0, 360, 45)) + (
    f'<circle cx="12" cy="12" r="6" fill="none" stroke="{INK}" stroke-width="3"/>')

GLYPHS = {
    1: stroke("M8.5,9 a3.5,3.5 0 1 1 5.2,3 c-1.2,0.7 -1.7,1.5 -1.7,3") +
       f'<circle cx="12" cy="19" r="1.6" fill="{INK}"/>',
    2: GEAR,
    3: stroke("M4,4 H20 V20 H4 Z", 2) + fill("M4,12 H12 V20 H4 Z"),
    4: fill("M5,16 H19 V20 H5 Z"),
    5: stroke("M6,6 L18,18 M18,6 L6,18", 3),
    6: fill("M16,5 L7,12 L16,19 Z"),
    7: fill("M8,5 L17,12 L8,19 Z"),
    8: stroke("M6,6 L12,12 L18,6 M6,13 L12,19 L18,13"),
    9: stroke("M6,18 L12,12 L18,18 M6,11 L12,5 L18,11"),
    10: stroke("M6,9 L12,15 L18,9", 3),
    11: stroke("M6,15 L12,9 L18,15", 3),
    12: RECORD,
    13: fill("M8,4.5 L19.5,12 L8,19.5 Z"),
    14: fill("M3.5,5 L12,12 L3.5,19 Z") + stroke("M15,7 H21 M15,12 H21 M15,17 H21", 2.4),
    15: stroke("M5,7 H19 M9.5,7 V4.5 H14.5 V7 M7,7 L8,20 H16 L17,7 M10.5,10.5 V16.5 "
               "M13.5,10.5 V16.5", 2),
    16: stroke("M3.5,6 H20.5 V18 H3.5 Z M3.5,6.5 L12,13 L20.5,6.5", 2),
    17: fill("M5,5 L14.5,12 L5,19 Z") + fill("M16,5 H19.5 V19 H16 Z"),
    18: fill("M6,6 H18 V18 H6 Z"),
    19: fill("M6,5 H10.5 V19 H6 Z M13.5,5 H18 V19 H13.5 Z"),
    20: fill("M3,8 H12 V16 H3 Z", "#9aa6b4") + stroke("M17.5,7 V17 M12.5,12 H22.5", 2.6),
    21: fill("M3,7 H7 V17 H3 Z M17,7 H21 V17 H17 Z", "#9aa6b4") +
        stroke("M12,7 V17 M7.5,12 H16.5", 2.6),
    22: stroke("M10.5,10.5 m-6,0 a6,6 0 1 0 12,0 a6,6 0 1 0 -12,0 M15,15 L20.5,20.5", 2.6),
    23: stroke("M18.5,9 A7,7 0 1 0 19,14.5", 2.6) + fill("M21.5,4 L21.5,11 L14.5,10 Z"),
    24: fill("M12,5 L3,12 L12,19 Z M21,5 L12,12 L21,19 Z"),
    25: fill("M3,5 L12,12 L3,19 Z M12,5 L21,12 L12,19 Z"),
    26: stroke("M7,5 L14,12 L7,19", 3),
    27: stroke("M16,5 L9,12 L16,19", 3),
    29: fill("M6,6 H18 V18 H6 Z"),
    30: stroke("M2.5,12 C5,4 7,4 9,12 S13,20 15.5,12 S19.5,6 21.5,12", 2.2) +
        stroke("M5,20 L19,4", 2.2).replace(INK, AMBER),
}

SMALL = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 26, 27}


def glyph(index):
    size = 10 if index in SMALL else (14 if index != 12 else 14)
    return svg(size, size, f'<svg viewBox="0 0 24 24" width="{size}" height="{size}">'
               f'{GLYPHS[index]}</svg>')


def knob_track():
    ticks = "".join(f'<line x1="{x}" y1="1" x2="{x}" y2="{3.5 if x != 32 else 4.5}" '
                    f'stroke="#6c7682"/>' for x in range(5, 64, 9))
    return svg(64, 14, ticks + '<rect x="3" y="6" width="58" height="3" rx="1.5" '
               'fill="#050607" stroke="#4a525c" stroke-width="0.6"/>'
               '<line x1="32" y1="10.5" x2="32" y2="13" stroke="#6c7682"/>')


def knob_thumb(focused):
    defs = gradient("t", "#c9d1da", "#6b7580")
    ring = (f'<rect x="1" y="1" width="8" height="12" rx="2" fill="none" stroke="{ACCENT}" '
            f'stroke-width="1.2"/>' if focused else "")
    return svg(10, 14, '<rect x="0.5" y="0.5" width="9" height="13" rx="2.5" fill="url(#t)" '
               'stroke="#1a1d21"/><line x1="5" y1="3" x2="5" y2="11" stroke="#2a2f35" '
               f'stroke-width="1.2"/>{ring}', defs)


def meter(lit):
    parts = []
    for i in range(14):
        colour = "#43d17a" if i < 10 else (AMBER if i < 13 else "#ef5350")
        opacity = "1" if lit else "0.16"
        parts.append(f'<rect x="{i * 5 + 0.5}" y="0.5" width="4" height="7" rx="0.8" '
                     f'fill="{colour}" fill-opacity="{opacity}"/>')
    return svg(70, 8, "".join(parts))


def volume_frames():
    defs = ('<radialGradient id="k" cx="0.4" cy="0.35" r="0.7"><stop offset="0" '
            'stop-color="#6e7884"/><stop offset="1" stop-color="#23272c"/></radialGradient>')
    parts = []
    for i in range(12):
        angle = math.radians(-135 + 270 * i / 11)
        cx, cy = i * 18 + 9, 9
        dx, dy = 5 * math.sin(angle), -5 * math.cos(angle)
        parts.append(f'<circle cx="{cx}" cy="{cy}" r="8" fill="url(#k)" stroke="#0b0c0e"/>'
                     f'<circle cx="{cx + dx:.2f}" cy="{cy + dy:.2f}" r="1.6" '
                     f'fill="{ACCENT}"/>')
    return svg(216, 18, "".join(parts), defs)


def icon():
    defs = gradient("i", "#4fc3f7", "#0277bd")
    return svg(16, 16, '<rect x="0.5" y="0.5" width="15" height="15" rx="4" fill="url(#i)" '
               'stroke="#01385f"/><rect x="6" y="2.5" width="4" height="7.5" rx="2" '
               'fill="#fff"/><path d="M4,8 a4,4 0 0 0 8,0 M8,12 V14" fill="none" '
               'stroke="#fff" stroke-width="1.3" stroke-linecap="round"/>', defs)


def files():
    out = {133: standard_background(), 341: small_background(), 154: side_panel(76),
           337: side_panel(16), 342: icon(), 430: knob_track(), 431: knob_thumb(False),
           432: knob_thumb(True), 440: meter(False), 441: meter(True), 450: volume_frames()}
    styles = ["normal", "focused", "toggled", "pressed", "disabled"]
    for first, size, round_face in ((400, 16, False), (410, 22, False), (420, 26, True)):
        for n, style in enumerate(styles):
            out[first + n] = face(size, style, round_face)
    for index in GLYPHS:
        out[500 + index] = glyph(index)
    return out


def main():
    os.makedirs(OUT, exist_ok=True)
    for bitmap_id, text in sorted(files().items()):
        with open(os.path.join(OUT, f"{bitmap_id}.svg"), "w", encoding="utf-8") as f:
            f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
