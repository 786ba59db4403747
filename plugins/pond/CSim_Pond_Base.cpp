#include "plugins/pond/CSim_Pond_Base.h"

#include "common/Truncate.h"
#include "plugins/pond/Pond_Model.h"

#include <algorithm>
#include <string>
#include <wx/checkbox.h>
#include <wx/choice.h>

namespace
{
    // The keys every pond window reads besides its parameters. The window
    // reads them by these names, and the plug-in lists them from here, so
    // the list a course checker gets is the one the window uses.
    enum Shared_Key
    {
        RESET_SHOW, RESET_NAME, SZENARIO, SZENARIO_SHOW, SZENARIO_NAME, DEFAULT_SHOW,
        DEFAULT_NAME, SHOW_VARS, SIM_TYPE, X_NAME, Y_NAME, SHARED_KEYS
    };
    const char* const s_Shared_Keys[SHARED_KEYS] = {
        "RESET_SHOW", "RESET_NAME", "SZENARIO", "SZENARIO_SHOW", "SZENARIO_NAME", "DEFAULT_SHOW",
        "DEFAULT_NAME", "SHOW_VARS", "SIM_TYPE", "X_NAME", "Y_NAME",
    };

    // The keys of a parameter P: P itself, then its family.
    enum Family_Key { FAMILY_VALUE, FAMILY_MIN, FAMILY_MAX, FAMILY_SHOW, FAMILY_NAME, FAMILY_KEYS };
    const char* const s_Family_Suffixes[FAMILY_KEYS] = {"", "_MIN", "_MAX", "_SHOW", "_NAME"};

    std::string Family_Key_Name(const Pond_Parameter& p, int which)
    {
        return std::string(p.Key) + s_Family_Suffixes[which];
    }

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

    Get_Option(s_Shared_Keys[RESET_SHOW], o.Reset_Show);
    Get_Option(s_Shared_Keys[RESET_NAME], o.Reset_Name);
    Get_Option(s_Shared_Keys[SZENARIO], scenario);
    Get_Option(s_Shared_Keys[SZENARIO_SHOW], o.Scenario_Show);
    Get_Option(s_Shared_Keys[SZENARIO_NAME], o.Scenario_Name);
    Get_Option(s_Shared_Keys[DEFAULT_SHOW], o.Default_Show);
    Get_Option(s_Shared_Keys[DEFAULT_NAME], o.Default_Name);
    Get_Option(s_Shared_Keys[SHOW_VARS], o.Show_Vars);
    Get_Option(s_Shared_Keys[SIM_TYPE], o.Sim_Type);
    Get_Option(s_Shared_Keys[X_NAME], o.X_Name);
    Get_Option(s_Shared_Keys[Y_NAME], o.Y_Name);
    o.Start_Scenario = Truncate_To_Int(scenario);
}

CSim_Pond_Base::~CSim_Pond_Base()
{
}

const char* const* CSim_Pond_Base::Option_Keys(const Pond_Parameter* parameters, int count,
                                               Pond_Key_List& storage)
{
    if (storage.Pointers.empty())
    {
        storage.Keys.assign(s_Shared_Keys, s_Shared_Keys + SHARED_KEYS);
        for (int i = 0; i < count; i++)
            for (int which = 0; which < FAMILY_KEYS; which++)
                storage.Keys.push_back(Family_Key_Name(parameters[i], which));
        for (const std::string& key : storage.Keys)
            storage.Pointers.push_back(key.c_str());
        storage.Pointers.push_back(nullptr);
    }
    return storage.Pointers.data();
}

const SIM_Option_Number* CSim_Pond_Base::Option_Numbers(const Pond_Parameter* parameters, int count,
                                                        Pond_Key_List& storage)
{
    if (storage.Numbers.empty())
    {
        // Whole numbers are read as int, the others as double; the defaults
        // are those the window starts from.
        const Pond_Options o;
        const struct { int Key; bool bWhole; double Default; } shared[] = {
            {RESET_SHOW, true, double(o.Reset_Show)}, {SZENARIO, false, double(o.Start_Scenario)},
            {SZENARIO_SHOW, true, double(o.Scenario_Show)}, {DEFAULT_SHOW, true, double(o.Default_Show)},
            {SHOW_VARS, true, double(o.Show_Vars)}, {SIM_TYPE, true, double(o.Sim_Type)}};
        std::vector<bool> whole;
        for (const auto& key : shared)
        {
            storage.Number_Keys.push_back(s_Shared_Keys[key.Key]);
            storage.Defaults.push_back(wxString::FromCDouble(key.Default).ToStdString());
            whole.push_back(key.bWhole);
        }
        for (int i = 0; i < count; i++)
        {
            const Pond_Parameter& p = parameters[i];
            const double values[] = {p.Value, p.Min, p.Max, double(p.Show)};
            for (int which = FAMILY_VALUE; which <= FAMILY_SHOW; which++)
            {
                storage.Number_Keys.push_back(Family_Key_Name(p, which));
                storage.Defaults.push_back(wxString::FromCDouble(values[which]).ToStdString());
                whole.push_back(which == FAMILY_SHOW);
            }
        }
        for (size_t i = 0; i < whole.size(); i++)
            storage.Numbers.push_back({storage.Number_Keys[i].c_str(), whole[i], storage.Defaults[i].c_str()});
        storage.Numbers.push_back({nullptr, false, nullptr});
    }
    return storage.Numbers.data();
}

void CSim_Pond_Base::Read_Parameter(Pond_Parameter& p) const
{
    Get_Option(Family_Key_Name(p, FAMILY_VALUE).c_str(), p.Value);
    Get_Option(Family_Key_Name(p, FAMILY_MIN).c_str(), p.Min);
    Get_Option(Family_Key_Name(p, FAMILY_MAX).c_str(), p.Max);
    Get_Option(Family_Key_Name(p, FAMILY_SHOW).c_str(), p.Show);
    Get_Option(Family_Key_Name(p, FAMILY_NAME).c_str(), p.Name);
    p.Start = p.bPercent ? p.Min + (p.Max - p.Min) * p.Value * 0.01 : p.Value;
}

void CSim_Pond_Base::Limit_Time_Span(Pond_Parameter& time)
{
    // One point per time unit in both plug-ins.
    time.Min = std::min(time.Min, double(Pond_Max_Steps));
    time.Max = std::min(time.Max, double(Pond_Max_Steps));
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

void CSim_Pond_Base::Log_Change(const wxString& activity, const wxString& value, bool reset)
{
    if (reset)
        m_Logged.clear();
    else
    {
        const auto logged = m_Logged.find(activity);
        if (logged != m_Logged.end() && logged->second == value)
            return;
        m_Logged[activity] = value;
    }
    Log_Activity(activity, value);
}
