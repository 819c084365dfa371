#!/usr/bin/env python3
"""Draws the MDI tab client's pictures beside this file, with the drawing
helpers of the command bars' pictures (toolkit/commandbars/res/make_images.py):

  workspace_icons.bmp  the images of "New Horizontal Tab Group" (two groups one
                       above the other) and "New Vertical Tab Group" (two groups
                       side by side) in 16 x 16 cells on green (the mask colour)
  drag_in.cur          a tab dragged over the client (arrow, tab page)
  drag_out.cur         a tab dragged outside the client (arrow, slashed circle)

Run it from this folder; the files it writes are kept in the repository."""
import os
import sys

sys.dont_write_bytecode = True  # nothing written beside the command bars' script
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "../../commandbars/res"))
import make_images as bars  # noqa: E402

GREEN = (0, 255, 0)
PAGE = (255, 255, 255)
TAB_ROW = (0, 0, 128)

# A tab page with a tab on its top edge, 11 x 9.
TAB_PAGE = ["####       ", "#oo#       ", "###########", "#ooooooooo#", "#ooooooooo#", "#ooooooooo#",
            "#ooooooooo#", "#ooooooooo#", "###########"]


def group(c, x0, y0, x1, y1):
    # A tab group: a dark row of tabs over a white page, framed.
    c.panel(x0, y0, x1, y1, PAGE, bars.BLACK)
    c.fill(x0 + 1, y0 + 1, x1 - 1, y0 + 2, TAB_ROW)


def stacked(c):
    group(c, 1, 1, 14, 6)
    group(c, 1, 9, 14, 14)


def side_by_side(c):
    group(c, 1, 1, 6, 14)
    group(c, 9, 1, 14, 14)


if __name__ == "__main__":
    bars.write_bmp24("workspace_icons.bmp", bars.strip([bars.picture(stacked), bars.picture(side_by_side)], GREEN))
    bars.write_cursor("drag_in.cur", bars.with_badge(TAB_PAGE), (0, 0))
    bars.write_cursor("drag_out.cur", bars.with_badge(bars.no_drop_badge(), 11, 16), (0, 0))
