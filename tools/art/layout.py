"""Where the game puts things, in 800 x 600 screen pixels.

Field units (mouse zones): 666.5 x 500, origin bottom left.  Backdrop units: 0..100 both
ways.  A point at depth z under the scene projection lands at backdrop 50 + 2500 (x - 50) / (250 - z).
"""
FIELD_W, FIELD_H = 666.5, 500.0
SW, SH = 800, 600


def field_px(x, y):
    return x / FIELD_W * SW, (1 - y / FIELD_H) * SH


def field_rect(x0, x1, y0, y1):
    """Inclusive field rectangle -> (left, top, width, height) in screen px."""
    l, t = field_px(x0, y1)
    r, b = field_px(x1, y0)
    return l, t, r - l, b - t


def bd_px(X, Y):
    return X * SW / 100, (1 - Y / 100) * SH


def proj(x, y, z):
    """Scene point -> backdrop units."""
    k = 2500 / (250 - z)
    return 50 + k * (x - 50), 50 + k * (y - 50)


def scene_px(x, y, z):
    return bd_px(*proj(x, y, z))


def scene_rect(x0, y0, x1, y1, z):
    l, t = scene_px(x0, y1, z)
    r, b = scene_px(x1, y0, z)
    return l, t, r - l, b - t


# ---- panel text (z = 152.5): glyph quad 26 x 30, advance 18, both times the scale
TEXT_Z = 152.5


def text_box(x, y, scale, chars):
    """Screen box covered by `chars` glyph quads printed at (x, y)."""
    w = (18 * (chars - 1) + 26) * scale
    return scene_rect(x, y, x + w, y + 30 * scale, TEXT_Z)


LINE_BET_ANCHORS = [  # line 1..15: x, y (two-wide values, scale 0.004)
    (51.58, 49.98), (51.58, 50.645), (51.58, 49.32), (51.58, 50.85), (51.58, 49.12), (51.58, 50.45),
    (51.58, 49.51), (51.58, 50.17), (51.58, 49.78), (51.75, 50.10), (51.75, 50.75), (51.75, 49.41),
    (51.75, 49.90), (51.75, 50.55), (51.75, 49.22)]

PANEL_VALUES = {  # name: x, y, scale, widest text in characters, sample for the overlay
    'jackpot': (48.15, 51.51, 0.0045, 7, ' 123456'),
    'credit': (49.1, 51.40, 0.005, 7, ' 12000'),
    'bet': (50.1, 51.41, 0.005, 5, '  150'),
    'win': (51.1, 51.51, 0.0045, 6, '   250'),
    'free': (51.6, 51.51, 0.0045, 2, ' 3'),
    'pile': (51.0, 51.29, 0.0035, 5, ' 1000'),
    'bank0': (48.6, 48.69, 0.0035, 6, '  1500'),
    'bank1': (49.75, 48.69, 0.0035, 6, '   120'),
    'bank2': (50.9, 48.69, 0.0035, 6, '    45'),
}
STATUS = (49.2, 51.225, 0.003, 29, '  RATE YOUR BETS, GENTLEMEN! ')
FREE_ITEM_ANCHORS = [(49.1, 49.725), (50.1, 49.225), (49.5, 49.925), (50.55, 50.1), (49.0, 50.375), (49.9, 50.355)]
CHEST_ANCHORS = [(48.8, 49.7), (50.0, 49.63), (51.06, 49.65), (49.48, 50.1), (50.53, 50.24)]

# ---- mouse zones (inclusive field rectangles x0, x1, y0, y1)
LINE_BUTTONS = {  # line index 0..14 -> rectangle of its marker on the left
    14: (4, 21, 144, 165), 11: (4, 21, 173, 192), 12: (4, 21, 234, 253), 9: (4, 21, 258, 277),
    13: (4, 21, 321, 338), 10: (4, 21, 345, 363),
    4: (25, 50, 138, 154), 2: (25, 50, 160, 177), 6: (25, 50, 185, 201), 8: (25, 50, 223, 240),
    0: (25, 50, 245, 262), 7: (25, 50, 270, 285), 5: (25, 50, 309, 325), 1: (25, 50, 330, 348),
    3: (25, 50, 356, 372)}
BET_BUTTONS = {
    14: (640, 665, 146, 163), 11: (640, 665, 170, 189), 12: (640, 665, 235, 253), 9: (640, 665, 259, 277),
    13: (640, 665, 318, 336), 10: (640, 665, 342, 362),
    0: (610, 638, 245, 262), 1: (610, 638, 330, 348), 2: (610, 638, 160, 177), 3: (610, 638, 356, 372),
    4: (610, 638, 138, 154), 5: (610, 638, 309, 325), 6: (610, 638, 185, 201), 7: (610, 638, 270, 285),
    8: (610, 638, 223, 240)}
ZONES = {
    'all lines (F5)': (22, 50, 100, 122),
    'max bet': (610, 638, 100, 122),
    'reels': (60, 590, 130, 380),
    'coin slot': (170, 325, 430, 475),
    'stake': (340, 490, 430, 510),
    'options': (566, 583, 481, 494),
    'statistics': (543, 560, 481, 494),
    'help': (518, 538, 481, 494),
    'minimise': (587, 605, 481, 494),
    'minimise left': (5, 30, 470, 494),
    'maximise': (610, 629, 481, 494),
    'exit': (635, 658, 470, 494),
    'options zone': (585, 650, 0, 50),
}
HELP_LINK = (546, 616, 21, 92)
RISK_BUTTONS = {'red': (210, 275, 130, 190), 'take': (290, 360, 130, 190), 'black': (374, 438, 130, 190)}
CHEST_ZONES = [(81, 185, 135, 215), (283, 390, 130, 210), (470, 575, 135, 225), (200, 298, 195, 275), (386, 477, 215, 288)]
FREE_ZONES = [(130, 185, 175, 235), (385, 445, 140, 200), (290, 345, 225, 280), (470, 525, 260, 313),
              (200, 255, 280, 335), (345, 392, 314, 365)]
COMPASS_ZONE = (385, 505, 120, 215)
COIN_ZONE = (230, 372, 205, 330)
BARREL_ZONES = [(130, 270, 115, 380), (270, 390, 115, 380), (390, 520, 115, 380)]

# line colours (RGB 0..1) as the paylines draw them
LINE_COLOURS = [(1, 0, 0), (0, .5, 0), (.5, .5, 0), (0, 1, 1), (0, 1, 0), (.5, 0, 0), (1, 0, 1),
                (205 / 255, 175 / 255, 12 / 255), (0, 0, 1), (51 / 255, 153 / 255, 204 / 255), (.5, .2, .5),
                (.2, .6, .6), (0, 204 / 255, 51 / 255), (.2, .6, .6), (.5, .2, .5)]


def hexcol(c, lift=0.0):
    r, g, b = (min(1, v + (1 - v) * lift) for v in c)
    return '#%02x%02x%02x' % (round(r * 255), round(g * 255), round(b * 255))


# reel window and the bonus-screen backdrops, backdrop units
REEL_WINDOW = (8.23, 23.2, 90.05, 77.55)
SCENE_WINDOW = (8.24, 23.27, 90.15, 77.59)
HELM_START_X = [47.565, 49.52, 51.45]
HELM_Y, HELM_Z, HELM_R, HELM_LEN = 47.25, 85, 0.44, 0.93


def helm_rect(h):
    """Screen rect of helm drum h (0..2) at rest."""
    x0 = HELM_START_X[h]
    return scene_rect(x0, HELM_Y - HELM_R, x0 + HELM_LEN, HELM_Y + HELM_R, HELM_Z)


# the coin drum: centred on (49.96, 50.22) at depth 85, 2 units long (scaled by 2) and of radius 1
COIN_DRUM = (49.96 - 1, 50.22 - 1, 49.96 + 1, 50.22 + 1, 85)


# the three barrels and the target cursor's rest place, scene quads at depth 0
BARREL_QUADS = [(47.4, 48, 48.85, 50.85), (49.2, 48.2, 50.65, 51.05), (51, 48, 52.45, 50.85)]
TARGET_REST = (49.3, 51.2, 50.55, 52.7)


def scene_window_rect(x0, y0, x1, y1, z):
    """A scene rectangle at depth z as the player sees it, in pixels of a bonus backdrop:
    (left, top, width, height)."""
    l, t = scene_window_px(*proj(x0, y1, z))
    r, b = scene_window_px(*proj(x1, y0, z))
    return l, t, r - l, b - t


def coin_drum_window_rect():
    return scene_window_rect(*COIN_DRUM)


def coin_slot_rect(m):
    """Coin marker m = 1..5 under the win panel."""
    l, t = bd_px(84.4 + 2.6 * (m - 1), 85.8)
    r, b = bd_px(86.7 + 2.6 * (m - 1), 82.7)
    return l, t, r - l, b - t


def scene_window_px(X, Y):
    """Backdrop point -> pixel of a bonus backdrop designed in its own on-screen size."""
    x0, y0, x1, y1 = SCENE_WINDOW
    return (X - x0) / (x1 - x0) * scene_window_size()[0], (1 - (Y - y0) / (y1 - y0)) * scene_window_size()[1]


def scene_window_size():
    x0, y0, x1, y1 = SCENE_WINDOW
    return (x1 - x0) * 8, (y1 - y0) * 6


def screen_in_window(px, py):
    """800 x 600 screen pixel -> pixel of a bonus backdrop."""
    return scene_window_px(px / SW * 100, (1 - py / SH) * 100)


def field_in_window(x, y):
    """Field point -> pixel of a bonus backdrop (for mouse zones on the scene pictures)."""
    return scene_window_px(x / 6.665, y / 5)
