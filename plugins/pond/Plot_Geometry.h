#pragma once

// Where the points of a pond curve land in the plot, without a device
// context: the arithmetic that must never convert an unbounded double.

/// The x of point i with sx pixels per point, from the plot's left edge.
int Pond_Curve_X(int left, double sx, int i);

/// The y of value v with sy pixels per unit, from the plot's bottom edge
/// upwards. Limited to lowest below (values under the bottom, such as a
/// negative start value) and set to -10 when above the window's top edge,
/// so a line to an off-scale point leaves the window at a steep angle. The
/// limits apply in floating point, before the conversion to int, so huge
/// values (and a not-a-number, placed at the top) are safe.
int Pond_Curve_Y(int bottom, double sy, double v, int lowest);
