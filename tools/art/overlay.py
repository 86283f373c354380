#!/usr/bin/env python3
"""docs/layout-overlay.png: every mouse zone (red) and panel-text box (green) over the cabinet and help
pictures as the player sees them, so a zone off its painted button shows at a glance."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pipeline import WORK, ROOT, CONVERT  # noqa: E402
from layout import (field_rect, text_box, PANEL_VALUES, STATUS, LINE_BET_ANCHORS, LINE_BUTTONS, BET_BUTTONS,  # noqa: E402
                    ZONES, HELP_LINK)


def box(r, col):
    x, y, w, h = r
    return f'<rect x="{x:.1f}" y="{y:.1f}" width="{w:.1f}" height="{h:.1f}" fill="none" stroke="{col}" stroke-width="1.2"/>'


def main():
    zones = [field_rect(*z) for z in ZONES.values()] + [field_rect(*z) for z in LINE_BUTTONS.values()] + \
        [field_rect(*z) for z in BET_BUTTONS.values()]
    texts = [text_box(*v[:4]) for v in PANEL_VALUES.values()] + [text_box(*STATUS[:4])] + \
        [text_box(x, y, 0.004, 2) for x, y in LINE_BET_ANCHORS]
    cab = ('<image width="800" height="600" xlink:href="preview/intfasex.png"/>' + ''.join(box(z, '#ff2020') for z in zones)
           + ''.join(box(t, '#20ff40') for t in texts))
    hlp = '<image width="800" height="600" xlink:href="preview/kartabet.png"/>' + box(field_rect(*HELP_LINK), '#ff2020')
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="1600" height="600">'
           f'{cab}<g transform="translate(800 0)">{hlp}</g></svg>')
    path = os.path.join(WORK, 'overlay.svg')
    with open(path, 'w') as f:
        f.write(svg)
    os.makedirs(os.path.join(ROOT, 'docs'), exist_ok=True)
    png = os.path.join(WORK, 'overlay.png')
    subprocess.run(['rsvg-convert', '-o', png, path], check=True)
    subprocess.run([CONVERT, png, '-strip', '-define', 'png:exclude-chunks=date,time',
                    os.path.join(ROOT, 'docs', 'layout-overlay.png')], check=True)


if __name__ == '__main__':
    main()
