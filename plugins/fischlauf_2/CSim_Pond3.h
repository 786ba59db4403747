#pragma once

// The simulation window of the three-species pond: the parameters of rudd,
// carp and pike in the settings column, the plot in the output area. Its
// log holds only the exports of the plot: changes of the settings are not
// recorded.

#include "plugins/pond/CSim_Pond_Base.h"

class CSim_Pond3_Plot;

class CSim_Pond3 : public CSim_Pond_Base
{
public:
    /// Builds the settings column from options and runs the model once.
    CSim_Pond3(wxWindow* parent, const wxString& options);
    virtual ~CSim_Pond3();

    /// Every option key the window reads, null terminated (for checking a
    /// course's option strings without building a window).
    static const char* const* Option_Keys();

    /// The keys read as numbers, with their defaults (for the same check).
    static const SIM_Option_Number* Option_Numbers();

    /// The identifier of the reset button, the same in every window.
    static int Reset_Id();

private:
    enum Parameter
    {
        TIME, ZOOM, RF_KAP, RF_START, RF_GROW, KA_START, KA_GROW, HE_START, HE_DEAD, PARAMETERS
    };

    /// The parameters with their keys and defaults, before the options.
    static void Default_Parameters(Pond_Parameter (&parameters)[PARAMETERS]);

    void On_Change(wxCommandEvent& event);
    void On_Reset(wxCommandEvent& event);

    /// Hands every current value to the plot and recomputes.
    void Update_Simulation();

    Pond_Parameter m_Parameters[PARAMETERS];
    CSim_Pond3_Plot* m_pPlot;

    wxDECLARE_EVENT_TABLE();
};
