#!/usr/bin/env python3
"""docs/contact-sheet.png: every picture the pipeline made, the way up the player sees it, each labelled with
its file name; transparent pictures over a checker so their cut-outs show."""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pipeline import PREVIEW, size_of, write_doc_picture  # noqa: E402

CELL_W, CELL_H, COLS = 200, 150, 8


def main():
    names = sorted((f[:-4] for f in os.listdir(PREVIEW) if f.endswith('.png')),
                   key=lambda n: (n.rstrip('0123456789'), int('0' + n[len(n.rstrip('0123456789')):])))
    # the reel pictures first, so they can be compared side by side
    syms = ['ostr', 'crab', 'del', 'shark', 'tuk', 'rul', 'coin', 'gal', 'bar', 'sun', 'cher', 'cher1', 'cher2', 'cher3']
    names = [n for n in syms if n in names] + [n for n in names if n not in syms]
    rows = (len(names) + COLS - 1) // COLS
    parts = ['<pattern id="chk" width="16" height="16" patternUnits="userSpaceOnUse"><rect width="16" height="16" fill="#9a9a9a"/>'
             '<rect width="8" height="8" fill="#c8c8c8"/><rect x="8" y="8" width="8" height="8" fill="#c8c8c8"/></pattern>',
             f'<rect width="{COLS * CELL_W}" height="{rows * CELL_H}" fill="#202020"/>']
    for i, n in enumerate(names):
        x, y = (i % COLS) * CELL_W, (i // COLS) * CELL_H
        w, h = size_of(os.path.join(PREVIEW, n + '.png'))
        k = min((CELL_W - 12) / w, (CELL_H - 28) / h)
        dw, dh = w * k, h * k
        ix, iy = x + (CELL_W - dw) / 2, y + 6 + (CELL_H - 28 - dh) / 2
        if n.endswith('_t'):
            parts.append(f'<rect x="{ix:.1f}" y="{iy:.1f}" width="{dw:.1f}" height="{dh:.1f}" fill="url(#chk)"/>')
        parts.append(f'<image x="{ix:.1f}" y="{iy:.1f}" width="{dw:.1f}" height="{dh:.1f}" preserveAspectRatio="none" '
                     f'xlink:href="preview/{n}.png"/>')
        label = n[:-2] + '.tga' if n.endswith('_t') else n
        parts.append(f'<text x="{x + CELL_W / 2}" y="{y + CELL_H - 8}" font-family="DejaVu Sans" font-size="12" '
                     f'text-anchor="middle" fill="#e8e8e8">{label}</text>')
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
           f'width="{COLS * CELL_W}" height="{rows * CELL_H}">{"".join(parts)}</svg>')
    write_doc_picture(svg, 'contact-sheet', ('-quality', '95'))

if __name__ == '__main__':
    main()
