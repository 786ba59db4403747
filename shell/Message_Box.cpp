#include "shell/Message_Box.h"

#include <wx/intl.h>

int Message_Box(const wxString& message, const wxString& caption, long style, wxWindow* parent)
{
    // The toolkit's own default caption comes in the toolkit's language.
    wxString title = caption == wxMessageBoxCaptionStr ? wxGetTranslation(caption) : caption;
    wxMessageDialog dialog(parent, message, title, style);
    if (style & wxYES_NO)
    {
        if (style & wxCANCEL)
            dialog.SetYesNoCancelLabels("Ja", "Nein", "Abbrechen");
        else
            dialog.SetYesNoLabels("Ja", "Nein");
    }
    else if (style & wxCANCEL)
        dialog.SetOKCancelLabels("OK", "Abbrechen");
    switch (dialog.ShowModal())
    {
    case wxID_YES: return wxYES;
    case wxID_NO: return wxNO;
    case wxID_OK: return wxOK;
    default: return wxCANCEL;
    }
}
