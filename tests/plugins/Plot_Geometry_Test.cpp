// The points a pond curve is drawn through: per pixel column only those
// that shape the line, and every point of the series still on it.

#include "plugins/pond/Plot_Geometry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

namespace
{
    // A plot whose bottom edge is y = 100 at one pixel per unit, so the
    // value 100 - y lands on row y.
    constexpr int Left = 20, Bottom = 100, Lowest = 110;

    std::vector<double> Rows(const std::vector<int>& rows)
    {
        std::vector<double> values;
        for (int y : rows)
            values.push_back(Bottom - y);
        return values;
    }

    std::vector<Pond_Point> Points(const std::vector<double>& values, double sx, int n = -1)
    {
        std::vector<Pond_Point> points = {{-1, -1}};
        Pond_Curve_Points(Left, Bottom, Lowest, values, n < 0 ? int(values.size()) : n, sx, 1.0, points);
        return points;
    }

    std::vector<std::pair<int, int>> Pairs(const std::vector<Pond_Point>& points)
    {
        std::vector<std::pair<int, int>> pairs;
        for (const Pond_Point& p : points)
            pairs.emplace_back(p.x, p.y);
        return pairs;
    }

    // Whether p lies on the segment from a to b.
    bool On_Segment(Pond_Point a, Pond_Point b, Pond_Point p)
    {
        const long long cross = (long long)(b.x - a.x) * (p.y - a.y) - (long long)(b.y - a.y) * (p.x - a.x);
        return cross == 0 && std::min(a.x, b.x) <= p.x && p.x <= std::max(a.x, b.x)
               && std::min(a.y, b.y) <= p.y && p.y <= std::max(a.y, b.y);
    }
}

TEST(Plot_Geometry, A_Column_Keeps_Its_First_Lowest_Highest_And_Last_Point_In_Order)
{
    // Four points per pixel column (sx 0.25). Column 20: first 50, top 40,
    // bottom 60, last 55. Column 21: bottom 70 before top 45. Column 22: one
    // row, after which the line runs on level into column 23.
    const std::vector<double> values = Rows({50, 40, 60, 55, /**/ 52, 70, 45, 58, /**/ 30, 30, 30, 30,
                                             /**/ 30, 30, 30, 30});
    EXPECT_EQ(Pairs(Points(values, 0.25)),
              (std::vector<std::pair<int, int>>{{20, 50}, {20, 40}, {20, 60}, {20, 55}, {21, 52},
                                                {21, 70}, {21, 45}, {21, 58}, {22, 30}, {23, 30}}));
}

TEST(Plot_Geometry, Straight_Runs_And_Repeats_Keep_Only_Their_Ends)
{
    // A level line of 1,000 points, one a pixel, and one above the window
    // (cut to -10) are a single segment each; so is a steady slope.
    std::vector<double> level(1000, Bottom - 40.0);
    EXPECT_EQ(Pairs(Points(level, 1.0)), (std::vector<std::pair<int, int>>{{20, 40}, {1019, 40}}));
    std::vector<double> off_scale(1000, 1e9);
    EXPECT_EQ(Pairs(Points(off_scale, 1.0)), (std::vector<std::pair<int, int>>{{20, -10}, {1019, -10}}));
    std::vector<double> slope;
    for (int i = 0; i < 50; i++)
        slope.push_back(Bottom - 2 * i);
    EXPECT_EQ(Pairs(Points(slope, 1.0)), (std::vector<std::pair<int, int>>{{20, 0}, {69, 98}}));

    // A line that turns back on itself keeps the turning point.
    EXPECT_EQ(Pairs(Points(Rows({50, 60, 50}), 0.5)),
              (std::vector<std::pair<int, int>>{{20, 50}, {20, 60}, {21, 50}}));
}

TEST(Plot_Geometry, Short_Series_Give_No_Line_Or_A_Dot)
{
    const std::vector<double> values = Rows({50, 50, 50});
    EXPECT_TRUE(Points(values, 1.0, 0).empty());
    EXPECT_TRUE(Points(values, 1.0, 1).empty());
    EXPECT_TRUE(Points({}, 1.0, 5).empty());
    // Two or more points on one pixel: a segment of zero length, the dot
    // the pen draws there.
    EXPECT_EQ(Pairs(Points(values, 0.1)), (std::vector<std::pair<int, int>>{{20, 50}, {20, 50}}));
    // n beyond the values is cut to them.
    EXPECT_EQ(Points(Rows({50, 60}), 1.0, 9).size(), 2u);
}

TEST(Plot_Geometry, A_Long_Wild_Series_Keeps_Every_Point_On_Its_Line)
{
    // 10,000 points over 380 pixels: slow waves, steep jumps, values
    // beyond both limits and a not-a-number.
    const int n = 10000;
    const double sx = 380.0 / n;
    std::vector<double> values(n);
    for (int i = 0; i < n; i++)
        values[i] = 50 + 45 * std::sin(i * 0.003) + (i % 7 == 0 ? 30 : 0) * std::sin(i * 0.5);
    for (int i = 4000; i < 4100; i++)
        values[i] = i % 2 ? 1e12 : -1e12;
    values[5000] = std::numeric_limits<double>::quiet_NaN();

    const std::vector<Pond_Point> kept = Points(values, sx);
    ASSERT_GE(kept.size(), 2u);
    EXPECT_LE(kept.size(), 4u * 380);

    // Kept points are points of the series, in their order.
    size_t k = 0;
    std::vector<Pond_Point> all;
    for (int i = 0; i < n; i++)
    {
        const Pond_Point p = {Pond_Curve_X(Left, sx, i), Pond_Curve_Y(Bottom, 1.0, values[i], Lowest)};
        all.push_back(p);
        if (k < kept.size() && kept[k].x == p.x && kept[k].y == p.y)
            k++;
    }
    EXPECT_EQ(k, kept.size());

    // Every point of the series lies on the kept line, in order: the line
    // through the kept points passes all the places the full line does.
    size_t segment = 0;
    for (const Pond_Point& p : all)
    {
        while (segment + 1 < kept.size() && !On_Segment(kept[segment], kept[segment + 1], p))
            segment++;
        ASSERT_LT(segment + 1, kept.size()) << "point " << p.x << "," << p.y << " is off the line";
    }
}
