"""font.jpg: 16 x 16 cells of 16 x 16 pixels, glyph g = 16 r + c with r counted from t = 0.
The game samples the left 12.8 x 12.8 texels of a cell, draws that 26 x 30 units wide and high and
advances 18 units, so a glyph's ink has to stay within the first ~8.9 texels and is widened on screen
by 26/30 x 4/3; we draw it narrower by the inverse.  Glyphs 0..127 are set 0 (panel numbers),
128..255 set 1 (status line), each for the characters 32..159."""
from pipeline import emit

SAMPLE = 12.8
ADVANCE = SAMPLE * 18 / 26
SQUEEZE = 30 / 26 * 3 / 4
FACES = [('Cinzel', '900', 12.6, '#1a0c00'), ('DejaVu Sans', 'bold', 11.2, '#000')]
WIDE = set('MWmw@%&')
TAILED = set('Qq')


def glyph(g):
    face, weight, size, _ = FACES[g // 128]
    code = g % 128 + 32
    if code > 126:
        return ''
    ch = chr(code)
    esc = {'&': '&amp;', '<': '&lt;', '>': '&gt;', '"': '&quot;'}.get(ch, ch)
    c, r = g % 16, g // 16          # r from the top here; the whole sheet is stored flipped
    if ch == '1' and g < 128:
        return one(c * 16 + ADVANCE / 2, r * 16 + SAMPLE * 0.84, size)
    x, y = c * 16 + ADVANCE / 2, r * 16 + SAMPLE * 0.84
    sq = SQUEEZE * (0.74 if ch in WIDE else 1.0)
    anchor, sy = 'middle', 1.0
    if ch in WIDE:      # centred, their left stroke fell off the cell: start them just inside its edge
        x, anchor = c * 16 + 0.6, 'start'
    if ch in TAILED and g < 128:   # the serif face's long tails ran out under the sampled square
        sy = 0.86
    return (f'<text transform="translate({x:.2f} {y:.2f}) scale({sq:.3f} {sy})" font-family="{face}" font-weight="{weight}" '
            f'font-size="{size}" text-anchor="{anchor}" fill="#fff">{esc}</text>')


def one(x, y, size):
    """The serif face's 1 is a plain bar that reads as I among the panel's numbers: ours has a flag and a
    foot. Drawn from its baseline middle, in em, at the serif face's figure height."""
    e = size
    stem = f'M{-0.08 * e:.2f},{-0.70 * e:.2f} L{0.08 * e:.2f},{-0.70 * e:.2f} L{0.08 * e:.2f},0 L{-0.08 * e:.2f},0Z'
    flag = (f'M{-0.08 * e:.2f},{-0.70 * e:.2f} L{-0.33 * e:.2f},{-0.47 * e:.2f} L{-0.29 * e:.2f},{-0.40 * e:.2f} '
            f'L{-0.08 * e:.2f},{-0.55 * e:.2f}Z')
    foot = f'M{-0.27 * e:.2f},{-0.10 * e:.2f} L{0.27 * e:.2f},{-0.10 * e:.2f} L{0.27 * e:.2f},0 L{-0.27 * e:.2f},0Z'
    return f'<path transform="translate({x:.2f} {y:.2f}) scale({SQUEEZE:.3f} 1)" d="{stem} {flag} {foot}" fill="#fff"/>'


def build():
    body = '<rect width="256" height="256" fill="#000"/>' + ''.join(glyph(g) for g in range(256))
    emit('font.jpg', body, 256, 256, 256, 256, quality=95)
