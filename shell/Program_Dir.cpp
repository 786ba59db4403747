#include "shell/Program_Dir.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>
#include <wx/filename.h>

namespace
{
    wxString s_Program_Dir;
}

const wxString& Get_Program_Dir()
{
    return s_Program_Dir;
}

void Set_Program_Dir(const wxString& dir)
{
    s_Program_Dir = dir;
    if (!s_Program_Dir.EndsWith("/"))
        s_Program_Dir += "/";
}

wxString Find_Executable_Dir()
{
    char buffer[PATH_MAX + 1];
    ssize_t n = readlink("/proc/self/exe", buffer, PATH_MAX);
    if (n <= 0)
        return wxFileName::GetCwd();
    buffer[n] = '\0';
    wxFileName name(wxString(buffer, *wxConvFileName));
    return name.GetPath(wxPATH_GET_VOLUME | wxPATH_GET_SEPARATOR);
}
