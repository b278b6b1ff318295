"""Shared shapes for the items artist: palette, fruit, gems, seed packets, pot, motifs.

Every function returns SVG text. Functions that need gradients or clip paths take a
`uid` and return (defs, body) so several can live in one file.
"""
import math

from items_font import fit_size, text_width
from palette import KIND_COLOURS, RAINBOW

OUT = "#5b3a29"        # outline brown
CREAM = "#f7ecd6"      # the main window's wall
PARCH = "#f3e6c8"      # the side panel's parchment
PLUM = "#3d2a45"       # the message window
WOOD = "#4a3326"
PURPLE = "#4b2a6b"     # captions
FACE_TOP = "#fbf4e6"
FACE_BOT = "#efe0c4"
GOTHIC = "IPAPGothic"

# main, shade, highlight/accent
KIND = KIND_COLOURS
KINDS = ["hutu", "hare", "kumo", "ame", "kami", "yuki", "ten", "hyou", "niji"]
KIND_JA = {
    "hutu": "ふつう", "hare": "晴れ", "kumo": "曇り", "ame": "雨", "kami": "雷",
    "yuki": "雪", "ten": "天気雨", "hyou": "雹", "niji": "虹",
}
# lines drawn on white snow need a little more weight than the pale shade gives
FLAKE = "#7ab8e3"

LEAF = ("#7cb342", "#558b2f", "#aed581")
STEM = "#6d9a3a"
GOLD = ("#e8b84a", "#b8862a", "#fff1b0")
POT = ("#d9804f", "#b8623a", "#eea077")
SOIL = ("#7a5236", "#5e3d27")


def mix(c1, c2, t):
    """Blend two #rrggbb colours: t=0 gives c1, t=1 gives c2."""
    a = [int(c1[i:i + 2], 16) for i in (1, 3, 5)]
    b = [int(c2[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02x%02x%02x" % tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def f(v):
    """Short number for SVG text."""
    s = ("%.2f" % v).rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def svg(w, h, body, defs=""):
    d = "<defs>%s</defs>\n" % defs if defs else ""
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
            '%s%s\n</svg>\n' % (w, h, w, h, d, body))


def pts(points):
    return " ".join("%s,%s" % (f(x), f(y)) for x, y in points)


def text(x, y, s, size, fill=PURPLE, anchor="middle", bold=True, extra=""):
    return ('<text x="%s" y="%s" font-family="%s" font-size="%s"%s fill="%s" text-anchor="%s"%s>%s</text>'
            % (f(x), f(y), GOTHIC, f(size), ' font-weight="bold"' if bold else "", fill, anchor, extra, s))


def fitted_text(cx, baseline_mid, s, box_w, max_size, fill=PURPLE, anchor="middle", x=None):
    """Caption centred on (cx, baseline_mid): baseline_mid is the caption's optical middle."""
    size = fit_size(s, box_w, max_size)
    y = baseline_mid + size * 0.36
    return text(cx if x is None else x, y, s, size, fill=fill, anchor=anchor)


def squeezed_text(cx, baseline_mid, s, box_w, size, fill=PURPLE):
    """Caption of one size for a whole row of buttons, centred on (cx, baseline_mid); a caption
    wider than box_w is narrowed (not made smaller), so every caption of the row has one height."""
    y = baseline_mid + size * 0.36
    w = text_width(s, size)
    k = min(1.0, box_w / w)
    if k >= 1.0:
        return text(cx, y, s, size, fill=fill)
    # set from its start (librsvg misplaces a centred text inside a scaled group)
    return '<g transform="translate(%s,0) scale(%s,1) translate(%s,0)">%s</g>' % (
        f(cx), ('%.3f' % k).rstrip('0'), f(-cx), text(cx - w / 2, y, s, size, fill=fill, anchor="start"))


# ---------------------------------------------------------------- primitives
# A body is a list of primitives; drawing the union: strokes first (fat, underneath),
# then the fills, so overlapping circles read as one outlined shape.

def prim(p, attrs):
    k = p[0]
    if k == "c":
        return '<circle cx="%s" cy="%s" r="%s" %s/>' % (f(p[1]), f(p[2]), f(p[3]), attrs)
    if k == "e":
        return '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" %s/>' % (f(p[1]), f(p[2]), f(p[3]), f(p[4]), attrs)
    if k == "p":
        return '<path d="%s" %s/>' % (p[1], attrs)
    if k == "g":
        return '<polygon points="%s" %s/>' % (pts(p[1]), attrs)
    raise ValueError(k)


def union_outline(prims, sw):
    return "".join(prim(p, 'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"'
                        % (OUT, OUT, f(sw * 2))) for p in prims)


def union_fill(prims, fill, extra=""):
    return "".join(prim(p, 'fill="%s"%s' % (fill, extra)) for p in prims)


def clip_def(cid, prims):
    return '<clipPath id="%s">%s</clipPath>' % (cid, "".join(prim(p, "") for p in prims))


def drop_path(cx, cy, r, tip=1.45):
    """A drop: round bottom centred at (cx, cy), point upwards."""
    ty = cy - tip * r
    return ("M%s,%s C%s,%s %s,%s %s,%s A%s,%s 0 0 1 %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx), f(ty), f(cx + 0.25 * r), f(ty + 0.45 * r), f(cx + r), f(cy - 0.55 * r), f(cx + r), f(cy),
        f(r), f(r), f(cx - r), f(cy),
        f(cx - r), f(cy - 0.55 * r), f(cx - 0.25 * r), f(ty + 0.45 * r), f(cx), f(ty)))


def hexagon(cx, cy, r, flat=False):
    a0 = 0 if flat else 30
    return [(cx + r * math.cos(math.radians(a0 + 60 * i)), cy + r * math.sin(math.radians(a0 + 60 * i)))
            for i in range(6)]


def bolt_points(cx, cy, s):
    u = [(0.18, -1.0), (-0.42, 0.12), (-0.04, 0.12), (-0.26, 1.0), (0.46, -0.2), (0.06, -0.2), (0.36, -1.0)]
    return [(cx + x * s, cy + y * s) for x, y in u]


def cloud_prims(cx, cy, r):
    return [("c", cx - 0.52 * r, cy + 0.18 * r, 0.55 * r),
            ("c", cx + 0.55 * r, cy + 0.2 * r, 0.52 * r),
            ("c", cx - 0.08 * r, cy - 0.2 * r, 0.7 * r),
            ("c", cx + 0.42 * r, cy - 0.22 * r, 0.46 * r),
            ("e", cx, cy + 0.36 * r, 0.98 * r, 0.42 * r)]


def body_prims(kind, cx, cy, r):
    """The outline of the fruit (and gem) of a kind."""
    if kind == "kumo":
        return cloud_prims(cx, cy, r)
    if kind == "ame":
        return [("p", drop_path(cx, cy + 0.18 * r, 0.95 * r))]
    if kind == "hyou":
        return [("g", [(cx, cy - 1.08 * r), (cx + 0.95 * r, cy - 0.5 * r), (cx + 0.95 * r, cy + 0.5 * r),
                       (cx, cy + 1.08 * r), (cx - 0.95 * r, cy + 0.5 * r), (cx - 0.95 * r, cy - 0.5 * r)])]
    if kind == "hutu":
        return [("e", cx, cy + 0.03 * r, 1.02 * r, 0.95 * r)]
    return [("c", cx, cy, r)]


# ---------------------------------------------------------------- motifs

def sun_rays(cx, cy, r0, r1, n=8, fill=None, sw=1.5, phase=0.0, width=0.32):
    """Triangular rays around a centre, outlined."""
    fill = fill or KIND["hare"][2]
    out = []
    for i in range(n):
        a = 2 * math.pi * i / n + phase
        b = width * 2 * math.pi / n
        p = [(cx + r0 * math.cos(a - b), cy + r0 * math.sin(a - b)),
             (cx + r1 * math.cos(a), cy + r1 * math.sin(a)),
             (cx + r0 * math.cos(a + b), cy + r0 * math.sin(a + b))]
        out.append('<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
                   % (pts(p), fill, OUT, f(sw)))
    return "".join(out)


def snowflake(cx, cy, s, color=FLAKE, sw=1.4):
    d = []
    for i in range(6):
        a = math.radians(90 + 60 * i)
        ex, ey = cx + s * math.cos(a), cy - s * math.sin(a)
        d.append("M%s,%sL%s,%s" % (f(cx), f(cy), f(ex), f(ey)))
        mx, my = cx + 0.58 * s * math.cos(a), cy - 0.58 * s * math.sin(a)
        for da in (-0.7, 0.7):
            bx = mx + 0.32 * s * math.cos(a + da)
            by = my - 0.32 * s * math.sin(a + da)
            d.append("M%s,%sL%s,%s" % (f(mx), f(my), f(bx), f(by)))
    return '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        "".join(d), color, f(sw))


def drop(cx, cy, r, fill, sw=1.2, hi=True):
    s = '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
        drop_path(cx, cy, r), fill, OUT, f(sw))
    if hi:
        s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#fff" opacity="0.75"/>' % (
            f(cx - 0.35 * r), f(cy - 0.25 * r), f(0.22 * r), f(0.38 * r))
    return s


def grain(cx, cy, r, sw=1.0):
    """A faceted hail grain."""
    m, sh, hi = KIND["hyou"]
    h = hexagon(cx, cy, r)
    inner = hexagon(cx - 0.1 * r, cy - 0.1 * r, 0.45 * r)
    s = '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
        pts(h), m, OUT, f(sw))
    s += '<polygon points="%s" fill="%s" opacity="0.55"/>' % (pts([h[0], h[1], h[2], (cx, cy)]), sh)
    s += '<polygon points="%s" fill="%s"/>' % (pts(inner), hi)
    return s


def rainbow_arc(cx, cy, r_out, band, lo=None):
    """Seven concentric half rings, red outside. Returns path strokes."""
    out = []
    for i, c in enumerate(RAINBOW):
        r = r_out - band * (i + 0.5)
        out.append('<path d="M%s,%s A%s,%s 0 0 1 %s,%s" fill="none" stroke="%s" stroke-width="%s"/>' % (
            f(cx - r), f(cy), f(r), f(r), f(cx + r), f(cy), c, f(band + 0.15)))
    return "".join(out)


def cloud(cx, cy, r, fill="#ffffff", shade="#dfe5ec", sw=1.5):
    ps = cloud_prims(cx, cy, r)
    s = union_outline(ps, sw / 2 + 0.01) if sw else ""
    s += union_fill(ps, shade)
    inner = []
    for p in ps:  # shrunk a little and raised, so the shade shows along the bottom only
        if p[0] == "c":
            inner.append(("c", p[1] - 0.03 * r, p[2] - 0.06 * r, p[3] - 0.09 * r))
        else:
            inner.append(("e", p[1] - 0.03 * r, p[2] - 0.06 * r, p[3] - 0.09 * r, p[4] - 0.09 * r))
    s += union_fill(inner, fill)
    return s


def leaf_path(x0, y0, x1, y1, bulge=0.45):
    """A leaf from (x0,y0) to its tip (x1,y1)."""
    dx, dy = x1 - x0, y1 - y0
    nx, ny = -dy * bulge, dx * bulge
    mx, my = (x0 + x1) / 2, (y0 + y1) / 2
    return "M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" % (
        f(x0), f(y0), f(mx + nx), f(my + ny), f(x1), f(y1), f(mx - nx), f(my - ny), f(x0), f(y0))


def leaf(x0, y0, x1, y1, sw=1.5, bulge=0.45):
    m, sh, hi = LEAF
    d = leaf_path(x0, y0, x1, y1, bulge)
    vein = "M%s,%s L%s,%s" % (f(x0), f(y0), f(x0 + 0.8 * (x1 - x0)), f(y0 + 0.8 * (y1 - y0)))
    return ('<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" opacity="0.8"/>'
            % (d, m, OUT, f(sw), vein, sh, f(sw * 0.6)))


# ---------------------------------------------------------------- fruit and gems

def _gloss_def(gid):
    return ('<radialGradient id="%s" cx="0.32" cy="0.28" r="0.6">'
            '<stop offset="0" stop-color="#ffffff" stop-opacity="0.6"/>'
            '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>' % gid)


def _bbox(kind, cx, cy, r):
    if kind == "ame":
        return cx - r, cy - 1.3 * r, 2 * r, 2.4 * r
    if kind == "hyou":
        return cx - r, cy - 1.1 * r, 2 * r, 2.2 * r
    if kind == "kumo":
        return cx - 1.1 * r, cy - 0.95 * r, 2.2 * r, 1.75 * r
    return cx - r, cy - r, 2 * r, 2 * r


def _kind_overlay(kind, cx, cy, r, sw, uid, gem):
    """The motif painted on the body (inside the clip)."""
    m, sh, hi = KIND[kind]
    s = ""
    if kind == "hutu" and not gem:
        s += '<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" opacity="0.8"/>' % (
            f(cx + 0.05 * r), f(cy - 0.8 * r), f(cx + 0.45 * r), f(cy), f(cx + 0.1 * r), f(cy + 0.85 * r), sh, f(max(1.0, r * 0.09)))
    if kind == "kami":
        s += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
            pts(bolt_points(cx + 0.05 * r, cy + 0.02 * r, 0.72 * r)), hi, OUT, f(max(1.0, sw * 0.6)))
    elif kind == "yuki":
        s += snowflake(cx + 0.05 * r, cy + 0.05 * r, 0.6 * r, FLAKE, max(0.9, r * 0.09))
    elif kind == "niji":
        band = 2 * r / 8.2
        for i, c in enumerate(RAINBOW):
            rr = 1.95 * r - band * i
            s += '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(cx + 0.1 * r), f(cy + 1.25 * r), f(rr), c)
        s += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="0.9"/>' % (
            f(cx + 0.1 * r), f(cy + 1.25 * r), f(1.95 * r - band * 7))
    elif kind == "hyou":
        x0, y0 = cx - 0.05 * r, cy - 0.08 * r
        inner = [(x0, y0 - 0.5 * r), (x0 + 0.45 * r, y0 - 0.22 * r), (x0 + 0.45 * r, y0 + 0.25 * r),
                 (x0, y0 + 0.52 * r), (x0 - 0.45 * r, y0 + 0.25 * r), (x0 - 0.45 * r, y0 - 0.22 * r)]
        outer = body_prims("hyou", cx, cy, r)[0][1]
        s += '<polygon points="%s" fill="%s" opacity="0.5"/>' % (
            pts([outer[1], outer[2], outer[3], inner[3], inner[2], inner[1]]), sh)
        s += '<polygon points="%s" fill="%s"/>' % (pts(inner), hi)
        lines = "".join("M%s,%sL%s,%s" % (f(a[0]), f(a[1]), f(b[0]), f(b[1])) for a, b in zip(outer, inner))
        s += '<path d="%s" stroke="%s" stroke-width="%s" fill="none" opacity="0.55"/>' % (lines, sh, f(sw * 0.5))
    return s


def facets(kind, cx, cy, r, sw):
    """Brilliant-cut facets: a bright table and a ring of facets lit from the upper left."""
    m, sh, hi = KIND[kind]
    line = FLAKE if kind == "yuki" else sh
    ty = cy - 0.06 * r
    tr, orr = 0.48 * r, 1.6 * r
    T = [(cx + tr * math.cos(math.radians(22.5 + 45 * i)), ty + tr * math.sin(math.radians(22.5 + 45 * i))) for i in range(8)]
    O = [(cx + orr * math.cos(math.radians(22.5 + 45 * i)), ty + orr * math.sin(math.radians(22.5 + 45 * i))) for i in range(8)]
    s = ""
    for i in range(8):
        j = (i + 1) % 8
        a = math.radians(45 * i + 45)
        light = math.cos(a - math.radians(225))
        if light > 0.35:
            fill, op = "#ffffff", 0.38
        elif light < -0.35:
            fill, op = sh, 0.55
        else:
            fill, op = hi, 0.25
        s += '<polygon points="%s" fill="%s" opacity="%s"/>' % (pts([T[i], T[j], O[j], O[i]]), fill, f(op))
    lines = "".join("M%s,%sL%s,%s" % (f(a[0]), f(a[1]), f(b[0]), f(b[1])) for a, b in zip(T, O))
    s += '<path d="%s" stroke="%s" stroke-width="%s" fill="none" opacity="0.6"/>' % (lines, line, f(max(0.6, sw * 0.4)))
    table = "#ffffff" if kind in ("yuki", "niji") else mix(m, "#ffffff", 0.4 if kind != "hutu" else 0.55)
    s += '<polygon points="%s" fill="%s" fill-opacity="%s" stroke="%s" stroke-width="%s" stroke-opacity="0.7"/>' % (
        pts(T), table, "0.3" if kind == "niji" else "1", line, f(max(0.6, sw * 0.4)))
    s += '<polygon points="%s" fill="#ffffff" opacity="0.45"/>' % pts([T[4], T[5], T[6], (cx, ty)])
    return s


def fruit(kind, cx, cy, r, uid, sw=2.0, stem=True, gem=False, glint=True):
    """The glossy fruit (or, with gem=True, the faceted gem) of a kind. Returns (defs, body)."""
    m, sh, hi = KIND[kind]
    prims = body_prims(kind, cx, cy, r)
    cid, gid = "clip" + uid, "gloss" + uid
    defs = clip_def(cid, prims) + _gloss_def(gid)
    s = ""
    if kind == "hare":
        s += sun_rays(cx, cy, r * 0.92, r * (1.42 if not gem else 1.38), 8, KIND["hare"][2], max(1.0, sw * 0.7))
    if stem and not gem:
        top = cy - r * (1.25 if kind == "ame" else (0.85 if kind == "kumo" else 0.95))
        s += ('<path d="M%s,%s Q%s,%s %s,%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
              % (f(cx), f(top + 1), f(cx + 0.05 * r), f(top - 0.25 * r), f(cx + 0.2 * r), f(top - 0.38 * r),
                 OUT, f(max(1.6, r * 0.16))))
        big = kind == "hutu"
        s += leaf(cx + 0.05 * r, top - 0.12 * r, cx + (0.95 if big else 0.6) * r, top - (0.55 if big else 0.4) * r,
                  max(1.0, sw * 0.75))
    s += union_outline(prims, sw / 2)
    s += union_fill(prims, sh)
    off = 0.13 * r
    s += '<g clip-path="url(#%s)">' % cid
    s += '<g transform="translate(%s,%s)">%s</g>' % (f(-off), f(-off), union_fill(prims, m))
    if gem and kind not in ("hyou", "niji"):
        s += facets(kind, cx, cy, r, sw)
    s += _kind_overlay(kind, cx, cy, r, sw, uid, gem)
    if gem and kind == "niji":
        s += "".join(x + "/>" for x in facets(kind, cx, cy, r, sw).split("/>") if "<path" in x)
    bx, by, bw, bh = _bbox(kind, cx, cy, r)
    s += '<rect x="%s" y="%s" width="%s" height="%s" fill="url(#%s)"/>' % (f(bx), f(by), f(bw), f(bh), gid)
    s += '</g>'
    if kind == "ten":
        s += drop(cx + 0.52 * r, cy + 0.42 * r, 0.34 * r, hi, max(0.9, sw * 0.6))
        s += drop(cx - 0.1 * r, cy + 0.66 * r, 0.27 * r, hi, max(0.9, sw * 0.6))
        s += drop(cx + 0.9 * r, cy - 0.18 * r, 0.24 * r, hi, max(0.9, sw * 0.6))
    if gem and kind == "hutu":
        s += leaf(cx + 0.45 * r, cy - 0.72 * r, cx + 1.0 * r, cy - 1.05 * r, max(0.9, sw * 0.7), 0.5)
    if glint:
        gx, gy = cx - 0.42 * r, cy - 0.42 * r
        if kind == "ame":
            gx, gy = cx - 0.4 * r, cy - 0.05 * r
        if kind == "kumo":
            gx, gy = cx - 0.35 * r, cy - 0.45 * r
        s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.8" transform="rotate(-40 %s %s)"/>' % (
            f(gx), f(gy), f(0.3 * r), f(0.15 * r), f(gx), f(gy))
        s += sparkle(gx + 0.52 * r, gy - 0.12 * r, max(1.6, 0.22 * r))
    return defs, s


def gem(kind, cx, cy, r, uid, sw=1.5):
    return fruit(kind, cx, cy, r, uid, sw=sw, stem=False, gem=True)


def sparkle(cx, cy, s, fill="#ffffff", op=0.95):
    k = 0.22 * s
    p = [(cx, cy - s), (cx + k, cy - k), (cx + s, cy), (cx + k, cy + k), (cx, cy + s), (cx - k, cy + k), (cx - s, cy), (cx - k, cy - k)]
    return '<polygon points="%s" fill="%s" opacity="%s"/>' % (pts(p), fill, f(op))


# ---------------------------------------------------------------- motif badges (small, for packets)

def motif_badge(kind, cx, cy, s, uid):
    """The kind's motif as a small sign (no gradients): used on seed packets and the frame."""
    m, sh, hi = KIND[kind]
    if kind == "hutu":
        return ('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (
            f(cx), f(cy + 0.12 * s), f(0.55 * s), "#fff5de", OUT)
            + leaf(cx, cy - 0.4 * s, cx + 0.6 * s, cy - 0.85 * s, 0.9))
    if kind == "hare":
        return (sun_rays(cx, cy, 0.5 * s, 0.95 * s, 8, hi, 0.9)
                + '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (f(cx), f(cy), f(0.52 * s), hi, OUT))
    if kind == "kumo":
        return cloud(cx, cy + 0.1 * s, 0.72 * s, "#ffffff", "#dfe5ec", 1.0)
    if kind == "ame":
        return drop(cx - 0.35 * s, cy + 0.1 * s, 0.36 * s, hi, 0.9) + drop(cx + 0.38 * s, cy + 0.4 * s, 0.3 * s, hi, 0.9)
    if kind == "kami":
        return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1" stroke-linejoin="round"/>' % (
            pts(bolt_points(cx, cy, 0.95 * s)), hi, OUT)
    if kind == "yuki":
        return snowflake(cx, cy, 0.9 * s, "#ffffff", max(1.2, 0.16 * s))
    if kind == "ten":
        return ('<circle cx="%s" cy="%s" r="%s" fill="#ffe98a" stroke="%s" stroke-width="1"/>' % (f(cx - 0.2 * s), f(cy - 0.25 * s), f(0.5 * s), OUT)
                + drop(cx + 0.42 * s, cy + 0.35 * s, 0.3 * s, hi, 0.9) + drop(cx - 0.25 * s, cy + 0.62 * s, 0.24 * s, hi, 0.9))
    if kind == "hyou":
        return grain(cx - 0.35 * s, cy + 0.2 * s, 0.42 * s, 0.9) + grain(cx + 0.4 * s, cy - 0.2 * s, 0.36 * s, 0.9) + grain(cx + 0.3 * s, cy + 0.6 * s, 0.25 * s, 0.8)
    if kind == "niji":
        return rainbow_arc(cx, cy + 0.45 * s, 0.95 * s, 0.1 * s)
    raise ValueError(kind)


def motif_sign(kind, cx, cy, s):
    """The kind's motif in its own strong colours, for a light ground (seed packets' windows)."""
    m, sh, hi = KIND[kind]
    if kind == "hutu":
        return ('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (f(cx), f(cy + 0.15 * s), f(0.62 * s), sh, OUT)
                + '<circle cx="%s" cy="%s" r="%s" fill="#fff" opacity="0.8"/>' % (f(cx - 0.25 * s), f(cy - 0.1 * s), f(0.16 * s))
                + leaf(cx, cy - 0.42 * s, cx + 0.75 * s, cy - 0.9 * s, 0.9))
    if kind == "hare":
        return (sun_rays(cx, cy, 0.5 * s, 1.0 * s, 8, hi, 0.9)
                + '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (f(cx), f(cy), f(0.55 * s), m, OUT))
    if kind == "kumo":
        return cloud(cx, cy + 0.1 * s, 0.78 * s, m, sh, 1.0)
    if kind == "ame":
        return drop(cx - 0.3 * s, cy + 0.05 * s, 0.4 * s, m, 0.9) + drop(cx + 0.45 * s, cy + 0.45 * s, 0.32 * s, m, 0.9)
    if kind == "kami":
        return '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1" stroke-linejoin="round"/>' % (
            pts(bolt_points(cx, cy, 0.98 * s)), hi, OUT)
    if kind == "yuki":
        return snowflake(cx, cy, 0.95 * s, "#4f8fc8", max(1.1, 0.16 * s))
    if kind == "ten":
        return ('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1"/>' % (f(cx - 0.2 * s), f(cy - 0.2 * s), f(0.55 * s), m, OUT)
                + drop(cx + 0.45 * s, cy + 0.38 * s, 0.32 * s, "#6ec3ef", 0.9) + drop(cx - 0.3 * s, cy + 0.65 * s, 0.26 * s, "#6ec3ef", 0.9))
    if kind == "hyou":
        return grain(cx - 0.35 * s, cy + 0.25 * s, 0.48 * s, 0.9) + grain(cx + 0.42 * s, cy - 0.2 * s, 0.42 * s, 0.9)
    if kind == "niji":
        return rainbow_arc(cx, cy + 0.5 * s, 1.0 * s, 0.1 * s)
    raise ValueError(kind)


# ---------------------------------------------------------------- pot

POT_TOP = 56.5  # y of the soil's crown: plants grow from (50, POT_TOP)


def pot(extra_on_soil=""):
    m, sh, hi = POT
    s = '<ellipse cx="50" cy="95.5" rx="31" ry="3.5" fill="#e3d2b2"/>'
    # soil mound, mostly hidden by the rim
    s += '<path d="M24,64 Q25,55 50,54.5 Q75,55 76,64 Z" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (SOIL[0], OUT)
    s += '<path d="M31,59.5 q3,-1.5 6,0 M57,58.5 q3,-1.5 6,0 M43,58 q2,-1 4,0" fill="none" stroke="%s" stroke-width="1.2" stroke-linecap="round"/>' % SOIL[1]
    s += extra_on_soil
    # body
    body = "M28,70 L72,70 L67.5,91 Q67,94 64,94 L36,94 Q33,94 32.5,91 Z"
    s += '<path d="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (body, m, OUT)
    s += '<path d="M60,71 L70.5,71 L66.3,90.5 Q65.9,92.8 63.5,92.8 L58,92.8 Z" fill="%s"/>' % sh
    s += '<path d="M34,73 L37,73 L39,90 L36.5,90 Z" fill="%s" opacity="0.8"/>' % hi
    s += '<path d="M33,82 Q50,85 67,82" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % sh
    # rim
    s += '<rect x="21.5" y="61" width="57" height="11" rx="3.5" fill="#e08c5c" stroke="%s" stroke-width="2"/>' % OUT
    s += '<rect x="64" y="62" width="13.5" height="9" rx="2.5" fill="%s"/>' % sh
    s += '<rect x="25" y="63" width="30" height="2.4" rx="1.2" fill="%s" opacity="0.9"/>' % hi
    return s
