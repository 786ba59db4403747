#pragma once

// The pond curves drawn the literal way, one DrawLine call per segment: the
// baseline the plug-ins' polyline drawing is measured and checked against.

#include "plugins/pond/Pond_Draw.h"

/// A Pond_Curve_Painter: a line from each point to the next.
void Draw_Pond_Curve_Literal(wxDC& dc, const wxRect& plot, int lowest,
                             const std::vector<double>& values, int n, double sx, double sy);
