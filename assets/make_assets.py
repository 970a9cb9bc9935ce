#!/usr/bin/env python3
"""Makes the files shipped beside the program: the example race (Exempel.dat, Exempel.cmt), the finish
sound (Gun.wav), the two pictures (Logo.png, Bakgrund.png) and the desktop icon (icons/). Standard library
only; the output is the same on every run. Run it from any folder: the files are written beside this
script."""

import math
import os
import struct
import wave
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# name, sail id, boat type, LYS number, comment, deleted
BOATS = [
    ("Åsa Lindström", "SWE 3121", "Folkbåt", 0.97, "Nya segel i år.", False),
    ("Göran Sjöberg", "SWE 412", "IF-båt", 1.02, "", False),
    ("Märta Öhman", "SWE 27", "Albin Express", 1.12, "Anmäld sent, avgiften betald.", False),
    ("Björn Åkerlund", "SWE 1187", "Albin Vega", 1.04, "", False),
    ("Håkan Bäckström", "SWE 886", "H-båt", 1.07, "Ensamseglare.", False),
    ("Sören Hägg", "SWE 2345", "Havsfidra", 1.00, "Återbud – sjuk.", True),
    ("Ingrid Nyström", "SWE 2950", "Maxi 77", 1.04, "", False),
    ("Pär Ekström", "SWE 5508", "Laser 28", 1.14, "Spinnaker tillåten.", False),
    ("Kjell Törnqvist", "SWE 3370", "Havsfidra", 1.00, "", False),
    ("Lena Sjöholm", "SWE 6612", "Linjett 32", 1.16, "", False),
    ("Örjan Dahlgren", "SWE 7043", "Mamba 31", 1.17, "Ny ägare, förut \"Vågspel\".", False),
    ("Agneta Fält", "SWE 1520", "Albin Ballad", 1.09, "", False),
    ("Olle Bergström", "SWE 4488", "IF-båt", 1.02, "Första året i Brisrundan.", False),
]


def fixed(text, width):
    data = text.encode("cp1252")
    assert len(data) <= width, text
    return data.ljust(width, b" ")


def race_files():
    records = bytearray()
    comments = bytearray()
    for name, sail, boat, lys, comment, deleted in BOATS:
        text = comment.encode("cp1252")
        # As the desk saves a participant: the comment goes at the end of the comment file, even when empty.
        position = len(comments) + 1
        comments += text
        records += fixed(name, 20) + fixed(sail, 10) + fixed(boat, 15)
        records += struct.pack("<f4d3i", lys, 0.0, 0.0, 0.0, 0.0, -1 if deleted else 0, position, len(text))
    assert len(records) == 93 * len(BOATS)
    return bytes(records), bytes(comments)


def gun_wav(path, rate=22050, seconds=0.6):
    seed = 20040522
    low = 0.0
    samples = bytearray()
    for i in range(int(rate * seconds)):
        seed = (seed * 1103515245 + 12345) % 2**31
        noise = seed / 2**30 - 1.0
        t = i / rate
        # A sharp crack over a low boom, both dying away fast.
        low += 0.08 * (noise - low)
        crack = noise * math.exp(-t / 0.015)
        boom = low * 6.0 * math.exp(-t / 0.12)
        envelope = min(1.0, i / 40, (seconds - t) / 0.1)
        value = max(-1.0, min(1.0, envelope * (0.55 * crack + 0.75 * boom)))
        samples += struct.pack("<h", int(value * 30000))
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(bytes(samples))


def png(path, width, height, pixel):
    """pixel(x, y) gives (r, g, b, a) in 0..255."""
    raw = bytearray()
    for y in range(height):
        raw.append(0)
        for x in range(width):
            raw += bytes(pixel(x, y))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def inside_triangle(p, a, b, c):
    def side(u, v, w):
        return (w[0] - v[0]) * (u[1] - v[1]) - (u[0] - v[0]) * (w[1] - v[1])

    d1, d2, d3 = side(p, a, b), side(p, b, c), side(p, c, a)
    return not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0))


NAVY = (26, 58, 110)
BLUE = (46, 109, 180)
WHITE = (255, 255, 255)
SEA = (120, 175, 225)


def logo_colour(x, y):
    """The colour at a point of the 76 x 76 emblem, or None outside it."""
    r = math.hypot(x - 38, y - 38)
    if r > 37:
        return None
    if r > 33:
        return NAVY
    if r > 31.5:
        return WHITE
    if inside_triangle((x, y), (40, 12), (40, 52), (61, 52)):
        return WHITE
    if inside_triangle((x, y), (37, 18), (37, 52), (20, 52)):
        return WHITE
    if 39.5 > x > 37 and 10 < y < 56:
        return NAVY
    if 55 <= y <= 61 and 16 + (y - 55) <= x <= 62 - (y - 55):
        return NAVY
    if y > 61 and math.sin((x - 38) / 3.0) * 1.2 + 63 < y:
        return SEA
    return BLUE


def logo_pixel(x, y, n=4, scale=1.0):
    # Four by four samples per pixel give smooth edges. scale maps the pixel onto the 76 x 76 emblem.
    total = [0, 0, 0, 0]
    for sy in range(n):
        for sx in range(n):
            colour = logo_colour((x + (sx + 0.5) / n) * scale, (y + (sy + 0.5) / n) * scale)
            if colour:
                total = [total[0] + colour[0], total[1] + colour[1], total[2] + colour[2], total[3] + 1]
    if total[3] == 0:
        return (0, 0, 0, 0)
    covered = total[3]
    return (total[0] // covered, total[1] // covered, total[2] // covered, 255 * covered // (n * n))


def background_pixel(x, y):
    # Periodic in both directions, so the tile repeats without seams.
    shade = 6 * math.cos(2 * math.pi * y / 100)
    wave_y = 62 + 3 * math.sin(2 * math.pi * x / 30)
    line = max(0.0, 1 - abs(y + 0.5 - wave_y) / 1.5)
    r = 222 + shade - 14 * line
    g = 236 + shade - 10 * line
    b = 246 + shade / 2 - 4 * line
    return (round(r), round(g), round(b), 255)


ICON_SIZES = (48, 128, 256)


def main():
    records, comments = race_files()
    with open(os.path.join(HERE, "Exempel.dat"), "wb") as f:
        f.write(records)
    with open(os.path.join(HERE, "Exempel.cmt"), "wb") as f:
        f.write(comments)
    gun_wav(os.path.join(HERE, "Gun.wav"))
    png(os.path.join(HERE, "Logo.png"), 76, 76, logo_pixel)
    png(os.path.join(HERE, "Bakgrund.png"), 30, 100, background_pixel)
    # The emblem as the program's icon in the desktop's menu, in the sizes desktops ask for most.
    os.makedirs(os.path.join(HERE, "icons"), exist_ok=True)
    for size in ICON_SIZES:
        png(os.path.join(HERE, "icons", "brisrundan-%d.png" % size), size, size,
            lambda x, y, size=size: logo_pixel(x, y, scale=76 / size))


if __name__ == "__main__":
    main()
