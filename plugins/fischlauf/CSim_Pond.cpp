#include "plugins/fischlauf/CSim_Pond.h"

#include "common/Truncate.h"
#include "plugins/fischlauf/CSim_Pond_Plot.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/slider.h>
#include <wx/textctrl.h>

wxBEGIN_EVENT_TABLE(CSim_Pond, CSim_Pond_Base)
    EVT_BUTTON(ID_POND_RESET, CSim_Pond::On_Reset)
    EVT_COMMAND(wxID_ANY, wxEVT_SPINCTRL, CSim_Pond::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_SLIDER, CSim_Pond::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_TEXT_ENTER, CSim_Pond::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_CHECKBOX, CSim_Pond::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_CHOICE, CSim_Pond::On_Change)
wxEND_EVENT_TABLE()

CSim_Pond::CSim_Pond(wxWindow* parent, const wxString& options)
    : CSim_Pond_Base(parent, options), m_pPlot(nullptr)
{
    Default_Parameters(m_Parameters);
    for (Pond_Parameter& parameter : m_Parameters)
        Read_Parameter(parameter);
    Limit_Time_Span(m_Parameters[TIME]);

    Add_Reset(ID_POND_RESET);
    Begin_Group(*wxBLACK);
    Add_Parameter(m_Parameters[TIME]);
    Add_Parameter(m_Parameters[ZOOM]);
    Begin_Group(CSim_Pond_Plot::Species_Colour(0, false));
    Add_Parameter(m_Parameters[RF_KAP]);
    Add_Scenario(ID_POND_SCENARIO);
    Begin_Group(CSim_Pond_Plot::Species_Colour(1, false));
    Add_Parameter(m_Parameters[RF_START]);
    Add_Parameter(m_Parameters[RF_GROW]);
    Begin_Group(CSim_Pond_Plot::Species_Colour(2, false));
    for (Parameter pike : {HE_START, HE_DEAD, RF_FEED, HE_GROW})
        Add_Parameter(m_Parameters[pike]);

    m_pPlot = new CSim_Pond_Plot(this);
    Add_Output(m_pPlot);
    m_pPlot->Set_Titles(m_Settings.X_Name, m_Settings.Y_Name);
    m_pPlot->Set_Show_Box(m_Settings.Show_Vars);
    m_pPlot->Set_Predation(m_Settings.Sim_Type);

    Add_Reference_Box(ID_POND_SHOW_DEF);

    Pond_Parameters reference;
    reference.a = m_Parameters[RF_GROW].Start;
    reference.d = m_Parameters[HE_DEAD].Start;
    reference.Rudd_Start = m_Parameters[RF_START].Start;
    reference.Pike_Start = m_Parameters[HE_START].Start;
    reference.Capacity = m_Parameters[RF_KAP].Start;
    m_pPlot->Set_Reference(reference);

    Update_Simulation(-1);
}

CSim_Pond::~CSim_Pond()
{
}

void CSim_Pond::Default_Parameters(Pond_Parameter (&parameters)[PARAMETERS])
{
    auto u = [](const char* text) { return wxString::FromUTF8(text); };
    // Key, label, shown, min, max, value, percent, identifier.
    parameters[TIME] = {"TIME", "Zeitspanne [Monate]", 1, 25, 10000, 200, false, ID_POND_TIME};
    parameters[ZOOM] = {"ZOOM", "Wertespanne", 1, 10, 10000, 1500, false, ID_POND_ZOOM};
    parameters[RF_KAP] = {"RF_KAP", u("Lebensraum: Kapazität"), 1, 1, 10000, 1000, false, ID_POND_RF_KAP};
    parameters[RF_START] = {"RF_START", "Rotfedern: Startzahl", 1, 1, 10000, 200, false, ID_POND_RF_START};
    parameters[RF_GROW] = {"RF_GROW", "Rotfeder: Zuwachs [%/Wch]", 1, 0, 1, 8, true, ID_POND_RF_GROW};
    parameters[HE_START] = {"HE_START", "Hechte: Startzahl", 1, 1, 10000, 20, false, ID_POND_HE_START};
    parameters[HE_DEAD] = {"HE_DEAD", "Hechte: Nahr.bedarf [%/Wch.]", 1, 0, 1, 20, true, ID_POND_HE_DEAD};
    parameters[RF_FEED] = {"RF_FEED", "Hechte: Rotfederkonsum", 0, 0.1, 5, 50, true, ID_POND_RF_FEED};
    parameters[HE_GROW] = {"HE_GROW", "Hechte: Geburtsrate", 0, 0.1, 5, 50, true, ID_POND_HE_GROW};
}

const char* const* CSim_Pond::Option_Keys()
{
    static Pond_Key_List s_Keys;
    Pond_Parameter parameters[PARAMETERS];
    Default_Parameters(parameters);
    return CSim_Pond_Base::Option_Keys(parameters, PARAMETERS, s_Keys);
}

const SIM_Option_Number* CSim_Pond::Option_Numbers()
{
    static Pond_Key_List s_Numbers;
    Pond_Parameter parameters[PARAMETERS];
    Default_Parameters(parameters);
    return CSim_Pond_Base::Option_Numbers(parameters, PARAMETERS, s_Numbers);
}

void CSim_Pond::On_Change(wxCommandEvent& event)
{
    Update_Simulation(event.GetId());
}

void CSim_Pond::On_Reset(wxCommandEvent& event)
{
    if (event.GetId() != ID_POND_RESET)
        return;
    for (Parameter p : {RF_GROW, RF_FEED, HE_GROW, HE_DEAD, RF_KAP, RF_START, HE_START, TIME, ZOOM})
        Reset(m_Parameters[p]);
    Reset_Scenario();
    Update_Simulation(ID_POND_RESET);
}

void CSim_Pond::Update_Simulation(int id)
{
    // RF_FEED and HE_GROW have controls but take no part in the model.
    Pond_Parameters current;
    current.a = Current(m_Parameters[RF_GROW]);
    current.d = Current(m_Parameters[HE_DEAD]);
    current.Capacity = Current(m_Parameters[RF_KAP]);
    current.Rudd_Start = Current(m_Parameters[RF_START]);
    current.Pike_Start = Current(m_Parameters[HE_START]);
    m_pPlot->Set_Current(current);
    const int scenario = Current_Scenario();
    m_pPlot->Set_Scenario(scenario);
    const bool reference = Reference_Shown();
    m_pPlot->Set_Show_Reference(reference);
    const double time = Current(m_Parameters[TIME]);
    m_pPlot->Set_Steps(Truncate_To_Int(time));
    const double zoom = Current(m_Parameters[ZOOM]);
    m_pPlot->Set_Zoom(zoom);
    m_pPlot->Compute();

    // "%f" in the classic locale, whatever the program's locale is.
    auto number = [](double value) { return wxString::FromCDouble(value, 6); };
    wxString activity, value;
    switch (id)
    {
    case ID_POND_RESET:
        activity = "Reset";
        break;
    case ID_POND_TIME:
        activity = "Time";
        value = number(time);
        break;
    case ID_POND_ZOOM:
        activity = "Zoom";
        value = number(zoom);
        break;
    case ID_POND_RF_KAP:
        activity = "Capacity";
        value = number(current.Capacity);
        break;
    case ID_POND_SCENARIO:
        activity = "Scenario";
        value = scenario == POND_SCENARIO_CONSTANT ? "konstant"
                : scenario == POND_SCENARIO_HALVED ? "halbieren"
                                                   : "schwankend";
        break;
    case ID_POND_RF_START:
        activity = "RF Start";
        value = number(current.Rudd_Start);
        break;
    case ID_POND_RF_GROW:
        activity = "RF Grow";
        value = number(current.a);
        break;
    case ID_POND_HE_START:
        activity = "HE Start";
        value = number(current.Pike_Start);
        break;
    case ID_POND_HE_DEAD:
        activity = "HE Dead";
        value = number(current.d);
        break;
    case ID_POND_SHOW_DEF:
        activity = "Show Def";
        value = reference ? "an" : "aus";
        break;
    default:
        // The first update, and the parameters outside the model.
        break;
    }
    Log_Change(activity, value, id == ID_POND_RESET);
}
