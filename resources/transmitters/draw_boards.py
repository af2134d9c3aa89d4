#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the circuit boards of the hand transmitters and the pictures of their switches, solder
# bridges and keys as SVG. Each board marks where a clickable element belongs with an
# invisible rectangle whose id is the element's name; the address dialogs place the element
# there. Run: python3 draw_boards.py <output folder>
import os, sys
OUT = sys.argv[1] if len(sys.argv) > 1 else '.'
os.makedirs(OUT, exist_ok=True)

FONT = "font-family=\"DejaVu Sans, Arial, sans-serif\""
SILK = "#f4f4ec"
MASK_A, MASK_B = "#25803f", "#18592e"
TRACE = "#35984f"
PAD = "#d7dadd"
PAD_S = "#8e949a"

def svg(w, h, body, defs=""):
    return (f'<?xml version="1.0" encoding="UTF-8"?>\n'
            f'<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            f'width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
            f'<defs>{defs}</defs>\n{body}\n</svg>\n')

def write(name, text):
    with open(os.path.join(OUT, name), 'w') as f:
        f.write(text)

COMMON_DEFS = f'''
<linearGradient id="mask" x1="0" y1="0" x2="0.3" y2="1">
  <stop offset="0" stop-color="{MASK_A}"/><stop offset="1" stop-color="{MASK_B}"/></linearGradient>
<linearGradient id="dipblue" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#2a66c4"/><stop offset="1" stop-color="#16448f"/></linearGradient>
<linearGradient id="dipred" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#d23a30"/><stop offset="1" stop-color="#98231c"/></linearGradient>
<linearGradient id="dipblack" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#3a3d42"/><stop offset="1" stop-color="#1e2024"/></linearGradient>
<linearGradient id="icbody" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#34363a"/><stop offset="1" stop-color="#17181b"/></linearGradient>
<linearGradient id="metal" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#eef0f2"/><stop offset="0.5" stop-color="#b9bec4"/><stop offset="1" stop-color="#8c9299"/></linearGradient>
<radialGradient id="can" cx="0.4" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#f4f5f6"/><stop offset="0.6" stop-color="#b4b9bf"/><stop offset="1" stop-color="#7d838a"/></radialGradient>
<radialGradient id="ledred" cx="0.4" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#ff9a8a"/><stop offset="0.5" stop-color="#e0281c"/><stop offset="1" stop-color="#8a120c"/></radialGradient>
'''

def board_outline(w, h, r=18):
    return (f'<rect x="3" y="3" width="{w-6}" height="{h-6}" rx="{r}" ry="{r}" fill="url(#mask)" '
            f'stroke="#0d3b1d" stroke-width="2"/>\n'
            f'<rect x="7" y="7" width="{w-14}" height="{h-14}" rx="{r-4}" ry="{r-4}" fill="none" '
            f'stroke="#3fa35c" stroke-width="1" stroke-opacity="0.35"/>\n')

def text(x, y, s, size=9, anchor="middle", fill=SILK, weight="bold"):
    return (f'<text x="{x}" y="{y}" {FONT} font-size="{size}" font-weight="{weight}" '
            f'text-anchor="{anchor}" fill="{fill}">{s}</text>\n')

def trace(points, width=2.2, color=TRACE):
    d = "M" + " L".join(f"{x},{y}" for x, y in points)
    return (f'<path d="{d}" fill="none" stroke="{color}" stroke-width="{width}" '
            f'stroke-linecap="round" stroke-linejoin="round"/>\n')

def via(x, y):
    return (f'<circle cx="{x}" cy="{y}" r="3" fill="{PAD}" stroke="{PAD_S}" stroke-width="0.8"/>'
            f'<circle cx="{x}" cy="{y}" r="1.2" fill="#123d22"/>\n')

def pad(x, y, w, h):
    return f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="1" fill="{PAD}" stroke="{PAD_S}" stroke-width="0.7"/>\n'

def anchor(id_, x, y, w, h):
    # Invisible placement rectangle: the dialog puts the clickable element exactly here.
    return f'<rect id="{id_}" x="{x}" y="{y}" width="{w}" height="{h}" fill="#000000" fill-opacity="0" stroke="none"/>\n'

def smd(x, y, horizontal=True, body="#2a2a2a", label=None):
    # Small two-terminal SMD part (resistor/capacitor) 14 x 7.
    if horizontal:
        s = pad(x, y, 4, 7) + pad(x + 10, y, 4, 7)
        s += f'<rect x="{x+3}" y="{y+0.5}" width="8" height="6" fill="{body}"/>\n'
    else:
        s = pad(x, y, 7, 4) + pad(x, y + 10, 7, 4)
        s += f'<rect x="{x+0.5}" y="{y+3}" width="6" height="8" fill="{body}"/>\n'
    if label:
        s += text(x + (7 if horizontal else 3.5), y - 3 if horizontal else y - 3, label, 6, weight="normal")
    return s

def ic(x, y, pins_per_side, pitch=10, label="", vertical=False):
    # Dual in-line SMD package: body with gull-wing leads on the long sides.
    n = pins_per_side
    length = n * pitch + 6
    s = ""
    if not vertical:
        w, h = length, 30
        for i in range(n):
            px = x + 3 + i * pitch + pitch / 2 - 2
            s += pad(px, y - 7, 4, 8) + pad(px, y + h - 1, 4, 8)
        s += f'<rect x="{x}" y="{y}" width="{w}" height="{h}" rx="2" fill="url(#icbody)" stroke="#0b0b0c" stroke-width="1"/>\n'
        s += f'<circle cx="{x+7}" cy="{y+h-7}" r="2.4" fill="#101113" stroke="#4a4d52" stroke-width="0.6"/>\n'
        if label:
            s += text(x + w / 2, y + h / 2 + 3, label, 8, fill="#9da2a8", weight="normal")
    return s

def tact(cx, cy, size=46):
    # Tactile push button: metal frame, four leads, black round cap (the cap is drawn by the key element).
    h = size / 2
    s = ""
    for dx in (-h - 4, h - 2):
        for dy in (-h + 6, h - 12):
            s += pad(cx + dx, cy + dy, 6, 6)
    s += f'<rect x="{cx-h}" y="{cy-h}" width="{size}" height="{size}" rx="4" fill="url(#metal)" stroke="#6c7279" stroke-width="1"/>\n'
    s += f'<rect x="{cx-h+4}" y="{cy-h+4}" width="{size-8}" height="{size-8}" rx="3" fill="#20252b"/>\n'
    for dx in (-h + 7, h - 7):
        for dy in (-h + 7, h - 7):
            s += f'<circle cx="{cx+dx}" cy="{cy+dy}" r="1.6" fill="#9aa1a8"/>\n'
    return s

def saw(cx, cy):
    s = pad(cx - 11, cy + 9, 5, 6) + pad(cx + 6, cy + 9, 5, 6) + pad(cx - 2.5, cy + 11, 5, 6)
    s += f'<circle cx="{cx}" cy="{cy}" r="11" fill="url(#can)" stroke="#6f757c" stroke-width="1"/>\n'
    s += f'<circle cx="{cx}" cy="{cy}" r="7" fill="none" stroke="#8d939a" stroke-width="0.8"/>\n'
    return s

def led(cx, cy):
    s = pad(cx - 9, cy - 3, 5, 6) + pad(cx + 4, cy - 3, 5, 6)
    s += f'<circle cx="{cx}" cy="{cy}" r="6" fill="url(#ledred)" stroke="#5e0d08" stroke-width="0.8"/>\n'
    s += f'<circle cx="{cx-2}" cy="{cy-2}" r="1.6" fill="#ffffff" fill-opacity="0.7"/>\n'
    return s

def coil(x, y, turns=4):
    s = ""
    for i in range(turns):
        s += f'<ellipse cx="{x + i*6}" cy="{y}" rx="3.5" ry="7" fill="none" stroke="#c8873a" stroke-width="2"/>\n'
    return s

def dip_block(x0, y0, count, pitch=14, sw=12, sh=34, colour="dipblue", numbers=None, ids=None,
              on_label=True, designator=None, silk_numbers_below=True, designator_left=False):
    """A DIP switch housing with `count` positions. Returns (svg, list of anchor rects)."""
    w = count * pitch + 10
    h = sh + 24
    s = ""
    # pins: pads above and below
    for i in range(count):
        px = x0 + 5 + i * pitch + (sw - 5) / 2
        s += pad(px, y0 - 6, 5, 8) + pad(px, y0 + h - 2, 5, 8)
    s += (f'<rect x="{x0}" y="{y0}" width="{w}" height="{h}" rx="2.5" fill="url(#{colour})" '
          f'stroke="#0a1f44" stroke-width="1"/>\n')
    s += f'<rect x="{x0+1.5}" y="{y0+1.5}" width="{w-3}" height="3" fill="#ffffff" fill-opacity="0.18"/>\n'
    if on_label:
        s += text(x0 + 6, y0 + 10, "ON", 7.5, anchor="start", fill="#ffffff")
        s += f'<path d="M{x0+24},{y0+9} l3.5,-5 l3.5,5 z" fill="#ffffff"/>\n'
    anchors = ""
    for i in range(count):
        sx = x0 + 5 + i * pitch
        sy = y0 + 12
        label = numbers[i] if numbers else str(i + 1)
        s += text(sx + sw / 2, y0 + h - 3.5, label, 7.5, fill="#ffffff")
        if ids:
            anchors += anchor(ids[i], sx, sy, sw, sh)
    if designator and designator_left:
        s += text(x0 - 22, y0 + h / 2 + 3, designator, 8, anchor="end", weight="normal")
    elif designator:
        s += text(x0 + w + 6, y0 + h / 2 + 3, designator, 8, anchor="start", weight="normal")
    return s, anchors

def bridge_site(x, y, id_, label):
    # Outline of a solder bridge footprint on the silk; the bridge element draws the pads.
    s = (f'<rect x="{x-3}" y="{y-3}" width="38" height="19" rx="3" fill="none" stroke="{SILK}" '
         f'stroke-width="1"/>\n')
    s += text(x - 7, y + 10, label, 9, anchor="end")
    return s, anchor(id_, x, y, 32, 13)

# ---------------------------------------------------------------------------------------
# Board of the 4-key transmitter.
def board_fb4():
    W, H = 440, 262
    b = board_outline(W, H)
    a = ""
    # antenna loop along the top and right edge
    b += trace([(118, 18), (322, 18)], 4, "#3aa257")
    b += trace([(118, 18), (118, 28)], 2.2)
    b += text(124, 32, "ANT", 7, anchor="start", weight="normal")
    # keys in the four corners
    keys = {"RBlo": (62, 70), "RBro": (378, 70), "RBlu": (62, 192), "RBru": (378, 192)}
    names = {"RBlo": "S1", "RBro": "S2", "RBlu": "S3", "RBru": "S4"}
    for k, (cx, cy) in keys.items():
        b += tact(cx, cy)
        a += anchor(k, cx - 17, cy - 17, 34, 34)
        lx = cx + (30 if cx < 220 else -30)
        b += text(lx, cy - 24, names[k], 8, anchor="start" if cx < 220 else "end", weight="normal")
    # traces from the keys to the encoder
    b += trace([(90, 70), (110, 70), (110, 205), (150, 205)])
    b += trace([(90, 192), (104, 192), (104, 214), (150, 214)], 2.2)
    b += trace([(350, 70), (330, 70), (330, 205), (290, 205)])
    b += trace([(350, 192), (338, 192), (338, 214), (290, 214)])
    # fixed switches (SW2) above the address switches
    s, an = dip_block(186, 42, 4, colour="dipred", ids=["SBx1", "SBx2", "SBx3", "SBx4"],
                      designator="SW2")
    b += s; a += an
    # address switches SW1: SB1 leftmost
    ids = [f"SB{i}" for i in range(1, 11)]
    s, an = dip_block(150, 122, 10, ids=ids, designator="SW1", designator_left=True)
    b += s; a += an
    # traces from the switch pins down to the encoder
    for i in range(10):
        px = 150 + 5 + i * 14 + 6
        b += trace([(px, 186), (px, 194)], 1.6)
    # the fixed switches feed the encoder along the sides of SW1
    b += trace([(193.5, 104), (193.5, 108), (134, 108), (134, 210), (150, 210)], 1.6)
    b += trace([(207.5, 104), (207.5, 112), (140, 112), (140, 200), (150, 200)], 1.6)
    b += trace([(221.5, 104), (221.5, 112), (312, 112), (312, 200), (296, 200)], 1.6)
    b += trace([(235.5, 104), (235.5, 108), (318, 108), (318, 210), (296, 210)], 1.6)
    b += ic(150, 198, 14, pitch=10, label="ENC 12")
    b += saw(60, 132)
    b += coil(40, 238 - 10, 4)
    b += smd(300, 96, label="R1") + smd(300, 110) + smd(120, 96, label="C1") + smd(120, 110)
    b += led(388, 132)
    b += text(W - 22, H - 14, "TX-4K", 8, anchor="end", weight="normal")
    for (x, y) in [(140, 36), (300, 36), (232, 112), (96, 132), (344, 132)]:
        b += via(x, y)
    return svg(W, H, b + a, COMMON_DEFS)

# Board of the 2-key and 1-key transmitters: SB1 rightmost, bridges bottom left.
def board_fb21(keys2):
    W, H = 440, 262
    b = board_outline(W, H)
    a = ""
    b += trace([(30, 18), (410, 18)], 4, "#3aa257")
    b += text(30, 32, "ANT", 7, anchor="start", weight="normal")
    if keys2:
        keys = {"RBlo": (150, 72), "RBro": (290, 72)}
        names = {"RBlo": "S1", "RBro": "S2"}
        for k, (cx, cy) in keys.items():
            b += tact(cx, cy)
            a += anchor(k, cx - 17, cy - 17, 34, 34)
            b += text(cx, cy - 28, names[k], 8, weight="normal")
        b += trace([(173, 72), (267, 72)], 1.6)
    else:
        b += tact(220, 72)
        # the single key carries no selector: draw its cap on the board
        b += f'<circle cx="220" cy="72" r="15" fill="#1b1c1f" stroke="#000000" stroke-width="1"/>\n'
        b += f'<circle cx="216" cy="68" r="9" fill="#3a3c41" fill-opacity="0.7"/>\n'
        b += text(220, 44, "S1", 8, weight="normal")
    # address switches: SB1 rightmost, SB10 leftmost; the housing numbers follow the switches
    ids = [f"SB{i}" for i in range(10, 0, -1)]
    nums = [str(i) for i in range(10, 0, -1)]
    s, an = dip_block(150, 116, 10, ids=ids, numbers=nums, designator="SW1")
    b += s; a += an
    for i in range(10):
        px = 150 + 5 + i * 14 + 6
        b += trace([(px, 180), (px, 194)], 1.6)
    b += ic(150, 198, 14, pitch=10, label="ENC 12")
    # solder bridges
    s, an = bridge_site(54, 194, "SB11", "LB1")
    b += s; a += an
    s, an = bridge_site(54, 222, "SB12", "LB2")
    b += s; a += an
    b += trace([(89, 200.5), (110, 200.5), (110, 205), (150, 205)], 1.8)
    b += trace([(89, 228.5), (120, 228.5), (120, 214), (150, 214)], 1.8)
    b += saw(372, 140)
    b += coil(360, 220, 4)
    b += smd(330, 96, label="R1") + smd(96, 96, label="C1") + smd(96, 110)
    b += led(64, 132)
    b += text(W - 22, H - 14, "TX-2K" if keys2 else "TX-1K", 8, anchor="end", weight="normal")
    for (x, y) in [(120, 40), (320, 40), (348, 110), (120, 150)]:
        b += via(x, y)
    return svg(W, H, b + a, COMMON_DEFS)

# ---------------------------------------------------------------------------------------
# Board of the 3-key transmitter with eight three-position switches.
def board_svs():
    W, H = 300, 262
    b = board_outline(W, H, 16)
    a = ""
    x0, y0 = 124, 40          # housing
    sx = x0 + 10               # switch left edge
    pitch = 20
    hw, hh = 56, 8 * pitch + 14
    # pins left and right
    for i in range(8):
        py = y0 + 7 + i * pitch + 4
        b += pad(x0 - 7, py, 8, 5) + pad(x0 + hw - 1, py, 8, 5)
        b += trace([(x0 - 7, py + 2.5), (x0 - 30, py + 2.5)], 1.6)
        b += trace([(x0 + hw + 7, py + 2.5), (x0 + hw + 12 + i * 2, py + 2.5),
                    (x0 + hw + 12 + i * 2, 66 + i * 14), (219, 66 + i * 14)], 1.4)
    b += (f'<rect x="{x0}" y="{y0}" width="{hw}" height="{hh}" rx="3" fill="url(#dipblack)" '
          f'stroke="#0a0a0a" stroke-width="1"/>\n')
    for i in range(8):
        y = y0 + 7 + i * pitch
        a += anchor(f"SB{i+1}", sx, y, 36, 16)
        b += text(x0 - 40, y + 12, str(i + 1), 9, anchor="end")
    # position marks above the housing
    b += text(sx + 6, y0 - 6, "+", 10)
    b += text(sx + 18, y0 - 6, "0", 9)
    b += text(sx + 30, y0 - 6, "\u2013", 10)
    b += text(x0 + hw / 2, y0 + hh + 14, "SW1", 8, weight="normal")
    # encoder, resonator, antenna
    b += f'<g>{ic_vertical(226, 58, 9)}</g>\n'
    b += trace([(20, 18), (280, 18)], 4, "#3aa257")
    b += text(22, 32, "ANT", 7, anchor="start", weight="normal")
    b += saw(48, 226)
    b += coil(234, 230, 4)
    b += smd(34, 110, label="R1") + smd(34, 132) + smd(258, 210, False)
    b += led(270, 44)
    for (x, y) in [(60, 40), (100, 226), (200, 226)]:
        b += via(x, y)
    b += text(W - 20, H - 12, "TX-3T", 8, anchor="end", weight="normal")
    return svg(W, H, b + a, COMMON_DEFS)

def ic_vertical(x, y, n, pitch=14):
    h = n * pitch + 6
    s = ""
    for i in range(n):
        py = y + 3 + i * pitch + pitch / 2 - 2.5
        s += pad(x - 7, py, 8, 5) + pad(x + 29, py, 8, 5)
    s += f'<rect x="{x}" y="{y}" width="30" height="{h}" rx="2" fill="url(#icbody)" stroke="#0b0b0c" stroke-width="1"/>\n'
    s += f'<circle cx="{x+7}" cy="{y+7}" r="2.4" fill="#101113" stroke="#4a4d52" stroke-width="0.6"/>\n'
    return s

# The 3-key hand transmitter itself, keys upper, middle, lower (the key elements draw the caps).
def sender_svs():
    W, H = 150, 262
    defs = COMMON_DEFS + '''
<linearGradient id="trim" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#2f6fc4"/><stop offset="1" stop-color="#173f7a"/></linearGradient>
<linearGradient id="body" x1="0" y1="0" x2="1" y2="0.2">
  <stop offset="0" stop-color="#b9c0c9"/><stop offset="0.3" stop-color="#f7f9fb"/>
  <stop offset="0.6" stop-color="#e3e8ee"/><stop offset="1" stop-color="#9aa3ae"/></linearGradient>
<linearGradient id="padarea" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#d4dbe3"/><stop offset="1" stop-color="#b3bcc7"/></linearGradient>
<radialGradient id="ledgreen" cx="0.4" cy="0.35" r="0.7">
  <stop offset="0" stop-color="#e4ffd8"/><stop offset="0.45" stop-color="#3cdc28"/><stop offset="1" stop-color="#0d6a06"/></radialGradient>
<linearGradient id="ring" x1="0" y1="0" x2="1" y2="1">
  <stop offset="0" stop-color="#f2f4f7"/><stop offset="0.5" stop-color="#9aa3ad"/><stop offset="1" stop-color="#5d656f"/></linearGradient>
'''
    b = ""
    b += '<ellipse cx="75" cy="254" rx="48" ry="5" fill="#000000" fill-opacity="0.18"/>\n'
    # key ring
    b += '<circle cx="75" cy="20" r="13" fill="none" stroke="#4d545d" stroke-width="5"/>\n'
    b += '<circle cx="75" cy="20" r="13" fill="none" stroke="url(#ring)" stroke-width="3"/>\n'
    # housing: blue trim, silver face
    b += ('<path d="M40,26 H110 C132,26 140,40 138,62 L130,210 C128,238 108,250 75,250 '
          'C42,250 22,238 20,210 L12,62 C10,40 18,26 40,26 Z" fill="url(#trim)" stroke="#0f2c58" stroke-width="1.5"/>\n')
    b += ('<path d="M42,32 H108 C127,32 133,44 131,63 L123.5,208 C121.5,232 104,243 75,243 '
          'C46,243 28.5,232 26.5,208 L19,63 C17,44 23,32 42,32 Z" fill="url(#body)" stroke="#7c8692" stroke-width="1"/>\n')
    b += '<circle cx="75" cy="42" r="6" fill="none" stroke="#5d6670" stroke-width="1.5"/>\n'
    # key area
    b += ('<path d="M75,62 C104,62 114,70 112,90 L106,196 C104,214 92,222 75,222 '
          'C58,222 46,214 44,196 L38,90 C36,70 46,62 75,62 Z" fill="url(#padarea)" stroke="#8a95a2" stroke-width="1.2"/>\n')
    keys = [("CBO", 96), ("CBM", 146), ("CBU", 196)]
    for i, (k, cy) in enumerate(keys):
        b += f'<circle cx="75" cy="{cy+1.5}" r="20" fill="#0a1f40" fill-opacity="0.25"/>\n'
        b += text(120, cy + 4, "I" * (i + 1), 9, fill="#3b4a5c")
        b += anchor(k, 75 - 17, cy - 17, 34, 34)
    # green LED at the bottom
    b += '<circle cx="75" cy="232" r="4.5" fill="url(#ledgreen)" stroke="#0b3a06" stroke-width="0.8"/>\n'
    b += '<circle cx="73.8" cy="230.8" r="1.3" fill="#ffffff" fill-opacity="0.9"/>\n'
    return svg(W, H, b, defs)

# ---------------------------------------------------------------------------------------
# Element templates.
def dip_switch(up):
    W, H = 12, 34
    defs = '''
<linearGradient id="slider" x1="0" y1="0" x2="1" y2="0">
  <stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#cfd3d8"/></linearGradient>'''
    b = '<rect x="0.5" y="0.5" width="11" height="33" rx="1.5" fill="#0b1c36" stroke="#061024" stroke-width="1"/>\n'
    y = 2 if up else 17
    b += f'<rect x="1.8" y="{y}" width="8.4" height="15" rx="1.2" fill="url(#slider)" stroke="#8a9099" stroke-width="0.6"/>\n'
    for k in range(3):
        b += f'<line x1="3" y1="{y+4+k*3.5}" x2="9" y2="{y+4+k*3.5}" stroke="#9aa0a8" stroke-width="0.8"/>\n'
    return svg(W, H, b, defs)

def bridge(closed):
    W, H = 32, 13
    b = ""
    for x in (1, 19):
        b += f'<rect x="{x}" y="1" width="12" height="11" rx="1.5" fill="#dcb65a" stroke="#8f6e22" stroke-width="0.8"/>\n'
    if closed:
        b += ('<rect x="3" y="1.5" width="26" height="10" rx="5" fill="#c9ced3" stroke="#7e858c" stroke-width="0.8"/>\n'
              '<rect x="7" y="3" width="15" height="3" rx="1.5" fill="#ffffff" fill-opacity="0.75"/>\n')
    return svg(W, H, b)

def svs_switch(pos):
    W, H = 36, 16
    defs = '''
<linearGradient id="knob" x1="0" y1="0" x2="0" y2="1">
  <stop offset="0" stop-color="#ffffff"/><stop offset="1" stop-color="#c9cdd3"/></linearGradient>'''
    b = '<rect x="0.5" y="0.5" width="35" height="15" rx="2" fill="#0d0e10" stroke="#000000" stroke-width="1"/>\n'
    for x in (6, 18, 30):
        b += f'<circle cx="{x}" cy="8" r="1.2" fill="#4b5057"/>\n'
    kx = {"left": 1.5, "middle": 12, "right": 22.5}[pos]
    b += f'<rect x="{kx}" y="1.8" width="12" height="12.4" rx="1.6" fill="url(#knob)" stroke="#7d838b" stroke-width="0.6"/>\n'
    for k in range(3):
        b += f'<line x1="{kx+3.5+k*2.5}" y1="4.5" x2="{kx+3.5+k*2.5}" y2="11.5" stroke="#9aa0a8" stroke-width="0.7"/>\n'
    return svg(W, H, b, defs)

def key(pressed, blue=False):
    W, H = 34, 34
    if blue:
        c0, c1, c2 = ('#6fb0f0', '#1f63b8', '#0e3470') if pressed else ('#9fd0ff', '#2f80e0', '#123d85')
    else:
        c0, c1, c2 = ('#3c3f45', '#15171a', '#0b0c0e') if pressed else ('#5a5e66', '#24262b', '#0b0c0e')
    defs = f'''
<radialGradient id="cap" cx="0.38" cy="0.32" r="0.75">
  <stop offset="0" stop-color="{c0}"/><stop offset="0.7" stop-color="{c1}"/><stop offset="1" stop-color="{c2}"/></radialGradient>'''
    b = ""
    if pressed:
        b += '<circle cx="17" cy="17" r="16" fill="#ffb300" fill-opacity="0.35"/>\n'
        b += '<circle cx="17" cy="17" r="15.2" fill="none" stroke="#ffb300" stroke-width="2.2"/>\n'
        b += '<circle cx="17" cy="17" r="12.5" fill="url(#cap)" stroke="#000000" stroke-width="0.8"/>\n'
        b += '<path d="M11,17.5 L15.5,22 L23.5,12.5" fill="none" stroke="#ffc53d" stroke-width="2.6" stroke-linecap="round" stroke-linejoin="round"/>\n'
    else:
        b += '<circle cx="17" cy="17" r="14.5" fill="url(#cap)" stroke="#000000" stroke-width="0.8"/>\n'
        b += '<circle cx="17" cy="17" r="10" fill="none" stroke="#6b7079" stroke-width="0.8" stroke-opacity="0.6"/>\n'
    return svg(W, H, b, defs)

write("board-fb4.svg", board_fb4())
write("board-fb2.svg", board_fb21(True))
write("board-fb1.svg", board_fb21(False))
write("board-svs.svg", board_svs())
write("sender-svs.svg", sender_svs())
write("dip-up.svg", dip_switch(True))
write("dip-down.svg", dip_switch(False))
write("bridge-open.svg", bridge(False))
write("bridge-closed.svg", bridge(True))
for p in ("left", "middle", "right"):
    write(f"svs-{p}.svg", svs_switch(p))
write("key.svg", key(False))
write("key-pressed.svg", key(True))
write("svs-key.svg", key(False, True))
write("svs-key-pressed.svg", key(True, True))
