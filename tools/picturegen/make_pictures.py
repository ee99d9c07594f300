#!/usr/bin/env python3
"""Draws the shell's pictures as SVG files: the game-log icons, the driver-card images,
the dice, the toolbar images, the pointer cursors, the splash, the logo and the start
pictures. Writes them into src/app/pictures with the resource list pictures.qrc.

    tools/picturegen/make_pictures.py [OUTPUT_DIR]
"""
import math
import os
import sys

OUT = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
    os.path.dirname(__file__), "..", "..", "src", "app", "pictures")
FONT = "DejaVu Sans"
written = []


def svg(name, size, body, height=None):
    h = height or size
    text = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{h}" '
            f'viewBox="0 0 {size} {h}">\n{body}\n</svg>\n')
    path = os.path.join(OUT, name + ".svg")
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)
    written.append(name + ".svg")


def polygon(n, cx, cy, r, start=-90):
    pts = []
    for i in range(n):
        a = math.radians(start + 360.0 * i / n)
        pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    return " ".join(pts)


# The six gear dice: shape, fill, and the vertical centre of the number on the face.
GEAR_DICE = {
    1: ("triangle", "#f5d90a"),
    2: ("square", "#f08a1c"),
    3: ("diamond", "#d8261c"),
    4: ("pentagon", "#2e9e3a"),
    5: ("hexagon", "#7b3aa8"),
    6: ("circle", "#2358c8"),
}


def die_shape(kind_shape, fill, s, stroke="#000", sw=None):
    sw = sw if sw is not None else max(0.8, s / 14)
    c = s / 2
    r = s * 0.46
    common = f'fill="{fill}" stroke="{stroke}" stroke-width="{sw:.2f}" stroke-linejoin="round"'
    if kind_shape == "triangle":
        return f'<polygon points="{polygon(3, c, c + s * 0.08, r * 1.08)}" {common}/>'
    if kind_shape == "square":
        m = s * 0.1
        return f'<rect x="{m:.2f}" y="{m:.2f}" width="{s - 2 * m:.2f}" height="{s - 2 * m:.2f}" rx="{s * 0.08:.2f}" {common}/>'
    if kind_shape == "diamond":
        return f'<polygon points="{polygon(4, c, c, r)}" {common}/>'
    if kind_shape == "pentagon":
        return f'<polygon points="{polygon(5, c, c + s * 0.03, r)}" {common}/>'
    if kind_shape == "hexagon":
        return f'<polygon points="{polygon(6, c, c, r, 0)}" {common}/>'
    return f'<circle cx="{c}" cy="{c}" r="{r:.2f}" {common}/>'


def circle_mark(colour, mark, mark_colour="#fff", s=14):
    return (f'<circle cx="7" cy="7" r="6.2" fill="{colour}" stroke="#333" stroke-width="0.6"/>'
            f'<text x="7" y="11" font-family="{FONT}" font-size="10" font-weight="bold" '
            f'text-anchor="middle" fill="{mark_colour}">{mark}</text>')


def balloon(fill="#fff", mark=None, mark_colour="#000"):
    body = ('<path d="M2,2 H12 a1.5,1.5 0 0 1 1.5,1.5 V9 a1.5,1.5 0 0 1 -1.5,1.5 H6 L3,13 L3.5,10.5 '
            'H2 a1.5,1.5 0 0 1 -1.5,-1.5 V3.5 A1.5,1.5 0 0 1 2,2 Z" '
            f'fill="{fill}" stroke="#333" stroke-width="0.8"/>')
    if mark:
        body += (f'<text x="7" y="9.3" font-family="{FONT}" font-size="8" font-weight="bold" '
                 f'text-anchor="middle" fill="{mark_colour}">{mark}</text>')
    else:
        body += '<path d="M3.5,5 H10.5 M3.5,7.5 H9" stroke="#555" stroke-width="0.9"/>'
    return body


def trophy(gold, dark):
    return (f'<path d="M3.5,1.5 H10.5 V5 a3.5,3.5 0 0 1 -7,0 Z" fill="{gold}" stroke="{dark}" stroke-width="0.6"/>'
            f'<path d="M3.5,2.5 H1.5 a2,2 0 0 0 2.3,3.3 M10.5,2.5 H12.5 a2,2 0 0 1 -2.3,3.3" fill="none" stroke="{dark}" stroke-width="0.8"/>'
            f'<rect x="6.2" y="8.3" width="1.6" height="2.2" fill="{gold}" stroke="{dark}" stroke-width="0.4"/>'
            f'<rect x="4" y="10.5" width="6" height="2.2" fill="{gold}" stroke="{dark}" stroke-width="0.6"/>')


def tire(fill="#222"):
    return (f'<circle cx="7" cy="7" r="6" fill="{fill}"/>'
            '<circle cx="7" cy="7" r="3.2" fill="#bbb" stroke="#555" stroke-width="0.5"/>'
            '<circle cx="7" cy="7" r="1" fill="#555"/>'
            '<path d="M7,1 V2.4 M7,11.6 V13 M1,7 H2.4 M11.6,7 H13" stroke="#555" stroke-width="0.7"/>')


def brake():
    return ('<circle cx="7" cy="7" r="5.8" fill="#c8c8c8" stroke="#444" stroke-width="0.7"/>'
            '<circle cx="7" cy="7" r="2" fill="#666"/>'
            '<circle cx="7" cy="3.3" r="0.6" fill="#666"/><circle cx="10.7" cy="7" r="0.6" fill="#666"/>'
            '<circle cx="3.3" cy="7" r="0.6" fill="#666"/><circle cx="7" cy="10.7" r="0.6" fill="#666"/>'
            '<path d="M9.5,1.6 a6,6 0 0 1 3,4.2 L10.4,6.2 a4,4 0 0 0 -1.9,-2.8 Z" fill="#d8261c" stroke="#6a0f0a" stroke-width="0.5"/>')


def fuel():
    return ('<rect x="2" y="2.5" width="6.5" height="10" rx="0.8" fill="#d8261c" stroke="#5a0b07" stroke-width="0.6"/>'
            '<rect x="3.2" y="3.8" width="4.1" height="3" fill="#fff"/>'
            '<path d="M8.5,5 H10.5 V10.5 a1,1 0 0 0 2,0 V4.5 L11,3" fill="none" stroke="#333" stroke-width="0.9"/>'
            '<rect x="1.2" y="12" width="8" height="1.3" fill="#333"/>')


def body():
    return ('<path d="M1,9.5 L2,7 L5,6.2 L6.5,4 H9.5 L11,6.2 L13,7 V9.5 Z" fill="#2358c8" stroke="#0b2158" stroke-width="0.6"/>'
            '<circle cx="4" cy="10" r="1.8" fill="#222"/><circle cx="10.3" cy="10" r="1.8" fill="#222"/>'
            '<path d="M7,4.6 H9.2 L10.2,6.2 H7 Z" fill="#bfe0ff"/>')


def engine():
    return ('<rect x="3" y="4.5" width="8" height="6.5" fill="#777" stroke="#333" stroke-width="0.7"/>'
            '<rect x="4.5" y="2.5" width="5" height="2" fill="#999" stroke="#333" stroke-width="0.5"/>'
            '<rect x="1" y="6" width="2" height="3.5" fill="#999" stroke="#333" stroke-width="0.5"/>'
            '<rect x="11" y="6.5" width="2" height="2.5" fill="#999" stroke="#333" stroke-width="0.5"/>'
            '<path d="M4.5,6.5 H9.5 M4.5,8 H9.5 M4.5,9.5 H9.5" stroke="#444" stroke-width="0.5"/>')


def road_holding():
    return ('<path d="M2,12 Q7,9 12,12" fill="none" stroke="#333" stroke-width="1"/>'
            '<path d="M7,1.5 V3 L4.5,4 L9.5,5.2 L4.5,6.4 L9.5,7.6 L4.5,8.8 L7,9.8 V10.8" fill="none" stroke="#2e9e3a" stroke-width="1.1" stroke-linejoin="round"/>'
            '<rect x="5" y="0.8" width="4" height="1.3" fill="#333"/>')


def wrench():
    return ('<path d="M3,11 L8,6 a3,3 0 0 1 3.7,-3.9 L10,3.8 L10.2,5.8 L12.2,6 L13.9,4.3 a3,3 0 0 1 -3.9,3.7 L5,13 a1.4,1.4 0 0 1 -2,-2 Z" '
            'fill="#9aa3ad" stroke="#333" stroke-width="0.6"/>')


def spinout():
    return ('<path d="M7,2.2 a4.8,4.8 0 1 1 -4.6,3.4" fill="none" stroke="#d8261c" stroke-width="1.4"/>'
            '<polygon points="0.8,4.2 4.6,4.4 2.6,7.6" fill="#d8261c"/>'
            '<circle cx="7" cy="7" r="1.6" fill="#222"/>')


def explosion():
    return (f'<polygon points="{star(7, 7, 6.6, 3, 9)}" fill="#f08a1c" stroke="#a3250d" stroke-width="0.6"/>'
            f'<polygon points="{star(7, 7, 3.8, 1.8, 7)}" fill="#f5d90a"/>')


def star(cx, cy, ro, ri, n):
    pts = []
    for i in range(2 * n):
        r = ro if i % 2 == 0 else ri
        a = math.radians(-90 + 180.0 * i / n)
        pts.append(f"{cx + r * math.cos(a):.2f},{cy + r * math.sin(a):.2f}")
    return " ".join(pts)


def stop_light(lit):
    fill = "#e0201a" if lit else "#8c8c8c"
    glow = '<circle cx="5.5" cy="5.5" r="1.5" fill="#ffb0a8"/>' if lit else ""
    return (f'<circle cx="7" cy="7" r="6" fill="#222"/><circle cx="7" cy="7" r="4.6" fill="{fill}"/>{glow}')


def slashed(inner):
    return inner + '<path d="M1.5,12.5 L12.5,1.5" stroke="#fff" stroke-width="3" stroke-linecap="round"/>' \
        '<path d="M1.5,12.5 L12.5,1.5" stroke="#d8261c" stroke-width="1.8" stroke-linecap="round"/>'


def clock():
    return ('<circle cx="7" cy="7" r="6" fill="#fff" stroke="#333" stroke-width="1"/>'
            '<path d="M7,3 V7 L10,8.6" fill="none" stroke="#000" stroke-width="1.1" stroke-linecap="round"/>')


def circuit():
    return ('<path d="M3,3 H9 Q12,3 12,6 Q12,8 10,8.5 L7,9 Q5.5,9.5 6,11 H3 Q1.5,11 1.5,9.5 V4.5 Q1.5,3 3,3 Z" '
            'fill="none" stroke="#333" stroke-width="1.6"/>'
            '<path d="M3,3 H9 Q12,3 12,6 Q12,8 10,8.5 L7,9 Q5.5,9.5 6,11 H3 Q1.5,11 1.5,9.5 V4.5 Q1.5,3 3,3 Z" '
            'fill="none" stroke="#bbb" stroke-width="0.5"/>'
            '<rect x="4.2" y="2.2" width="1" height="1.6" fill="#d8261c"/>')


def team():
    return ('<path d="M2,1.5 H12 V7 Q12,11 7,13 Q2,11 2,7 Z" fill="#2358c8" stroke="#0b2158" stroke-width="0.7"/>'
            '<path d="M7,1.5 V13 M2,6 H12" stroke="#f5d90a" stroke-width="1.4"/>')


def helmet():
    return ('<path d="M1.5,9 Q1.5,2 8,2 Q13,2 13,7.5 V11 H6 Q4,11 3.5,9 Z" fill="#d8261c" stroke="#5a0b07" stroke-width="0.7"/>'
            '<path d="M7,5.5 H13 V8 H8 Q7,8 7,7 Z" fill="#333"/>'
            '<path d="M2,9 H6" stroke="#fff" stroke-width="0.8"/>')


def arrow():
    return '<path d="M1.5,5.5 H8 V3 L12.8,7 L8,11 V8.5 H1.5 Z" fill="#2e9e3a" stroke="#124a18" stroke-width="0.6"/>'


def curved_arrow():
    return ('<path d="M2.5,10 Q2.5,3 8.5,3.5" fill="none" stroke="#2358c8" stroke-width="1.6"/>'
            '<polygon points="8,1 12.5,3.8 8.2,6.5" fill="#2358c8"/>'
            '<path d="M4.5,11.5 Q9,12 11,8" fill="none" stroke="#2358c8" stroke-width="1" stroke-dasharray="1.2,1"/>')


def crash():
    return (f'<polygon points="{star(7, 7, 6.6, 2.8, 8)}" fill="#d8261c" stroke="#5a0b07" stroke-width="0.6"/>'
            '<path d="M4,9.5 L10,4.5 M4.5,4.5 L9.5,9.5" stroke="#fff" stroke-width="1"/>')


def chequered(s=14):
    cells = []
    n = 4
    w = 9.0 / n
    for r in range(3):
        for c in range(n):
            if (r + c) % 2 == 0:
                cells.append(f'<rect x="{3 + c * w:.2f}" y="{1.5 + r * w:.2f}" width="{w:.2f}" height="{w:.2f}" fill="#000"/>')
    return ('<rect x="3" y="1.5" width="9" height="6.75" fill="#fff" stroke="#000" stroke-width="0.5"/>'
            + "".join(cells) + '<path d="M3,1 V13.5" stroke="#5a3a1a" stroke-width="1.2"/>')


def cloud(x=0, y=0, fill="#ccd"):
    return (f'<path transform="translate({x},{y})" d="M3,9 a2.2,2.2 0 0 1 0.5,-4.3 a3,3 0 0 1 5.6,-0.8 a2.3,2.3 0 0 1 2.4,3.1 a1.1,1.1 0 0 1 -0.4,2 Z" '
            f'fill="{fill}" stroke="#556" stroke-width="0.6"/>')


def sun(cx=7, cy=7, r=3):
    rays = "".join(
        f'<path d="M{cx + (r + 0.8) * math.cos(math.radians(a)):.2f},{cy + (r + 0.8) * math.sin(math.radians(a)):.2f} '
        f'L{cx + (r + 2.5) * math.cos(math.radians(a)):.2f},{cy + (r + 2.5) * math.sin(math.radians(a)):.2f}" stroke="#f0a000" stroke-width="0.9"/>'
        for a in range(0, 360, 45))
    return f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="#f5d90a" stroke="#c08000" stroke-width="0.5"/>' + rays


def rain():
    return cloud(0, 0, "#9aa") + '<path d="M4,10.5 L3,13 M7,10.5 L6,13 M10,10.5 L9,13" stroke="#2358c8" stroke-width="0.9"/>'


def envelope(extra=""):
    return ('<rect x="1" y="3" width="12" height="8.5" fill="#fff" stroke="#333" stroke-width="0.8"/>'
            '<path d="M1,3 L7,8 L13,3" fill="none" stroke="#333" stroke-width="0.8"/>' + extra)


def box(mark):
    inner = '<path d="M4,7 H10" stroke="#000" stroke-width="1.3"/>'
    if mark == "+":
        inner += '<path d="M7,4 V10" stroke="#000" stroke-width="1.3"/>'
    return '<rect x="1.5" y="1.5" width="11" height="11" fill="#fff" stroke="#555" stroke-width="1"/>' + inner


def ticked():
    return ('<rect x="1.5" y="2" width="10.5" height="10.5" fill="#fff" stroke="#555" stroke-width="1"/>'
            '<path d="M3.5,7 L6,10 L12.8,1.8" fill="none" stroke="#2e9e3a" stroke-width="1.8" stroke-linecap="round"/>')


def event_die(s=14, letter=None):
    body = die_shape("hexagon", "#111", s, "#000")
    if letter:
        body += (f'<text x="{s / 2}" y="{s * 0.74:.2f}" font-family="{FONT}" font-size="{s * 0.62:.2f}" '
                 f'font-weight="bold" text-anchor="middle" fill="#e0201a">{letter}</text>')
    else:
        body += f'<circle cx="{s / 2}" cy="{s / 2}" r="{s * 0.1:.2f}" fill="#fff"/>'
    return body


LOG_ICONS = {
    1: event_die(),
    8: circle_mark("#2358c8", "i"),
    9: circle_mark("#f5d90a", "!", "#000"),
    10: circle_mark("#2e9e3a", "!"),
    11: clock(),
    12: circuit(),
    13: team(),
    14: helmet(),
    15: arrow(),
    16: '<circle cx="7" cy="7" r="5.5" fill="#e0201a" stroke="#5a0b07" stroke-width="0.7"/>',
    17: '<circle cx="7" cy="7" r="5.5" fill="#2e9e3a" stroke="#124a18" stroke-width="0.7"/>',
    18: tire(),
    19: brake(),
    20: fuel(),
    21: body(),
    22: engine(),
    23: road_holding(),
    24: wrench(),
    25: curved_arrow(),
    26: crash(),
    27: trophy("#f2c21b", "#7a5a00"),
    28: chequered(),
    29: balloon(),
    30: rain(),
    31: sun(4.5, 4.5, 2.2) + cloud(1.5, 2.5),
    32: sun(),
    33: trophy("#c9ccd1", "#55595e"),
    34: trophy("#c27a3c", "#5e3410"),
    35: event_die(letter="A"),
    36: ticked(),
    37: balloon(mark="i", mark_colour="#2358c8"),
    38: balloon(mark="!", mark_colour="#d0a000"),
    39: balloon(mark="!", mark_colour="#2e9e3a"),
    40: balloon(mark="!", mark_colour="#e0201a"),
    41: envelope(),
    42: box("+"),
    43: box("-"),
}
for g, (shape, fill) in GEAR_DICE.items():
    LOG_ICONS[g + 1] = die_shape(shape, fill, 14)


CARD = {
    "Tire": tire(),
    "Brake": brake(),
    "Fuel": fuel(),
    "Body": body(),
    "Engine": engine(),
    "RoadHolding": road_holding(),
    "Wrench": wrench(),
    "Spinout": spinout(),
    "Explosion": explosion(),
}


def toolbar_images():
    s = 24
    t = {}
    t["NewGame"] = ('<path d="M5,2 H14 L19,7 V22 H5 Z" fill="#fff" stroke="#333" stroke-width="1.2"/>'
                    '<path d="M14,2 V7 H19" fill="#ddd" stroke="#333" stroke-width="1"/>'
                    f'<polygon points="{star(15, 15, 5.5, 2.4, 5)}" fill="#f5d90a" stroke="#a07000" stroke-width="0.7"/>')
    t["LoadGame"] = ('<path d="M2,6 H9 L11,8 H21 V20 H2 Z" fill="#e8b84a" stroke="#7a5a00" stroke-width="1.2"/>'
                     '<path d="M2,20 L5,11 H23 L20,20 Z" fill="#f5d36e" stroke="#7a5a00" stroke-width="1.2"/>')
    t["SaveGame"] = ('<rect x="3" y="3" width="18" height="18" rx="1.5" fill="#2358c8" stroke="#0b2158" stroke-width="1.2"/>'
                     '<rect x="7" y="3" width="10" height="6" fill="#dde"/><rect x="13" y="4" width="2.5" height="4" fill="#2358c8"/>'
                     '<rect x="6" y="12" width="12" height="9" fill="#fff"/>'
                     '<path d="M8,15 H16 M8,18 H16" stroke="#99a" stroke-width="1"/>')
    t["GameRules"] = ('<path d="M3,4 Q7,2 12,5 Q17,2 21,4 V20 Q17,18 12,21 Q7,18 3,20 Z" fill="#fff" stroke="#333" stroke-width="1.2"/>'
                      '<path d="M12,5 V21" stroke="#333" stroke-width="1"/>'
                      '<path d="M5.5,8 H10 M5.5,11 H10 M5.5,14 H10 M14,8 H18.5 M14,11 H18.5 M14,14 H18.5" stroke="#2358c8" stroke-width="1"/>')
    t["TrackInfo"] = ('<path d="M4,5 H15 Q20,5 20,10 Q20,13 17,14 L12,15 Q10,16 11,19 H5 Q2,19 2,16 V8 Q2,5 4,5 Z" fill="none" stroke="#444" stroke-width="2.6"/>'
                      '<circle cx="17" cy="17" r="5.5" fill="#2358c8" stroke="#fff" stroke-width="1"/>'
                      f'<text x="17" y="20.5" font-family="{FONT}" font-size="9" font-weight="bold" text-anchor="middle" fill="#fff">i</text>')
    t["RefreshView"] = ('<path d="M19,9 A8,8 0 1 0 20,14" fill="none" stroke="#2e9e3a" stroke-width="2.4"/>'
                        '<polygon points="21,3 21,11 13.5,9" fill="#2e9e3a"/>')
    t["CenterView"] = ('<rect x="3" y="3" width="18" height="18" fill="none" stroke="#777" stroke-width="1.2" stroke-dasharray="2,1.5"/>'
                       '<circle cx="12" cy="12" r="5" fill="none" stroke="#d8261c" stroke-width="1.6"/>'
                       '<path d="M12,4 V9 M12,15 V20 M4,12 H9 M15,12 H20" stroke="#d8261c" stroke-width="1.6"/>')
    car = ('<path d="M4,15.5 L5,12 L9,11 L10.5,8.5 H14.5 L16,11 L20,12 V15.5 Z" fill="#2358c8" stroke="#0b2158" stroke-width="0.9"/>'
           '<circle cx="8" cy="16" r="2.2" fill="#222"/><circle cx="16.5" cy="16" r="2.2" fill="#222"/>')
    t["CenterCar"] = (car + '<circle cx="12" cy="12" r="9.5" fill="none" stroke="#d8261c" stroke-width="1.4"/>'
                      '<path d="M12,1 V4.5 M12,19.5 V23 M1,12 H4.5 M19.5,12 H23" stroke="#d8261c" stroke-width="1.4"/>')
    t["HideCars"] = (car + '<path d="M3,21 L21,3" stroke="#fff" stroke-width="4" stroke-linecap="round"/>'
                     '<path d="M3,21 L21,3" stroke="#d8261c" stroke-width="2.4" stroke-linecap="round"/>')
    t["Select"] = '<path d="M6,2 V19 L10,15 L13,22 L16,20.6 L13,14 H18.5 Z" fill="#fff" stroke="#000" stroke-width="1.3" stroke-linejoin="round"/>'
    t["ZoomView"] = ('<circle cx="10" cy="10" r="6.5" fill="#dff0ff" stroke="#333" stroke-width="2"/>'
                     '<path d="M14.8,14.8 L21.5,21.5" stroke="#333" stroke-width="3.2" stroke-linecap="round"/>'
                     '<path d="M7,10 H13 M10,7 V13" stroke="#2358c8" stroke-width="1.6"/>')
    t["TranslateView"] = ('<path d="M12,1.5 L15.5,6 H13.2 V10.8 H18 V8.5 L22.5,12 L18,15.5 V13.2 H13.2 V18 H15.5 L12,22.5 L8.5,18 H10.8 V13.2 H6 V15.5 L1.5,12 L6,8.5 V10.8 H10.8 V6 H8.5 Z" '
                          'fill="#f08a1c" stroke="#6a3a00" stroke-width="0.9" stroke-linejoin="round"/>')
    t["DriverComment"] = ('<path d="M3,3 H21 a2,2 0 0 1 2,2 V14 a2,2 0 0 1 -2,2 H10 L5,21 L6,16 H3 a2,2 0 0 1 -2,-2 V5 a2,2 0 0 1 2,-2 Z" fill="#fff" stroke="#2358c8" stroke-width="1.4"/>'
                          '<path d="M5,7.5 H19 M5,11.5 H15" stroke="#2358c8" stroke-width="1.4"/>')
    env = ('<rect x="1.5" y="6" width="17" height="12" fill="#fff" stroke="#333" stroke-width="1.2"/>'
           '<path d="M1.5,6 L10,13 L18.5,6" fill="none" stroke="#333" stroke-width="1.2"/>')
    t["SendMail"] = env + '<path d="M14,19 H21 V16.5 L23.5,20 L21,23.5 V21 H14 Z" fill="#2e9e3a" stroke="#124a18" stroke-width="0.7"/>'
    t["CheckMail"] = env + ('<circle cx="18.5" cy="17.5" r="4.5" fill="#dff0ff" stroke="#333" stroke-width="1.3"/>'
                            '<path d="M21.5,20.5 L23.5,22.5" stroke="#333" stroke-width="2" stroke-linecap="round"/>')
    cog = []
    for i in range(8):
        a = math.radians(i * 45)
        cog.append(f'<rect x="10.3" y="1.5" width="3.4" height="5" fill="#777" transform="rotate({i * 45} 12 12)"/>')
    t["Options"] = "".join(cog) + ('<circle cx="12" cy="12" r="7.2" fill="#888" stroke="#444" stroke-width="1"/>'
                                   '<circle cx="12" cy="12" r="3" fill="#eee" stroke="#444" stroke-width="1"/>')
    for k, v in t.items():
        svg("toolbar_" + k, s, v)


def cursors():
    s = 32
    svg("cursor_select", s, '<path d="M4,2 V24 L9.5,18.5 L13.5,27.5 L17.5,25.7 L13.6,17 H21 Z" fill="#fff" stroke="#000" stroke-width="1.5" stroke-linejoin="round"/>'
        '<rect x="21" y="21" width="9" height="9" fill="none" stroke="#000" stroke-width="1.2" stroke-dasharray="2,1.5"/>')
    svg("cursor_zoom", s, '<circle cx="12" cy="12" r="8.5" fill="#fff" fill-opacity="0.6" stroke="#000" stroke-width="2.4"/>'
        '<path d="M18.2,18.2 L28,28" stroke="#000" stroke-width="4" stroke-linecap="round"/>'
        '<path d="M8,12 H16 M12,8 V16" stroke="#000" stroke-width="2"/>')
    svg("cursor_translate", s, '<path d="M16,1.5 L21,7.5 H18 V14 H24.5 V11 L30.5,16 L24.5,21 V18 H18 V24.5 H21 L16,30.5 L11,24.5 H14 V18 H7.5 V21 L1.5,16 L7.5,11 V14 H14 V7.5 H11 Z" '
        'fill="#fff" stroke="#000" stroke-width="1.4" stroke-linejoin="round"/>')
    # The edge between the view and the band below it: a bar with arrows up and down.
    svg("cursor_resize", s, '<path d="M16,1.5 L22.5,9 H18.5 V13 H29 V19 H18.5 V23 H22.5 L16,30.5 L9.5,23 H13.5 V19 H3 V13 H13.5 V9 H9.5 Z" '
        'fill="#fff" stroke="#000" stroke-width="1.4" stroke-linejoin="round"/>'
        '<path d="M5,16 H27" stroke="#000" stroke-width="1.6"/>')


def dice():
    s = 100
    for g, (shape, fill) in GEAR_DICE.items():
        svg(f"die_{g}", s, die_shape(shape, fill, s, "#000", 3))
        svg(f"dieicon_{g}", 20, die_shape(shape, fill, 20))
        svg(f"dieicon_{g}_grey", 20, die_shape(shape, "#c8c8c8", 20, "#8c8c8c"))
    svg("die_0", s, event_die(s) .replace(f'<circle cx="{s / 2}"', '<circle display="none" cx="0"'))


def banners():
    chk = "".join(f'<rect x="{x * 12}" y="{y * 12 + 252}" width="12" height="12" fill="#fff"/>'
                  for x in range(40) for y in range(2) if (x + y) % 2 == 0)
    logo_text = (f'<text x="240" y="135" font-family="{FONT}" font-size="92" font-weight="bold" font-style="italic" '
                 'text-anchor="middle" fill="#000" opacity="0.5" transform="translate(5,5)">TARMAQ</text>'
                 f'<text x="240" y="135" font-family="{FONT}" font-size="92" font-weight="bold" font-style="italic" '
                 'text-anchor="middle" fill="#f5d90a" stroke="#8a2200" stroke-width="2">TARMAQ</text>')
    road = ('<path d="M-10,230 C120,150 300,250 490,170" fill="none" stroke="#555" stroke-width="42"/>'
            '<path d="M-10,230 C120,150 300,250 490,170" fill="none" stroke="#fff" stroke-width="2" stroke-dasharray="18,14"/>')
    svg("splash", 480, '<defs><linearGradient id="sky" x1="0" y1="0" x2="0" y2="1">'
        '<stop offset="0" stop-color="#0b2158"/><stop offset="1" stop-color="#2358c8"/></linearGradient></defs>'
        '<rect width="480" height="300" fill="url(#sky)"/>' + road + logo_text +
        f'<text x="240" y="172" font-family="{FONT}" font-size="17" text-anchor="middle" fill="#fff">'
        'the dice-driven racing game</text>'
        '<rect y="252" width="480" height="24" fill="#000"/>' + chk, 300)
    svg("logo", 300, '<rect width="300" height="90" fill="#000"/>'
        f'<text x="150" y="62" font-family="{FONT}" font-size="56" font-weight="bold" font-style="italic" '
        'text-anchor="middle" fill="#f5d90a" stroke="#8a2200" stroke-width="1.5">TARMAQ</text>'
        '<path d="M20,74 H280" stroke="#e0201a" stroke-width="4"/>', 90)
    svg("results_banner", 360, '<rect width="360" height="60" fill="#000"/>'
        f'<text x="182" y="44" font-family="{FONT}" font-size="38" font-weight="bold" font-style="italic" text-anchor="middle" fill="#555">RACE RESULTS</text>'
        f'<text x="180" y="42" font-family="{FONT}" font-size="38" font-weight="bold" font-style="italic" text-anchor="middle" fill="#f2c21b">RACE RESULTS</text>', 60)
    starts = {
        "start_new": ("New Game", "NewGame"),
        "start_load": ("Load Game", "LoadGame"),
        "start_last": ("Load Last Game", "SaveGame"),
        "start_mail": ("Check E-Mail", "CheckMail"),
    }
    for name, (caption, _) in starts.items():
        svg(name, 260, '<rect x="1" y="1" width="258" height="58" rx="8" fill="#1b1b1b" stroke="#f5d90a" stroke-width="2"/>'
            f'<text x="130" y="39" font-family="{FONT}" font-size="22" font-weight="bold" text-anchor="middle" fill="#fff">{caption}</text>', 60)


def main():
    os.makedirs(OUT, exist_ok=True)
    for n, body_svg in sorted(LOG_ICONS.items()):
        svg(f"log_{n:02d}", 14, body_svg)
    for key, inner in CARD.items():
        svg("card_" + key, 14, inner)
        svg("card_Slashed" + key, 14, slashed(inner))
    svg("card_Stop", 14, stop_light(True))
    svg("card_GreyStop", 14, stop_light(False))
    toolbar_images()
    cursors()
    dice()
    banners()
    # The trophies of the results window are the log's trophy pictures, drawn large.
    with open(os.path.join(OUT, "..", "pictures.qrc"), "w", encoding="utf-8") as f:
        f.write('<!DOCTYPE RCC>\n<RCC version="1.0">\n<qresource prefix="/pictures">\n')
        for name in sorted(written):
            f.write(f'  <file alias="{name}">pictures/{name}</file>\n')
        f.write("</qresource>\n</RCC>\n")
    print(f"{len(written)} pictures")


main()
