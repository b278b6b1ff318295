"""Text widths for the Gothic face, read straight from the TrueType file.

librsvg ignores textLength, so captions are fitted here: the generator asks how
wide a caption is at 1 px and picks the largest size that fits its box.
Only the standard library is used; without the font file a plain estimate is used.
"""
import os
import struct

GOTHIC_PATHS = (
    "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
    "/usr/share/fonts/truetype/ipafont-gothic/ipagp.ttf",
)


class _Face:
    def __init__(self, path):
        data = open(path, "rb").read()
        num = struct.unpack(">H", data[4:6])[0]
        tab = {}
        for i in range(num):
            tag, _cs, off, ln = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
            tab[tag.decode("latin-1")] = (off, ln)
        head = tab["head"][0]
        self.upem = struct.unpack(">H", data[head + 18:head + 20])[0]
        hhea = tab["hhea"][0]
        nhm = struct.unpack(">H", data[hhea + 34:hhea + 36])[0]
        hmtx = tab["hmtx"][0]
        self.adv = [struct.unpack(">H", data[hmtx + 4 * i:hmtx + 4 * i + 2])[0] for i in range(nhm)]
        cmap = tab["cmap"][0]
        nsub = struct.unpack(">H", data[cmap + 2:cmap + 4])[0]
        sub = None
        for i in range(nsub):
            pid, eid, off = struct.unpack(">HHI", data[cmap + 4 + 8 * i:cmap + 12 + 8 * i])
            fmt = struct.unpack(">H", data[cmap + off:cmap + off + 2])[0]
            if fmt == 4 and (pid, eid) in ((3, 1), (0, 3), (0, 4), (0, 1)):
                sub = cmap + off
                break
        self.data = data
        self.sub = sub
        self.cache = {}

    def glyph(self, ch):
        c = ord(ch)
        if c > 0xFFFF or self.sub is None:
            return 0
        d, s = self.data, self.sub
        seg2 = struct.unpack(">H", d[s + 6:s + 8])[0]
        ends = s + 14
        starts = ends + seg2 + 2
        deltas = starts + seg2
        ranges = deltas + seg2
        for i in range(seg2 // 2):
            end = struct.unpack(">H", d[ends + 2 * i:ends + 2 * i + 2])[0]
            if end < c:
                continue
            start = struct.unpack(">H", d[starts + 2 * i:starts + 2 * i + 2])[0]
            if start > c:
                return 0
            delta = struct.unpack(">h", d[deltas + 2 * i:deltas + 2 * i + 2])[0]
            roff_pos = ranges + 2 * i
            roff = struct.unpack(">H", d[roff_pos:roff_pos + 2])[0]
            if roff == 0:
                return (c + delta) & 0xFFFF
            gpos = roff_pos + roff + 2 * (c - start)
            g = struct.unpack(">H", d[gpos:gpos + 2])[0]
            return (g + delta) & 0xFFFF if g else 0
        return 0

    def width(self, text):
        w = 0
        for ch in text:
            if ch not in self.cache:
                g = self.glyph(ch)
                a = self.adv[g] if g < len(self.adv) else self.adv[-1]
                self.cache[ch] = a / self.upem
            w += self.cache[ch]
        return w


_face = None


def _get():
    global _face
    if _face is None:
        for p in GOTHIC_PATHS:
            if os.path.exists(p):
                _face = _Face(p)
                break
        else:
            _face = False
    return _face


def text_width(text, size, bold=True):
    """Width in px of text set in IPAPGothic at size px (synthetic bold adds a hair)."""
    f = _get()
    if f:
        w = f.width(text) * size
    else:
        w = sum(1.0 if ord(ch) > 0x2000 else 0.55 for ch in text) * size
    if bold:
        w += 0.04 * size * len(text)
    return w


def fit_size(text, box_w, max_size, min_size=8):
    """The largest whole-pixel-ish size (0.5 steps) at which text fits box_w."""
    s = float(max_size)
    while s > min_size and text_width(text, s) > box_w:
        s -= 0.5
    return s
