#pragma once

#include <wx/msgdlg.h>
#include <wx/string.h>

class wxWindow;

/// A message box as wxMessageBox shows it, with German button labels ("Ja",
/// "Nein", "Abbrechen") whatever language the desktop runs in: the native
/// buttons take their labels from the session's locale. Returns wxYES,
/// wxNO, wxCANCEL or wxOK.
int Message_Box(const wxString& message, const wxString& caption = wxMessageBoxCaptionStr,
                long style = wxOK | wxCENTRE, wxWindow* parent = nullptr);
