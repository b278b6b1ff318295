#!/usr/bin/env python3
"""Writes the portrait cards (100x100) and the contestant cards (70x100).

    python3 assets/art/tools/people_portraits.py            # every card
    python3 assets/art/tools/people_portraits.py usam3 csow2  # only these

Each card is built from a character (fur, clothes, hair) and an expression
(ears, eyes, brows, mouth, paws, little marks). The SVGs it writes are plain
files; after hand-editing one, do not run the generator over it again.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from people_lib import (LINE, EYE, f, Ids, svg_doc, ear, head_points, smooth_closed, smooth_open,
                        shaded_blob, sparkle, heart, drop, anger_mark, gothic_text, limb, paw)

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.normpath(os.path.join(HERE, "..", "portraits"))

# ---------------------------------------------------------------- the cast

CAST = {
    "hero": dict(fur="#c89a6a", shade="#a87a4c", muzzle="#f3e3cc", inner="#eeb2a4", nose="#8a4e3a",
                 iris="#8a5a2a", brow="#7a5434", lashes=False, ear_len=30.5, ear_w=12.5, head=(24, 21)),
    "heroine": dict(fur="#f6e8cf", shade="#e2cfae", muzzle="#fffaf0", inner="#f7b9c6", nose="#e88fa0",
                    iris="#4f7fbf", brow="#c9a57a", lashes=True, ear_len=32, ear_w=12, head=(23, 20.5)),
    "rival": dict(fur="#ffffff", shade="#e4e4ee", muzzle="#ffffff", inner="#f6c1d9", nose="#e68aa8",
                  iris="#9b4fb0", brow="#d9a53a", lashes=True, ear_len=32, ear_w=12, head=(23, 20.5)),
    "butler": dict(fur="#9a9a9a", shade="#7e7e84", muzzle="#d9d9d9", inner="#c9a7ad", nose="#5e4a4a",
                   iris="#3e4e5e", brow="#e8e8e8", lashes=False, ear_len=30.5, ear_w=11.5, head=(23, 21)),
    "seedkeeper": dict(fur="#e3c9a0", shade="#c9ab7c", muzzle="#f8ecd6", inner="#efb8a8", nose="#b06a58",
                       iris="#6a7a3a", brow="#a8865a", lashes=True, ear_len=30.5, ear_w=12.5, head=(24, 21)),
    "accessory": dict(fur="#8a5a3a", shade="#6e4429", muzzle="#e9cfae", inner="#d89a8a", nose="#3e2418",
                      iris="#3b2314", brow="#4e2e1a", lashes=False, ear_len=29, ear_w=14, head=(27, 22)),
}

# card backgrounds by mood: (top colour, bottom colour)
MOODS = {
    "calm": ("#fbf3e2", "#ecd9b8"),
    "gloom": ("#dfe3ef", "#b9c2d8"),
    "puzzle": ("#f1e8f6", "#d8c6e6"),
    "sunny": ("#fff6cf", "#ffd98a"),
    "gold": ("#fff3c4", "#f6cf78"),
    "angry": ("#ffe0d4", "#f4a590"),
    "pink": ("#ffeef2", "#f9cbd7"),
    "blue": ("#e8f1fb", "#bcd3ee"),
    "lilac": ("#f7e9f7", "#e2c3e4"),
    "rich": ("#f8e6f4", "#d9a9d2"),
    "grey": ("#eef0f3", "#c9ced6"),
    "green": ("#f1f7e4", "#cfe3b3"),
    "shop": ("#fdf0dc", "#f0cfa0"),
}

# ---------------------------------------------------------------- face parts


def eye(ids, defs, x, y, kind, side, c, lid=0.0, look=(0, 0), s=1.0):
    """One eye. side -1 is the left one on the picture, +1 the right one.
    lid: for half-shut kinds, how the lid slants (+ inner end down = angry,
    - inner end up = worried)."""
    rx, ry = 4.3 * s, 5.4 * s
    x += look[0]
    y += look[1]
    out = ""
    lash = c["lashes"]

    def solid(extra_glint=False):
        g = '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (f(x), f(y), f(rx), f(ry), EYE)
        g += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" opacity="0.9"/>' % (
            f(x), f(y + 2.0 * s), f(rx * 0.72), f(ry * 0.5), c["iris"])
        g += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>' % (f(x + 1.3 * s), f(y - 2.1 * s), f(1.75 * s))
        g += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="0.9"/>' % (f(x - 1.4 * s), f(y + 2.4 * s), f(0.85 * s))
        if extra_glint:
            g += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>' % (f(x - 1.5 * s), f(y - 1.0 * s), f(1.0 * s))
        return g

    def lashes_top():
        if not lash:
            return ""
        ox = x + side * rx * 0.95
        return '<path d="M%s %sL%s %s" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % (
            f(ox - side * 0.4), f(y - ry * 0.45), f(ox + side * 2.0 * s), f(y - ry * 0.95), EYE)

    if kind in ("open", "shine"):
        out += solid(kind == "shine") + lashes_top()
    elif kind == "tear":
        out += solid(True) + lashes_top()
        out += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="#a8d4f7" stroke-width="2.2" stroke-linecap="round" opacity="0.95"/>' % (
            f(x - rx), f(y + ry * 0.55), f(x), f(y + ry * 1.05), f(x + rx), f(y + ry * 0.55))
    elif kind == "happy":
        out += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="2.3" stroke-linecap="round"/>' % (
            f(x - rx * 1.05), f(y + 1.2 * s), f(x), f(y - 5.2 * s), f(x + rx * 1.05), f(y + 1.2 * s), EYE)
        if lash:
            out += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % (
                f(x + side * rx * 1.0), f(y + 0.6 * s), f(x + side * (rx + 2.2 * s)), f(y - 0.3 * s), EYE)
    elif kind == "closed":
        out += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="2.2" stroke-linecap="round"/>' % (
            f(x - rx * 1.05), f(y - 0.2 * s), f(x), f(y + 3.8 * s), f(x + rx * 1.05), f(y - 0.2 * s), EYE)
        if lash:
            for k in (0.55, 1.0):
                bx = x + side * rx * k
                out += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="1.2" stroke-linecap="round"/>' % (
                    f(bx), f(y + (1.4 if k < 1 else 0.1) * s), f(bx + side * 1.6 * s), f(y + (3.2 if k < 1 else 1.6) * s), EYE)
    elif kind == "squeeze":       # > <
        d = "M%s %sL%s %sL%s %s" % (f(x - side * 3.6 * s), f(y - 3.4 * s), f(x + side * 3.0 * s), f(y),
                                   f(x - side * 3.6 * s), f(y + 3.4 * s))
        out += '<path d="%s" fill="none" stroke="%s" stroke-width="2.3" stroke-linecap="round" stroke-linejoin="round"/>' % (d, EYE)
    elif kind == "wide":
        out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" stroke="%s" stroke-width="1.6"/>' % (
            f(x), f(y), f(rx * 1.12), f(ry * 1.1), EYE)
        out += '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y + 0.4), f(2.0 * s), EYE)
        out += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>' % (f(x + 0.7), f(y - 0.5), f(0.7 * s))
    elif kind == "dot":
        out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (f(x), f(y), f(2.3 * s), f(2.9 * s), EYE)
        out += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff"/>' % (f(x + 0.8), f(y - 1.1), f(0.8 * s))
    elif kind in ("half", "angry", "worried", "smug"):
        # a lid line through the eye; the eye shows only below it
        inner = -side  # direction of the face centre
        if kind == "half":
            y0, slope = -0.6, 0.0
        elif kind == "smug":
            y0, slope = -0.2, 0.35
        elif kind == "angry":
            y0, slope = -1.9, 0.85 + lid
        else:
            y0, slope = -1.4, -(0.7 + lid)
        # the lid end nearer the centre goes down by slope*rx
        xi, xo = x + inner * (rx + 1.6), x - inner * (rx + 1.6)
        yi = y + y0 * s + slope * rx * 0.55
        yo = y + y0 * s - slope * rx * 0.55
        cid = ids("e")
        poly = "%s,%s %s,%s %s,%s %s,%s" % (f(xi), f(yi), f(xo), f(yo), f(xo), f(y + ry + 3), f(xi), f(y + ry + 3))
        defs.append('<clipPath id="%s"><polygon points="%s"/></clipPath>' % (cid, poly))
        out += '<g clip-path="url(#%s)">%s</g>' % (cid, solid())
        lw = 2.3 if kind in ("angry", "half", "smug") else 2.0
        out += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
            f(xi - inner * 0.6), f(yi), f(xo + inner * 0.2), f(yo), EYE, f(lw))
        if lash:
            out += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % (
                f(xo), f(yo), f(xo - inner * 2.0), f(yo - 1.6), EYE)
    elif kind == "swirl":
        d = "M%s %s" % (f(x), f(y))
        for i in range(1, 22):
            a = i * 0.62
            r = 0.26 * i * s
            d += "L%s %s" % (f(x + math.cos(a * side) * r), f(y + math.sin(a * side) * r * 1.1))
        out += '<path d="%s" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % (d, EYE)
    elif kind == "smile":          # open eye, lower part pushed up by the cheek
        cid = ids("e")
        defs.append('<clipPath id="%s"><path d="M%s %sL%s %sL%s %sQ%s %s %s %sZ"/></clipPath>' % (
            cid, f(x - rx - 2), f(y - ry - 2), f(x + rx + 2), f(y - ry - 2), f(x + rx + 2), f(y + 2.8 * s),
            f(x), f(y - 0.6 * s), f(x - rx - 2), f(y + 2.8 * s)))
        out += '<g clip-path="url(#%s)">%s</g>' % (cid, solid())
        out += lashes_top()
    return out


def brow(x, y, side, tilt, raise_=0.0, c=None, w=1.9, length=4.2):
    """tilt > 0: inner end up (worried); tilt < 0: inner end down (angry)."""
    inner = -side
    by = y - 9.2 - raise_
    xi, xo = x + inner * length * 0.9, x - inner * length * 0.9
    yi = by - tilt
    yo = by + tilt * 0.35
    mx, my = (xi + xo) / 2, (yi + yo) / 2 - 1.0
    return '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        f(xi), f(yi), f(mx), f(my), f(xo), f(yo), c["brow"], f(w))


def mouth(kind, c, cx=50.0, y=67.5, s=1.0):
    L = LINE
    st = 'fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round" stroke-linejoin="round"' % L
    inside = "#a8404a"
    tongue = "#f07f8f"
    out = ""

    def teeth(y0, w=1.6):
        return ('<rect x="%s" y="%s" width="%s" height="%s" rx="0.6" fill="#ffffff" stroke="%s" stroke-width="0.9"/>'
                '<rect x="%s" y="%s" width="%s" height="%s" rx="0.6" fill="#ffffff" stroke="%s" stroke-width="0.9"/>'
                % (f(cx - w - 0.05), f(y0), f(w), f(2.4), L, f(cx + 0.05), f(y0), f(w), f(2.4), L))

    if kind == "neutral":
        out += '<path d="M%s %sL%s %sM%s %sQ%s %s %s %sQ%s %s %s %s" %s/>' % (
            f(cx), f(y - 1.5), f(cx), f(y + 0.6), f(cx - 3.6), f(y + 0.9), f(cx - 1.8), f(y + 2.6), f(cx), f(y + 0.6),
            f(cx + 1.8), f(y + 2.6), f(cx + 3.6), f(y + 0.9), st)
    elif kind == "smile":
        out += '<path d="M%s %sL%s %sM%s %sQ%s %s %s %sQ%s %s %s %s" %s/>' % (
            f(cx), f(y - 1.5), f(cx), f(y + 0.8), f(cx - 5.5), f(y - 0.4), f(cx - 2.6), f(y + 3.6), f(cx), f(y + 0.8),
            f(cx + 2.6), f(y + 3.6), f(cx + 5.5), f(y - 0.4), st)
    elif kind in ("open", "grin", "laugh"):
        wdt = {"open": 5.2, "grin": 7.0, "laugh": 7.2}[kind]
        dep = {"open": 7.5, "grin": 9.5, "laugh": 11.5}[kind]
        top = y + 0.4
        d = "M%s %sQ%s %s %s %sQ%s %s %s %sZ" % (
            f(cx - wdt), f(top), f(cx), f(top + dep * 1.35), f(cx + wdt), f(top),
            f(cx), f(top + 1.6), f(cx - wdt), f(top))
        cid = "m%d" % id(d)
        out += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (d, inside, L)
        out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (
            f(cx), f(top + dep * 0.55), f(wdt * 0.5), f(dep * 0.22), tongue)
        out += '<path d="%s" fill="none" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (d, L)
        out += teeth(top + 0.5)
        out += '<path d="M%s %sL%s %s" %s/>' % (f(cx), f(y - 1.5), f(cx), f(top + 0.6), st)
    elif kind in ("o", "O"):
        rx, ry = (2.4, 2.9) if kind == "o" else (3.4, 4.6)
        out += '<path d="M%s %sL%s %s" %s/>' % (f(cx), f(y - 1.5), f(cx), f(y + 0.8), st)
        out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="1.4"/>' % (
            f(cx), f(y + 1.6 + ry), f(rx), f(ry), inside, L)
    elif kind == "frown":
        out += '<path d="M%s %sL%s %sM%s %sQ%s %s %s %s" %s/>' % (
            f(cx), f(y - 1.5), f(cx), f(y + 0.8), f(cx - 4.2), f(y + 4.6), f(cx), f(y + 0.9), f(cx + 4.2), f(y + 4.6), st)
    elif kind == "tight":
        out += '<path d="M%s %sL%s %sM%s %sQ%s %s %s %s" %s/>' % (
            f(cx), f(y - 1.5), f(cx), f(y + 0.8), f(cx - 3.2), f(y + 3.2), f(cx), f(y + 1.8), f(cx + 3.2), f(y + 3.2), st)
    elif kind == "wavy":
        d = "M%s %s" % (f(cx - 5.6), f(y + 3.2))
        for i in range(4):
            x0 = cx - 5.6 + i * 2.8
            d += "Q%s %s %s %s" % (f(x0 + 1.4), f(y + (1.4 if i % 2 == 0 else 5.0)), f(x0 + 2.8), f(y + 3.2))
        out += '<path d="M%s %sL%s %s" %s/>' % (f(cx), f(y - 1.5), f(cx), f(y + 0.9), st)
        out += '<path d="%s" %s/>' % (d, st)
    elif kind == "smirk":
        out += '<path d="M%s %sL%s %sM%s %sQ%s %s %s %sQ%s %s %s %s" %s/>' % (
            f(cx), f(y - 1.5), f(cx), f(y + 0.8), f(cx - 4.4), f(y + 2.0), f(cx - 2.0), f(y + 2.8), f(cx), f(y + 0.8),
            f(cx + 3.4), f(y + 2.8), f(cx + 6.0), f(y - 1.0), st)
        out += '<path d="M%s %sQ%s %s %s %s" %s/>' % (f(cx + 5.2), f(y - 1.8), f(cx + 6.4), f(y - 0.9), f(cx + 6.2), f(y + 0.2), st)
    elif kind == "teeth":
        w2, h2 = 6.4, 5.4
        top = y + 1.2
        out += '<path d="M%s %sL%s %s" %s/>' % (f(cx), f(y - 1.5), f(cx), f(top), st)
        d = "M%s %sQ%s %s %s %sL%s %sQ%s %s %s %sZ" % (
            f(cx - w2), f(top + 1.0), f(cx), f(top - 1.0), f(cx + w2), f(top + 1.0),
            f(cx + w2 - 0.6), f(top + h2 - 0.8), f(cx), f(top + h2 + 0.6), f(cx - w2 + 0.6), f(top + h2 - 0.8))
        out += '<path d="%s" fill="#ffffff" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (d, L)
        out += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1"/>' % (
            f(cx - w2 + 0.3), f(top + h2 / 2 + 0.4), f(cx), f(top + h2 / 2 - 0.2), f(cx + w2 - 0.3), f(top + h2 / 2 + 0.4), L)
        for k in (-3.2, 0, 3.2):
            out += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="0.9"/>' % (
                f(cx + k), f(top + 0.4), f(cx + k), f(top + h2 - 0.2), L)
    elif kind == "pout":
        out += '<path d="M%s %sL%s %s" %s/>' % (f(cx), f(y - 1.5), f(cx), f(y + 0.8), st)
        out += '<path d="M%s %sQ%s %s %s %sQ%s %s %s %s" %s/>' % (
            f(cx - 2.8), f(y + 3.4), f(cx - 1.4), f(y + 1.8), f(cx), f(y + 3.0), f(cx + 1.4), f(y + 4.2), f(cx + 2.8), f(y + 3.0), st)
    return out


def nose(c, cx=50.0, y=65.0, s=1.0):
    d = "M%s %sQ%s %s %s %sQ%s %s %s %sQ%s %s %s %sZ" % (
        f(cx - 2.6 * s), f(y - 1.2 * s), f(cx), f(y - 2.2 * s), f(cx + 2.6 * s), f(y - 1.2 * s),
        f(cx + 2.2 * s), f(y + 0.6 * s), f(cx), f(y + 1.6 * s),
        f(cx - 2.2 * s), f(y + 0.6 * s), f(cx - 2.6 * s), f(y - 1.2 * s))
    return ('<path d="%s" fill="%s" stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>'
            '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.6"/>'
            % (d, c["nose"], LINE, f(cx - 0.8 * s), f(y - 1.0 * s), f(0.9 * s), f(0.45 * s)))


def blush(x, y, rx=4.6, ry=2.6, hatch=False, color="#f7a8b8", opacity=0.75):
    s = '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" opacity="%s"/>' % (
        f(x), f(y), f(rx), f(ry), color, f(opacity))
    if hatch:
        for k in (-2.4, 0, 2.4):
            s += '<path d="M%s %sL%s %s" stroke="#e0607e" stroke-width="1" stroke-linecap="round"/>' % (
                f(x + k - 0.9), f(y + 1.4), f(x + k + 0.9), f(y - 1.4))
    return s


# ---------------------------------------------------------------- hair and headwear


def hero_tuft(c, cx=50, top=40):
    d = "M%s %sQ%s %s %s %sQ%s %s %s %sQ%s %s %s %sQ%s %s %s %sZ" % (
        f(cx - 6), f(top + 3.5), f(cx - 4), f(top - 3.2), f(cx - 1), f(top - 4.0),
        f(cx + 0.5), f(top - 0.6), f(cx + 2.5), f(top - 4.8),
        f(cx + 5), f(top - 2.0), f(cx + 6.5), f(top + 3.5),
        f(cx), f(top + 6.5), f(cx - 6), f(top + 3.5))
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (d, c["fur"], LINE)


def ribbon(x, y, s=1.0, rot=-15):
    col, sh = "#f28cb1", "#d9678f"
    g = '<g transform="translate(%s %s) rotate(%s) scale(%s)">' % (f(x), f(y), f(rot), f(s))
    g += ('<path d="M-1 1 L-4 9 L-1.5 7.5 L0 10 L1.5 2Z" fill="%s" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>'
          '<path d="M1 1 L4.5 8.5 L6 6 L8 7.5 L2 0.5Z" fill="%s" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>'
          % (sh, LINE, sh, LINE))
    g += ('<path d="M0 0C-4 -6 -11 -6 -10.5 -0.5C-10 4.5 -4 3.5 0 0Z" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>'
          '<path d="M0 0C4 -6 11 -6 10.5 -0.5C10 4.5 4 3.5 0 0Z" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>'
          % (col, LINE, col, LINE))
    g += ('<path d="M-2.5 -0.5C-5 -3 -8 -3 -8.5 -1" fill="none" stroke="%s" stroke-width="1.1" stroke-linecap="round"/>'
          '<path d="M2.5 -0.5C5 -3 8 -3 8.5 -1" fill="none" stroke="%s" stroke-width="1.1" stroke-linecap="round"/>'
          % (sh, sh))
    g += '<ellipse cx="-6.5" cy="-2.6" rx="1.8" ry="1" fill="#ffffff" opacity="0.7"/>'
    g += '<ellipse cx="0" cy="0" rx="2.6" ry="2.4" fill="%s" stroke="%s" stroke-width="1.3"/>' % (col, LINE)
    g += "</g>"
    return g


def drill(x, y, h, w, side, c):
    """One golden ringlet hanging from (x,y), h long."""
    gold, goldsh, goldhl = "#f2c14e", "#d9a032", "#fff0b0"
    n = 4
    s = ""
    for i in range(n):
        t = i / n
        yy = y + h * (i + 0.5) / n
        ww = w * (1 - 0.45 * t)
        hh = h / n * 0.72
        s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" stroke="%s" stroke-width="1.4"/>' % (
            f(x + side * 0.8 * (i % 2)), f(yy), f(ww), f(hh), gold, LINE)
        s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % (
            f(x - ww * 0.75), f(yy - hh * 0.2), f(x), f(yy + hh * 0.75), f(x + ww * 0.75), f(yy - hh * 0.2), goldsh)
        s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s" opacity="0.8"/>' % (
            f(x - side * ww * 0.35), f(yy - hh * 0.35), f(ww * 0.28), f(hh * 0.22), goldhl)
    # the tip
    s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="2.6" stroke-linecap="round"/>' % (
        f(x - 1), f(y + h - 1), f(x + side * 1.5), f(y + h + 3.5), f(x + side * 3.5), f(y + h + 2.5), LINE)
    s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % (
        f(x - 1), f(y + h - 1), f(x + side * 1.5), f(y + h + 3.5), f(x + side * 3.5), f(y + h + 2.5), gold)
    return s


def rival_back_hair(cx, cy, rx, ry):
    """Golden hair behind the head: it shows as a rim round the crown and the sides."""
    d = smooth_closed(head_points(cx, cy - 2.5, rx + 3.2, ry + 1.5, cheek=0.0))
    return ('<path d="%s" fill="#f2c14e" stroke="%s" stroke-width="1.6"/>' % (d, LINE))


def rival_fringe(cx, top):
    """Two swept curls over the forehead, the fur showing between them."""
    gold, goldsh = "#f2c14e", "#d9a032"
    s = ""
    for side in (-1, 1):
        x0 = cx + side * 1.5
        d = ("M%s %s" % (f(x0), f(top - 0.5)) +
             "Q%s %s %s %s" % (f(cx + side * 14), f(top - 1.5), f(cx + side * 19), f(top + 9)) +
             "Q%s %s %s %s" % (f(cx + side * 13), f(top + 3.5), f(cx + side * 10), f(top + 8.5)) +
             "Q%s %s %s %s" % (f(cx + side * 7.5), f(top + 3.5), f(cx + side * 3.5), f(top + 6)) +
             "Q%s %s %s %sZ" % (f(cx + side * 2), f(top + 2), f(x0), f(top - 0.5)))
        s += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (d, gold, LINE)
        s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.1" stroke-linecap="round"/>' % (
            f(cx + side * 5), f(top + 1.2), f(cx + side * 11), f(top + 0.8), f(cx + side * 15), f(top + 5), goldsh)
        s += '<ellipse cx="%s" cy="%s" rx="3" ry="1.1" fill="#fff0b0" opacity="0.85"/>' % (f(cx + side * 8), f(top + 0.6))
    return s


def tiara(cx, top, s=1.0):
    g = '<g transform="translate(%s %s) scale(%s)">' % (f(cx), f(top), f(s))
    g += ('<path d="M-10 2 L-8 -4 L-4.5 -0.5 L0 -8.5 L4.5 -0.5 L8 -4 L10 2 Q0 -0.5 -10 2Z" fill="#ffd95e" '
          'stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>' % LINE)
    g += '<circle cx="0" cy="-3" r="2.1" fill="#e74c9c" stroke="%s" stroke-width="0.9"/>' % LINE
    g += '<circle cx="-0.6" cy="-3.6" r="0.7" fill="#ffffff"/>'
    g += '<circle cx="-7.6" cy="-1" r="1.2" fill="#6fc3f0" stroke="%s" stroke-width="0.7"/>' % LINE
    g += '<circle cx="7.6" cy="-1" r="1.2" fill="#6fc3f0" stroke="%s" stroke-width="0.7"/>' % LINE
    g += "</g>"
    return g


def headband(cx, y, rx, c):
    red, redsh = "#d9534f", "#b03a36"
    s = '<path d="M%s %sQ%s %s %s %sL%s %sQ%s %s %s %sZ" fill="%s" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (
        f(cx - rx + 0.5), f(y + 3), f(cx), f(y - 5), f(cx + rx - 0.5), f(y + 3),
        f(cx + rx - 1.2), f(y + 8.5), f(cx), f(y + 1.2), f(cx - rx + 1.2), f(y + 8.5), red, LINE)
    s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.2"/>' % (
        f(cx - rx + 3), f(y + 5.5), f(cx), f(y - 1.6), f(cx + rx - 3), f(y + 5.5), redsh)
    # the knot and tails on the right
    kx, ky = cx + rx - 2, y + 4
    s += '<path d="M%s %sL%s %sL%s %sZ" fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (
        f(kx), f(ky), f(kx + 9), f(ky - 6), f(kx + 8), f(ky + 1), red, LINE)
    s += '<path d="M%s %sL%s %sL%s %sZ" fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (
        f(kx), f(ky), f(kx + 10), f(ky + 5), f(kx + 5), f(ky + 7), redsh, LINE)
    s += '<circle cx="%s" cy="%s" r="2.6" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(kx), f(ky), red, LINE)
    return s


def monocle(x, y):
    return ('<circle cx="%s" cy="%s" r="6.6" fill="#dff1ff" fill-opacity="0.35" stroke="#d4a94a" stroke-width="1.8"/>'
            '<circle cx="%s" cy="%s" r="6.6" fill="none" stroke="%s" stroke-width="0.8"/>'
            '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="#d4a94a" stroke-width="0.9"/>'
            '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="#ffffff" stroke-width="1.2" stroke-linecap="round" opacity="0.9"/>'
            % (f(x), f(y), f(x), f(y), LINE, f(x + 5), f(y + 4.5), f(x + 9), f(y + 16), f(x + 4), f(y + 40),
               f(x - 3.5), f(y - 3), f(x - 1.5), f(y - 5), f(x + 1), f(y - 5.2)))


# ---------------------------------------------------------------- bodies (portrait shoulders)


def shoulders_path(cx=50, top=81, half=36, bottom=108):
    return "M%s %sC%s %s %s %s %s %sC%s %s %s %s %s %sZ" % (
        f(cx - half), f(bottom), f(cx - half + 1), f(top + 6), f(cx - 14), f(top), f(cx), f(top),
        f(cx + 14), f(top), f(cx + half - 1), f(top + 6), f(cx + half), f(bottom))


def body_hero(ids, defs, c):
    s = shaded_blob(shoulders_path(), "#ffffff", "#e6e0d6", ids, dx=-2, dy=0, defs=defs)
    # collar
    s += '<path d="M41 80 L50 89 L44 91 L37 84Z" fill="#ffffff" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % LINE
    s += '<path d="M59 80 L50 89 L56 91 L63 84Z" fill="#ffffff" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % LINE
    # apron bib with straps
    s += '<path d="M28 88 L34 108 M72 88 L66 108" stroke="%s" stroke-width="6.5" stroke-linecap="round"/>' % LINE
    s += '<path d="M28 88 L34 108 M72 88 L66 108" stroke="#7a8f4a" stroke-width="3.6" stroke-linecap="round"/>'
    s += shaded_blob("M35 93 Q50 91 65 93 L66 108 L34 108Z", "#7a8f4a", "#5f7236", ids, dx=-1.5, dy=-0.5, defs=defs)
    # loupe on its cord
    s += '<path d="M42 86 Q46 95 53 94 M58 86 Q57 91 55 93" fill="none" stroke="%s" stroke-width="1.1"/>' % LINE
    s += ('<circle cx="55" cy="96" r="4.3" fill="#cfe9f5" stroke="#d4a94a" stroke-width="2.2"/>'
          '<circle cx="55" cy="96" r="5.4" fill="none" stroke="%s" stroke-width="0.9"/>'
          '<path d="M53 94.5 Q54 93.5 55.5 93.4" stroke="#ffffff" stroke-width="1.1" fill="none" stroke-linecap="round"/>' % LINE)
    return s


def body_heroine(ids, defs, c):
    s = shaded_blob(shoulders_path(half=34), "#a9c8e8", "#86a9cf", ids, dx=-2, dy=0, defs=defs)
    # round white collar
    s += ('<path d="M50 86 C45 94 34 93 33 86 C37 83 43 81 50 81Z" fill="#ffffff" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>'
          '<path d="M50 86 C55 94 66 93 67 86 C63 83 57 81 50 81Z" fill="#ffffff" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>'
          % (LINE, LINE))
    s += '<circle cx="50" cy="89.5" r="1.9" fill="#f28cb1" stroke="%s" stroke-width="1"/>' % LINE
    return s


def body_rival(ids, defs, c):
    s = shaded_blob(shoulders_path(half=37), "#c05fa0", "#9c4482", ids, dx=-2, dy=0, defs=defs)
    # frills along the neckline
    fr = ""
    for i in range(9):
        x = 31 + i * 4.75
        yy = 84 + abs(i - 4) * 0.9
        fr += '<circle cx="%s" cy="%s" r="3.1" fill="#f7d6ec" stroke="%s" stroke-width="1.1"/>' % (f(x), f(yy), LINE)
    s += fr
    # big necklace
    s += '<path d="M37 86 Q50 98 63 86" fill="none" stroke="#f2c14e" stroke-width="1.8"/>'
    for k, (x, y) in enumerate([(40, 90), (44.5, 93), (55.5, 93), (60, 90)]):
        s += '<circle cx="%s" cy="%s" r="1.7" fill="#6fc3f0" stroke="%s" stroke-width="0.8"/>' % (f(x), f(y), LINE)
    s += ('<path d="M50 91 L54.5 95.5 L50 101 L45.5 95.5Z" fill="#e74c9c" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>'
          '<path d="M50 92.5 L52.5 95.5 L50 95.5Z" fill="#ffffff" opacity="0.7"/>' % LINE)
    return s


def body_butler(ids, defs, c):
    s = shaded_blob(shoulders_path(half=37), "#2b2b33", "#1c1c22", ids, dx=-2, dy=0, defs=defs)
    # shirt front and lapels
    s += '<path d="M41 81 L50 104 L59 81 Q50 79 41 81Z" fill="#ffffff" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>' % LINE
    s += '<path d="M41 81 L50 104 L50 108 L36 108 L33 88Z" fill="#3a3a44" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % LINE
    s += '<path d="M59 81 L50 104 L50 108 L64 108 L67 88Z" fill="#3a3a44" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % LINE
    s += '<circle cx="50" cy="93" r="0.9" fill="%s"/><circle cx="50" cy="97" r="0.9" fill="%s"/>' % (LINE, LINE)
    # bow tie
    s += ('<path d="M50 85 L43.5 81.5 L43.5 88.5Z M50 85 L56.5 81.5 L56.5 88.5Z" fill="#2b2b33" stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>'
          '<circle cx="50" cy="85" r="1.6" fill="#2b2b33" stroke="%s" stroke-width="0.9"/>' % (LINE, LINE))
    return s


def body_seedkeeper(ids, defs, c):
    s = shaded_blob(shoulders_path(half=37), "#fff4dc", "#eadcbc", ids, dx=-2, dy=0, defs=defs)
    s += '<path d="M38 84 Q50 92 62 84" fill="none" stroke="%s" stroke-width="1.2"/>' % LINE
    # apron
    s += '<path d="M30 88 L35 108 M70 88 L65 108" stroke="%s" stroke-width="6.5" stroke-linecap="round"/>' % LINE
    s += '<path d="M30 88 L35 108 M70 88 L65 108" stroke="#6aa84f" stroke-width="3.6" stroke-linecap="round"/>'
    s += shaded_blob("M36 92 Q50 90 64 92 L65 108 L35 108Z", "#6aa84f", "#4f8a38", ids, dx=-1.5, dy=-0.5, defs=defs)
    s += '<path d="M38 96 L62 96" stroke="#8cc46e" stroke-width="1" stroke-dasharray="2 2"/>'
    # sprout pin on the left strap
    s += ('<path d="M31.5 93 L31.5 89" stroke="#3f7a2a" stroke-width="1.4" stroke-linecap="round"/>'
          '<path d="M31.5 89.5 C28 89 27 86 28 85 C30.5 85 31.5 87 31.5 89.5Z" fill="#8fd16a" stroke="%s" stroke-width="0.9"/>'
          '<path d="M31.5 89.5 C35 89 36 86 35 85 C32.5 85 31.5 87 31.5 89.5Z" fill="#8fd16a" stroke="%s" stroke-width="0.9"/>'
          '<circle cx="31.5" cy="93.5" r="1.6" fill="#d4a94a" stroke="%s" stroke-width="0.8"/>' % (LINE, LINE, LINE))
    return s


def body_accessory(ids, defs, c):
    s = shaded_blob(shoulders_path(half=42, top=80), "#efe4cf", "#d9c8aa", ids, dx=-2, dy=0, defs=defs)
    # striped apron (blue and cream)
    cid = ids("c")
    ap = "M31 89 Q50 85 69 89 L72 108 L28 108Z"
    defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, ap))
    s += '<path d="%s" fill="#f4ecd8"/>' % ap
    s += '<g clip-path="url(#%s)">' % cid
    for i in range(-2, 12):
        s += '<rect x="%s" y="84" width="2.6" height="26" fill="#3d6fa8"/>' % f(29 + i * 5)
    s += "</g>"
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (ap, LINE)
    s += '<path d="M32 90 L24 84 M68 90 L76 84" stroke="%s" stroke-width="1.6"/>' % LINE
    return s


BODIES = {"hero": body_hero, "heroine": body_heroine, "rival": body_rival, "butler": body_butler,
          "seedkeeper": body_seedkeeper, "accessory": body_accessory}

# ---------------------------------------------------------------- expressions
# ears: (left angle, right angle, left bend, right bend, length factor)
EARS = {
    "up": (-7, 7, 0, 0, 1.0),
    "perk": (-4, 4, 0, 0, 1.08),
    "relaxed": (-14, 13, -6, 6, 1.0),
    "bentR": (-8, 12, 0, 95, 1.0),
    "bentL": (-12, 8, -95, 0, 1.0),
    "back": (-42, 42, 10, -10, 0.74),
    "droop": (-100, 100, -48, 48, 0.95),
    # a rabbit's fright: the ears stay up, long and stiff, their tips folding over
    "wilt": (-9, 9, -58, 58, 1.05),
    "wide": (-20, 20, 0, 0, 1.05),
    "tilt": (-18, 4, -10, 0, 1.0),
}

E = {}


def expr(name, **kw):
    E[name] = kw


# hero
expr("usam1", who="hero", mood="calm", ears="up", eyes="open", brows=(0.3, 0), mouth="neutral")
expr("usam2", who="hero", mood="gloom", ears="wilt", eyes="wide", brows=(2.6, 1.2), mouth="O",
     gloom=True, sweat=[(71, 48, 2.6), (29, 54, 2.0)], tilt=0)
expr("usam3", who="hero", mood="puzzle", ears="bentR", eyes="dot", brows=(1.2, 0.8), mouth="wavy",
     sweat=[(70, 47, 2.4)], qmark=(80, 36, 0), tilt=-7, blush=True)
expr("usam4", who="hero", mood="sunny", ears="perk", eyes="shine", brows=(-0.6, 1.6), mouth="grin",
     fist="R", rays=True, sparkles=[(16, 20, 4), (84, 30, 3)])
expr("usam5", who="hero", mood="gold", ears="relaxed", eyes="smug", brows=(-0.3, 1.2), mouth="smirk",
     thumb=True, sparkles=[(15, 24, 5), (85, 18, 4), (82, 48, 3)], tilt=-4, chin=-1.5)
expr("usam6", who="hero", mood="angry", ears="back", eyes="angry", brows=(-2.8, 0), mouth="teeth",
     anger=[(73, 45, 1.1)], fist="shake", steam=True)
# heroine
expr("usaw1", who="heroine", mood="blue", ears="tilt", eyes="open", look=(-1.6, -1.6), brows=(0.6, 0.6),
     mouth="tight", chinpaw=True, tilt=5, thought=True)
expr("usaw2", who="heroine", mood="pink", ears="relaxed", eyes="smile", brows=(0.6, 0.5), mouth="smile",
     blush=True, tilt=-4, flowers=True)
expr("usaw3", who="heroine", mood="lilac", ears="bentL", eyes="worried", look=(1.5, 0.6), brows=(1.8, 0),
     mouth="pout", blush=True, fingers=True, tilt=4, lid=-0.25)
expr("usaw4", who="heroine", mood="sunny", ears="perk", eyes="happy", brows=(0.4, 2.0), mouth="open",
     blush=True, hearts=True, sparkles=[(14, 22, 4.5), (86, 30, 3.5), (84, 58, 2.5)], clap=True)
expr("usaw5", who="heroine", mood="pink", ears="wide", eyes="wide", brows=(1.2, 3.0), mouth="o",
     blush="hatch", sweat=[(72, 46, 2.4)], exclaim=(80, 34), startle=True)
expr("usaw6", who="heroine", mood="blue", ears="droop", eyes="tear", brows=(2.8, 0.2), mouth="frown",
     tear=True, tilt=3, clasp=True)
# rival
expr("usao1", who="rival", mood="lilac", ears="up", eyes="closed", brows=(-0.4, 1.6),
     mouth="pout", tilt=-8, chin=-1.5, sparkles=[(86, 22, 3.5), (14, 58, 2.5)], hmph=True)
expr("usao2", who="rival", mood="rich", ears="perk", eyes="closed", brows=(0.2, 2.6), mouth="laugh",
     hoho=True, tilt=-9, chin=-2.5, sparkles=[(13, 20, 4.5), (87, 50, 3.5), (84, 16, 2.5)])
expr("usao3", who="rival", mood="lilac", ears="relaxed", eyes="smug", look=(1.5, 0.3), brows=(-1.6, 0.8),
     mouth="smirk", tilt=6, fan=True)
# others
expr("usas", who="butler", mood="grey", ears="up", eyes="half", brows=(0.0, 0.4), mouth="neutral", butler=True)
expr("misew1", who="seedkeeper", mood="green", ears="relaxed", eyes="smile", brows=(0.6, 1.0), mouth="open",
     wave=True, blush=True)
expr("misew2", who="seedkeeper", mood="green", ears="relaxed", eyes="happy", brows=(0.6, 1.0), mouth="smile",
     handsjoin=True, blush=True, tilt=-5, flowers=True)
expr("misem1", who="accessory", mood="shop", ears="up", eyes="open", brows=(-0.3, 1.4), mouth="grin",
     wave=True)
expr("misem2", who="accessory", mood="shop", ears="perk", eyes="happy", brows=(0.2, 2.0), mouth="laugh",
     fist="R", maido=True, sparkles=[(14, 22, 4), (86, 56, 3)])


# ---------------------------------------------------------------- assembling a portrait


def card_background(ids, defs, mood, w=100, h=100):
    top, bot = MOODS[mood]
    gid = ids("bg")
    defs.append('<radialGradient id="%s" cx="0.5" cy="0.42" r="0.75">'
                '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>' % (gid, top, bot))
    return '<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (w, h, bot), \
           '<rect x="2" y="2" width="%d" height="%d" rx="7" fill="url(#%s)"/>' % (w - 4, h - 4, gid)


def frame(w=100, h=100):
    return ('<rect x="3.5" y="3.5" width="%d" height="%d" rx="5.5" fill="none" stroke="#ffffff" stroke-width="1.2" opacity="0.75"/>'
            '<rect x="1" y="1" width="%d" height="%d" rx="7.5" fill="none" stroke="%s" stroke-width="2"/>'
            % (w - 7, h - 7, w - 2, h - 2, LINE))


def portrait(name):
    e = E[name]
    c = CAST[e["who"]]
    ids = Ids(name)
    defs = []
    body = []
    base, glow = card_background(ids, defs, e["mood"])
    body.append(base)
    clip = ids("card")
    defs.append('<clipPath id="%s"><rect x="2" y="2" width="96" height="96" rx="7"/></clipPath>' % clip)
    body.append('<g clip-path="url(#%s)">' % clip)
    body.append(glow)
    body.append(background_marks(e))

    cx, cy = 50.0, 60.5
    rx, ry = c["head"]
    tilt = e.get("tilt", 0)
    chin = e.get("chin", 0)

    # the head group turns about the neck
    head = []
    la, ra, lb, rb, lf = EARS[e["ears"]]
    L, W = c["ear_len"] * lf, c["ear_w"]
    ebx = 9.5 if e["who"] != "accessory" else 11
    eby = cy - ry + 5
    ear_l = ear(cx - ebx, eby, la, L, W, c["fur"], c["shade"], c["inner"], bend=lb)
    ear_r = ear(cx + ebx, eby, ra, L, W, c["fur"], c["shade"], c["inner"], bend=rb)
    # a drooping ear is drawn after the head so it hangs in front of it
    head.append(ear_l + ear_r)
    head_front_ears = ""
    if e["who"] == "rival":
        head.append(rival_back_hair(cx, cy, rx, ry))
        head.append(drill(cx - rx - 1, cy - 4, 29, 5.5, -1, c))
        head.append(drill(cx + rx + 1, cy - 4, 29, 5.5, 1, c))
    hp = smooth_closed(head_points(cx, cy, rx, ry, cheek=0.08 if e["who"] != "accessory" else 0.12))
    head.append(shaded_blob(hp, c["fur"], c["shade"], ids, dx=-2.4, dy=-2.6, defs=defs,
                            hl=(cx - rx * 0.62, cy - ry * 0.62, 4.2, 2.4)))
    head.append(head_front_ears)
    # muzzle
    my = cy + 7.5 + chin * 0.3
    head.append('<ellipse cx="%s" cy="%s" rx="4.6" ry="3.9" fill="%s"/>' % (f(cx - 3.6), f(my), c["muzzle"]))
    head.append('<ellipse cx="%s" cy="%s" rx="4.6" ry="3.9" fill="%s"/>' % (f(cx + 3.6), f(my), c["muzzle"]))
    head.append('<ellipse cx="%s" cy="%s" rx="4.5" ry="3.6" fill="%s"/>' % (f(cx), f(my + 2.6), c["muzzle"]))
    # blush
    b = e.get("blush")
    if b or e["who"] == "heroine":
        strong = bool(b)
        head.append(blush(cx - 14, cy + 5.5, hatch=(b == "hatch"), opacity=0.8 if strong else 0.45))
        head.append(blush(cx + 14, cy + 5.5, hatch=(b == "hatch"), opacity=0.8 if strong else 0.45))
    if e.get("gloom"):
        gid = ids("gl")
        defs.append('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#5a4a9a" stop-opacity="0.75"/>'
                    '<stop offset="1" stop-color="#5a4a9a" stop-opacity="0"/></linearGradient>' % gid)
        cid = ids("c")
        defs.append('<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, hp))
        g = '<g clip-path="url(#%s)">' % cid
        g += '<rect x="%s" y="%s" width="%s" height="16" fill="url(#%s)"/>' % (f(cx - rx), f(cy - ry), f(2 * rx), gid)
        for k in range(-4, 5):
            g += '<path d="M%s %sL%s %s" stroke="#4a3a8a" stroke-width="1.1" opacity="0.7"/>' % (
                f(cx + k * 3.6), f(cy - ry), f(cx + k * 3.6), f(cy - ry + 9 + (k % 2) * 3))
        g += "</g>"
        head.append(g)
    # eyes and brows
    ey = cy - 1.5 + chin * 0.3
    look = e.get("look", (0, 0))
    for side, ex in ((-1, cx - 10.5), (1, cx + 10.5)):
        head.append(eye(ids, defs, ex, ey, e["eyes"], side, c, lid=e.get("lid", 0.0), look=look))
        tilt_b, raise_b = e["brows"]
        if e["who"] == "butler":
            head.append(brow(ex, ey, side, tilt_b, raise_b, c, w=3.0, length=4.6))
        else:
            head.append(brow(ex, ey, side, tilt_b, raise_b, c))
    if e.get("butler"):
        head.append(monocle(cx + 10.5, ey + 0.2))
        # a neat white moustache
        head.append('<path d="M%s %sQ%s %s %s %sQ%s %s %s %sQ%s %s %s %sZ" fill="#eeeeee" stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>' % (
            f(cx), f(cy + 6.8), f(cx - 4), f(cy + 5.2), f(cx - 8.5), f(cy + 9.2),
            f(cx - 3.5), f(cy + 9.6), f(cx), f(cy + 7.9), f(cx + 3.5), f(cy + 9.6), f(cx + 8.5), f(cy + 9.2), LINE))
        head.append('<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % (
            f(cx + 8.3), f(cy + 9.1), f(cx + 11), f(cy + 8.2), f(cx + 10.4), f(cy + 6.6), LINE))
        head.append('<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % (
            f(cx - 8.3), f(cy + 9.1), f(cx - 11), f(cy + 8.2), f(cx - 10.4), f(cy + 6.6), LINE))
    head.append(nose(c, cx, cy + 5.2 + chin * 0.3))
    if not e.get("butler"):
        head.append(mouth(e["mouth"], c, cx, cy + 7.6 + chin * 0.3))
    else:
        head.append(mouth("tight", c, cx, cy + 9.4))
    # hair and headwear
    who = e["who"]
    if who == "hero":
        head.append(hero_tuft(c, cx, cy - ry + 1.5))
    elif who == "heroine":
        rb_ = EARS[e["ears"]][1]
        head.append(ribbon(cx + 10.5 + rb_ * 0.12, cy - ry + 3.5, 0.95, rot=-10 + rb_ * 0.4))
    elif who == "rival":
        head.append(rival_fringe(cx, cy - ry + 2))
        head.append(tiara(cx, cy - ry + 1, 0.95))
        # earrings
        for sx in (-1, 1):
            x = cx + sx * (rx - 1)
            y = cy + 6
            head.append('<path d="M%s %sL%s %s" stroke="#d4a94a" stroke-width="1"/>' % (f(x), f(y), f(x), f(y + 3)))
            head.append('<path d="M%s %sL%s %sL%s %sL%s %sZ" fill="#6fc3f0" stroke="%s" stroke-width="0.9"/>' % (
                f(x), f(y + 2.5), f(x + 2.2), f(y + 5.3), f(x), f(y + 8.5), f(x - 2.2), f(y + 5.3), LINE))
    elif who == "accessory":
        head.append(headband(cx, cy - ry + 5, rx, c))
    elif who == "seedkeeper":
        # a small kerchief knot of green at the ear base
        head.append('<path d="M%s %sQ%s %s %s %sQ%s %s %s %sZ" fill="#6aa84f" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (
            f(cx - 19), f(cy - 9), f(cx), f(cy - ry - 6), f(cx + 19), f(cy - 9),
            f(cx), f(cy - ry + 2), f(cx - 19), f(cy - 9), LINE))
        head.append('<path d="M%s %sQ%s %s %s %s" fill="none" stroke="#8cc46e" stroke-width="1.2" stroke-dasharray="1.6 1.6"/>' % (
            f(cx - 14), f(cy - 12.5), f(cx), f(cy - ry - 1.5), f(cx + 14), f(cy - 12.5)))
    head_svg = '<g transform="rotate(%s %s %s)">%s</g>' % (f(tilt), f(cx), f(cy + 22), "".join(head))

    body.append('<g transform="translate(0 -4.5)">')
    body.append(BODIES[who](ids, defs, c))
    body.append(head_svg)
    body.append(extras(ids, defs, e, c, cx, cy))
    body.append("</g>")
    body.append("</g>")
    body.append(frame())
    return svg_doc(100, 100, defs, body, title=name)


def background_marks(e):
    s = ""
    if e.get("rays"):
        for i in range(12):
            a = math.radians(i * 30 + 8)
            s += '<path d="M50 62 L%s %s L%s %sZ" fill="#ffffff" opacity="0.35"/>' % (
                f(50 + math.cos(a) * 90), f(62 + math.sin(a) * 90),
                f(50 + math.cos(a + 0.22) * 90), f(62 + math.sin(a + 0.22) * 90))
    if e["mood"] in ("rich",):
        for x, y, r in ((20, 80, 10), (82, 78, 12), (25, 40, 7)):
            s += '<circle cx="%d" cy="%d" r="%d" fill="#ffffff" opacity="0.25"/>' % (x, y, r)
    if e.get("startle"):
        for i in range(14):
            a = math.radians(i * 360 / 14)
            s += '<path d="M%s %sL%s %s" stroke="#ffffff" stroke-width="2.4" stroke-linecap="round" opacity="0.8"/>' % (
                f(50 + math.cos(a) * 40), f(58 + math.sin(a) * 40), f(50 + math.cos(a) * 60), f(58 + math.sin(a) * 60))
    if e["mood"] == "gloom":
        for i in range(9):
            s += '<path d="M%s 4 L%s 30" stroke="#8a90b8" stroke-width="1.2" opacity="0.55"/>' % (f(10 + i * 10), f(10 + i * 10))
    if e["mood"] == "angry":
        for i in range(10):
            a = math.radians(i * 36 + 10)
            s += '<path d="M50 58 L%s %s L%s %sZ" fill="#e05a4a" opacity="0.18"/>' % (
                f(50 + math.cos(a) * 90), f(58 + math.sin(a) * 90),
                f(50 + math.cos(a + 0.25) * 90), f(58 + math.sin(a + 0.25) * 90))
    return s


def extras(ids, defs, e, c, cx, cy):
    s = ""
    fur, shade = c["fur"], c["shade"]
    # sleeves a shade darker than the body so an arm in front of it reads as an arm
    sleeve = {"hero": "#f1ece4", "heroine": "#98b9dc", "rival": "#ad4f8e", "butler": "#34343e",
              "seedkeeper": "#f5e8cc", "accessory": "#e6d8bd"}[e["who"]]
    for x, y, r in e.get("sparkles", []):
        s += sparkle(x, y, r)
    if e.get("fist") == "R":
        s += limb("M82 110 Q86 92 81 80", sleeve, 9)
        s += paw(80, 76, 6.2, fur, shade, rot=-10)
        s += '<path d="M88 66 L92 61 M91 72 L97 70 M84 63 L85 57" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>' % LINE
    if e.get("fist") == "shake":
        s += limb("M82 110 Q86 94 82 84", sleeve, 9)
        s += paw(81, 80, 6.4, fur, shade, rot=-15)
        s += '<path d="M88 73 L92 71 M89 79 L94 79 M73 73 L70 70" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % LINE
    if e.get("thumb"):
        s += limb("M83 110 Q86 94 80 86", sleeve, 9)
        s += paw(78, 83, 6, fur, shade, rot=0, fingers=False)
        s += '<path d="M77 78 Q76 71 79.5 70.5 Q82 71 81 78Z" fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (fur, LINE)
    for x, y, sz in e.get("sweat", []):
        s += drop(x, y, sz)
    if e.get("qmark"):
        x, y, _ = e["qmark"]
        s += gothic_text(x, y, "?", 17, "#6a3fa0", stroke="#ffffff", sw=3.5)
    if e.get("exclaim"):
        x, y = e["exclaim"]
        s += gothic_text(x, y, "!", 18, "#e0393e", stroke="#ffffff", sw=3.5)
        s += '<path d="M16 30 L12 26 M19 24 L17 19 M23 21 L24 15" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % LINE
    for x, y, sc in e.get("anger", []):
        s += anger_mark(x, y, sc)
    if e.get("steam"):
        for x, y, r in ((18, 40, 5), (13, 34, 3.5), (83, 36, 4.5), (88, 30, 3)):
            s += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" stroke="%s" stroke-width="1.2" opacity="0.9"/>' % (f(x), f(y), f(r), LINE)
    if e.get("chinpaw"):
        s += limb("M68 110 Q68 94 60 84", sleeve, 8.5)
        s += paw(58, 80, 5.4, fur, shade, rot=-40)
    if e.get("thought"):
        for x, y, r in ((74, 38, 1.6), (79, 31, 2.4), (86, 21, 4.6)):
            s += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" stroke="%s" stroke-width="1.1"/>' % (f(x), f(y), f(r), LINE)
    if e.get("fingers"):
        s += limb("M36 110 Q38 99 45 93", sleeve, 8)
        s += limb("M64 110 Q62 99 55 93", sleeve, 8)
        s += paw(47, 90, 4.8, fur, shade, rot=40, fingers=False)
        s += paw(53, 90, 4.8, fur, shade, rot=-40, fingers=False)
    if e.get("clap"):
        s += limb("M32 110 Q32 94 40 87", sleeve, 8.5)
        s += limb("M68 110 Q68 94 60 87", sleeve, 8.5)
        s += paw(46, 85, 5.2, fur, shade, rot=60)
        s += paw(54, 85, 5.2, fur, shade, rot=-60)
        s += '<path d="M40 77 L37 73 M50 75 L50 70 M60 77 L63 73" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % LINE
    if e.get("hearts"):
        s += heart(17, 50, 4) + heart(84, 42, 3.2)
    if e.get("flowers"):
        for x, y, r in ((14, 74, 3.2), (86, 70, 3.6), (18, 28, 2.6), (84, 24, 2.6)):
            for k in range(5):
                a = math.radians(k * 72 - 90)
                s += '<circle cx="%s" cy="%s" r="%s" fill="#ffd1dc" stroke="%s" stroke-width="0.8"/>' % (
                    f(x + math.cos(a) * r * 0.8), f(y + math.sin(a) * r * 0.8), f(r * 0.6), LINE)
            s += '<circle cx="%s" cy="%s" r="%s" fill="#ffe27a"/>' % (f(x), f(y), f(r * 0.45))
    if e.get("tear"):
        s += drop(34, 72, 2.3)
        s += drop(67, 74, 2.0)
    if e.get("clasp"):
        s += limb("M36 110 Q38 100 46 95", sleeve, 8)
        s += limb("M64 110 Q62 100 54 95", sleeve, 8)
        s += paw(49, 93, 5.2, fur, shade, rot=30, fingers=False)
        s += paw(52, 94, 5.0, fur, shade, rot=-20)
    if e.get("hoho"):
        # the back of a paw lifted to the mouth and the laugh itself
        s += limb("M82 110 Q86 90 72 78", sleeve, 9)
        s += paw(68, 75, 5.8, fur, shade, rot=-70)
        s += gothic_text(82, 23, "ホ", 11, "#9c4482", stroke="#ffffff", sw=2.5, rotate=12)
        s += gothic_text(90, 38, "ホ", 9, "#9c4482", stroke="#ffffff", sw=2.2, rotate=18)
        s += gothic_text(16, 38, "オー", 9, "#9c4482", stroke="#ffffff", sw=2.2, rotate=-12)
    if e.get("hmph"):
        s += '<path d="M78 62 q6 -3 12 0 M80 68 q5 -2 10 1" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round"/>' % LINE
        s += gothic_text(86, 50, "ツン", 10, "#9c4482", stroke="#ffffff", sw=2.5, rotate=10)
    if e.get("fan"):
        # a folding fan held near the chin
        g = '<g transform="translate(24 84) rotate(-20)">'
        for k in range(7):
            a = -70 + k * 23
            g += '<path d="M0 0 L%s %s" stroke="%s" stroke-width="1"/>' % (f(math.sin(math.radians(a)) * 17), f(-math.cos(math.radians(a)) * 17), LINE)
        g = '<g transform="translate(24 86) rotate(-20)">'
        g += '<path d="M0 0 L-16 -6 A17 17 0 0 1 16 -6Z" fill="#f7d6ec" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % LINE
        for k in range(6):
            a = math.radians(-70 + k * 28)
            g += '<path d="M0 0 L%s %s" stroke="#c05fa0" stroke-width="0.9"/>' % (f(math.sin(a) * 16.5), f(-math.cos(a) * 16.5))
        g += '<path d="M-14 -9 A15 15 0 0 1 14 -9" fill="none" stroke="#f2c14e" stroke-width="1.6"/>'
        g += "</g>"
        s += limb("M14 110 Q16 94 22 88", sleeve, 8.5)
        s += g
        s += paw(23, 87, 5, fur, shade, rot=30, fingers=False)
    if e.get("wave"):
        s += limb("M84 110 Q90 88 84 74", sleeve, 9)
        s += paw(83, 70, 6.4, fur, shade, rot=-8)
        s += '<path d="M91 60 Q95 64 94 70 M74 60 Q71 64 72 69" fill="none" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % LINE
    if e.get("handsjoin"):
        s += limb("M35 110 Q37 98 45 91", sleeve, 8.5)
        s += limb("M65 110 Q63 98 55 91", sleeve, 8.5)
        s += paw(48, 87, 5.4, fur, shade, rot=70, fingers=False)
        s += paw(52, 87, 5.4, fur, shade, rot=-70, fingers=False)
    if e.get("maido"):
        for ch, x, y, sz in (("ま", 15, 27, 12.5), ("い", 15, 40, 12.5), ("ど", 15, 53, 12.5), ("っ", 16.5, 62.5, 10), ("！", 15, 76, 12.5)):
            s += gothic_text(x, y, ch, sz, "#d9534f", stroke="#ffffff", sw=3)
    return s


# ---------------------------------------------------------------- contestants (70x100 full figures)

# a contestant is a smaller rabbit: head, ears, dress, arms, feet

CONTESTANTS = {
    "cusaw": dict(fur="#f6e8cf", shade="#e2cfae", muzzle="#fffaf0", inner="#f7b9c6", nose="#e88fa0", iris="#4f7fbf",
                  brow="#c9a57a", lashes=True, dress="#a9c8e8", dress_sh="#86a9cf", trim="#ffffff",
                  light="#fff3d6", ears="up", eyes="smile", mouth="smile", extra="ribbon", pose="hands"),
    "csow1": dict(fur="#ffffff", shade="#e4e4ee", muzzle="#ffffff", inner="#f6c1d9", nose="#e68aa8", iris="#9b4fb0",
                  brow="#d9a53a", lashes=True, dress="#c05fa0", dress_sh="#9c4482", trim="#f7d6ec",
                  light="#ffe6f6", ears="perk", eyes="closed", mouth="smirk", extra="rival", pose="hip"),
    "csow2": dict(fur="#b9b4b0", shade="#9a938e", muzzle="#ece8e4", inner="#e7b6b8", nose="#8a6a6a", iris="#4e7a4a",
                  brow="#7e7670", lashes=True, dress="#5fae6e", dress_sh="#3f8a50", trim="#e8f6d8",
                  light="#eefbe4", ears="lop", eyes="smile", mouth="smile", extra="flower", pose="spread"),
    "csow3": dict(fur="#9b6b45", shade="#7d5232", muzzle="#f0dcc0", inner="#e2a08e", nose="#4a2a1a", iris="#3b2314",
                  brow="#5a3a22", lashes=True, dress="#f39c12", dress_sh="#c97c06", trim="#fff1c9",
                  light="#fff3d0", ears="up", eyes="open", mouth="open", extra="bow", pose="peace"),
}

# the two leads as small full figures for the scene pictures
FIGURES = {
    "hero": dict(CAST["hero"], outfit="apron", dress="#ffffff", dress_sh="#e6e0d6", trim="#ffffff",
                 ears="up", eyes="open", mouth="smile", extra="tuft", pose="hands"),
    "heroine": dict(CAST["heroine"], dress="#a9c8e8", dress_sh="#86a9cf", trim="#ffffff", collar=True,
                    ears="up", eyes="smile", mouth="smile", extra="ribbon", pose="hands"),
}


def figure(name, c, ids, defs, back=False):
    """A full standing rabbit in a 70x100 box (feet at y 88), without background.
    back=True draws it from behind (no face, a round tail)."""
    fig = []
    cx = 35.0
    hy = 36.0        # head centre
    hrx, hry = 13.5, 12.0
    # ears
    if c["ears"] == "lop":
        fig_ears_back = ""
        # lop ears hang down the sides of the head, their furry outside showing
        fig_ears_front = (ear(cx - 9.5, hy - 8.5, -146, 24, 8.4, c["fur"], c["shade"], c["shade"], bend=-22, sw=1.6, bend_at=0.4) +
                          ear(cx + 9.5, hy - 8.5, 146, 24, 8.4, c["fur"], c["shade"], c["shade"], bend=22, sw=1.6, bend_at=0.4))
    else:
        a = 5 if c["ears"] == "up" else 3
        fig_ears_back = (ear(cx - 5.5, hy - 8, -a, 22, 7.4, c["fur"], c["shade"], c["inner"], sw=1.6) +
                         ear(cx + 5.5, hy - 8, a, 22, 7.4, c["fur"], c["shade"], c["inner"], sw=1.6))
        fig_ears_front = ""
    inner = c["fur"] if back else c["inner"]
    if back:
        fig_ears_back = fig_ears_back.replace(c["inner"], c["shade"])
        fig_ears_front = fig_ears_front.replace(c["inner"], c["shade"])
    apron = c.get("outfit") == "apron"
    if apron:
        # trousers, then a white shirt with the olive work apron over it
        for sx in (-1, 1):
            fig.append(limb("M%s 70 L%s 84" % (f(cx + sx * 4.5), f(cx + sx * 5.2)), "#7a5c44", 6.5, sw=1.5))
    # legs / feet under the dress
    for sx in (-1, 1):
        fig.append('<ellipse cx="%s" cy="88.5" rx="5.6" ry="3" fill="%s" stroke="%s" stroke-width="1.5"/>' % (
            f(cx + sx * 5.5), c["fur"], LINE))
    # dress: a bell skirt and a bodice
    skirt = "M%s 58 Q%s 70 %s 86 Q%s 89 %s 86 Q%s 70 %s 58Z" % (
        f(cx - 7), f(cx - 15), f(cx - 20), f(cx), f(cx + 20), f(cx + 15), f(cx + 7))
    if name == "csow1":
        skirt = "M%s 58 Q%s 70 %s 86 Q%s 90 %s 86 Q%s 70 %s 58Z" % (
            f(cx - 7), f(cx - 18), f(cx - 23), f(cx), f(cx + 23), f(cx + 18), f(cx + 7))
    if apron:
        shirt = "M%s 47 Q%s 45.5 %s 47 L%s 72 Q%s 74 %s 72Z" % (
            f(cx - 9), f(cx), f(cx + 9), f(cx + 9.5), f(cx), f(cx - 9.5))
        fig.append(shaded_blob(shirt, "#ffffff", "#e6e0d6", ids, dx=-1.5, dy=0, defs=defs, sw=1.6))
        if back:
            fig.append('<path d="M%s 58 L%s 58" stroke="#7a8f4a" stroke-width="2.6"/>' % (f(cx - 9.3), f(cx + 9.3)))
            fig.append('<path d="M%s 58 l-2 6 M%s 58 l2 6" stroke="#7a8f4a" stroke-width="1.8" stroke-linecap="round"/>' % (f(cx - 1), f(cx + 1)))
            fig.append('<path d="M%s 47 L%s 58 M%s 47 L%s 58" stroke="#7a8f4a" stroke-width="2"/>' % (f(cx - 5), f(cx + 3), f(cx + 5), f(cx - 3)))
        else:
            ap = "M%s 52 L%s 52 L%s 58 Q%s 70 %s 78 Q%s 80 %s 78 Q%s 70 %s 58Z" % (
                f(cx - 6), f(cx + 6), f(cx + 7), f(cx + 10), f(cx + 10.5), f(cx), f(cx - 10.5), f(cx - 10), f(cx - 7))
            fig.append(shaded_blob(ap, "#7a8f4a", "#5f7236", ids, dx=-1.5, dy=0, defs=defs, sw=1.5))
            fig.append('<path d="M%s 52 L%s 47 M%s 52 L%s 47" stroke="#7a8f4a" stroke-width="1.8"/>' % (f(cx - 6), f(cx - 7.5), f(cx + 6), f(cx + 7.5)))
            fig.append('<rect x="%s" y="62" width="7" height="5" rx="1" fill="#6a7d3e" stroke="%s" stroke-width="0.9"/>' % (f(cx - 3.5), LINE))
            fig.append('<path d="M%s 47.5 Q%s 53 %s 54.5" fill="none" stroke="%s" stroke-width="0.8"/>' % (f(cx - 4), f(cx - 2), f(cx), LINE))
            fig.append('<circle cx="%s" cy="56" r="2.1" fill="#cfe9f5" stroke="#d4a94a" stroke-width="1.3"/>' % f(cx))
    else:
        fig.append(shaded_blob(skirt, c["dress"], c["dress_sh"], ids, dx=-2.5, dy=0, defs=defs, sw=1.6))
    # hem trim
    hem_y = 85
    hem = ""
    n = 8 if name != "csow1" else 10
    half = 20 if name != "csow1" else 23
    for i in range(n + 1):
        x = cx - half + i * (2 * half / n)
        hem += '<circle cx="%s" cy="%s" r="2.4" fill="%s" stroke="%s" stroke-width="1"/>' % (
            f(x), f(hem_y + 1 - abs(i - n / 2) * 0.25), c["trim"], LINE)
    if not apron:
        fig.append(hem)
    bod = "M%s 47 Q%s 46 %s 47 L%s 60 Q%s 62 %s 60Z" % (
        f(cx - 8), f(cx), f(cx + 8), f(cx + 7.5), f(cx), f(cx - 7.5))
    if not apron:
        fig.append(shaded_blob(bod, c["dress"], c["dress_sh"], ids, dx=-1.5, dy=0, defs=defs, sw=1.6))
        fig.append('<path d="M%s 60 Q%s 62.5 %s 60" fill="none" stroke="%s" stroke-width="2.2"/>' % (
            f(cx - 7.5), f(cx), f(cx + 7.5), c["trim"]))
    if c.get("collar") and not back:
        fig.append('<path d="M%s 47 Q%s 52.5 %s 47.5 Q%s 52.5 %s 47Z" fill="#ffffff" stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>' % (
            f(cx - 6.5), f(cx - 3), f(cx), f(cx + 3), f(cx + 6.5), LINE))
    # outfit details
    if name == "cusaw":
        # her best: a white sash with the pink ribbon, sparkles on the skirt
        fig.append('<path d="M%s 60 Q%s 62.5 %s 60" fill="none" stroke="%s" stroke-width="1.1"/>' % (f(cx - 7.5), f(cx), f(cx + 7.5), LINE))
        fig.append(ribbon(cx, 60.5, 0.5, rot=0))
        for x, y in ((cx - 9, 72), (cx + 8, 76), (cx - 2, 80), (cx + 12, 68)):
            fig.append(sparkle(x, y, 1.8, fill="#ffffff", stroke="#ffffff", sw=0.3, opacity=0.9))
        fig.append('<path d="M%s 47 Q%s 52 %s 47" fill="#ffffff" stroke="%s" stroke-width="1.2"/>' % (f(cx - 6), f(cx), f(cx + 6), LINE))
    if name == "csow1":
        for x, y, col in ((cx - 12, 74, "#6fc3f0"), (cx + 11, 72, "#e74c9c"), (cx, 79, "#ffd95e"), (cx - 5, 68, "#ffd95e"),
                          (cx + 6, 66, "#6fc3f0"), (cx - 16, 82, "#e74c9c"), (cx + 16, 81, "#ffd95e")):
            fig.append('<path d="M%s %sL%s %sL%s %sL%s %sZ" fill="%s" stroke="%s" stroke-width="0.8"/>' % (
                f(x), f(y - 2.4), f(x + 2), f(y), f(x), f(y + 2.4), f(x - 2), f(y), col, LINE))
        fig.append('<path d="M%s 48 Q%s 55 %s 48" fill="none" stroke="#f2c14e" stroke-width="1.6"/>' % (f(cx - 6), f(cx), f(cx + 6)))
        fig.append('<path d="M%s 51 L%s 54 L%s 57.5 L%s 54Z" fill="#e74c9c" stroke="%s" stroke-width="0.9"/>' % (
            f(cx), f(cx + 2.8), f(cx), f(cx - 2.8), LINE))
    if name == "csow2":
        for x, y in ((cx - 10, 74), (cx + 9, 78), (cx + 1, 70), (cx - 4, 81), (cx + 14, 84)):
            fig.append('<circle cx="%s" cy="%s" r="1.6" fill="#fff6a8" stroke="%s" stroke-width="0.6"/>' % (f(x), f(y), LINE))
        fig.append('<path d="M%s 47 L%s 52 L%s 47" fill="%s" stroke="%s" stroke-width="1.1"/>' % (f(cx - 5), f(cx), f(cx + 5), c["trim"], LINE))
    if name == "csow3":
        for i in range(4):
            y = 66 + i * 5
            fig.append('<path d="M%s %s Q%s %s %s %s" fill="none" stroke="%s" stroke-width="1.3" opacity="0.9"/>' % (
                f(cx - 9 - i * 2.2), f(y), f(cx), f(y + 2.5), f(cx + 9 + i * 2.2), f(y), c["trim"]))
    # arms
    sleeve = c["dress"] if not apron else "#ffffff"
    pose = c["pose"]
    if back:
        # the round tail
        fig.append('<circle cx="%s" cy="%s" r="3.6" fill="%s" stroke="%s" stroke-width="1.3"/>' % (
            f(cx + 1), f(70 if apron else 66), "#ffffff" if c["fur"] != "#ffffff" else "#f4f4fa", LINE))
    if pose == "handL" or pose == "handR":
        sx = -1 if pose == "handL" else 1
        fig.append(limb("M%s 50 Q%s 58 %s 63" % (f(cx - sx * 7.5), f(cx - sx * 9.5), f(cx - sx * 5)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx - sx * 7.5), f(cx - sx * 8.5)), sleeve, 5, sw=1.5))
        fig.append('<circle cx="%s" cy="63" r="3.1" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx - sx * 5), c["fur"], LINE))
        fig.append(limb("M%s 50 Q%s 56 %s 62" % (f(cx + sx * 7.5), f(cx + sx * 12), f(cx + sx * 17)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx + sx * 7.5), f(cx + sx * 9.5)), sleeve, 5, sw=1.5))
        fig.append('<circle cx="%s" cy="62" r="3.1" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx + sx * 17.5), c["fur"], LINE))
    elif pose == "spread":
        # holding the skirt out a little, showing the dress
        for sx in (-1, 1):
            fig.append(limb("M%s 50 Q%s 57 %s 64" % (f(cx + sx * 7.5), f(cx + sx * 11), f(cx + sx * 15)), c["fur"], 4.2, sw=1.5))
            fig.append(limb("M%s 49 L%s 52" % (f(cx + sx * 7.5), f(cx + sx * 9.5)), sleeve, 5, sw=1.5))
            fig.append('<circle cx="%s" cy="65" r="3.1" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx + sx * 15.5), c["fur"], LINE))
    elif pose in ("umbrella", "umbrellaL"):
        sx = 1 if pose == "umbrella" else -1
        fig.append(limb("M%s 50 Q%s 58 %s 63" % (f(cx - sx * 7.5), f(cx - sx * 9.5), f(cx - sx * 5)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx - sx * 7.5), f(cx - sx * 8.5)), sleeve, 5, sw=1.5))
        fig.append(limb("M%s 50 Q%s 53 %s 46" % (f(cx + sx * 7.5), f(cx + sx * 16), f(cx + sx * 16)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 50" % (f(cx + sx * 7.5), f(cx + sx * 10)), sleeve, 5, sw=1.5))
        fig.append('<circle cx="%s" cy="45" r="3.1" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx + sx * 16), c["fur"], LINE))
    if pose == "hands":
        fig.append(limb("M%s 50 Q%s 58 %s 62" % (f(cx - 7.5), f(cx - 9.5), f(cx - 3)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 50 Q%s 58 %s 62" % (f(cx + 7.5), f(cx + 9.5), f(cx + 3)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx - 7.5), f(cx - 8.5)), sleeve, 5, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx + 7.5), f(cx + 8.5)), sleeve, 5, sw=1.5))
        fig.append('<circle cx="%s" cy="62.5" r="3.2" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx), c["fur"], LINE))
    elif pose == "hip":
        fig.append(limb("M%s 50 Q%s 54 %s 59" % (f(cx - 7.5), f(cx - 14), f(cx - 8)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx - 7.5), f(cx - 9.5)), sleeve, 5, sw=1.5))
        fig.append(limb("M%s 50 Q%s 44 %s 40" % (f(cx + 7.5), f(cx + 15), f(cx + 16)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 48" % (f(cx + 7.5), f(cx + 10)), sleeve, 5, sw=1.5))
        fig.append('<circle cx="%s" cy="39" r="3.1" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx + 16), c["fur"], LINE))
    elif pose == "wave":
        fig.append(limb("M%s 50 Q%s 58 %s 62" % (f(cx - 7.5), f(cx - 9.5), f(cx - 3)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx - 7.5), f(cx - 8.5)), sleeve, 5, sw=1.5))
        fig.append('<circle cx="%s" cy="62" r="3.1" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx - 2), c["fur"], LINE))
        fig.append(limb("M%s 50 Q%s 46 %s 37" % (f(cx + 7.5), f(cx + 15), f(cx + 17)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 48" % (f(cx + 7.5), f(cx + 10)), sleeve, 5, sw=1.5))
        fig.append('<circle cx="%s" cy="35" r="3.3" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx + 17.5), c["fur"], LINE))
    elif pose == "peace":
        fig.append(limb("M%s 50 Q%s 56 %s 60" % (f(cx - 7.5), f(cx - 13), f(cx - 8)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 52" % (f(cx - 7.5), f(cx - 9.5)), sleeve, 5, sw=1.5))
        fig.append(limb("M%s 50 Q%s 48 %s 41" % (f(cx + 7.5), f(cx + 14), f(cx + 17)), c["fur"], 4.2, sw=1.5))
        fig.append(limb("M%s 49 L%s 48" % (f(cx + 7.5), f(cx + 10)), sleeve, 5, sw=1.5))
        fig.append('<path d="M%s 39 L%s 33 M%s 39 L%s 33.5" stroke="%s" stroke-width="4" stroke-linecap="round"/>' % (
            f(cx + 16.5), f(cx + 15), f(cx + 17.5), f(cx + 20), LINE))
        fig.append('<path d="M%s 39 L%s 33 M%s 39 L%s 33.5" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % (
            f(cx + 16.5), f(cx + 15), f(cx + 17.5), f(cx + 20), c["fur"]))
        fig.append('<circle cx="%s" cy="40.5" r="3.1" fill="%s" stroke="%s" stroke-width="1.3"/>' % (f(cx + 17), c["fur"], LINE))
    # puffed sleeves
    for sx in (-1, 1):
        fig.append('<ellipse cx="%s" cy="49.5" rx="4" ry="3.4" fill="%s" stroke="%s" stroke-width="1.4"/>' % (
            f(cx + sx * 8), sleeve, LINE))
    # head
    head = [fig_ears_back]
    if c["extra"] == "rival":
        head.append(rival_back_hair(cx, hy, hrx, hry))
        head.append(drill(cx - hrx - 0.5, hy - 4, 19, 3.8, -1, c))
        head.append(drill(cx + hrx + 0.5, hy - 4, 19, 3.8, 1, c))
    hp = smooth_closed(head_points(cx, hy, hrx, hry, cheek=0.08))
    head.append(shaded_blob(hp, c["fur"], c["shade"], ids, dx=-1.6, dy=-1.8, defs=defs, sw=1.6,
                            hl=(cx - 6, hy - 6.5, 3, 1.8)))
    head.append(fig_ears_front)
    if back:
        if c["extra"] == "ribbon":
            head.append(ribbon(cx - 6.5, hy - hry + 2.5, 0.62, rot=12))
        fig.append("".join(head))
        return "".join(fig)
    s = 0.62
    my = hy + 4.6
    for dx_, dy_ in ((-2.2, 0), (2.2, 0), (0, 1.6)):
        head.append('<ellipse cx="%s" cy="%s" rx="2.9" ry="2.4" fill="%s"/>' % (f(cx + dx_), f(my + dy_), c["muzzle"]))
    head.append(blush(cx - 8.5, hy + 3.4, rx=2.8, ry=1.6, opacity=0.7))
    head.append(blush(cx + 8.5, hy + 3.4, rx=2.8, ry=1.6, opacity=0.7))
    cc = dict(lashes=c["lashes"], iris=c["iris"], brow=c["brow"], nose=c["nose"])
    for side, ex in ((-1, cx - 6), (1, cx + 6)):
        head.append(eye(ids, defs, ex, hy - 0.8, c["eyes"], side, cc, s=s))
    head.append(nose(cc, cx, hy + 3.2, s=0.65))
    head.append('<g transform="translate(%s %s) scale(0.62)">%s</g>' % (f(cx * (1 - 0.62)), f((hy + 4.8) * (1 - 0.62)),
                                                                      mouth(c["mouth"], cc, cx, hy + 4.8)))
    if c["extra"] == "ribbon":
        head.append(ribbon(cx + 6.5, hy - hry + 2.5, 0.62, rot=-12))
        # a tiny flower crown for the big day
        for i, x in enumerate((cx - 9, cx - 5.5)):
            head.append('<circle cx="%s" cy="%s" r="1.9" fill="#ffffff" stroke="%s" stroke-width="0.7"/>' % (f(x), f(hy - hry + 3.2 - i * 1.3), LINE))
            head.append('<circle cx="%s" cy="%s" r="0.8" fill="#ffe27a"/>' % (f(x), f(hy - hry + 3.2 - i * 1.3)))
    elif c["extra"] == "rival":
        head.append('<g transform="translate(%s %s) scale(0.6)">%s</g>' % (f(cx * 0.4), f((hy - hry + 0.5) * 0.4), rival_fringe(cx, hy - hry + 0.5)))
        head.append(tiara(cx, hy - hry + 0.5, 0.7))
        for sx in (-1, 1):
            x = cx + sx * (hrx - 1)
            head.append('<path d="M%s %sL%s %sL%s %sL%s %sZ" fill="#6fc3f0" stroke="%s" stroke-width="0.7"/>' % (
                f(x), f(hy + 4), f(x + 1.5), f(hy + 6), f(x), f(hy + 8.2), f(x - 1.5), f(hy + 6), LINE))
    elif c["extra"] == "flower":
        x, y = cx + 8, hy - hry + 2.5
        for k in range(5):
            a = math.radians(k * 72 - 90)
            head.append('<circle cx="%s" cy="%s" r="2.1" fill="#ffffff" stroke="%s" stroke-width="0.8"/>' % (
                f(x + math.cos(a) * 2.4), f(y + math.sin(a) * 2.4), LINE))
        head.append('<circle cx="%s" cy="%s" r="1.6" fill="#ffd95e" stroke="%s" stroke-width="0.6"/>' % (f(x), f(y), LINE))
        head.append('<path d="M%s %sQ%s %s %s %s" fill="none" stroke="#5fae6e" stroke-width="1.6"/>' % (
            f(x - 3), f(y + 3), f(x - 7), f(y + 4.5), f(x - 10), f(y + 3.5)))
    elif c["extra"] == "tuft":
        head.append('<g transform="translate(%s %s) scale(0.58)">%s</g>' % (
            f(cx * 0.42), f((hy - hry + 1) * 0.42), hero_tuft(c, cx, hy - hry + 1)))
    elif c["extra"] == "bow":
        g = '<g transform="translate(%s %s) scale(1.35)">' % (f(cx), f(hy - hry - 0.5))
        g += ('<path d="M0 0C-4 -6 -11 -6 -10.5 -0.5C-10 4.5 -4 3.5 0 0Z" fill="#e74c3c" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>'
              '<path d="M0 0C4 -6 11 -6 10.5 -0.5C10 4.5 4 3.5 0 0Z" fill="#e74c3c" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>'
              '<path d="M-2.5 -0.5C-5 -3 -8 -3 -8.5 -1M2.5 -0.5C5 -3 8 -3 8.5 -1" fill="none" stroke="#b8322a" stroke-width="0.9"/>'
              '<ellipse cx="-6.5" cy="-2.4" rx="1.6" ry="0.9" fill="#ffffff" opacity="0.7"/>'
              '<ellipse cx="0" cy="0" rx="2.4" ry="2.2" fill="#e74c3c" stroke="%s" stroke-width="1.1"/>' % (LINE, LINE, LINE))
        # white polka dots
        for x, y in ((-7, 0.5), (-4, -3), (5, -2.5), (8, 0.5)):
            g += '<circle cx="%s" cy="%s" r="0.9" fill="#ffffff"/>' % (f(x), f(y))
        g += "</g>"
        head.append(g)
    fig.append("".join(head))
    return "".join(fig)


def contestant(name):
    c = CONTESTANTS[name]
    ids = Ids(name)
    defs = []
    body = []
    W, H = 70, 100
    # stage background with a soft spotlight
    bg = ids("bg")
    sp = ids("sp")
    fl = ids("fl")
    defs.append('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#3d2a55"/>'
                '<stop offset="0.75" stop-color="#5a3a6e"/><stop offset="1" stop-color="#6a4030"/></linearGradient>' % bg)
    defs.append('<radialGradient id="%s" cx="0.5" cy="0.55" r="0.55"><stop offset="0" stop-color="%s" stop-opacity="0.95"/>'
                '<stop offset="0.6" stop-color="%s" stop-opacity="0.55"/><stop offset="1" stop-color="%s" stop-opacity="0"/></radialGradient>'
                % (sp, c["light"], c["light"], c["light"]))
    defs.append('<radialGradient id="%s" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#ffffff" stop-opacity="0.9"/>'
                '<stop offset="1" stop-color="#ffffff" stop-opacity="0"/></radialGradient>' % fl)
    body.append('<rect width="70" height="100" fill="#3d2a55"/>')
    clip = ids("card")
    defs.append('<clipPath id="%s"><rect x="2" y="2" width="66" height="96" rx="6"/></clipPath>' % clip)
    body.append('<g clip-path="url(#%s)">' % clip)
    body.append('<rect width="70" height="100" fill="url(#%s)"/>' % bg)
    # curtain folds at the sides
    for x in (4, 10, 60, 66):
        body.append('<path d="M%d 0 Q%d 50 %d 100" stroke="#2a1a3e" stroke-width="2.5" fill="none" opacity="0.6"/>' % (x, x + (3 if x < 35 else -3), x))
    body.append('<path d="M35 -4 L8 92 L62 92Z" fill="%s" opacity="0.22"/>' % c["light"])
    body.append('<ellipse cx="35" cy="52" rx="34" ry="46" fill="url(#%s)"/>' % sp)
    # floor
    body.append('<rect x="0" y="86" width="70" height="14" fill="#8a5a3a"/>')
    body.append('<path d="M0 86 L70 86" stroke="%s" stroke-width="1.2"/>' % LINE)
    body.append('<ellipse cx="35" cy="91" rx="24" ry="5" fill="url(#%s)"/>' % fl)
    body.append('<ellipse cx="35" cy="91" rx="15" ry="2.6" fill="#3d2a20" opacity="0.35"/>')

    body.append(figure(name, c, ids, defs))
    body.append("</g>")
    body.append(frame(70, 100))
    return svg_doc(70, 100, defs, body, title=name)


def main(argv):
    names = argv[1:] or (list(E) + list(CONTESTANTS))
    os.makedirs(OUT, exist_ok=True)
    for n in names:
        svg = portrait(n) if n in E else contestant(n)
        with open(os.path.join(OUT, n + ".svg"), "w", encoding="utf-8") as fh:
            fh.write(svg)
        print("wrote", n)


if __name__ == "__main__":
    main(sys.argv)
