#!/usr/bin/env python3
"""Regenerates every picture of the game under assets/ (see pipeline.py for orientation and sizes)."""
import math
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from pipeline import emit, svg_doc, render_png, preview, write_jpeg, WORK, PREVIEW, ASSETS, CONVERT  # noqa: E402


def setup_fonts():
    """@fontsource ships WOFF only; rsvg needs them as TTF through fontconfig."""
    from woff2ttf import woff_to_sfnt
    ttf = os.path.join(WORK, 'fonts')
    os.makedirs(ttf, exist_ok=True)
    base = os.path.join(HERE, 'node_modules', '@fontsource')
    for fam in sorted(os.listdir(base)):
        files = os.path.join(base, fam, 'files')
        for f in sorted(os.listdir(files)):
            if f.endswith('-normal.woff') and '-latin-' in f and '-ext-' not in f:
                with open(os.path.join(files, f), 'rb') as src, open(os.path.join(ttf, f[:-5] + '.ttf'), 'wb') as dst:
                    dst.write(woff_to_sfnt(src.read()))
    conf = os.path.join(WORK, 'fonts.conf')
    with open(conf, 'w') as f:
        f.write('<?xml version="1.0"?><!DOCTYPE fontconfig SYSTEM "fonts.dtd"><fontconfig>'
                '<include ignore_missing="yes">/etc/fonts/fonts.conf</include>'
                f'<dir>{ttf}</dir><cachedir>{WORK}/fontcache</cachedir></fontconfig>')
    os.environ['FONTCONFIG_FILE'] = conf


setup_fonts()

from layout import (SW, SH, scene_window_size, field_in_window, scene_window_px, CHEST_ZONES, FREE_ZONES,  # noqa: E402
                    text_box, screen_in_window,
                    RISK_BUTTONS, COMPASS_ZONE, FREE_ITEM_ANCHORS, BARREL_QUADS, TARGET_REST, coin_drum_window_rect,
                    scene_window_rect)
from iconlib import embed  # noqa: E402
from art import (BG, rim, ship_wheel, doubloon, bar_plank, skull_rays, galleon, GALLEON_DEFS, toucan,  # noqa: E402
                 TOUCAN_DEFS)
from props import PROP_DEFS, chest, barrel, card, target, compass_needle, compass_pin, drum_face, coin_pile  # noqa: E402
import cabinet  # noqa: E402

ALL_DEFS = PROP_DEFS + GALLEON_DEFS + TOUCAN_DEFS


def fit(body, nat_w, nat_h, scr_w, scr_h, margin=0.0):
    """Place a drawing made at nat_w x nat_h into an on-screen box of scr_w x scr_h, aspect kept, centred."""
    k = min(scr_w / nat_w, scr_h / nat_h) * (1 - margin)
    dx, dy = (scr_w - nat_w * k) / 2, (scr_h - nat_h * k) / 2
    return f'<g transform="translate({dx:.2f} {dy:.2f}) scale({k:.4f})">{body}</g>'


# ------------------------------------------------------------------ reel symbols
# a reel face is 0.655 x 0.739 scene units at depth 150: about 131 x 111 pixels on screen
FACE_W, FACE_H = 262, 222
RAY_DEF = ('<radialGradient id="rayG" cx="128" cy="128" r="130" gradientUnits="userSpaceOnUse">'
           '<stop offset="0" stop-color="#fff3a0" stop-opacity=".95"/><stop offset="1" stop-color="#ffb700" stop-opacity="0"/></radialGradient>'
           '<radialGradient id="halo" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#fff7b0" stop-opacity=".9"/>'
           '<stop offset="1" stop-color="#ffb000" stop-opacity="0"/></radialGradient>')


def icon(prefix, name, size=184, dy=0, flip=False):
    o = (256 - size) / 2
    return f'<g filter="url(#ds)">{embed(prefix, name, o, o + dy, size, flip=flip)}</g>'


def wild(phase):
    rays = skull_rays(128, 118, 150, phase)
    pulse = 0.55 + 0.45 * math.sin(phase * 2 * math.pi)
    halo = f'<circle cx="128" cy="118" r="{78 + 10 * pulse:.1f}" fill="url(#halo)" opacity="{0.55 + 0.4 * pulse:.2f}"/>'
    ribbon = ('<path d="M30,192 L226,192 L214,213 L226,236 L30,236 L42,213Z" fill="#8e1212" stroke="#2a0000" stroke-width="3"/>'
              '<text x="128" y="228" font-family="Pirata One" font-size="40" text-anchor="middle" fill="url(#gold)" '
              'stroke="#2a0000" stroke-width="5" stroke-linejoin="round" paint-order="stroke" letter-spacing="3">WILD</text>')
    return f'<g opacity=".85">{rays}</g>{halo}' + icon('noto', 'skull-and-crossbones', size=150, dy=-20) + ribbon


SYMBOLS = {
    'ostr': ('sea', lambda: icon('noto', 'desert-island')),
    'crab': ('sea', lambda: icon('noto', 'crab')),
    'del': ('sea', lambda: icon('noto', 'dolphin')),
    'shark': ('sea', lambda: icon('noto', 'shark')),
    'tuk': ('sea', lambda: f'<g filter="url(#ds)">{toucan(28, 24, 200)}</g>'),
    'rul': ('sea', lambda: f'<g filter="url(#ds)">{ship_wheel(128, 128, 104, rot=8)}</g>'),
    'coin': ('sea', lambda: f'<g filter="url(#ds)">{doubloon(128, 128, 94)}</g>'),
    'gal': ('sea', lambda: f'<g filter="url(#ds)">{galleon(24, 20, 208)}</g>'),
    'bar': ('sea', lambda: f'<g filter="url(#ds)">{bar_plank(128, 128, 214, 96)}</g>'),
    'sun': ('sea', lambda: icon('noto', 'treasure-chest', size=196)),
    'cher': ('sea', lambda: wild(0)), 'cher1': ('sea', lambda: wild(0.25)),
    'cher2': ('sea', lambda: wild(0.5)), 'cher3': ('sea', lambda: wild(0.75)),
}
# distinct tile tints so the symbols tell apart at a glance even as a blur
TINT = {'ostr': '#2bd1a0', 'crab': '#ff5a3a', 'del': '#49b6ff', 'shark': '#9fb3c8', 'tuk': '#ffb020', 'rul': '#c98a4b',
        'coin': '#ffd34a', 'gal': '#f5f0e0', 'bar': '#b06a2a', 'sun': '#ff8a00'}


def symbol_svg(name):
    bg, content = SYMBOLS[name]
    d, b = BG[bg]()
    tint = TINT.get(name[:4] if name.startswith('cher') else name)
    glow = (f'<circle cx="128" cy="128" r="112" fill="{tint}" opacity=".4" filter="url(#soft)"/>' if tint else '')
    inner = b + glow + content() + rim()
    sx, sy = FACE_W / 256, FACE_H / 256
    # background and rim fill the face; the picture inside keeps its own proportions
    k = min(sx, sy)
    body = (f'<g transform="scale({sx:.4f} {sy:.4f})">{b}{glow}{rim()}</g>'
            f'<g transform="translate({(FACE_W - 256 * k) / 2:.2f} 0) scale({k:.4f})">{content()}</g>'
            f'<g transform="scale({sx:.4f} {sy:.4f})">{rim()}</g>')
    del inner
    return body, d + RAY_DEF + '<filter id="soft"><feGaussianBlur stdDeviation="18"/></filter>'


def build_symbols():
    for name in SYMBOLS:
        body, defs = symbol_svg(name)
        emit(name + '.jpg', body, FACE_W, FACE_H, 256, 256, ALL_DEFS + defs, quality=93)


def build_reel_blur():
    """spritb1.jpg wraps the spinning cylinder: its width runs round the drum, its height along the drum,
    so each symbol is laid in turned a quarter and smeared along the width."""
    order = ['ostr', 'crab', 'bar', 'del', 'sun', 'shark', 'gal', 'tuk', 'coin', 'rul']
    w, h = 1024, 128
    parts = []
    for i, name in enumerate(order):
        png = os.path.join(PREVIEW, name + '.png')
        # screen-up on the drum face runs along the width; the reel's left end is the picture's bottom
        x0 = i * w / 10
        parts.append(f'<g transform="matrix(0 -1 -1 0 {x0 + w / 10:.1f} {h})"><image x="0" y="0" width="{h}" '
                     f'height="{w / 10:.1f}" preserveAspectRatio="none" xlink:href="preview/{name}.png"/></g>')
    body = (f'<rect width="{w}" height="{h}" fill="#06182c"/>' + ''.join(parts))
    svg = svg_doc(w, h, f'<g filter="url(#blurX)">{body}</g>',
                  '<filter id="blurX" x="0" y="0" width="100%" height="100%"><feGaussianBlur stdDeviation="22 1.5"/></filter>')
    png = render_png(svg, 'spritb1', w, h)
    preview(png, 'spritb1', w, h)
    write_jpeg(png, 'spritb1.jpg', flip=False)   # a cylinder's t runs along its length: no flip


# ------------------------------------------------------------------ props (TGA, transparent surroundings)
def prop(name, body, nat, screen, size, margin=0.0, defs=''):
    emit(name, fit(body, nat[0], nat[1], screen[0], screen[1], margin), screen[0], screen[1], size[0], size[1],
         ALL_DEFS + defs)


def build_props():
    for st, name in (('closed', 'sundukoff'), ('empty', 'sundukon_0'), ('some', 'sundukon_1'), ('full', 'sundukon_2')):
        prop(name + '.tga', chest(st), (128, 128), (160, 147), (128, 128))
    for st, name in (('closed', 'bar'), ('empty', 'bar_cr'), ('full', 'bar_gcr')):
        prop(name + '.tga', barrel(st), (128, 256), (116, 171), (128, 256))
    for k, name in (('red', 'cardsr'), ('black', 'cardsb'), ('back', 'cardsd')):
        body = card(k)
        if k == 'back':
            body += ('<text x="64" y="104" font-family="Cinzel" font-weight="900" font-size="11" text-anchor="middle" '
                     'fill="#ffe9a8" stroke="#2a0000" stroke-width="2" paint-order="stroke">RED ? BLACK</text>')
        prop(name + '.tga', body, (128, 128), (87, 117), (128, 128))
    prop('attack.tga', target(), (128, 128), (100, 90), (64, 64))
    # needle quad 11 x 7 units (88 x 42 px before the tilt): drawn pointing right, filling the picture
    emit('arrow.tga', compass_needle(88, 42), 88, 42, 128, 64, ALL_DEFS)
    prop('pipka.tga', compass_pin(), (32, 32), (24, 18), (32, 32))
    prop('br_right.tga', galleon(0, 0, 64, waves=False), (64, 64), (64, 60), (64, 64))
    prop('br_left.tga', galleon(0, 0, 64, waves=False, flip=True), (64, 64), (64, 60), (64, 64))
    prop('br_die.tga', galleon(4, 10, 60, waves=False, tilt=28, flag=False)
         + '<path d="M0,52 Q8,46 16,52 T32,52 T48,52 T64,52 L64,64 L0,64Z" fill="#1f8fbf" opacity=".9"/>',
         (64, 64), (64, 60), (64, 64))
    prop('coin.tga', doubloon(64, 64, 60), (128, 128), (18.4, 18.6), (24, 24))
    # win frame over a cell: about 129 x 90 pixels on screen
    frame = ('<rect x="4" y="4" width="121" height="82" rx="9" fill="none" stroke="#3a2400" stroke-width="8"/>'
             '<rect x="4" y="4" width="121" height="82" rx="9" fill="none" stroke="#ffe040" stroke-width="5"/>'
             '<rect x="9" y="9" width="111" height="72" rx="6" fill="none" stroke="#fff7b0" stroke-width="1.5"/>')
    emit('ramk_o.tga', frame, 129, 90, 128, 128, ALL_DEFS)


# ------------------------------------------------------------------ drums
def build_drums():
    # coin drum: faces about 242 x 128 on screen; order of the faces is the game's, labels are the multipliers
    for name, lab in (('barab_c0', 'x0'), ('barab_c1', 'x10'), ('barab_c2', 'x2'), ('barab_c5', 'x5')):
        emit(name + '.jpg', fit(drum_face(lab)[len('<defs>'):].split('</defs>', 1)[1], 256, 128, 242, 128),
             242, 128, 256, 128, ALL_DEFS + drum_face(lab).split('</defs>')[0][len('<defs>'):])
    # helm drums: ten bands round the cylinder. GLU wraps s = 1 - slice / slices round it, so s grows against the
    # turn and band k (of ten across the width) faces the player at position (1 - k) mod 10 (0 meaning 10).
    kinds = {'barab_b_o': ('noto', 'desert-island'), 'barab_b_j': ('noto', 'skull-and-crossbones'), 'barab_b_rb': None}
    for name, ic in kinds.items():
        w, h = 256, 128
        bands = []
        for k in range(10):
            p = (1 - k) % 10 or 10
            # band content in screen terms: 113 x 25.6 strip, u to the right, v upwards
            pips = ''.join(
                f'<circle cx="{30 + j * 8.2:.1f}" cy="12.8" r="3.2" fill="{"#ffd34a" if j < p else "#2a2014"}" '
                f'stroke="#000" stroke-width=".8"/>' for j in range(10))
            if ic:
                mark = embed(*ic, 3, 1.5, 22)
            else:
                mark = ('<rect x="4" y="4" width="9" height="17" rx="2" fill="#c0141c"/>'
                        '<rect x="13" y="4" width="9" height="17" rx="2" fill="#161616" stroke="#999" stroke-width=".6"/>')
            strip = (f'<rect width="128" height="25.6" fill="{"#3a1a08" if k % 2 else "#2c1306"}"/>'
                     f'<rect y="0" width="128" height="1.2" fill="#c8901a"/>{mark}{pips}'
                     f'<text x="121" y="17" font-family="Cinzel" font-weight="900" font-size="11" text-anchor="end" '
                     f'fill="#ffe9a8">{p}</text>')
            # strip (u, v-down) -> picture: u runs from the bottom edge up, screen-up runs with the width
            bands.append(f'<g transform="matrix(0 -1 -1 0 {25.6 * (k + 1):.2f} {h})"><g transform="scale(1 -1) translate(0 -25.6)">'
                         f'<svg width="128" height="25.6" viewBox="0 0 128 25.6" preserveAspectRatio="none">{strip}</svg></g></g>')
        svg = svg_doc(w, h, ''.join(bands), ALL_DEFS)
        png = render_png(svg, name, w, h)
        preview(png, name, w, h)
        write_jpeg(png, name + '.jpg', flip=False)


# ------------------------------------------------------------------ torches, flare, explosion
def build_fire():
    # torch quads are about 32 x 41 pixels; the game turns the black surround see-through (Textures.cpp)
    emit('fire0.jpg', '<rect width="32" height="41" fill="#000"/>'
         '<rect x="13" y="20" width="6" height="21" fill="#4a2a10"/><ellipse cx="16" cy="20" rx="4" ry="2.5" fill="#222"/>'
         '<path d="M16,18 Q13,12 17,7 Q19,3 16,0" stroke="#777" stroke-width="1.6" fill="none" opacity=".6"/>',
         32, 41, 64, 64)
    for k in range(1, 5):
        flame = (f'<filter id="flick{k}" x="-30%" y="-30%" width="160%" height="160%"><feTurbulence type="turbulence" '
                 f'baseFrequency="0.09 0.16" numOctaves="2" seed="{k * 3}" result="n"/>'
                 f'<feDisplacementMap in="SourceGraphic" in2="n" scale="{4 + k}" xChannelSelector="R" yChannelSelector="G"/></filter>'
                 '<radialGradient id="fglow" cx="0.5" cy="0.6" r="0.5"><stop offset="0" stop-color="#ff9a20" stop-opacity=".6"/>'
                 '<stop offset="1" stop-color="#ff5a00" stop-opacity="0"/></radialGradient>')
        body = ('<rect width="32" height="41" fill="#000"/><ellipse cx="16" cy="20" rx="16" ry="19" fill="url(#fglow)"/>'
                '<rect x="13" y="24" width="6" height="17" fill="#4a2a10"/>'
                f'<g filter="url(#flick{k})">{embed("noto", "fire", 3 + (k % 2), -1 + k % 3, 26)}</g>')
        emit(f'fire{k}.jpg', body, 32, 41, 64, 64, flame)


def build_flare():
    """27 frames: a glint sweeps over the maker's plate in the corner, then the caption alone stays.
    The quad's top left is at screen (640, 516): the caption sits centred on the plate, under its ship."""
    W, H = 200, 96   # on screen; only the left 80 % and the top 87 % of the quad are visible
    for i in range(27):
        t = i / 26
        cx, cy = 20 + 150 * min(1, t / 0.75), 44
        k = math.sin(math.pi * min(1, t / 0.75)) if t < 0.75 else 0
        cap = min(1, t / 0.35)
        body = ('<rect width="200" height="96" fill="#000"/>'
                f'<text x="101" y="70" font-family="Pirata One" font-size="21" text-anchor="middle" fill="#ffcf4a" '
                f'opacity="{0.35 + 0.65 * cap:.2f}" letter-spacing="2">Orvexa</text>'
                f'<ellipse cx="{cx:.1f}" cy="{cy}" rx="{90 * k:.1f}" ry="{2 + 3 * k:.1f}" fill="url(#fstreak)" opacity="{k:.2f}"/>'
                f'<circle cx="{cx:.1f}" cy="{cy}" r="{4 + 26 * k:.1f}" fill="url(#fcore)" opacity="{k:.2f}"/>'
                + ''.join(f'<polygon points="{cx:.1f},{cy - 1.5} {cx + 34 * k * math.cos(math.radians(a)):.1f},'
                          f'{cy + 34 * k * math.sin(math.radians(a)):.1f} {cx:.1f},{cy + 1.5}" fill="#fff6c8" opacity="{0.8 * k:.2f}"/>'
                          for a in [30 * t * 4 + j * 45 for j in range(8)]))
        defs = ('<radialGradient id="fcore"><stop offset="0" stop-color="#fff"/><stop offset="0.3" stop-color="#fff3b0" stop-opacity=".9"/>'
                '<stop offset="1" stop-color="#ff9a00" stop-opacity="0"/></radialGradient>'
                '<linearGradient id="fstreak" x1="0" y1="0" x2="1" y2="0"><stop offset="0" stop-color="#ffd27a" stop-opacity="0"/>'
                '<stop offset="0.5" stop-color="#fffbe8"/><stop offset="1" stop-color="#ffd27a" stop-opacity="0"/></linearGradient>')
        emit(f'bn{i + 1}.jpg', body, W, H, 256, 128, defs)


def build_explosion():
    """8 x 8 frames on black (drawn additively): a flash, a fireball, then smoke fading out."""
    cells = []
    for n in range(64):
        t = n / 63
        x0, y0 = (n % 8) * 64, (n // 8) * 64
        r = 6 + 26 * min(1, t / 0.35)
        heat = max(0.0, 1 - t / 0.55)
        smoke = max(0.0, min(1, (t - 0.25) / 0.3)) * max(0.0, 1 - (t - 0.55) / 0.45)
        cells.append(f'<g transform="translate({x0} {y0})"><g filter="url(#boil{n % 4})">'
                     f'<circle cx="32" cy="34" r="{r + 4:.1f}" fill="#5a3a2a" opacity="{0.6 * smoke:.2f}"/>'
                     f'<circle cx="32" cy="34" r="{r:.1f}" fill="url(#fball)" opacity="{heat:.2f}"/>'
                     f'<circle cx="32" cy="34" r="{r * 0.45:.1f}" fill="#fffbe0" opacity="{max(0, 1 - t / 0.2):.2f}"/></g></g>')
    defs = ('<radialGradient id="fball"><stop offset="0" stop-color="#fff6c0"/><stop offset="0.35" stop-color="#ffb020"/>'
            '<stop offset="0.7" stop-color="#e04010"/><stop offset="1" stop-color="#401000" stop-opacity="0"/></radialGradient>'
            + ''.join(f'<filter id="boil{s}" x="-30%" y="-30%" width="160%" height="160%"><feTurbulence type="fractalNoise" '
                      f'baseFrequency="0.08" numOctaves="2" seed="{s + 5}" result="n"/><feDisplacementMap in="SourceGraphic" '
                      f'in2="n" scale="12" xChannelSelector="R" yChannelSelector="G"/></filter>' for s in range(4)))
    body = '<rect width="512" height="512" fill="#000"/>' + ''.join(cells)
    # the frame lists read cell n at column n mod 8 and row n div 8 counted from t = 0
    emit('explot.jpg', body, 512, 512, 512, 512, defs)


# ------------------------------------------------------------------ bonus-screen backdrops (over the reel window)
def scene_bg(kind):
    w, h = scene_window_size()
    if kind == 'cave':
        return (f'<radialGradient id="sbg" cx="0.5" cy="0.55" r="0.7"><stop offset="0" stop-color="#4a3420"/>'
                f'<stop offset="0.7" stop-color="#1e130a"/><stop offset="1" stop-color="#070403"/></radialGradient>',
                f'<rect width="{w}" height="{h}" fill="url(#sbg)"/><rect width="{w}" height="{h}" fill="#fff" filter="url(#rock)" opacity=".5"/>')
    if kind == 'deck':
        planks = ''.join(f'<line x1="0" y1="{y}" x2="{w}" y2="{y}" stroke="#1c0d04" stroke-width="2"/>' for y in range(20, int(h), 26))
        return ('<linearGradient id="sbg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#1a0e06"/>'
                '<stop offset="0.55" stop-color="#4a2a12"/><stop offset="1" stop-color="#2a160a"/></linearGradient>',
                f'<rect width="{w}" height="{h}" fill="url(#sbg)"/><rect width="{w}" height="{h}" fill="#fff" filter="url(#grainS)" opacity=".5"/>{planks}')
    if kind == 'sea':
        return ('<linearGradient id="sbg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#0a1e3a"/>'
                '<stop offset="0.45" stop-color="#1d5a8a"/><stop offset="0.5" stop-color="#0f3d66"/><stop offset="1" stop-color="#04162c"/></linearGradient>',
                f'<rect width="{w}" height="{h}" fill="url(#sbg)"/>'
                + ''.join(f'<circle cx="{(37 * i) % int(w)}" cy="{(53 * i) % 150}" r="{0.6 + (i % 3) * 0.5}" fill="#fff" opacity=".7"/>' for i in range(60)))
    if kind == 'felt':
        return ('<radialGradient id="sbg" cx="0.5" cy="0.4" r="0.8"><stop offset="0" stop-color="#1f6a3a"/>'
                '<stop offset="1" stop-color="#06200f"/></radialGradient>',
                f'<rect width="{w}" height="{h}" fill="url(#sbg)"/><rect width="{w}" height="{h}" fill="#fff" filter="url(#rock)" opacity=".12"/>')
    raise ValueError(kind)


SCENE_FILTERS = ('<filter id="rock" x="0" y="0" width="100%" height="100%"><feTurbulence type="fractalNoise" baseFrequency="0.02" '
                 'numOctaves="4" seed="3"/><feColorMatrix type="matrix" values="0 0 0 0 0.3  0 0 0 0 0.2  0 0 0 0 0.1  1 0 0 0 -0.4"/>'
                 '<feComposite in2="SourceAlpha" operator="in"/></filter>'
                 '<filter id="grainS" x="0" y="0" width="100%" height="100%"><feTurbulence type="fractalNoise" baseFrequency="0.006 0.12" '
                 'numOctaves="3" seed="9"/><feColorMatrix type="matrix" values="0 0 0 0 0.35  0 0 0 0 0.2  0 0 0 0 0.08  0.9 0 0 0 -0.35"/>'
                 '<feComposite in2="SourceAlpha" operator="in"/></filter>')


def title_banner(text, w, y=8, cx=None, half=150, tall=34, size=26):
    """A red ribbon with a gold caption; cx defaults to the middle of a picture w wide."""
    cx = w / 2 if cx is None else cx
    notch = tall / 2
    return (f'<path d="M{cx - half},{y} L{cx + half},{y} L{cx + half - 12},{y + notch} L{cx + half},{y + tall} '
            f'L{cx - half},{y + tall} L{cx - half + 12},{y + notch}Z" fill="#8e1212" stroke="#2a0000" stroke-width="3"/>'
            f'<text x="{cx}" y="{y + notch + size * 0.36:.1f}" font-family="Pirata One" font-size="{size}" text-anchor="middle" '
            f'fill="url(#gold)" stroke="#2a0000" stroke-width="3" paint-order="stroke">{text}</text>')


def zone_px(z):
    x0, x1, y0, y1 = z
    l, t = field_in_window(x0, y1)
    r, b = field_in_window(x1, y0)
    return l, t, r - l, b - t


def torch_posts():
    """Wall brackets under the two torch flames (the flames are drawn by the game)."""
    out = []
    for X in (13, 85.5):
        x, y = scene_window_px(X, 58.7)
        out.append(f'<rect x="{x - 4:.1f}" y="{y - 2:.1f}" width="8" height="26" fill="#3a1e0a" stroke="#120800"/>'
                   f'<rect x="{x - 9:.1f}" y="{y + 20:.1f}" width="18" height="6" rx="2" fill="url(#iron)"/>')
    return ''.join(out)


def free_game_buoy(i):
    """Item i's buoy, where the game prints its free games after the pick (left-aligned, 0.005 high when
    chosen): a dark plate (additive gold or red reads on it) on a cork float. (left, top, width, height)."""
    x, y = FREE_ITEM_ANCHORS[i]
    l, t, tw, th = text_box(x, y, 0.005, 2)
    l, t = screen_in_window(l, t)
    return l - 7, t - 2, tw + 8, th + 4


def free_games_body(w, h):
    """Six ships at sea, each where its click zone is, moored to a numbered buoy; the title in the top right
    corner, clear of the ships' masts."""
    body = scene_bg('sea')[1] + torch_posts() + title_banner('Choose one ship', w, y=8, cx=w - 122, half=108, tall=30,
                                                             size=22)
    s = 84
    for i, z in enumerate(FREE_ZONES):
        zx, zy, zw, zh = zone_px(z)
        bx, by, bw, bh = free_game_buoy(i)
        heading_left = bx > zx + zw / 2        # the stern, with its rope, faces the buoy
        cx = zx + zw / 2
        # keep the ship (masts to waves) off the plate: a little up or down, else a rope's length aside
        def clear(t):
            return t + 0.08 * s > by + bh + 4 or t + 0.88 * s < by - 4
        tops = [zy + zh / 2 - s / 2 + d for d in (0, -6, -12, 6, 12)]
        top = next((t for t in tops if clear(t) and t >= 2), tops[0])
        if not clear(top):
            cx = min(cx, bx - s / 2 - 10) if heading_left else max(cx, bx + bw + s / 2 + 10)
        assert abs(cx - (zx + zw / 2)) < zw / 2, i     # the ship still stands over its zone
        body += f'<g filter="url(#ds)">{galleon(cx - s / 2, top, s, flip=heading_left)}</g>'
        # a mooring rope from the stern to the nearest edge of the buoy
        stern = (cx + s * 0.40, top + s * 0.62) if heading_left else (cx - s * 0.40, top + s * 0.62)
        near = (min(max(stern[0], bx - 3), bx + bw + 3), min(max(stern[1], by - 3), by + bh + 3))
        mid = ((stern[0] + near[0]) / 2, max(stern[1], near[1]) + 12)
        rope = f'M{stern[0]:.1f},{stern[1]:.1f} Q{mid[0]:.1f},{mid[1]:.1f} {near[0]:.1f},{near[1]:.1f}'
        body += (f'<path d="{rope}" fill="none" stroke="#2a1406" stroke-width="4.5" stroke-linecap="round"/>'
                 f'<path d="{rope}" fill="none" stroke="#e0bc78" stroke-width="2.5" stroke-linecap="round" stroke-dasharray="3 1.5"/>')
        body += (f'<ellipse cx="{bx + bw / 2:.1f}" cy="{by + bh - 1:.1f}" rx="{bw * 0.62:.1f}" ry="6" fill="#e8fbff" opacity=".35"/>'
                 f'<rect x="{bx - 3:.1f}" y="{by - 3:.1f}" width="{bw + 6:.1f}" height="{bh + 6:.1f}" rx="10" fill="#b8742e" '
                 f'stroke="#3a1a06" stroke-width="2"/>'
                 f'<rect x="{bx:.1f}" y="{by:.1f}" width="{bw:.1f}" height="{bh:.1f}" rx="8" fill="#04080e" stroke="url(#gold)" '
                 f'stroke-width="1.5"/>')
    return body


def build_backdrops():
    w, h = scene_window_size()
    # chests: a treasure cave; each chest stands on its lit rock ledge
    d, b = scene_bg('cave')
    ledges = ''
    for i, (X0, Y0, X1, Y1) in enumerate([(9, 26.5, 29, 51), (39, 25, 59.5, 50), (67, 25.5, 87, 50), (27, 38.5, 45, 61), (55, 42.5, 72, 64)]):
        l, t = scene_window_px(X0, Y1)
        r, bt = scene_window_px(X1, Y0)
        ledges += (f'<ellipse cx="{(l + r) / 2:.1f}" cy="{bt - 8:.1f}" rx="{(r - l) * 0.62:.1f}" ry="16" fill="#2a1a0c" stroke="#000" stroke-width="2"/>'
                   f'<ellipse cx="{(l + r) / 2:.1f}" cy="{(t + bt) / 2:.1f}" rx="{(r - l) * 0.7:.1f}" ry="{(bt - t) * 0.6:.1f}" fill="url(#spotL)"/>')
    defs = d + SCENE_FILTERS + ('<radialGradient id="spotL"><stop offset="0" stop-color="#ffd27a" stop-opacity=".35"/>'
                                '<stop offset="1" stop-color="#ffd27a" stop-opacity="0"/></radialGradient>')
    body = b + ledges + embed('game-icons', 'stalactites', 0, -40, 160, color='#120a05') + \
        embed('game-icons', 'stalactites', w - 170, -50, 170, color='#120a05') + title_banner('Choose a treasure chest', w)
    emit('bonusarea.jpg', body, w, h, 654, 325, ALL_DEFS + defs)

    # barrels on the gun deck, each on its shadow; the title sits under them, since the target cursor rests
    # at the top of the picture
    d, b = scene_bg('deck')
    shadows = ''.join(f'<ellipse cx="{x + bw / 2:.1f}" cy="{y + bh - 10:.1f}" rx="{bw * 0.55:.1f}" ry="11" fill="#000" opacity=".45"/>'
                      for x, y, bw, bh in (scene_window_rect(*q, 0) for q in BARREL_QUADS))
    lowest = max(y + bh for x, y, bw, bh in (scene_window_rect(*q, 0) for q in BARREL_QUADS))
    rest_bottom = scene_window_rect(*TARGET_REST, 0)[1] + scene_window_rect(*TARGET_REST, 0)[3]
    assert rest_bottom < lowest < h - 34
    body = b + torch_posts() + shadows + title_banner('Shoot a barrel!', w, y=h - 34, half=130, tall=30, size=22)
    emit('bar_area.jpg', body, w, h, 1024, 512, ALL_DEFS + d + SCENE_FILTERS)

    # risk: a card table with three buttons
    d, b = scene_bg('felt')
    # a slimmer ribbon at the very top, and the card-row frame kept below it so the caption stays whole
    body = b + torch_posts() + title_banner('Double or nothing', w, y=4, half=130, tall=28, size=22)
    cards_l, cards_t = scene_window_px(50 + 10 * (46.88 - 50), 50 + 10 * (51.95 - 50))
    cards_r, cards_b = scene_window_px(50 + 10 * (52.97 - 50), 50 + 10 * (50 - 50))
    top = max(cards_t - 14, 4 + 28 + 8)
    body += (f'<rect x="{cards_l - 14:.1f}" y="{top:.1f}" width="{cards_r - cards_l + 28:.1f}" height="{cards_b + 14 - top:.1f}" '
             f'rx="14" fill="#0a2a14" stroke="url(#gold)" stroke-width="3"/>')
    for key, lab, col in (('red', 'RED', '#b0141c'), ('take', 'TAKE', '#8a6a10'), ('black', 'BLACK', '#161616')):
        x, y, bw, bh = zone_px(RISK_BUTTONS[key])
        body += (f'<rect x="{x:.1f}" y="{y:.1f}" width="{bw:.1f}" height="{bh:.1f}" rx="10" fill="{col}" stroke="url(#gold)" stroke-width="3"/>'
                 f'<text x="{x + bw / 2:.1f}" y="{y + bh / 2 + 7:.1f}" font-family="Cinzel" font-weight="900" font-size="19" '
                 f'text-anchor="middle" fill="#ffe9a8" stroke="#000" stroke-width="2" paint-order="stroke">{lab}</text>')
    emit('rbarea.jpg', body, w, h, 1024, 512, ALL_DEFS + d + SCENE_FILTERS)

    emit('addarea.jpg', free_games_body(w, h), w, h, 1024, 512, ALL_DEFS + scene_bg('sea')[0] + SCENE_FILTERS)

    # coin game: a gilded frame the coin drum hangs in, round the drum as drawn (its click zone is narrower)
    d, b = scene_bg('deck')
    x, y, zw, zh = coin_drum_window_rect()
    body = (b + torch_posts() + title_banner('Spin the coin drum', w)
            + f'<rect x="{x - 30:.1f}" y="{y - 10:.1f}" width="{zw + 60:.1f}" height="{zh + 20:.1f}" rx="14" fill="#0a0604" stroke="url(#gold)" stroke-width="6"/>'
            + f'<rect x="{x - 38:.1f}" y="{y + zh / 2 - 8:.1f}" width="14" height="16" fill="url(#iron)"/>'
            + f'<rect x="{x + zw + 24:.1f}" y="{y + zh / 2 - 8:.1f}" width="14" height="16" fill="url(#iron)"/>'
            + f'<text x="{w / 2:.1f}" y="{h - 14:.1f}" font-family="Cinzel" font-weight="900" font-size="15" text-anchor="middle" '
              f'fill="#ffd34a" stroke="#000" stroke-width="2" paint-order="stroke">x0 \u2022 x2 \u2022 x5 \u2022 x10</text>')
    emit('coinarea.jpg', body, w, h, 1024, 512, ALL_DEFS + d + SCENE_FILTERS)

    import seachart
    emit('sbonarea.jpg', seachart.body(), w, h, 1024, 512, ALL_DEFS + seachart.defs())


def build_fullfield():
    emit('intfasex.jpg', cabinet.cabinet_body(), SW, SH, 1024, 1024, ALL_DEFS + cabinet.CAB_DEFS, quality=94)
    body = cabinet.helpcard_body()
    for pic in ('bar', 'tuk', 'rul', 'shark', 'del', 'crab', 'coin', 'cher', 'ostr', 'gal', 'sun'):
        body = body.replace(f'"SYM_{pic}"', f'"preview/{pic}.png"')
    # the key lines go with the picture, so the key table's check can tell a stale help page
    with open(cabinet.HELPKEYS, encoding='utf-8') as f:
        keys = f.read()
    emit('kartabet.jpg', body, SW, SH, 1024, 1024, ALL_DEFS + cabinet.CAB_DEFS, quality=94, centred_text=True,
         comment=keys)
    emit('logo.jpg', cabinet.logo_body(), SW, SH, 512, 512, ALL_DEFS + cabinet.CAB_DEFS, centred_text=True)


if __name__ == '__main__':
    steps = sys.argv[1:] or ['symbols', 'blur', 'props', 'drums', 'fire', 'flare', 'explosion', 'backdrops', 'fullfield', 'font']
    for s in steps:
        if s == 'font':
            import fontsheet
            fontsheet.build()
        else:
            globals()['build_' + {'blur': 'reel_blur'}.get(s, s)]()
        print('built', s, flush=True)
