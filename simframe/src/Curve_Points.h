#pragma once

// Where the points of a plotted curve land, without a device context: the
// arithmetic that must never convert an unbounded double, and the reduction
// of a long series to the points that shape its line (Draw_Curve draws them).

#include <vector>

/// The x of point i with sx pixels per point, from the plot's left edge.
int Curve_X(int left, double sx, int i);

/// The y of value v with sy pixels per unit, from the plot's bottom edge
/// upwards. Limited to lowest below (values under the bottom, such as a
/// negative start value) and set to -10 when above the window's top edge,
/// so a line to an off-scale point leaves the window at a steep angle. The
/// limits apply in floating point, before the conversion to int, so huge
/// values (and a not-a-number, placed at the top) are safe.
int Curve_Y(int bottom, double sy, double v, int lowest);

/// A point of a curve in device pixels.
struct Curve_Point
{
    int x;
    int y;
};

/// The corners of the line through values[0 .. n-1] (at most values' size),
/// placed with Curve_X and Curve_Y, into points (replaced). Only
/// the points that change the line are kept: where several points fall into
/// one pixel column, the first, the lowest, the highest and the last of
/// them, in their order; a point that repeats the one before, or lies on
/// the straight way from the one before to the one after, is left out. The
/// line through the kept points covers exactly the pixels of the segments
/// between all points. Fewer than two points give none (no segment); two or
/// more give at least two, so a curve that sits on one pixel stays a dot.
void Curve_Points(int left, int bottom, int lowest, const std::vector<double>& values, int n,
                       double sx, double sy, std::vector<Curve_Point>& points);
