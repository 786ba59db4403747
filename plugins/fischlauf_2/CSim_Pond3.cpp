#include "plugins/fischlauf_2/CSim_Pond3.h"

#include "common/Truncate.h"
#include "plugins/fischlauf_2/CSim_Pond3_Plot.h"

#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/choice.h>
#include <wx/slider.h>
#include <wx/textctrl.h>
#include <wx/windowid.h>

namespace
{
    // Taken once when the library is loaded, before the event table below
    // is built from it. Held as a reference so the toolkit never hands the
    // identifier to another window while the library is loaded.
    const wxWindowIDRef s_Reset_Id = wxWindow::NewControlId();
}

wxBEGIN_EVENT_TABLE(CSim_Pond3, CSim_Pond_Base)
    EVT_BUTTON(s_Reset_Id, CSim_Pond3::On_Reset)
    EVT_COMMAND(wxID_ANY, wxEVT_SPINCTRL, CSim_Pond3::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_SLIDER, CSim_Pond3::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_TEXT_ENTER, CSim_Pond3::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_CHECKBOX, CSim_Pond3::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_CHOICE, CSim_Pond3::On_Change)
wxEND_EVENT_TABLE()

CSim_Pond3::CSim_Pond3(wxWindow* parent, const wxString& options)
    : CSim_Pond_Base(parent, options), m_pPlot(nullptr)
{
    Default_Parameters(m_Parameters);
    for (Pond_Parameter& parameter : m_Parameters)
        Read_Parameter(parameter);
    Limit_Time_Span(m_Parameters[TIME]);

    Add_Reset(s_Reset_Id);
    Begin_Group(*wxBLACK);
    Add_Parameter(m_Parameters[TIME]);
    Add_Parameter(m_Parameters[ZOOM]);
    Begin_Group(CSim_Pond3_Plot::Species_Colour(0, false));
    Add_Parameter(m_Parameters[RF_KAP]);
    Add_Scenario(wxID_ANY);
    Begin_Group(CSim_Pond3_Plot::Species_Colour(1, false));
    Add_Parameter(m_Parameters[RF_START]);
    Add_Parameter(m_Parameters[RF_GROW]);
    Begin_Group(CSim_Pond3_Plot::Species_Colour(2, false));
    Add_Parameter(m_Parameters[KA_START]);
    Add_Parameter(m_Parameters[KA_GROW]);
    Begin_Group(CSim_Pond3_Plot::Species_Colour(3, false));
    Add_Parameter(m_Parameters[HE_START]);
    Add_Parameter(m_Parameters[HE_DEAD]);

    m_pPlot = new CSim_Pond3_Plot(this);
    Add_Output(m_pPlot);
    m_pPlot->Set_Titles(m_Settings.X_Name, m_Settings.Y_Name);
    m_pPlot->Set_Show_Box(m_Settings.Show_Vars);
    m_pPlot->Set_Predation(m_Settings.Sim_Type);

    Add_Reference_Box(wxID_ANY);

    Pond3_Parameters reference;
    reference.a = m_Parameters[RF_GROW].Start;
    reference.b = m_Parameters[KA_GROW].Start;
    reference.d = m_Parameters[HE_DEAD].Start;
    reference.Rudd_Start = m_Parameters[RF_START].Start;
    reference.Carp_Start = m_Parameters[KA_START].Start;
    reference.Pike_Start = m_Parameters[HE_START].Start;
    reference.Capacity = m_Parameters[RF_KAP].Start;
    m_pPlot->Set_Reference(reference);

    Update_Simulation();
}

CSim_Pond3::~CSim_Pond3()
{
}

void CSim_Pond3::Default_Parameters(Pond_Parameter (&parameters)[PARAMETERS])
{
    auto u = [](const char* text) { return wxString::FromUTF8(text); };
    // Key, label, shown, min, max, value, percent, identifier.
    parameters[TIME] = {"TIME", "Zeitspanne [Monate]", 1, 25, 10000, 200, false, wxID_ANY};
    parameters[ZOOM] = {"ZOOM", "Wertespanne", 1, 10, 10000, 1500, false, wxID_ANY};
    parameters[RF_KAP] = {"RF_KAP", u("Lebensraum: Kapazität"), 1, 1, 10000, 1000, false, wxID_ANY};
    parameters[RF_START] = {"RF_START", "Rotfedern: Startzahl", 1, 1, 10000, 200, false, wxID_ANY};
    parameters[RF_GROW] = {"RF_GROW", "Rotfeder: Zuwachs [%/Wch]", 1, 0, 1, 8, true, wxID_ANY};
    parameters[KA_START] = {"KA_START", "Karpfen: Startzahl", 1, 1, 10000, 100, false, wxID_ANY};
    parameters[KA_GROW] = {"KA_GROW", "Karpfen: Zuwachs [%/Wch]", 1, 0, 1, 6, true, wxID_ANY};
    parameters[HE_START] = {"HE_START", "Hechte: Startzahl", 1, 1, 10000, 20, false, wxID_ANY};
    parameters[HE_DEAD] = {"HE_DEAD", "Hechte: Nahr.bedarf [%/Wch.]", 1, 0, 1, 20, true, wxID_ANY};
}

const char* const* CSim_Pond3::Option_Keys()
{
    static Pond_Key_List s_Keys;
    Pond_Parameter parameters[PARAMETERS];
    Default_Parameters(parameters);
    return CSim_Pond_Base::Option_Keys(parameters, PARAMETERS, s_Keys);
}

const SIM_Option_Number* CSim_Pond3::Option_Numbers()
{
    static Pond_Key_List s_Numbers;
    Pond_Parameter parameters[PARAMETERS];
    Default_Parameters(parameters);
    return CSim_Pond_Base::Option_Numbers(parameters, PARAMETERS, s_Numbers);
}

int CSim_Pond3::Reset_Id()
{
    return s_Reset_Id;
}

void CSim_Pond3::On_Change(wxCommandEvent&)
{
    Update_Simulation();
}

void CSim_Pond3::On_Reset(wxCommandEvent& event)
{
    if (event.GetId() != s_Reset_Id)
        return;
    for (Parameter p : {RF_GROW, KA_GROW, RF_KAP, HE_DEAD, KA_START, RF_START, HE_START, TIME, ZOOM})
        Reset(m_Parameters[p]);
    Reset_Scenario();
    Update_Simulation();
}

void CSim_Pond3::Update_Simulation()
{
    Pond3_Parameters current;
    current.a = Current(m_Parameters[RF_GROW]);
    current.b = Current(m_Parameters[KA_GROW]);
    current.d = Current(m_Parameters[HE_DEAD]);
    current.Capacity = Current(m_Parameters[RF_KAP]);
    current.Rudd_Start = Current(m_Parameters[RF_START]);
    current.Carp_Start = Current(m_Parameters[KA_START]);
    current.Pike_Start = Current(m_Parameters[HE_START]);
    m_pPlot->Set_Current(current);
    m_pPlot->Set_Scenario(Current_Scenario());
    m_pPlot->Set_Steps(Truncate_To_Int(Current(m_Parameters[TIME])));
    m_pPlot->Set_Zoom(Current(m_Parameters[ZOOM]));
    m_pPlot->Set_Show_Reference(Reference_Shown());
    m_pPlot->Compute();
}
