"""Output side of the art pipeline: SVG -> PNG (rsvg-convert) -> game JPEG / TGA.

Every picture is designed in *screen* pixels, i.e. in the size and aspect it has on an
800 x 600 field, and then stretched to the texture size the game loads.  The game samples
every flat picture and every drum face with t growing downwards on screen while its
loaders hand rows to OpenGL bottom row first, so what the player sees is the stored
picture turned upside down.  We therefore store each picture flipped (GAME_FLIP); the
previews kept in the work folder are the way up the player sees them.
"""
import os
import struct
import subprocess

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.normpath(os.path.join(HERE, '..', '..'))
ASSETS = os.path.join(ROOT, 'assets')
WORK = os.path.join(HERE, 'work')          # intermediate SVG/PNG files, not committed
PREVIEW = os.path.join(WORK, 'preview')    # screen-way-up PNGs for the contact sheet and overlay
CONVERT = '/usr/bin/convert'               # a stand-in may shadow ImageMagick earlier in PATH

GAME_FLIP = True

for d in (ASSETS, WORK, PREVIEW):
    os.makedirs(d, exist_ok=True)


def svg_doc(vw, vh, body, defs=''):
    """A document whose user space is the picture's size on screen; stretched on rendering."""
    from art import DEFS
    return (f'<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" '
            f'width="{vw}" height="{vh}" viewBox="0 0 {vw} {vh}" preserveAspectRatio="none">'
            f'<defs>{DEFS}{defs}</defs>{body}</svg>')


def render_png(svg_text, name, w, h, design=None):
    """Rasterise to WORK/name.png at exactly w x h pixels.
    design: the picture's (width, height) on screen, to render it at one scale both ways first and
    then stretch the pixels. rsvg places centred text by its width at the stretched scale when the
    two scales differ, so a centred title lands off centre; pictures with centred text use this."""
    svg_path = os.path.join(WORK, name + '.svg')
    png_path = os.path.join(WORK, name + '.png')
    with open(svg_path, 'w', encoding='utf-8') as f:
        f.write(svg_text)
    if design:
        scale = max(w / design[0], h / design[1])
        rw, rh = round(design[0] * scale), round(design[1] * scale)
        subprocess.run(['rsvg-convert', '-w', str(rw), '-h', str(rh), '-f', 'png', '-o', png_path, svg_path], check=True)
        subprocess.run([CONVERT, png_path, '-filter', 'Lanczos', '-resize', f'{w}x{h}!', png_path], check=True)
    else:
        subprocess.run(['rsvg-convert', '-w', str(w), '-h', str(h), '-f', 'png', '-o', png_path, svg_path], check=True)
    return png_path


def write_doc_picture(svg_text, name, extra=()):
    """Renders an SVG to docs/NAME.png, stripped of dates so rebuilding gives the same bytes."""
    path = os.path.join(WORK, name + '.svg')
    with open(path, 'w') as f:
        f.write(svg_text)
    png = os.path.join(WORK, name + '.png')
    subprocess.run(['rsvg-convert', '-o', png, path], check=True)
    subprocess.run([CONVERT, png, '-strip', '-define', 'png:exclude-chunks=date,time', *extra,
                    os.path.join(ROOT, 'docs', name + '.png')], check=True)


def preview(png_path, name, sw, sh):
    """Keep a copy at its on-screen size (screen way up) for sheets and overlays."""
    out = os.path.join(PREVIEW, name + '.png')
    subprocess.run([CONVERT, png_path, '-resize', f'{int(round(sw))}x{int(round(sh))}!', '-strip',
                    '-define', 'png:exclude-chunks=date,time', out], check=True)
    return out


def rgba_of(png_path):
    """Raw RGBA bytes (top row first) through ImageMagick."""
    out = subprocess.run([CONVERT, png_path, '-depth', '8', 'rgba:-'], check=True, capture_output=True).stdout
    return out


def size_of(png_path):
    out = subprocess.run([CONVERT, png_path, '-format', '%w %h', 'info:'], check=True, capture_output=True).stdout
    w, h = out.split()
    return int(w), int(h)


def write_jpeg(png_path, name, quality=92, flip=GAME_FLIP, comment=None):
    """comment: text kept in the JPEG's comment segment, for checks that read the picture."""
    out = os.path.join(ASSETS, name)
    args = [CONVERT, png_path, '-background', 'black', '-alpha', 'remove', '-alpha', 'off']
    if flip:
        args.append('-flip')
    args += ['-colorspace', 'sRGB', '-type', 'TrueColor', '-strip', '-interlace', 'none',
             '-sampling-factor', '1x1,1x1,1x1', '-quality', str(quality), out]
    subprocess.run(args, check=True)
    if comment is not None:
        with open(out, 'rb') as f:
            data = f.read()
        text = comment.encode('utf-8')
        segment = b'\xff\xfe' + struct.pack('>H', len(text) + 2) + text
        with open(out, 'wb') as f:
            f.write(data[:2] + segment + data[2:])  # right after the start-of-image marker
    return out


def write_tga(png_path, name, flip=GAME_FLIP):
    """Type 2, 32 bpp BGRA, 8 alpha bits, bottom-left origin, no ID field, no colour map.
    Fully transparent pixels are stored black so nothing bleeds through filtering."""
    w, h = size_of(png_path)
    rgba = bytearray(rgba_of(png_path))
    bgra = bytearray(len(rgba))
    bgra[0::4], bgra[1::4], bgra[2::4], bgra[3::4] = rgba[2::4], rgba[1::4], rgba[0::4], rgba[3::4]
    for i in range(3, len(bgra), 4):
        if bgra[i] == 0:
            bgra[i - 3:i] = b'\0\0\0'
    stride = w * 4
    rows = [bytes(bgra[y * stride:(y + 1) * stride]) for y in range(h)]
    if not flip:
        rows.reverse()      # bottom-left origin: bottom row first
    hdr = struct.pack('<BBBHHBHHHHBB', 0, 0, 2, 0, 0, 0, 0, 0, w, h, 32, 8)
    out = os.path.join(ASSETS, name)
    with open(out, 'wb') as f:
        f.write(hdr + b''.join(rows))
    return out


def emit(name, svg_body, screen_w, screen_h, out_w, out_h, defs='', quality=92, flip=GAME_FLIP, centred_text=False,
         comment=None):
    """Render one catalogue picture designed at its on-screen size; write it under assets/.
    centred_text: render at one scale and stretch after (see render_png)."""
    stem, ext = os.path.splitext(name)
    png = render_png(svg_doc(screen_w, screen_h, svg_body, defs), stem + ('_t' if ext == '.tga' else ''), out_w, out_h,
                     (screen_w, screen_h) if centred_text else None)
    preview(png, stem + ('_t' if ext == '.tga' else ''), screen_w, screen_h)
    if ext == '.jpg':
        return write_jpeg(png, name, quality, flip, comment)
    return write_tga(png, name, flip)
