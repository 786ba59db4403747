#include "CSim_Algae_Plot.h"

#include <tirsal/Draw.h>
#include <tirsal/Plot_Export.h>

#include <algorithm>
#include <cmath>
#include <wx/dcclient.h>
#include <wx/pen.h>
#include <wx/settings.h>

wxBEGIN_EVENT_TABLE(CSim_Algae_Plot, wxPanel)
    EVT_PAINT(CSim_Algae_Plot::On_Paint)
wxEND_EVENT_TABLE()

namespace
{
    const wxColour Grid_Colour(127, 127, 127);

    const std::vector<double>& Group_Values(const Algae_Series& series, int group)
    {
        return group == ALGAE_NUTRIENTS ? series.N : group == ALGAE_ALGAE ? series.P : series.Z;
    }

    double Largest(const Algae_Series& series)
    {
        double largest = 0;
        for (int group = 0; group < ALGAE_GROUPS; group++)
            for (double v : Group_Values(series, group))
                if (std::isfinite(v))
                    largest = std::max(largest, v);
        return largest;
    }

    // The top of the value axis: the next round number above the largest
    // value, so the curves fill most of the height whatever the fertiliser
    // makes of them.
    double Value_Top(double largest)
    {
        if (!(largest > 0))
            return 1;
        const double power = std::pow(10.0, std::floor(std::log10(largest)));
        for (double mantissa : {1.0, 1.2, 1.5, 2.0, 2.5, 3.0, 4.0, 5.0, 6.0, 8.0})
            if (mantissa * power >= largest * 1.02)
                return mantissa * power;
        return 10 * power;
    }

    // The names of the groups in a row above the plot, right-aligned, each
    // after a stroke in its colour: no curve ever runs beneath them. Returns
    // the height of the row.
    int Draw_Legend(wxDC& dc, int right)
    {
        dc.SetFont(wxFont(9, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
        const int stroke = 20;
        int x = right;
        wxCoord h = 0;
        for (int group = ALGAE_GROUPS - 1; group >= 0; group--)
        {
            wxCoord w;
            dc.GetTextExtent(CSim_Algae_Plot::Group_Name(group), &w, &h);
            x -= w;
            dc.DrawText(CSim_Algae_Plot::Group_Name(group), x, 3);
            x -= stroke + 6;
            dc.SetPen(wxPen(CSim_Algae_Plot::Group_Colour(group, false), 3));
            dc.DrawLine(x, 3 + h / 2, x + stroke, 3 + h / 2);
            x -= 18;
        }
        return h + 6;
    }
}

CSim_Algae_Plot::CSim_Algae_Plot(wxWindow* parent)
    : wxPanel(parent, wxID_ANY, wxDefaultPosition, wxDefaultSize, wxSUNKEN_BORDER | wxTAB_TRAVERSAL),
      m_nDays(1), m_bShow_Reference(true)
{
    SetBackgroundColour(wxSystemSettings::GetColour(wxSYS_COLOUR_WINDOW));
    Add_Plot_Export(
        this, "algen", [this](wxDC& dc) { Draw_Plot(dc, GetClientSize()); },
        [this] { return Values_Csv(); });
}

wxColour CSim_Algae_Plot::Group_Colour(int group, bool light)
{
    static const unsigned char rgb[ALGAE_GROUPS][3] = {{213, 94, 0}, {0, 158, 115}, {0, 114, 178}};
    const unsigned char* c = rgb[group >= 0 && group < ALGAE_GROUPS ? group : 0];
    // The pale shade lies four fifths of the way to white.
    auto pale = [light](unsigned char x) { return (unsigned char)(light ? x + int((255 - x) * 0.8) : x); };
    return wxColour(pale(c[0]), pale(c[1]), pale(c[2]));
}

wxString CSim_Algae_Plot::Group_Name(int group)
{
    switch (group)
    {
    case ALGAE_NUTRIENTS:
        return wxString::FromUTF8("Nährstoffe");
    case ALGAE_ALGAE:
        return "Algen";
    default:
        return wxString::FromUTF8("Wasserflöhe");
    }
}

void CSim_Algae_Plot::Set_Titles(const wxString& x, const wxString& y)
{
    m_X_Title = x;
    m_Y_Title = y;
}

void CSim_Algae_Plot::Compute()
{
    Algae_Run(m_Reference_Series, m_Reference, m_nDays);
    Algae_Run(m_Current_Series, m_Current, m_nDays);
    Refresh();
}

void CSim_Algae_Plot::Draw_Plot(wxDC& dc, const wxSize& size) const
{
    dc.SetTextForeground(*wxBLACK);
    const int legend = Draw_Legend(dc, size.x - 8);
    const wxRect plot(20, legend, size.x - 20, size.y - 20 - legend);
    double largest = Largest(m_Current_Series);
    if (m_bShow_Reference)
        largest = std::max(largest, Largest(m_Reference_Series));
    const double top = Value_Top(largest);

    dc.SetFont(wxFont(10, wxFONTFAMILY_DEFAULT, wxFONTSTYLE_NORMAL, wxFONTWEIGHT_NORMAL));
    Draw_Text(dc, DRAW_TEXT_TOP | DRAW_TEXT_HCENTER, 0, plot.y + plot.height / 2, 90.0, m_Y_Title);
    Draw_Text(dc, DRAW_TEXT_BOTTOM | DRAW_TEXT_HCENTER, plot.x + plot.width / 2, size.y, m_X_Title);
    Draw_Ruler(dc, plot, true, 0, m_nDays, true, 7, Grid_Colour);
    Draw_Ruler(dc, plot, false, 0, top, true, 7, Grid_Colour);

    // The reference run thick and pale, the current run over it.
    const double sx = double(plot.width) / m_nDays, sy = plot.height / top;
    const int n = m_nDays + 1, lowest = size.y + 10;
    for (int set = m_bShow_Reference ? 0 : 1; set < 2; set++)
        for (int group = 0; group < ALGAE_GROUPS; group++)
        {
            dc.SetPen(wxPen(Group_Colour(group, set == 0), set == 0 ? 4 : 2));
            Draw_Curve(dc, plot, lowest, Group_Values(set == 0 ? m_Reference_Series : m_Current_Series, group),
                       n, sx, sy);
        }
}

std::string CSim_Algae_Plot::Values_Csv() const
{
    std::vector<Plot_Series> series;
    for (int group = 0; group < ALGAE_GROUPS; group++)
        series.push_back({Group_Name(group), &Group_Values(m_Current_Series, group),
                          &Group_Values(m_Reference_Series, group)});
    return Plot_Values_Csv(m_X_Title, 1.0, m_nDays + 1, series);
}

void CSim_Algae_Plot::On_Paint(wxPaintEvent&)
{
    wxPaintDC dc(this);
    Draw_Plot(dc, GetClientSize());
}
