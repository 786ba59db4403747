#include "plugins/pond/Plot_Geometry.h"

#include <cmath>

int Pond_Curve_X(int left, double sx, int i)
{
    // i < n and sx = width / n keep the product within the plot's width.
    return int(i * sx) + left;
}

int Pond_Curve_Y(int bottom, double sy, double v, int lowest)
{
    const double y = bottom - std::trunc(sy * v);
    if (std::isnan(y))
        return -10;
    if (y > lowest)
        return lowest;
    if (y < 0)
        return -10;
    return int(y);
}
