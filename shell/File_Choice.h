#pragma once

#include <wx/string.h>

class wxWindow;

/// Shows the toolkit's file dialog and returns the chosen full path, or an
/// empty string when the user cancels. The path is built from the dialog's
/// directory and file name (its own path is not reliable right after the
/// dialog closes). A save dialog adds default_ext to a name without one;
/// with wxFD_OVERWRITE_PROMPT it then asks before an existing file is
/// replaced, and "Nein" shows the dialog again.
wxString Choose_File(const wxString& title, const wxString& default_dir,
                     const wxString& default_name, const wxString& default_ext,
                     const wxString& filter, long style, wxWindow* parent = nullptr);
