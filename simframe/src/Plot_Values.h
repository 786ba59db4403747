#pragma once

// The file a save dialog's answer stands for, without a window.

#include <wx/string.h>

/// The file a save dialog chose, from its directory and file name: ext is
/// added to a name without an extension. Empty when the name is empty.
wxString Export_File_Path(const wxString& directory, const wxString& file, const wxString& ext);
