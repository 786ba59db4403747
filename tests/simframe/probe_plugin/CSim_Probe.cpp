// A small simulation plug-in written the way a plug-in author writes one:
// only the framework's public headers, hidden visibility, one export.

#include "tirsal/CSim_Window.h"
#include "tirsal/Draw.h"

#include <wx/dcclient.h>
#include <wx/panel.h>

enum
{
    ID_RESET = 6999,
    ID_STEPS,
    ID_RATE,
};

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
        Log_Activity("Start", "");  // before the host set a log file: never recorded

        Add_Button(wxString::FromUTF8("Zurücksetzen"), ID_RESET, wxSize(100, 25));
        Add_Spacer(10);
        Set_Ctrl_Color(wxColour(0, 0, 255));
        m_pSteps = Add_SpinCtrl(name, steps, 1, 100, false, ID_STEPS, 100);
        Add_Slider("Rate", rate, 0, 1, false, ID_RATE, 100);
        wxArrayString items;
        items.Add("konstant");
        Add_Choice("Szenario", items, 0, wxID_ANY);
        Add_CheckBox("Ausgangsfunktion", true, wxID_ANY);
        wxPanel* plot = new wxPanel(this);
        plot->Bind(wxEVT_PAINT, [plot](wxPaintEvent&) {
            wxPaintDC dc(plot);
            Draw_Text(dc, DRAW_TEXT_TOP | DRAW_TEXT_HCENTER, 0, 100, 90, "Anzahl");
            Draw_Ruler(dc, wxRect(20, 0, 300, 200), true, 0, 200, true, 7, wxColour(127, 127, 127));
        });
        Add_Output(plot);
    }

    void Stop_Execution() override { m_nStops++; }

private:
    void On_Steps(wxSpinEvent&) { Log_Activity(wxString::FromUTF8("Schritte ä"), wxString::Format("%d", m_pSteps->GetValue())); }
    void On_Reset(wxCommandEvent&)
    {
        m_pSteps->Set_Value(10);
        Log_Activity("Reset", wxString::Format("%d", m_nStops));
    }

    CSim_SpinCtrl* m_pSteps;
    int m_nStops = 0;

    wxDECLARE_EVENT_TABLE();
};

wxBEGIN_EVENT_TABLE(CSim_Probe, CSim_Window)
    EVT_SPINCTRL(ID_STEPS, CSim_Probe::On_Steps)
    EVT_BUTTON(ID_RESET, CSim_Probe::On_Reset)
wxEND_EVENT_TABLE()

SIM_PLUGIN_API CSim_Window* SIM_Get_Simulation(wxWindow* parent, const wxString& options)
{
    return new CSim_Probe(parent, options);
}
