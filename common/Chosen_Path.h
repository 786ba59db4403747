#pragma once

#include <wx/string.h>

class wxFileDialog;

/// The file a file dialog's answer names. The chooser's own path is right
/// for whatever the pupil typed, a full path to another folder included
/// (the dialog's directory is then empty); straight after a dialog answered
/// from outside it is still empty, and the directory and name serve.
wxString Chosen_Path(const wxFileDialog& dialog);
