#!/usr/bin/env python3
"""Writes the full-window scene pictures (ivent, ivent1..ivent11) and the icon.

    python3 assets/art/tools/people_scenes.py              # every scene and the icon
    python3 assets/art/tools/people_scenes.py ivent6 icon  # only these

The SVGs it writes are plain files; after hand-editing one, do not run the
generator over it again.
"""
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from people_lib import (LINE, f, Ids, svg_doc, smooth_closed, smooth_open, shaded_blob, sparkle, heart,
                        drop, gothic_text, logo, limb)
import people_portraits as pp
from palette import KIND_COLOURS, RAINBOW

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.normpath(os.path.join(HERE, ".."))

KINDS = KIND_COLOURS


class Scene:
    def __init__(self, name, w, h):
        self.name, self.w, self.h = name, w, h
        self.ids = Ids(name)
        self.defs = []
        self.body = []
        self.rng = random.Random(name)

    def add(self, *s):
        self.body.extend(s)

    def lin(self, stops, x1=0, y1=0, x2=0, y2=1, units=None):
        gid = self.ids("lg")
        u = ' gradientUnits="userSpaceOnUse"' if units else ""
        self.defs.append('<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>' % (
            gid, f(x1), f(y1), f(x2), f(y2), u, stops_svg(stops)))
        return "url(#%s)" % gid

    def rad(self, stops, cx=0.5, cy=0.5, r=0.5, units=None, fx=None, fy=None):
        gid = self.ids("rg")
        u = ' gradientUnits="userSpaceOnUse"' if units else ""
        fo = ' fx="%s" fy="%s"' % (f(fx), f(fy)) if fx is not None else ""
        self.defs.append('<radialGradient id="%s" cx="%s" cy="%s" r="%s"%s%s>%s</radialGradient>' % (
            gid, f(cx), f(cy), f(r), fo, u, stops_svg(stops)))
        return "url(#%s)" % gid

    def blur(self, sd):
        fid = self.ids("bl")
        self.defs.append('<filter id="%s" x="-20%%" y="-20%%" width="140%%" height="140%%">'
                         '<feGaussianBlur stdDeviation="%s"/></filter>' % (fid, f(sd)))
        return "url(#%s)" % fid

    def clip(self, inner):
        cid = self.ids("cp")
        self.defs.append('<clipPath id="%s">%s</clipPath>' % (cid, inner))
        return "url(#%s)" % cid

    def svg(self):
        return svg_doc(self.w, self.h, self.defs, self.body, title=self.name)


def stops_svg(stops):
    out = ""
    for st in stops:
        off, col = st[0], st[1]
        op = st[2] if len(st) > 2 else 1
        out += '<stop offset="%s" stop-color="%s"%s/>' % (f(off), col, ' stop-opacity="%s"' % f(op) if op != 1 else "")
    return out


# ---------------------------------------------------------------- shared scenery


def star5(x, y, r, fill="#ffe27a", stroke=LINE, sw=1.5, rot=0, inner=0.45, opacity=1):
    p = []
    for i in range(10):
        a = math.radians(rot - 90 + i * 36)
        rr = r if i % 2 == 0 else r * inner
        p.append((x + math.cos(a) * rr, y + math.sin(a) * rr))
    d = "M" + "L".join("%s %s" % (f(a), f(b)) for a, b in p) + "Z"
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round" opacity="%s"/>' % (
        d, fill, stroke, f(sw), f(opacity))


def twinkles(sc, n, x0, y0, x1, y1, avoid=None, big=0.1, colors=("#ffffff", "#fff6c8", "#dfe8ff")):
    s = ""
    for i in range(n):
        x = sc.rng.uniform(x0, x1)
        y = sc.rng.uniform(y0, y1)
        if avoid and avoid(x, y):
            continue
        col = sc.rng.choice(colors)
        r = sc.rng.uniform(0.6, 1.6)
        if sc.rng.random() < big:
            s += sparkle(x, y, r * 3.2, fill=col, stroke=col, sw=0.2, opacity=0.95)
        else:
            s += '<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="%s"/>' % (
                f(x), f(y), f(r), col, f(sc.rng.uniform(0.5, 1)))
    return s


def cloud(x, y, s, fill="#ffffff", shade="#e3ecf5", stroke=LINE, sw=2, opacity=1):
    bumps = [(-1.0, 0.15, 0.55), (-0.45, -0.25, 0.7), (0.25, -0.35, 0.8), (0.9, 0.05, 0.6), (0.0, 0.3, 0.6)]
    pts = []
    for k in range(48):
        a = 2 * math.pi * k / 48
        best = 0
        for bx, by, br in bumps:
            # distance from the cloud centre along a ray to the far side of this bump
            dx, dy = math.cos(a), math.sin(a) * 0.8
            b = bx * dx + by * dy
            c = bx * bx + by * by - br * br
            disc = b * b - c
            if disc > 0:
                best = max(best, b + math.sqrt(disc))
        pts.append((x + math.cos(a) * best * s, y + math.sin(a) * best * s * 0.8))
    # flatten the bottom
    pts = [(px, min(py, y + 0.42 * s)) for px, py in pts]
    d = smooth_closed(pts)
    out = '<g opacity="%s">' % f(opacity)
    out += '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (
        d, fill, stroke, f(sw) if stroke != "none" else "0")
    out += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        f(x - 0.8 * s), f(y + 0.3 * s), f(x), f(y + 0.42 * s), f(x + 0.8 * s), f(y + 0.28 * s), shade, f(0.12 * s))
    out += "</g>"
    return out


def curtain(sc, x0, x1, y0, y1, folds, base="#b3233a", dark="#7a1226", light="#d94a5c", gather=0.0, side=0):
    """Velvet drapes between x0 and x1. gather pulls the bottom toward one side (side -1 left, +1 right)."""
    s = ""
    wd = (x1 - x0) / folds
    g = sc.lin([(0, dark), (0.35, base), (0.6, light), (1, dark)], 0, 0, 1, 0)
    for i in range(folds):
        a = x0 + i * wd
        b = a + wd
        if gather:
            # the lower end of each fold is pulled in
            ta = a + (x1 - a if side > 0 else x0 - a) * gather * 0 
            pa = a + ((x1 if side > 0 else x0) - a) * gather
            pb = b + ((x1 if side > 0 else x0) - b) * gather
        else:
            pa, pb = a, b
        d = "M%s %sL%s %sC%s %s %s %s %s %sL%s %sC%s %s %s %s %s %sZ" % (
            f(a), f(y0), f(b + 0.5), f(y0),
            f(b), f(y0 + (y1 - y0) * 0.5), f(pb), f(y1 - (y1 - y0) * 0.25), f(pb), f(y1),
            f(pa - 0.5), f(y1),
            f(pa), f(y1 - (y1 - y0) * 0.25), f(a), f(y0 + (y1 - y0) * 0.5), f(a), f(y0))
        s += '<path d="%s" fill="%s"/>' % (d, g)
    return s


def valance(sc, x0, x1, y, drop_, n, base="#9e1b33", dark="#6e0f22", trim="#f5c542"):
    """A scalloped pelmet along the top with a gold trim and tassels."""
    s = '<rect x="%s" y="-2" width="%s" height="%s" fill="%s"/>' % (f(x0), f(x1 - x0), f(y + 2), dark)
    wd = (x1 - x0) / n
    g = sc.lin([(0, dark), (0.5, base), (1, dark)], 0, 0, 1, 0)
    d = "M%s -2" % f(x0)
    for i in range(n):
        a = x0 + i * wd
        d += "L%s %sQ%s %s %s %s" % (f(a), f(y), f(a + wd / 2), f(y + drop_ * 2), f(a + wd), f(y))
    d += "L%s -2Z" % f(x1)
    s += '<path d="%s" fill="%s" stroke="%s" stroke-width="2"/>' % (d, base, LINE)
    for i in range(n):
        a = x0 + i * wd
        s += '<path d="M%s -2L%s %sQ%s %s %s %sL%s -2Z" fill="%s"/>' % (
            f(a + 1), f(a + 1), f(y), f(a + wd / 2), f(y + drop_ * 2 - 1), f(a + wd - 1), f(y), f(a + wd - 1), g)
    tr = "M%s %s" % (f(x0), f(y - 3))
    for i in range(n):
        a = x0 + i * wd
        tr += "Q%s %s %s %s" % (f(a + wd / 2), f(y + drop_ * 2 - 3), f(a + wd), f(y - 3))
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="4" stroke-linecap="round"/>' % (tr, LINE)
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="2.2" stroke-linecap="round"/>' % (tr, trim)
    for i in range(n + 1):
        a = x0 + i * wd
        s += ('<path d="M%s %sL%s %s" stroke="%s" stroke-width="1.4"/>'
              '<path d="M%s %sL%s %sL%s %sL%s %sZ" fill="%s" stroke="%s" stroke-width="1.3" stroke-linejoin="round"/>'
              '<circle cx="%s" cy="%s" r="2.6" fill="%s" stroke="%s" stroke-width="1.2"/>'
              % (f(a), f(y - 3), f(a), f(y + 4), LINE,
                 f(a), f(y + 4), f(a + 3.5), f(y + 13), f(a - 3.5), f(y + 13), f(a), f(y + 4), trim, LINE,
                 f(a), f(y + 4), trim, LINE))
    return s


def beam(sc, x_top, y_top, x_left, x_right, y_bot, color="#fff6d8", opacity=0.45, spread=18):
    g = sc.lin([(0, color, opacity), (1, color, opacity * 0.25)], 0, 0, 0, 1)
    return '<path d="M%s %sL%s %sL%s %sL%s %sZ" fill="%s"/>' % (
        f(x_top - spread / 2), f(y_top), f(x_top + spread / 2), f(y_top), f(x_right), f(y_bot), f(x_left), f(y_bot), g)


def fruit(sc, kind, x, y, r, leaf=True):
    """A glossy weather fruit of one kind, with its motif on the skin."""
    main, shade, acc = KINDS[kind]
    s = ""
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#5b3a29" opacity="0.18"/>' % (f(x + r * 0.1), f(y + r * 1.02), f(r * 0.85), f(r * 0.2))
    def dip(a):
        d = math.atan2(math.sin(a + math.pi / 2), math.cos(a + math.pi / 2))
        return r * 0.1 * math.exp(-(d / 0.38) ** 2)
    body = smooth_closed([(x + math.cos(a) * r * 1.03, y + math.sin(a) * r * 0.95 + dip(a))
                          for a in [2 * math.pi * k / 32 for k in range(32)]])
    if kind == "niji":
        cid = sc.clip('<path d="%s"/>' % body)
        s += '<g clip-path="%s">' % cid
        for i, col in enumerate(RAINBOW):
            s += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (
                f(x - r), f(y - r + i * 2 * r / 7), f(2 * r), f(2 * r / 7 + 0.6), col)
        s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.0"/>' % (f(x), f(y), f(r), f(r))
        s += '<path d="%s" fill="%s"/>' % (body, sc.rad([(0, "#ffffff", 0), (0.7, "#ffffff", 0), (1, "#3d2a55", 0.35)], 0.42, 0.38, 0.65))
        s += "</g>"
    else:
        g = sc.rad([(0, acc if kind not in ("hare", "ten", "kami") else main), (0.55, main), (1, shade)], 0.38, 0.35, 0.7)
        if kind in ("hare", "ten"):
            g = sc.rad([(0, "#fff0b8"), (0.5, main), (1, shade)], 0.38, 0.35, 0.7)
        if kind == "kami":
            g = sc.rad([(0, "#b48ae6"), (0.55, main), (1, shade)], 0.38, 0.35, 0.7)
        s += '<path d="%s" fill="%s"/>' % (body, g)
    cid = sc.clip('<path d="%s"/>' % body)
    s += '<g clip-path="%s">' % cid
    s += motif(kind, x, y + r * 0.12, r * 0.55)
    s += "</g>"
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (body, LINE)
    # glint
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.85" transform="rotate(-35 %s %s)"/>' % (
        f(x - r * 0.42), f(y - r * 0.45), f(r * 0.22), f(r * 0.12), f(x - r * 0.42), f(y - r * 0.45))
    s += '<circle cx="%s" cy="%s" r="%s" fill="#ffffff" opacity="0.9"/>' % (f(x - r * 0.15), f(y - r * 0.62), f(r * 0.06))
    # stem and leaf
    s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="2.2" stroke-linecap="round"/>' % (
        f(x), f(y - r * 0.9), f(x + r * 0.02), f(y - r * 1.12), f(x + r * 0.12), f(y - r * 1.2), LINE)
    if leaf:
        lx, ly = x + r * 0.08, y - r * 1.0
        s += ('<path d="M%s %sQ%s %s %s %sQ%s %s %s %sZ" fill="#7cc063" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>'
              % (f(lx), f(ly), f(lx + r * 0.35), f(ly - r * 0.42), f(lx + r * 0.78), f(ly - r * 0.22),
                 f(lx + r * 0.4), f(ly + r * 0.12), f(lx), f(ly), LINE))
        s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="#4e9a3e" stroke-width="1" />' % (
            f(lx + r * 0.05), f(ly - r * 0.02), f(lx + r * 0.35), f(ly - r * 0.18), f(lx + r * 0.65), f(ly - r * 0.2))
    return s


def motif(kind, x, y, r):
    """The kind's motif, drawn in its accent colour, centred on (x, y)."""
    main, shade, acc = KINDS[kind]
    s = ""
    if kind == "hutu":
        # plain: only a soft rim of shade on the lower right
        s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" opacity="0.6"/>' % (
            f(x + r * 0.9), f(y - r * 0.2), f(x + r * 0.9), f(y + r * 0.9), f(x - r * 0.2), f(y + r * 1.05), shade, f(r * 0.2))
    elif kind == "hare":
        for i in range(8):
            a = math.radians(i * 45)
            s += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
                f(x + math.cos(a) * r * 0.62), f(y + math.sin(a) * r * 0.62), f(x + math.cos(a) * r * 0.95),
                f(y + math.sin(a) * r * 0.95), acc, f(r * 0.16))
        s += '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="%s"/>' % (
            f(x), f(y), f(r * 0.42), acc, "#e07b00", f(r * 0.06))
    elif kind == "kumo":
        s += cloud(x, y + r * 0.1, r * 0.6, fill=acc, shade="#dfe4ea", stroke="#8e99a4", sw=r * 0.08)
    elif kind == "ame":
        for dx, dy, k in ((-0.45, -0.2, 0.3), (0.4, -0.35, 0.26), (0.05, 0.45, 0.3)):
            s += drop(x + dx * r, y + dy * r, r * k, fill=acc, stroke="#2f6db0", sw=r * 0.05)
    elif kind == "kami":
        d = "M%s %sL%s %sL%s %sL%s %sL%s %sL%s %sZ" % (
            f(x + r * 0.15), f(y - r * 0.95), f(x - r * 0.5), f(y + r * 0.1), f(x - r * 0.02), f(y + r * 0.1),
            f(x - r * 0.2), f(y + r * 0.95), f(x + r * 0.55), f(y - r * 0.2), f(x + r * 0.05), f(y - r * 0.2))
        s += '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (d, acc, LINE, f(r * 0.07))
    elif kind == "yuki":
        for i in range(6):
            a = math.radians(i * 60 + 90)
            ex, ey = x + math.cos(a) * r * 0.85, y + math.sin(a) * r * 0.85
            mx, my = x + math.cos(a) * r * 0.5, y + math.sin(a) * r * 0.5
            s += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
                f(x), f(y), f(ex), f(ey), "#7fb8e0", f(r * 0.11))
            for t in (-1, 1):
                b = a + t * math.radians(40)
                s += '<path d="M%s %sL%s %s" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
                    f(mx), f(my), f(mx + math.cos(b) * r * 0.28), f(my + math.sin(b) * r * 0.28), "#7fb8e0", f(r * 0.09))
    elif kind == "ten":
        s += '<circle cx="%s" cy="%s" r="%s" fill="#fff3b0" stroke="#d19f1c" stroke-width="%s"/>' % (
            f(x - r * 0.15), f(y - r * 0.25), f(r * 0.5), f(r * 0.06))
        for dx, dy in ((0.35, 0.25), (-0.45, 0.55), (0.65, -0.35)):
            s += drop(x + dx * r, y + dy * r, r * 0.22, fill=acc, stroke="#3a86b8", sw=r * 0.05)
    elif kind == "hyou":
        for dx, dy, k in ((-0.4, -0.15, 0.36), (0.35, -0.35, 0.3), (0.15, 0.45, 0.32)):
            cx_, cy_, rr = x + dx * r, y + dy * r, r * k
            p = [(cx_ + math.cos(math.radians(a)) * rr, cy_ + math.sin(math.radians(a)) * rr) for a in range(-90, 270, 60)]
            s += '<path d="M%sZ" fill="%s" stroke="#3a9aa4" stroke-width="%s" stroke-linejoin="round"/>' % (
                "L".join("%s %s" % (f(a), f(b)) for a, b in p), acc, f(r * 0.05))
            s += '<path d="M%s %sL%s %sL%s %s" fill="none" stroke="#ffffff" stroke-width="%s" opacity="0.8"/>' % (
                f(p[0][0]), f(p[0][1]), f(cx_), f(cy_), f(p[2][0]), f(p[2][1]), f(r * 0.04))
    elif kind == "niji":
        for i, col in enumerate(["#ffffff"]):
            s += '<path d="M%s %sA%s %s 0 0 1 %s %s" fill="none" stroke="#ffffff" stroke-width="%s" opacity="0.75" stroke-linecap="round"/>' % (
                f(x - r * 0.7), f(y + r * 0.2), f(r * 0.7), f(r * 0.7), f(x + r * 0.7), f(y + r * 0.2), f(r * 0.12))
    return s


def balloon(x, y, r, col, shade, string_to=None):
    s = ""
    sx, sy = string_to if string_to else (x + 4, y + r * 3.2)
    s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.2"/>' % (
        f(x), f(y + r * 1.15), f(x - r * 0.4), f((y + r * 1.15 + sy) / 2), f(sx), f(sy), LINE)
    d = "M%s %sC%s %s %s %s %s %sC%s %s %s %s %s %sZ" % (
        f(x), f(y + r * 1.1), f(x - r * 1.35), f(y + r * 0.5), f(x - r * 1.05), f(y - r * 1.2), f(x), f(y - r * 1.05),
        f(x + r * 1.05), f(y - r * 1.2), f(x + r * 1.35), f(y + r * 0.5), f(x), f(y + r * 1.1))
    s += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.8"/>' % (d, col, LINE)
    s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" opacity="0.7"/>' % (
        f(x + r * 0.55), f(y - r * 0.3), f(x + r * 0.6), f(y + r * 0.4), f(x + r * 0.15), f(y + r * 0.85), shade, f(r * 0.22))
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.75" transform="rotate(-25 %s %s)"/>' % (
        f(x - r * 0.38), f(y - r * 0.45), f(r * 0.18), f(r * 0.32), f(x - r * 0.38), f(y - r * 0.45))
    s += '<path d="M%s %sL%s %sL%s %sZ" fill="%s" stroke="%s" stroke-width="1.2" stroke-linejoin="round"/>' % (
        f(x), f(y + r * 1.08), f(x - r * 0.16), f(y + r * 1.3), f(x + r * 0.16), f(y + r * 1.3), col, LINE)
    return s


def bunting(sc, x0, y0, x1, y1, sag, n, cols):
    s = '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.6"/>' % (
        f(x0), f(y0), f((x0 + x1) / 2), f((y0 + y1) / 2 + sag * 2), f(x1), f(y1), LINE)
    for i in range(n):
        t = (i + 0.5) / n
        t2 = (i + 0.9) / n

        def at(t):
            x = (1 - t) ** 2 * x0 + 2 * (1 - t) * t * (x0 + x1) / 2 + t * t * x1
            y = (1 - t) ** 2 * y0 + 2 * (1 - t) * t * ((y0 + y1) / 2 + sag * 2) + t * t * y1
            return x, y
        ax, ay = at((i + 0.12) / n)
        bx, by = at((i + 0.88) / n)
        mx, my = (ax + bx) / 2, (ay + by) / 2
        col = cols[i % len(cols)]
        s += '<path d="M%s %sL%s %sL%s %sZ" fill="%s" stroke="%s" stroke-width="1.4" stroke-linejoin="round"/>' % (
            f(ax), f(ay), f(bx), f(by), f(mx), f(my + (bx - ax) * 1.1), col, LINE)
    return s


def place_figure(sc, key, x, y, scale, back=False, pose=None, extra=None):
    """Draws a lead (hero / heroine) as a small full figure; (x, y) is the point between the feet."""
    c = dict(pp.FIGURES[key])
    if pose:
        c["pose"] = pose
    if extra:
        c.update(extra)
    g = pp.figure(key, c, sc.ids, sc.defs, back=back)
    return '<g transform="translate(%s %s) scale(%s) translate(-35 -89)">%s</g>' % (f(x), f(y), f(scale), g)


def rabbit_silhouette(x, y, s, col, ears=(-8, 8), lop=False):
    """A head-and-shoulders rabbit seen from behind, one flat colour (audiences, crowds)."""
    out = '<g fill="%s">' % col
    out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (f(x), f(y + 14 * s), f(15 * s), f(10 * s))
    out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s"/>' % (f(x), f(y), f(10 * s), f(9 * s))
    for sx, a in ((-1, ears[0]), (1, ears[1])):
        bx, by = x + sx * 4 * s, y - 5 * s
        if lop:
            # lop ears hang down beside the head
            out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(%s %s %s)"/>' % (
                f(x + sx * 9.5 * s), f(y + 2 * s), f(3.8 * s), f(9 * s), f(-sx * 12), f(x + sx * 9.5 * s), f(y + 2 * s))
            continue
        out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" transform="rotate(%s %s %s)"/>' % (
            f(bx), f(by - 9 * s), f(3.4 * s), f(10 * s), f(a), f(bx), f(by))
    out += "</g>"
    return out


def hill(points, fill, stroke=LINE, sw=2, bottom=460):
    d = smooth_open(points)
    d += "L%s %sL%s %sZ" % (f(points[-1][0]), f(bottom), f(points[0][0]), f(bottom))
    return '<path d="%s" fill="%s" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>' % (d, fill, stroke, f(sw))


def flower(x, y, r, petal, center="#ffe27a", stem=True):
    s = ""
    if stem:
        s += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="#4e9a3e" stroke-width="1.4"/>' % (
            f(x), f(y), f(x - r * 0.3), f(y + r * 2), f(x + r * 0.2), f(y + r * 3.2))
    for k in range(5):
        a = math.radians(k * 72 - 90)
        s += '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="0.8"/>' % (
            f(x + math.cos(a) * r * 0.75), f(y + math.sin(a) * r * 0.75), f(r * 0.55), petal, LINE)
    s += '<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y), f(r * 0.42), center)
    return s


def tree(x, y, s, leaf="#6fb35a", leaf_sh="#4f9442", trunk="#8a5a3a"):
    out = '<path d="M%s %sL%s %sL%s %sL%s %sZ" fill="%s" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % (
        f(x - 4 * s), f(y), f(x - 3 * s), f(y - 26 * s), f(x + 3 * s), f(y - 26 * s), f(x + 4 * s), f(y), trunk, LINE)
    pts = []
    for k in range(30):
        a = 2 * math.pi * k / 30
        r = 22 * s * (1 + 0.1 * math.cos(5 * a))
        pts.append((x + math.cos(a) * r, y - 42 * s + math.sin(a) * r * 0.95))
    d = smooth_closed(pts)
    out += '<path d="%s" fill="%s" stroke="%s" stroke-width="1.8"/>' % (d, leaf, LINE)
    out += '<path d="M%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>' % (
        f(x - 12 * s), f(y - 30 * s), f(x), f(y - 22 * s), f(x + 14 * s), f(y - 32 * s), leaf_sh, f(4 * s))
    out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.35"/>' % (
        f(x - 8 * s), f(y - 54 * s), f(6 * s), f(3.5 * s))
    return out


# ---------------------------------------------------------------- the scenes


def ivent():
    sc = Scene("ivent", 600, 450)
    sc.add('<rect width="600" height="450" fill="#3a0a16"/>')
    # the dark curtain, lit in the middle by the spotlight
    sc.add(curtain(sc, -10, 610, 0, 296, 14, base="#8a1a30", dark="#3e0814", light="#b02c44"))
    sc.add('<rect width="600" height="296" fill="%s"/>' % sc.rad(
        [(0, "#ffe2a8", 0.5), (0.35, "#ffc878", 0.18), (0.7, "#1e0409", 0.35), (1, "#1e0409", 0.75)], 300, 160, 360, units=True))
    # the curtain's hem and its shadow on the floor
    sc.add('<rect x="0" y="288" width="600" height="8" fill="#5e0c1c"/>')
    # the stage floor: boards running toward the back, a warm pool of light in the middle
    sc.add('<rect x="0" y="296" width="600" height="154" fill="#d8ad74"/>')
    for i in range(-12, 13):
        xb = 300 + i * 62
        xt = 300 + i * 44
        sc.add('<path d="M%s 296 L%s 450" stroke="#b98a52" stroke-width="1.2" opacity="0.7"/>' % (f(xt), f(xb)))
    sc.add('<rect x="0" y="296" width="600" height="154" fill="%s"/>' % sc.rad(
        [(0, "#fffaf0", 0.97), (0.6, "#fff3dc", 0.9), (0.85, "#fff3dc", 0.45), (1, "#fff3dc", 0)], 340, 352, 360, units=True))
    sc.add('<path d="M0 296 L600 296" stroke="%s" stroke-width="2.5"/>' % LINE)
    sc.add('<rect x="0" y="296" width="600" height="10" fill="%s"/>' % sc.lin([(0, "#3e0814", 0.45), (1, "#3e0814", 0)]))
    # spotlight beam from above
    sc.add(beam(sc, 300, -10, 80, 540, 340, color="#fff4d0", opacity=0.4, spread=60))
    sc.add(beam(sc, 300, -10, 160, 460, 340, color="#ffffff", opacity=0.22, spread=30))
    # the valance
    sc.add(valance(sc, -10, 610, 34, 11, 8, base="#8a1a30", dark="#4e0a18"))
    # the logo with its flourish
    sc.add('<ellipse cx="300" cy="168" rx="240" ry="90" fill="%s"/>' % sc.rad(
        [(0, "#fff6dc", 0.55), (1, "#fff6dc", 0)]))
    sc.add(logo(300, 196, 96, sc.ids, sc.defs))
    fl = ('<path d="M170 224 Q240 240 290 226 M430 224 Q360 240 310 226" fill="none" stroke="%s" stroke-width="5" stroke-linecap="round"/>'
          '<path d="M170 224 Q240 240 290 226 M430 224 Q360 240 310 226" fill="none" stroke="#f5c542" stroke-width="2.4" stroke-linecap="round"/>'
          '<circle cx="170" cy="224" r="3.5" fill="#f5c542" stroke="%s" stroke-width="1.5"/><circle cx="430" cy="224" r="3.5" fill="#f5c542" stroke="%s" stroke-width="1.5"/>'
          % (LINE, LINE, LINE))
    sc.add(fl)
    sc.add('<path d="M300 215 L310 226 L300 239 L290 226Z" fill="#e74c9c" stroke="%s" stroke-width="2" stroke-linejoin="round"/>'
           '<path d="M300 218 L305.5 226 L300 226Z" fill="#ffffff" opacity="0.75"/>' % LINE)
    for x, y, r in ((118, 112, 9), (482, 98, 11), (522, 196, 6), (84, 206, 6), (168, 62, 5), (434, 256, 5), (188, 262, 4), (404, 58, 4)):
        sc.add(sparkle(x, y, r, fill="#fff3b0", stroke="#f5a623", sw=1))
    # the heroine peeking out from behind the curtain, waiting for the story to begin
    sc.add(peeker(sc, 556, 206))
    # how to begin, on a little theatre banner at the front of the stage
    sc.add(title_hint(sc, 300, 364))
    # the front edge of the stage with its footlights, in the rows the game never shows
    sc.add('<rect x="0" y="412" width="600" height="38" fill="#6e4429" stroke="%s" stroke-width="2"/>' % LINE)
    for i in range(8):
        x = 40 + i * 74
        sc.add('<ellipse cx="%s" cy="412" rx="18" ry="7" fill="%s"/>' % (f(x), sc.rad([(0, "#fff3c0", 0.9), (1, "#fff3c0", 0)])))
        sc.add('<path d="M%s 412 a9 5 0 0 1 18 0Z" fill="#ffe9a0" stroke="%s" stroke-width="1.5"/>' % (f(x - 9), LINE))
    return sc


def title_hint(sc, cx, cy):
    """A red ribbon banner with gold letters: choose ゲーム, then 新規開始, in the menu bar."""
    w, h = 392, 30
    x0, x1, top, bot = cx - w / 2, cx + w / 2, cy - h / 2, cy + h / 2
    # the folded tails behind the banner
    for sx in (-1, 1):
        xe = cx + sx * (w / 2 + 20)
        xi = cx + sx * (w / 2 - 6)
        sc.add('<path d="M%s %s L%s %s L%s %s L%s %s L%s %s Z" fill="#5e0c1c" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
            f(xi), f(top + 6), f(xe), f(top + 6), f(xe - sx * 9), f(cy + 3 + 6), f(xe), f(bot + 6), f(xi), f(bot + 6), LINE))
    sc.add('<path d="M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Z" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
        f(x0), f(top), f(cx), f(top - 5), f(x1), f(top), f(x1), f(bot), f(cx), f(bot - 5), f(x0), f(bot),
        sc.lin([(0, "#b02c44"), (1, "#7a1428")]), LINE))
    sc.add('<path d="M%s %s Q%s %s %s %s" fill="none" stroke="#f5c542" stroke-width="1.4" opacity="0.9"/>' % (
        f(x0 + 6), f(top + 4), f(cx), f(top - 1), f(x1 - 6), f(top + 4)))
    sc.add(gothic_text(cx, cy + 3, "メニューの「ゲーム」→「新規開始」ではじめよう", 17, "#ffe27a", stroke="#3e0814", sw=3))
    for sx in (-1, 1):
        sc.add(sparkle(cx + sx * (w / 2 - 14), cy - 2, 4.5, fill="#fff3b0", stroke="#f5a623", sw=0.8))
    return ""


def peeker(sc, x, y):
    """The heroine's head peeking round the edge of the curtain (from the right)."""
    c = pp.CAST["heroine"]
    s = '<g transform="translate(%s %s) rotate(-12) scale(1.2)">' % (f(x), f(y))
    s += pp.ear(-8, -14, -10, 30, 11, c["fur"], c["shade"], c["inner"])
    s += pp.ear(8, -14, 14, 30, 11, c["fur"], c["shade"], c["inner"], bend=70)
    hp = smooth_closed(pp.head_points(0, 0, 21, 18.5))
    s += shaded_blob(hp, c["fur"], c["shade"], sc.ids, dx=-2, dy=-2, defs=sc.defs)
    s += pp.blush(-12, 6, opacity=0.7) + pp.blush(12, 6, opacity=0.5)
    for side, ex in ((-1, -9), (1, 9)):
        s += pp.eye(sc.ids, sc.defs, ex, -2, "open", side, c, look=(-1.5, 0))
    for dx_ in (-3.2, 3.2):
        s += '<ellipse cx="%s" cy="7" rx="4" ry="3.3" fill="%s"/>' % (f(dx_), c["muzzle"])
    s += pp.nose(c, 0, 4.6, 0.9)
    s += pp.mouth("smile", c, 0, 6.8, 0.9)
    s += pp.ribbon(9, -15, 0.85, rot=-10)
    s += '</g>'
    # the curtain edge she holds, in front of her
    s += '<path d="M%s 30 C%s 120 %s 220 %s 296 L610 296 L610 30Z" fill="%s" stroke="%s" stroke-width="2"/>' % (
        f(x + 10), f(x + 2), f(x + 16), f(x + 8), sc.lin([(0, "#5e0c1c"), (0.4, "#8a1a30"), (1, "#3e0814")], 0, 0, 1, 0), LINE)
    s += pp.paw(x + 6, y + 22, 6.5, c["fur"], c["shade"], rot=-80)
    return s


def ivent1():
    sc = Scene("ivent1", 600, 450)
    sc.add('<rect width="600" height="450" fill="%s"/>' % sc.lin(
        [(0, "#141a44"), (0.35, "#2a2766"), (0.58, "#5a3f86"), (0.7, "#c89ac4"), (0.8, "#fde3d6")]))
    # nebula wisps
    sc.add('<ellipse cx="420" cy="120" rx="190" ry="60" fill="%s" transform="rotate(-18 420 120)"/>' % sc.rad(
        [(0, "#b27ad6", 0.45), (1, "#b27ad6", 0)]))
    sc.add('<ellipse cx="150" cy="210" rx="200" ry="50" fill="%s" transform="rotate(12 150 210)"/>' % sc.rad(
        [(0, "#6fa8e8", 0.35), (1, "#6fa8e8", 0)]))
    sc.add(twinkles(sc, 170, 0, 0, 600, 250, big=0.08))
    # a shooting star
    sc.add('<path d="M330 40 L250 78" stroke="%s" stroke-width="3" stroke-linecap="round"/>' % sc.lin(
        [(0, "#ffffff", 1), (1, "#ffffff", 0)], 330, 40, 250, 78, units=True))
    sc.add(sparkle(332, 39, 6, fill="#ffffff", stroke="#fff3b0", sw=0.5))
    # a ringed golden planet
    px, py, pr = 120, 105, 52
    sc.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="%s" stroke-width="13" transform="rotate(-16 %s %s)"/>' % (
        px, py, pr * 1.75, pr * 0.42, LINE, px, py))
    sc.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="#f7d28a" stroke-width="9" transform="rotate(-16 %s %s)"/>' % (
        px, py, pr * 1.75, pr * 0.42, px, py))
    sc.add('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="2.5"/>' % (
        px, py, pr, sc.rad([(0, "#ffe0a0"), (0.6, "#f5a94a"), (1, "#c8702a")], 0.38, 0.35, 0.7), LINE))
    cid = sc.clip('<circle cx="%s" cy="%s" r="%s"/>' % (px, py, pr))
    sc.add('<g clip-path="%s" opacity="0.55">' % cid +
           '<path d="M60 88 Q120 76 180 92" stroke="#e07b00" stroke-width="7" fill="none"/>'
           '<path d="M62 120 Q120 110 178 124" stroke="#ffd54f" stroke-width="6" fill="none"/></g>')
    # the front half of the ring over the planet
    cid2 = sc.clip('<rect x="0" y="%s" width="300" height="200"/>' % (py + 2))
    sc.add('<g clip-path="%s"><ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="%s" stroke-width="13" transform="rotate(-16 %s %s)"/>'
           '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="#f7d28a" stroke-width="9" transform="rotate(-16 %s %s)"/></g>' % (
               cid2, px, py, pr * 1.75, pr * 0.42, LINE, px, py, px, py, pr * 1.75, pr * 0.42, px, py))
    sc.add('<ellipse cx="%s" cy="%s" rx="14" ry="8" fill="#ffffff" opacity="0.55" transform="rotate(-30 %s %s)"/>' % (
        px - 22, py - 26, px - 22, py - 26))
    # a small blue planet and a pink moon
    for x, y, r, cols in ((470, 70, 30, ("#bfe3fa", "#4a90d9", "#2f6db0")), (540, 190, 15, ("#ffe0ec", "#f28cb1", "#c9648c")),
                          (300, 150, 10, ("#e6fdfe", "#a8eef0", "#5fc4cc"))):
        sc.add('<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="2"/>' % (
            x, y, r, sc.rad([(0, cols[0]), (0.6, cols[1]), (1, cols[2])], 0.35, 0.32, 0.75), LINE))
        sc.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.6"/>' % (
            f(x - r * 0.4), f(y - r * 0.45), f(r * 0.25), f(r * 0.15)))
    sc.add('<path d="M452 60 Q470 54 488 64 M448 80 Q468 86 492 78" stroke="#ffffff" stroke-width="3" fill="none" opacity="0.5" stroke-linecap="round"/>')
    # the rabbits' own world: the rim of a big pale green planet
    rim = []
    for k in range(61):
        x = -20 + k * 640 / 60
        y = 290 + ((x - 300) / 330) ** 2 * 26
        rim.append((x, y))
    sc.add('<path d="%s" fill="none" stroke="#fff6e8" stroke-width="26" opacity="0.45" stroke-linecap="round"/>' % smooth_open(rim))
    # little weathers over the rabbits' land: a rainbow, a rain cloud, a snow cloud
    for i, col in enumerate(RAINBOW):
        r = 46 - i * 3.2
        sc.add('<path d="M%s 292 A%s %s 0 0 1 %s 292" fill="none" stroke="%s" stroke-width="3.4" opacity="0.9"/>' % (
            f(300 - r), f(r), f(r), f(300 + r), col))
    sc.add(cloud(165, 236, 20, fill="#d7dde6", shade="#b7c0c9"))
    for k in range(5):
        x = 153 + k * 7
        sc.add('<path d="M%s 252 l-3 9" stroke="#a8d4f7" stroke-width="2.2" stroke-linecap="round"/>' % f(x))
    sc.add(cloud(470, 232, 17, fill="#f7fbff", shade="#bfe3fa"))
    for x, y in ((462, 250), (474, 258), (484, 249)):
        sc.add(sparkle(x, y, 3.2, fill="#ffffff", stroke="#bfe3fa", sw=0.6))
    # trees, houses and a windmill standing on the rim
    items = ""
    for x, kind in ((60, "tree"), (96, "house"), (140, "tree"), (218, "mill"), (270, "tree"), (350, "house"),
                    (392, "tree"), (450, "house"), (500, "tree"), (548, "tree")):
        y = 290 + ((x - 300) / 330) ** 2 * 26 + 2
        if kind == "tree":
            items += ('<rect x="%s" y="%s" width="4" height="10" fill="#8a5a3a" stroke="%s" stroke-width="1.2"/>'
                      '<circle cx="%s" cy="%s" r="9" fill="#7cc063" stroke="%s" stroke-width="1.6"/>' % (
                          f(x - 2), f(y - 10), LINE, f(x), f(y - 16), LINE))
        elif kind == "house":
            items += ('<rect x="%s" y="%s" width="22" height="16" fill="#fff5de" stroke="%s" stroke-width="1.6"/>'
                      '<path d="M%s %s L%s %s L%s %sZ" fill="#e0685a" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>'
                      '<rect x="%s" y="%s" width="6" height="6" fill="#ffd54f" stroke="%s" stroke-width="1"/>' % (
                          f(x - 11), f(y - 16), LINE, f(x - 14), f(y - 15), f(x), f(y - 28), f(x + 14), f(y - 15), LINE,
                          f(x - 3), f(y - 12), LINE))
        else:
            items += ('<path d="M%s %s L%s %s L%s %s L%s %sZ" fill="#f3e3cc" stroke="%s" stroke-width="1.6" stroke-linejoin="round"/>' % (
                f(x - 8), f(y), f(x - 5), f(y - 30), f(x + 5), f(y - 30), f(x + 8), f(y), LINE))
            for a in (20, 110, 200, 290):
                r = math.radians(a)
                items += '<path d="M%s %s L%s %s" stroke="%s" stroke-width="5" stroke-linecap="round"/>' % (
                    f(x), f(y - 30), f(x + math.cos(r) * 17), f(y - 30 + math.sin(r) * 17), LINE)
                items += '<path d="M%s %s L%s %s" stroke="#ffffff" stroke-width="2.6" stroke-linecap="round"/>' % (
                    f(x), f(y - 30), f(x + math.cos(r) * 16), f(y - 30 + math.sin(r) * 16))
            items += '<circle cx="%s" cy="%s" r="2.6" fill="#e0685a" stroke="%s" stroke-width="1"/>' % (f(x), f(y - 30), LINE)
    sc.add(items)
    d = smooth_open(rim) + "L620 460L-20 460Z"
    sc.add('<path d="%s" fill="%s" stroke="%s" stroke-width="2.5"/>' % (
        d, sc.lin([(0, "#e9f6dc"), (0.3, "#f4fbee"), (1, "#eaf5e0")], 0, 290, 0, 450, units=True), LINE))
    # soft meadow bands following the curve of the world, all of them light
    for k, (dy, col) in enumerate(((18, "#dcefc8"), (40, "#f6eef6"), (70, "#e2f1d2"))):
        band = [(x, y + dy) for x, y in rim]
        sc.add('<path d="%s" fill="none" stroke="%s" stroke-width="%s" opacity="0.8"/>' % (smooth_open(band), col, 10 + k * 4))
    # a soft glow on the planet so the narration sits on a calm, light band
    sc.add('<ellipse cx="330" cy="352" rx="300" ry="60" fill="%s"/>' % sc.rad([(0, "#ffffff", 0.7), (1, "#ffffff", 0)]))
    # tiny flowers on the near rim only (above the text band)
    for x in (30, 180, 312, 420, 580):
        y = 290 + ((x - 300) / 330) ** 2 * 26 + 5
        sc.add(flower(x, y, 3, "#f7b9c6", stem=False))
    return sc


def ivent2():
    sc = Scene("ivent2", 600, 400)
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.rad(
        [(0, "#fffaf0"), (0.55, "#ffe9d6"), (1, "#f4c9d6")], 300, 150, 420, units=True))
    # soft rays behind the fruits
    for i in range(16):
        a = math.radians(i * 22.5)
        sc.add('<path d="M300 150 L%s %s L%s %sZ" fill="#ffffff" opacity="0.35"/>' % (
            f(300 + math.cos(a) * 500), f(150 + math.sin(a) * 500),
            f(300 + math.cos(a + 0.16) * 500), f(150 + math.sin(a + 0.16) * 500)))
    # a light table cloth: the calm lower band for the narration
    sc.add('<rect x="0" y="262" width="600" height="140" fill="#fff8ec"/>')
    sc.add('<path d="M0 262 L600 262" stroke="%s" stroke-width="2.5"/>' % LINE)
    lace = ""
    for i in range(31):
        x = i * 20
        lace += '<circle cx="%s" cy="268" r="5" fill="#ffffff" stroke="#e8cfae" stroke-width="1.2"/>' % f(x)
    sc.add(lace)
    sc.add('<rect x="0" y="274" width="600" height="128" fill="%s"/>' % sc.lin(
        [(0, "#fdf2e0"), (1, "#fbeedd")]))
    # a very pale gingham, light enough for black text
    pid = sc.ids("pat")
    sc.defs.append('<pattern id="%s" width="28" height="28" patternUnits="userSpaceOnUse">'
                   '<rect x="0" y="0" width="14" height="28" fill="#f9d9df" opacity="0.35"/>'
                   '<rect x="0" y="0" width="28" height="14" fill="#f9d9df" opacity="0.35"/></pattern>' % pid)
    sc.add('<rect x="0" y="275" width="600" height="126" fill="url(#%s)"/>' % pid)
    sc.add('<path d="M0 274 L600 274" stroke="#e8cfae" stroke-width="1.5"/>')
    # the nine fruits, arranged as a bouquet on the cloth
    order = [("kumo", 110, 150, 34), ("ame", 190, 112, 36), ("hare", 300, 92, 42), ("kami", 410, 112, 36),
             ("yuki", 490, 150, 34), ("hyou", 150, 225, 33), ("ten", 245, 206, 37), ("niji", 355, 206, 38),
             ("hutu", 452, 225, 33)]
    for kind, x, y, r in order:
        sc.add(fruit(sc, kind, x, y, r))
    for x, y, r in ((60, 70, 8), (545, 60, 9), (300, 30, 6), (40, 210, 5), (565, 220, 6), (220, 40, 4), (395, 40, 5)):
        sc.add(sparkle(x, y, r, fill="#fff3b0", stroke="#f5a623", sw=1))
    return sc


def ivent3():
    sc = Scene("ivent3", 600, 400)
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.lin(
        [(0, "#7fb8ea"), (0.55, "#cfe6fb"), (0.72, "#fff6e6"), (1, "#fff8ee")]))
    sc.add(cloud(70, 70, 40, opacity=0.9) + cloud(540, 55, 34, opacity=0.9) + cloud(470, 220, 26, opacity=0.8))
    # bunting
    cols = ["#e74c3c", "#f1c40f", "#2ecc71", "#3498db", "#9b59b6", "#f39c12", "#f28cb1"]
    sc.add(bunting(sc, -10, 8, 300, 14, 14, 9, cols))
    sc.add(bunting(sc, 300, 14, 610, 6, 14, 9, cols[3:] + cols[:3]))
    # the banner: a ribbon with folded tails
    y0, y1 = 118, 190
    tails = ('<path d="M70 134 L24 134 L44 162 L24 192 L96 192 Z" fill="#b8283a" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>'
             '<path d="M530 134 L576 134 L556 162 L576 192 L504 192 Z" fill="#b8283a" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>'
             '<path d="M96 192 L96 206 L70 192Z M504 192 L504 206 L530 192Z" fill="#7a1226" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (LINE, LINE, LINE))
    sc.add(tails)
    band = "M80 %s Q300 %s 520 %s L520 %s Q300 %s 80 %sZ" % (y0, y0 - 26, y0, y1, y1 - 26, y1)
    sc.add('<path d="%s" fill="%s" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (
        band, sc.lin([(0, "#f0566a"), (1, "#c9283e")]), LINE))
    sc.add('<path d="M90 %s Q300 %s 510 %s" fill="none" stroke="#f5c542" stroke-width="2.5"/>' % (y0 + 8, y0 - 18, y0 + 8))
    sc.add('<path d="M90 %s Q300 %s 510 %s" fill="none" stroke="#f5c542" stroke-width="2.5"/>' % (y1 - 8, y1 - 34, y1 - 8))
    # the word, one character at a time along the banner's curve
    word = "コンテスト"
    for i, ch in enumerate(word):
        x = 300 + (i - (len(word) - 1) / 2) * 58
        u = (x - 300) / 220
        y = 154 - 13 * (1 - u * u) + 16
        ang = math.degrees(math.atan(2 * 13 * u / 220))
        sc.add(gothic_text(x, y, ch, 46, "#ffffff", stroke=LINE, sw=5, rotate=ang))
    # stars around the banner
    for x, y, r, col, rot in ((300, 66, 26, "#ffe27a", 0), (220, 82, 14, "#f28cb1", -12), (380, 82, 14, "#8fd0f5", 12),
                              (140, 96, 10, "#ffe27a", -20), (460, 96, 10, "#ffe27a", 20), (90, 212, 12, "#ffe27a", 8),
                              (522, 210, 13, "#f28cb1", -8), (215, 232, 8, "#8fd0f5", 0), (385, 236, 8, "#ffe27a", 0)):
        sc.add(star5(x, y, r, fill=col, rot=rot, sw=2))
        sc.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.7"/>' % (
            f(x - r * 0.18), f(y - r * 0.25), f(r * 0.18), f(r * 0.1)))
    for x, y, r in ((100, 160, 5), (500, 150, 6), (270, 230, 5), (330, 238, 4), (585, 120, 5), (22, 110, 5)):
        sc.add(sparkle(x, y, r, fill="#fff3b0", stroke="#f5a623", sw=0.8))
    # festival tents along the far edge of the square
    for x, w, h, c1, c2 in ((40, 60, 40, "#f7b9c6", "#ffffff"), (130, 70, 48, "#a8d4f7", "#ffffff"),
                            (470, 70, 46, "#ffe27a", "#ffffff"), (560, 60, 40, "#b9e6a8", "#ffffff")):
        sc.add('<rect x="%s" y="%s" width="%s" height="%s" fill="#fff8ee" stroke="%s" stroke-width="1.8"/>' % (
            f(x - w / 2 + 6), f(266 - h * 0.55), f(w - 12), f(h * 0.55), LINE))
        roof = "M%s %s L%s %s L%s %sZ" % (f(x - w / 2), f(266 - h * 0.5), f(x), f(266 - h), f(x + w / 2), f(266 - h * 0.5))
        cid = sc.clip('<path d="%s"/>' % roof)
        sc.add('<path d="%s" fill="%s"/>' % (roof, c2))
        sc.add('<g clip-path="%s">' % cid + "".join(
            '<rect x="%s" y="%s" width="7" height="%s" fill="%s"/>' % (f(x - w / 2 + k * 14), f(266 - h), f(h), c1)
            for k in range(int(w / 14) + 1)) + "</g>")
        sc.add('<path d="%s" fill="none" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % (roof, LINE))
        sc.add('<path d="M%s %s L%s %s" stroke="%s" stroke-width="1.5"/>' % (f(x), f(266 - h), f(x), f(266 - h - 8), LINE))
    # the square at the bottom stays light and plain for the narration
    sc.add('<path d="M0 266 Q300 256 600 266 L600 400 L0 400Z" fill="#fff8ee"/>')
    sc.add('<path d="M0 266 Q300 256 600 266" fill="none" stroke="#e8cfae" stroke-width="2"/>')
    for k in range(22):
        x = sc.rng.uniform(10, 590)
        y = sc.rng.uniform(280, 395)
        col = sc.rng.choice(["#f7b9c6", "#a8d4f7", "#ffe27a", "#b9e6a8"])
        sc.add('<rect x="%s" y="%s" width="6" height="3.4" fill="%s" opacity="0.55" transform="rotate(%s %s %s)"/>' % (
            f(x), f(y), col, f(sc.rng.uniform(0, 180)), f(x), f(y)))
    return sc


def ring(sc, x, y, r, gem, gem_sh, gem_hl):
    s = ""
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#3d2a20" opacity="0.35"/>' % (f(x + 4), f(y + r * 0.55), f(r * 1.2), f(r * 0.35))
    # the band seen at an angle
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (
        f(x), f(y), f(r), f(r * 0.45), LINE, f(r * 0.28 + 4))
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="%s" stroke-width="%s"/>' % (
        f(x), f(y), f(r), f(r * 0.45), sc.lin([(0, "#ffe9a6"), (0.5, "#f2c14e"), (1, "#c98f1e")], 0, 0, 1, 1), f(r * 0.28))
    s += '<path d="M%s %sA%s %s 0 0 1 %s %s" fill="none" stroke="#fff6d0" stroke-width="%s" stroke-linecap="round" opacity="0.9"/>' % (
        f(x - r * 0.8), f(y - r * 0.25), f(r), f(r * 0.45), f(x - r * 0.1), f(y - r * 0.45), f(r * 0.08))
    # the setting and gem on top
    gx, gy, gr = x, y - r * 0.5, r * 0.42
    s += '<path d="M%s %sL%s %sL%s %sZ" fill="#f2c14e" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
        f(gx - gr * 0.9), f(gy + gr * 0.6), f(gx + gr * 0.9), f(gy + gr * 0.6), f(gx), f(gy + gr * 1.4), LINE)
    p = [(gx, gy - gr), (gx + gr, gy - gr * 0.2), (gx + gr * 0.55, gy + gr * 0.75), (gx - gr * 0.55, gy + gr * 0.75), (gx - gr, gy - gr * 0.2)]
    s += '<path d="M%sZ" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
        "L".join("%s %s" % (f(a), f(b)) for a, b in p), sc.rad([(0, gem_hl), (0.6, gem), (1, gem_sh)], 0.4, 0.35, 0.7), LINE)
    s += '<path d="M%s %sL%s %sL%s %sZ" fill="#ffffff" opacity="0.7"/>' % (
        f(gx - gr * 0.55), f(gy - gr * 0.3), f(gx), f(gy - gr * 0.8), f(gx - gr * 0.1), f(gy - gr * 0.15))
    return s


def pendant(sc, x, y, r):
    s = ""
    # the chain lying in a loose curve
    chain = "M%s %s C%s %s %s %s %s %s" % (f(x - 120), f(y - 40), f(x - 90), f(y + 40), f(x - 30), f(y - 70), f(x), f(y - r * 1.1))
    chain2 = "M%s %s C%s %s %s %s %s %s" % (f(x), f(y - r * 1.1), f(x + 40), f(y - 80), f(x + 100), f(y + 20), f(x + 140), f(y - 30))
    for ch in (chain, chain2):
        s += '<path d="%s" fill="none" stroke="%s" stroke-width="4.5" stroke-linecap="round"/>' % (ch, LINE)
        s += '<path d="%s" fill="none" stroke="#f2c14e" stroke-width="2.4" stroke-dasharray="3 1.5" stroke-linecap="round"/>' % ch
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#3d2a20" opacity="0.35"/>' % (f(x + 5), f(y + r * 1.1), f(r * 1.05), f(r * 0.3))
    # the drop-shaped rainbow pendant in a gold frame
    d = "M%s %sC%s %s %s %s %s %sC%s %s %s %s %s %sZ" % (
        f(x), f(y - r * 1.05), f(x + r * 1.2), f(y - r * 0.2), f(x + r * 0.95), f(y + r * 1.0), f(x), f(y + r * 1.0),
        f(x - r * 0.95), f(y + r * 1.0), f(x - r * 1.2), f(y - r * 0.2), f(x), f(y - r * 1.05))
    s += '<path d="%s" fill="#f2c14e" stroke="%s" stroke-width="2.2" transform="translate(%s %s) scale(1.16) translate(%s %s)"/>' % (
        d, LINE, f(x), f(y), f(-x), f(-y))
    cid = sc.clip('<path d="%s"/>' % d)
    s += '<g clip-path="%s">' % cid
    for i, col in enumerate(RAINBOW):
        s += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s"/>' % (
            f(x - r * 1.3), f(y - r * 1.05 + i * r * 2.05 / 7), f(r * 2.6), f(r * 2.05 / 7 + 0.5), col)
    s += '<path d="%s" fill="%s"/>' % (d, sc.rad([(0, "#ffffff", 0.5), (0.5, "#ffffff", 0), (1, "#3d2a55", 0.3)], 0.35, 0.3, 0.75))
    s += "</g>"
    s += '<path d="%s" fill="none" stroke="%s" stroke-width="2"/>' % (d, LINE)
    s += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffffff" opacity="0.85" transform="rotate(-30 %s %s)"/>' % (
        f(x - r * 0.35), f(y - r * 0.3), f(r * 0.16), f(r * 0.3), f(x - r * 0.35), f(y - r * 0.3))
    s += '<circle cx="%s" cy="%s" r="%s" fill="#f2c14e" stroke="%s" stroke-width="2"/>' % (f(x), f(y - r * 1.25), f(r * 0.2), LINE)
    return s


def ivent4():
    sc = Scene("ivent4", 600, 400)
    # wooden floor in perspective
    sc.add('<rect width="600" height="400" fill="#a86f45"/>')
    vx, vy = 300, -500
    for i in range(-10, 22):
        x = -300 + i * 58
        col = "#b77c4e" if i % 2 else "#a36a40"
        x2 = -300 + (i + 1) * 58
        # plank between two lines converging to the vanishing point
        def at(xb, y):
            t = (y - vy) / (460 - vy)
            return vx + (xb - vx) * t
        sc.add('<path d="M%s -10 L%s -10 L%s 460 L%s 460Z" fill="%s"/>' % (
            f(at(x, -10)), f(at(x2, -10)), f(x2), f(x), col))
        sc.add('<path d="M%s -10 L%s 460" stroke="#6e4429" stroke-width="1.6"/>' % (f(at(x, -10)), f(x)))
    # board ends: short joints across single boards
    def at(xb, y):
        return vx + (xb - vx) * (y - vy) / (460 - vy)
    for k in range(16):
        i = sc.rng.randint(-6, 16)
        y = sc.rng.uniform(10, 250)
        xa, xb = at(-300 + i * 58, y), at(-300 + (i + 1) * 58, y)
        sc.add('<path d="M%s %s L%s %s" stroke="#6e4429" stroke-width="1.4" opacity="0.7"/>' % (f(xa), f(y), f(xb), f(y)))
    # grain
    for k in range(40):
        x = sc.rng.uniform(0, 600)
        y = sc.rng.uniform(0, 260)
        sc.add('<path d="M%s %s q6 -3 14 0 t14 0" fill="none" stroke="#8c5a36" stroke-width="1" opacity="0.45"/>' % (f(x), f(y)))
    # warm light on the upper floor, falling off to a dark lower band for white text
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.rad(
        [(0, "#fff0c8", 0.6), (0.5, "#ffd890", 0.2), (1, "#ffd890", 0)], 300, 140, 300, units=True))
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.lin(
        [(0, "#2a1810", 0), (0.55, "#2a1810", 0), (0.7, "#2a1810", 0.6), (0.82, "#24140c", 0.82), (1, "#1e100a", 0.9)]))
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.rad(
        [(0, "#000000", 0), (0.7, "#000000", 0), (1, "#1e100a", 0.55)], 300, 160, 420, units=True))
    # a window's light falling across the boards
    sc.add('<path d="M60 -10 L250 -10 L420 250 L190 250Z" fill="%s"/>' % sc.lin(
        [(0, "#fff6d8", 0.3), (1, "#fff6d8", 0)]))
    sc.add('<path d="M150 -10 L160 -10 L330 250 L318 250Z M185 -10 L195 -10 L365 250 L353 250Z" fill="#5b3a29" opacity="0.06"/>')
    # the ring and the pendant
    sc.add(pendant(sc, 360, 150, 34))
    sc.add(ring(sc, 212, 172, 46, "#f28cb1", "#c9648c", "#ffe0ec"))
    for x, y, r in ((178, 112, 9), (400, 96, 11), (252, 150, 5), (332, 188, 6), (450, 176, 5), (140, 200, 4)):
        sc.add(sparkle(x, y, r, fill="#ffffff", stroke="#fff3b0", sw=0.8))
    return sc


def ivent5():
    sc = Scene("ivent5", 600, 450)
    sc.add('<rect width="600" height="450" fill="%s"/>' % sc.lin(
        [(0, "#5aa8e8"), (0.45, "#a8d4f7"), (0.6, "#e6f3fd")]))
    sc.add(cloud(90, 60, 36, opacity=0.95) + cloud(500, 44, 30, opacity=0.95) + cloud(330, 26, 20, opacity=0.8))
    # distant trees
    for i in range(12):
        x = i * 55 + 10
        sc.add('<circle cx="%s" cy="%s" r="%s" fill="#8cc47a" stroke="%s" stroke-width="1.6"/>' % (
            f(x), f(228 + (i % 3) * 4), f(30 + (i % 2) * 8), LINE))
    # the hall: a big festive building with a dome and flags
    hx0, hx1, top, base = 150, 450, 126, 262
    sc.add('<rect x="%s" y="%s" width="%s" height="%s" fill="#fbf0dc" stroke="%s" stroke-width="2.5"/>' % (
        hx0, top, hx1 - hx0, base - top, LINE))
    sc.add('<rect x="%s" y="%s" width="%s" height="%s" fill="#ecd9b8"/>' % (hx0 + 2, base - 30, hx1 - hx0 - 4, 28))
    # dome
    sc.add('<path d="M220 %s A80 66 0 0 1 380 %sZ" fill="%s" stroke="%s" stroke-width="2.5"/>' % (
        top, top, sc.lin([(0, "#f7a8c8"), (1, "#c05fa0")]), LINE))
    for k in (-50, -25, 0, 25, 50):
        sc.add('<path d="M%s %s Q%s %s 300 %s" fill="none" stroke="#9c4482" stroke-width="1.4" opacity="0.7"/>' % (
            f(300 + k * 1.55), top, f(300 + k * 0.9), top - 40, top - 64))
    sc.add('<path d="M300 %s L300 %s" stroke="%s" stroke-width="2"/>' % (top - 66, top - 96, LINE))
    sc.add('<path d="M301 %s L330 %s L301 %sZ" fill="#e74c3c" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % (
        top - 96, top - 89, top - 82, LINE))
    sc.add(star5(300, top - 64, 8, sw=1.6))
    # side towers
    for x in (150, 420):
        sc.add('<rect x="%s" y="%s" width="30" height="%s" fill="#f3e3cc" stroke="%s" stroke-width="2.5"/>' % (x, top - 28, base - top + 28, LINE))
        sc.add('<path d="M%s %s L%s %s L%s %sZ" fill="#3498db" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (
            x - 6, top - 28, x + 15, top - 62, x + 36, top - 28, LINE))
        sc.add('<path d="M%s %s L%s %s" stroke="%s" stroke-width="1.8"/><path d="M%s %s L%s %s L%s %sZ" fill="#f1c40f" stroke="%s" stroke-width="1.5"/>' % (
            x + 15, top - 62, x + 15, top - 80, LINE, x + 16, top - 80, x + 34, top - 75, x + 16, top - 70, LINE))
        for wy in (top - 8, top + 30):
            sc.add('<rect x="%s" y="%s" width="12" height="18" rx="6" fill="#8fd0f5" stroke="%s" stroke-width="1.6"/>' % (x + 9, wy, LINE))
    # the sign over the door: stars on a ribbon
    sc.add('<path d="M212 140 Q300 128 388 140 L388 170 Q300 158 212 170Z" fill="#e74c3c" stroke="%s" stroke-width="2.2"/>' % LINE)
    for x in (240, 270, 300, 330, 360):
        sc.add(star5(x, 150 - (8 if x == 300 else 4) * (1 - abs(x - 300) / 90), 8 if x == 300 else 6, sw=1.4))
    # windows and the big door
    for x in (196, 376):
        sc.add('<rect x="%s" y="186" width="28" height="36" rx="14" fill="#8fd0f5" stroke="%s" stroke-width="2"/>' % (x, LINE))
        sc.add('<path d="M%s 190 L%s 222 M%s 204 L%s 204" stroke="%s" stroke-width="1.4"/>' % (x + 14, x + 14, x, x + 28, LINE))
    sc.add('<path d="M262 262 L262 206 A38 38 0 0 1 338 206 L338 262Z" fill="#8a5a3a" stroke="%s" stroke-width="2.5"/>' % LINE)
    sc.add('<path d="M300 176 L300 262" stroke="%s" stroke-width="2"/>' % LINE)
    sc.add('<path d="M270 262 L270 210 A30 30 0 0 1 298 180" fill="none" stroke="#a87a4c" stroke-width="3"/>')
    # bunting along the roof line
    cols = ["#e74c3c", "#f1c40f", "#2ecc71", "#3498db", "#9b59b6", "#f28cb1"]
    sc.add(bunting(sc, 165, 100, 300, 62, 10, 6, cols))
    sc.add(bunting(sc, 300, 62, 435, 100, 10, 6, cols[::-1]))
    # balloons
    for x, y, r, col, sh in ((60, 150, 20, "#e74c3c", "#b8322a"), (100, 118, 17, "#f1c40f", "#c99a06"),
                             (520, 130, 21, "#3498db", "#2673a8"), (560, 92, 16, "#f28cb1", "#c9648c"),
                             (480, 82, 14, "#2ecc71", "#1f9a52"), (40, 92, 14, "#9b59b6", "#7a3f94"),
                             (250, 52, 12, "#f39c12", "#c97c06"), (380, 40, 11, "#2ecc71", "#1f9a52")):
        sc.add(balloon(x, y, r, col, sh))
    # the square, fading into the dark lower band where white text is read
    sc.add('<rect x="0" y="262" width="600" height="190" fill="#d8c09a"/>')
    sc.add('<path d="M0 262 L600 262" stroke="%s" stroke-width="2.5"/>' % LINE)
    sc.add('<rect x="0" y="262" width="600" height="190" fill="%s"/>' % sc.lin(
        [(0, "#2a1d33", 0.1), (0.12, "#2a1d33", 0.75), (0.3, "#2a1d33", 0.92), (1, "#1f1526", 0.95)]))
    # a crowd seen from behind, in shadow
    for row, (y0, col, s_) in enumerate(((272, "#3d2d4a", 0.9), (300, "#33253f", 1.05), (338, "#2a1e34", 1.25))):
        n = 16 - row * 3
        for i in range(n):
            x = (i + 0.5 + (row % 2) * 0.5) * 600 / n + sc.rng.uniform(-10, 10)
            e = (sc.rng.uniform(-14, 0), sc.rng.uniform(0, 14))
            sc.add(rabbit_silhouette(x, y0 + sc.rng.uniform(-3, 3), s_, col, ears=e, lop=sc.rng.random() < 0.15))
    return sc


def ivent6():
    sc = Scene("ivent6", 600, 450)
    sc.add('<rect width="600" height="450" fill="#1e1430"/>')
    # back wall with a soft glow behind the stage
    sc.add('<rect width="600" height="260" fill="%s"/>' % sc.rad(
        [(0, "#7a4a9a"), (0.5, "#4a2d66"), (1, "#22163a")], 300, 150, 330, units=True))
    # hanging stars on the back wall
    for x, y, r in ((130, 84, 10), (470, 84, 10), (200, 52, 7), (400, 52, 7), (300, 40, 12)):
        sc.add('<path d="M%s 0 L%s %s" stroke="#d9c9f0" stroke-width="1" opacity="0.6"/>' % (x, x, y - r))
        sc.add(star5(x, y, r, fill="#ffe27a", sw=1.6))
    # curtains at both sides, gathered
    sc.add(curtain(sc, -10, 120, 0, 300, 4, base="#b3233a", dark="#6e0f22", light="#d94a5c", gather=0.35, side=-1))
    sc.add(curtain(sc, 480, 610, 0, 300, 4, base="#b3233a", dark="#6e0f22", light="#d94a5c", gather=0.35, side=1))
    # gold tie-backs holding the drapes, with tassels
    for sx, x0, x1 in ((1, -5, 76), (-1, 605, 524)):
        rope = "M%s 180 Q%s 200 %s 192" % (f(x0), f((x0 + x1) / 2), f(x1))
        sc.add('<path d="%s" stroke="%s" stroke-width="8" fill="none" stroke-linecap="round"/>'
               '<path d="%s" stroke="#f5c542" stroke-width="4.5" fill="none" stroke-linecap="round" stroke-dasharray="5 2"/>' % (rope, LINE, rope))
        sc.add('<circle cx="%s" cy="193" r="5" fill="#f5c542" stroke="%s" stroke-width="1.8"/>' % (f(x1), LINE))
        sc.add('<path d="M%s 197 L%s 218 L%s 218Z" fill="#f5c542" stroke="%s" stroke-width="1.8" stroke-linejoin="round"/>' % (
            f(x1), f(x1 - 6), f(x1 + 6), LINE))
        sc.add('<path d="M%s 212 L%s 212" stroke="#d19f1c" stroke-width="1.5"/>' % (f(x1 - 4.5), f(x1 + 4.5)))
    # stage floor
    sc.add('<path d="M40 231 L560 231 L600 290 L0 290Z" fill="%s" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (
        sc.lin([(0, "#b98458"), (1, "#8a5a3a")]), LINE))
    for i in range(1, 12):
        x0 = 40 + i * 520 / 12
        x1 = i * 600 / 12
        sc.add('<path d="M%s 231 L%s 290" stroke="#6e4429" stroke-width="1.2" opacity="0.7"/>' % (f(x0), f(x1)))
    sc.add('<rect x="0" y="290" width="600" height="14" fill="#5e3a22" stroke="%s" stroke-width="2"/>' % LINE)
    # the podium: the middle card stands at y 188, the side cards at y 231
    pod = ""
    pod += '<path d="M160 231 L258 231 L258 262 L160 262Z" fill="#f3e3cc" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % LINE
    pod += '<path d="M342 231 L440 231 L440 262 L342 262Z" fill="#f3e3cc" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % LINE
    pod += '<path d="M254 188 L346 188 L346 262 L254 262Z" fill="#fff5de" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % LINE
    pod += '<path d="M254 188 L346 188 L346 196 L254 196Z" fill="#f5c542" stroke="%s" stroke-width="2"/>' % LINE
    pod += '<path d="M160 231 L258 231 L258 238 L160 238Z M342 231 L440 231 L440 238 L342 238Z" fill="#c05fa0" stroke="%s" stroke-width="2"/>' % LINE
    pod += star5(300, 228, 14, sw=2)
    pod += star5(209, 251, 8, fill="#f7b9c6", sw=1.6) + star5(391, 251, 8, fill="#a8d4f7", sw=1.6)
    sc.add(pod)
    # light pools on the podium where the contestants stand
    for x, y, rx in ((211, 231, 60), (299, 188, 58), (387, 231, 60)):
        sc.add('<ellipse cx="%s" cy="%s" rx="%s" ry="12" fill="%s"/>' % (x, y, rx, sc.rad([(0, "#fff6d8", 0.85), (1, "#fff6d8", 0)])))
    # spotlight beams from the ceiling
    sc.add(beam(sc, 40, -10, 160, 262, 240, color="#fff6d8", opacity=0.32, spread=24))
    sc.add(beam(sc, 300, -10, 240, 360, 196, color="#fff6d8", opacity=0.36, spread=24))
    sc.add(beam(sc, 560, -10, 338, 440, 240, color="#fff6d8", opacity=0.32, spread=24))
    # the valance on top
    sc.add(valance(sc, -10, 610, 26, 9, 9))
    # footlights
    for i in range(9):
        x = 40 + i * 65
        sc.add('<ellipse cx="%s" cy="291" rx="22" ry="8" fill="%s"/>' % (f(x), sc.rad([(0, "#fff3c0", 0.9), (1, "#fff3c0", 0)])))
        sc.add('<ellipse cx="%s" cy="295" rx="8" ry="3.5" fill="#ffe9a0" stroke="%s" stroke-width="1.4"/>' % (f(x), LINE))
    # the audience, dark: the white text is read over them
    sc.add('<rect x="0" y="304" width="600" height="150" fill="#1a1124"/>')
    for row, (y0, col, s_) in enumerate(((316, "#33264a", 1.0), (346, "#2b1f3e", 1.2), (384, "#231832", 1.45))):
        n = 15 - row * 3
        for i in range(n):
            x = (i + 0.5 + (row % 2) * 0.5) * 600 / n + sc.rng.uniform(-8, 8)
            e = (sc.rng.uniform(-14, 2), sc.rng.uniform(-2, 14))
            sc.add(rabbit_silhouette(x, y0 + sc.rng.uniform(-3, 3), s_, col, ears=e, lop=sc.rng.random() < 0.12))
    # a few glow sticks waving in the crowd
    for x, y, col in ((96, 300, "#f28cb1"), (250, 320, "#8fd0f5"), (430, 308, "#ffe27a"), (540, 330, "#a8eef0")):
        sc.add('<path d="M%s %s L%s %s" stroke="%s" stroke-width="4" stroke-linecap="round" opacity="0.8"/>' % (
            x, y, x + 6, y - 20, col))
    return sc


def umbrella(x, y, r, col="#4a90d9", sh="#2f6db0"):
    s = ""
    s += '<path d="M%s %s L%s %s" stroke="%s" stroke-width="2.2"/>' % (f(x), f(y), f(x), f(y + r * 1.2), LINE)
    s += '<path d="M%s %s q0 %s %s %s" fill="none" stroke="%s" stroke-width="2.2" stroke-linecap="round"/>' % (
        f(x), f(y + r * 1.2), f(r * 0.16), f(r * 0.16), f(r * 0.16), LINE)
    d = "M%s %sA%s %s 0 0 1 %s %s" % (f(x - r), f(y), f(r), f(r * 0.75), f(x + r), f(y))
    k = r / 3
    for i in range(3):
        d += "Q%s %s %s %s" % (f(x + r - k * (i * 2 + 1)), f(y - r * 0.12), f(x + r - k * (i + 1) * 2), f(y))
    d += "Z"
    s += '<path d="%s" fill="%s" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (d, col, LINE)
    s += '<path d="M%s %sQ%s %s %s %sM%s %sQ%s %s %s %s" fill="none" stroke="%s" stroke-width="1.4"/>' % (
        f(x), f(y - r * 0.75), f(x - r * 0.45), f(y - r * 0.5), f(x - r / 3), f(y),
        f(x), f(y - r * 0.75), f(x + r * 0.45), f(y - r * 0.5), f(x + r / 3), f(y), sh)
    s += '<path d="M%s %s L%s %s" stroke="%s" stroke-width="2"/>' % (f(x), f(y - r * 0.75), f(x), f(y - r * 0.95), LINE)
    return s


def ivent7():
    sc = Scene("ivent7", 600, 450)
    sc.add('<rect width="600" height="450" fill="%s"/>' % sc.lin(
        [(0, "#3a3658"), (0.3, "#6a5a84"), (0.48, "#b08aa0"), (0.56, "#d9a89a")]))
    # low clouds
    for x, y, s_ in ((80, 60, 60), (260, 40, 50), (470, 70, 70), (600, 30, 40)):
        sc.add(cloud(x, y, s_, fill="#5e5478", shade="#4e4668", stroke="none", opacity=0.8))
    # the town far away
    town = ""
    for i, (x, w, h) in enumerate(((0, 60, 60), (55, 40, 84), (92, 70, 50), (160, 36, 96), (194, 60, 64), (380, 60, 70),
                                   (436, 44, 100), (478, 70, 58), (545, 60, 80))):
        town += '<rect x="%s" y="%s" width="%s" height="%s" fill="#4e4266"/>' % (x, 240 - h, w, h + 10)
        town += '<path d="M%s %s L%s %s L%s %sZ" fill="#4e4266"/>' % (x - 3, 240 - h, x + w / 2, 240 - h - 16, x + w + 3, 240 - h)
        for wy in range(240 - h + 12, 236, 18):
            for wx in range(x + 8, x + w - 8, 16):
                if sc.rng.random() < 0.4:
                    town += '<rect x="%s" y="%s" width="6" height="8" fill="#ffd98a" opacity="0.85"/>' % (wx, wy)
    sc.add(town)
    # the road running off into the distance
    sc.add('<rect x="0" y="240" width="600" height="210" fill="#3e3550"/>')
    sc.add('<path d="M270 240 L330 240 L600 450 L0 450Z" fill="#5a4e6a"/>')
    sc.add('<path d="M300 246 L300 262 M300 280 L300 306 M300 330 L300 370" stroke="#8a7e98" stroke-width="4" stroke-linecap="round" opacity="0.7"/>')
    # puddles reflecting the evening light
    for x, y, rx in ((200, 300, 40), (420, 280, 30), (330, 360, 55), (120, 380, 44)):
        sc.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#9c86a8" opacity="0.55"/>' % (x, y, rx, rx * 0.18))
    # street lamps with halos
    for x, y, s_ in ((90, 160, 1.0), (510, 160, 1.0), (220, 214, 0.5), (380, 214, 0.5)):
        sc.add('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (f(x), f(y), f(36 * s_), sc.rad([(0, "#ffe3a0", 0.8), (1, "#ffe3a0", 0)])))
        sc.add('<path d="M%s %s L%s %s" stroke="#2a2238" stroke-width="%s"/>' % (f(x), f(y + 8 * s_), f(x), f(y + 130 * s_), f(5 * s_)))
        sc.add('<path d="M%s %s L%s %s L%s %s L%s %sZ" fill="#ffe9b0" stroke="#2a2238" stroke-width="%s"/>' % (
            f(x - 7 * s_), f(y - 8 * s_), f(x + 7 * s_), f(y - 8 * s_), f(x + 5 * s_), f(y + 8 * s_), f(x - 5 * s_), f(y + 8 * s_), f(2 * s_)))
        sc.add('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#ffe3a0" opacity="0.25"/>' % (f(x), f(y + 140 * s_), f(30 * s_), f(6 * s_)))
    # the two, seen from behind under one umbrella, walking home
    fig = ""
    fig += place_figure(sc, "heroine", 282, 268, 0.78, back=True, pose="handR")
    fig += place_figure(sc, "hero", 316, 268, 0.82, back=True, pose="umbrellaL")
    sc.add('<ellipse cx="300" cy="270" rx="40" ry="5" fill="#2a2238" opacity="0.5"/>')
    # the umbrella's shaft ends in his raised paw (drawn under the figures' arms)
    sc.add(umbrella(303, 192, 46, col="#6a7fb8", sh="#4a5e94"))
    sc.add(fig)
    # rain
    rain = ""
    for k in range(170):
        x = sc.rng.uniform(-20, 620)
        y = sc.rng.uniform(-10, 420)
        ln = sc.rng.uniform(10, 22)
        rain += '<path d="M%s %s l%s %s" stroke="#dcd6f0" stroke-width="%s" stroke-linecap="round" opacity="%s"/>' % (
            f(x), f(y), f(-ln * 0.25), f(ln), f(sc.rng.uniform(0.8, 1.5)), f(sc.rng.uniform(0.35, 0.7)))
    sc.add(rain)
    # ripples
    for k in range(14):
        x = sc.rng.uniform(20, 580)
        y = sc.rng.uniform(250, 300)
        sc.add('<ellipse cx="%s" cy="%s" rx="6" ry="1.6" fill="none" stroke="#c8bede" stroke-width="1" opacity="0.6"/>' % (f(x), f(y)))
    # the lower band darkened for white text
    sc.add('<rect x="0" y="270" width="600" height="180" fill="%s"/>' % sc.lin(
        [(0, "#1c1628", 0), (0.1, "#1c1628", 0.55), (0.3, "#1c1628", 0.7), (1, "#1c1628", 0.8)]))
    return sc


def trophy(sc, x, y, s):
    g = '<g transform="translate(%s %s) scale(%s)">' % (f(x), f(y), f(s))
    gold = sc.lin([(0, "#fff0b0"), (0.35, "#ffd54f"), (0.75, "#f5a623"), (1, "#d98a10")], 0, 0, 1, 0)
    # handles
    g += '<path d="M-46 -78 C-86 -78 -82 -22 -34 -20" fill="none" stroke="%s" stroke-width="13" stroke-linecap="round"/>' % LINE
    g += '<path d="M46 -78 C86 -78 82 -22 34 -20" fill="none" stroke="%s" stroke-width="13" stroke-linecap="round"/>' % LINE
    g += '<path d="M-46 -78 C-86 -78 -82 -22 -34 -20" fill="none" stroke="#f5c542" stroke-width="8" stroke-linecap="round"/>'
    g += '<path d="M46 -78 C86 -78 82 -22 34 -20" fill="none" stroke="#f5c542" stroke-width="8" stroke-linecap="round"/>'
    # cup
    g += '<path d="M-56 -100 L56 -100 C56 -40 30 -6 0 -4 C-30 -6 -56 -40 -56 -100Z" fill="%s" stroke="%s" stroke-width="3" stroke-linejoin="round"/>' % (gold, LINE)
    g += '<ellipse cx="0" cy="-100" rx="56" ry="10" fill="#f5a623" stroke="%s" stroke-width="3"/>' % LINE
    g += '<ellipse cx="0" cy="-100" rx="46" ry="6" fill="#c98a10"/>'
    g += '<path d="M-38 -88 C-38 -50 -26 -28 -12 -20" fill="none" stroke="#ffffff" stroke-width="6" stroke-linecap="round" opacity="0.6"/>'
    # a rainbow gem on the cup
    g += '<circle cx="0" cy="-58" r="17" fill="#fff5de" stroke="%s" stroke-width="2.5"/>' % LINE
    for i, col in enumerate(RAINBOW):
        rr = 13 - i * 1.5
        g += '<path d="M%s -52 A%s %s 0 0 1 %s -52" fill="none" stroke="%s" stroke-width="1.7"/>' % (f(-rr), f(rr), f(rr), f(rr), col)
    # stem and base
    g += '<path d="M-10 -6 L10 -6 L14 22 L-14 22Z" fill="%s" stroke="%s" stroke-width="3" stroke-linejoin="round"/>' % (gold, LINE)
    g += '<rect x="-42" y="22" width="84" height="16" rx="4" fill="#8a5a3a" stroke="%s" stroke-width="3"/>' % LINE
    g += '<rect x="-52" y="38" width="104" height="18" rx="4" fill="#6e4429" stroke="%s" stroke-width="3"/>' % LINE
    g += '<rect x="-24" y="42" width="48" height="10" rx="2" fill="#f5c542" stroke="%s" stroke-width="1.6"/>' % LINE
    g += "</g>"
    return g


def confetti(sc, n, x0, y0, x1, y1):
    cols = ["#e74c3c", "#f39c12", "#f1c40f", "#2ecc71", "#3498db", "#9b59b6", "#f28cb1", "#ffffff"]
    s = ""
    for k in range(n):
        x = sc.rng.uniform(x0, x1)
        y = sc.rng.uniform(y0, y1)
        col = sc.rng.choice(cols)
        a = sc.rng.uniform(0, 180)
        if sc.rng.random() < 0.6:
            s += '<rect x="%s" y="%s" width="%s" height="%s" fill="%s" stroke="%s" stroke-width="0.8" transform="rotate(%s %s %s)"/>' % (
                f(x - 4), f(y - 2), f(8), f(4.5), col, LINE, f(a), f(x), f(y))
        else:
            s += '<path d="M%s %s q4 -5 8 0 t8 0" fill="none" stroke="%s" stroke-width="2.4" stroke-linecap="round" transform="rotate(%s %s %s)"/>' % (
                f(x - 8), f(y), col, f(a), f(x), f(y))
    return s


def ivent8():
    sc = Scene("ivent8", 600, 400)
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.rad(
        [(0, "#fff8e0"), (0.4, "#ffd98a"), (1, "#f28c8c")], 300, 130, 420, units=True))
    for i in range(18):
        a = math.radians(i * 20)
        sc.add('<path d="M300 130 L%s %s L%s %sZ" fill="#ffffff" opacity="0.3"/>' % (
            f(300 + math.cos(a) * 520), f(130 + math.sin(a) * 520), f(300 + math.cos(a + 0.17) * 520), f(130 + math.sin(a + 0.17) * 520)))
    # curtains tied back at both sides and a valance
    sc.add(curtain(sc, -10, 70, 0, 300, 3, base="#c9384e", dark="#8a1a30", light="#e86a7a", gather=0.3, side=-1))
    sc.add(curtain(sc, 530, 610, 0, 300, 3, base="#c9384e", dark="#8a1a30", light="#e86a7a", gather=0.3, side=1))
    sc.add(valance(sc, -10, 610, 22, 8, 9, base="#c9384e", dark="#8a1a30"))
    # the stage
    sc.add('<path d="M0 250 L600 250 L600 400 L0 400Z" fill="%s"/>' % sc.lin([(0, "#c89a6a"), (1, "#9a6a44")]))
    sc.add('<path d="M0 250 L600 250" stroke="%s" stroke-width="2.5"/>' % LINE)
    sc.add('<ellipse cx="300" cy="262" rx="220" ry="26" fill="%s"/>' % sc.rad([(0, "#fff6d8", 0.9), (1, "#fff6d8", 0)]))
    sc.add(trophy(sc, 300, 196, 1.1))
    sc.add(confetti(sc, 150, 0, 0, 600, 262))
    for x, y, r in ((180, 70, 12), (430, 60, 14), (120, 180, 8), (480, 170, 9), (240, 30, 6), (360, 110, 7)):
        sc.add(sparkle(x, y, r, fill="#ffffff", stroke="#f5a623", sw=1))
    # the message band: the front of the stage in a medium tone, and over it a
    # softly blurred translucent panel, so that black and white text both read
    sc.add('<rect x="0" y="262" width="600" height="140" fill="%s"/>' % sc.lin(
        [(0, "#a07a6e"), (0.18, "#8a6a7e"), (1, "#84667c")], 0, 262, 0, 400, units=True))
    sc.add('<path d="M0 262 L600 262" stroke="%s" stroke-width="2"/>' % LINE)
    sc.add(confetti(sc, 26, 0, 272, 600, 400).replace('stroke="%s"' % LINE, 'stroke="#6a4a5e"').replace(
        "<rect", '<rect opacity="0.4"').replace("<path", '<path opacity="0.4"'))
    sc.add('<rect x="100" y="276" width="492" height="120" rx="16" fill="#76607e" opacity="0.7" filter="%s"/>' % sc.blur(5))
    sc.add('<rect x="104" y="280" width="484" height="112" rx="13" fill="none" stroke="#ffffff" stroke-width="1.2" opacity="0.25"/>')
    return sc


def ivent9():
    sc = Scene("ivent9", 600, 400)
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.lin(
        [(0, "#f4f9fd"), (0.35, "#e3f1fb"), (0.6, "#cfe6f6")]))
    # a pale sun on the right, soft clouds away from the credits
    sc.add('<circle cx="520" cy="70" r="80" fill="%s"/>' % sc.rad([(0, "#fff6d0", 0.9), (1, "#fff6d0", 0)]))
    sc.add('<circle cx="520" cy="70" r="26" fill="#fff1b8" stroke="#f5c542" stroke-width="2"/>')
    sc.add(cloud(440, 150, 30, opacity=0.9))
    # pale far mountains on the right
    sc.add('<path d="M250 230 L330 176 L380 204 L450 150 L520 196 L560 172 L620 210 L620 240 L250 240Z" fill="#cfe0ee" stroke="#a9bfd4" stroke-width="1.5" stroke-linejoin="round"/>')
    sc.add('<path d="M450 150 L470 164 L458 166 L448 160 L436 166Z M330 176 L344 186 L326 188Z" fill="#ffffff" opacity="0.9"/>')
    # rolling hills
    sc.add(hill([(-20, 222), (120, 196), (260, 214), (420, 188), (620, 210)], "#b9dda0"))
    sc.add(hill([(-20, 262), (150, 240), (330, 258), (480, 236), (620, 250)], "#9bcf84"))
    for x, y, s_ in ((60, 214, 0.7), (110, 206, 0.55), (560, 226, 0.8)):
        sc.add(tree(x, y, s_))
    # the path winding toward the viewer
    sc.add('<path d="M330 250 C300 276 380 300 400 330 C420 360 360 384 340 404 L520 404 C520 380 560 350 520 320 C480 290 380 280 350 250Z" '
           'fill="#f3e3cc" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % LINE)
    # flowers in the grass
    for k in range(40):
        x = sc.rng.uniform(0, 600)
        y = sc.rng.uniform(262, 396)
        if 320 < x < 540 and y > 250:
            continue
        sc.add(flower(x, y, sc.rng.uniform(2.4, 4), sc.rng.choice(["#ffffff", "#f7b9c6", "#fff3b0", "#cfe0ff"]), stem=False))
    # a little wooden fence along the path
    for k in range(6):
        x = 250 + k * 24
        y = 262 + k * 9
        sc.add('<rect x="%s" y="%s" width="6" height="%s" rx="2" fill="#c89a6a" stroke="%s" stroke-width="1.5"/>' % (
            f(x), f(y - 22 - k), f(24 + k), LINE))
    sc.add('<path d="M250 %s L376 %s M250 %s L376 %s" stroke="%s" stroke-width="5" stroke-linecap="round"/>' % (
        247, 297, 257, 309, LINE))
    sc.add('<path d="M250 %s L376 %s M250 %s L376 %s" stroke="#d8ad7a" stroke-width="2.6" stroke-linecap="round"/>' % (
        247, 297, 257, 309))
    # a big tree at the right edge, close by
    sc.add(tree(588, 330, 1.7))
    # the two on a quiet walk, hand in hand
    sc.add('<ellipse cx="448" cy="358" rx="66" ry="9" fill="#5b3a29" opacity="0.15"/>')
    sc.add(place_figure(sc, "heroine", 474, 358, 1.45, pose="handL", extra=dict(eyes="happy", mouth="smile")))
    sc.add(place_figure(sc, "hero", 420, 358, 1.5, pose="handR", extra=dict(eyes="smile", mouth="smile")))
    sc.add(heart(448, 232, 7, fill="#f7a8b8"))
    for x, y in ((180, 96), (198, 86), (214, 100)):
        sc.add('<path d="M%s %s q5 -5 9 0 q4 -5 9 0" fill="none" stroke="%s" stroke-width="1.5" stroke-linecap="round" opacity="0.6"/>' % (x + 250, y + 20, LINE))
    # butterflies
    for x, y, col in ((300, 230, "#ffe27a"), (560, 280, "#f7b9c6")):
        sc.add('<ellipse cx="%s" cy="%s" rx="5" ry="7" fill="%s" stroke="%s" stroke-width="1.2" transform="rotate(-30 %s %s)"/>'
               '<ellipse cx="%s" cy="%s" rx="5" ry="7" fill="%s" stroke="%s" stroke-width="1.2" transform="rotate(30 %s %s)"/>' % (
                   x - 4, y, col, LINE, x - 4, y, x + 4, y, col, LINE, x + 4, y))
    return sc


def ivent10():
    sc = Scene("ivent10", 600, 400)
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.lin(
        [(0, "#0f1434"), (0.5, "#1e2454"), (0.8, "#3a3470")]))
    sc.add(twinkles(sc, 110, 0, 0, 600, 230, big=0.06,
                    avoid=lambda x, y: x < 420 and y < 185 and sc.rng.random() < 0.7))
    # the moon
    sc.add('<circle cx="510" cy="70" r="70" fill="%s"/>' % sc.rad([(0, "#fff6d0", 0.45), (1, "#fff6d0", 0)]))
    sc.add('<circle cx="510" cy="70" r="34" fill="#fff3c4" stroke="%s" stroke-width="2"/>' % LINE)
    sc.add('<circle cx="498" cy="62" r="6" fill="#f0dfa0"/><circle cx="520" cy="82" r="4" fill="#f0dfa0"/><circle cx="522" cy="58" r="3" fill="#f0dfa0"/>')
    # garden hills
    sc.add(hill([(-20, 300), (160, 280), (360, 296), (620, 278)], "#1f3a36"))
    # thin clouds lit by the moon
    sc.add(cloud(430, 96, 26, fill="#3a3e72", shade="#2e3262", stroke="none", opacity=0.8))
    sc.add(cloud(585, 130, 20, fill="#3a3e72", shade="#2e3262", stroke="none", opacity=0.8))
    # the mansion, in night colours, its windows warm
    mx = 330
    wall, wall_sh, roof, roof_sh = "#b9b3cf", "#9690b2", "#3e3460", "#2e2650"
    m = ""
    m += '<rect x="%s" y="170" width="230" height="130" fill="%s" stroke="%s" stroke-width="2.5"/>' % (mx, wall, LINE)
    m += '<rect x="%s" y="284" width="230" height="16" fill="%s"/>' % (mx + 1, wall_sh)
    m += '<path d="M%s 172 L%s 120 L%s 120 L%s 172Z" fill="%s" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (
        mx - 10, mx + 40, mx + 190, mx + 240, roof, LINE)
    for k in range(1, 5):
        y = 120 + k * 10.4
        m += '<path d="M%s %s L%s %s" stroke="%s" stroke-width="1.2"/>' % (
            f(mx + 40 - k * 10), f(y), f(mx + 190 + k * 10), f(y), roof_sh)
    # chimneys
    m += '<rect x="%s" y="104" width="14" height="26" fill="#8a7a8e" stroke="%s" stroke-width="2"/>' % (mx + 30, LINE)
    m += '<rect x="%s" y="100" width="14" height="26" fill="#8a7a8e" stroke="%s" stroke-width="2"/>' % (mx + 190, LINE)
    # central tower
    m += '<rect x="%s" y="110" width="70" height="190" fill="#c6c0da" stroke="%s" stroke-width="2.5"/>' % (mx + 80, LINE)
    m += '<path d="M%s 112 L%s 60 L%s 112Z" fill="%s" stroke="%s" stroke-width="2.5" stroke-linejoin="round"/>' % (
        mx + 72, mx + 115, mx + 158, roof, LINE)
    m += '<path d="M%s 60 L%s 44" stroke="%s" stroke-width="2"/><circle cx="%s" cy="42" r="3" fill="#f5c542" stroke="%s" stroke-width="1.2"/>' % (
        mx + 115, mx + 115, LINE, mx + 115, LINE)
    glow = sc.rad([(0, "#ffd98a", 0.55), (1, "#ffd98a", 0)])

    def window(x, y, w, h, on, round_=False, who=False):
        out = ""
        if on:
            out += '<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"/>' % (f(x + w / 2), f(y + h / 2), f(w * 1.2), f(h * 1.0), glow)
        fill = "#ffd98a" if on else "#2e2a52"
        if round_:
            out += '<circle cx="%s" cy="%s" r="%s" fill="%s" stroke="%s" stroke-width="2"/>' % (f(x), f(y), f(w), fill, LINE)
            out += '<path d="M%s %s L%s %s M%s %s L%s %s" stroke="%s" stroke-width="1.5"/>' % (
                f(x), f(y - w), f(x), f(y + w), f(x - w), f(y), f(x + w), f(y), LINE)
            return out
        out += '<rect x="%s" y="%s" width="%s" height="%s" rx="3" fill="%s" stroke="%s" stroke-width="2"/>' % (
            f(x), f(y), f(w), f(h), fill, LINE)
        if who:
            # someone at the window: a rabbit's shape against the lamp light
            out += '<g fill="#7a5a5e" opacity="0.85">'
            out += '<ellipse cx="%s" cy="%s" rx="5" ry="4.6"/>' % (f(x + w / 2), f(y + h - 7))
            out += '<ellipse cx="%s" cy="%s" rx="1.6" ry="5" transform="rotate(-8 %s %s)"/>' % (
                f(x + w / 2 - 2.2), f(y + h - 15), f(x + w / 2 - 2.2), f(y + h - 11))
            out += '<ellipse cx="%s" cy="%s" rx="1.6" ry="5" transform="rotate(10 %s %s)"/>' % (
                f(x + w / 2 + 2.2), f(y + h - 15), f(x + w / 2 + 2.2), f(y + h - 11))
            out += '</g>'
        out += '<path d="M%s %s L%s %s M%s %s L%s %s" stroke="%s" stroke-width="1.3"/>' % (
            f(x + w / 2), f(y), f(x + w / 2), f(y + h), f(x), f(y + h / 2), f(x + w), f(y + h / 2), LINE)
        out += '<rect x="%s" y="%s" width="%s" height="4" rx="1.5" fill="%s" stroke="%s" stroke-width="1.3"/>' % (
            f(x - 3), f(y + h), f(w + 6), wall_sh, LINE)
        return out
    lit = [True, True, False, True, True, False, True, True]
    k = 0
    for row in (190, 240):
        for x in (mx + 16, mx + 48, mx + 166, mx + 198):
            m += window(x, row, 20, 26, lit[k], who=(k == 4))
            k += 1
    m += window(mx + 115, 140, 13, 0, True, round_=True)
    m += window(mx + 105, 180, 20, 28, True)
    m += '<path d="M%s 300 L%s 250 A18 18 0 0 1 %s 250 L%s 300Z" fill="#6e4429" stroke="%s" stroke-width="2.5"/>' % (
        mx + 97, mx + 97, mx + 133, mx + 133, LINE)
    m += '<circle cx="%s" cy="276" r="2" fill="#f5c542"/>' % (mx + 127)
    m += '<ellipse cx="%s" cy="246" rx="10" ry="5" fill="%s"/>' % (mx + 115, glow)
    m += '<rect x="%s" y="236" width="8" height="10" rx="2" fill="#ffe9b0" stroke="%s" stroke-width="1.4"/>' % (mx + 111, LINE)
    sc.add(m)
    # moonlight on the left edges of the walls
    sc.add('<path d="M%s 172 L%s 298" stroke="#e8e4ff" stroke-width="2" opacity="0.5"/>' % (mx + 3, mx + 3))
    sc.add('<path d="M%s 113 L%s 298" stroke="#e8e4ff" stroke-width="2" opacity="0.5"/>' % (mx + 83, mx + 83))
    # the garden in front: hedges and lamps
    sc.add(hill([(-20, 318), (200, 304), (420, 316), (620, 300)], "#173029"))
    for x, h in ((30, 120), (80, 90), (200, 104)):
        sc.add(tree(x, 300, h / 70, leaf="#1d3a40", leaf_sh="#152e34", trunk="#2a2230"))
    for x in (40, 120, 250):
        sc.add('<circle cx="%s" cy="300" r="30" fill="#20423a" stroke="%s" stroke-width="2"/>' % (x, LINE))
    for x in (300, 580):
        sc.add('<circle cx="%s" cy="262" r="26" fill="%s"/>' % (x, sc.rad([(0, "#ffe3a0", 0.7), (1, "#ffe3a0", 0)])))
        sc.add('<path d="M%s 270 L%s 320" stroke="#0e0f22" stroke-width="4"/>' % (x, x))
        sc.add('<rect x="%s" y="254" width="12" height="16" rx="3" fill="#ffe9b0" stroke="#0e0f22" stroke-width="2"/>' % (x - 6))
    sc.add('<rect x="0" y="318" width="600" height="82" fill="%s"/>' % sc.lin([(0, "#122620"), (1, "#0c1a16")]))
    sc.add('<path d="M432 300 L458 300 L520 400 L370 400Z" fill="#3a3e5a" opacity="0.8"/>')
    # fireflies
    for k in range(16):
        x = sc.rng.uniform(20, 580)
        y = sc.rng.uniform(270, 390)
        sc.add('<circle cx="%s" cy="%s" r="5" fill="%s"/><circle cx="%s" cy="%s" r="1.3" fill="#fff6b0"/>' % (
            f(x), f(y), sc.rad([(0, "#fff6b0", 0.7), (1, "#fff6b0", 0)]), f(x), f(y)))
    return sc


def ivent11():
    sc = Scene("ivent11", 600, 400)
    # dawn: a light, warm top-left where the last credit is read
    sc.add('<rect width="600" height="400" fill="%s"/>' % sc.lin(
        [(0, "#fffbf0"), (0.4, "#fff0dc"), (0.7, "#fcd6d8"), (1, "#e9c6e6")], 0, 0, 0.6, 1))
    sc.add('<circle cx="470" cy="300" r="230" fill="%s"/>' % sc.rad([(0, "#fff3c4", 0.9), (0.5, "#ffe0b0", 0.45), (1, "#ffe0b0", 0)]))
    # the rainbow
    cx, cy, r0 = 492, 330, 240
    band = 10.5
    sc.add('<path d="M%s %s A%s %s 0 0 1 %s %s" fill="none" stroke="#ffffff" stroke-width="%s" opacity="0.6"/>' % (
        cx - r0 - 6, cy, r0 + 6, r0 + 6, cx + r0 + 6, cy, band * 7 + 14))
    for i, col in enumerate(RAINBOW):
        r = r0 - i * band
        sc.add('<path d="M%s %s A%s %s 0 0 1 %s %s" fill="none" stroke="%s" stroke-width="%s" opacity="0.8"/>' % (
            cx - r, cy, r, r, cx + r, cy, col, band + 0.6))
    sc.add(cloud(232, 320, 38, opacity=0.95) + cloud(150, 250, 22, opacity=0.8) + cloud(560, 110, 24, opacity=0.7))
    # the rising sun behind the far hill
    sc.add('<circle cx="470" cy="256" r="60" fill="%s"/>' % sc.rad([(0, "#fff6c8", 0.9), (1, "#fff6c8", 0)]))
    sc.add('<circle cx="470" cy="256" r="30" fill="#fff3c4" stroke="#f5c542" stroke-width="2"/>')
    for i in range(12):
        a = math.radians(180 + i * 15 + 7.5)
        sc.add('<path d="M%s %s L%s %s" stroke="#ffd54f" stroke-width="3" stroke-linecap="round" opacity="0.8"/>' % (
            f(470 + math.cos(a) * 40), f(256 + math.sin(a) * 40), f(470 + math.cos(a) * 54), f(256 + math.sin(a) * 54)))
    sc.add(hill([(-20, 280), (160, 262), (330, 272), (470, 256), (620, 266)], "#c8e6b0"))
    sc.add(hill([(-20, 318), (120, 300), (300, 312), (420, 292), (520, 288), (620, 300)], "#a8d890"))
    # a weather-fruit garden around them: ripe fruits of every kind
    for kind, x, y, r in (("hare", 330, 338, 13), ("ame", 372, 356, 12), ("niji", 560, 340, 14), ("kami", 590, 372, 11),
                          ("yuki", 300, 372, 11), ("ten", 262, 350, 10), ("hyou", 546, 384, 11), ("kumo", 222, 378, 10),
                          ("hutu", 400, 384, 10)):
        sc.add('<path d="M%s %s L%s %s" stroke="#4e9a3e" stroke-width="2.4"/>' % (f(x), f(y + r), f(x), f(y + r + 30)))
        sc.add('<path d="M%s %s q-12 -2 -14 -10 q10 -2 14 10Z" fill="#7cc063" stroke="%s" stroke-width="1.2"/>' % (f(x), f(y + r + 12), LINE))
        sc.add(fruit(sc, kind, x, y, r, leaf=False))
    # the two, together on the hill, hand in hand
    sc.add('<ellipse cx="468" cy="356" rx="62" ry="8" fill="#5b3a29" opacity="0.15"/>')
    sc.add(place_figure(sc, "heroine", 494, 356, 1.26, pose="handL", extra=dict(eyes="happy", mouth="smile")))
    sc.add(place_figure(sc, "hero", 442, 356, 1.3, pose="handR", extra=dict(eyes="smile", mouth="open")))
    # flowers, hearts and sparkles
    for k in range(46):
        x = sc.rng.uniform(0, 600)
        y = sc.rng.uniform(305, 398)
        if 400 < x < 540 and y < 360:
            continue
        sc.add(flower(x, y, sc.rng.uniform(2.4, 4.2), sc.rng.choice(["#ffffff", "#f7b9c6", "#fff3b0", "#cfe0ff", "#f28cb1"]), stem=False))
    # she wears the rainbow pendant he made
    px, py = 494, 312
    sc.add('<path d="M%s %s Q%s %s %s %s" fill="none" stroke="#d4a94a" stroke-width="1.2"/>' % (px - 7, py - 9, px, py - 2, px + 7, py - 9))
    cid = sc.clip('<path d="M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %sZ"/>' % (
        px, py - 4, px + 5, py, px + 4, py + 5, px, py + 5, px - 4, py + 5, px - 5, py, px, py - 4))
    sc.add('<g clip-path="%s">' % cid + "".join('<rect x="%s" y="%s" width="12" height="1.6" fill="%s"/>' % (
        px - 6, f(py - 4 + i * 9 / 7), col) for i, col in enumerate(RAINBOW)) + '</g>')
    sc.add('<path d="M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %sZ" fill="none" stroke="%s" stroke-width="1.1"/>' % (
        px, py - 4, px + 5, py, px + 4, py + 5, px, py + 5, px - 4, py + 5, px - 5, py, px, py - 4, LINE))
    sc.add(sparkle(px + 6, py - 5, 3, fill="#ffffff", stroke="#ffffff", sw=0.3))
    # petals drifting in the morning air
    for k in range(18):
        x = sc.rng.uniform(320, 600)
        y = sc.rng.uniform(150, 300)
        a = sc.rng.uniform(0, 180)
        if 405 < x < 535 and y > 215:
            continue
        sc.add('<ellipse cx="%s" cy="%s" rx="3.2" ry="1.8" fill="%s" stroke="%s" stroke-width="0.6" transform="rotate(%s %s %s)"/>' % (
            f(x), f(y), sc.rng.choice(["#f7b9c6", "#ffffff", "#fcd6e0"]), LINE, f(a), f(x), f(y)))
    sc.add(heart(468, 206, 8, fill="#f7a8b8") + heart(444, 186, 5, fill="#f28cb1") + heart(494, 182, 4.5, fill="#f7a8b8"))
    for x, y, r in ((560, 200, 8), (380, 200, 6), (590, 270, 5), (300, 240, 5), (520, 150, 4)):
        sc.add(sparkle(x, y, r, fill="#fff6c8", stroke="#f5a623", sw=0.8))
    # birds far away
    for x, y in ((330, 140), (350, 128), (372, 146)):
        sc.add('<path d="M%s %s q5 -5 9 0 q4 -5 9 0" fill="none" stroke="%s" stroke-width="1.6" stroke-linecap="round"/>' % (x, y, LINE))
    return sc


def icon():
    sc = Scene("icon", 64, 64)
    sc.add('<rect x="1" y="1" width="62" height="62" rx="13" fill="%s" stroke="%s" stroke-width="2"/>' % (
        sc.lin([(0, "#8a5cb8"), (1, "#4b2a6b")]), LINE))
    # a rainbow arc behind
    for i, col in enumerate(RAINBOW):
        r = 25 - i * 2.4
        sc.add('<path d="M%s 44 A%s %s 0 0 1 %s 44" fill="none" stroke="%s" stroke-width="2.6"/>' % (
            f(32 - r), f(r), f(r), f(32 + r), col))
    # two tall rabbit ears
    for sx in (-1, 1):
        rot = sx * 9
        bx = 32 + sx * 7
        sc.add('<g transform="rotate(%s %s 52)">' % (rot, bx) +
               '<path d="M%s 54 C%s 38 %s 9 %s 6 C%s 9 %s 38 %s 54Z" fill="#fff5e6" stroke="%s" stroke-width="2.2" stroke-linejoin="round"/>' % (
                   f(bx - 6.5), f(bx - 9.5), f(bx - 6), f(bx), f(bx + 6), f(bx + 9.5), f(bx + 6.5), LINE) +
               '<path d="M%s 46 C%s 34 %s 15 %s 12 C%s 15 %s 34 %s 46Z" fill="#f7b9c6"/>' % (
                   f(bx - 2.8), f(bx - 4.4), f(bx - 2.8), f(bx), f(bx + 2.8), f(bx + 4.4), f(bx + 2.8)) + '</g>')
    # a rainbow gem at the ears' root
    gx, gy = 32, 50
    p = [(gx, gy - 10), (gx + 11, gy - 3), (gx + 7, gy + 10), (gx - 7, gy + 10), (gx - 11, gy - 3)]
    cid = sc.clip('<path d="M%sZ"/>' % "L".join("%s %s" % (f(a), f(b)) for a, b in p))
    sc.add('<g clip-path="%s">' % cid)
    for i, col in enumerate(RAINBOW):
        sc.add('<rect x="%s" y="%s" width="24" height="3.2" fill="%s"/>' % (f(gx - 12), f(gy - 10 + i * 20 / 7), col))
    sc.add('</g>')
    sc.add('<path d="M%sZ" fill="none" stroke="%s" stroke-width="2" stroke-linejoin="round"/>' % (
        "L".join("%s %s" % (f(a), f(b)) for a, b in p), LINE))
    sc.add('<path d="M%s %s L%s %s L%s %sZ" fill="#ffffff" opacity="0.8"/>' % (gx - 6, gy - 3, gx, gy - 7, gx - 1, gy - 2))
    sc.add(sparkle(52, 14, 5, fill="#fff3b0", stroke="#f5a623", sw=0.8))
    return sc


SCENES = {"ivent": ivent, "ivent1": ivent1, "ivent2": ivent2, "ivent3": ivent3, "ivent4": ivent4, "ivent5": ivent5,
          "ivent6": ivent6, "ivent7": ivent7, "ivent8": ivent8, "ivent9": ivent9, "ivent10": ivent10, "ivent11": ivent11,
          "icon": icon}


def main(argv):
    names = argv[1:] or list(SCENES)
    for n in names:
        sc = SCENES[n]()
        folder = os.path.join(ART, "icon" if n == "icon" else "scenes")
        os.makedirs(folder, exist_ok=True)
        with open(os.path.join(folder, n + ".svg"), "w", encoding="utf-8") as fh:
            fh.write(sc.svg())
        print("wrote", n)


if __name__ == "__main__":
    main(sys.argv)
