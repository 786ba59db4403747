#include "tirsal/Draw.h"

#include <gtest/gtest.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace
{
    // A white canvas to draw on and read back.
    struct Canvas
    {
        Canvas() : Bitmap(600, 400, 24), Dc(Bitmap)
        {
            Dc.SetBackground(*wxWHITE_BRUSH);
            Dc.Clear();
            Dc.SetFont(wxFont(12, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
        }

        // Every pixel that is not white, bounded; empty when nothing was drawn.
        wxRect Inked()
        {
            Dc.SelectObject(wxNullBitmap);
            const wxImage image = Bitmap.ConvertToImage();
            Dc.SelectObject(Bitmap);
            wxRect inked;
            for (int y = 0; y < image.GetHeight(); y++)
                for (int x = 0; x < image.GetWidth(); x++)
                    if (image.GetRed(x, y) < 250 || image.GetGreen(x, y) < 250 || image.GetBlue(x, y) < 250)
                        inked = inked.IsEmpty() ? wxRect(x, y, 1, 1) : inked.Union(wxRect(x, y, 1, 1));
            return inked;
        }

        wxBitmap Bitmap;
        wxMemoryDC Dc;
    };

    // The ink lies within box and fills more than half of it along the text.
    void Expect_Ink(Canvas& canvas, const wxRect& box, bool upright)
    {
        const wxRect inked = canvas.Inked();
        EXPECT_TRUE(box.Contains(inked)) << inked.x << "," << inked.y << " " << inked.width << "x" << inked.height;
        EXPECT_GT(upright ? inked.height : inked.width, (upright ? box.height : box.width) / 2);
    }
}

TEST(Draw_Text, Places_The_Text_By_Its_Anchor_Rotated_Or_Not)
{
    Canvas bottom, corner, rotated;
    const wxSize extent = bottom.Dc.GetTextExtent("Anzahl");
    Draw_Text(bottom.Dc, DRAW_TEXT_BOTTOM | DRAW_TEXT_HCENTER, 300, 200, "Anzahl");
    Expect_Ink(bottom, wxRect(300 - extent.x / 2, 200 - extent.y, extent.x, extent.y), false);
    Draw_Text(corner.Dc, DRAW_TEXT_TOPLEFT, 30, 40, "Anzahl");
    Expect_Ink(corner, wxRect(30, 40, extent.x, extent.y), false);
    // The vertical axis title of a plot: reading upwards, top of the text at x, centred on y.
    Draw_Text(rotated.Dc, DRAW_TEXT_TOP | DRAW_TEXT_HCENTER, 10, 200, 90, "Anzahl");
    Expect_Ink(rotated, wxRect(10, 200 - extent.x / 2 - 1, extent.y + 1, extent.x + 2), true);
}
