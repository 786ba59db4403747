#pragma once

// The plot of the pike and rudd pond: holds the model's inputs, runs the
// reference and the current run, and paints both. A right-click offers to
// save the values of both runs or the picture.

#include "plugins/pond/Pond_Model.h"

#include <string>
#include <wx/panel.h>
#include <wx/string.h>

class wxDC;

class CSim_Pond_Plot : public wxPanel
{
public:
    /// A plot without series: it shows the empty state until Set_Steps.
    explicit CSim_Pond_Plot(wxWindow* parent);
    virtual ~CSim_Pond_Plot();

    /// The colour of a species group: 0 habitat capacity, 1 rudd, 2 pike
    /// (any other index is the capacity's); light for the reference curves.
    static wxColour Species_Colour(int group, bool light);

    // Inputs, set by the simulation window before Compute.
    void Set_Show_Box(int show) { m_Show_Box = show; }
    void Set_Show_Reference(int show) { m_Show_Reference = show; }
    void Set_Scenario(int scenario) { m_Scenario = scenario; }
    void Set_Predation(int type) { m_Predation = type; }
    void Set_Current(const Pond_Parameters& p) { m_Current = p; }
    void Set_Reference(const Pond_Parameters& p) { m_Reference = p; }
    void Set_Titles(const wxString& x, const wxString& y);

    /// Sets the number of points for a whole time span (the span in steps of
    /// dt, rounded, at most Pond_Max_Steps) and resizes every series to it.
    /// False, changing nothing, when that is no point or the same number.
    bool Set_Steps(int time_span);

    /// Sets the top of the value axis. Always true.
    bool Set_Zoom(double value_max);

    /// Runs the reference run, then the current one. Always true.
    bool Compute();

    /// One run into series with these parameters, then a full repaint.
    /// Always true.
    bool Run_Model(Pond_Series& series, double a, double d, double rudd_start, double pike_start,
                   double capacity);

    /// Paints the plot at the window's client size; false when it drew the
    /// empty state (no series, or the last run never rose above 0).
    bool Draw_Plot(wxDC& dc);

    /// The same at a given size.
    bool Draw_Plot(wxDC& dc, const wxSize& size);

    /// The values of both runs as the CSV file "Werte speichern..." writes:
    /// time, then capacity and every species of the current run, then the
    /// same of the reference run.
    std::string Values_Csv() const;

    // Read access.
    int Get_Show_Box() const { return m_Show_Box; }
    int Get_Show_Reference() const { return m_Show_Reference; }
    int Get_Scenario() const { return m_Scenario; }
    int Get_Predation() const { return m_Predation; }
    const Pond_Parameters& Get_Current() const { return m_Current; }
    const Pond_Parameters& Get_Reference() const { return m_Reference; }
    double Get_dt() const { return m_dt; }
    const wxString& Get_X_Title() const { return m_X_Title; }
    const wxString& Get_Y_Title() const { return m_Y_Title; }
    int Get_Steps() const { return m_nSteps; }
    double Get_Series_Max() const { return m_Series_Max; }
    double Get_Value_Max() const { return m_Value_Max; }
    const Pond_Series& Get_Current_Series() const { return m_Current_Series; }
    const Pond_Series& Get_Reference_Series() const { return m_Reference_Series; }

private:
    void On_Paint(wxPaintEvent& event);
    void On_Left_Down(wxMouseEvent& event);

    int m_Show_Box;
    int m_Show_Reference;
    int m_Scenario;
    int m_Predation;
    Pond_Parameters m_Current;    ///< a, d, rudd start, pike start, capacity
    double m_dt;
    Pond_Parameters m_Reference;
    wxString m_X_Title;
    wxString m_Y_Title;
    int m_nSteps;
    double m_Series_Max;          ///< largest rudd or pike value of the last run
    double m_Value_Max;
    Pond_Series m_Current_Series;
    Pond_Series m_Reference_Series;

    wxDECLARE_EVENT_TABLE();
};
