#include "bench/Literal_Pond_Draw.h"

#include "simframe/src/Curve_Points.h"

#include <algorithm>
#include <wx/dc.h>

void Draw_Pond_Curve_Literal(wxDC& dc, const wxRect& plot, int lowest,
                             const std::vector<double>& values, int n, double sx, double sy)
{
    const int bottom = plot.y + plot.height;
    n = std::min(n, int(values.size()));
    if (n < 1)
        return;
    int x0 = plot.x;
    int y0 = Curve_Y(bottom, sy, values[0], lowest);
    for (int i = 1; i < n; i++)
    {
        const int x = Curve_X(plot.x, sx, i);
        const int y = Curve_Y(bottom, sy, values[i], lowest);
        dc.DrawLine(x0, y0, x, y);
        x0 = x;
        y0 = y;
    }
}
