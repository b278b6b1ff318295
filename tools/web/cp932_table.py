#!/usr/bin/env python3
"""Writes the cp932 tables of the web build, taken from glibc's own CP932 converter.

The browser's C library has no CP932 (its SHIFT_JIS differs), so the web build carries the
tables: what every byte and every byte pair decodes to, and how glibc encodes each character
that comes out of them. Run on the build machine (glibc); writes a C++ header.
    cp932_table.py OUT.h
"""
import ctypes
import ctypes.util
import errno
import sys

libc = ctypes.CDLL(ctypes.util.find_library("c"), use_errno=True)
libc.iconv_open.restype = ctypes.c_void_p
libc.iconv_open.argtypes = [ctypes.c_char_p, ctypes.c_char_p]
libc.iconv.restype = ctypes.c_size_t
libc.iconv.argtypes = [ctypes.c_void_p] + [ctypes.c_void_p] * 4
libc.iconv_close.argtypes = [ctypes.c_void_p]
FAILED = ctypes.c_size_t(-1).value


def converter(to, frm):
    cd = libc.iconv_open(to, frm)
    if cd is None or cd == FAILED:
        sys.exit("cp932_table.py: glibc's iconv has no %s to %s" % (frm.decode(), to.decode()))

    def convert(data):
        inbuf = ctypes.create_string_buffer(data, len(data))
        outbuf = ctypes.create_string_buffer(16 * len(data) + 16)
        inp, outp = ctypes.c_char_p(ctypes.addressof(inbuf)), ctypes.c_char_p(ctypes.addressof(outbuf))
        inleft, outleft = ctypes.c_size_t(len(data)), ctypes.c_size_t(len(outbuf))
        libc.iconv(cd, None, None, None, None)  # a fresh state for every conversion
        r = libc.iconv(cd, ctypes.byref(inp), ctypes.byref(inleft), ctypes.byref(outp), ctypes.byref(outleft))
        if r == FAILED or inleft.value:
            return None
        return outbuf.raw[: len(outbuf) - outleft.value]

    return convert


decode = converter(b"UTF-32LE", b"CP932")
encode = converter(b"CP932", b"UTF-32LE")


def code_points(utf32):
    return [int.from_bytes(utf32[i : i + 4], "little") for i in range(0, len(utf32), 4)]


# Single bytes: a character, or nothing (a lead byte, or a byte cp932 never uses).
single = []
for b in range(256):
    out = decode(bytes([b]))
    single.append(code_points(out)[0] if out and len(code_points(out)) == 1 else None)
# Pairs whose first byte is not a character by itself: the lead bytes.
leads = [b for b in range(256) if single[b] is None]
pairs = {}
for lead in leads:
    for trail in range(256):
        out = decode(bytes([lead, trail]))
        if out is None:
            continue
        cps = code_points(out)
        if len(cps) != 1 or cps[0] > 0xFFFF:
            sys.exit("cp932_table.py: 0x%02X%02X decodes to %r" % (lead, trail, cps))
        pairs[(lead, trail)] = cps[0]
first_lead = min(l for l, _ in pairs)
last_lead = max(l for l, _ in pairs)
first_trail = min(t for _, t in pairs)
last_trail = max(t for _, t in pairs)
# A pair glibc decodes is a lead byte that never stands alone, so every pair with another
# first byte is two single bytes; check that the table's shape says so.
for b in range(first_lead, last_lead + 1):
    if single[b] is not None and any((b, t) in pairs for t in range(256)):
        sys.exit("cp932_table.py: 0x%02X is both a character and a lead byte" % b)

# How glibc encodes each character it can: every one the decoder gives (several pairs share
# some), and a few that only go one way (U+00A5, U+301C, ...).
encoded = {}
for cp in range(0x10000):
    if 0xD800 <= cp < 0xE000:
        continue
    out = encode(cp.to_bytes(4, "little"))
    if out is not None:
        encoded[cp] = out
decoded = {c for c in single if c is not None} | set(pairs.values())
if not decoded <= set(encoded) or any(len(b) > 2 for b in encoded.values()):
    sys.exit("cp932_table.py: glibc's encoder does not take back what its decoder gives")

lines = [
    "// Written by tools/web/cp932_table.py from glibc's CP932 converter; do not edit.",
    "#pragma once",
    "#include <cstdint>",
    "namespace tenrali::cp932_table {",
    "// A single byte's character, or 0xFFFF when it is no character by itself.",
    "inline constexpr std::uint16_t kSingle[256] = {"
    + ",".join("0x%04X" % (0xFFFF if c is None else c) for c in single) + "};",
    "inline constexpr int kFirstLead = 0x%02X, kLastLead = 0x%02X;" % (first_lead, last_lead),
    "inline constexpr int kFirstTrail = 0x%02X, kLastTrail = 0x%02X;" % (first_trail, last_trail),
    "inline constexpr int kTrails = kLastTrail - kFirstTrail + 1;",
    "// A pair's character by (lead - kFirstLead) * kTrails + (trail - kFirstTrail), 0 when none.",
    "inline constexpr std::uint16_t kPairs[] = {",
]
row = []
for lead in range(first_lead, last_lead + 1):
    for trail in range(first_trail, last_trail + 1):
        row.append("0x%04X" % pairs.get((lead, trail), 0))
    lines.append(",".join(row) + ",")
    row = []
lines.append("};")
lines.append("// Each character glibc encodes, in order, with the bytes it encodes it as.")
lines.append("struct Encoding { std::uint16_t cp; std::uint16_t bytes; };  // one byte: 0x00XX")
lines.append("inline constexpr Encoding kEncodings[] = {")
items = ["{0x%04X,0x%04X}" % (cp, int.from_bytes(b, "big")) for cp, b in encoded.items()]
for i in range(0, len(items), 8):
    lines.append(",".join(items[i : i + 8]) + ",")
lines.append("};")
lines.append("}  // namespace tenrali::cp932_table")
with open(sys.argv[1], "w", encoding="ascii") as f:
    f.write("\n".join(lines) + "\n")
