#pragma once

// The plots of both plug-ins, painted by the plug-ins' own drawing and the
// literal way, for the benchmarks and for looking at the difference.

#include "tests/support/Temp_Dir.h"

#include <functional>
#include <wx/image.h>
#include <wx/string.h>

class wxDC;
class wxWindow;
class CSim_Window;

/// The size of the memory device context the benchmarks paint into.
extern const wxSize Bench_Plot_Size;

/// A pond window of one plug-in ("fischlauf" or "fischlauf_2") for a time
/// span, in a shown frame of its own, with the means to update and paint
/// its plot.
class Bench_Pond
{
public:
    Bench_Pond(const wxString& plugin, int time_span);
    ~Bench_Pond();
    Bench_Pond(const Bench_Pond&) = delete;
    Bench_Pond& operator=(const Bench_Pond&) = delete;

    /// The pond window's plot.
    wxWindow* Get_Plot() const { return m_pPlot; }

    /// One update as a pupil's click on the rudd growth's spin control
    /// causes it: the window reads its controls, runs both models and logs.
    void Update();

    /// Paints the plot as the plug-in does.
    bool Paint(wxDC& dc, const wxSize& size);

    /// Paints the same plot with one DrawLine per segment.
    bool Paint_Literal(wxDC& dc, const wxSize& size);

    /// Paints the plug-in's own way, but through the data that
    /// Paint_Literal builds: must give the same picture as Paint, or the
    /// comparison would not be of the same plot.
    bool Paint_Through_Copy(wxDC& dc, const wxSize& size);

private:
    Temp_Dir m_Dir;  // the window's log file
    wxWindow* m_pFrame;
    CSim_Window* m_pWindow;
    wxWindow* m_pPlot;
    bool m_bThree;
    int m_nClicks;
};

/// What paint draws into a white memory DC of size.
wxImage Paint_Image(const wxSize& size, const std::function<void(wxDC&)>& paint);

/// How two pictures of one size differ.
struct Picture_Difference
{
    long Pixels = 0;    ///< pixels that differ at all
    long Visible = 0;   ///< pixels where a channel differs by more than 64
    int Largest = 0;    ///< the largest difference of a channel
};

Picture_Difference Compare_Pictures(const wxImage& a, const wxImage& b);

/// Paints both plots at time spans 200 and 10,000 both ways into dir as
/// PNG files, with a third picture that marks the differing pixels, and
/// prints the counts. False when a file could not be written.
bool Write_Plot_Pictures(const wxString& dir);
