#!/usr/bin/env python3
"""docs/font-check.png: strings printed from assets/font.jpg exactly as the game prints them, to catch
glyphs that are cut at a cell edge or sit off the line.  Each glyph g = 16 r + c (r from t = 0) samples
0.05 of its 0.0625 cell from the cell's corner onto a quad 26 x 30 units, advancing 18 units; the
sheet is stored upside down, so t = 0 is the top row of the picture as a viewer shows it."""
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pipeline import WORK, ASSETS, CONVERT, write_doc_picture  # noqa: E402

K = 1.6   # screen pixels per glyph unit in the check picture
LINES = [(0, ' 0123456789  123456'), (0, 'JACKPOT 1280 CREDIT'), (1, 'RATE YOUR BETS, GENTLEMEN!'),
         (1, 'WHAT COLOUR ?  CLICK ON COMPASS'), (1, 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'),
         (1, 'abcdefghijklmnopqrstuvwxyz'), (1, '0123456789 !?.,:;-+%&@#()/*'), (0, 'ABCDEFGHIJKLMNOPQRSTUVWXYZ'),
         (0, 'abcdefghijklmnopqrstuvwxyz !?.,:-+')]


def glyph(g, x, y):
    c, r = g % 16, g // 16
    cell = 256 / 16
    # the quad shows texels [c*16, c*16 + 12.8) across and [r*16, r*16 + 12.8) down, stretched to 26 x 30
    return (f'<svg x="{x:.1f}" y="{y:.1f}" width="{26 * K:.1f}" height="{30 * K:.1f}" '
            f'viewBox="{c * cell} {r * cell} {256 * 0.05} {256 * 0.05}" preserveAspectRatio="none" '
            f'style="mix-blend-mode:screen"><image width="256" height="256" xlink:href="font_up.png"/></svg>')


def main():
    up = os.path.join(WORK, 'font_up.png')
    subprocess.run([CONVERT, os.path.join(ASSETS, 'font.jpg'), '-flip', up], check=True)
    w = int(18 * K * max(len(s) for _, s in LINES) + 40)
    h = int(len(LINES) * 36 * K + 20)
    parts = [f'<rect width="{w}" height="{h}" fill="#000"/>']
    for i, (st, s) in enumerate(LINES):
        y = 10 + i * 36 * K
        # the quad's extent (grey) behind each glyph run, and the text in the panel colour
        parts.append(f'<rect x="20" y="{y:.1f}" width="{(18 * (len(s) - 1) + 26) * K:.1f}" height="{30 * K:.1f}" fill="#1a1a2a"/>')
        parts.append('<g>' + ''.join(glyph(ord(ch) - 32 + 128 * st, 20 + j * 18 * K, y) for j, ch in enumerate(s)) + '</g>')
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
           f'width="{w}" height="{h}"><g style="isolation:isolate">{"".join(parts)}</g></svg>')
    write_doc_picture(svg, 'font-check')


if __name__ == '__main__':
    main()
