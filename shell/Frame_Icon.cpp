#include "shell/Frame_Icon.h"

#include <wx/bitmap.h>
#include <wx/image.h>

namespace
{
    void Square(wxImage& image, int x0, int y0, int size, const wxColour& fill)
    {
        const wxColour outline(fill.Red() / 2, fill.Green() / 2, fill.Blue() / 2);
        for (int y = y0; y < y0 + size; y++)
            for (int x = x0; x < x0 + size; x++)
            {
                bool edge = x == x0 || y == y0 || x == x0 + size - 1 || y == y0 + size - 1;
                bool stripe = !edge && y == y0 + 2 && x > x0 + 1 && x < x0 + size - 3;
                const wxColour& c = edge ? outline : stripe ? *wxWHITE : fill;
                image.SetRGB(x, y, c.Red(), c.Green(), c.Blue());
                image.SetAlpha(x, y, 255);
            }
    }
}

wxIcon Make_Frame_Icon()
{
    wxImage image(32, 32, true);
    image.InitAlpha();
    for (int y = 0; y < 32; y++)
        for (int x = 0; x < 32; x++)
            image.SetAlpha(x, y, 0);
    Square(image, 1, 13, 18, wxColour(220, 30, 30));    // red, lower left
    Square(image, 13, 14, 18, wxColour(250, 210, 40));  // yellow, right
    Square(image, 7, 1, 18, wxColour(20, 30, 120));     // navy, top
    wxIcon icon;
    icon.CopyFromBitmap(wxBitmap(image));
    return icon;
}
