#pragma once

// The simulation window of the pike and rudd pond: the parameters of the
// model in the settings column, the plot in the output area, and a log
// entry for every change the pupil makes.

#include "plugins/pond/CSim_Pond_Base.h"

class CSim_Pond_Plot;

/// Control identifiers; the log entries are told apart by them.
enum
{
    ID_POND_RESET = 6999,
    ID_POND_TIME = 7000,
    ID_POND_ZOOM = 7001,
    ID_POND_RF_KAP = 7002,
    ID_POND_SCENARIO = 7003,
    ID_POND_RF_START = 7004,
    ID_POND_RF_GROW = 7005,
    ID_POND_HE_START = 7006,
    ID_POND_HE_DEAD = 7007,
    ID_POND_HE_GROW = 7008,
    ID_POND_RF_FEED = 7009,
    ID_POND_SHOW_DEF = 7010,
};

class CSim_Pond : public CSim_Pond_Base
{
public:
    /// Builds the settings column from options and runs the model once.
    CSim_Pond(wxWindow* parent, const wxString& options);
    virtual ~CSim_Pond();

    /// Every option key the window reads, null terminated (for checking a
    /// course's option strings without building a window).
    static const char* const* Option_Keys();

    /// The keys read as numbers, with their defaults (for the same check).
    static const SIM_Option_Number* Option_Numbers();

private:
    enum Parameter
    {
        TIME, ZOOM, RF_KAP, RF_START, RF_GROW, HE_START, HE_DEAD, RF_FEED, HE_GROW, PARAMETERS
    };

    /// The parameters with their keys and defaults, before the options.
    static void Default_Parameters(Pond_Parameter (&parameters)[PARAMETERS]);

    void On_Change(wxCommandEvent& event);
    void On_Reset(wxCommandEvent& event);

    /// Hands every current value to the plot, recomputes and logs the
    /// change of the control id (-1: no entry).
    void Update_Simulation(int id);

    Pond_Parameter m_Parameters[PARAMETERS];
    CSim_Pond_Plot* m_pPlot;

    wxDECLARE_EVENT_TABLE();
};
