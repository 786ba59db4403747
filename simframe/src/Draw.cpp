#include "tirsal/Draw.h"

#include "simframe/src/Curve_Points.h"
#include "simframe/src/Ruler_Plan.h"
#include "simframe/src/Text_Anchor.h"

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>
#include <vector>

void Draw_Text(wxDC& dc, int align, int x, int y, const wxString& text)
{
    if (!Text_Needs_Extent(align))
    {
        dc.DrawText(text, x, y);
        return;
    }
    wxCoord w = 0, h = 0;
    dc.GetTextExtent(text, &w, &h);
    int left, top;
    Text_Origin(align, x, y, w, h, left, top);
    dc.DrawText(text, left, top);
}

void Draw_Text(wxDC& dc, int align, int x, int y, double angle, const wxString& text)
{
    if (!Text_Needs_Extent(align))
    {
        dc.DrawRotatedText(text, x, y, angle);
        return;
    }
    wxCoord w = 0, h = 0;
    dc.GetTextExtent(text, &w, &h);
    int left, top;
    Text_Origin(align, x, y, w, h, angle, left, top);
    dc.DrawRotatedText(text, left, top, angle);
}

bool Draw_Ruler(wxDC& dc, const wxRect& rect, bool horizontal, double min, double max,
                bool ascending, int, const wxColour& colour)
{
    // Checked before anything is selected: a refused ruler leaves the
    // device context as it was.
    Ruler_Plan plan;
    const wxFont font(Ruler_Plan::Font_Points, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL,
                      wxFONTWEIGHT_NORMAL, false, wxEmptyString, wxFONTENCODING_DEFAULT);
    auto measure = [&dc, &font](const wxString& text, int& w, int& h) {
        wxCoord cw = 0, ch = 0;
        dc.GetTextExtent(text, &cw, &ch, nullptr, nullptr, &font);
        w = cw;
        h = ch;
    };
    const Ruler_Box box{rect.x, rect.y, rect.width, rect.height};
    if (!Plan_Ruler(box, horizontal, min, max, ascending, measure, plan))
        return false;

    dc.SetPen(wxPen(colour, 1, wxPENSTYLE_SOLID));
    dc.SetFont(font);
    for (const Ruler_Line& line : plan.Lines)
    {
        dc.DrawLine(line.From_X, line.From_Y, line.To_X, line.To_Y);
        dc.DrawText(line.Label, line.Label_X, line.Label_Y);
    }
    return true;
}

void Draw_Curve(wxDC& dc, const wxRect& plot, int lowest, const std::vector<double>& values, int n,
                double sx, double sy)
{
    std::vector<Curve_Point> points;
    Curve_Points(plot.x, plot.y + plot.height, lowest, values, n, sx, sy, points);
    if (points.empty())
        return;
    std::vector<wxPoint> corners(points.size());
    for (size_t i = 0; i < points.size(); i++)
        corners[i] = wxPoint(points[i].x, points[i].y);
    dc.DrawLines(int(corners.size()), corners.data());
}
