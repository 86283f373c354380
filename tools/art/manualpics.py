#!/usr/bin/env python3
"""docs/manual/*.jpg: the manual's pictures, made from the screenshots in docs/screens (retake those
first), small enough to ship with the game. The field gets numbered marks on its mouse zones, matching
the manual's table of zones."""
import os
import shutil
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from pipeline import WORK, ROOT, CONVERT  # noqa: E402
from layout import field_rect, ZONES, LINE_BUTTONS, BET_BUTTONS  # noqa: E402

SCREENS = os.path.join(ROOT, 'docs', 'screens')
MANUAL = os.path.join(ROOT, 'docs', 'manual')

# manual picture: (screenshot, width)
PICTURES = {'lines.jpg': ('lines.png', 640), 'paytable.jpg': ('help.png', 480), 'risk.jpg': ('risk_cards.png', 480),
            'free-games.jpg': ('free_games_picked.png', 480), 'chests.jpg': ('chests_open.png', 480),
            'voyage.jpg': ('voyage_moved.png', 480), 'coin.jpg': ('coin.png', 480), 'barrels.jpg': ('barrels.png', 480),
            'options.jpg': ('dialog-options.png', 480), 'fullscreen.jpg': ('fullscreen-1920x1080.png', 960)}


def centre(zone, dx=0, dy=0):
    x, y, w, h = field_rect(*zone)
    return x + w / 2 + dx, y + h / 2 + dy


# numbered as in the manual's table of mouse zones; a mark sits beside a button with a label, or on a small
# plain one
MARKS = [(1, centre(ZONES['coin slot'], 20, -8)), (2, centre(ZONES['stake'], 99, 22)), (3, centre(ZONES['reels'])),
         (4, centre(LINE_BUTTONS[6], 34)), (5, centre(ZONES['all lines (F5)'], 30)), (6, centre(BET_BUTTONS[4], -36)),
         (7, centre(ZONES['max bet'], -30)), (8, centre(ZONES['statistics'])), (9, centre(ZONES['minimise left'])),
         (10, centre(ZONES['maximise'])), (11, centre(ZONES['exit'], -12)), (12, centre(ZONES['options zone'], -48))]


def field_with_marks():
    shutil.copy(os.path.join(SCREENS, 'lines.png'), os.path.join(WORK, 'manual_field.png'))
    marks = ''.join(f'<circle cx="{x:.1f}" cy="{y:.1f}" r="12" fill="#8e1212" stroke="#ffe9a8" stroke-width="2.5"/>'
                    f'<text x="{x:.1f}" y="{y + 5:.1f}" font-family="DejaVu Sans" font-weight="bold" font-size="14" '
                    f'text-anchor="middle" fill="#fff">{n}</text>' for n, (x, y) in MARKS)
    svg = ('<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="800" height="600">'
           f'<image width="800" height="600" xlink:href="manual_field.png"/>{marks}</svg>')
    path = os.path.join(WORK, 'manual_field.svg')
    with open(path, 'w') as f:
        f.write(svg)
    png = os.path.join(WORK, 'manual_field_marked.png')
    subprocess.run(['rsvg-convert', '-o', png, path], check=True)
    return png


def jpeg(source, name, width):
    subprocess.run([CONVERT, source, '-resize', f'{width}x', '-strip', '-interlace', 'none', '-quality', '85',
                    os.path.join(MANUAL, name)], check=True)


def main():
    os.makedirs(MANUAL, exist_ok=True)
    jpeg(field_with_marks(), 'field.jpg', 800)
    for name, (shot, width) in PICTURES.items():
        jpeg(os.path.join(SCREENS, shot), name, width)


if __name__ == '__main__':
    main()
