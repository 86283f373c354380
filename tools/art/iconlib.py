"""Pull one icon out of an @iconify-json set (npm data) and embed it in our own SVG."""
import json, os, re, subprocess, functools

ICON_ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), 'node_modules', '@iconify-json')

@functools.lru_cache(maxsize=None)
def load_set(prefix):
    with open(os.path.join(ICON_ROOT, prefix, 'icons.json'), encoding='utf-8') as f:
        return json.load(f)

def get_icon(prefix, name):
    """Return dict(body,left,top,width,height,hflip,vflip,rotate) with aliases resolved."""
    s = load_set(prefix)
    icons, aliases = s['icons'], s.get('aliases', {})
    hflip = vflip = False
    rotate = 0
    seen = 0
    while name not in icons:
        if name not in aliases or seen > 10:
            raise KeyError(f'{prefix}:{name} not found')
        a = aliases[name]
        hflip ^= bool(a.get('hFlip')); vflip ^= bool(a.get('vFlip')); rotate += a.get('rotate', 0)
        name = a['parent']; seen += 1
    ic = icons[name]
    hflip ^= bool(ic.get('hFlip')); vflip ^= bool(ic.get('vFlip')); rotate += ic.get('rotate', 0)
    return dict(body=ic['body'], left=ic.get('left', s.get('left', 0)), top=ic.get('top', s.get('top', 0)),
                width=ic.get('width', s.get('width', 16)), height=ic.get('height', s.get('height', 16)),
                hflip=hflip, vflip=vflip, rotate=rotate % 4)

def uniquify_ids(body, prefix):
    """Prefix every id so several icons can live in one SVG without clashing gradients."""
    ids = set(re.findall(r'\bid="([^"]+)"', body))
    for i in sorted(ids, key=len, reverse=True):
        body = re.sub(r'\bid="%s"' % re.escape(i), f'id="{prefix}{i}"', body)
        body = re.sub(r'url\(#%s\)' % re.escape(i), f'url(#{prefix}{i})', body)
        body = re.sub(r'href="#%s"' % re.escape(i), f'href="#{prefix}{i}"', body)
    return body

_uid = [0]
def embed(prefix, name, x, y, size, color=None, flip=False, attrs='', rotate_deg=0):
    """SVG fragment drawing icon prefix:name in the square (x,y,size,size), aspect kept.
    color replaces currentColor (monochrome sets such as game-icons); may be 'url(#grad)'."""
    ic = get_icon(prefix, name)
    _uid[0] += 1
    body = uniquify_ids(ic['body'], f'i{_uid[0]}_')
    if color:
        body = body.replace('currentColor', color)
    l, t, w, h = ic['left'], ic['top'], ic['width'], ic['height']
    tr = []
    if ic['hflip'] ^ flip:
        tr.append(f'translate({2*l+w} 0) scale(-1 1)')
    if ic['vflip']:
        tr.append(f'translate(0 {2*t+h}) scale(1 -1)')
    if ic['rotate']:
        tr.append(f'rotate({90*ic["rotate"]} {l+w/2} {t+h/2})')
    if tr:
        body = f'<g transform="{" ".join(tr)}">{body}</g>'
    inner = f'<svg x="{x}" y="{y}" width="{size}" height="{size}" viewBox="{l} {t} {w} {h}" overflow="visible">{body}</svg>'
    if rotate_deg:
        inner = f'<g transform="rotate({rotate_deg} {x+size/2} {y+size/2})">{inner}</g>'
    return f'<g {attrs}>{inner}</g>' if attrs else inner

