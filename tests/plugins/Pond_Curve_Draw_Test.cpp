// The plug-ins draw each curve as one polyline through the points that
// shape it; the promise is the picture of the literal drawing, one line per
// segment (the benchmarks' baseline). Both are painted and compared.

#include "bench/Literal_Pond_Draw.h"
#include "plugins/pond/Pond_Draw.h"
#include "plugins/pond/Pond_Model.h"
#include "tirsal/Draw.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <wx/dcmemory.h>

namespace
{
    // One curve over the plot rectangle of a white 400 x 300 picture.
    wxImage Draw(Pond_Curve_Painter painter, const std::vector<double>& values, int width, const wxColour& colour)
    {
        wxBitmap bitmap(400, 300, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            dc.SetPen(wxPen(colour, width, wxPENSTYLE_SOLID));
            painter(dc, wxRect(20, 0, 380, 280), 310, values, int(values.size()), 380.0 / values.size(), 280 / 1500.0);
        }
        return bitmap.ConvertToImage();
    }

    std::vector<double> Curve(int n, const std::function<double(int)>& value)
    {
        std::vector<double> values(n);
        for (int i = 0; i < n; i++)
            values[i] = value(i);
        return values;
    }

    bool Is(const unsigned char* pixel, const wxColour& c)
    {
        return pixel[0] == c.Red() && pixel[1] == c.Green() && pixel[2] == c.Blue();
    }
}

TEST(Pond_Curve_Draw, The_Polyline_Inks_The_Pixels_Of_The_Literal_Drawing)
{
    // The model's rudd over a long span (many points a pixel column), jumps
    // at every point, a curve beyond both limits with a not-a-number, and
    // few points wider than a pixel apart.
    Pond_Series model;
    model.Resize(10000);
    Pond_Run(model, {0.08, 0.2, 200, 20, 1000}, POND_SCENARIO_SWINGING, POND_PREDATION_CLASSIC, 1.0);
    std::vector<double> clipped = Curve(5000, [](int i) { return 750 + 2500 * std::sin(i * 0.004); });
    clipped[2500] = std::numeric_limits<double>::quiet_NaN();
    const std::pair<const char*, std::vector<double>> curves[] = {
        {"rudd", model.Rudd},
        {"zigzag", Curve(3000, [](int i) { return i % 2 ? 1400 : 50 + (i % 11) * 20; })},
        {"clipped", clipped},
        {"wave", Curve(200, [](int i) { return 700 + 600 * std::sin(i * 0.09); })},
    };
    for (const auto& curve : curves)
        for (int width : {2, 4})
        {
            SCOPED_TRACE(std::string(curve.first) + " width " + std::to_string(width));
            const wxColour pen = width == 2 ? wxColour(0, 0, 255) : wxColour(204, 204, 255);
            const wxImage fast = Draw(Draw_Curve, curve.second, width, pen);
            const wxImage literal = Draw(Draw_Pond_Curve_Literal, curve.second, width, pen);
            // Exactly the same pixels are inked; where segments overlap, the
            // literal drawing shades the soft edge a little darker (it lays
            // the edge twice), never by more than a quarter of the scale.
            long ink = 0, touched = 0, core = 0;
            int largest = 0;
            const unsigned char* p = fast.GetData();
            const unsigned char* q = literal.GetData();
            for (int i = 0; i < 400 * 300; i++, p += 3, q += 3)
            {
                for (int c = 0; c < 3; c++)
                    largest = std::max(largest, std::abs(int(p[c]) - int(q[c])));
                ink += !Is(q, *wxWHITE);
                touched += Is(p, *wxWHITE) != Is(q, *wxWHITE);
                core += Is(p, pen) != Is(q, pen);
            }
            EXPECT_GT(ink, 1000);
            EXPECT_EQ(touched, 0);
            EXPECT_LE(largest, 64);
            EXPECT_LT(core * 20, ink);
        }
}
