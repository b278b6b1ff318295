#!/usr/bin/env python3
"""Writes the fuzzer's seed pictures: one tiny BMP of every form the picture reader accepts.

    python3 tests/fuzz/make_bmp_seeds.py OUT_DIR

Each seed is described here field by field, so a new form is one more line.
"""
import struct
import sys
from pathlib import Path

PPM = 2835  # 72 dots per inch


def info_header(width, height, bits, compression=0, image_size=0, colours=0, size=40, extra=b""):
    head = struct.pack("<IiiHHIIiiII", size, width, height, 1, bits, compression, image_size, PPM, PPM,
                       colours, 0)
    return head + extra + bytes(size - 40 - len(extra))


def bmp(header, palette=b"", pixels=b""):
    offset = 14 + len(header) + len(palette)
    return b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset) + header + palette + pixels


def masks(*m):
    return struct.pack("<" + "I" * len(m), *m)


def grey_palette(n):
    return b"".join(bytes((i, i, i, 0)) for i in range(n))


def seeds():
    hexb = bytes.fromhex
    # 1 bit, two colours, rows of 9 pixels padded to 4 bytes
    yield "mono_9x5", bmp(info_header(9, 5, 1, image_size=20, colours=2),
                          hexb("00000000ffffff00"), hexb("aa800000") * 5)
    # the old OS/2 header: 16-bit sizes, three-byte palette entries
    yield "os2_mono_8x2", bmp(struct.pack("<IHHHH", 12, 8, 2, 1, 1), hexb("000000ffffff"),
                              hexb("ca000000") * 2)
    # 4 bits, sixteen colours, odd width
    palette16 = b"".join(bytes(((i * 40) & 0xFF, (255 - i * 16) & 0xFF, i * 16 & 0xFF, 0)) for i in range(16))
    yield "pal4_7x3", bmp(info_header(7, 3, 4, image_size=12, colours=16), palette16,
                          hexb("77777770fedcba9001234560"))
    # 8 bits with the colour count left 0: a full palette of 256 follows
    yield "pal8_default_count_3x2", bmp(info_header(3, 2, 8, image_size=8), grey_palette(256),
                                        hexb("00ff070000ff0700"))
    # 8 bits with a palette of three
    yield "pal8_short_palette_5x4", bmp(info_header(5, 4, 8, image_size=32, colours=3),
                                        hexb("0000ff0000ff0000ff000000"),
                                        hexb("0001020100000000") * 4)
    # 24 bits, bottom-up, rows padded
    yield "rgb24_3x3", bmp(info_header(3, 3, 24, image_size=36),
                           pixels=hexb("0000ff00ff00ff000000" + "0000") * 3)
    # 24 bits, top-down (negative height)
    yield "rgb24_topdown_3x2", bmp(info_header(3, -2, 24, image_size=24),
                                   pixels=hexb("010203040506070809000000090807060504030201000000"))
    # 24 bits behind a version 5 header
    yield "rgb24_v5_2x2", bmp(info_header(2, 2, 24, image_size=16, size=124),
                              pixels=hexb("0a141e28323c0000") * 2)
    # 32 bits, no masks
    yield "rgb32_2x2", bmp(info_header(2, 2, 32, image_size=16), pixels=hexb("0102030004050600") * 2)
    # 32 bits with alpha, version 4 header with its masks
    yield "argb32_v4_2x2", bmp(info_header(2, 2, 32, compression=3, image_size=16, size=108,
                                           extra=masks(0xFF0000, 0xFF00, 0xFF, 0xFF000000)),
                               pixels=hexb("302010ff60504080") * 2)
    # 16 bits, 5-5-5
    yield "rgb555_4x2", bmp(info_header(4, 2, 16, image_size=16), pixels=hexb("007ce0031f00ff7f") * 2)
    # 16 bits, 5-6-5 given as bit fields
    yield "rgb565_bitfields_4x2", bmp(info_header(4, 2, 16, compression=3, image_size=16),
                                      masks(0xF800, 0x07E0, 0x001F),
                                      hexb("00f8e0071f00ffff") * 2)


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    for name, data in seeds():
        (out / f"{name}.bmp").write_bytes(data)


if __name__ == "__main__":
    main()
