// A plug-in whose entry point has no window to give.

#include "tirsal/CSim_Window.h"

SIM_PLUGIN_API CSim_Window* SIM_Get_Simulation(wxWindow*, const wxString&)
{
    return nullptr;
}
