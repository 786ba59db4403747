#pragma once

// Where a text goes so that a chosen point of it lies on an anchor point.
// The alignment code combines one horizontal and one vertical choice:
// 0x02 centre / 0x04 right end, 0x10 centre / 0x20 bottom; the first of
// each pair wins when both are set, and without either the text starts at
// the anchor (left end, top).

/// True unless the code is exactly left-and-top (0x09), the one placement
/// that needs no measuring.
bool Text_Needs_Extent(int align);

/// The top-left corner for an unrotated text of width w and height h.
void Text_Origin(int align, int x, int y, int w, int h, int& out_x, int& out_y);

/// The reference corner for a text rotated by angle degrees (counter-
/// clockwise): the same anchoring along the rotated text's own axes, each
/// shift truncated toward zero. Angle 0 gives the unrotated result.
void Text_Origin(int align, int x, int y, int w, int h, double angle, int& out_x, int& out_y);
