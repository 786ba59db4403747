// The plug-in's exports: the host calls SIM_Get_Simulation by name to get
// the window; SIM_Get_Option_Keys tells a course checker which option keys
// the window reads, SIM_Get_Option_Numbers which of them are numbers and
// their defaults.

#include "plugins/fischlauf/CSim_Pond.h"

#include <new>

SIM_PLUGIN_API CSim_Window* SIM_Get_Simulation(wxWindow* parent, const wxString& options)
{
    return new (std::nothrow) CSim_Pond(parent, options);
}

SIM_PLUGIN_API const char* const* SIM_Get_Option_Keys()
{
    return CSim_Pond::Option_Keys();
}

SIM_PLUGIN_API const SIM_Option_Number* SIM_Get_Option_Numbers()
{
    return CSim_Pond::Option_Numbers();
}
