// A small simulation plug-in written the way a plug-in author writes one:
// only the framework's public headers, hidden visibility, one export.

#include "tirsal/CSim_Window.h"
#include "tirsal/Draw.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/dcclient.h>
#include <wx/panel.h>

namespace
{
    enum
    {
        ID_RESET = 6999,
        ID_STEPS = 7000,
        ID_RATE,
        ID_SCENARIO,
        ID_SHOW,
    };

    // The output: a plot frame with both axes and a title.
    class CSim_Probe_Plot : public wxPanel
    {
    public:
        explicit CSim_Probe_Plot(wxWindow* parent) : wxPanel(parent, wxID_ANY)
        {
            Bind(wxEVT_PAINT, &CSim_Probe_Plot::On_Paint, this);
        }

    private:
        void On_Paint(wxPaintEvent&)
        {
            wxPaintDC dc(this);
            const wxSize size = GetClientSize();
            const wxRect plot(20, 0, size.x - 20, size.y - 20);
            Draw_Text(dc, DRAW_TEXT_TOP | DRAW_TEXT_HCENTER, 0, plot.y + plot.height / 2, 90, "Anzahl");
            Draw_Ruler(dc, plot, true, 0, 200, true, 7, wxColour(127, 127, 127));
            Draw_Ruler(dc, plot, false, 0, 1500, true, 7, wxColour(127, 127, 127));
        }
    };
}

// Global on purpose: with hidden visibility its type information and
// members stay inside this library all the same.
class CSim_Probe : public CSim_Window
{
public:
    CSim_Probe(wxWindow* parent, const wxString& options) : CSim_Window(parent, options)
    {
        int steps = 10;
        double rate = 0.5;
        wxString name = "Schritte";
        Get_Option("STEPS", steps);
        Get_Option("RATE", rate);
        Get_Option("STEPS_NAME", name);
        // Reported before the host set a log file: never recorded.
        Log_Activity("Start", "");

        Add_Button(wxString::FromUTF8("Zurücksetzen"), ID_RESET, wxSize(100, 25));
        Add_Spacer(10);
        Set_Ctrl_Color(wxColour(0, 0, 255));
        m_pSteps = Add_SpinCtrl(name, steps, 1, 100, false, ID_STEPS, 100);
        m_pRate = Add_Slider("Rate", rate, 0, 1, false, ID_RATE, 100);
        wxArrayString items;
        items.Add("konstant");
        items.Add("schwankend");
        Add_Choice("Szenario", items, 0, ID_SCENARIO);
        Set_Ctrl_Color(*wxBLACK);
        m_pShow = Add_CheckBox("Ausgangsfunktion", true, ID_SHOW);
        Add_Output(new CSim_Probe_Plot(this));
    }

    void Stop_Execution() override { m_nStops++; }

private:
    void On_Steps(wxSpinEvent&) { Log_Activity("Schritte", wxString::Format("%d", m_pSteps->GetValue())); }

    void On_Rate(wxCommandEvent&)
    {
        Log_Activity(wxString::FromUTF8("Wachstum ä"), wxString::FromCDouble(m_pRate->Get_Value(), 6));
    }

    void On_Show(wxCommandEvent&) { Log_Activity("Show Def", m_pShow->GetValue() ? "an" : "aus"); }

    void On_Reset(wxCommandEvent&)
    {
        m_pSteps->Set_Value(10);
        Log_Activity("Reset", wxString::Format("%d", m_nStops));
    }

    CSim_SpinCtrl* m_pSteps;
    CSim_Slider* m_pRate;
    wxCheckBox* m_pShow;
    int m_nStops = 0;

    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(CSim_Probe, CSim_Window)
    EVT_SPINCTRL(ID_STEPS, CSim_Probe::On_Steps)
    EVT_SLIDER(ID_RATE, CSim_Probe::On_Rate)
    EVT_CHECKBOX(ID_SHOW, CSim_Probe::On_Show)
    EVT_BUTTON(ID_RESET, CSim_Probe::On_Reset)
wxEND_EVENT_TABLE()

SIM_PLUGIN_API CSim_Window* SIM_Get_Simulation(wxWindow* parent, const wxString& options)
{
    return new CSim_Probe(parent, options);
}
