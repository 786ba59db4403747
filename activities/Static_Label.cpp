#include "activities/Static_Label.h"

#include <wx/stattext.h>

wxStaticText* New_Static_Label(wxWindow* parent, const wxString& text)
{
    wxStaticText* label = new wxStaticText(parent, wxID_ANY, wxEmptyString, wxDefaultPosition, wxDefaultSize, 0);
    label->SetLabel(text);
    return label;
}
