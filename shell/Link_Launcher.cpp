#include "shell/Link_Launcher.h"

#include <wx/utils.h>

namespace
{
    std::function<void(const Link_Launch&)> s_Launcher;
}

void Launch_Link(const Link_Launch& launch)
{
    if (s_Launcher)
    {
        s_Launcher(launch);
        return;
    }
    if (launch.What == Link_Launch::Browser)
        wxLaunchDefaultBrowser(launch.Text);
    else
        wxExecute(launch.Text, wxEXEC_ASYNC);
}

void Set_Link_Launcher(const std::function<void(const Link_Launch&)>& launcher)
{
    s_Launcher = launcher;
}
