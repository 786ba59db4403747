#include "CSim_Algae.h"

#include "CSim_Algae_Plot.h"

#include <algorithm>
#include <string>
#include <vector>
#include <wx/button.h>
#include <wx/checkbox.h>
#include <wx/textctrl.h>

wxBEGIN_EVENT_TABLE(CSim_Algae, CSim_Window)
    EVT_BUTTON(wxID_ANY, CSim_Algae::On_Reset)
    EVT_COMMAND(wxID_ANY, wxEVT_SPINCTRL, CSim_Algae::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_TEXT_ENTER, CSim_Algae::On_Change)
    EVT_COMMAND(wxID_ANY, wxEVT_CHECKBOX, CSim_Algae::On_Change)
wxEND_EVENT_TABLE()

namespace
{
    // The keys besides the parameters.
    const char* const Other_Keys[] = {"RESET_SHOW", "RESET_NAME", "DEFAULT_SHOW", "DEFAULT_NAME",
                                      "X_NAME", "Y_NAME"};
    const char* const Family[] = {"", "_MIN", "_MAX", "_SHOW", "_NAME"};

    std::string Key(const char* parameter, int member)
    {
        return std::string(parameter) + Family[member];
    }

    // "%f" in the classic locale, whatever the program's locale is.
    wxString Number(double value)
    {
        return wxString::FromCDouble(value, 6);
    }
}

void CSim_Algae::Default_Settings(Setting (&s)[PARAMETERS])
{
    // Key, label, shown, min, max, value, unit, log entry, colour.
    s[TIME] = {"TIME", "Zeitspanne [Tage]", 1, 10, Algae_Max_Days, 100, 1, "Time", -1, nullptr};
    s[N_START] = {"N_START", "Nährstoffe: Start [µmol/l]", 1, 0, 20, 3, 1, "N Start", ALGAE_NUTRIENTS, nullptr};
    s[P_START] = {"P_START", "Algen: Start [µmol/l]", 1, 0, 20, 1, 1, "P Start", ALGAE_ALGAE, nullptr};
    s[Z_START] = {"Z_START", "Wasserflöhe: Start [µmol/l]", 1, 0, 20, 1, 1, "Z Start", ALGAE_FLEAS, nullptr};
    s[INPUT] = {"DUENGUNG", "Düngung [0,01 µmol/l pro Tag]", 1, 0, 100, 0, 0.01, "Input", ALGAE_NUTRIENTS, nullptr};
    s[VM] = {"P_GROW", "Algen: Wachstum höchstens [%/Tag]", 0, 0, 1000, 200, 0.01, "Vm", ALGAE_ALGAE, nullptr};
    s[KS] = {"P_HALF", "Algen: halbes Wachstum bei [0,1 µmol/l]", 0, 1, 100, 10, 0.1, "ks", ALGAE_ALGAE, nullptr};
    s[M] = {"P_DEAD", "Algen: Sterberate [%/Tag]", 0, 0, 100, 10, 0.01, "m", ALGAE_ALGAE, nullptr};
    s[RM] = {"Z_FEED", "Wasserflöhe: Fressrate höchstens [%/Tag]", 0, 0, 1000, 150, 0.01, "Rm", ALGAE_FLEAS, nullptr};
    s[LAMBDA] = {"Z_IVLEV", "Wasserflöhe: Sättigung [0,1 l/µmol]", 0, 1, 100, 10, 0.1, "Lambda", ALGAE_FLEAS, nullptr};
    s[GAMMA] = {"Z_LOSS", "Wasserflöhe: unverdaut [%]", 0, 0, 100, 30, 0.01, "Gamma", ALGAE_FLEAS, nullptr};
    s[G] = {"Z_DEAD", "Wasserflöhe: Sterberate [%/Tag]", 0, 0, 100, 20, 0.01, "g", ALGAE_FLEAS, nullptr};
}

const char* const* CSim_Algae::Option_Keys()
{
    static std::vector<std::string> s_Keys;
    static std::vector<const char*> s_Pointers;
    if (s_Pointers.empty())
    {
        Setting settings[PARAMETERS];
        Default_Settings(settings);
        s_Keys.assign(std::begin(Other_Keys), std::end(Other_Keys));
        for (const Setting& s : settings)
            for (int member = 0; member < 5; member++)
                s_Keys.push_back(Key(s.Key, member));
        for (const std::string& key : s_Keys)
            s_Pointers.push_back(key.c_str());
        s_Pointers.push_back(nullptr);
    }
    return s_Pointers.data();
}

const SIM_Option_Number* CSim_Algae::Option_Numbers()
{
    static std::vector<std::string> s_Keys, s_Defaults;
    static std::vector<SIM_Option_Number> s_Numbers;
    if (s_Numbers.empty())
    {
        std::vector<bool> whole = {true, true};
        s_Keys = {"RESET_SHOW", "DEFAULT_SHOW"};
        s_Defaults = {"1", "1"};
        Setting settings[PARAMETERS];
        Default_Settings(settings);
        for (const Setting& s : settings)
        {
            const double values[] = {s.Value, s.Min, s.Max, double(s.Show)};
            for (int member = 0; member < 4; member++)
            {
                s_Keys.push_back(Key(s.Key, member));
                s_Defaults.push_back(wxString::FromCDouble(values[member]).ToStdString());
                whole.push_back(member == 3);
            }
        }
        for (size_t i = 0; i < s_Keys.size(); i++)
            s_Numbers.push_back({s_Keys[i].c_str(), whole[i], s_Defaults[i].c_str()});
        s_Numbers.push_back({nullptr, false, nullptr});
    }
    return s_Numbers.data();
}

CSim_Algae::CSim_Algae(wxWindow* parent, const wxString& options)
    : CSim_Window(parent, options), m_pReset(nullptr), m_pReference(nullptr), m_pPlot(nullptr)
{
    int reset_show = 1, default_show = 1;
    wxString reset_name = wxString::FromUTF8("Zurücksetzen"), default_name = "Ausgangsfunktion";
    wxString x_name = "Zeit [Tage]", y_name = wxString::FromUTF8("Konzentration [µmol/l]");
    Get_Option("RESET_SHOW", reset_show);
    Get_Option("RESET_NAME", reset_name);
    Get_Option("DEFAULT_SHOW", default_show);
    Get_Option("DEFAULT_NAME", default_name);
    Get_Option("X_NAME", x_name);
    Get_Option("Y_NAME", y_name);

    if (reset_show)
        m_pReset = Add_Button(reset_name, wxID_ANY, wxSize(100, 25));

    // Groups of the column: the time span, the start values, the
    // fertiliser, the rates; some space before each group that shows a
    // control.
    Default_Settings(m_Settings);
    bool space = false;
    for (int p = 0; p < PARAMETERS; p++)
    {
        Setting& s = m_Settings[p];
        wxString label = wxString::FromUTF8(s.Name);
        Get_Option(Key(s.Key, 0).c_str(), s.Value);
        Get_Option(Key(s.Key, 1).c_str(), s.Min);
        Get_Option(Key(s.Key, 2).c_str(), s.Max);
        Get_Option(Key(s.Key, 3).c_str(), s.Show);
        Get_Option(Key(s.Key, 4).c_str(), label);
        // The control offers no time span longer than the model runs.
        if (p == TIME)
            s.Max = std::min(s.Max, double(Algae_Max_Days));
        space = space || p == TIME || p == N_START || p == INPUT || p == VM;
        if (!s.Show)
            continue;
        if (space)
        {
            Add_Spacer(10);
            Add_Spacer(10);
            space = false;
        }
        Set_Ctrl_Color(s.Group < 0 ? *wxBLACK : CSim_Algae_Plot::Group_Colour(s.Group, false));
        s.pCtrl = Add_SpinCtrl(label, s.Value, s.Min, s.Max, false, wxID_ANY, 100);
    }

    m_pPlot = new CSim_Algae_Plot(this);
    Add_Output(m_pPlot);
    m_pPlot->Set_Titles(x_name, y_name);
    if (default_show)
    {
        Add_Spacer(10);
        Add_Spacer(10);
        Set_Ctrl_Color(*wxBLACK);
        m_pReference = Add_CheckBox(default_name, true, wxID_ANY);
    }
    m_pPlot->Set_Reference(Parameters(true));
    Update_Simulation(nullptr);
}

double CSim_Algae::Value(Parameter p, bool start) const
{
    const Setting& s = m_Settings[p];
    return (s.pCtrl && !start ? s.pCtrl->Get_Value() : s.Value) * s.Unit;
}

Algae_Parameters CSim_Algae::Parameters(bool start) const
{
    Algae_Parameters p;
    p.N_Start = Value(N_START, start);
    p.P_Start = Value(P_START, start);
    p.Z_Start = Value(Z_START, start);
    p.Input = Value(INPUT, start);
    p.Vm = Value(VM, start);
    p.ks = Value(KS, start);
    p.m = Value(M, start);
    p.Rm = Value(RM, start);
    p.Lambda = Value(LAMBDA, start);
    p.Gamma = Value(GAMMA, start);
    p.g = Value(G, start);
    return p;
}

void CSim_Algae::On_Change(wxCommandEvent& event)
{
    Update_Simulation(event.GetEventObject());
}

void CSim_Algae::On_Reset(wxCommandEvent& event)
{
    if (!m_pReset || event.GetEventObject() != m_pReset)
        return;
    for (Setting& s : m_Settings)
    {
        if (s.pCtrl)
            s.pCtrl->Set_Value(s.Value);
        s.Logged.clear();
    }
    Update_Simulation(m_pReset);
}

void CSim_Algae::Update_Simulation(const wxObject* control)
{
    const int days = Algae_Days(Value(TIME, false));
    const bool reference = m_pReference && m_pReference->GetValue();
    m_pPlot->Set_Days(days);
    m_pPlot->Set_Current(Parameters(false));
    m_pPlot->Set_Show_Reference(reference);
    m_pPlot->Compute();

    wxString activity, value;
    if (control && control == m_pReset)
        activity = "Reset";
    else if (control && control == m_pReference)
    {
        activity = "Show Def";
        value = reference ? "an" : "aus";
    }
    for (int p = 0; p < PARAMETERS && activity.empty(); p++)
        if (control && control == m_Settings[p].pCtrl)
        {
            activity = m_Settings[p].Activity;
            value = Number(p == TIME ? days : Value(Parameter(p), false));
            if (value == m_Settings[p].Logged)
                return;
            m_Settings[p].Logged = value;
        }
    Log_Activity(activity, value);
}
