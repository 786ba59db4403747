#pragma once

#include <functional>
#include <wx/string.h>

/// What a link click hands to the desktop: a command line to run (the
/// program registered for the link's file type) or a URL for the default
/// browser.
struct Link_Launch
{
    enum Kind { Command, Browser };
    Kind What;
    wxString Text;
};

/// Starts the external program for a link, without waiting for it.
void Launch_Link(const Link_Launch& launch);

/// Replaces how links are started (tests record them instead of running
/// programs); an empty function restores the real launcher.
void Set_Link_Launcher(const std::function<void(const Link_Launch&)>& launcher);
