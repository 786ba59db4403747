#include "plugins/pond/CSim_Pond_Base.h"

#include "plugins/pond/Pond_Model.h"

#include <string>
#include <wx/checkbox.h>
#include <wx/choice.h>

namespace
{
    // The selection the choice shows for a scenario. A number the choice
    // has no item for is constant in the model, so it shows "konstant".
    int Scenario_Selection(int scenario)
    {
        return scenario >= 0 && scenario <= POND_SCENARIO_SWINGING ? scenario : POND_SCENARIO_CONSTANT;
    }
}

CSim_Pond_Base::CSim_Pond_Base(wxWindow* parent, const wxString& options)
    : CSim_Window(parent, options), m_pScenario(nullptr), m_pReference(nullptr)
{
    Pond_Options& o = m_Settings;
    o.Reset_Name = wxString::FromUTF8("Zurücksetzen");
    o.Scenario_Name = "Lebensraum: Szenario";
    o.Default_Name = "Ausgangsfunktion";
    o.X_Name = "Zeit [Monate]";
    o.Y_Name = "Anzahl";
    double scenario = 0;

    Get_Option("RESET_SHOW", o.Reset_Show);
    Get_Option("RESET_NAME", o.Reset_Name);
    Get_Option("SZENARIO", scenario);
    Get_Option("SZENARIO_SHOW", o.Scenario_Show);
    Get_Option("SZENARIO_NAME", o.Scenario_Name);
    Get_Option("DEFAULT_SHOW", o.Default_Show);
    Get_Option("DEFAULT_NAME", o.Default_Name);
    Get_Option("SHOW_VARS", o.Show_Vars);
    Get_Option("SIM_TYPE", o.Sim_Type);
    Get_Option("X_NAME", o.X_Name);
    Get_Option("Y_NAME", o.Y_Name);
    o.Start_Scenario = Pond_Truncate(scenario);
}

CSim_Pond_Base::~CSim_Pond_Base()
{
}

void CSim_Pond_Base::Log_Export(const wxString& activity, const wxString& path)
{
    Log_Activity(activity, path);
}

void CSim_Pond_Base::Read_Parameter(Pond_Parameter& p) const
{
    const std::string key = p.Key;
    Get_Option(key.c_str(), p.Value);
    Get_Option((key + "_MIN").c_str(), p.Min);
    Get_Option((key + "_MAX").c_str(), p.Max);
    Get_Option((key + "_SHOW").c_str(), p.Show);
    Get_Option((key + "_NAME").c_str(), p.Name);
    p.Start = p.bPercent ? p.Min + (p.Max - p.Min) * p.Value * 0.01 : p.Value;
}

void CSim_Pond_Base::Add_Parameter(Pond_Parameter& p)
{
    if (p.Show)
        p.pCtrl = Add_SpinCtrl(p.Name, p.Start, p.Min, p.Max, p.bPercent, p.Id, 100);
}

void CSim_Pond_Base::Begin_Group(const wxColour& colour)
{
    Add_Spacer(10);
    Add_Spacer(10);
    Set_Ctrl_Color(colour);
}

void CSim_Pond_Base::Add_Reset(int id)
{
    if (m_Settings.Reset_Show)
        Add_Button(m_Settings.Reset_Name, id, wxSize(100, 25));
}

void CSim_Pond_Base::Add_Scenario(int id)
{
    if (!m_Settings.Scenario_Show)
        return;
    wxArrayString items;
    items.Add("konstant");
    items.Add("1/2 nach 100 Monaten");
    items.Add("schwankend");
    m_pScenario = Add_Choice(m_Settings.Scenario_Name, items,
                             Scenario_Selection(m_Settings.Start_Scenario), id);
}

void CSim_Pond_Base::Add_Reference_Box(int id)
{
    if (!m_Settings.Default_Show)
        return;
    Begin_Group(*wxBLACK);
    m_pReference = Add_CheckBox(m_Settings.Default_Name, true, id);
}

double CSim_Pond_Base::Current(const Pond_Parameter& p)
{
    return p.pCtrl ? p.pCtrl->Get_Value() : p.Start;
}

void CSim_Pond_Base::Reset(const Pond_Parameter& p)
{
    if (p.pCtrl)
        p.pCtrl->Set_Value(p.Start);
}

void CSim_Pond_Base::Reset_Scenario()
{
    if (m_pScenario)
        m_pScenario->SetSelection(Scenario_Selection(m_Settings.Start_Scenario));
}

int CSim_Pond_Base::Current_Scenario() const
{
    return m_pScenario ? m_pScenario->GetSelection() : m_Settings.Start_Scenario;
}

bool CSim_Pond_Base::Reference_Shown() const
{
    return m_pReference && m_pReference->GetValue();
}
