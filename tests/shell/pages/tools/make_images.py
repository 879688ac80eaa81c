#!/usr/bin/env python3
"""Writes the pictures the test pages refer to: one flat colour each, at the sizes the
pages' full-image rectangles name. Standard library only, so anyone can regenerate them."""

import struct
import sys
import zlib
from pathlib import Path


def png(width, height, rgb):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    row = b"\0" + bytes(rgb) * width
    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(row * height, 9)) + chunk(b"IEND", b""))


def lzw_codes(pixel_count):
    """LZW codes (min code size 2) for pixel_count pixels of colour 0, with their widths."""
    clear, end = 4, 5
    codes = [(clear, 3)]
    table = {(0,): 0}
    next_code, width = 6, 3
    run = ()
    for _ in range(pixel_count):
        if run + (0,) in table:
            run += (0,)
            continue
        codes.append((table[run], width))
        table[run + (0,)] = next_code
        next_code += 1
        if next_code > (1 << width) and width < 12:
            width += 1
        run = (0,)
    codes.append((table[run], width))
    codes.append((end, width))
    return codes


def gif(width, height, rgb):
    bits, count, data = 0, 0, bytearray()
    for code, size in lzw_codes(width * height):
        bits |= code << count
        count += size
        while count >= 8:
            data.append(bits & 0xFF)
            bits >>= 8
            count -= 8
    if count:
        data.append(bits)
    blocks = b"".join(bytes([len(data[i:i + 255])]) + data[i:i + 255] for i in range(0, len(data), 255))
    palette = bytes(rgb) + bytes(9)
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0x81, 0, 0) + palette +
            b"\x2c" + struct.pack("<HHHHB", 0, 0, width, height, 0) + b"\x02" + blocks + b"\0;")


# The standard luminance tables, trimmed to what a flat grey picture needs: DC category 0
# is coded "00" and the end of block "1010".
DC_TABLE = bytes([0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0]) + bytes(range(12))
AC_TABLE = bytes([0, 2, 1, 3, 3, 2, 4, 3, 5, 5, 4, 4, 0, 0, 1, 0x7D]) + bytes([
    0x01, 0x02, 0x03, 0x00, 0x04, 0x11, 0x05, 0x12, 0x21, 0x31, 0x41, 0x06, 0x13, 0x51, 0x61,
    0x07, 0x22, 0x71, 0x14, 0x32, 0x81, 0x91, 0xA1, 0x08, 0x23, 0x42, 0xB1, 0xC1, 0x15, 0x52,
    0xD1, 0xF0, 0x24, 0x33, 0x62, 0x72, 0x82, 0x09, 0x0A, 0x16, 0x17, 0x18, 0x19, 0x1A, 0x25,
    0x26, 0x27, 0x28, 0x29, 0x2A, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x43, 0x44, 0x45,
    0x46, 0x47, 0x48, 0x49, 0x4A, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0x63, 0x64,
    0x65, 0x66, 0x67, 0x68, 0x69, 0x6A, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0x83,
    0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0x8A, 0x92, 0x93, 0x94, 0x95, 0x96, 0x97, 0x98, 0x99,
    0x9A, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9, 0xAA, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6,
    0xB7, 0xB8, 0xB9, 0xBA, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0xCA, 0xD2, 0xD3,
    0xD4, 0xD5, 0xD6, 0xD7, 0xD8, 0xD9, 0xDA, 0xE1, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8,
    0xE9, 0xEA, 0xF1, 0xF2, 0xF3, 0xF4, 0xF5, 0xF6, 0xF7, 0xF8, 0xF9, 0xFA])


def jpeg(width, height):
    """A baseline grey JPEG whose every block is mid-grey: DC difference 0, then end of block."""
    def segment(marker, data):
        return b"\xff" + bytes([marker]) + struct.pack(">H", len(data) + 2) + data

    blocks = ((width + 7) // 8) * ((height + 7) // 8)
    bits = "001010" * blocks
    bits += "1" * (-len(bits) % 8)
    scan = bytes(int(bits[i:i + 8], 2) for i in range(0, len(bits), 8)).replace(b"\xff", b"\xff\x00")
    return (b"\xff\xd8" + segment(0xE0, b"JFIF\0\x01\x01\0\0\x01\0\x01\0\0") +
            segment(0xDB, b"\0" + bytes([1] * 64)) +
            segment(0xC0, struct.pack(">BHHB", 8, height, width, 1) + b"\x01\x11\x00") +
            segment(0xC4, b"\x00" + DC_TABLE) + segment(0xC4, b"\x10" + AC_TABLE) +
            segment(0xDA, b"\x01\x01\x00\x00\x3f\x00") + scan + b"\xff\xd9")


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "images"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "plan.png").write_bytes(png(240, 160, (230, 220, 200)))
    (folder / "france.gif").write_bytes(gif(200, 180, (120, 170, 90)))
    (folder / "menu.gif").write_bytes(gif(600, 40, (40, 60, 120)))
    (folder / "photo.jpg").write_bytes(jpeg(160, 120))


if __name__ == "__main__":
    main()
