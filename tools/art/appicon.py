#!/usr/bin/env python3
"""The game's icon, our own drawing: a ship's wheel over a sea tile with a gold rim. One SVG is the
source of every size: it is installed as the scalable icon, rendered to the PNG sizes of the
desktop's icon theme, and to the TGA the game puts on its window."""
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from art import DEFS, ship_wheel  # noqa: E402
from pipeline import CONVERT, ROOT, WORK, write_tga  # noqa: E402

ICONS = os.path.join(ROOT, 'packaging', 'icons')
THEME_SIZES = (16, 24, 32, 48, 64, 128, 256, 512)
WINDOW_SIZE = 64   # what SDL hands the window manager; it scales it for the title bar and task list


def shared_defs(*ids):
    """Only the gradients the icon uses, so the installed SVG stays small and self-contained."""
    found = [m.group(0) for m in re.finditer(r'<(linearGradient|radialGradient) id="([^"]+)".*?</\1>', DEFS, re.S)
             if m.group(2) in ids]
    assert len(found) == len(ids), 'a gradient the icon needs is gone from art.DEFS'
    return ''.join(found)


def icon_svg():
    defs = (shared_defs('gold', 'goldCoin', 'woodH', 'woodV') +
            '<radialGradient id="iconSea" cx="0.5" cy="0.35" r="0.8"><stop offset="0" stop-color="#3fb3cf"/>'
            '<stop offset="0.5" stop-color="#16658c"/><stop offset="1" stop-color="#051c36"/></radialGradient>'
            '<linearGradient id="iconRay" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#e6fdff" '
            'stop-opacity=".6"/><stop offset="1" stop-color="#e6fdff" stop-opacity="0"/></linearGradient>'
            '<clipPath id="iconTile"><rect x="14" y="14" width="228" height="228" rx="40"/></clipPath>')
    rays = ''.join(f'<polygon points="{x},0 {x + w},0 {x + 3 * w + 60},256 {x + 2 * w + 20},256" '
                   f'fill="url(#iconRay)" opacity="{o}"/>' for x, w, o in [(30, 20, .35), (110, 28, .25), (180, 16, .3)])
    waves = ''.join(f'<path d="M14,{y} q24,-10 48,0 t48,0 t48,0 t48,0 t48,0" fill="none" stroke="#bff3ff" '
                    f'stroke-opacity="{o}" stroke-width="5"/>' for y, o in [(206, .35), (226, .25)])
    body = (f'<g clip-path="url(#iconTile)"><rect width="256" height="256" fill="url(#iconSea)"/>{rays}{waves}</g>'
            '<rect x="14" y="14" width="228" height="228" rx="40" fill="none" stroke="#2b1800" stroke-width="14"/>'
            '<rect x="14" y="14" width="228" height="228" rx="40" fill="none" stroke="url(#gold)" stroke-width="9"/>'
            + ship_wheel(128, 128, 120, rot=22.5))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">'
            f'<defs>{defs}</defs>{body}</svg>\n')


def render(svg_path, size, out):
    """A PNG without dates or other chunks that would change the bytes on every run."""
    tmp = os.path.join(WORK, f'icon-{size}.png')
    subprocess.run(['rsvg-convert', '-w', str(size), '-h', str(size), '-o', tmp, svg_path], check=True)
    subprocess.run([CONVERT, tmp, '-strip', '-define', 'png:exclude-chunks=date,time', out], check=True)
    return out


def main():
    os.makedirs(ICONS, exist_ok=True)
    svg_path = os.path.join(ICONS, 'vortala.svg')
    with open(svg_path, 'w', encoding='utf-8') as f:
        f.write(icon_svg())
    for size in THEME_SIZES:
        render(svg_path, size, os.path.join(ICONS, f'vortala-{size}.png'))
    # The window's icon goes through the game's TGA loader, stored the way every picture is.
    write_tga(render(svg_path, WINDOW_SIZE, os.path.join(WORK, 'icon-window.png')), 'icon.tga')


if __name__ == '__main__':
    main()
