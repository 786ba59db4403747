#pragma once

// What the windows of both pond plug-ins have in common: the option keys of
// their numeric parameters, the reset button, scenario choice and reference
// check box, and how each becomes a control of the settings column.

#include "tirsal/CSim_Window.h"
#include "tirsal/Option_Numbers.h"

#include <map>
#include <string>
#include <vector>
#include <wx/string.h>

class wxCheckBox;
class wxChoice;

/// One numeric parameter of a pond window. Its option keys are P (Key),
/// P_MIN, P_MAX, P_SHOW and P_NAME; the fields hold their defaults until
/// Read_Parameter has looked them up.
struct Pond_Parameter
{
    const char* Key;
    wxString Name;         ///< label of the control
    int Show;              ///< non-zero: the control is created
    double Min;
    double Max;
    double Value;          ///< as written: a percent of Min..Max for percent parameters
    bool bPercent;
    int Id;
    double Start = 0;      ///< the value that Value stands for; never changes
    CSim_SpinCtrl* pCtrl = nullptr;  ///< null while hidden
};

/// The keys besides the parameters, with their defaults.
struct Pond_Options
{
    int Reset_Show = 1;
    wxString Reset_Name;
    int Start_Scenario = 0;   ///< SZENARIO, truncated toward zero
    int Scenario_Show = 1;
    wxString Scenario_Name;
    int Default_Show = 1;
    wxString Default_Name;
    int Show_Vars = 0;
    int Sim_Type = 2;
    wxString X_Name;
    wxString Y_Name;
};

/// Storage of a plug-in's list of option keys: the texts and the
/// null-terminated array of pointers to them that the plug-in hands out.
struct Pond_Key_List
{
    std::vector<std::string> Keys;
    std::vector<const char*> Pointers;
    std::vector<std::string> Number_Keys;     ///< keys of Numbers
    std::vector<std::string> Defaults;        ///< texts of Numbers' defaults
    std::vector<SIM_Option_Number> Numbers;  ///< the keys read as numbers, null terminated
};

/// A simulation window of the pond: reads the shared keys when it is
/// created; the plug-in's window builds the column from them.
class CSim_Pond_Base : public CSim_Window
{
public:
    /// Every option key a window with these parameters reads, null
    /// terminated: the shared keys, then P, P_MIN, P_MAX, P_SHOW and P_NAME
    /// of each parameter. Built into storage on the first call; the list
    /// lives as long as storage does.
    static const char* const* Option_Keys(const Pond_Parameter* parameters, int count,
                                          Pond_Key_List& storage);

    /// The keys of that list that are read as numbers, with the defaults
    /// the window starts from, terminated by a null Key.
    static const SIM_Option_Number* Option_Numbers(const Pond_Parameter* parameters, int count,
                                                   Pond_Key_List& storage);

protected:
    CSim_Pond_Base(wxWindow* parent, const wxString& options);
    virtual ~CSim_Pond_Base();

    /// Looks up the parameter's keys and works out its start value.
    void Read_Parameter(Pond_Parameter& parameter) const;

    /// Holds the time span's range to the points a series can have, so
    /// that the control, the plot, its time axis and the log all show the
    /// span that is used.
    static void Limit_Time_Span(Pond_Parameter& time);

    /// The parameter's spin control, 100 pixels wide, unless it is hidden.
    void Add_Parameter(Pond_Parameter& parameter);

    /// Starts a group of the settings column: some space, then the label
    /// colour of its controls.
    void Begin_Group(const wxColour& colour);

    /// The reset button, when shown.
    void Add_Reset(int id);

    /// The scenario choice, when shown, at the start scenario.
    void Add_Scenario(int id);

    /// Some space and the ticked reference check box in black, when shown.
    void Add_Reference_Box(int id);

    /// The control's value, or the start value while it is hidden.
    static double Current(const Pond_Parameter& parameter);

    /// Puts the control, if there is one, back to the start value.
    static void Reset(const Pond_Parameter& parameter);

    /// Puts the scenario choice, if there is one, back to the start.
    void Reset_Scenario();

    /// The chosen scenario, or the start scenario while the choice is hidden.
    int Current_Scenario() const;

    /// Whether the reference curves are asked for: the check box, or false
    /// while it is hidden.
    bool Reference_Shown() const;

    /// Logs activity with value, unless it repeats the value last logged
    /// for that activity: a number typed and entered is reported again when
    /// its field loses the focus. After a reset every value counts again.
    void Log_Change(const wxString& activity, const wxString& value, bool reset);

    Pond_Options m_Settings;
    wxChoice* m_pScenario;
    wxCheckBox* m_pReference;

private:
    std::map<wxString, wxString> m_Logged;  ///< activity: the value last logged
};
