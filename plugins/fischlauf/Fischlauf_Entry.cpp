// The plug-in's one export: the host calls it by name to get the window.

#include "plugins/fischlauf/CSim_Pond.h"

#include <new>

SIM_PLUGIN_API CSim_Window* SIM_Get_Simulation(wxWindow* parent, const wxString& options)
{
    return new (std::nothrow) CSim_Pond(parent, options);
}
