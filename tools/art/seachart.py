"""sbonarea.jpg: the sea chart of the voyage.  Track squares sit at the ship points (backdrop units),
reefs on the squares that may sink, the compass rose under the needle at (66.9, 36)."""
import math
from layout import scene_window_px, scene_window_size, COMPASS_ZONE, field_in_window
from iconlib import embed
from props import chest

SHIP_POINTS = [(26.3, 71), (35.3, 73), (45, 70), (55, 73), (64.3, 71), (74, 69), (57, 65), (59, 56), (65, 54),
               (50, 51), (45, 37), (38, 38), (31, 39), (37, 53), (30.5, 59), (35.5, 67), (40.5, 62)]
MAY_SINK = {1, 4, 5, 7, 9, 11, 13, 15}


def defs():
    return ('<radialGradient id="pbg" cx="0.5" cy="0.45" r="0.75"><stop offset="0" stop-color="#f8ebc8"/>'
            '<stop offset="0.65" stop-color="#e6c98e"/><stop offset="1" stop-color="#a87838"/></radialGradient>'
            '<filter id="pgrain" x="0" y="0" width="100%" height="100%"><feTurbulence type="fractalNoise" baseFrequency="0.02" '
            'numOctaves="5" seed="7"/><feColorMatrix type="matrix" values="0 0 0 0 0.42  0 0 0 0 0.27  0 0 0 0 0.08  1.2 0 0 0 -0.5"/>'
            '<feComposite in2="SourceAlpha" operator="in"/></filter>'
            '<radialGradient id="pburn" cx="0.5" cy="0.5" r="0.72"><stop offset="0.72" stop-color="#4a2406" stop-opacity="0"/>'
            '<stop offset="1" stop-color="#3a1a04" stop-opacity=".85"/></radialGradient>')


def compass_rose(cx, cy, r):
    g = [f'<circle cx="{cx}" cy="{cy}" r="{r * 1.08:.1f}" fill="#f3e2b8" stroke="#5a3410" stroke-width="2.5"/>',
         f'<circle cx="{cx}" cy="{cy}" r="{r * 0.96:.1f}" fill="none" stroke="#5a3410" stroke-width="1" stroke-dasharray="2 3"/>']
    for i in range(16):
        a = math.radians(i * 22.5 - 90)
        L = r if i % 4 == 0 else r * 0.72 if i % 2 == 0 else r * 0.5
        wd = r * (0.14 if i % 4 == 0 else 0.09)
        tip = (cx + L * math.cos(a), cy + L * math.sin(a))
        le = (cx + wd * math.cos(a - math.pi / 2), cy + wd * math.sin(a - math.pi / 2))
        ri = (cx + wd * math.cos(a + math.pi / 2), cy + wd * math.sin(a + math.pi / 2))
        c1, c2 = ('#c89b3c', '#6b4512') if i % 4 == 0 else ('#e8d2a0', '#8a6a3a')
        g.append(f'<path d="M{cx:.1f},{cy:.1f} L{le[0]:.1f},{le[1]:.1f} L{tip[0]:.1f},{tip[1]:.1f}Z" fill="{c1}" stroke="#3a2006" stroke-width=".8"/>'
                 f'<path d="M{cx:.1f},{cy:.1f} L{ri[0]:.1f},{ri[1]:.1f} L{tip[0]:.1f},{tip[1]:.1f}Z" fill="{c2}" stroke="#3a2006" stroke-width=".8"/>')
    for lab, a in (('N', -90), ('E', 0), ('S', 90), ('W', 180)):
        x, y = cx + r * 1.22 * math.cos(math.radians(a)), cy + r * 1.22 * math.sin(math.radians(a)) + 5
        g.append(f'<text x="{x:.1f}" y="{y:.1f}" font-family="IM FELL English SC" font-size="15" text-anchor="middle" fill="#4a2406">{lab}</text>')
    return ''.join(g)


def body():
    w, h = scene_window_size()
    pts = [scene_window_px(*p) for p in SHIP_POINTS]
    b = [f'<rect width="{w}" height="{h}" fill="url(#pbg)"/><rect width="{w}" height="{h}" fill="#fff" filter="url(#pgrain)" opacity=".6"/>']
    b += [f'<line x1="{x}" y1="0" x2="{x}" y2="{h}" stroke="#6b4512" stroke-opacity=".18"/>' for x in range(40, int(w), 80)]
    b += [f'<line x1="0" y1="{y}" x2="{w}" y2="{y}" stroke="#6b4512" stroke-opacity=".18"/>' for y in range(40, int(h), 80)]
    b.append(embed('noto', 'desert-island', 8, 190, 60) + embed('noto', 'spouting-whale', 520, 250, 56)
             + embed('noto', 'octopus', 560, 40, 46, flip=True))
    cx, cy = scene_window_px(66.9, 36)
    b.append(compass_rose(cx, cy, 52))
    trail = 'M' + ' L'.join(f'{x:.1f},{y:.1f}' for x, y in pts)
    b.append(f'<path d="{trail}" fill="none" stroke="#7a1010" stroke-width="3" stroke-dasharray="8 6" stroke-linecap="round"/>')
    for i, (x, y) in enumerate(pts):
        if i == 0:
            b.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="13" fill="#f6e3b0" stroke="#5a3410" stroke-width="2.5"/>'
                     f'<text x="{x:.1f}" y="{y + 4:.1f}" font-family="Cinzel" font-weight="900" font-size="10" text-anchor="middle" fill="#5a3410">START</text>')
            continue
        if i == 16:
            b.append(f'<g transform="translate({x - 22:.1f} {y - 24:.1f}) scale(0.36)" filter="url(#ds)">{chest("full")}</g>')
            continue
        sink = i in MAY_SINK
        b.append(f'<rect x="{x - 13:.1f}" y="{y - 13:.1f}" width="26" height="26" rx="5" fill="{"#e9c9a0" if sink else "#f6e3b0"}" '
                 f'stroke="{"#8e1212" if sink else "#5a3410"}" stroke-width="2.5" filter="url(#dsSmall)"/>'
                 f'<text x="{x:.1f}" y="{y + 5:.1f}" font-family="Cinzel" font-weight="900" font-size="13" text-anchor="middle" fill="#5a3410">{i}</text>')
        if sink:   # jagged reef rocks beside the square
            b.append(f'<path d="M{x + 9:.1f},{y + 15:.1f} l4,-9 l3,5 l4,-8 l4,12Z" fill="#5a5048" stroke="#222" stroke-width="1"/>'
                     f'<path d="M{x + 7:.1f},{y + 16:.1f} q6,-3 12,0 q6,3 12,0" stroke="#1f8fbf" stroke-width="1.5" fill="none"/>')
    b.append(f'<path d="M{w / 2 - 140},6 L{w / 2 + 140},6 L{w / 2 + 128},22 L{w / 2 + 140},38 L{w / 2 - 140},38 L{w / 2 - 128},22Z" '
             f'fill="#8e1212" stroke="#2a0000" stroke-width="3"/><text x="{w / 2}" y="31" font-family="Pirata One" font-size="24" '
             f'text-anchor="middle" fill="url(#gold)">The Treasure Chart</text>')
    b.append(f'<rect width="{w}" height="{h}" fill="url(#pburn)"/>')
    return ''.join(b)
