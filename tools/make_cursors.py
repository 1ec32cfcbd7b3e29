#!/usr/bin/env python3
"""Draws the viewer's own cursors (open hand, grabbing hand, blank) in three
sizes and writes them as .cur files into resources/cursors. Run it again after
changing a drawing; the build only reads the files it wrote."""
import os
import struct

# '#' black, '.' white, ' ' transparent. 20 x 20, hot spot at the palm.
HAND = """
        ##
    ## #..###
   #..##..#..#
   #..##..#..# #
    #..#..#..##.#
    #..#..#..#..#
 ##  #.......#..#
#..# #..........#
#...##.........#
 #...#.........#
  #............#
  #...........#
   #..........#
    #.........#
     #.......#
      #......#
      #......#
"""

GRAB = """


     ## ## ##
    #..#..#..##
    #........#.#
  ## #..........#
 #..#...........#
 #..............#
  #.............#
   #...........#
    #..........#
     #........#
     #........#
      #......#
      #......#
"""

HOTSPOT = (9, 9)
SIZES = (32, 48, 64)


def rows_of(art):
    lines = art.split("\n")[1:]
    return [line.ljust(20)[:20] for line in lines] + [" " * 20] * (20 - len(lines))


def scaled(art, side):
    rows = rows_of(art)
    scale = side / 32.0
    out = []
    for y in range(side):
        src_y = int(y / scale)
        row = rows[src_y] if src_y < 20 else " " * 20
        out.append("".join(row[int(x / scale)] if int(x / scale) < 20 else " " for x in range(side)))
    return out


def cursor_file(pixels, hotspot):
    side = len(pixels)
    stride = ((side + 31) // 32) * 4
    xor_mask = bytearray()
    and_mask = bytearray()
    for row in reversed(pixels):  # bottom-up
        xor_row = bytearray(stride)
        and_row = bytearray(stride)
        for x, c in enumerate(row):
            bit = 0x80 >> (x % 8)
            if c == " ":
                and_row[x // 8] |= bit
            elif c == ".":
                xor_row[x // 8] |= bit
        xor_mask += xor_row
        and_mask += and_row
    header = struct.pack("<IiiHHIIiiII", 40, side, side * 2, 1, 1, 0, len(xor_mask) + len(and_mask), 0, 0, 2, 0)
    colours = struct.pack("<II", 0x00000000, 0x00FFFFFF)
    image = header + colours + bytes(xor_mask) + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", side % 256, side % 256, 2, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = os.path.join(here, "..", "resources", "cursors")
    os.makedirs(folder, exist_ok=True)
    for index, side in enumerate(SIZES):
        hotspot = (HOTSPOT[0] * side // 32, HOTSPOT[1] * side // 32)
        for name, art in (("hand", HAND), ("grab", GRAB)):
            with open(os.path.join(folder, "%s_%d.cur" % (name, index)), "wb") as f:
                f.write(cursor_file(scaled(art, side), hotspot))
    with open(os.path.join(folder, "none.cur"), "wb") as f:
        f.write(cursor_file([" " * 32] * 32, (0, 0)))


if __name__ == "__main__":
    main()
