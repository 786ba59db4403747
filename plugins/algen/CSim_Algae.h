#pragma once

// The simulation window of the plankton: time span, start values, the
// fertiliser ("Düngung") and, where a course shows them, the rates in the
// settings column; the plot in the output area; a log entry for every
// change the pupil makes.

#include "Algen_Model.h"

#include <tirsal/CSim_Window.h>
#include <tirsal/Option_Numbers.h>

class CSim_Algae_Plot;
class wxButton;
class wxCheckBox;

class CSim_Algae : public CSim_Window
{
public:
    /// Builds the settings column from options and runs the model once.
    CSim_Algae(wxWindow* parent, const wxString& options);

    /// Every option key the window reads, null terminated.
    static const char* const* Option_Keys();

    /// The keys of that list read as numbers, with the defaults the window
    /// starts from, ending with a null Key.
    static const SIM_Option_Number* Option_Numbers();

private:
    /// The numeric parameters, in the order of the settings column.
    enum Parameter
    {
        TIME, N_START, P_START, Z_START, INPUT, VM, KS, M, RM, LAMBDA, GAMMA, G, PARAMETERS
    };

    /// One parameter: its keys P, P_MIN, P_MAX, P_SHOW and P_NAME with their
    /// defaults (P, P_MIN and P_MAX in the unit of the control, which shows
    /// whole numbers), and what the model takes: the control's number times
    /// Unit.
    struct Setting
    {
        const char* Key;
        const char* Name;      ///< UTF-8
        int Show;
        double Min;
        double Max;
        double Value;
        double Unit;
        const char* Activity;  ///< its entry in the log
        int Group;             ///< the colour of its label
        CSim_SpinCtrl* pCtrl;
        wxString Logged;       ///< the value last logged, empty after a reset
    };

    static void Default_Settings(Setting (&settings)[PARAMETERS]);

    /// A parameter in the model's unit: its start value, or else the
    /// control's number (the start value while the control is hidden).
    double Value(Parameter p, bool start) const;

    /// All of them, for the reference run (start) or the current run.
    Algae_Parameters Parameters(bool start) const;

    void On_Change(wxCommandEvent& event);
    void On_Reset(wxCommandEvent& event);

    /// Hands the current values to the plot, recomputes and logs the change
    /// made with control (none: no entry). A value is logged only when it
    /// differs from the one last logged for its control: a number typed and
    /// entered is reported again when the field loses the focus.
    void Update_Simulation(const wxObject* control);

    Setting m_Settings[PARAMETERS];
    wxButton* m_pReset;
    wxCheckBox* m_pReference;
    CSim_Algae_Plot* m_pPlot;

    wxDECLARE_EVENT_TABLE();
};
