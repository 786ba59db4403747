// A simulation plug-in for the host tests: it counts how often the host
// stops each of its windows and leaves a mark when a window goes, so a test
// can tell that the window was destroyed while this code was loaded. Asked
// for NULL=1 its entry point gives no window.

#include "tirsal/CSim_Window.h"

#include <cstdio>
#include <map>

namespace
{
    std::map<const void*, int> s_Stops;

    class CSim_Host_Probe : public CSim_Window
    {
    public:
        CSim_Host_Probe(wxWindow* parent, const wxString& options) : CSim_Window(parent, options)
        {
            Get_Option("MARK", m_Mark_File);
            s_Stops[this] = 0;
        }

        ~CSim_Host_Probe() override
        {
            s_Stops.erase(this);
            if (FILE* f = m_Mark_File.empty() ? nullptr : fopen(m_Mark_File.fn_str(), "a"))
            {
                fputs("window gone\n", f);
                fclose(f);
            }
        }

        void Stop_Execution() override { s_Stops[this]++; }

        wxString m_Mark_File;
    };
}

SIM_PLUGIN_API CSim_Window* SIM_Get_Simulation(wxWindow* parent, const wxString& options)
{
    return options.Contains("NULL=1") ? nullptr : new CSim_Host_Probe(parent, options);
}

/// How often the host stopped the window; -1 when no such window lives.
SIM_PLUGIN_API int Host_Probe_Stops(const void* window)
{
    return s_Stops.count(window) ? s_Stops[window] : -1;
}
