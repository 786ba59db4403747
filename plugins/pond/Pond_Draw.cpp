#include "plugins/pond/Pond_Draw.h"

#include "tirsal/Draw.h"

#include <algorithm>
#include <cmath>
#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>

namespace
{
    unsigned char Lighter(unsigned char x)
    {
        return static_cast<unsigned char>(x + int((255 - x) * 0.8));
    }

    const wxColour Grid_Colour(127, 127, 127);

    void Draw_Set(wxDC& dc, const std::vector<Pond_Curve>& curves, int width, const wxRect& plot,
                  int lowest, int n, double sx, double sy, Pond_Curve_Painter paint_curve)
    {
        for (const Pond_Curve& curve : curves)
        {
            dc.SetPen(wxPen(curve.Colour, width, wxPENSTYLE_SOLID));
            paint_curve(dc, plot, lowest, *curve.pValues, n, sx, sy);
        }
    }

    void Draw_Parameter_Box(wxDC& dc, double a, double d)
    {
        wxCoord tw = 0, th = 0;
        dc.GetTextExtent("X: 00000.000", &tw, &th);
        dc.DrawRectangle(0, 0, tw + 10, 5 * (th + 2));
        dc.DrawText("a: " + wxString::FromCDouble(a, 3), 5, 2);
        dc.DrawText("d: " + wxString::FromCDouble(d, 3), 5, th + 2);
    }
}

wxColour Pond_Group_Colour(unsigned char red, unsigned char green, unsigned char blue, bool light)
{
    if (light)
        return wxColour(Lighter(red), Lighter(green), Lighter(blue), 255);
    return wxColour(red, green, blue, 255);
}

void Draw_Pond_Empty(wxDC& dc, const wxSize& size)
{
    dc.DrawLine(0, 0, size.x, size.y);
    dc.DrawLine(0, size.y, size.x, 0);
}

bool Draw_Pond_Plot(wxDC& dc, const wxSize& size, const Pond_Plot_Data& data)
{
    return Draw_Pond_Plot(dc, size, data, Draw_Curve);
}

bool Draw_Pond_Plot(wxDC& dc, const wxSize& size, const Pond_Plot_Data& data,
                    Pond_Curve_Painter paint_curve)
{
    const wxRect plot(20, 0, size.x - 20, size.y - 20);
    const double sy = plot.height / data.Value_Max;
    if (data.n <= 0 || !(data.Value_Max > 0) || !std::isfinite(data.Value_Max) || !std::isfinite(sy))
    {
        Draw_Pond_Empty(dc, size);
        return false;
    }

    dc.SetTextForeground(*wxBLACK);
    dc.SetFont(wxFont(10, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL, false,
                      wxEmptyString, wxFONTENCODING_DEFAULT));
    Draw_Text(dc, DRAW_TEXT_TOP | DRAW_TEXT_HCENTER, 0, plot.y + plot.height / 2, 90.0, data.Y_Title);
    Draw_Text(dc, DRAW_TEXT_BOTTOM | DRAW_TEXT_HCENTER, plot.x + plot.width / 2, size.y, data.X_Title);
    Draw_Ruler(dc, plot, true, 0, data.n * data.dt, true, 7, Grid_Colour);
    Draw_Ruler(dc, plot, false, 0, data.Value_Max, true, 7, Grid_Colour);

    const double sx = double(plot.width) / data.n;
    // Points below the bottom edge stop just under the window, however tall
    // it is; those above its top stop just above it.
    const int lowest = size.y + 10;
    if (data.bShow_Reference)
        Draw_Set(dc, data.Reference, 4, plot, lowest, data.n, sx, sy, paint_curve);
    Draw_Set(dc, data.Current, 2, plot, lowest, data.n, sx, sy, paint_curve);

    // Framed in the pen of the last curve.
    if (data.bShow_Box)
        Draw_Parameter_Box(dc, data.a, data.d);
    return true;
}
