// The plug-ins draw each curve as one polyline through the points that
// shape it; the promise is the picture of the literal drawing, one line per
// segment (the benchmarks' baseline). Both are painted here and compared
// pixel by pixel.

#include "bench/Literal_Pond_Draw.h"
#include "plugins/pond/Plot_Geometry.h"
#include "plugins/pond/Pond_Draw.h"
#include "plugins/pond/Pond_Model.h"

#include "tests/plugins/Pond_Test_Helpers.h"

#include <cmath>
#include <limits>
#include <wx/dc.h>
#include <wx/pen.h>

namespace
{
    struct Difference
    {
        long Ink = 0;      // pixels the literal drawing inked
        long Touched = 0;  // pixels inked by one drawing and left white by the other
        long Core = 0;     // pixels in the full pen colour in one drawing only
        int Largest = 0;   // the largest difference of a channel
    };

    bool Is(const unsigned char* p, const wxColour& c)
    {
        return p[0] == c.Red() && p[1] == c.Green() && p[2] == c.Blue();
    }

    Difference Compare(const wxImage& a, const wxImage& b, const wxColour& pen)
    {
        Difference d;
        const unsigned char* p = a.GetData();
        const unsigned char* q = b.GetData();
        for (long i = 0, count = long(a.GetWidth()) * a.GetHeight(); i < count; i++, p += 3, q += 3)
        {
            int largest = 0;
            for (int c = 0; c < 3; c++)
                largest = std::max(largest, std::abs(int(p[c]) - int(q[c])));
            d.Largest = std::max(d.Largest, largest);
            d.Ink += !Is(q, *wxWHITE);
            d.Touched += Is(p, *wxWHITE) != Is(q, *wxWHITE);
            d.Core += Is(p, pen) != Is(q, pen);
        }
        return d;
    }

    // One curve over the plot rectangle of a 400 x 300 picture, drawn with
    // painter in a pen of width and colour.
    wxImage Draw(Pond_Curve_Painter painter, const std::vector<double>& values, int width, const wxColour& colour,
                 double value_max = 1500)
    {
        const wxSize size(400, 300);
        const wxRect plot(20, 0, size.x - 20, size.y - 20);
        const int n = int(values.size());
        return Paint(size, [&](wxDC& dc) {
            dc.SetPen(wxPen(colour, width, wxPENSTYLE_SOLID));
            painter(dc, plot, size.y + 10, values, n, double(plot.width) / n, plot.height / value_max);
        });
    }

    struct Curve
    {
        const char* Name;
        std::vector<double> Values;
    };

    std::vector<Curve> Curves()
    {
        std::vector<Curve> curves;
        // The model's rudd and pike over a long span: many points a column.
        Pond_Series series;
        series.Resize(10000);
        Pond_Parameters p;
        p.a = 0.08;
        p.d = 0.2;
        p.Rudd_Start = 200;
        p.Pike_Start = 20;
        p.Capacity = 1000;
        Pond_Run(series, p, POND_SCENARIO_SWINGING, POND_PREDATION_CLASSIC, 1.0);
        curves.push_back({"rudd", series.Rudd});
        curves.push_back({"capacity", series.Capacity});
        // Steep: from the bottom to the top and back at every point.
        std::vector<double> zigzag(3000);
        for (size_t i = 0; i < zigzag.size(); i++)
            zigzag[i] = i % 2 ? 1400 : 50 + (i % 11) * 20;
        curves.push_back({"zigzag", zigzag});
        // Clipped at both limits: far above the top and below the bottom,
        // with a not-a-number among them.
        std::vector<double> clipped(5000);
        for (size_t i = 0; i < clipped.size(); i++)
            clipped[i] = 750 + 2500 * std::sin(i * 0.004);
        clipped[2500] = std::numeric_limits<double>::quiet_NaN();
        curves.push_back({"clipped", clipped});
        // Few points: wider than a pixel apart, as at a span of 200.
        std::vector<double> wave(200);
        for (size_t i = 0; i < wave.size(); i++)
            wave[i] = 700 + 600 * std::sin(i * 0.09);
        curves.push_back({"wave", wave});
        return curves;
    }
}

TEST(Pond_Curve_Draw, The_Polyline_Inks_The_Pixels_Of_The_Literal_Drawing)
{
    for (const Curve& curve : Curves())
        for (int width : {2, 4})
        {
            SCOPED_TRACE(std::string(curve.Name) + " width " + std::to_string(width));
            const wxColour colour = width == 2 ? wxColour(0, 0, 255) : wxColour(204, 204, 255);
            const wxImage literal = Draw(Draw_Pond_Curve_Literal, curve.Values, width, colour);
            const wxImage fast = Draw(Draw_Pond_Curve, curve.Values, width, colour);
            const Difference d = Compare(fast, literal, colour);
            // Exactly the same pixels are inked; where segments overlap, the
            // literal drawing shades the soft edge a little darker (it lays
            // the edge twice), never by more than a quarter of the scale.
            EXPECT_GT(d.Ink, 1000);
            EXPECT_EQ(d.Touched, 0);
            EXPECT_LE(d.Largest, 64);
            EXPECT_LT(d.Core * 20, d.Ink);
        }
}
