#!/usr/bin/env python3
"""Writes the SVGs of the frames, buttons, items, plants, weather and worn pictures.

    python3 assets/art/tools/items_gen.py              # every group
    python3 assets/art/tools/items_gen.py plants worn  # only these groups
    python3 assets/art/tools/items_gen.py --only bthare,ueki

The SVGs land in assets/art/<group>/<name>.svg and are committed with this script;
the build only reads the SVGs. Shapes and palette live in items_shapes.py.
"""
import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from items_shapes import *  # noqa: E402,F401,F403
from items_shapes import (OUT, CREAM, PARCH, PLUM, WOOD, PURPLE, FACE_TOP, FACE_BOT, KIND, KINDS,
                          KIND_JA, RAINBOW, LEAF, STEM, GOLD, FLAKE, f, svg, pts, text, fitted_text, squeezed_text,
                          fruit, gem, sparkle, motif_badge, motif_sign, pot, leaf, drop, grain, cloud,
                          snowflake, sun_rays, rainbow_arc, bolt_points, POT_TOP)  # noqa: E402

ART = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
INSET = "#e9d7b1"   # the soft inset of the side panel, where the weather picture sits


# ====================================================================== shared button face

def face_defs(gid, top=FACE_TOP, bot=FACE_BOT):
    return ('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>' % (gid, top, bot))


def button_face(w, h, corner, rx=7, gid="face", inset=1.0):
    """Background corners, the rounded face, a soft top highlight and a bottom shade line."""
    s = '<rect width="%d" height="%d" fill="%s"/>' % (w, h, corner)
    x, y, ww, hh = inset, inset, w - 2 * inset, h - 2 * inset
    s += '<rect x="%s" y="%s" width="%s" height="%s" rx="%s" fill="url(#%s)" stroke="%s" stroke-width="2"/>' % (
        f(x), f(y), f(ww), f(hh), f(rx), gid, OUT)
    s += '<path d="M%s,%s H%s" stroke="#ffffff" stroke-width="1.6" stroke-linecap="round" opacity="0.85"/>' % (
        f(x + rx), f(y + 2.2), f(x + ww - rx))
    s += '<path d="M%s,%s H%s" stroke="#d9c39c" stroke-width="1.6" stroke-linecap="round"/>' % (
        f(x + rx - 1), f(y + hh - 2.2), f(x + ww - rx + 1))
    return s


# ====================================================================== items

def seed_packet(kind, x, y, w, h, uid):
    """A paper seed packet of the kind's colour with its motif on a round label."""
    m, sh, hi = KIND[kind]
    defs = ""
    s = ""
    top = y + 3
    zig = "M%s,%s " % (f(x), f(top))
    n = 5
    for i in range(n):
        zig += "L%s,%s L%s,%s " % (f(x + w * (i + 0.5) / n), f(top - 2.2), f(x + w * (i + 1) / n), f(top))
    body = zig + "L%s,%s Q%s,%s %s,%s L%s,%s Q%s,%s %s,%s Z" % (
        f(x + w), f(y + h - 2), f(x + w), f(y + h), f(x + w - 2), f(y + h),
        f(x + 2), f(y + h), f(x), f(y + h), f(x), f(y + h - 2))
    if kind == "niji":
        cid = "pk" + uid
        defs += '<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, body)
        s += '<g clip-path="url(#%s)">' % cid
        bh = (h + 2) / 7
        for i, c in enumerate(RAINBOW):
            s += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(y - 1 + i * bh), f(w), f(bh + 0.3), c)
        s += '</g><path d="%s" fill="none" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (body, OUT)
    else:
        fill = m if kind != "yuki" else "#dff1fd"
        s += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (body, fill, OUT)
        s += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s" opacity="0.7"/>' % (
            f(x + w - 5), f(top + 1), f(4), f(h - 6), sh if kind != "yuki" else "#bfe3fa")
    s += '<path d="M%s,%s H%s" stroke="%s" stroke-width="1" opacity="0.6"/>' % (f(x + 1.5), f(top + 3), f(x + w - 1.5), OUT)
    # the kind's motif painted large on the packet
    mx, my, ms = x + w / 2 - 1, y + h / 2 + 2.5, w * 0.42
    if kind == "hutu":
        s += ('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1.2"/>' % (f(mx), f(my + 1.5), f(ms * 0.7), "#fff5de", OUT)
              + '<path d="M%s,%s a%s,%s 0 0 0 %s,%s" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>' % (
                  f(mx + ms * 0.45), f(my + 0.5), f(ms * 0.5), f(ms * 0.5), f(-ms * 0.5), f(ms * 0.6), sh)
              + leaf(mx + 0.5, my - ms * 0.35, mx + ms * 0.95, my - ms * 0.95, 1.0))
    elif kind == "hare":
        s += sun_rays(mx, my, ms * 0.5, ms * 1.0, 8, hi, 1.0) + '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="1.2"/>' % (
            f(mx), f(my), f(ms * 0.55), hi, OUT)
    elif kind == "kumo":
        s += cloud(mx, my + 0.5, ms * 0.85, "#ffffff", "#d5dce3", 1.2)
    elif kind == "ame":
        s += drop(mx - ms * 0.3, my - 0.5, ms * 0.45, hi, 1.1) + drop(mx + ms * 0.45, my + ms * 0.5, ms * 0.34, hi, 1.0)
    elif kind == "kami":
        s += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % (
            pts(bolt_points(mx, my, ms * 1.0)), hi, OUT)
    elif kind == "yuki":
        s += snowflake(mx, my, ms * 0.95, "#4f8fc8", 1.6)
    elif kind == "ten":
        s += '<circle cx="%s" cy="%s" r="%s" fill="#ffe98a" stroke="%s" stroke-width="1.1"/>' % (f(mx - ms * 0.2), f(my - ms * 0.3), f(ms * 0.55), OUT)
        s += drop(mx + ms * 0.45, my + ms * 0.35, ms * 0.34, hi, 1.0) + drop(mx - ms * 0.35, my + ms * 0.62, ms * 0.28, hi, 1.0)
    elif kind == "hyou":
        s += grain(mx - ms * 0.35, my + ms * 0.3, ms * 0.5, 1.0).replace(KIND["hyou"][0], "#ffffff", 1)
        s += grain(mx + ms * 0.42, my - ms * 0.25, ms * 0.44, 1.0).replace(KIND["hyou"][0], "#ffffff", 1)
    elif kind == "niji":
        s += cloud(mx, my + ms * 0.35, ms * 0.55, "#ffffff", "#dfe8f0", 1.0)
    # a few seeds peeking at the bottom corner
    return defs, s


# The seed and fruit buttons are 90 x 35 pictures whose count label is drawn from 32 px down, right
# under them: the face ends at 30 so the count sits below the button, not on its edge.
ITEM_FACE_H = 30


def item_button_face():
    return '<rect width="90" height="35" fill="%s"/>' % CREAM + button_face(90, ITEM_FACE_H, CREAM, rx=8)


def seed_button(kind):
    uid = kind
    defs = face_defs("face")
    s = item_button_face()
    d2, p = seed_packet(kind, 6, 4.2, 17.5, 22, uid)
    defs += d2
    s += p
    s += squeezed_text(57.5, 15, KIND_JA[kind] + "の種", 56, 12)
    return svg(90, 35, s, defs)


def fruit_button(kind):
    defs = face_defs("face")
    s = item_button_face()
    r = {"ame": 7.6, "hare": 7.0, "kumo": 9.0, "hyou": 8.6, "ten": 8.0}.get(kind, 9.0)
    cy = {"ame": 17.5, "hare": 15.0, "kumo": 16.5, "hyou": 16.0}.get(kind, 17.0)
    d2, b = fruit(kind, 17.5, cy, r, "f", sw=1.5, stem=kind not in ("hare",))
    defs += d2
    s += b
    s += squeezed_text(59.5, 15, KIND_JA[kind] + "の実", 53, 12)
    return svg(90, 35, s, defs)


def accessory_icon(kind):
    """The kind's gem in a gold bezel hanging from a little loop: a charm that reads as jewellery
    whichever of the four kinds the button stands for."""
    s = '<rect width="30" height="30" fill="%s"/>' % CREAM
    cx, cy = 15, 17.2
    # the loop it hangs from
    s += '<circle cx="15" cy="4.4" r="2.7" fill="none" stroke="%s" stroke-width="3.2"/>' % OUT
    s += '<circle cx="15" cy="4.4" r="2.7" fill="none" stroke="%s" stroke-width="1.5"/>' % GOLD[0]
    # the bezel, with a bright rim on its upper left
    s += '<circle cx="%s" cy="%s" r="11.4" %s/>' % (f(cx), f(cy), gold_style(1.5))
    s += '<path d="M%s,%s A9.8,9.8 0 0 1 %s,%s" fill="none" stroke="%s" stroke-width="1.1" stroke-linecap="round"/>' % (
        f(cx - 8.6), f(cy + 2.5), f(cx + 2.5), f(cy - 9.5), GOLD[2])
    r = {"ame": 7.4, "hare": 6.4, "kumo": 8.2, "hyou": 8.0}.get(kind, 8.4)
    d, b = gem(kind, cx, cy + (0.9 if kind == "ame" else 0), r, "g", sw=1.3)
    s += b
    # four prongs holding the gem
    for a in (45, 135, 225, 315):
        x, y = cx + 8.6 * math.cos(math.radians(a)), cy + 8.6 * math.sin(math.radians(a))
        s += '<circle cx="%s" cy="%s" r="1.45" fill="%s" stroke="%s" stroke-width="0.8"/>' % (f(x), f(y), GOLD[2], OUT)
    return svg(30, 30, s, d)


def ueki():
    return svg(100, 100, '<rect width="100" height="100" fill="%s"/>' % CREAM + pot())


# ====================================================================== plants

def stem_path(x0, y0, x1, y1, bend=3.0, sw=3.2):
    d = "M%s,%s C%s,%s %s,%s %s,%s" % (f(x0), f(y0), f(x0 + bend), f(y0 - (y0 - y1) * 0.35),
                                      f(x1 - bend), f(y1 + (y0 - y1) * 0.35), f(x1), f(y1))
    return ('<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
            '<path d="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
            % (d, OUT, f(sw + 2), d, STEM, f(sw)))


def rainbow_shape(cid, d, x, y, band, step, sw):
    """The path d filled with the rainbow's bands from (x, y) down, inside a thick outline."""
    defs = '<clipPath id="%s"><path d="%s"/></clipPath>' % (cid, d)
    s = '<path d="%s" fill="%s" stroke="%s" stroke-width="%s"/>' % (d, OUT, OUT, f(sw))
    s += '<g clip-path="url(#%s)">' % cid
    for i, c in enumerate(RAINBOW):
        s += '<rect x="%s" y="%s" width="20" height="%s" fill="%s"/>' % (f(x), f(y + i * step), f(band), c)
    return defs, s + '</g>'


def bud(kind, cx, cy, uid):
    """A closed bud of the kind's colour with green sepals."""
    m, sh, hi = KIND[kind]
    defs = ""
    d = "M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx), f(cy - 10), f(cx + 6), f(cy - 6), f(cx + 8), f(cy + 3), f(cx), f(cy + 6),
        f(cx - 8), f(cy + 3), f(cx - 6), f(cy - 6), f(cx), f(cy - 10))
    s = ""
    if kind == "niji":
        defs, s = rainbow_shape("bud" + uid, d, cx - 10, cy - 10, 2.45, 2.3, 4)
    else:
        s += '<path d="%s" fill="%s" stroke="%s" stroke-width="2"/>' % (d, m, OUT)
        s += '<path d="M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" fill="%s"/>' % (
            f(cx + 1), f(cy - 8), f(cx + 5), f(cy - 5), f(cx + 7), f(cy + 2), f(cx + 1), f(cy + 4.8),
            f(cx + 4), f(cy + 1), f(cx + 4), f(cy - 4), f(cx + 1), f(cy - 8), sh)
        if kind == "kami":
            s += '<path d="M%s,%s l-3,4.5 h3 l-2,5" fill="none" stroke="%s" stroke-width="1.5" stroke-linejoin="round"/>' % (
                f(cx + 0.5), f(cy - 6.5), hi)
        if kind == "yuki":
            s += snowflake(cx - 0.5, cy - 1, 3.6, FLAKE, 0.9)
        if kind == "ten":
            s += drop(cx + 3, cy + 1.2, 1.8, hi, 0.8, hi=False)
        if kind == "hyou":
            s += '<path d="M%s,%s L%s,%s L%s,%s M%s,%s V%s" fill="none" stroke="%s" stroke-width="0.9" stroke-linejoin="round"/>' % (
                f(cx - 5), f(cy - 2), f(cx), f(cy + 1.5), f(cx + 5), f(cy - 2), f(cx), f(cy + 1.5), f(cy + 5.5), sh)
            s += '<polygon points="%s" fill="%s"/>' % (pts([(cx - 2.2, cy - 6), (cx + 2.2, cy - 6), (cx + 3, cy - 2.5), (cx, cy), (cx - 3, cy - 2.5)]), hi)
        if kind == "kumo":
            s += cloud(cx + 0.5, cy + 0.5, 3.6, "#ffffff", "#dfe5ec", 0.8)
        if kind == "hare":
            s += '<path d="M%s,%s v-3 M%s,%s l2.4,-2 M%s,%s l-2.4,-2" stroke="%s" stroke-width="1.4" stroke-linecap="round"/>' % (
                f(cx), f(cy - 11), f(cx + 4.5), f(cy - 8.5), f(cx - 4.5), f(cy - 8.5), hi)
    s += '<ellipse cx="%s" cy="%s" rx="2" ry="3.8" fill="#fff" opacity="0.7" transform="rotate(20 %s %s)"/>' % (
        f(cx - 2.6), f(cy - 3), f(cx - 2.6), f(cy - 3))
    # sepals
    for dx in (-1, 1):
        s += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>' % (
            leaf_sepal(cx, cy + 6.5, dx), LEAF[0], OUT)
    return defs, s


def seed_cap(kind, cx, cy):
    """The seed's shell sitting on a sprout's head, tilted, with the kind's motif on it."""
    m, sh, hi = KIND[kind]
    defs = ""
    shell = "M%s,%s C%s,%s %s,%s %s,%s C%s,%s %s,%s %s,%s Z" % (
        f(cx - 9), f(cy + 3.5), f(cx - 9), f(cy - 7), f(cx + 9), f(cy - 7), f(cx + 9), f(cy + 3.5),
        f(cx + 4), f(cy + 1.6), f(cx - 4), f(cy + 1.6), f(cx - 9), f(cy + 3.5))
    g = '<g transform="translate(%s,%s) rotate(-12) scale(1.45) translate(%s,%s)">' % (f(cx), f(cy), f(-cx), f(-cy))
    if kind == "niji":
        defs, bands = rainbow_shape("cap" + kind, shell, cx - 10, cy - 6.5, 1.75, 1.6, 3.6)
        g += bands
    else:
        g += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % (shell, m, OUT)
        g += '<path d="M%s,%s C%s,%s %s,%s %s,%s" fill="none" stroke="%s" stroke-width="2" stroke-linecap="round"/>' % (
            f(cx + 2), f(cy - 4.8), f(cx + 6), f(cy - 4), f(cx + 7.5), f(cy - 1), f(cx + 7.6), f(cy + 1.6), sh)
        if kind != "hutu":
            g += motif_sign(kind, cx - 0.3, cy - 1.9, 4.3) if kind != "yuki" else snowflake(cx - 0.3, cy - 1.9, 4.0, FLAKE, 0.8)
    g += '<ellipse cx="%s" cy="%s" rx="2.2" ry="1.1" fill="#fff" opacity="0.75" transform="rotate(-25 %s %s)"/>' % (
        f(cx - 4.5), f(cy - 3.6), f(cx - 4.5), f(cy - 3.6))
    return defs, g + "</g>"


def leaf_sepal(cx, cy, dx):
    return "M%s,%s Q%s,%s %s,%s Q%s,%s %s,%s Z" % (
        f(cx), f(cy), f(cx + dx * 4), f(cy - 6), f(cx + dx * 7.5), f(cy - 5),
        f(cx + dx * 5), f(cy + 1), f(cx), f(cy))


def plant(kind, stage):
    defs = ""
    s = '<rect width="100" height="100" fill="%s"/>' % CREAM
    base = POT_TOP
    if stage == 1:
        # the sprout still wears its seed's shell as a cap: the kind's colour and motif
        top = 41
        front = stem_path(50, base + 2, 50.5, top - 6, 1.5, 3.0)
        front += leaf(50.5, top + 1, 31, top - 6, 1.6, 0.5)
        front += leaf(50.5, top + 1, 70, top - 8, 1.6, 0.5)
        d, cap = seed_cap(kind, 50.5, top - 11)
        defs += d
        s += pot()
        s += front + cap
    elif stage == 2:
        s += pot()
        top = 27
        s += stem_path(50, base + 2, 50, top + 4, 3.5, 3.2)
        s += leaf(49.5, 47, 33, 40, 1.6, 0.45)
        s += leaf(50.5, 43, 68, 37, 1.6, 0.45)
        s += leaf(50, 34, 38, 28, 1.5, 0.45)
        d, b = bud(kind, 50, top - 3, kind)
        defs += d
        s += '<g transform="translate(50,%s) scale(1.55) translate(-50,%s)">%s</g>' % (f(top - 3), f(-(top - 3)), b)
    else:
        # the fruit with its stem and leaf well inside the picture's top edge
        s += pot()
        s += stem_path(50, base + 2, 50, 40, 3.5, 3.2)
        r = {"ame": 14.8, "hare": 14.0, "kumo": 18.5, "hyou": 16.5}.get(kind, 17.2)
        cy = {"ame": 33.5, "hare": 31.0, "kumo": 32.5, "hyou": 31.5}.get(kind, 32.5)
        d, b = fruit(kind, 50, cy, r, "p", sw=2.0)
        defs += d
        s += b
        s += leaf(49.5, 54, 31, 47, 1.6, 0.45)
        s += leaf(50.5, 51, 70, 45, 1.6, 0.45)
    return svg(100, 100, s, defs)


# ====================================================================== weather

def sky_defs(gid, top, bot):
    return ('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1">'
            '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/></linearGradient>' % (gid, top, bot))


def hills(front, back, y=82):
    return ('<path d="M0,%s Q22,%s 48,%s T100,%s V100 H0 Z" fill="%s"/>' % (f(y - 4), f(y - 12), f(y - 3), f(y - 6), back)
            + '<path d="M0,%s Q30,%s 60,%s T100,%s V100 H0 Z" fill="%s" stroke="%s" stroke-width="1.5"/>' % (
                f(y + 4), f(y - 6), f(y + 3), f(y + 2), front, OUT))


def weather(name):
    """A small sky scene inside a rounded frame; the corners take the inset colour of the side panel."""
    skies = {
        "har": ("#4fa8ee", "#bfe6ff"), "kum": ("#9aa9b6", "#dde3e8"), "ame": ("#5f7f9f", "#a6bad0"),
        "kam": ("#2e2148", "#67508c"), "yuk": ("#8fbfe6", "#e4f3ff"), "ten": ("#6fbdf0", "#fff0c2"),
        "hyo": ("#6f93a6", "#cfe6ea"), "nij": ("#5fb8f0", "#dff3ff"),
    }
    top, bot = skies[name]
    defs = sky_defs("sky", top, bot)
    defs += '<clipPath id="win"><rect x="1" y="1" width="98" height="98" rx="11"/></clipPath>'
    s = '<rect width="100" height="100" fill="%s"/>' % INSET
    s += '<g clip-path="url(#win)"><rect width="100" height="100" fill="url(#sky)"/>'
    if name == "har":
        defs += ('<radialGradient id="glow" cx="0.5" cy="0.5" r="0.5"><stop offset="0" stop-color="#fff6c4" stop-opacity="0.9"/>'
                 '<stop offset="1" stop-color="#fff6c4" stop-opacity="0"/></radialGradient>')
        s += '<circle cx="50" cy="42" r="40" fill="url(#glow)"/>'
        s += sun_rays(50, 42, 20, 33, 12, KIND["hare"][2], 1.6, width=0.28)
        s += sun_rays(50, 42, 19, 27, 12, KIND["hare"][0], 1.4, phase=math.pi / 12, width=0.26)
        d, b = sun_disc(50, 42, 18)
        defs += d
        s += b
        s += hills("#8cc152", "#6fae3e")
    elif name == "kum":
        s += cloud(62, 34, 27, KIND["kumo"][0], KIND["kumo"][1], 2)
        s += cloud(36, 56, 24, "#ffffff", "#d5dce3", 2)
        s += hills("#93ad72", "#7a965a", 86)
    elif name == "ame":
        s += hills("#6f9a5a", "#5a8248", 86)
        s += '<ellipse cx="30" cy="92" rx="11" ry="2.6" fill="%s" stroke="%s" stroke-width="1"/>' % (KIND["ame"][2], OUT)
        s += '<ellipse cx="72" cy="94" rx="8" ry="2" fill="%s" stroke="%s" stroke-width="1"/>' % (KIND["ame"][2], OUT)
        for x, y in ((14, 50), (34, 58), (56, 48), (76, 56), (90, 40), (24, 72), (46, 76), (68, 74), (86, 70)):
            s += '<path d="M%s,%s l-2.5,7" stroke="#dce8f4" stroke-width="1.4" stroke-linecap="round" opacity="0.8"/>' % (f(x + 9), f(y - 6))
        for x, y, r in ((20, 52, 4.6), (40, 62, 5.0), (62, 50, 4.6), (80, 64, 5.0), (30, 78, 4.2), (54, 80, 4.4),
                        (74, 82, 3.8), (12, 70, 3.8), (88, 46, 3.6)):
            s += drop(x, y, r, KIND["ame"][0], 1.2)
        s += cloud(50, 24, 30, "#c3ccd6", "#8e99a4", 2)
    elif name == "kam":
        s += hills("#4f5e6e", "#3c4755", 88)
        for x, y in ((16, 58), (80, 62), (30, 80), (86, 82), (64, 88)):
            s += '<path d="M%s,%s l-2,6" stroke="#a8a3d6" stroke-width="1.6" stroke-linecap="round"/>' % (f(x), f(y))
        s += '<polygon points="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
            pts([(54, 30), (36, 62), (48, 62), (40, 92), (68, 52), (55, 52), (66, 30)]), KIND["kami"][2], OUT)
        s += '<polygon points="%s" fill="#fff8c8"/>' % pts([(56, 34), (42, 58), (46, 58)])
        s += sparkle(30, 66, 4.5, KIND["kami"][2]) + sparkle(74, 70, 3.5, KIND["kami"][2])
        s += cloud(50, 24, 31, "#6d5a86", "#4a3a60", 2)
        s += cloud(78, 16, 16, "#7e6b98", "#5a4872", 2)
    elif name == "yuk":
        s += '<path d="M0,80 Q28,68 56,78 T100,74 V100 H0 Z" fill="#d6ecfb"/>'
        s += '<path d="M0,86 Q32,76 62,84 T100,82 V100 H0 Z" fill="#ffffff" stroke="%s" stroke-width="1.5"/>' % OUT
        s += '<path d="M14,90 Q30,86 44,90" fill="none" stroke="#bfe3fa" stroke-width="2" stroke-linecap="round"/>'
        for x, y, r in ((26, 28, 11), (70, 22, 8.5), (52, 52, 13), (16, 62, 7), (84, 56, 9), (36, 80, 5.5), (80, 86, 5)):
            s += snowflake(x, y, r, "#5b8fbf", 3.4)
            s += snowflake(x, y, r, "#ffffff", 1.8)
    elif name == "ten":
        s += hills("#8cc152", "#6fae3e")
        s += sun_rays(36, 36, 16, 25, 10, KIND["ten"][0], 1.5)
        d, b = sun_disc(36, 36, 15, ("#ffe98a", KIND["ten"][0], KIND["ten"][1]))
        defs += d
        s += b
        s += cloud(72, 30, 16, "#ffffff", "#dfe8f0", 2)
        for x, y, r in ((58, 54, 4.2), (76, 62, 4.4), (20, 64, 3.8), (44, 70, 4.0), (88, 80, 3.4), (64, 80, 3.6), (50, 44, 3.2)):
            s += drop(x, y, r, KIND["ten"][2], 1.2)
        s += sparkle(30, 76, 3.2) + sparkle(84, 44, 2.8)
    elif name == "hyo":
        s += hills("#8aa08a", "#718a74", 86)
        for x, y, r in ((18, 52, 6.0), (44, 62, 6.8), (70, 50, 6.0), (86, 68, 5.4), (28, 74, 5.0), (60, 78, 5.6)):
            s += '<path d="M%s,%s l1.5,-6 M%s,%s l1.5,-6" stroke="#ffffff" stroke-width="1.3" stroke-linecap="round" opacity="0.7"/>' % (
                f(x - 2.5), f(y - r - 1), f(x + 2.5), f(y - r - 1))
            s += grain(x, y, r, 1.4)
        for x, y, r in ((20, 91, 3.4), (34, 93, 2.8), (64, 92, 3.4), (86, 93, 2.8), (48, 95, 2.6), (76, 96, 2.4)):
            s += grain(x, y, r, 1.1)
        s += cloud(50, 24, 30, "#b9c6cf", "#8e9ea9", 2)
    elif name == "nij":
        s += rainbow_arc(50, 86, 46, 4.4)
        s += hills("#8cc152", "#6fae3e", 86)
        s += cloud(14, 78, 12, "#ffffff", "#dfe8f0", 2)
        s += cloud(86, 78, 12, "#ffffff", "#dfe8f0", 2)
        s += sparkle(50, 22, 3.5) + sparkle(22, 30, 2.6) + sparkle(78, 26, 2.6)
    s += '</g>'
    s += '<rect x="1" y="1" width="98" height="98" rx="11" fill="none" stroke="%s" stroke-width="2"/>' % OUT
    s += '<path d="M8,3.6 H92" stroke="#ffffff" stroke-width="1.2" opacity="0.5" stroke-linecap="round"/>'
    return svg(100, 100, s, defs)


def sun_disc(cx, cy, r, cols=("#ffe27a", "#ffa726", "#e07b00")):
    hi, m, sh = cols
    defs = ('<radialGradient id="sun%d" cx="0.4" cy="0.38" r="0.65"><stop offset="0" stop-color="%s"/>'
            '<stop offset="0.75" stop-color="%s"/><stop offset="1" stop-color="%s"/></radialGradient>' % (int(cx), hi, m, sh))
    s = '<circle cx="%s" cy="%s" r="%s" fill="url(#sun%d)" stroke="%s" stroke-width="2"/>' % (f(cx), f(cy), f(r), int(cx), OUT)
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#fff" opacity="0.7" transform="rotate(-40 %s %s)"/>' % (
        f(cx - 0.45 * r), f(cy - 0.45 * r), f(0.3 * r), f(0.15 * r), f(cx - 0.45 * r), f(cy - 0.45 * r))
    return defs, s


# ====================================================================== worn accessories

WORN = {
    "k": ["hutu", "hare", "ame", "yuki", "hyou", "niji"],
    "b": ["hutu", "kumo", "kami", "ten", "hyou", "niji"],
    "n": ["hutu", "kumo", "kami", "ten", "hyou", "niji"],
    "y": ["hutu", "hare", "ame", "yuki", "hyou", "niji"],
}


def gold_style(sw=1.5):
    return 'fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (GOLD[0], OUT, f(sw))


def gem_r(kind, r):
    return r * {"ame": 0.85, "hare": 0.82, "kumo": 0.95, "hyou": 0.92}.get(kind, 1.0)


def worn_hair(kind):
    defs = ""
    s = '<rect width="50" height="50" fill="%s"/>' % CREAM
    # the pin
    s += '<path d="M9,46 L29,20" stroke="%s" stroke-width="5" stroke-linecap="round"/>' % OUT
    s += '<path d="M9,46 L29,20" stroke="%s" stroke-width="2.6" stroke-linecap="round"/>' % GOLD[0]
    s += '<path d="M10.5,43 L26,23" stroke="%s" stroke-width="0.9" stroke-linecap="round"/>' % GOLD[2]
    # dangling strands with beads of the kind
    m, sh, hi = KIND[kind]
    bead = RAINBOW[4] if kind == "niji" else (sh if kind in ("yuki", "hutu") else m)
    for x0, y0, x1, y1 in ((22, 30, 20, 41), (27, 31, 27, 44)):
        s += '<path d="M%s,%s L%s,%s" stroke="%s" stroke-width="1.1" stroke-dasharray="1.6 1"/>' % (x0, y0, x1, y1, GOLD[1])
        s += '<circle cx="%s" cy="%s" r="2.4" fill="%s" stroke="%s" stroke-width="1"/>' % (x1, f(y1 + 1.5), bead, OUT)
        s += '<circle cx="%s" cy="%s" r="0.8" fill="#fff"/>' % (f(x1 - 0.8), f(y1 + 0.8))
    # a flower of gold petals holding the gem
    cx, cy = 32, 17
    for i in range(6):
        a = math.radians(60 * i + 15)
        px, py = cx + 8.5 * math.cos(a), cy + 8.5 * math.sin(a)
        s += '<circle cx="%s" cy="%s" r="5" %s/>' % (f(px), f(py), gold_style(1.4))
    s += '<circle cx="%s" cy="%s" r="9" fill="%s"/>' % (cx, cy, GOLD[0])
    for i in range(6):
        a = math.radians(60 * i + 15)
        px, py = cx + 9 * math.cos(a), cy + 9 * math.sin(a)
        s += '<circle cx="%s" cy="%s" r="1.2" fill="%s"/>' % (f(px), f(py), GOLD[2])
    d, b = gem(kind, cx, cy + (1.2 if kind == "ame" else 0), gem_r(kind, 7.8), "w", sw=1.3)
    return svg(50, 50, s + b, defs + d)


def worn_bracelet(kind):
    s = '<rect width="50" height="50" fill="%s"/>' % CREAM
    # back half of the band (darker), then the front half
    s += '<ellipse cx="25" cy="24" rx="20" ry="11" fill="none" stroke="%s" stroke-width="7"/>' % OUT
    s += '<ellipse cx="25" cy="24" rx="20" ry="11" fill="none" stroke="%s" stroke-width="4.4"/>' % GOLD[1]
    s += '<path d="M5,24 A20,11 0 0 0 45,24" fill="none" stroke="%s" stroke-width="4.4"/>' % GOLD[0]
    s += '<path d="M7.5,27.5 A18.5,9.5 0 0 0 20,34.2" fill="none" stroke="%s" stroke-width="1.2" stroke-linecap="round"/>' % GOLD[2]
    # small studs along the front
    for a in (200, 235, 305, 340):
        r = math.radians(a)
        x, y = 25 + 20 * math.cos(r), 24 - 11 * math.sin(r)
        s += '<circle cx="%s" cy="%s" r="1.6" fill="%s" stroke="%s" stroke-width="0.8"/>' % (f(x), f(y), GOLD[2], OUT)
    # bezel and gem at the front
    s += '<circle cx="25" cy="36" r="10.6" %s/>' % gold_style(1.5)
    d, b = gem(kind, 25, 36 + (1 if kind == "ame" else 0), gem_r(kind, 8.4), "w", sw=1.3)
    return svg(50, 50, s + b, d)


def worn_necklace(kind):
    s = '<rect width="50" height="50" fill="%s"/>' % CREAM
    chain = "M4,0 C6,18 16,27 25,28 C34,27 44,18 46,0"
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="3.6" stroke-linecap="round"/>' % (chain, OUT)
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="1.8" stroke-dasharray="2.4 1.1"/>' % (chain, GOLD[0])
    # bail
    s += '<rect x="22.5" y="26" width="5" height="5.5" rx="1.5" %s/>' % gold_style(1.2)
    s += '<circle cx="25" cy="38.5" r="10.6" %s/>' % gold_style(1.5)
    for i in range(8):
        a = math.radians(45 * i + 22.5)
        s += '<circle cx="%s" cy="%s" r="0.9" fill="%s"/>' % (f(25 + 9.6 * math.cos(a)), f(38.5 + 9.6 * math.sin(a)), GOLD[2])
    d, b = gem(kind, 25, 38.5 + (1 if kind == "ame" else 0), gem_r(kind, 8.2), "w", sw=1.3)
    return svg(50, 50, s + b, d)


def worn_ring(kind):
    s = '<rect width="50" height="50" fill="%s"/>' % CREAM
    s += '<ellipse cx="25" cy="33" rx="14" ry="10.5" fill="none" stroke="%s" stroke-width="7.4"/>' % OUT
    s += '<ellipse cx="25" cy="33" rx="14" ry="10.5" fill="none" stroke="%s" stroke-width="4.6"/>' % GOLD[0]
    s += '<path d="M11,33 A14,10.5 0 0 1 18,23.9" fill="none" stroke="%s" stroke-width="4.6"/>' % GOLD[1]
    s += '<path d="M13.5,37 A12,8.5 0 0 0 25,42.3" fill="none" stroke="%s" stroke-width="1.3" stroke-linecap="round"/>' % GOLD[2]
    # the setting with four prongs
    s += '<path d="M16,22 L19,13 L31,13 L34,22 Z" %s/>' % gold_style(1.5)
    d, b = gem(kind, 25, 14 + (1.2 if kind == "ame" else 0), gem_r(kind, 9.4), "w", sw=1.4)
    s += b
    for x, y in ((17.5, 12.5), (32.5, 12.5), (20, 21.5), (30, 21.5)):
        s += '<circle cx="%s" cy="%s" r="1.5" fill="%s" stroke="%s" stroke-width="0.8"/>' % (f(x), f(y), GOLD[2], OUT)
    return svg(50, 50, s, d)


# ====================================================================== buttons

def icon(name, cx, cy, k=1.0):
    """Small 18 px icons for the menu and kind buttons (no gradients)."""
    def P(d, fill, sw=1.4, extra=""):
        return '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round"%s/>' % (
            d, fill, OUT, f(sw), extra)
    g = '<g transform="translate(%s,%s) scale(%s)">' % (f(cx), f(cy), f(k))
    s = ""
    if name == "trophy":
        s += P("M-9,-7 Q-11,0 -4,1 M9,-7 Q11,0 4,1", "none", 1.6)
        s += P("M-6.5,-8 H6.5 V-3 Q6.5,3 0,4 Q-6.5,3 -6.5,-3 Z", GOLD[0])
        s += P("M-1.5,4 H1.5 V6.5 H-1.5 Z", GOLD[1], 1.2)
        s += P("M-5,6.5 H5 V9 H-5 Z", "#a0683c", 1.2)
        s += sparkle(-2.5, -3.5, 2.2)
    elif name == "ribbon":
        s += P("M0,-1 L-9,-7 Q-11,-1 -9,5 Z", "#f28cb1")
        s += P("M0,-1 L9,-7 Q11,-1 9,5 Z", "#f28cb1")
        s += P("M-1,1 L-5,9 L-2,8 L0,10 Z M1,1 L5,9 L2,8 L0,10 Z", "#e06c98", 1.2)
        s += P("M-2.6,-3 H2.6 V2 H-2.6 Z", "#e06c98", 1.3)
    elif name == "shop":
        s += P("M-8,-1 H8 V9 H-8 Z", "#f3dcb2")
        s += P("M-2.5,2 H2.5 V9 H-2.5 Z", "#a0683c", 1.2)
        s += P("M-10,-8 H10 L9,-1 H-9 Z", "#ffffff")
        for x in (-6.5, -1.2, 4.1):
            s += '<path d="M%s,-7.6 H%s L%s,-1.4 H%s Z" fill="#d9534f"/>' % (f(x), f(x + 2.6), f(x + 2.5), f(x - 0.1))
        s += P("M-10,-8 H10 L9,-1 H-9 Z", "none")
        s += '<path d="M-9,-1 Q-7,2 -5,-1 Q-3,2 -1,-1 Q1,2 3,-1 Q5,2 7,-1 Q8,1.5 9,-1" fill="#d9534f" stroke="%s" stroke-width="1.1"/>' % OUT
    elif name == "sprout":
        s += P("M-9,9 Q0,1 9,9 Z", "#7a5236")
        s += P("M0,6 V-1", "none", 3.4)
        s += '<path d="M0,6 V-1" stroke="%s" stroke-width="1.8" stroke-linecap="round"/>' % STEM
        s += leaf(0, -1, -8, -7, 1.2, 0.5) + leaf(0, -1, 8, -8, 1.2, 0.5)
    elif name == "hammer":
        s += P("M-7,8 L3,-2", "none", 4.2)
        s += '<path d="M-7,8 L3,-2" stroke="#c48a55" stroke-width="2.2" stroke-linecap="round"/>'
        s += P("M-1,-6 L5,-10 L10,-3 L4,1 Z", "#aab4bf")
        s += P("M4,1 L10,-3 L10.5,-2 L4.5,2 Z", "#7d8894", 1.0)
        s += '<polygon points="%s" fill="#8e5cc8" stroke="%s" stroke-width="1.1"/>' % (pts([(6, 4), (10, 6), (8, 10), (4, 8)]), OUT)
        s += sparkle(-6, -6, 3, GOLD[0])
    elif name == "bag":
        s += P("M-7,-3 Q-10,9 0,9 Q10,9 7,-3 Z", "#c48a55")
        s += P("M-4,-8 Q0,-5 4,-8 L6,-3 H-6 Z", "#a0683c", 1.3)
        s += P("M-6,-3 H6", "none", 1.6)
        s += '<circle cx="0" cy="3" r="2.2" fill="%s" stroke="%s" stroke-width="1"/>' % (GOLD[0], OUT)
    elif name == "basket":
        s += '<circle cx="-3.5" cy="-2" r="4" fill="%s" stroke="%s" stroke-width="1.2"/>' % (KIND["hare"][0], OUT)
        s += '<circle cx="3.5" cy="-3" r="4" fill="%s" stroke="%s" stroke-width="1.2"/>' % (KIND["ame"][0], OUT)
        s += '<circle cx="0.5" cy="-5" r="3.4" fill="%s" stroke="%s" stroke-width="1.2"/>' % (KIND["kami"][0], OUT)
        s += P("M-10,0 H10 L7,9 H-7 Z", "#d9a55a")
        s += '<path d="M-8.5,4 H8.5 M-4,0.5 L-3,9 M4,0.5 L3,9" stroke="#a0683c" stroke-width="1.1"/>'
        s += P("M-10,0 H10 L7,9 H-7 Z", "none")
    elif name == "bubble":
        s += P("M-9,-7 H9 Q11,-7 11,-5 V3 Q11,5 9,5 H-1 L-6,9.5 L-5,5 H-9 Q-11,5 -11,3 V-5 Q-11,-7 -9,-7 Z", "#ffffff")
        for x in (-5, 0, 5):
            s += '<circle cx="%s" cy="-1" r="1.5" fill="%s"/>' % (x, PURPLE)
    elif name == "moon":
        s += P("M2,-9 A9,9 0 1 0 8,5 A7,7 0 1 1 2,-9 Z", "#ffd83a")
        s += sparkle(7, -6, 3.4, "#ffd83a") + '<path d="M7,-9.4 L7,-2.6 M3.6,-6 L10.4,-6" stroke="%s" stroke-width="0" />' % OUT
        s += '<circle cx="-3" cy="3" r="1.1" fill="#e8b800"/>'
    elif name == "hairpin":
        s += '<path d="M-8,9 L3,-3" stroke="%s" stroke-width="3.4" stroke-linecap="round"/>' % OUT
        s += '<path d="M-8,9 L3,-3" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>' % GOLD[0]
        for i in range(5):
            a = math.radians(72 * i - 90)
            s += '<circle cx="%s" cy="%s" r="3.2" fill="#f28cb1" stroke="%s" stroke-width="1"/>' % (
                f(4 + 4.4 * math.cos(a)), f(-4 + 4.4 * math.sin(a)), OUT)
        s += '<circle cx="4" cy="-4" r="2.6" fill="%s" stroke="%s" stroke-width="1"/>' % (GOLD[0], OUT)
    elif name == "bracelet":
        s += '<ellipse cx="0" cy="0" rx="9.5" ry="6" fill="none" stroke="%s" stroke-width="4.4"/>' % OUT
        s += '<ellipse cx="0" cy="0" rx="9.5" ry="6" fill="none" stroke="%s" stroke-width="2.2"/>' % GOLD[0]
        s += '<circle cx="0" cy="6" r="3.6" fill="#4a90d9" stroke="%s" stroke-width="1.1"/>' % OUT
        s += '<circle cx="-1" cy="5" r="1" fill="#fff"/>'
    elif name == "necklace":
        s += '<path d="M-9,-9 C-8,0 -4,3 0,3.5 C4,3 8,0 9,-9" fill="none" stroke="%s" stroke-width="3"/>' % OUT
        s += '<path d="M-9,-9 C-8,0 -4,3 0,3.5 C4,3 8,0 9,-9" fill="none" stroke="%s" stroke-width="1.4" stroke-dasharray="2 0.8"/>' % GOLD[0]
        s += '<path d="%s" fill="#e74c7c" stroke="%s" stroke-width="1.1"/>' % (
            "M0,3 L4,6.5 L0,10.5 L-4,6.5 Z", OUT)
        s += '<path d="M-1.5,5.5 L0,4.5" stroke="#fff" stroke-width="1" stroke-linecap="round"/>'
    elif name == "ring":
        s += '<ellipse cx="0" cy="3" rx="7" ry="6" fill="none" stroke="%s" stroke-width="4.2"/>' % OUT
        s += '<ellipse cx="0" cy="3" rx="7" ry="6" fill="none" stroke="%s" stroke-width="2"/>' % GOLD[0]
        s += '<polygon points="%s" fill="#a8eef0" stroke="%s" stroke-width="1.1" stroke-linejoin="round"/>' % (
            pts([(-4, -6), (-2, -9), (2, -9), (4, -6), (0, -2)]), OUT)
        s += '<path d="M-2,-8 L-0.5,-6" stroke="#fff" stroke-width="1"/>'
    return g + s + "</g>"


MENU = [("menuk1", "コンテスト", "trophy"), ("menuk2", "ドレスアップ", "ribbon"), ("menuk3", "お店", "shop"),
        ("menuk4", "種植え", "sprout"), ("menuk5", "加工", "hammer"), ("menuk6", "アイテム", "bag"),
        ("menuk7", "収穫", "basket"), ("menuk8", "コメント", "bubble"), ("menuk9", "一日終了", "moon")]

KINDBTN = [("bak", "かみかざり", "hairpin"), ("bab", "ブレスレット", "bracelet"),
           ("ban", "ネックレス", "necklace"), ("bay", "指輪", "ring")]

DIALOG = [("yes", "はい", "warm"), ("no", "いいえ", "cool"), ("yame", "やめる", "cool"), ("ok", "ＯＫ", "warm"),
          ("tudu", "つづける", "warm"), ("basen", "アクセサリー", ""), ("btsen", "種", ""), ("buri", "売る", ""),
          ("bkai", "買う", ""), ("mit", "実から種", ""), ("sin", "新種", ""), ("itemt", "種", ""), ("itemm", "実", "")]


def menu_button(caption, ic):
    defs = face_defs("face")
    s = button_face(80, 50, PLUM, rx=8)
    s += icon(ic, 40, 15.5, 0.95)
    s += squeezed_text(40, 37.5, caption, 70, 15)
    return svg(80, 50, s, defs)


def kind_button(caption, ic):
    defs = face_defs("face")
    s = button_face(90, 35, CREAM, rx=8)
    s += icon(ic, 14, 17.5, 0.95)
    s += squeezed_text(56.5, 17.5, caption, 58, 13)
    return svg(90, 35, s, defs)


def dialog_button(caption, tone):
    top, bot, accent = FACE_TOP, FACE_BOT, None
    if tone == "warm":
        top, bot, accent = "#fff3df", "#f8d9ad", "#e8823a"
    elif tone == "cool":
        top, bot, accent = "#f6f5f0", "#dfe3e3", "#5b8fbf"
    defs = face_defs("face", top, bot)
    s = button_face(90, 30, PLUM, rx=8)
    if accent:
        s += '<rect x="4" y="4" width="82" height="22" rx="5.5" fill="none" stroke="%s" stroke-width="1.6" opacity="0.85"/>' % accent
        s += squeezed_text(45, 15, caption, 70, 16)
    else:
        s += squeezed_text(45, 15, caption, 76, 16)
    return svg(90, 30, s, defs)


# ====================================================================== frames

WOOD_M, WOOD_SH, WOOD_HI = "#b07a48", "#8a5a32", "#cf9a64"


def board(x, y, w, h, grain=True, horizontal=True):
    """A flat wooden board with one shade strip, one highlight line and a few grain lines."""
    s = '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(y), f(w), f(h), WOOD_M)
    if horizontal:
        s += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x), f(y + h * 0.72), f(w), f(h * 0.28), WOOD_SH)
        s += '<path d="M%s,%s H%s" stroke="%s" stroke-width="1.5"/>' % (f(x), f(y + 1.8), f(x + w), WOOD_HI)
    else:
        s += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (f(x + w * 0.65), f(y), f(w * 0.35), f(h), WOOD_SH)
        s += '<path d="M%s,%s V%s" stroke="%s" stroke-width="1.2"/>' % (f(x + 1.5), f(y), f(y + h), WOOD_HI)
    return s


def logo(cx, baseline, size, uid="logo"):
    defs = ('<linearGradient id="%s" x1="0" y1="0" x2="0" y2="1"><stop offset="0.15" stop-color="#ffe27a"/>'
            '<stop offset="0.95" stop-color="#f5a623"/></linearGradient>' % uid)
    arc_r = size * 0.5
    s = rainbow_arc(cx, baseline - size * 0.45, arc_r, size * 0.05)
    s += ('<text x="%s" y="%s" font-family="URW Bookman, serif" font-weight="bold" font-size="%s" text-anchor="middle" '
          'fill="url(#%s)" stroke="%s" stroke-width="3" stroke-linejoin="round" paint-order="stroke">Tenrali</text>'
          % (f(cx), f(baseline), f(size), uid, OUT))
    return defs, s


def mainw():
    W, H = 450, 250
    defs = ""
    s = '<rect width="%d" height="%d" fill="%s"/>' % (W, H, CREAM)
    # the cream wall: a soft shadow under the top board and inside the side boards
    s += '<rect x="8" y="28" width="434" height="4" fill="#ecdcbc"/>'
    s += '<rect x="8" y="28" width="3" height="222" fill="#efe1c4"/><rect x="439" y="28" width="3" height="222" fill="#efe1c4"/>'
    # side boards; no bottom board: the wall runs down to the message window, whose frame closes it
    # (the worn ring's picture reaches down to y 249, and would punch through a board there)
    s += board(0, 24, 8, 226, horizontal=False) + board(442, 24, 8, 226, horizontal=False)
    # the top board carries the logo
    s += board(0, 0, 450, 28)
    s += '<path d="M14,9 Q70,7 120,10 M300,8 Q360,11 436,8 M20,19 Q80,21 140,18 M318,18 Q380,16 430,20" fill="none" stroke="%s" stroke-width="1" opacity="0.5"/>' % WOOD_SH
    # outlines: outer edge and the window opening
    s += '<rect x="1" y="1" width="448" height="256" rx="3" fill="none" stroke="%s" stroke-width="2"/>' % OUT
    s += '<rect x="8" y="28" width="434" height="230" fill="none" stroke="%s" stroke-width="2"/>' % OUT
    # the logo plaque
    s += '<rect x="161" y="2" width="128" height="24.5" rx="7" fill="#6e4426" stroke="%s" stroke-width="2"/>' % OUT
    s += '<path d="M168,4.6 H282" stroke="#8d5c37" stroke-width="1.2" stroke-linecap="round"/>'
    d, b = logo(225, 23, 24)
    defs += d
    s += b
    # the eight weathers as little brass roundels, four each side of the plaque
    order = ["hare", "kumo", "ame", "kami", "yuki", "ten", "hyou", "niji"]
    xs = [36, 70, 104, 138, 312, 346, 380, 414]
    for k, x in zip(order, xs):
        s += '<circle cx="%s" cy="13.5" r="10" fill="%s" stroke="%s" stroke-width="1.6"/>' % (x, "#f6e7c8", OUT)
        s += '<circle cx="%s" cy="13.5" r="8.2" fill="none" stroke="%s" stroke-width="1.2"/>' % (x, GOLD[0])
        s += motif_sign(k, x, 13.5, 6.6)
    # brass nails
    for x, y in ((5, 5), (445, 5), (4, 243), (446, 243), (4, 137), (446, 137)):
        s += '<circle cx="%s" cy="%s" r="1.8" fill="%s" stroke="%s" stroke-width="0.8"/>' % (x, y, GOLD[0], OUT)
    return svg(W, H, s, defs)


def subw1():
    W, H = 150, 250
    s = '<rect width="%d" height="%d" fill="%s"/>' % (W, H, PARCH)
    s += '<rect x="5" y="5" width="140" height="240" fill="none" stroke="#e6d4ad" stroke-width="3"/>'
    s += board(0, 0, 150, 5) + board(0, 245, 150, 5) + board(0, 0, 5, 250, horizontal=False) + board(145, 0, 5, 250, horizontal=False)
    s += '<rect x="1" y="1" width="148" height="248" rx="2" fill="none" stroke="%s" stroke-width="2"/>' % OUT
    s += '<rect x="5" y="5" width="140" height="240" fill="none" stroke="%s" stroke-width="1.5"/>' % OUT
    # the soft inset where the weather picture sits (27,8) 100x100
    s += '<rect x="23.5" y="6.5" width="107" height="106" rx="13" fill="%s" stroke="#d8c197" stroke-width="1.5"/>' % INSET
    s += '<path d="M30,113 H124" stroke="#fff8e6" stroke-width="1.2" stroke-linecap="round"/>'
    # small corner ornaments beside the inset
    for x in (14, 136):
        s += '<circle cx="%s" cy="16" r="2.6" fill="%s" stroke="%s" stroke-width="1"/>' % (x, GOLD[0], OUT)
        s += '<path d="M%s,24 V100" stroke="#e2cfa6" stroke-width="2" stroke-linecap="round" stroke-dasharray="1 5"/>' % x
    # a thin rule between the weather block and the status block
    s += '<path d="M16,161.5 H134" stroke="#dcc59b" stroke-width="1.2" stroke-linecap="round"/>'
    return svg(W, H, s)


STAR_SHELF = "#8f7e9c"


def subw2():
    W, H = 600, 150
    s = '<rect width="%d" height="%d" fill="%s"/>' % (W, H, PLUM)
    s += '<rect x="4" y="4" width="592" height="20" fill="#47304f"/>'
    s += '<path d="M8,24.5 H592" stroke="#5a4262" stroke-width="1"/>'
    # wooden border
    s += '<rect x="2" y="2" width="596" height="146" rx="5" fill="none" stroke="%s" stroke-width="4"/>' % WOOD
    s += '<rect x="1" y="1" width="598" height="148" rx="6" fill="none" stroke="%s" stroke-width="2"/>' % OUT
    s += '<rect x="4.5" y="4.5" width="591" height="141" rx="3" fill="none" stroke="#7a5a3a" stroke-width="1"/>'
    # the portrait slot at (3,30) 100x100, and under it, down through the frame, the shelf where
    # the contest stars stand (window 14..86, 376..400): a middle tone, so that a black star shows
    # as well as a white, yellow or lime one, and no tip runs into the dark frame
    s += '<rect x="2" y="28.5" width="103" height="104" rx="4" fill="#2c1e33" stroke="#b8904a" stroke-width="1.2"/>'
    s += '<path d="M8,131.5 H99 V150 H8 Z" fill="%s" stroke="#b8904a" stroke-width="1.2"/>' % STAR_SHELF
    s += '<path d="M9.5,133 H97.5" stroke="#c9bad3" stroke-width="1" stroke-linecap="round"/>'
    # a gold ornament in the top strip
    for x in (56, 560):
        s += sparkle(x, 14, 4.5, "#d9b25a", 0.9)
    s += '<path d="M70,14 H140 M466,14 H546" stroke="#8a6a48" stroke-width="1" stroke-linecap="round"/>'
    return svg(W, H, s)


# ====================================================================== driver

def pictures():
    out = {}
    out[("frames", "mainw")] = mainw()
    out[("frames", "subw1")] = subw1()
    out[("frames", "subw2")] = subw2()
    for n, cap, ic in MENU:
        out[("buttons", n)] = menu_button(cap, ic)
    for n, cap, ic in KINDBTN:
        out[("buttons", n)] = kind_button(cap, ic)
    for n, cap, tone in DIALOG:
        out[("buttons", n)] = dialog_button(cap, tone)
    for k in KINDS:
        out[("items", "a" + k)] = accessory_icon(k)
        out[("items", "bt" + k)] = seed_button(k)
        out[("items", "bm" + k)] = fruit_button(k)
    out[("items", "ueki")] = ueki()
    for k in KINDS:
        for st in (1, 2, 3):
            out[("plants", "%s%d" % (k, st))] = plant(k, st)
    for n in ("har", "kum", "ame", "kam", "yuk", "ten", "hyo", "nij"):
        out[("weather", n)] = weather(n)
    makers = {"k": worn_hair, "b": worn_bracelet, "n": worn_necklace, "y": worn_ring}
    for t, kinds in WORN.items():
        for i, k in enumerate(kinds):
            out[("worn", "wa%s%d" % (t, i + 1))] = makers[t](k)
    return out


def main(argv):
    only = None
    groups = []
    args = list(argv)
    while args:
        a = args.pop(0)
        if a == "--only" and args:
            only = set(args.pop(0).split(","))
        elif a.startswith("--only="):
            only = set(a.split("=", 1)[1].split(","))
        else:
            groups.append(a)
    n = 0
    for (g, name), text_ in pictures().items():
        if groups and g not in groups:
            continue
        if only and name not in only:
            continue
        d = os.path.join(ART, g)
        os.makedirs(d, exist_ok=True)
        with open(os.path.join(d, name + ".svg"), "w", encoding="utf-8") as fh:
            fh.write(text_)
        n += 1
    print("wrote %d pictures" % n)


if __name__ == "__main__":
    main(sys.argv[1:])
