#include "simframe/src/Curve_Points.h"

#include <algorithm>
#include <cmath>

int Curve_X(int left, double sx, int i)
{
    // i < n and sx = width / n keep the product within the plot's width.
    return int(i * sx) + left;
}

int Curve_Y(int bottom, double sy, double v, int lowest)
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

namespace
{
    // Appends p unless it repeats the last point, and drops the last point
    // when it lies on the straight way from the one before it to p: a line
    // that runs on in the same direction looks the same without the corner.
    void Push(std::vector<Curve_Point>& points, Curve_Point p)
    {
        const size_t size = points.size();
        if (size > 0 && points[size - 1].x == p.x && points[size - 1].y == p.y)
            return;
        if (size > 1)
        {
            const Curve_Point a = points[size - 2], b = points[size - 1];
            // Coordinates are pixels of the plot, so the products fit.
            const long long ux = b.x - a.x, uy = b.y - a.y, vx = p.x - b.x, vy = p.y - b.y;
            if (ux * vy == uy * vx && ux * vx + uy * vy > 0)
            {
                points[size - 1] = p;
                return;
            }
        }
        points.push_back(p);
    }

    // The points of one pixel column: the first and the last, and between
    // them the lowest and the highest, in the order they came.
    struct Column
    {
        int x;
        int first, last;
        int min, max;
        int i_min, i_max;

        void Start(int x_, int y, int i)
        {
            x = x_;
            first = last = min = max = y;
            i_min = i_max = i;
        }

        void Add(int y, int i)
        {
            last = y;
            if (y < min)
            {
                min = y;
                i_min = i;
            }
            if (y > max)
            {
                max = y;
                i_max = i;
            }
        }

        void Emit(std::vector<Curve_Point>& points) const
        {
            Push(points, {x, first});
            const bool min_first = i_min <= i_max;
            Push(points, {x, min_first ? min : max});
            Push(points, {x, min_first ? max : min});
            Push(points, {x, last});
        }
    };
}

void Curve_Points(int left, int bottom, int lowest, const std::vector<double>& values, int n,
                       double sx, double sy, std::vector<Curve_Point>& points)
{
    points.clear();
    n = std::min(n, int(values.size()));
    if (n < 2)
        return;
    Column column;
    column.Start(left, Curve_Y(bottom, sy, values[0], lowest), 0);
    for (int i = 1; i < n; i++)
    {
        const int x = Curve_X(left, sx, i);
        const int y = Curve_Y(bottom, sy, values[i], lowest);
        if (x == column.x)
            column.Add(y, i);
        else
        {
            column.Emit(points);
            column.Start(x, y, i);
        }
    }
    column.Emit(points);
    // A line of zero length still draws the pen's dot.
    if (points.size() == 1)
        points.push_back(points[0]);
}
