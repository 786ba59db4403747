// The placement itself is Text_Anchor's; here the drawing goes where it says.
#include "tirsal/Draw.h"

#include <functional>
#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace
{
    // Every pixel that draw leaves not white on a white canvas, bounded.
    wxRect Inked(const std::function<void(wxDC&)>& draw)
    {
        wxBitmap bitmap(600, 400, 24);
        {
            wxMemoryDC dc(bitmap);
            dc.SetBackground(*wxWHITE_BRUSH);
            dc.Clear();
            dc.SetFont(wxFont(12, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
            draw(dc);
        }
        const wxImage image = bitmap.ConvertToImage();
        wxRect inked;
        for (int y = 0; y < image.GetHeight(); y++)
            for (int x = 0; x < image.GetWidth(); x++)
                if (image.GetRed(x, y) < 250 || image.GetGreen(x, y) < 250 || image.GetBlue(x, y) < 250)
                    inked = inked.IsEmpty() ? wxRect(x, y, 1, 1) : inked.Union(wxRect(x, y, 1, 1));
        return inked;
    }
}

TEST(Draw_Text, Places_The_Axis_Titles_Of_A_Plot)
{
    wxSize extent;
    const wxRect bottom = Inked([&](wxDC& dc) {
        extent = dc.GetTextExtent("Anzahl");
        Draw_Text(dc, DRAW_TEXT_BOTTOM | DRAW_TEXT_HCENTER, 300, 200, "Anzahl");
    });
    EXPECT_TRUE(wxRect(300 - extent.x / 2, 200 - extent.y, extent.x, extent.y).Contains(bottom));
    EXPECT_GT(bottom.width, extent.x / 2);
    // The vertical title: reading upwards, top of the text at x, centred on y.
    const wxRect rotated = Inked([](wxDC& dc) { Draw_Text(dc, DRAW_TEXT_TOP | DRAW_TEXT_HCENTER, 10, 200, 90, "Anzahl"); });
    EXPECT_TRUE(wxRect(10, 200 - extent.x / 2 - 1, extent.y + 1, extent.x + 2).Contains(rotated));
    EXPECT_GT(rotated.height, extent.x / 2);
}
