#!/usr/bin/env python3
"""The pictures of the two small windows: the statistics bill on its clipboard (statbox.jpg) and
the framed sea chart of the about window (aboutbox.jpg). The game writes its figures on the bill's
blanks, so the blanks below must stay where the window's labels are (380 x 320 window pixels)."""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from pipeline import emit  # noqa: E402

SERIF = "font-family='DejaVu Serif'"
# (caption, label box x, y, w) on the 380 x 320 window; the number blank comes first
NUMBER_BLANK = (192, 64, 73)
MONEY_LINES = [('Set on stake', 168, 116, 169, '#2a1a0a'), ('Taken off', 168, 152, 169, '#2a1a0a'),
               ('You won', 168, 188, 169, '#b01010'), ('You lost', 176, 224, 153, '#2a1a0a')]


def statbox():
    wood = ("<linearGradient id='wood' x1='0' y1='0' x2='1' y2='0.3'>"
            "<stop offset='0' stop-color='#6b3f1f'/><stop offset='.5' stop-color='#8a5430'/>"
            "<stop offset='1' stop-color='#5a3318'/></linearGradient>"
            "<linearGradient id='clip' x1='0' y1='0' x2='0' y2='1'><stop offset='0' stop-color='#e8e8ee'/>"
            "<stop offset='.5' stop-color='#9a9aa6'/><stop offset='1' stop-color='#d0d0d8'/></linearGradient>")
    grain = ''.join(f"<path d='M0,{y} C120,{y + 6} 260,{y - 6} 380,{y + 3}' stroke='#4a2a12' stroke-opacity='.35' "
                    f"fill='none' stroke-width='1.2'/>" for y in range(12, 320, 17))
    body = (f"<rect width='380' height='320' rx='18' fill='url(#wood)'/>{grain}"
            "<rect x='3' y='3' width='374' height='314' rx='16' fill='none' stroke='#2e1808' stroke-width='5'/>"
            # the paper bill
            "<rect x='16' y='65' width='350' height='250' fill='#000' opacity='.35'/>"
            "<rect x='13' y='62' width='350' height='250' fill='#f6eed8' stroke='#b9a77f'/>"
            # the clip
            "<rect x='120' y='14' width='140' height='46' rx='10' fill='url(#clip)' stroke='#55555f' stroke-width='2'/>"
            "<rect x='160' y='22' width='60' height='14' rx='7' fill='#4a4a55'/>"
            "<rect x='100' y='50' width='180' height='18' rx='6' fill='url(#clip)' stroke='#55555f' stroke-width='2'/>"
            f"<text x='186' y='84' {SERIF} font-weight='bold' font-size='17' fill='#2a1a0a' text-anchor='end'>BILL No.</text>"
            f"<line x1='{NUMBER_BLANK[0]}' y1='86' x2='{NUMBER_BLANK[0] + NUMBER_BLANK[2]}' y2='86' stroke='#2a1a0a'/>"
            f"<text x='188' y='107' {SERIF} font-style='italic' font-size='12' fill='#5a4630' "
            "text-anchor='middle'>Ship's purser's account of this voyage</text>")
    for caption, x, y, w, colour in MONEY_LINES:
        body += (f"<text x='{x - 6}' y='{y + 17}' {SERIF} font-weight='bold' font-size='15' fill='{colour}' "
                 f"text-anchor='end'>{caption}</text>"
                 f"<line x1='{x}' y1='{y + 21}' x2='{x + w}' y2='{y + 21}' stroke='#2a1a0a' stroke-dasharray='2 2'/>")
    body += (f"<text x='188' y='282' {SERIF} font-style='italic' font-size='14' fill='#5a4630' "
             "text-anchor='middle'>Thank you for sailing with us!</text>")
    emit('statbox.jpg', body, 380, 320, 512, 512, defs=wood)


def aboutbox():
    defs = ("<radialGradient id='chart' cx='.5' cy='.5' r='.7'><stop offset='0' stop-color='#f3e2b8'/>"
            "<stop offset='1' stop-color='#c9a66b'/></radialGradient>"
            "<linearGradient id='frame' x1='0' y1='0' x2='1' y2='1'><stop offset='0' stop-color='#7a4a22'/>"
            "<stop offset='.5' stop-color='#a8703c'/><stop offset='1' stop-color='#5a3318'/></linearGradient>")
    coast = ("<path d='M30,150 C60,120 90,140 110,110 C130,80 170,95 190,70 L190,150Z' fill='#b8945a' opacity='.55'/>"
             "<path d='M330,40 C360,60 400,45 430,70 L430,20 L330,20Z' fill='#b8945a' opacity='.55'/>")
    rhumb = ''.join(f"<line x1='360' y1='120' x2='{360 + 200 * c:.1f}' y2='{120 + 200 * s:.1f}' stroke='#7a5a30' "
                    f"stroke-opacity='.35' stroke-width='.8'/>"
                    for c, s in [(1, 0), (-1, 0), (0, 1), (0, -1), (.71, .71), (-.71, .71), (.71, -.71), (-.71, -.71)])
    rose = ("<g transform='translate(360 120)'><circle r='26' fill='none' stroke='#6a4a20' stroke-width='1.5'/>"
            "<path d='M0,-30 L6,0 L0,30 L-6,0Z' fill='#8e1212'/><path d='M-30,0 L0,6 L30,0 L0,-6Z' fill='#2a1a0a'/></g>")
    body = ("<rect width='466' height='207' fill='url(#frame)'/>"
            "<rect x='12' y='12' width='442' height='183' fill='url(#chart)' stroke='#3a200c' stroke-width='3'/>"
            f"{coast}{rhumb}{rose}"
            f"<text x='200' y='80' {SERIF} font-weight='bold' font-size='46' fill='#5a1a08' text-anchor='middle' "
            "stroke='#f3e2b8' stroke-width='1'>Vortala</text>"
            # the line at y = 112 stays blank: the window writes the build's version there
            f"<text x='200' y='138' {SERIF} font-size='12' fill='#3a2410' text-anchor='middle'>"
            "a pirate slot by Orvexa</text>"
            # the web address along the bottom edge, under the window's hot area (136..321, 178..201)
            "<rect x='136' y='178' width='185' height='23' rx='4' fill='#f3e2b8' stroke='#3a200c'/>"
            f"<text x='228.5' y='194' {SERIF} font-size='13' fill='#0a2a8a' text-anchor='middle' "
            "text-decoration='underline'>www.orvexa.example</text>")
    emit('aboutbox.jpg', body, 466, 207, 512, 256, defs=defs)


if __name__ == '__main__':
    statbox()
    aboutbox()
