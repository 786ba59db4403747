#include "tirsal/Draw.h"

#include <gtest/gtest.h>
#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/image.h>

namespace
{
    // A white canvas to draw on and read back.
    class Canvas
    {
    public:
        Canvas() : m_Bitmap(600, 400, 24)
        {
            m_Dc.SelectObject(m_Bitmap);
            m_Dc.SetBackground(*wxWHITE_BRUSH);
            m_Dc.Clear();
            m_Dc.SetFont(wxFont(12, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
            m_Dc.SetTextForeground(*wxBLACK);
        }

        wxDC& Dc() { return m_Dc; }

        wxImage Image()
        {
            m_Dc.SelectObject(wxNullBitmap);
            const wxImage image = m_Bitmap.ConvertToImage();
            m_Dc.SelectObject(m_Bitmap);
            return image;
        }

        // The smallest rectangle holding every pixel that is not white;
        // empty when nothing was drawn.
        wxRect Inked()
        {
            const wxImage image = Image();
            wxRect inked;
            for (int y = 0; y < image.GetHeight(); y++)
                for (int x = 0; x < image.GetWidth(); x++)
                    if (image.GetRed(x, y) < 250 || image.GetGreen(x, y) < 250 || image.GetBlue(x, y) < 250)
                        inked = inked.IsEmpty() ? wxRect(x, y, 1, 1) : inked.Union(wxRect(x, y, 1, 1));
            return inked;
        }

        wxColour Pixel(int x, int y)
        {
            const wxImage image = Image();
            return wxColour(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y));
        }

    private:
        wxBitmap m_Bitmap;
        wxMemoryDC m_Dc;
    };

    bool Inside(const wxRect& inner, const wxRect& outer)
    {
        return outer.Contains(inner.GetTopLeft()) && outer.Contains(inner.GetBottomRight());
    }
}

TEST(Draw_Text, Places_The_Text_By_Its_Anchor)
{
    Canvas canvas;
    const wxSize extent = canvas.Dc().GetTextExtent("Anzahl");
    Draw_Text(canvas.Dc(), DRAW_TEXT_BOTTOM | DRAW_TEXT_HCENTER, 300, 200, "Anzahl");
    const wxRect inked = canvas.Inked();
    ASSERT_FALSE(inked.IsEmpty());
    const wxRect box(300 - extent.x / 2, 200 - extent.y, extent.x, extent.y);
    EXPECT_TRUE(Inside(inked, box)) << inked.x << "," << inked.y << " " << inked.width << "x" << inked.height;
    EXPECT_GT(inked.width, extent.x / 2);

    Canvas corner;
    Draw_Text(corner.Dc(), DRAW_TEXT_TOPLEFT, 30, 40, "Anzahl");
    const wxRect at_point = corner.Inked();
    EXPECT_TRUE(Inside(at_point, wxRect(30, 40, extent.x, extent.y)));
}

TEST(Draw_Text, Rotated_Title_Reads_Upwards_Centred_On_Its_Anchor)
{
    Canvas canvas;
    const wxSize extent = canvas.Dc().GetTextExtent("Anzahl");
    // The vertical axis title of a plot: top of the text at x, centred on y.
    Draw_Text(canvas.Dc(), DRAW_TEXT_TOP | DRAW_TEXT_HCENTER, 10, 200, 90, "Anzahl");
    const wxRect inked = canvas.Inked();
    ASSERT_FALSE(inked.IsEmpty());
    const wxRect box(10, 200 - extent.x / 2 - 1, extent.y + 1, extent.x + 2);
    EXPECT_TRUE(Inside(inked, box)) << inked.x << "," << inked.y << " " << inked.width << "x" << inked.height;
    EXPECT_GT(inked.height, extent.x / 2);
}

TEST(Draw_Ruler, Draws_Grid_Lines_In_Its_Colour_And_Keeps_Pen_And_Font)
{
    Canvas canvas;
    const wxColour grey(127, 127, 127);
    ASSERT_TRUE(Draw_Ruler(canvas.Dc(), wxRect(20, 0, 500, 300), true, 0, 100, true, 7, grey));
    // The line of min runs at the left edge over the whole height.
    EXPECT_EQ(canvas.Pixel(20, 10), grey);
    EXPECT_EQ(canvas.Pixel(20, 150), grey);
    EXPECT_EQ(canvas.Pixel(21, 10), *wxWHITE);
    EXPECT_EQ(canvas.Dc().GetPen().GetColour(), grey);
    EXPECT_EQ(canvas.Dc().GetPen().GetWidth(), 1);
    EXPECT_EQ(canvas.Dc().GetFont().GetPointSize(), 7);
    // Labels stay inside the plot, near its bottom edge.
    const wxRect inked = canvas.Inked();
    EXPECT_TRUE(Inside(inked, wxRect(20, 0, 600 - 20, 301)));

    Canvas vertical;
    ASSERT_TRUE(Draw_Ruler(vertical.Dc(), wxRect(20, 0, 500, 300), false, 0, 100, true, 7, grey));
    EXPECT_EQ(vertical.Pixel(300, 300), grey) << "min at the bottom";
}

TEST(Draw_Ruler, Refused_Rulers_Leave_Canvas_And_Context_Untouched)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    Canvas canvas;
    canvas.Dc().SetPen(*wxRED_PEN);
    const wxRect plot(20, 0, 500, 300);
    EXPECT_FALSE(Draw_Ruler(canvas.Dc(), plot, true, 5, 5, true, 7, *wxBLACK));
    EXPECT_FALSE(Draw_Ruler(canvas.Dc(), wxRect(20, 0, 0, 300), true, 0, 1, true, 7, *wxBLACK));
    EXPECT_FALSE(Draw_Ruler(canvas.Dc(), plot, false, nan, 1, true, 7, *wxBLACK));
    EXPECT_FALSE(Draw_Ruler(canvas.Dc(), plot, false, 0, inf, true, 7, *wxBLACK));
    EXPECT_EQ(canvas.Dc().GetPen().GetColour(), *wxRED);
    EXPECT_EQ(canvas.Dc().GetFont().GetPointSize(), 12);
    EXPECT_TRUE(canvas.Inked().IsEmpty());

    // Extreme but valid input draws a few lines and returns.
    EXPECT_TRUE(Draw_Ruler(canvas.Dc(), wxRect(0, 0, 1, 1), true, 0, 1e300, true, 7, *wxBLACK));
    EXPECT_TRUE(Draw_Ruler(canvas.Dc(), plot, true, 1e15, 1e15 + 1, true, 7, *wxBLACK));
}
