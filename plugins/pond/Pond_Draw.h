#pragma once

// Painting of the pond plots, shared by both plug-ins: everything takes the
// device context and the plot's data, so a plot can be painted into any DC
// (the window's paint DC, or a memory DC of any size).

#include <vector>
#include <wx/colour.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

class wxDC;

/// The colour of a species group from its full colour: light moves each
/// component four fifths of the way towards white (truncated), for the
/// reference curves.
wxColour Pond_Group_Colour(unsigned char red, unsigned char green, unsigned char blue, bool light);

/// One curve: its values (at least the plot's n) and its colour.
struct Pond_Curve
{
    const std::vector<double>* pValues;
    wxColour Colour;
};

/// What a pond plot shows.
struct Pond_Plot_Data
{
    int n = 0;               ///< points per curve
    double dt = 1.0;         ///< time per point
    double Value_Max = 0.0;  ///< top of the value axis (ZOOM)
    wxString X_Title;
    wxString Y_Title;
    bool bShow_Reference = false;
    bool bShow_Box = false;  ///< the parameter box with a and d
    double a = 0.0;
    double d = 0.0;
    std::vector<Pond_Curve> Reference;  ///< drawn first, thick and pale
    std::vector<Pond_Curve> Current;    ///< drawn over them, thin
};

/// The empty state: two diagonals from corner to corner in the DC's pen.
void Draw_Pond_Empty(wxDC& dc, const wxSize& size);

/// Draws values[0 .. n-1] over plot as connected segments with the DC's
/// pen, sx pixels per point and sy per unit; y is limited to lowest below.
using Pond_Curve_Painter = void (*)(wxDC& dc, const wxRect& plot, int lowest,
                                    const std::vector<double>& values, int n, double sx, double sy);

/// Paints a plot of the given size: titles, both axes, the reference
/// curves when shown, the current curves and the parameter box when asked
/// for. With no points or no usable value axis (a top not above 0, as with
/// ZOOM 0 or negative) it draws the empty state instead and returns false.
bool Draw_Pond_Plot(wxDC& dc, const wxSize& size, const Pond_Plot_Data& data);

/// The same with the curves drawn by paint_curve (the benchmarks compare
/// ways of drawing them; the plot's own is the framework's Draw_Curve).
bool Draw_Pond_Plot(wxDC& dc, const wxSize& size, const Pond_Plot_Data& data,
                    Pond_Curve_Painter paint_curve);
