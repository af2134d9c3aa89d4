# SPDX-FileCopyrightText: 2009-2026 Varnel Funktechnik GmbH
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the program's pictures: the six transmitter glyphs, the window icon and the code
# position marker. Run it from anywhere; it rewrites the .svg files beside itself.
#   python3 resources/glyphs.py
import os
OUT = os.path.dirname(os.path.abspath(__file__))

def svg(body, w=64, h=64):
    return f'<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n{body}</svg>\n'

# ---- key-fob family (1, 2, 4 keys): graphite body, silver keys, red LED, eyelet on top
FOB_DEFS = '''<defs>
  <linearGradient id="body" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#1c2026"/>
    <stop offset="0.18" stop-color="#3b424c"/>
    <stop offset="0.5" stop-color="#4e5663"/>
    <stop offset="0.82" stop-color="#353b44"/>
    <stop offset="1" stop-color="#15181d"/>
  </linearGradient>
  <linearGradient id="shine" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#ffffff" stop-opacity="0.35"/>
    <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
  </linearGradient>
  <linearGradient id="face" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#262b32"/>
    <stop offset="1" stop-color="#171a1f"/>
  </linearGradient>
  <radialGradient id="key" cx="0.38" cy="0.32" r="0.75">
    <stop offset="0" stop-color="#ffffff"/>
    <stop offset="0.45" stop-color="#c9d1db"/>
    <stop offset="1" stop-color="#6f7b89"/>
  </radialGradient>
  <radialGradient id="led" cx="0.4" cy="0.35" r="0.7">
    <stop offset="0" stop-color="#ffd0c8"/>
    <stop offset="0.4" stop-color="#ff3b22"/>
    <stop offset="1" stop-color="#8a0c00"/>
  </radialGradient>
  <linearGradient id="ring" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#f2f4f7"/>
    <stop offset="0.5" stop-color="#9aa3ad"/>
    <stop offset="1" stop-color="#5d656f"/>
  </linearGradient>
</defs>
'''

def fob(keys, led=(32, 19)):
    parts = [FOB_DEFS]
    # shadow on the ground
    parts.append('<ellipse cx="34" cy="61.3" rx="17" ry="2.2" fill="#000000" fill-opacity="0.28"/>')
    parts.append('<g transform="rotate(-14 32 36)">')
    # split ring behind the eyelet, seen through its hole
    parts.append('<circle cx="28.5" cy="5.6" r="4.6" fill="none" stroke="#4d545d" stroke-width="2.4"/>')
    parts.append('<circle cx="28.5" cy="5.6" r="4.6" fill="none" stroke="url(#ring)" stroke-width="1.5"/>')
    # eyelet tab with its hole
    parts.append('<path fill-rule="evenodd" fill="url(#body)" stroke="#0e1013" stroke-width="1" '
                 'd="M25 16 L25 9.5 A7 7 0 0 1 39 9.5 L39 16 Z M32 6.7 A2.8 2.8 0 1 0 32 12.3 A2.8 2.8 0 1 0 32 6.7 Z"/>')
    # body
    parts.append('<rect x="15.5" y="12.5" width="33" height="49" rx="13" ry="13" fill="url(#body)" stroke="#0e1013" stroke-width="1"/>')
    # inner face panel
    parts.append('<rect x="18.8" y="15.8" width="26.4" height="42.4" rx="10" ry="10" fill="url(#face)" stroke="#66707d" stroke-width="0.8"/>')
    # glossy highlight
    parts.append('<path d="M19.5 26 C19.5 18.5 24 16.3 32 16.3 C40 16.3 44.5 18.5 44.5 26 C39 23 25 23 19.5 26 Z" fill="url(#shine)"/>')
    # LED
    lx, ly = led
    parts.append(f'<circle cx="{lx}" cy="{ly}" r="2.2" fill="url(#led)" stroke="#3a0500" stroke-width="0.5"/>')
    parts.append(f'<circle cx="{lx-0.6}" cy="{ly-0.7}" r="0.65" fill="#ffffff" fill-opacity="0.9"/>')
    for (cx, cy, r) in keys:
        parts.append(f'<circle cx="{cx}" cy="{cy+0.9}" r="{r}" fill="#000000" fill-opacity="0.5"/>')
        parts.append(f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="url(#key)" stroke="#4a5563" stroke-width="0.8"/>')
        parts.append(f'<circle cx="{cx}" cy="{cy}" r="{r*0.62:.2f}" fill="none" stroke="#ffffff" stroke-opacity="0.45" stroke-width="0.7"/>')
    parts.append('</g>')
    return svg('\n'.join(parts) + '\n')

files = {
    'fb1aurel.svg': fob([(32, 39, 8.6)]),
    'fb2aurel.svg': fob([(32, 32, 6.6), (32, 48.5, 6.6)]),
    'fb4aurel.svg': fob([(26, 32.5, 5.2), (38, 32.5, 5.2), (26, 47.5, 5.2), (38, 47.5, 5.2)]),
}
for name, text in files.items():
    open(os.path.join(OUT, name), 'w').write(text)

# ---- SVS 3-key: pearl-white shield body with blue keys, green LED, hole at the top
SVS = '''<defs>
  <linearGradient id="body" x1="0" y1="0" x2="1" y2="0.25">
    <stop offset="0" stop-color="#b9c0c9"/>
    <stop offset="0.3" stop-color="#f7f9fb"/>
    <stop offset="0.6" stop-color="#e3e8ee"/>
    <stop offset="1" stop-color="#9aa3ae"/>
  </linearGradient>
  <linearGradient id="trim" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#2f6fc4"/>
    <stop offset="1" stop-color="#173f7a"/>
  </linearGradient>
  <linearGradient id="pad" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#d4dbe3"/>
    <stop offset="1" stop-color="#b3bcc7"/>
  </linearGradient>
  <radialGradient id="key" cx="0.4" cy="0.3" r="0.8">
    <stop offset="0" stop-color="#9fd0ff"/>
    <stop offset="0.45" stop-color="#2f80e0"/>
    <stop offset="1" stop-color="#123d85"/>
  </radialGradient>
  <radialGradient id="led" cx="0.4" cy="0.35" r="0.7">
    <stop offset="0" stop-color="#e4ffd8"/>
    <stop offset="0.45" stop-color="#3cdc28"/>
    <stop offset="1" stop-color="#0d6a06"/>
  </radialGradient>
  <linearGradient id="ring" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#f2f4f7"/>
    <stop offset="0.5" stop-color="#9aa3ad"/>
    <stop offset="1" stop-color="#5d656f"/>
  </linearGradient>
</defs>
'''

def svs():
    p = [SVS]
    p.append('<ellipse cx="31" cy="61.4" rx="16" ry="2.1" fill="#000000" fill-opacity="0.28"/>')
    p.append('<g transform="rotate(12 32 34)">')
    p.append('<circle cx="35" cy="7.4" r="4.7" fill="none" stroke="#4d545d" stroke-width="2.4"/>')
    p.append('<circle cx="35" cy="7.4" r="4.7" fill="none" stroke="url(#ring)" stroke-width="1.5"/>')
    shield = 'M22 6.5 H42 C50.5 6.5 54.5 12 53.3 20.5 L48.6 48 C47 57.5 40.5 61.5 32 61.5 C23.5 61.5 17 57.5 15.4 48 L10.7 20.5 C9.5 12 13.5 6.5 22 6.5 Z'
    hole = 'M32 8.6 A2.7 2.7 0 1 0 32 14 A2.7 2.7 0 1 0 32 8.6 Z'
    # blue trim visible as the rim, pearl face on top
    p.append(f'<path fill-rule="evenodd" d="{shield} {hole}" fill="url(#trim)" stroke="#0f2c58" stroke-width="1"/>')
    face = 'M22.6 9 H41.4 C48.5 9 51.6 13.5 50.6 20.6 L46.2 47.5 C44.9 55.3 39.6 58.8 32 58.8 C24.4 58.8 19.1 55.3 17.8 47.5 L13.4 20.6 C12.4 13.5 15.5 9 22.6 9 Z'
    p.append(f'<path fill-rule="evenodd" d="{face} {hole}" fill="url(#body)" stroke="#7c8692" stroke-width="0.6"/>')
    # the hole goes through the trim as well
    p.append('<circle cx="32" cy="11.3" r="2.7" fill="none" stroke="#5d6670" stroke-width="0.8"/>')
    # key well
    p.append('<path d="M32 18.5 C40.5 18.5 45.5 22 44.6 29 L42.3 44 C41.5 49.5 37.5 52 32 52 C26.5 52 22.5 49.5 21.7 44 L19.4 29 C18.5 22 23.5 18.5 32 18.5 Z" fill="url(#pad)" stroke="#8a95a2" stroke-width="0.7"/>')
    # three keys: one on top, two below
    for (cx, cy, rx, ry) in ((32, 27, 6.2, 4.6), (26.3, 40.5, 4.7, 5.4), (37.7, 40.5, 4.7, 5.4)):
        p.append(f'<ellipse cx="{cx}" cy="{cy+0.9}" rx="{rx}" ry="{ry}" fill="#0a1f40" fill-opacity="0.45"/>')
        p.append(f'<ellipse cx="{cx}" cy="{cy}" rx="{rx}" ry="{ry}" fill="url(#key)" stroke="#0e2d5e" stroke-width="0.7"/>')
        p.append(f'<ellipse cx="{cx-rx*0.25:.2f}" cy="{cy-ry*0.4:.2f}" rx="{rx*0.45:.2f}" ry="{ry*0.28:.2f}" fill="#ffffff" fill-opacity="0.55"/>')
    # LED at the tip
    p.append('<circle cx="32" cy="55.3" r="1.9" fill="url(#led)" stroke="#0b3a06" stroke-width="0.5"/>')
    p.append('<circle cx="31.5" cy="54.7" r="0.55" fill="#ffffff" fill-opacity="0.9"/>')
    p.append('</g>')
    return svg('\n'.join(p) + '\n')

# ---- programmable 1..16-key transmitters: slim remote with a 4x4 keypad
def uni(high_power):
    c0, c1, c2 = ('#1f4f96', '#3b78cc', '#143566') if not high_power else ('#3a3f47', '#5a616c', '#22262c')
    band0, band1 = ('#7fb2f0', '#3b78cc') if not high_power else ('#ffb347', '#e0610e')
    defs = f'''<defs>
  <linearGradient id="body" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="{c2}"/>
    <stop offset="0.35" stop-color="{c1}"/>
    <stop offset="0.65" stop-color="{c0}"/>
    <stop offset="1" stop-color="{c2}"/>
  </linearGradient>
  <linearGradient id="band" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="{band0}"/>
    <stop offset="1" stop-color="{band1}"/>
  </linearGradient>
  <linearGradient id="shine" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#ffffff" stop-opacity="0.4"/>
    <stop offset="1" stop-color="#ffffff" stop-opacity="0"/>
  </linearGradient>
  <linearGradient id="pad" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#15181d"/>
    <stop offset="1" stop-color="#2a2f37"/>
  </linearGradient>
  <linearGradient id="key" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#ffffff"/>
    <stop offset="0.55" stop-color="#d2d9e1"/>
    <stop offset="1" stop-color="#8d98a6"/>
  </linearGradient>
  <radialGradient id="led" cx="0.4" cy="0.35" r="0.7">
    <stop offset="0" stop-color="#ffd0c8"/>
    <stop offset="0.4" stop-color="#ff3b22"/>
    <stop offset="1" stop-color="#8a0c00"/>
  </radialGradient>
  <linearGradient id="ant" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#111316"/>
    <stop offset="0.45" stop-color="#4a4f57"/>
    <stop offset="1" stop-color="#111316"/>
  </linearGradient>
  <linearGradient id="ring" x1="0" y1="0" x2="1" y2="1">
    <stop offset="0" stop-color="#f2f4f7"/>
    <stop offset="0.5" stop-color="#9aa3ad"/>
    <stop offset="1" stop-color="#5d656f"/>
  </linearGradient>
</defs>
'''
    p = [defs]
    p.append('<ellipse cx="33" cy="61.5" rx="18" ry="2.1" fill="#000000" fill-opacity="0.28"/>')
    p.append('<g transform="rotate(-10 32 36)">')
    if high_power:
        # stub antenna on the top right
        p.append('<rect x="38.5" y="1.2" width="5.4" height="12" rx="2.7" fill="url(#ant)" stroke="#050607" stroke-width="0.7"/>')
        p.append('<rect x="37.6" y="10.5" width="7.2" height="3.6" rx="1" fill="#2b2f35" stroke="#050607" stroke-width="0.6"/>')
    # key ring through the eyelet on the top left
    p.append('<circle cx="17.2" cy="5.6" r="4.3" fill="none" stroke="#4d545d" stroke-width="2.4"/>')
    p.append('<circle cx="17.2" cy="5.6" r="4.3" fill="none" stroke="url(#ring)" stroke-width="1.5"/>')
    body = 'M22 12.5 H42 C46.4 12.5 49 15.1 49 19.5 V55.5 C49 59.4 46.4 62 42.5 62 H21.5 C17.6 62 15 59.4 15 55.5 V19.5 C15 15.1 17.6 12.5 22 12.5 Z'
    lug = 'M21.5 4.6 A5.4 5.4 0 1 1 21.49 4.6 Z M21.5 7.3 A1.9 1.9 0 1 0 21.51 7.3 Z'
    p.append(f'<path fill-rule="evenodd" d="{lug}" fill="url(#body)" stroke="#0b1526" stroke-width="0.9"/>')
    p.append(f'<path d="{body}" fill="url(#body)" stroke="#0b1526" stroke-width="1"/>')
    # coloured top band with LED
    p.append('<path d="M22 14.2 H42 C45.3 14.2 47.3 16.2 47.3 19.5 V22.5 H16.7 V19.5 C16.7 16.2 18.7 14.2 22 14.2 Z" fill="url(#band)"/>')
    p.append('<path d="M22 14.2 H42 C45.3 14.2 47.3 16.2 47.3 19.5 V21 C38 18.8 26 18.8 16.7 21 V19.5 C16.7 16.2 18.7 14.2 22 14.2 Z" fill="url(#shine)"/>')
    p.append('<circle cx="43" cy="18.4" r="1.8" fill="url(#led)" stroke="#3a0500" stroke-width="0.5"/>')
    p.append('<circle cx="42.5" cy="17.8" r="0.5" fill="#ffffff" fill-opacity="0.9"/>')
    # radio waves emblem on the band
    for r in (2.2, 4.2):
        p.append(f'<path d="M{21-r*0.707:.2f} {18.6-r*0.707:.2f} A{r} {r} 0 0 1 {21+r*0.707:.2f} {18.6-r*0.707:.2f}" fill="none" stroke="#ffffff" stroke-opacity="0.85" stroke-width="0.9" stroke-linecap="round" transform="translate(0 2.2)"/>')
    p.append('<circle cx="21" cy="20.2" r="0.8" fill="#ffffff" fill-opacity="0.85"/>')
    # keypad well and 16 keys
    p.append('<rect x="17.8" y="25" width="28.4" height="33.6" rx="4" fill="url(#pad)" stroke="#0b1526" stroke-width="0.6"/>')
    xs = [19.6 + i * 6.6 for i in range(4)]
    ys = [26.8 + j * 7.9 for j in range(4)]
    for y in ys:
        for x in xs:
            p.append(f'<rect x="{x:.1f}" y="{y+0.7:.1f}" width="5.6" height="6.4" rx="1.6" fill="#000000" fill-opacity="0.5"/>')
            p.append(f'<rect x="{x:.1f}" y="{y:.1f}" width="5.6" height="6.4" rx="1.6" fill="url(#key)" stroke="#56606c" stroke-width="0.5"/>')
    p.append('</g>')
    return svg('\n'.join(p) + '\n')

for name, text in {'fb3svs.svg': svs(), 'fb16uni.svg': uni(False), 'fb17uni.svg': uni(True)}.items():
    open(os.path.join(OUT, name), 'w').write(text)

# ---- window icon: receiver module with antenna and radio waves
ICON_DEFS = '''<defs>
  <linearGradient id="pcb" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#3fae4a"/>
    <stop offset="1" stop-color="#1c6b26"/>
  </linearGradient>
  <linearGradient id="chip" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#4a4f57"/>
    <stop offset="1" stop-color="#16181c"/>
  </linearGradient>
  <linearGradient id="gold" x1="0" y1="0" x2="0" y2="1">
    <stop offset="0" stop-color="#fff0a8"/>
    <stop offset="0.5" stop-color="#e2b437"/>
    <stop offset="1" stop-color="#9c7412"/>
  </linearGradient>
  <linearGradient id="rod" x1="0" y1="0" x2="1" y2="0">
    <stop offset="0" stop-color="#6b737d"/>
    <stop offset="0.5" stop-color="#eef1f4"/>
    <stop offset="1" stop-color="#6b737d"/>
  </linearGradient>
  <radialGradient id="tip" cx="0.35" cy="0.35" r="0.75">
    <stop offset="0" stop-color="#ffffff"/>
    <stop offset="0.5" stop-color="#c4ccd5"/>
    <stop offset="1" stop-color="#56606b"/>
  </radialGradient>
</defs>
'''

def icon():
    import math
    d = ICON_DEFS
    p = [d]
    cx, cy = 47, 12
    for r, w, op in ((6.5, 3.8, 1.0), (12.5, 3.8, 0.85)):
        for side in (1, -1):
            a0, a1 = math.radians(-50), math.radians(50)
            x0 = cx + side * r * math.cos(a0); y0 = cy + r * math.sin(a0)
            x1 = cx + side * r * math.cos(a1); y1 = cy + r * math.sin(a1)
            sweep = 1 if side == 1 else 0
            p.append(f'<path d="M{x0:.2f} {y0:.2f} A{r} {r} 0 0 {sweep} {x1:.2f} {y1:.2f}" fill="none" stroke="#ff8c00" stroke-opacity="{op}" stroke-width="{w}" stroke-linecap="round"/>')
    p.append(f'<rect x="{cx-1.6}" y="{cy}" width="3.2" height="22" rx="1" fill="url(#rod)" stroke="#3b4148" stroke-width="0.6"/>')
    p.append(f'<circle cx="{cx}" cy="{cy}" r="3.2" fill="url(#tip)" stroke="#3b4148" stroke-width="0.6"/>')
    p.append('<rect x="2.5" y="28" width="59" height="33" rx="4" fill="url(#pcb)" stroke="#0e3d14" stroke-width="1.2"/>')
    p.append('<path d="M13 36 H19 M13 55 H19 M43 40 H47 V36 M43 54 H52" fill="none" stroke="#8fe08f" stroke-opacity="0.55" stroke-width="1.2"/>')
    p.append(f'<circle cx="{cx}" cy="33.5" r="3.2" fill="url(#gold)" stroke="#7a5a0c" stroke-width="0.6"/>')
    for i in range(6):
        x = 21.5 + i * 3.6
        p.append(f'<rect x="{x:.1f}" y="33.5" width="2" height="23" fill="url(#gold)"/>')
    p.append('<rect x="18.5" y="36.5" width="24" height="17" rx="1.6" fill="url(#chip)" stroke="#050607" stroke-width="0.8"/>')
    p.append('<circle cx="21.6" cy="39.6" r="1.2" fill="#000000" fill-opacity="0.6"/>')
    for i in range(4):
        y = 33 + i * 6.6
        p.append(f'<rect x="5.5" y="{y:.1f}" width="5" height="4" rx="0.8" fill="url(#gold)" stroke="#7a5a0c" stroke-width="0.5"/>')
    p.append('<circle cx="52.5" cy="47" r="2.6" fill="#ff3b22" stroke="#6a0a00" stroke-width="0.6"/>')
    p.append('<circle cx="51.8" cy="46.2" r="0.8" fill="#ffffff" fill-opacity="0.9"/>')
    return svg('\n'.join(p) + '\n')

# ---- code position marker: a red arrow pointing up at one digit (7 px wide)
def codepos():
    p = ['<path d="M7 0.8 L13.2 10 H9.4 V23.2 H4.6 V10 H0.8 Z" fill="#e01010" stroke="#7a0000" stroke-width="1.2" stroke-linejoin="round"/>',
         '<path d="M7 3 L11 9 H8.2" fill="none" stroke="#ff9a9a" stroke-width="1"/>']
    body = '\n'.join(p) + '\n'
    return ('<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" version="1.2" baseProfile="tiny" '
            'width="7" height="12" viewBox="0 0 14 24">\n' + body + '</svg>\n')

open(os.path.join(OUT, 'icon.svg'), 'w').write(icon())
open(os.path.join(OUT, 'codepos.svg'), 'w').write(codepos())

# A title in every file says what it shows.
TITLES = {
    'fb1aurel.svg': 'Hand-held transmitter, 1 key (type 7)',
    'fb2aurel.svg': 'Hand-held transmitter, 2 keys (type 2)',
    'fb4aurel.svg': 'Hand-held transmitter, 4 keys (type 1)',
    'fb3svs.svg': 'SVS hand-held transmitter, 3 keys (type 10)',
    'fb16uni.svg': 'Programmable transmitter, 1..16 keys (type 16)',
    'fb17uni.svg': 'Programmable transmitter, 1..16 keys, high power version (type 17)',
    'icon.svg': 'Receiver module with antenna',
    'codepos.svg': 'Code position marker',
}
for name, title in TITLES.items():
    path = os.path.join(OUT, name)
    text = open(path).read()
    head, rest = text.split('>\n', 2)[0:2], text.split('>\n', 2)[2]
    open(path, 'w').write(head[0] + '>\n' + head[1] + '>\n' + f'<title>{title}</title>\n' + rest)
