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


# the needle turns in the chart's plane, which lies tilted by 30 degrees: one needle unit is 8 px across and
# 8 cos 30 / (8 / 6) = 5.2 px up the picture, so the dial is an ellipse of those proportions
UX, UY = 8.0, 6.0 * math.cos(math.radians(30))
# final needle angle (counter-clockwise from east, as the game turns it) -> squares moved
SECTORS = [(0, 40, 2), (40, 123, 1), (123, 221, 3), (221, 301, 4), (301, 360, 2)]


def dial_xy(cx, cy, R, deg):
    a = math.radians(deg)
    return cx + R * UX * math.cos(a), cy - R * UY * math.sin(a)


def compass_rose(cx, cy):
    """A plain dial: the centre stays empty parchment so the spun needle reads; the ring carries the
    sector numbers (how many squares the ship sails), the cardinal letters sit outside it."""
    r_in, r_out = 5.7, 8.2       # needle units; the needle itself reaches 5.5
    g = [f'<ellipse cx="{cx:.1f}" cy="{cy + 4:.1f}" rx="{r_out * UX + 6:.1f}" ry="{r_out * UY + 6:.1f}" fill="#3a1a04" opacity=".25"/>',
         f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{r_out * UX:.1f}" ry="{r_out * UY:.1f}" fill="#6b4512" stroke="#2a1404" stroke-width="2.5"/>']
    for i, (a0, a1, steps) in enumerate(SECTORS):
        pts = [dial_xy(cx, cy, r_out - 0.15, a) for a in range(a0, a1 + 1, 3)] + [dial_xy(cx, cy, r_out - 0.15, a1)]
        pts += [dial_xy(cx, cy, r_in, a) for a in range(a1, a0 - 1, -3)] + [dial_xy(cx, cy, r_in, a0)]
        fill = {1: '#d9b679', 2: '#f1dcaa', 3: '#c99a55', 4: '#e8c98a'}[steps]
        g.append(f'<path d="M' + ' L'.join(f'{x:.1f},{y:.1f}' for x, y in pts) + f'Z" fill="{fill}"/>')
        x0, y0 = dial_xy(cx, cy, r_in, a0)
        x1, y1 = dial_xy(cx, cy, r_out, a0)
        if a0:   # east splits one sector of 2 in two halves: no boundary there
            g.append(f'<line x1="{x0:.1f}" y1="{y0:.1f}" x2="{x1:.1f}" y2="{y1:.1f}" stroke="#2a1404" stroke-width="2"/>')
        # where the ring is widest inside each sector (the flattened ring is thin at north and south)
        mid = {(0, 40): 20, (40, 123): 68, (123, 221): 172, (221, 301): 252, (301, 360): 332}[(a0, a1)]
        x, y = dial_xy(cx, cy, (r_in + r_out) / 2, mid)
        # large enough to read at 800 x 600, with a pale halo against the ring's colours
        g.append(f'<text x="{x:.1f}" y="{y + 6:.1f}" font-family="DejaVu Sans" font-weight="bold" font-size="17" '
                 f'text-anchor="middle" fill="#6a0a04" stroke="#fff4d8" stroke-width="3" stroke-linejoin="round" '
                 f'paint-order="stroke">{steps}</text>')
    # plain centre: parchment with one faint cross so the needle is the only strong shape inside
    g.append(f'<ellipse cx="{cx:.1f}" cy="{cy:.1f}" rx="{r_in * UX:.1f}" ry="{r_in * UY:.1f}" fill="#f6ead0" stroke="#2a1404" stroke-width="2"/>')
    g.append(f'<line x1="{cx - r_in * UX + 6:.1f}" y1="{cy:.1f}" x2="{cx + r_in * UX - 6:.1f}" y2="{cy:.1f}" stroke="#8a6a3a" stroke-opacity=".35"/>'
             f'<line x1="{cx:.1f}" y1="{cy - r_in * UY + 5:.1f}" x2="{cx:.1f}" y2="{cy + r_in * UY - 5:.1f}" stroke="#8a6a3a" stroke-opacity=".35"/>')
    for lab, a in (('N', 90), ('E', 0), ('S', 270), ('W', 180)):
        x, y = dial_xy(cx, cy, r_out + 1.2, a)
        g.append(f'<text x="{x:.1f}" y="{y + 5:.1f}" font-family="IM FELL English SC" font-size="15" text-anchor="middle" '
                 f'fill="#4a2406">{lab}</text>')
    return ''.join(g)


def banner(text, cx, y, half=118, tall=30, size=22):
    return (f'<path d="M{cx - half},{y} L{cx + half},{y} L{cx + half - 11},{y + tall / 2} L{cx + half},{y + tall} '
            f'L{cx - half},{y + tall} L{cx - half + 11},{y + tall / 2}Z" fill="#8e1212" stroke="#2a0000" stroke-width="3"/>'
            f'<text x="{cx}" y="{y + tall / 2 + size * 0.36:.1f}" font-family="Pirata One" font-size="{size}" '
            f'text-anchor="middle" fill="url(#gold)" stroke="#2a0000" stroke-width="2.5" paint-order="stroke">{text}</text>')


def body():
    w, h = scene_window_size()
    pts = [scene_window_px(*p) for p in SHIP_POINTS]
    b = [f'<rect width="{w}" height="{h}" fill="url(#pbg)"/><rect width="{w}" height="{h}" fill="#fff" filter="url(#pgrain)" opacity=".6"/>']
    b += [f'<line x1="{x}" y1="0" x2="{x}" y2="{h}" stroke="#6b4512" stroke-opacity=".18"/>' for x in range(40, int(w), 80)]
    b += [f'<line x1="0" y1="{y}" x2="{w}" y2="{y}" stroke="#6b4512" stroke-opacity=".18"/>' for y in range(40, int(h), 80)]
    # sea creatures and the island keep to the corners, clear of squares, ships, torches and the dial
    b.append(embed('noto', 'desert-island', 6, 6, 54) + embed('noto', 'spouting-whale', 586, 232, 50)
             + embed('noto', 'octopus', 566, 40, 46, flip=True))
    cx, cy = scene_window_px(66.9, 36)
    b.append(compass_rose(cx, cy))
    trail = 'M' + ' L'.join(f'{x:.1f},{y:.1f}' for x, y in pts)
    b.append(f'<path d="{trail}" fill="none" stroke="#7a1010" stroke-width="3" stroke-dasharray="8 6" stroke-linecap="round"/>')
    for i, (x, y) in enumerate(pts):
        if i == 0:
            b.append(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="13" fill="#f6e3b0" stroke="#5a3410" stroke-width="2.5"/>'
                     f'<text x="{x:.1f}" y="{y + 4:.1f}" font-family="Cinzel" font-weight="900" font-size="7.5" text-anchor="middle" fill="#5a3410">START</text>')
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
    # the title sits in the open water below the lowest squares (10 to 12), left of the dial
    b.append(f'<rect width="{w}" height="{h}" fill="url(#pburn)"/>')
    b.append(banner('The Treasure Chart', 196, h - 50))
    return ''.join(b)
