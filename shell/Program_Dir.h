#pragma once

#include <wx/string.h>

/// The directory of the running program's own file, with a trailing "/".
const wxString& Get_Program_Dir();

/// Sets the program directory; a trailing "/" is added when missing.
void Set_Program_Dir(const wxString& dir);

/// The directory of the executable's real file (links resolved), from the
/// running process itself rather than from a possibly relative argv[0].
wxString Find_Executable_Dir();
