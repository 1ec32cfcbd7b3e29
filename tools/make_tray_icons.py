#!/usr/bin/env python3
"""Draws the six notification-area icons (green, red, blue, yellow, white,
black) at 16 and 32 pixels and writes them as .ico files into
resources/icons. Run it again after changing the drawing; the build only
reads the files it wrote."""
import os
import struct

# (red, green, blue) by the index TrayIconColor holds.
COLOURS = (
    (0x2E, 0xB8, 0x4A),  # green
    (0xE0, 0x30, 0x30),  # red
    (0x30, 0x60, 0xE0),  # blue
    (0xF0, 0xD0, 0x20),  # yellow
    (0xFF, 0xFF, 0xFF),  # white
    (0x10, 0x10, 0x10),  # black
)
OUTLINE = (0x70, 0x70, 0x70)  # shows on light and dark task bars alike
SIDES = (16, 32)


def in_rounded_square(x, y, side, inset):
    """Whether pixel (x, y) lies in the square inset by `inset` pixels with
    corners rounded by a fifth of the side."""
    low, high = inset, side - 1 - inset
    if not (low <= x <= high and low <= y <= high):
        return False
    radius = side / 5.0 - inset
    dx = max(low + radius - x - 0.5, x + 0.5 - (high + 1 - radius), 0.0)
    dy = max(low + radius - y - 0.5, y + 0.5 - (high + 1 - radius), 0.0)
    return dx * dx + dy * dy <= radius * radius


def pixel(x, y, side, colour):
    """A rounded picture frame: outline, coloured face, and a hill in the
    outline's shade across its lower part, so that the face reads as a picture.
    None where the icon is transparent."""
    if not in_rounded_square(x, y, side, 0):
        return None
    if not in_rounded_square(x, y, side, max(1, side // 16)):
        return OUTLINE
    if side - 1 - y < side // 3 - abs(x - side // 2) // 2:
        return tuple((c + o) // 2 for c, o in zip(colour, OUTLINE))
    return colour


def icon_image(side, colour):
    stride = ((side + 31) // 32) * 4
    colour_rows = bytearray()
    mask_rows = bytearray()
    for y in reversed(range(side)):  # bottom-up
        mask = bytearray(stride)
        for x in range(side):
            p = pixel(x, y, side, colour)
            if p is None:
                colour_rows += b"\0\0\0\0"
                mask[x // 8] |= 0x80 >> (x % 8)
            else:
                colour_rows += bytes((p[2], p[1], p[0], 0xFF))
        mask_rows += mask
    header = struct.pack("<IiiHHIIiiII", 40, side, side * 2, 1, 32, 0, len(colour_rows) + len(mask_rows), 0, 0, 0, 0)
    return header + bytes(colour_rows) + bytes(mask_rows)


def icon_file(colour):
    images = [icon_image(side, colour) for side in SIDES]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for side, image in zip(SIDES, images):
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return out + b"".join(images)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.join(here, "..", "resources", "icons")
    os.makedirs(folder, exist_ok=True)
    for index, colour in enumerate(COLOURS):
        with open(os.path.join(folder, "tray_%d.ico" % index), "wb") as f:
            f.write(icon_file(colour))


if __name__ == "__main__":
    main()
