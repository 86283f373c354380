"""The three full-field pictures: cabinet (intfasex.jpg), help page (kartabet.jpg), opening picture (logo.jpg).
Drawn in 800 x 600 screen pixels from the game's own coordinates (layout.py)."""
import os
import re
import subprocess

from layout import (SW, SH, field_rect, text_box, bd_px, PANEL_VALUES, STATUS, LINE_BET_ANCHORS, LINE_BUTTONS,
                    BET_BUTTONS, ZONES, LINE_COLOURS, hexcol, helm_rect, coin_slot_rect, REEL_WINDOW, HELP_LINK)
from iconlib import embed
from pipeline import CONVERT
from art import doubloon, ship_wheel, galleon

TITLE = 'Pirata One'
LABEL = 'Cinzel'

CAB_DEFS = '''
<radialGradient id="cabBg" cx="0.5" cy="0.45" r="0.75"><stop offset="0" stop-color="#1d4a72"/>
  <stop offset="0.6" stop-color="#0d2744"/><stop offset="1" stop-color="#050f1e"/></radialGradient>
<linearGradient id="wood" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#5a3219"/>
  <stop offset="0.5" stop-color="#3b1e0c"/><stop offset="1" stop-color="#220f05"/></linearGradient>
<filter id="grainF" x="0" y="0" width="100%" height="100%">
  <feTurbulence type="fractalNoise" baseFrequency="0.004 0.09" numOctaves="3" seed="11"/>
  <feColorMatrix type="matrix" values="0 0 0 0 0.35  0 0 0 0 0.2  0 0 0 0 0.08  0.9 0 0 0 -0.35"/>
  <feComposite in2="SourceAlpha" operator="in"/></filter>
<linearGradient id="glass" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#16202c"/>
  <stop offset="0.5" stop-color="#05090e"/><stop offset="1" stop-color="#0b121a"/></linearGradient>
<linearGradient id="reelBg" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#02060c"/>
  <stop offset="0.5" stop-color="#0b1e33"/><stop offset="1" stop-color="#02060c"/></linearGradient>
<linearGradient id="btn" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#8a1c12"/>
  <stop offset="1" stop-color="#3c0804"/></linearGradient>
<linearGradient id="plate" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#2a1a0c"/>
  <stop offset="1" stop-color="#0c0703"/></linearGradient>
<linearGradient id="rope" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#e0c48a"/>
  <stop offset="1" stop-color="#7a5a2a"/></linearGradient>
'''


def rect(x, y, w, h, rx=0, **kw):
    extra = ' '.join(f'{k.replace("_", "-")}="{v}"' for k, v in kw.items())
    return f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" rx="{rx}" {extra}/>'


def text(x, y, s, size, font=LABEL, fill='url(#gold)', anchor='middle', weight='700', stroke='#1a0c00', sw=2.5, extra=''):
    esc = s.replace('&', '&amp;').replace('<', '&lt;')
    return (f'<text x="{x:.1f}" y="{y:.1f}" font-family="{font}" font-weight="{weight}" font-size="{size}" '
            f'text-anchor="{anchor}" fill="{fill}" stroke="{stroke}" stroke-width="{sw}" stroke-linejoin="round" '
            f'paint-order="stroke" {extra}>{esc}</text>')


def gold_frame(x, y, w, h, rx=8, width=3.5):
    return (rect(x - 1, y - 1, w + 2, h + 2, rx + 1, fill='none', stroke='#1a0d02', stroke_width=width + 2.5)
            + rect(x, y, w, h, rx, fill='none', stroke='url(#gold)', stroke_width=width))


def display(x, y, w, h, rx=6):
    """A black glass window for numbers the game prints (additive gold reads well on black)."""
    return (rect(x, y, w, h, rx, fill='url(#glass)') + gold_frame(x, y, w, h, rx, 2.5)
            + rect(x + 3, y + 3, w - 6, (h - 6) * 0.4, rx - 2, fill='#fff', fill_opacity='.05'))


def padded(box, px=6, py=4):
    x, y, w, h = box
    return x - px, y - py, w + 2 * px, h + 2 * py


def cabinet_body():
    g = [rect(0, 0, SW, SH, fill='url(#cabBg)')]
    # wooden frame bands top and bottom with grain, brass rivets
    for y0, y1 in ((0, 130), (466, 600)):
        g.append(rect(0, y0, SW, y1 - y0, fill='url(#wood)') + rect(0, y0, SW, y1 - y0, fill='#fff', filter='url(#grainF)', opacity='.55'))
    g.append(rect(0, 0, SW, SH, fill='none', stroke='url(#gold)', stroke_width=5))
    # reel window (the reels and paylines are drawn over it)
    x0, y0 = bd_px(REEL_WINDOW[0], REEL_WINDOW[3])
    x1, y1 = bd_px(REEL_WINDOW[2], REEL_WINDOW[1])
    g.append(rect(x0 - 12, y0 - 8, x1 - x0 + 24, y1 - y0 + 16, 14, fill='#1a0d04', stroke='#000', stroke_width=2))
    g.append(rect(x0, y0, x1 - x0, y1 - y0, 6, fill='url(#reelBg)'))
    g.append(gold_frame(x0 - 5, y0 - 4, x1 - x0 + 10, y1 - y0 + 8, 10, 5))
    for k in range(4):  # shadows between the drums
        xs = [197.9, 330.2, 461.7, 592.2][k]
        g.append(rect(xs - 1.5, y0 + 2, 3, y1 - y0 - 4, fill='#000', opacity='.7'))
    # rope along both sides of the reel window
    for xs in (63, 723):
        g.append(f'<line x1="{xs}" y1="{y0}" x2="{xs}" y2="{y1}" stroke="url(#rope)" stroke-width="3" stroke-dasharray="5 2"/>')

    # --- top bar: window buttons
    icons = {'help': '?', 'statistics': '', 'options': '', 'minimise': '_', 'maximise': '\u25a1', 'exit': '\u00d7',
             'minimise left': '_'}
    for name, glyph in icons.items():
        x, y, w, h = field_rect(*ZONES[name])
        g.append(rect(x, y, w, h, 4, fill='url(#btn)', stroke='url(#gold)', stroke_width=1.5))
        fs = 13 if h < 20 else 20
        if glyph:
            g.append(text(x + w / 2, y + h / 2 + fs * 0.36, glyph, fs, font='DejaVu Sans', fill='#ffe9a8', sw=0))
    # statistics and options get little drawings instead of letters
    x, y, w, h = field_rect(*ZONES['statistics'])
    g.append(''.join(rect(x + 4 + i * 4.5, y + h - 3 - hh, 3, hh, fill='#ffe9a8') for i, hh in enumerate((5, 9, 7))))
    x, y, w, h = field_rect(*ZONES['options'])
    g.append(f'<g transform="translate({x + w / 2:.1f} {y + h / 2:.1f})">'
             + ''.join(f'<rect x="-1.3" y="-6" width="2.6" height="12" fill="#ffe9a8" transform="rotate({a})"/>' for a in (0, 45, 90, 135))
             + '<circle r="3.8" fill="#ffe9a8"/><circle r="1.6" fill="#5a0e08"/></g>')

    # --- logo plate, top left
    g.append(text(104, 112, 'VORTALA', 34, font=TITLE, weight='400', stroke='#2a0000', sw=6))
    g.append(text(104, 124, 'ORVEXA', 8, fill='#e8d49a', sw=0, extra='letter-spacing="4"'))
    # --- jackpot
    jx, jy, jw, jh = padded(text_box(*PANEL_VALUES['jackpot'][:4]), 8, 4)
    g.append(display(jx, jy, jw, jh))
    # the coin badge follows the label, well right of the minimise button in the corner
    g.append(text(jx + jw / 2 + 2, jy - 5, 'JACKPOT', 14, fill='#ffd34a'))
    g.append(f'<g filter="url(#dsSmall)">{doubloon(jx + jw / 2 + 54, jy - 10, 8)}</g>')
    # --- credit = coin slot zone
    cx, cy, cw, ch = field_rect(*ZONES['coin slot'])
    tx, ty, tw, th = padded(text_box(*PANEL_VALUES['credit'][:4]), 8, 4)
    g.append(rect(cx, cy - 2, cw, ch + 8, 10, fill='url(#plate)', stroke='#000', stroke_width=1.5))
    g.append(gold_frame(cx, cy - 2, cw, ch + 8, 10, 2))
    g.append(display(tx, ty, tw, th))
    g.append(text(cx + 12, cy + 14, 'CREDIT', 14, anchor='start', fill='#ffd34a'))
    # the coin slot itself
    g.append(rect(cx + cw - 62, cy + 5, 46, 11, 5, fill='#050505', stroke='url(#gold)', stroke_width=2))
    g.append(rect(cx + cw - 56, cy + 9.5, 34, 2, 1, fill='#6b5a2a'))
    g.append(text(cx + cw - 39, cy + 25, 'INSERT', 8.5, fill='#f0dca0', sw=0, extra='letter-spacing="0.5"'))
    # --- total bet = stake zone
    sx, sy, sw_, sh_ = field_rect(*ZONES['stake'])
    sy, sh_ = 28, 62
    tx, ty, tw, th = padded(text_box(*PANEL_VALUES['bet'][:4]), 8, 4)
    g.append(rect(sx, sy, sw_, sh_, 10, fill='url(#plate)', stroke='#000', stroke_width=1.5))
    g.append(gold_frame(sx, sy, sw_, sh_, 10, 2))
    g.append(display(tx, ty, tw, th))
    g.append(text(sx + 12, sy + 16, 'TOTAL BET', 14, anchor='start', fill='#ffd34a'))
    # the whole plate is one stake control: a left click raises every line, a right click lowers them, so it
    # carries one rocker, + over -, each half with the mouse button that works it
    rx_, ry_, rw_, rh_ = tx + tw + 9, sy + 7, 26, sh_ - 14
    g.append(rect(rx_, ry_, rw_, rh_, 12, fill='url(#btn)', stroke='url(#gold)', stroke_width=1.8))
    g.append(f'<line x1="{rx_ + 4:.1f}" y1="{ry_ + rh_ / 2:.1f}" x2="{rx_ + rw_ - 4:.1f}" y2="{ry_ + rh_ / 2:.1f}" '
             f'stroke="#1a0402" stroke-width="2"/>')
    g.append(text(rx_ + rw_ / 2, ry_ + rh_ / 4 + 6.5, '+', 19, font='DejaVu Sans', weight='bold', fill='#ffe9a8', sw=0))
    g.append(text(rx_ + rw_ / 2, ry_ + rh_ * 3 / 4 + 6.5, '\u2212', 19, font='DejaVu Sans', weight='bold', fill='#ffe9a8', sw=0))
    for half, button_x in ((0, 0), (1, 5)):   # a small mouse beside each half: left button, then right button
        mx, my = rx_ + rw_ + 5, ry_ + rh_ / 4 - 7 + half * rh_ / 2
        g.append(rect(mx, my, 10, 14, 5, fill='#2a1a0c', stroke='#e8d49a', stroke_width=1.2))
        g.append(rect(mx + button_x, my, 5, 6, 2, fill='#ffd34a'))
        g.append(f'<line x1="{mx + 5:.1f}" y1="{my:.1f}" x2="{mx + 5:.1f}" y2="{my + 6:.1f}" stroke="#e8d49a" stroke-width="1"/>')
    # --- win and free games
    wx, wy, ww, wh = padded(text_box(*PANEL_VALUES['win'][:4]), 8, 4)
    fx, fy, fw, fh = padded(text_box(*PANEL_VALUES['free'][:4]), 3, 4)
    g.append(display(wx, wy, fx - 2 - wx, wh))   # ends where the free-games window starts
    g.append(text(wx + 30, wy - 5, 'WIN', 14, fill='#ffd34a'))
    g.append(display(fx + 2, fy, fw, fh))
    g.append(text(fx + 2 + fw / 2, fy - 5, 'FREE', 10, fill='#7dff8a', stroke='#002a08'))
    # --- coin pile with its five coin slots
    px_, py_, pw_, ph_ = padded(text_box(*PANEL_VALUES['pile'][:4]), 5, 3)
    l5 = coin_slot_rect(5)
    g.append(display(px_, py_, l5[0] + l5[2] + 6 - px_, ph_ + 2))
    for m in range(1, 6):
        x, y, w, h = coin_slot_rect(m)
        g.append(f'<circle cx="{x + w / 2:.1f}" cy="{y + h / 2:.1f}" r="{w / 2 + 0.5:.1f}" fill="#020202" stroke="url(#gold)" stroke-width="1.6"/>')
        g.append(f'<circle cx="{x + w / 2:.1f}" cy="{y + h / 2:.1f}" r="{w / 2 - 3:.1f}" fill="none" stroke="#5a4a1a" stroke-width="1" stroke-dasharray="2 2"/>')
    # named underneath, like LINES and BETS, away from the stake plate's hints
    g.append(text(px_ + 6, py_ + ph_ + 13, 'COIN PILE', 10, anchor='start', fill='#ffd34a'))
    # --- status line
    sx, sy, sw_, sh_ = padded(text_box(*STATUS[:4]), 8, 3)
    g.append(rect(sx, sy, sw_, sh_, sh_ / 2, fill='#030303', stroke='url(#gold)', stroke_width=1.5))

    # --- line markers (left) and bet plates (right)
    for i in range(15):
        col = LINE_COLOURS[i]
        x, y, w, h = field_rect(*LINE_BUTTONS[i])
        g.append(rect(x, y, w, h, 5, fill=hexcol(col, 0.05), stroke='#120800', stroke_width=1.5))
        g.append(rect(x + 1.5, y + 1.5, w - 3, h * 0.4, 3, fill='#fff', fill_opacity='.28'))
        g.append(rect(x, y, w, h, 5, fill='none', stroke='url(#gold)', stroke_width=1.2))
        g.append(text(x + w / 2, y + h / 2 + 5, str(i + 1), 14 if i < 9 else 12, font='DejaVu Sans', weight='bold',
                      fill='#ffffff', stroke='#000', sw=3))
        bx, by, bw, bh = field_rect(*BET_BUTTONS[i])
        tx, ty, tw, th = text_box(*LINE_BET_ANCHORS[i], 0.004, 2)
        left = min(bx, tx) - 2 if i < 9 else bx - 6
        right = bx + bw if i < 9 else min(bx + bw, 798)
        top, bot = min(by, ty) - 1, max(by + bh, ty + th) + 1
        g.append(rect(left, top, right - left, bot - top, 5, fill='#050505', stroke='url(#gold)', stroke_width=1.3))
        g.append(rect(right - 4, top + 3, 2.5, bot - top - 6, 1, fill=hexcol(col, 0.1)))
    g.append(text(42, 130, 'LINES', 11, fill='#ffd34a'))
    g.append(text(759, 130, 'BETS', 11, fill='#ffd34a'))
    # all-lines and max-bet buttons
    for name, lab in (('all lines (F5)', 'ALL'), ('max bet', 'MAX')):
        x, y, w, h = field_rect(*ZONES[name])
        g.append(rect(x, y, w, h, 6, fill='url(#btn)', stroke='url(#gold)', stroke_width=2))
        g.append(text(x + w / 2, y + h / 2 + 4.5, lab, 12, fill='#ffe9a8', sw=2))

    # --- helm boxes
    labels = [('ISLANDS', ('noto', 'desert-island')), ('JOKERS', ('noto', 'skull-and-crossbones')), ('RED / BLACK', None)]
    for hnum in range(3):
        x, y, w, h = helm_rect(hnum)
        bx, by, bw, bh = x - 14, 463, w + 28, 134
        g.append(rect(bx, by, bw, bh, 12, fill='#0a0604', stroke='#000', stroke_width=2))
        g.append(gold_frame(bx, by, bw, bh, 12, 3))
        name, icon = labels[hnum]
        # the mark clear of the frame's rounded corner, the name a little apart from it
        g.append(text(bx + 34, by + 16, name, 12, anchor='start', fill='#ffd34a'))
        tx, ty, tw, th = padded(text_box(*PANEL_VALUES[f'bank{hnum}'][:4]), 5, 2)
        g.append(display(tx, ty, tw, th, 4))
        g.append(rect(x - 4, y + 2, w + 8, h - 4, 6, fill='#000', stroke='#3a2a0a', stroke_width=2))
        if icon:
            g.append(embed(*icon, bx + 11, by + 2, 16))
        else:
            g.append(f'<rect x="{bx + 12}" y="{by + 4}" width="8" height="11" rx="1.5" fill="#c0141c" stroke="#2a0000" stroke-width=".6"/>'
                     f'<rect x="{bx + 18}" y="{by + 6}" width="8" height="11" rx="1.5" fill="#111" stroke="#bbb" stroke-width=".8"/>')
    # between the boxes: helm wheels as ornament
    for cxw in (279, 515):
        g.append(f'<g opacity=".9" filter="url(#dsSmall)">{ship_wheel(cxw, 532, 38, rot=12)}</g>')
    # maker emblem in the options zone (the flare sweeps over it)
    x, y, w, h = field_rect(*ZONES['options zone'])
    g.append(rect(x, y + 4, w, h - 10, 10, fill='#0a0604', stroke='url(#gold)', stroke_width=2))
    # the flare prints the maker's caption under the ship (bn*.jpg), so no painted name here
    g.append(f'<g filter="url(#dsSmall)">{galleon(x + w / 2 - 13, y + 5, 26, waves=False)}</g>')
    return ''.join(g)


HELPKEYS = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'helpkeys.tsv')


def helpkeys():
    """The help page's key lines as the game's key table gives them (tools/keys writes the file)."""
    with open(HELPKEYS, encoding='utf-8') as f:
        return [tuple(line.rstrip('\n').split('\t', 1)) for line in f if line.strip()]


def card_text(s, is_key):
    """Typography for the page: arrows for the arrow keys, minus signs and ranges."""
    if is_key:
        s = s.replace('Left', '\u2190').replace('Right', '\u2192').replace('Down', '\u2193')
    s = re.sub(r'(?<=\d)-(?=\d)', '\u2013', s)
    return re.sub(r'(?<![A-Za-z])-', '\u2212', s)


def key_width(key):
    """Width of a key name in bold 12 px DejaVu Sans, measured on a one-line drawing of it (the
    page itself is drawn stretched, which would not tell the width as laid out)."""
    s = card_text(key, True).replace('&', '&amp;').replace('<', '&lt;')
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" width="400" height="20"><rect width="400" height="20" fill="#fff"/>'
           f'<text x="0" y="15" font-family="DejaVu Sans" font-weight="bold" font-size="12" xml:space="preserve">'
           f'{s}</text></svg>')
    png = subprocess.run(['rsvg-convert', '-f', 'png'], input=svg.encode(), check=True, capture_output=True).stdout
    out = subprocess.run([CONVERT, 'png:-', '-trim', '-format', '%w %X', 'info:'], input=png, check=True,
                         capture_output=True).stdout.split()
    return int(out[0]) + int(out[1].decode().lstrip('+'))


def help_key_places(entries, x0, y0, right, slots=3, step=14, lines=8):
    """(x, y, key, action) for each entry: an entry takes as many of a line's equal slots as its
    estimated width needs, on the first line with room (so short entries fill the gaps)."""
    slot = (right - x0) / slots
    places, used = [], []
    for key, action in entries:
        width = key_width(key) + 8 + 6.6 * len(card_text(action, False))
        need = min(slots, int(width // slot) + 1)
        line = next((i for i, u in enumerate(used) if u + need <= slots), len(used))
        if line == len(used):
            used.append(0)
        places.append((x0 + used[line] * slot, y0 + line * step, key, action))
        used[line] += need
    if len(used) > lines:
        raise SystemExit(f'help page: the keys need {len(used)} lines, the page has room for {lines}')
    return places


def helpcard_body():
    """The help page: pay table, special symbols, bonus games, keys, and the link to the player's manual.
    Body text is set in DejaVu Sans at 12 px and more in dark ink, readable on the parchment at 800 x 600."""
    g = [rect(0, 0, SW, SH, fill='#2a1606')]
    g.append('<radialGradient id="hp" cx="0.5" cy="0.45" r="0.75"><stop offset="0" stop-color="#f9edcc"/>'
             '<stop offset="0.7" stop-color="#e9d09a"/><stop offset="1" stop-color="#b88848"/></radialGradient>')
    g.append(rect(10, 10, SW - 20, SH - 20, 18, fill='url(#hp)'))
    g.append(gold_frame(10, 10, SW - 20, SH - 20, 18, 5))
    ink, red, sans = '#241002', '#7a0c06', 'DejaVu Sans'

    def body(x, y, s, size=12.5, fill=ink, weight='400', anchor='start'):
        return text(x, y, s, size, font=sans, anchor=anchor, fill=fill, stroke='none', sw=0, weight=weight,
                    extra='xml:space="preserve"')

    def heading(x, y, s):
        return text(x, y, s, 15, fill=ink, stroke='none', sw=0, weight='900')

    g.append(text(400, 48, 'Vortala \u2014 Pay Table and Rules', 34, font=TITLE, weight='400', stroke='#2a0000', sw=5))
    # pay table, multiples of the line bet
    rows = [('bar', 'BAR', '20', '200', '1000'), ('tuk', 'Toucan', '10', '50', '500'), ('rul', 'Helm', '10', '50', '500'),
            ('shark', 'Shark', '5', '20', '200'), ('del', 'Dolphin', '5', '20', '200'), ('crab', 'Crab', '5', '20', '200'),
            ('coin', 'Coin (to the coin pile)', '20', '100', '500')]
    x0, y0 = 34, 74
    g.append(heading(x0 + 200, y0, 'LINE PAYS \u00d7 LINE BET'))
    for j, head in enumerate(('3 in a row', '4', '5')):
        g.append(body(x0 + 262 + j * 58, y0 + 20, head, 12, weight='bold', anchor='middle'))
    for i, (pic, name, a, b, c) in enumerate(rows):
        y = y0 + 28 + i * 33
        g.append(f'<image x="{x0}" y="{y}" width="38" height="31" preserveAspectRatio="none" xlink:href="SYM_{pic}"/>')
        g.append(text(x0 + 48, y + 21, name, 14, anchor='start', fill=ink, stroke='none', sw=0))
        for j, v in enumerate((a, b, c)):
            g.append(text(x0 + 262 + j * 58, y + 22, v, 17, fill=red, stroke='none', sw=0))
        g.append(f'<line x1="{x0}" y1="{y + 32}" x2="{x0 + 400}" y2="{y + 32}" stroke="{ink}" stroke-opacity=".25"/>')
    g.append(body(x0, y0 + 28 + 7 * 33 + 16, 'Three equal symbols in a row through the middle reel win;'))
    g.append(body(x0, y0 + 28 + 7 * 33 + 31, 'the longest run pays. 15 lines, a bet of 0 to 99 on each.'))
    # special symbols, right column
    sx, sy = 452, 70
    specials = [('cher', 'Skull \u2014 WILD', 'stands in for the others; five on a line', 'with a bet win 101 \u00d7 bet and the JACKPOT'),
                ('ostr', 'Island \u2014 SCATTER', '3, 4 or 5 anywhere add 1, 2 or 5 \u00d7 total', 'bet to the Islands helm bank'),
                ('gal', 'Galleon', '3, 4 or 5 in a row: pick a ship', 'for free games'),
                ('sun', 'Chest', '3, 4 or 5 in a row: pick a treasure', 'chest for a multiplier of the win'),
                ('coin', 'Coin', 'coin wins fill the coin pile; a full pile', 'is thrown on the drum: \u00d7 0, 2, 5 or 10')]
    for i, (pic, head, l1, l2) in enumerate(specials):
        y = sy + i * 56
        g.append(f'<image x="{sx}" y="{y}" width="48" height="42" preserveAspectRatio="none" xlink:href="SYM_{pic}"/>')
        g.append(text(sx + 56, y + 14, head, 14, anchor='start', fill=red, stroke='none', sw=0))
        g.append(body(sx + 56, y + 30, l1, 12))
        g.append(body(sx + 56, y + 45, l2, 12))
    # bonuses
    by = 380
    g.append(heading(220, by, 'BONUS GAMES'))
    lines = ['Helms: islands, wild lines and won risk games turn the helms; a full turn opens the barrels.',
             'Barrels: shoot one. Gold pays the helm banks, an empty one keeps them, powder blows them away.',
             'Risk: after a win guess red or black up to seven times to double it, or take the win.',
             'Voyage: spin the compass and sail the chart; reefs sink the ship, the far harbour doubles the win.']
    for i, line in enumerate(lines):
        g.append(body(34, by + 18 + i * 16, line))
    # keys: key names in red, packed in order on three slots a line, left of the manual's button
    g.append(heading(220, 464, 'KEYS'))
    link_x = field_rect(*HELP_LINK)[0]
    for kx, y, key, action in help_key_places(helpkeys(), 34, 478, link_x - 14):
        g.append(body(kx, y, card_text(key, True), 12, fill=red, weight='bold'))
        g.append(body(kx + key_width(key) + 6, y, card_text(action, False), 12))
    # the link to the player's manual
    x, y, w, h = field_rect(*HELP_LINK)
    g.append(rect(x, y, w, h, 10, fill='url(#btn)', stroke='url(#gold)', stroke_width=3))
    g.append(text(x + w / 2, y + 26, 'PLAYER\u2019S', 12, fill='#ffe9a8', sw=2))
    g.append(text(x + w / 2, y + 46, 'MANUAL', 15, fill='#ffe9a8', sw=2))
    g.append(text(x + w / 2, y + 64, 'F1 again', 10, font=sans, fill='#ffe9a8', sw=0, weight='400'))
    g.append(text(x + w / 2, y + 77, 'or click', 10, font=sans, fill='#ffe9a8', sw=0, weight='400'))
    return ''.join(g)


def logo_body():
    g = [rect(0, 0, SW, SH, fill='url(#cabBg)')]
    g.append(rect(0, 0, SW, SH, fill='#fff', filter='url(#grainF)', opacity='.12'))
    g.append(f'<g filter="url(#ds)">{galleon(250, 60, 300)}</g>')
    g.append(f'<g filter="url(#ds)" opacity=".95">{ship_wheel(400, 430, 120, rot=10)}</g>')
    g.append('<path d="M60,300 L740,300 L708,352 L740,404 L60,404 L92,352Z" fill="#8e1212" stroke="#2a0000" stroke-width="5"/>')
    g.append(text(400, 384, 'VORTALA', 96, font=TITLE, weight='400', stroke='#2a0000', sw=10, extra='letter-spacing="6"'))
    g.append(text(400, 560, 'ORVEXA  PRESENTS  A  PIRATE  VIDEO  SLOT', 16, fill='#ffd34a'))
    g.append(text(400, 584, 'press any key', 13, fill='#e8d49a', sw=0))
    return ''.join(g)
