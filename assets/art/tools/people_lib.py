"""Shared drawing pieces for the people and scene pictures of Tenrali.

Everything here returns SVG text. The pictures are written as plain,
self-contained SVG files by people_portraits.py and people_scenes.py, so a
person can open any of them and edit it by hand afterwards.
"""
import math

LINE = "#5b3a29"          # every outline: dark brown, never black
EYE = "#3b2314"           # dark of the eyes


def f(v):
    """Short number text for SVG coordinates."""
    s = "%.2f" % v
    s = s.rstrip("0").rstrip(".")
    return "0" if s in ("-0", "") else s


def pts(points):
    return " ".join("%s,%s" % (f(x), f(y)) for x, y in points)


def smooth_closed(points, tension=1.0):
    """A closed Catmull-Rom curve through the points, as cubic Beziers."""
    n = len(points)
    out = "M%s %s" % (f(points[0][0]), f(points[0][1]))
    for i in range(n):
        p0 = points[(i - 1) % n]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6 * tension, p1[1] + (p2[1] - p0[1]) / 6 * tension)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6 * tension, p2[1] - (p3[1] - p1[1]) / 6 * tension)
        out += "C%s %s %s %s %s %s" % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return out + "Z"


def smooth_open(points, tension=1.0):
    n = len(points)
    out = "M%s %s" % (f(points[0][0]), f(points[0][1]))
    for i in range(n - 1):
        p0 = points[max(i - 1, 0)]
        p1 = points[i]
        p2 = points[i + 1]
        p3 = points[min(i + 2, n - 1)]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6 * tension, p1[1] + (p2[1] - p0[1]) / 6 * tension)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6 * tension, p2[1] - (p3[1] - p1[1]) / 6 * tension)
        out += "C%s %s %s %s %s %s" % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return out


class Ids:
    """Unique ids for gradients and clip paths inside one file."""

    def __init__(self, prefix="p"):
        self.prefix = prefix
        self.n = 0

    def __call__(self, what="g"):
        self.n += 1
        return "%s%s%d" % (self.prefix, what, self.n)


def svg_doc(w, h, defs, body, title=""):
    head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" '
            'viewBox="0 0 %d %d">\n' % (w, h, w, h))
    if title:
        head += "<title>%s</title>\n" % title
    return head + "<defs>\n" + "\n".join(defs) + "\n</defs>\n" + "\n".join(body) + "\n</svg>\n"


# ---------------------------------------------------------------- ears

def ear_centerline(bx, by, ang, length, bend=0.0, bend_at=0.55, n=18):
    """Points along an ear from its base; ang 0 is straight up, positive leans right.
    bend turns the upper part further (a folded or drooping tip)."""
    out = []
    x, y = bx, by
    step = length / n
    for i in range(n + 1):
        t = i / n
        out.append((x, y, t))
        k = (t - bend_at) / 0.22 + 0.5
        k = 0 if k < 0 else 1 if k > 1 else k * k * (3 - 2 * k)
        h = math.radians(ang + bend * k)
        x += math.sin(h) * step
        y -= math.cos(h) * step
    return out


def ear_shape(line, width, t0=0.0, t1=1.0):
    left, right = [], []
    for i in range(1, len(line) - 1):
        x, y, t = line[i]
        if t < t0 or t > t1:
            continue
        px, py, _ = line[i - 1]
        nx_, ny_, _ = line[i + 1]
        dx, dy = nx_ - px, ny_ - py
        d = math.hypot(dx, dy) or 1
        nx, ny = -dy / d, dx / d
        u = (t - t0) / (t1 - t0)
        w = width / 2 * (0.78 + 0.22 * math.sin(math.pi * min(u / 0.4, 1) / 2)) * math.sqrt(max(0.0, 1 - u ** 3))
        left.append((x + nx * w, y + ny * w))
        right.append((x - nx * w, y - ny * w))
    # rounded tip
    tip = None
    for x, y, t in line:
        if t <= t1:
            tip = (x, y)
    pts_ = left + [tip] + right[::-1]
    return smooth_closed(pts_)


def ear(bx, by, ang, length, width, fur, shade, inner, bend=0.0, sw=2.0, bend_at=0.55):
    line = ear_centerline(bx, by, ang, length, bend, bend_at)
    outer = ear_shape(line, width)
    inner_p = ear_shape(line, width * 0.48, 0.12, 0.9)
    hl = ear_shape(line, width * 0.22, 0.2, 0.55)
    return ('<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
            '<path d="%s" fill="%s"/>'
            '<path d="%s" fill="#ffffff" opacity="0.35"/>'
            % (outer, fur, LINE, f(sw), inner_p, inner, hl))


# ---------------------------------------------------------------- heads and faces

def head_points(cx, cy, rx, ry, cheek=0.07, n=40):
    out = []
    for i in range(n):
        a = 2 * math.pi * i / n
        c, s = math.cos(a), math.sin(a)
        bump = max(0.0, s) * abs(c) * cheek * 2
        out.append((cx + rx * c * (1 + bump), cy + ry * s * (1 - 0.04 * max(0.0, -s))))
    return out


def shaded_blob(path_d, fill, shade, ids, dx=-2.5, dy=-3.0, sw=2.0, hl=None, defs=None):
    """A shape filled with its colour, a soft crescent of shade on the lower right,
    an outline, and optionally a highlight ellipse (x, y, rx, ry)."""
    cid = ids("c")
    defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, path_d))
    s = ('<path d="%s" fill="%s"/>' % (path_d, shade))
    s += ('<g clip-path="url(#%s)"><path d="%s" fill="%s" transform="translate(%s %s)"/>'
          % (cid, path_d, fill, f(dx), f(dy)))
    if hl:
        s += ('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.55"/>'
              % tuple(f(v) for v in hl))
    s += "</g>"
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
        path_d, LINE, f(sw))
    return s


def sparkle(x, y, r, fill="#ffe27a", stroke="#f5a623", sw=1.0, opacity=1.0):
    k = r * 0.28
    d = "M%s %sQ%s %s %s %sQ%s %s %s %sQ%s %s %s %sQ%s %s %s %sZ" % (
        f(x), f(y - r), f(x + k), f(y - k), f(x + r), f(y),
        f(x + k), f(y + k), f(x), f(y + r),
        f(x - k), f(y + k), f(x - r), f(y),
        f(x - k), f(y - k), f(x), f(y - r))
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" opacity="%s"/>' % (
        d, fill, stroke, f(sw), f(opacity))


def heart(x, y, s, fill="#f28cb1", stroke=LINE, sw=1.0):
    d = ("M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z" % (
        f(x), f(y + s * 0.9),
        f(x - s * 1.4), f(y), f(x - s * 0.7), f(y - s * 1.0), f(x), f(y - s * 0.35),
        f(x + s * 0.7), f(y - s * 1.0), f(x + s * 1.4), f(y), f(x), f(y + s * 0.9)))
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (d, fill, stroke, f(sw))


def drop(x, y, s, fill="#a8d4f7", stroke="#2f6db0", sw=1.1):
    d = "M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z" % (
        f(x), f(y - s * 1.3),
        f(x + s * 0.3), f(y - s * 0.6), f(x + s), f(y - s * 0.1), f(x + s), f(y + s * 0.45),
        f(x + s), f(y + s * 1.1), f(x - s), f(y + s * 1.1), f(x - s), f(y + s * 0.45))
    d = d[:-1] + "C%s %s %s %s %s %sZ" % (f(x - s), f(y - s * 0.1), f(x - s * 0.3), f(y - s * 0.6), f(x), f(y - s * 1.3))
    return ('<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>'
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.8"/>'
            % (d, fill, stroke, f(sw), f(x - s * 0.35), f(y + s * 0.35), f(s * 0.22), f(s * 0.35)))


def anger_mark(x, y, s=1.0, color="#e0393e"):
    parts = []
    for sx in (-1, 1):
        for sy in (-1, 1):
            parts.append("M%s %sQ%s %s %s %s" % (
                f(x + sx * 1.6 * s), f(y + sy * 5.2 * s), f(x + sx * 1.6 * s), f(y + sy * 1.6 * s),
                f(x + sx * 5.2 * s), f(y + sy * 1.6 * s)))
    d = " ".join(parts)
    return ('<path d="%s" fill="none" stroke="#ffffff" stroke-width="%s" stroke-linecap="round"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
            % (d, f(4.2 * s), d, color, f(2.1 * s)))


def gothic_text(x, y, text, size, fill, stroke="#ffffff", sw=3, anchor="middle", bold=True, rotate=0, extra=""):
    tr = ' transform="rotate(%s %s %s)"' % (f(rotate), f(x), f(y)) if rotate else ""
    return ('<text x="%s" y="%s" font-family="IPAPGothic" font-size="%s"%s text-anchor="%s" '
            'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" paint-order="stroke"%s%s>%s</text>'
            % (f(x), f(y), f(size), ' font-weight="bold"' if bold else "", anchor, fill, stroke, f(sw),
               tr, extra, text))


def limb(path_d, fill, width, sw=2.0):
    """A sleeve or an arm as a thick stroked path with an outline."""
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" stroke-linejoin="round"/>'
            % (path_d, LINE, f(width + 2 * sw), path_d, fill, f(width)))


def paw(x, y, r, fur, shade, rot=0.0, fingers=True, sw=1.6):
    s = '<g transform="rotate(%s %s %s)">' % (f(rot), f(x), f(y))
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="%s"/>' % (
        f(x), f(y), f(r * 1.05), f(r * 0.9), fur, LINE, f(sw))
    s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round" opacity="0.9"/>' % (
        f(x - r * 0.9), f(y + r * 0.2), f(x), f(y + r * 1.0), f(x + r * 0.9), f(y + r * 0.2), shade)
    if fingers:
        for k in (-0.35, 0.35):
            s += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="1.1" stroke-linecap="round"/>' % (
                f(x + r * k), f(y - r * 0.85), f(x + r * k), f(y - r * 0.35), LINE)
    s += "</g>"
    return s


# ---------------------------------------------------------------- the logo

def logo(x, y, size, ids, defs, rainbow=True):
    """The word "Tenrali" in gold with a small rainbow over its middle; x,y is the
    centre of the baseline."""
    gid = ids("logo")
    defs.append('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1">'
                '<stop offset="0" stop-color="#ffe27a"/><stop offset="1" stop-color="#f5a623"/></linearGradient>' % gid)
    s = ""
    if rainbow:
        cols = ["#e74c3c", "#f39c12", "#f1c40f", "#2ecc71", "#3498db", "#3f51b5", "#9b59b6"]
        band = size * 0.036
        r0 = size * 0.44
        cy = y - size * 0.6
        s += '<g fill="none" stroke-linecap="round">'
        s += '<path d="M%s %sA%s %s 0 0 1 %s %s" stroke="%s" stroke-width="%s"/>' % (
            f(x - r0 - band * 0.5), f(cy), f(r0 + band * 0.5), f(r0 + band * 0.5), f(x + r0 + band * 0.5), f(cy),
            LINE, f(band * 7 + 3))
        for i, c in enumerate(cols):
            r = r0 - i * band + band * 3.5
            s += '<path d="M%s %sA%s %s 0 0 1 %s %s" stroke="%s" stroke-width="%s"/>' % (
                f(x - r), f(cy), f(r), f(r), f(x + r), f(cy), c, f(band + 0.3))
        s += "</g>"
    s += ('<text x="%s" y="%s" font-family="URW Bookman, serif" font-weight="bold" font-size="%s" '
          'text-anchor="middle" fill="url(#%s)" stroke="%s" stroke-width="3" stroke-linejoin="round" '
          'paint-order="stroke">Tenrali</text>' % (f(x), f(y), f(size), gid, LINE))
    return s
