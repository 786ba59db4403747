#pragma once

// The plot of the plankton: runs the reference run (the start values) and
// the current run (the controls' values) and paints both over the days,
// nutrients, algae and water fleas each in a colour of its own. A
// right-click offers to save the values or the picture.

#include "Algen_Model.h"

#include <string>
#include <wx/colour.h>
#include <wx/panel.h>

class wxDC;

/// The three groups of the plot, in the order they are drawn.
enum Algae_Group { ALGAE_NUTRIENTS, ALGAE_ALGAE, ALGAE_FLEAS, ALGAE_GROUPS };

class CSim_Algae_Plot : public wxPanel
{
public:
    explicit CSim_Algae_Plot(wxWindow* parent);

    /// A group's colour, and its pale shade for the reference run.
    static wxColour Group_Colour(int group, bool light);

    /// A group's name, as the legend and the values file show it.
    static wxString Group_Name(int group);

    void Set_Titles(const wxString& x, const wxString& y);
    void Set_Reference(const Algae_Parameters& p) { m_Reference = p; }
    void Set_Current(const Algae_Parameters& p) { m_Current = p; }
    void Set_Days(int days) { m_nDays = days; }
    void Set_Show_Reference(bool show) { m_bShow_Reference = show; }

    /// Runs the reference run, then the current one, and repaints.
    void Compute();

    /// Paints the plot at the given size.
    void Draw_Plot(wxDC& dc, const wxSize& size) const;

    /// The values file "Werte speichern..." writes: the day, the three
    /// groups of the current run, then those of the reference run.
    std::string Values_Csv() const;

private:
    void On_Paint(wxPaintEvent& event);

    Algae_Parameters m_Reference;
    Algae_Parameters m_Current;
    int m_nDays;
    bool m_bShow_Reference;
    wxString m_X_Title;
    wxString m_Y_Title;
    Algae_Series m_Reference_Series;
    Algae_Series m_Current_Series;

    wxDECLARE_EVENT_TABLE();
};
